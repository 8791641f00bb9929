// The balls: the ten slots, new and extra balls, the per-frame ball step (held ball,
// walls, top, loss, bat, gravity periods, minimum speed, animation), ball against
// ball, and drawing.
#include "play/Balls.h"

#include <cmath>

#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KRandom.h"
#include "level/Level.h"
#include "play/Bat.h"
#include "audio/Sound.h"
#include "play/Gun.h"
#include "play/Player.h"
#include "play/Scene.h"
#include "shell/Pointer.h"

Ball allBalls[MAX_BALLS];

// The playfield and the bat band.
static const float kWallLeft = 170.0f;
static const float kWallRight = 786.0f;
static const float kLossY = 600.0f;
static const float kBatBandTop = 473.0f;
static const float kBatBandBottom = 481.0f;
static const float kBatSurfaceY = 472.0f;

static const float kNewBallSpeed = 1.5f;
static const float kHeldBallY = 425.0f;
static const float kHeldBounce = -1.4f;
static const float kHeldOffsetX = 20.0f;
static const float kLaunchSpeed = 2.0f;
static const int32_t kHeldHeavyTimer = 99999;
static const float kHeavyPull = 8.0f;
static const float kLightPush = 10.0f;
static const int32_t kAfterLightHeavyTimer = 50;
static const float kMinSpeed = 1.0f;
static const float kHeavyEndMinSpeed = 0.8f;
static const int kAnimHold = 4;
static const int kInterfereFrames = 16;

// Ball-ball contact.
static const float kTouchDistance2 = 270.0f;
static const float kOverlapDistance2 = 80.0f;
static const float kOverlapLift = 20.0f;
static const float kSlowVerticalSpeed = 0.9f;

static bool BallIsOnBatBand(const Ball &b) {
    const float bottom = b.y + b.height;
    return bottom >= kBatBandTop && bottom <= kBatBandBottom;
}

static void SetBallLook(Ball &b, EballType type) {
    const bool evil = type == BALL_EVIL;
    b.picture = evil ? surf_EvilBall : surf_Balle;
    b.width = evil ? 27 : 20;
    b.height = evil ? 26 : 20;
    b.centreX = evil ? 13 : 10;
    b.centreY = evil ? 13 : 10;
}

// Somewhere on the bat, as far as the bat is wider than a ball.
static float HeldBallX() {
    const int span = static_cast<int>(batWidth[curBat]) - 20;
    return batPosition + (span > 0 ? KRandom::rand() % span : 0);
}

void InitBall(short index, float x, float y, float vx, float vy, EballType type) {
    if (index < 0 || index >= MAX_BALLS)
        return;
    Ball &b = allBalls[index];
    b.x = x;
    b.y = y;
    b.vx = vx;
    b.vy = vy;
    b.active = true;
    b.animTick = 0;
    b.srcX = 0;
    b.srcY = 0;
    b.speed = kNewBallSpeed;
    b.type = type;
    SetBallLook(b, type);
    if (type == BALL_HELD) {
        b.x = HeldBallX();
        b.y = kHeldBallY;
        b.vx = 0;
        b.vy = 0;
        playerInfo.heavyBalls = true;
        playerInfo.heavyBallsTimer = kHeldHeavyTimer;
    }
    b.sheetWidth = b.picture ? static_cast<int16_t>(b.picture->pictureWidth) : 0;
    b.sheetHeight = b.picture ? static_cast<int16_t>(b.picture->pictureHeight) : 0;
}

void Level_AddBall(EballType type, short x, short y) {
    for (short i = 0; i < MAX_BALLS; i++) {
        if (allBalls[i].active)
            continue;
        Sound_playMonkey();
        const float vx = static_cast<float>(KRandom::rand() % 200 - 100) / 100;
        const float vy = 1 + static_cast<float>(KRandom::rand() % 100) / 100;
        InitBall(i, x, y, vx, vy, type);
        return;
    }
}

void KillBalls() {
    for (short i = 0; i < MAX_BALLS; i++) {
        InitBall(i, 0, 0, 0, 0, BALL_NORMAL);
        allBalls[i].active = false;
    }
}

void InitTheBalls() {
    KillBalls();
    InitBall(0, 0, 0, 0, 0, BALL_HELD);
}

// The ball resting on the monkeys' heads until a click or Space drops it on the bat.
static void MoveHeldBall(Ball &b, bool buttonDown) {
    b.vy += kHeavyPull * gGravity;
    b.y += b.vy;
    if (BallIsOnBatBand(b)) {
        b.vy = kHeldBounce;
        Sound_PlayBallOnBatSimple();
    }
    if (buttonDown || KInput::isPressed(KEY_SPACE)) {
        b.vx = static_cast<float>(KRandom::rand() % 3 - 1);
        if (b.vx == 0)
            b.vx = 0.2f;
        b.vy = kLaunchSpeed;
        b.type = BALL_NORMAL;
        playerInfo.heavyBalls = false;
        playerInfo.heavyBallsTimer = 0;
    }
    b.x = batPosition + kHeldOffsetX;
}

static void BounceOffSideWalls(Ball &b) {
    b.x += b.vx;
    if (b.x < kWallLeft || b.x >= kWallRight - b.width) {
        Sound_PlayWall();
        b.vx = -b.vx;
        b.x += b.vx;
        if (b.x >= kWallRight - b.width)
            b.x = kWallRight - 1 - b.width;
    }
}

static bool BallIsOverBat(const Ball &b) {
    const float adj = batDisplayAdjustement[curBat];
    return b.x > batPosition - b.centreX + adj && b.x - b.centreX < batPosition + adj + batWidth[curBat];
}

static void StartMonkeyReaction(float offset) {
    int loop = 1;
    if (offset < -10)
        loop = 0;
    else if (offset > 10)
        loop = 2;
    monkeys.frame = monkeys.loopStart[loop];
    monkeys.lastFrame = monkeys.loopEnd[loop];
}

static void HitBat(Ball &b) {
    b.vy = -b.speed;
    inactivityTimer = 0;
    gWinLose = true;
    b.speed += gSpeedIncrementAfterEachBat;
    if (b.speed > gMaxBallSpeed)
        b.speed = gMaxBallSpeed;
    b.y = kBatSurfaceY - b.height;
    // Where on the bat it met, about -50 at the left end to +50 at the right end.
    const float width = batWidth[curBat];
    const float offset = width > 0 ? 100 * ((b.x - batPosition) + (b.width / 2)) / width - 50 : 0;
    StartMonkeyReaction(offset);
    b.vx = offset / 15;
    if (b.vx == 0)
        b.vx = 0.05f;
    gunShootX = -1;
    gunShootY = 0;
    gunShootFrame = 0;
    if (b.type == BALL_EVIL)
        Sound_PlayEvillBallOnBat();
    else
        Sound_PlayBallOnBat();
}

static void ApplyHeavyPeriod(Ball &b) {
    playerInfo.heavyBallsTimer -= 1;
    b.vy += kHeavyPull * gGravity;
    if (playerInfo.heavyBallsTimer <= 0) {
        playerInfo.heavyBalls = false;
        if (std::fabs(b.vy) < kHeavyEndMinSpeed)
            b.vy = b.vy < 0 ? -1.0f : 1.0f;
    }
    if (b.vy > gMaxBallSpeed)
        b.vy = gMaxBallSpeed;
}

static void ApplyLightPeriod(Ball &b) {
    b.vy -= kLightPush * gGravity;
    if (b.vy > gMaxBallSpeed)
        b.vy = gMaxBallSpeed;
    playerInfo.lightBallsTimer -= 1;
    if (playerInfo.lightBallsTimer <= 0) {
        playerInfo.lightBalls = false;
        playerInfo.heavyBalls = true;
        playerInfo.heavyBallsTimer = kAfterLightHeavyTimer;
    }
}

static float AtLeastMinSpeed(float v) {
    if (std::fabs(v) > kMinSpeed)
        return v;
    return v <= 0 ? -kMinSpeed : kMinSpeed;
}

static void AnimateBall(Ball &b) {
    b.animTick += 1;
    if (b.animTick <= kAnimHold)
        return;
    b.animTick = 0;
    b.srcX += b.width;
    if (b.srcX >= b.sheetWidth) {
        b.srcX = 0;
        b.srcY += b.height;
        if (b.srcY >= b.sheetHeight)
            b.srcY = 0;
    }
}

static void MoveBall(Ball &b, bool buttonDown) {
    if (b.type == BALL_HELD)
        MoveHeldBall(b, buttonDown);
    if (!b.active || b.type == BALL_HELD)
        return;
    BounceOffSideWalls(b);
    b.y += b.vy;
    if (b.y < 0) {
        Sound_PlayWall();
        b.vy = -b.vy;
        b.y = b.vy;
        return;
    }
    if (b.y > kLossY) {
        b.active = false;
        gWinLose = false;
        return;
    }
    if (BallIsOnBatBand(b) && BallIsOverBat(b))
        HitBat(b);
    if (playerInfo.heavyBalls)
        ApplyHeavyPeriod(b);
    if (playerInfo.lightBalls)
        ApplyLightPeriod(b);
    if (!playerInfo.heavyBalls && !playerInfo.lightBalls) {
        b.vy = AtLeastMinSpeed(b.vy);
        b.vx = AtLeastMinSpeed(b.vx);
    }
    AnimateBall(b);
}

void MainGame_CalculateBalls() {
    const bool buttonDown = GetLeftMouseButton();
    MainGame_CalculateAimant();
    for (Ball &b : allBalls)
        MoveBall(b, buttonDown);
}

void MainGame_BallCollideBall(short a, short b) {
    Ball &A = allBalls[a];
    Ball &B = allBalls[b];
    const float dx = (B.x + B.centreX) - (A.x + A.centreX);
    const float dy = (B.y + B.centreY) - (A.y + A.centreY);
    const float d2 = dx * dx + dy * dy;
    if (d2 > kTouchDistance2)
        return;
    if (d2 < kOverlapDistance2)
        B.y -= kOverlapLift;
    const float rx = B.vx - A.vx;
    const float ry = B.vy - A.vy;
    A.vx += A.vx / 10;
    A.vy += A.vy / 10;
    // Balls with the very same centre have no direction to push along: they keep their
    // speeds and the lift above separates them.
    if (d2 > 0) {
        const float d = std::sqrt(d2);
        const float nx = dx / d, ny = dy / d;
        const float p = rx * nx + ry * ny;
        B.vx -= p * nx;
        B.vy -= p * ny;
        A.vx += p * nx;
        A.vy += p * ny;
    }
    if (A.vy >= -kSlowVerticalSpeed && A.vy <= kSlowVerticalSpeed)
        A.vy *= 2;
    if (A.type == BALL_EVIL || B.type == BALL_EVIL) {
        A.interfere = true;
        A.interfereTimer = kInterfereFrames;
    }
    Sound_PlayBallOnBall();
}

void MainGame_BlitBalls() {
    for (const Ball &b : allBalls) {
        if (!b.active || !b.picture)
            continue;
        BlitTransparentSurface(b.picture, b.srcX, b.srcY, b.srcX + b.width, b.srcY + b.height,
                               Level_ScreenCoord(b.x), Level_ScreenCoord(b.y));
    }
}
