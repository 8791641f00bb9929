// The main menu: Play, Options and Quit, the level chooser limited to the highest level
// reached, Space for the table, and the idle timer that alternates the self-playing game
// and the high-score table.
#include "frontend/Menu.h"

#include <cstdio>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "frontend/HighScores.h"
#include "frontend/HighScreen.h"
#include "frontend/Options.h"
#include "level/Level.h"
#include "play/MainGame.h"
#include "play/Player.h"
#include "shell/Pointer.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

static const char *const MENU_MUSIC = "data\\audio\\monkey2.ogg";
static const char *const ALLOW_LEVEL_FILE = "al.raw";
static const short SCREEN_W = 800, SCREEN_H = 600;
static const long LEVEL_NUMBER_RIGHT = 424, LEVEL_NUMBER_TOP = 313;

int32_t gCurrentlySelectedLevel = 1;
bool showScoresNext = false;

KGraphic *surf_menu = nullptr;
KGraphic *surf_PlayRoll = nullptr;
KGraphic *surf_OptionsRoll = nullptr;
KGraphic *surf_QuitRoll = nullptr;
KGraphic *surf_left = nullptr;
KGraphic *surf_right = nullptr;

struct MenuPicture {
    KGraphic **surf;
    const char *file;
    bool fromLanguage;   // menu\ pictures carry text
    bool rollOver;
    short drawX, drawY, left, top, right, bottom;
};

static const MenuPicture kMenuPictures[] = {
    {&surf_menu, "menu\\menuplayoff.bmp", true, false, 0, 0, 0, 0, 0, 0},
    {&surf_PlayRoll, "menu\\playon.bmp", true, true, 343, 196, 350, 207, 447, 243},
    {&surf_OptionsRoll, "menu\\optionson.bmp", true, true, 332, 378, 350, 382, 467, 423},
    {&surf_QuitRoll, "menu\\quiton.bmp", true, true, 332, 459, 350, 468, 477, 513},
    {&surf_left, "data\\sprites\\lefton.bmp", false, true, 348, 306, 348, 306, 388, 336},
    {&surf_right, "data\\sprites\\righton.bmp", false, true, 427, 306, 427, 306, 457, 336},
};

// A missing or short file counts as level 1, and so does a damaged one below 1.
int32_t Menu_ReadAllowLevel() {
    int32_t level = 1;
    FILE *f = std::fopen(Vuz_MakeFilePath(ALLOW_LEVEL_FILE), "rb");
    if (!f)
        return level;
    unsigned char b[4];
    if (std::fread(b, 1, sizeof(b), f) == sizeof(b))
        level = static_cast<int32_t>(static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 |
                                     static_cast<uint32_t>(b[2]) << 8 | b[3]);
    std::fclose(f);
    return level < 1 ? 1 : level;
}

bool Menu_LoadGraphics() {
    for (const MenuPicture &p : kMenuPictures) {
        *p.surf = p.fromLanguage ? LoadPictureFromFileLanguage(p.file)
                                 : CreateSurfaceFromFile(Vuz_MakeFilePath(p.file));
        if (!*p.surf)
            return false;
        if (p.rollOver)
            SetHotSpotSurface(*p.surf, p.drawX, p.drawY, p.left, p.top, p.right, p.bottom);
    }
    gAllowLevel = Menu_ReadAllowLevel();
    gCurrentlySelectedLevel = gAllowLevel;
    gMaxLevel = static_cast<int32_t>(Vuz_GetIniValue("levelcount"));
    if (gMaxLevel < 1)
        gMaxLevel = 1;   // no count in the INI file: the chooser still shows a level
    HideTheCursor();
    return true;
}

void Menu_FreeGraphics() {
    for (const MenuPicture &p : kMenuPictures) {
        delete *p.surf;
        *p.surf = nullptr;
    }
}

// Events are pumped while waiting so a release or a quit request is seen at once.
void SleepBtn(long n) {
    for (long i = 0; i < n; i++) {
        if (!GetLeftMouseButton())
            return;
        const uint32_t start = KMiscTools::getTheTicks();
        while (KMiscTools::getTheTicks() == start)
            KWindow::processEvents();
    }
}

// A button whose picture failed to reload is simply not there.
static int RollOver(KGraphic *button) { return button ? IsMouseInRollOver(button) : 2; }

static void FreeSpriteCollection() {
    delete surf_SpriteCollection;
    surf_SpriteCollection = nullptr;
}

static void DrawMenu(short x, short y) {
    if (surf_menu)
        BlitSurface(surf_menu, 0, 0, static_cast<short>(surf_menu->pictureWidth),
                    static_cast<short>(surf_menu->pictureHeight), x, y);
}

static void ClampChosenLevel() {
    if (gCurrentlySelectedLevel <= 1)
        gCurrentlySelectedLevel = 1;
    if (gCurrentlySelectedLevel >= gMaxLevel)
        gCurrentlySelectedLevel = gMaxLevel;
    if (gCurrentlySelectedLevel >= gAllowLevel)
        gCurrentlySelectedLevel = gAllowLevel;
}

// The idle timeout: the self-playing game and the table take turns. False when the
// game cannot start.
static bool RunAttract() {
    Menu_FreeGraphics();
    if (showScoresNext) {
        LaunchHighscores(-1);
        showScoresNext = false;
    } else {
        showScoresNext = true;
        if (!Go_MainGame(true))
            return false;
        PlayMusic(Vuz_MakeFilePath(MENU_MUSIC));
    }
    Menu_LoadGraphics();
    return true;
}

static bool PlayGame() {
    Menu_FreeGraphics();
    if (!Go_MainGame(false))
        return false;
    Menu_LoadGraphics();
    PlayMusic(Vuz_MakeFilePath(MENU_MUSIC));
    gCurrentlySelectedLevel = 1;
    WaitForMouseButton();
    return true;
}

static void StepLevel(int delta, long &repeatDelay) {
    gCurrentlySelectedLevel += delta;
    SleepBtn(repeatDelay);
    repeatDelay -= MENU_REPEAT_STEP;
    if (repeatDelay < MENU_REPEAT_MIN)
        repeatDelay = MENU_REPEAT_MIN;
}

static bool RunMenu() {
    const short menuX = static_cast<short>((SCREEN_W - surf_menu->pictureWidth) * 0.5f);
    const short menuY = static_cast<short>((SCREEN_H - surf_menu->pictureHeight) * 0.5f);
    gCurrentlySelectedLevel = 1;
    uint32_t idleStart = KMiscTools::getTheTicks();
    long repeatDelay = MENU_FIRST_REPEAT;
    int lastX = GetMouseX(), lastY = GetMouseY();
    bool quit = false;
    while (!KWindow::isQuit() && !quit) {
        HotPointer(POINTER_MENU);
        KGraphic::setDefaultWorldView();
        const bool click = GetLeftMouseButton();
        if (KInput::isPressed(KEY_SPACE))
            LaunchHighscores(-1);
        const int x = GetMouseX(), y = GetMouseY();
        if (x != lastX || y != lastY || click)
            idleStart = KMiscTools::getTheTicks();
        lastX = x;
        lastY = y;
        DrawMenu(menuX, menuY);
        if (KMiscTools::getTheTicks() - idleStart > MENU_IDLE_TICKS) {
            if (!RunAttract())
                return false;
            idleStart = KMiscTools::getTheTicks();
            continue;
        }
        if (RollOver(surf_PlayRoll) == 1 && click) {
            if (!PlayGame())
                return false;
            idleStart = KMiscTools::getTheTicks();
            continue;
        }
        if (RollOver(surf_OptionsRoll) == 1 && click) {
            Menu_FreeGraphics();
            GoOptions();
            Menu_LoadGraphics();
            WaitForMouseButton();
            DrawMenu(menuX, menuY);
        }
        if (RollOver(surf_QuitRoll) == 1 && click)
            quit = true;
        if (RollOver(surf_left) != 2 && click)
            StepLevel(-1, repeatDelay);
        if (RollOver(surf_right) != 2 && click)
            StepLevel(+1, repeatDelay);
        if (!click)
            repeatDelay = MENU_REPEAT;
        ClampChosenLevel();
        NB_DisplayNumber(gCurrentlySelectedLevel, LEVEL_NUMBER_RIGHT, LEVEL_NUMBER_TOP);
        ShowPointer();
        Flip_Screen();
    }
    return true;
}

bool Launch_GameMenu() {
    InitScores();
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    HideTheCursor();
    ClearBackBuffer();
    surf_SpriteCollection = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\bigplanche.bmp"));
    if (!surf_SpriteCollection)
        return false;
    if (!Menu_LoadGraphics()) {
        Menu_FreeGraphics();
        FreeSpriteCollection();
        return false;
    }
    PlayMusic(Vuz_MakeFilePath(MENU_MUSIC));
    LoadDefaultVolumes();
    const bool ok = RunMenu();
    Menu_FreeGraphics();
    FreeSpriteCollection();
    return ok;
}
