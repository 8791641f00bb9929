// The frame update: every moving part of the game in its fixed order, then the bat
// steering (pointer, arrow keys, pad, or the attract run's own target), the monkeys'
// animation and the screen interference effect.
#include "play/Bat.h"

#include <cmath>

#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bonus.h"
#include "play/Gun.h"
#include "play/MainGame.h"
#include "play/Player.h"
#include "play/Scene.h"
#include "shell/Pointer.h"
#include "shell/Startup.h"

float batPosition = 400.0f;
int16_t curBat = BAT_MEDIUM;
float batDisplayAdjustement[BAT_KINDS] = {3.0f, 0.0f, -5.0f, 0.0f};
float batWidth[BAT_KINDS];
float batHeight[BAT_KINDS];
int32_t adjustBatY[BAT_KINDS] = {2, 1, 0, 1};
float ropeIndex = 0.0f;
float singeAnim = 0.0f;
int32_t monkeyTick = 0;
float autoPlayPhase = 0.0f;

static const float kMaxPull = 400.0f;
static const float kBatLeftBound = 162.0f;
static const float kBatRightBound = 730.0f;
static const float kRopeLength = 88.0f;
static const float kWheelFrames = 25.0f;
static const float kWheelGear = 2.2f;
static const int kKeyNudge = 8;
static const int kMonkeyHold = 5;

static const float kAutoPhaseStep = 0.09f;
static const float kAutoPhaseTurn = 6.28f;
static const float kAutoWobble = 16.0f;
static const float kAutoBatLine = 465.0f;
static const float kAutoBelowLine = -5.0f;
static const float kAutoLaunchVx = 0.4f;
static const float kAutoLaunchVy = -1.0f;

static const short kFieldLeft = 170, kFieldRight = 786, kSceneHeight = 600;

static void CollideAllBalls() {
    for (short i = 0; i < MAX_BALLS - 1; i++)
        for (short j = i + 1; j < MAX_BALLS; j++)
            if (allBalls[j].active && allBalls[i].active)
                MainGame_BallCollideBall(i, j);
}

void MainGame_Calculate() {
    Level_ExplodeAllBricks();
    Player_UpdateStatus(false);
    if (gunShootX >= 0)
        MainGame_CalculateGun();
    MainGame_CalculateBullets();
    MainGame_AnimateLoops();
    MainGame_CalculateBalls();
    Bonus_AnimateBonus();
    Level_CalculateExplosions();
    CollideAllBalls();
    MainGame_SteerBat(MainGame_BatTarget());
}

// Right, then left: each nudge reads the pointer anew, so both held cancel out.
static void NudgePointer() {
    if (KInput::isPressed(KEY_RIGHT) || (isGamePad && KInput::joyRight(0)))
        KInput::mousePointerTo(KInput::getMouseX() + kKeyNudge, KInput::getMouseY());
    if (KInput::isPressed(KEY_LEFT) || (isGamePad && KInput::joyLeft(0)))
        KInput::mousePointerTo(KInput::getMouseX() - kKeyNudge, KInput::getMouseY());
}

int MainGame_BatTarget() {
    if (gSelfRunningDemo)
        return MainGame_AutoPlay();
    NudgePointer();
    return GetMouseX();
}

// The bat covers two fifths of the way to the target each frame and turns the rope and
// the wheel by as much; a frame that ends on a bound turns neither.
void MainGame_SteerBat(int target) {
    if (playerInfo.batFrozen) {
        playerInfo.batFrozenTimer -= 1;
        if (playerInfo.batFrozenTimer <= 0)
            playerInfo.batFrozen = false;
        target = static_cast<int>(batPosition);
    }
    float dx = static_cast<float>(target) - batPosition;
    if (dx == 0)
        return;
    if (dx < -kMaxPull)
        dx = -kMaxPull;
    if (dx > kMaxPull)
        dx = kMaxPull;
    const float step = dx / 5;
    const float move = 2 * step;
    const float adj = batDisplayAdjustement[curBat];
    batPosition += move;
    if (batPosition + adj < kBatLeftBound) {
        batPosition = kBatLeftBound - adj;
        return;
    }
    if (batPosition - adj > kBatRightBound) {
        batPosition = kBatRightBound + adj;
        return;
    }
    ropeIndex += move;
    if (ropeIndex < 0)
        ropeIndex += kRopeLength;
    else if (ropeIndex > kRopeLength - 1)
        ropeIndex -= kRopeLength;
    float w = step / kWheelGear;
    if (w < -1)
        w = -1;
    if (w > 1)
        w = 1;
    singeAnim += w;
    if (singeAnim < 0)
        singeAnim += kWheelFrames;
    else if (singeAnim > kWheelFrames - 1)
        singeAnim -= kWheelFrames;
}

// The attract run's player: launches any held ball and follows the ball nearest above
// the bat line, with a slow wobble.
int MainGame_AutoPlay() {
    autoPlayPhase += kAutoPhaseStep;
    if (autoPlayPhase >= kAutoPhaseTurn)
        autoPlayPhase = 0;
    float best = 99999.0f;
    int chosen = 0;
    for (int i = 0; i < MAX_BALLS; i++) {
        Ball &b = allBalls[i];
        if (b.type == BALL_HELD) {
            b.type = BALL_NORMAL;
            b.vx = kAutoLaunchVx;
            b.vy = kAutoLaunchVy;
            playerInfo.heavyBalls = false;
        }
        if (!b.active)
            continue;
        const float d = kAutoBatLine - b.y;
        if (d < best && d > kAutoBelowLine) {
            best = d;
            chosen = i;
        }
    }
    const Ball &b = allBalls[chosen];
    const double target = b.x + kAutoWobble * std::cos(static_cast<double>(autoPlayPhase)) - b.width / 2;
    if (!(std::fabs(target) < 1e6))
        return static_cast<int>(batPosition);
    return static_cast<int>(target);
}

void MainGame_AnimateLoops() {
    monkeyTick += 1;
    if (monkeyTick < kMonkeyHold)
        return;
    monkeyTick = 0;
    monkeys.frame += 1;
    if (monkeys.frame > monkeys.lastFrame) {
        monkeys.frame = 0;
        monkeys.lastFrame = monkeys.loopEnd[MONKEY_IDLE_LOOP];
    }
}

// The strips would shift the playfield down by their height; the copy itself draws
// nothing, only the timer and the flag change.
void MainGame_Interfer() {
    for (Ball &b : allBalls) {
        if (!b.active || !b.interfere)
            continue;
        const int t = b.interfereTimer;
        b.interfereTimer = t - 1;
        if (t - 1 <= 2)
            b.interfere = false;
        if (t > 0 && surf_island)
            for (int y = 0; y < kSceneHeight - 2 * t; y += 2 * t)
                surf_island->blitFromBackToBack(kFieldLeft, y, kFieldRight, y + t, kFieldLeft, y + t);
        return;
    }
}
