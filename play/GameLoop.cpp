// One game or attract run: loading, the fixed-step frame loop, finished levels and the
// level change behind the panel doors, lost lives, pause, the highest level reached in
// "al.raw", and the closing doors with the music fade at the end.
#include "play/MainGame.h"

#include <cstring>

#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KRandom.h"
#include "engine/KWindow.h"
#include "frontend/GameOver.h"
#include "frontend/HighScreen.h"
#include "frontend/Menu.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Bonus.h"
#include "audio/Sound.h"
#include "play/Gun.h"
#include "play/Player.h"
#include "play/Scene.h"
#include "shell/Pointer.h"
#include "shell/Startup.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

bool gSelfRunningDemo = false;
int32_t gCurrentLevel = 1;
int32_t gMaxLevel = 1;
int32_t gAllowLevel = 1;
bool gGameIsReallyOver = false;

static const int kDoorStep = 10;
static const int kDoorsOpen = -300;
static const int kDoorsFarOpen = -400;
static const int kFadeFrames = 40;
static const int kEventPumpsPerFrame = 11;
static const int kAttractFireChance = 150;
static const int kAttractFireHit = 5;
static const short kAttractLabel[4] = {0, 350, 178, 411};
static const short kAttractLabelX = 606, kAttractLabelY = 539;

void MainGame_FreeLevel() {
    Level_FreeBricks();
    delete surf_Herbe;
    surf_Herbe = nullptr;
    delete surf_island;
    surf_island = nullptr;
}

static void FreeGame() {
    MainGame_FreeGraphics();
    MainGame_FreeLevel();
}

static void FreePanel() {
    delete surf_LeftPanel;
    surf_LeftPanel = nullptr;
}

void MainGame_StartLevel(bool fullRestart) {
    if (fullRestart) {
        std::memset(cartouche, 0, sizeof(cartouche));
        std::memset(bullet, 0, sizeof(bullet));
        std::memset(cartanimX, 0, sizeof(cartanimX));
        std::memset(cartanimY, 0, sizeof(cartanimY));
    }
    Player_ResetStatus();
    if (fullRestart)
        Level_RestoreLevel();
    Bonus_ResetBonus();
    gGameIsReallyOver = false;
    InitTheBalls();
}

static void DrawGrabbed(KGraphic *grabbed) {
    if (grabbed)
        BlitSurface(grabbed, 0, 0, static_cast<short>(grabbed->pictureWidth),
                    static_cast<short>(grabbed->pictureHeight), 0, 0);
}

bool MainGame_LoadLevel(long level) {
    MainGame_FreeLevel();
    Player_ResetStatus();
    KGraphic *grabbed = GrabFrontBuffer();
    for (int offset = kDoorsOpen; offset <= 0; offset += kDoorStep) {
        DrawGrabbed(grabbed);
        MainGame_DisplayPanels(offset);
        Flip_Screen();
    }
    delete grabbed;
    Level_LoadLevelFromIndex(level);
    if (!Level_LoadIslands(0))
        return false;
    Level_InitBrickWall(0);
    MainGame_StartLevel(true);
    for (int offset = 0; offset >= kDoorsOpen; offset -= kDoorStep) {
        MainGame_BlitGame();
        MainGame_DisplayPanels(offset);
        Flip_Screen();
    }
    return true;
}

// The game needs only that no ball is left in play; the wall has no say here.
bool MainGame_IsGameOver() {
    for (const Ball &b : allBalls)
        if (b.active)
            return false;
    return true;
}

void MainGame_SaveHigherLevel(long level) {
    if (gAllowLevel >= level)
        return;
    const uint32_t v = static_cast<uint32_t>(level);
    const unsigned char bytes[4] = {static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
                                    static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
    KMiscTools::writeFileAtomically(Vuz_MakeFilePath("al.raw"), bytes, sizeof(bytes));
}

bool MainGame_PrepareGameover() {
    const int32_t music = vol_music;
    const int32_t sample = gSampleVolume;
    float volume = music * 10.0f;
    const float step = volume / kFadeFrames;
    KGraphic *grabbed = GrabFrontBuffer();
    for (int offset = kDoorsFarOpen; offset <= 0; offset += kDoorStep) {
        volume -= step;
        if (volume < 0)
            volume = 0;
        DrawGrabbed(grabbed);
        MainGame_DisplayPanels(offset);
        Flip_Screen();
        Sound_SetGlobalVolumes(static_cast<short>(volume), -1);
    }
    delete grabbed;
    Sound_SetGlobalVolumes(static_cast<short>(music * 10), static_cast<short>(sample));
    return true;
}

void Do_Pause() {
    while (!KWindow::isQuit() && KInput::isPressed(KEY_P))
        ProcessEvents();
    ShowTheCursor();
    while (!KWindow::isQuit() && !KInput::isPressed(KEY_P))
        ProcessEvents();
    while (!KWindow::isQuit() && KInput::isPressed(KEY_P))
        ProcessEvents();
    HideTheCursor();
}

// Finished (or skipped with Up and F4): the time bonus scores and the next level comes,
// or after the last one the end picture and the end of the game.
static void NextLevel() {
    if (playerInfo.timeBonus >= 0)
        playerInfo.score += playerInfo.timeBonus;
    gCurrentLevel += 1;
    MainGame_SaveHigherLevel(gCurrentLevel);
    if (gCurrentLevel > gMaxLevel) {
        MainGame_ShowEnd();
        gGameIsReallyOver = true;
        return;
    }
    // A level whose island cannot be shown cannot be played: the game ends.
    if (!MainGame_LoadLevel(gCurrentLevel))
        gGameIsReallyOver = true;
}

static void LoseLife() {
    playerInfo.lives -= 1;
    if (playerInfo.lives > 0)
        MainGame_StartLevel(false);
    else
        gGameIsReallyOver = true;
}

static bool FireWanted(bool buttonDown) {
    if (gSelfRunningDemo)
        return KRandom::rand() % kAttractFireChance == kAttractFireHit;
    return buttonDown || (isGamePad && KInput::joyButtonN(0, 0)) || KInput::isPressed(KEY_SPACE);
}

// One frame; false when Escape ends the game or the attract run has run its course.
static bool RunFrame(int &attractFrames) {
    const bool buttonDown = GetLeftMouseButton();
    if (KInput::isPressed(KEY_ESCAPE))
        return false;
    if (Level_IsLevelFinished() || (KInput::isPressed(KEY_UP) && KInput::isPressed(KEY_F4)))
        NextLevel();
    if (MainGame_IsGameOver())
        LoseLife();
    if (curBat == BAT_GUN && FireWanted(buttonDown))
        MainGame_FireRequest();
    MainGame_Calculate();
    MainGame_BlitGame();
    Level_CalculateBallCollisionsOnbricks();
    if (gSelfRunningDemo) {
        attractFrames += 1;
        if (attractFrames > ATTRACT_FRAMES)
            return false;
        if (surf_SpriteCollection)
            BlitTransparentSurface(surf_SpriteCollection, kAttractLabel[0], kAttractLabel[1], kAttractLabel[2],
                                   kAttractLabel[3], kAttractLabelX, kAttractLabelY);
    } else if (KInput::isPressed(KEY_P)) {
        Do_Pause();
    }
    for (int i = 0; i < kEventPumpsPerFrame; i++)
        ProcessEvents();
    Flip_Screen();
    return true;
}

static void EndOfGame() {
    MainGame_PrepareGameover();
    FreeGame();
    FreeMusic();
    if (!LaunchHighscores(playerInfo.score)) {
        if (GameOv_LoadGfx())
            GameOv_Do();
        GameOv_FreeGfx();
    }
    FreePanel();
}

bool Go_MainGame(bool selfRunning) {
    gSelfRunningDemo = selfRunning;
    std::memset(&monkeys, 0, sizeof(monkeys));
    std::memset(allBalls, 0, sizeof(allBalls));
    if (!MainGame_LoadGraphics() || !MainGame_LoadMonkeys()) {
        FreeGame();
        FreePanel();
        return false;
    }
    Player_ResetPlayer();
    gCurrentLevel = gCurrentlySelectedLevel;
    if (!MainGame_LoadLevel(gCurrentLevel)) {
        FreeGame();
        FreePanel();
        return false;
    }
    MainGame_StartLevel(true);

    int attractFrames = 0;
    while (RunFrame(attractFrames) && !KWindow::isQuit() && !gGameIsReallyOver) {
    }

    if (gSelfRunningDemo) {
        FreeGame();
        FreePanel();
        return true;
    }
    EndOfGame();
    return true;
}
