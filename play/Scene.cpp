// The game scene drawn back to front every frame, the pictures that live for one game
// (wheel, monkeys, bats, balls, explosion, gun, panel monkeys, panel doors), the rope,
// wheel, monkeys and bat, the side-panel monkey and the sliding panel doors.
#include "play/Scene.h"

#include "engine/KGraphic.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bonus.h"
#include "play/Gun.h"
#include "play/MainGame.h"
#include "play/Player.h"
#include "shell/Pointer.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

MonkeyRig monkeys;
bool gWinLose = true;
KGraphic *surf_singeWheel = nullptr;
KGraphic *surf_Balle = nullptr;
KGraphic *surf_EvilBall = nullptr;
KGraphic *surf_LeftPanel = nullptr;
KGraphic *surf_MonkeyWin = nullptr;
KGraphic *surf_MonkeyLose = nullptr;
KGraphic *surf_MonkeyGun = nullptr;
int32_t winLoseTick = 0, winLoseColumn = 0, winLoseRow = 0;

static const int32_t kLoopStart[MONKEY_LOOPS] = {45, 55, 36, 0};
static const int32_t kLoopEnd[MONKEY_LOOPS] = {54, 64, 44, 35};
static const int32_t kFirstLastFrame = 34;

// Counters on the left panel, right-aligned.
static const long kCounterRight = 126;
static const long kScoreY = 213, kTimeBonusY = 389, kLevelY = 480, kLivesY = 300;

// Rope: one 87 x 8 piece of the sprite collection, ten times per strand.
static const int kRopeSrcLeft = 156, kRopeSrcTop = 175, kRopeSrcRight = 243, kRopeSrcBottom = 183;
static const int kRopePiece = 87;
static const int kRopeLeftEnd = 80;
static const int kRopeUpperY = 537, kRopeLowerY = 563;
static const int kRopeLowerStart = 880;
static const int kSceneWidth = 800;
static const int kSceneHeight = 600;

// Wheel, monkeys and bat.
static const int kWheelColumns = 5, kWheelCellW = 100, kWheelCellH = 80, kWheelDrawH = 75;
static const int kWheelX = 0, kWheelY = 525;
static const int kMonkeyColumns = 13, kMonkeyCellW = 71, kMonkeyCellH = 80, kMonkeyY = 465;
static const int kBatColumns = 5, kBatRows = 13, kBatY = 463;
static const int kGunColumns = 7, kGunRows = 4;

// Side-panel monkey: 6 x 9 cells, each held 3 frames.
static const int kWinLoseHold = 3, kWinLoseColumns = 6, kWinLoseRows = 9;
static const int kWinW = 77, kWinH = 75, kWinX = 54, kWinY = 98;
static const int kLoseW = 78, kLoseH = 69, kLoseX = 51, kLoseY = 104;

static const int kDoorsMeet = 300;

static KGraphic *LoadSprite(const char *relative) { return CreateSurfaceFromFile(Vuz_MakeFilePath(relative)); }

static void BlitPart(KGraphic *picture, int left, int top, int right, int bottom, int x, int y) {
    if (picture)
        BlitTransparentSurface(picture, left, top, right, bottom, x, y);
}

void MainGame_BlitGame() {
    if (surf_island)
        BlitSurface(surf_island, 0, 0, static_cast<short>(surf_island->pictureWidth),
                    static_cast<short>(surf_island->pictureHeight), 0, 0);
    MainGame_DisplayBullet();
    MainGame_BlitWheelSinge();
    MainGame_DisplayMonkeyWinLose(gWinLose);
    MainGame_BlitBalls();
    Level_DrawBrickWall();
    Bonus_DisplayBonus();
    Level_BlitExplosions();
    MainGame_BlitAimant();
    MainGame_Interfer();
    NB_DisplayNumber(playerInfo.score, kCounterRight, kScoreY);
    NB_DisplayNumber(playerInfo.timeBonus, kCounterRight, kTimeBonusY);
    NB_DisplayNumber(gCurrentLevel, kCounterRight, kLevelY);
    NB_DisplayNumber(playerInfo.lives, kCounterRight, kLivesY);
}

// One strand piece; left of x 80 it is cut so that its right end stays in place.
static void BlitRopePiece(int x, int y) {
    int srcLeft = kRopeSrcLeft;
    if (x < kRopeLeftEnd) {
        srcLeft = kRopeSrcLeft + kRopeLeftEnd - x;
        x = kRopeLeftEnd;
    }
    if (srcLeft >= kRopeSrcRight)
        return;   // wholly left of the wheel: nothing of it shows
    BlitPart(surf_SpriteCollection, srcLeft, kRopeSrcTop, kRopeSrcRight, kRopeSrcBottom, x, y);
}

void BlitMacRope(long offset) {
    for (int k = 0; k < kSceneWidth; k += kRopePiece) {
        BlitRopePiece(static_cast<int>(k + offset), kRopeUpperY);
        BlitRopePiece(static_cast<int>(kRopeLowerStart - k - offset), kRopeLowerY);
    }
}

static void BlitMonkeysAndBat() {
    const int f = monkeys.frame;
    BlitPart(monkeys.monkeySheet, (f % kMonkeyColumns) * kMonkeyCellW, (f / kMonkeyColumns) * kMonkeyCellH,
             (f % kMonkeyColumns) * kMonkeyCellW + kMonkeyCellW, (f / kMonkeyColumns) * kMonkeyCellH + kMonkeyCellH,
             Level_ScreenCoord(batPosition), kMonkeyY);
    const int b = curBat;
    const float w = batWidth[b], h = batHeight[b];
    const int left = static_cast<int>((f % kBatColumns) * w);
    const int top = static_cast<int>((f / kBatColumns) * h);
    BlitPart(monkeys.batSheets[b], left, top, static_cast<int>(left + w), static_cast<int>(top + h),
             Level_ScreenCoord(batPosition + batDisplayAdjustement[b]), kBatY + adjustBatY[b]);
}

void MainGame_BlitWheelSinge() {
    const int s = static_cast<int>(singeAnim);
    BlitMacRope(static_cast<long>(ropeIndex));
    const int col = s % kWheelColumns, row = s / kWheelColumns;
    BlitPart(surf_singeWheel, col * kWheelCellW, row * kWheelCellH, col * kWheelCellW + kWheelCellW,
             row * kWheelCellH + kWheelDrawH, kWheelX, kWheelY);
    if (surf_Herbe)
        BlitPart(surf_Herbe, 0, 0, static_cast<int>(surf_Herbe->pictureWidth),
                 static_cast<int>(surf_Herbe->pictureHeight), 0,
                 kSceneHeight - static_cast<int>(surf_Herbe->pictureHeight));
    if (gunShootX >= 0) {
        MainGame_DisplayGun();
        return;
    }
    BlitMonkeysAndBat();
}

void MainGame_DisplayMonkeyWinLose(bool win) {
    winLoseTick += 1;
    if (winLoseTick >= kWinLoseHold) {
        winLoseTick = 0;
        winLoseColumn += 1;
        if (winLoseColumn >= kWinLoseColumns) {
            winLoseColumn = 0;
            winLoseRow += 1;
            if (winLoseRow >= kWinLoseRows)
                winLoseRow = 0;
        }
    }
    if (win)
        BlitPart(surf_MonkeyWin, winLoseColumn * kWinW, winLoseRow * kWinH, winLoseColumn * kWinW + kWinW,
                 winLoseRow * kWinH + kWinH, kWinX, kWinY);
    else
        BlitPart(surf_MonkeyLose, winLoseColumn * kLoseW, winLoseRow * kLoseH, winLoseColumn * kLoseW + kLoseW,
                 winLoseRow * kLoseH + kLoseH, kLoseX, kLoseY);
}

void MainGame_DisplayPanels(long offset) {
    if (!surf_LeftPanel)
        return;
    const int w = static_cast<int>(surf_LeftPanel->pictureWidth);
    const int h = static_cast<int>(surf_LeftPanel->pictureHeight);
    const int half = static_cast<int>(h * 0.5f);
    BlitTransparentSurface(surf_LeftPanel, 0, 0, w, half, 0, offset);
    BlitTransparentSurface(surf_LeftPanel, 0, half, w, h, 0, kDoorsMeet - offset);
}

bool MainGame_LoadGraphics() {
    if (!(surf_singeWheel = LoadSprite("data\\sprites\\singeA.bmp")))
        return false;
    if (!(surf_Balle = LoadSprite("data\\sprites\\balle.bmp")))
        return false;
    if (!(surf_EvilBall = LoadSprite("data\\sprites\\evilball.bmp")))
        return false;
    if (!(surf_Explosion = LoadSprite("data\\sprites\\explosion.bmp")))
        return false;
    if (!Bonus_LoadBonus())
        return false;
    if (!(surf_LeftPanel = LoadSprite("data\\levels\\islands\\bpanel.bmp")))
        return false;
    return true;
}

static const char *const kBatFiles[BAT_KINDS] = {
    "data\\sprites\\batteS.bmp",
    "data\\sprites\\batteM.bmp",
    "data\\sprites\\batteL.bmp",
    "data\\sprites\\gunbat.bmp",
};

bool MainGame_LoadMonkeys() {
    if (!(surf_MonkeyWin = LoadSprite("data\\sprites\\win.bmp")))
        return false;
    if (!(surf_MonkeyLose = LoadSprite("data\\sprites\\lose.bmp")))
        return false;
    if (!(monkeys.monkeySheet = LoadSprite("data\\sprites\\batteur.bmp")))
        return false;
    for (int b = 0; b < BAT_KINDS; b++)
        if (!(monkeys.batSheets[b] = LoadSprite(kBatFiles[b])))
            return false;
    for (int i = 0; i < MONKEY_LOOPS; i++) {
        monkeys.loopStart[i] = kLoopStart[i];
        monkeys.loopEnd[i] = kLoopEnd[i];
    }
    monkeys.frame = 0;
    monkeys.lastFrame = kFirstLastFrame;
    for (int b = 0; b < BAT_KINDS; b++) {
        batWidth[b] = monkeys.batSheets[b]->pictureWidth / kBatColumns;
        batHeight[b] = monkeys.batSheets[b]->pictureHeight / kBatRows;
    }
    if (!(surf_MonkeyGun = LoadSprite("data\\sprites\\gunshoot.bmp")))
        return false;
    gunShootWidth = static_cast<int32_t>(surf_MonkeyGun->pictureWidth / kGunColumns);
    gunShootMaxX = gunShootWidth * kGunColumns;
    gunShootHeight = static_cast<int32_t>(surf_MonkeyGun->pictureHeight * 0.25f);
    gunShootMaxY = gunShootHeight * kGunRows;
    gunShootX = -1;
    gunShootY = 0;
    return true;
}

static void FreePicture(KGraphic *&picture) {
    delete picture;
    picture = nullptr;
}

void MainGame_FreeGraphics() {
    FreePicture(surf_MonkeyWin);
    FreePicture(surf_MonkeyLose);
    FreePicture(surf_singeWheel);
    FreePicture(surf_Explosion);
    Bonus_FreeBonus();
    for (KGraphic *&sheet : monkeys.batSheets)
        FreePicture(sheet);
    FreePicture(monkeys.monkeySheet);
    FreePicture(surf_Balle);
    FreePicture(surf_EvilBall);
    FreePicture(surf_MonkeyGun);
}
