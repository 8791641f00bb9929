// Balls against bricks: at most one brick per ball per frame (the lowest index that
// overlaps), the bounce by the ball's centre, damage, breaking a brick, and the rescue
// that pulls a stuck ball down after a long time without a bat hit or a break.
#include "level/Level.h"

#include <cmath>

#include "engine/KRandom.h"
#include "play/Balls.h"
#include "play/Bonus.h"
#include "audio/Sound.h"
#include "play/Player.h"

int32_t inactivityTimer = 0;

static const int32_t kInactivityLimit = 1800;
static const int kRescueBase = 200;
static const int kRescueSpread = 200;
static const int kFruitChance = 10;
static const int kFruitLastHit = 7;       // rand() mod 10 of 0..7: a fruit
static const int kBreakScore = 5;

static void RescueStuckBalls() {
    inactivityTimer += 1;
    if (inactivityTimer <= kInactivityLimit)
        return;
    inactivityTimer = 0;
    playerInfo.heavyBalls = true;
    playerInfo.heavyBallsTimer = kRescueBase + KRandom::rand() % kRescueSpread;
}

// The overlapping standing brick with the lowest index, edges counting, or -1.
static long FindBrickHit(const Ball &ball) {
    long hit = -1;
    for (long i = MAX_BRICKS - 1; i >= 0; i--) {
        const Brick &b = WallOfBricks[i];
        if (!b.visible)
            continue;
        if (ball.x + ball.width >= b.left && ball.x <= b.right && ball.y + ball.height >= b.top &&
            ball.y <= b.bottom)
            hit = i;
    }
    return hit;
}

void Level_CalculateBallCollisionsOnbricks() {
    RescueStuckBalls();
    for (short slot = 0; slot < MAX_BALLS; slot++) {
        if (!allBalls[slot].active)
            continue;
        const long brick = FindBrickHit(allBalls[slot]);
        if (brick >= 0)
            Level_BrickCollided_ChangeBallDirection(slot, brick);
    }
}

void Level_BrickCollided_ChangeBallDirection(long ballIndex, long brickIndex) {
    Ball &ball = allBalls[ballIndex];
    Brick &b = WallOfBricks[brickIndex];
    const float cx = ball.x + ball.centreX;
    const float cy = ball.y + ball.centreY;

    if (b.top < cy && cy < b.bottom) {
        if (cx <= b.left) {
            ball.x = b.left - ball.width;
            ball.vx = -std::fabs(ball.vx);
        } else {
            ball.x = b.right;
            ball.vx = std::fabs(ball.vx);
        }
    } else if (cy <= b.top) {
        ball.y = b.top - ball.height;
        ball.vy = -std::fabs(ball.vy);
    } else {
        ball.y = b.bottom;
        ball.vy = std::fabs(ball.vy);
    }

    if (b.strength < STRENGTH_UNBREAKABLE) {
        b.hits += 1;
        if (ball.type == BALL_EVIL)
            b.hits += 1;
    }
    if (b.strength > 0)
        Sound_PlayBallOnBall();
    if (b.strength < STRENGTH_UNBREAKABLE && b.hits >= b.strength)
        Level_BreakBrick(brickIndex);
}

void Level_BreakBrick(long brickIndex) {
    Brick &b = WallOfBricks[brickIndex];
    inactivityTimer = 0;
    if (KRandom::rand() % kFruitChance <= kFruitLastHit)
        Bonus_SpawnFruit(brickIndex);
    b.visible = 0;
    b.explodeTick = 1;
    b.explodeSrcX = 0;
    b.explodeSrcY = 0;
    playerInfo.score += kBreakScore;
    Sound_PlayCasseBox();
    if (b.bonus != BONUS_NONE)
        Bonus_SetActiveBonus(brickIndex, b.bonus);
}
