// Explosions of broken bricks, the explode-all bonus that breaks the weak bricks one by
// one, and the wall step: the marching wall, each brick's fruit, its explosion frames
// and the bullets that hit it.
#include "level/Level.h"

#include "engine/KGraphic.h"
#include "play/Bonus.h"
#include "play/Gun.h"
#include "play/Player.h"
#include "shell/Pointer.h"

KGraphic *surf_Explosion = nullptr;
int32_t explodeDivider = 0;

static const int kExplodeAllPeriod = 7;
static const int kExplosionHold = 6;       // each explosion frame shows for 5 frames
static const int kExplosionColumns = 2;
static const int kExplosionRows = 3;
static const int kExplosionOffsetX = 8;    // drawn a little up and left of the centre
static const int kExplosionOffsetY = 4;

static int ExplosionFrameWidth() {
    return surf_Explosion ? static_cast<int>(surf_Explosion->pictureWidth * (1.0f / kExplosionColumns)) : 0;
}

static int ExplosionFrameHeight() {
    return surf_Explosion ? static_cast<int>(surf_Explosion->pictureHeight / kExplosionRows) : 0;
}

void Level_ExplodeAllBricks() {
    if (!playerInfo.explodeAll)
        return;
    explodeDivider += 1;
    if (explodeDivider < kExplodeAllPeriod)
        return;
    explodeDivider = 0;
    for (long i = 0; i < MAX_BRICKS; i++) {
        const Brick &b = WallOfBricks[i];
        if (b.visible && b.strength <= STRENGTH_EXPLODE_ALL) {
            Level_BreakBrick(i);
            return;
        }
    }
}

void Level_MoveBrick(long brick, long step) {
    WallOfBricks[brick].top += step;
    WallOfBricks[brick].bottom += step;
}

// One frame of the marching wall: 1 pixel while the bonus runs, 0 in its last frame.
static long WallDescentStep() {
    if (!playerInfo.spaceInvaders)
        return 0;
    playerInfo.spaceInvadersTimer -= 1;
    if (playerInfo.spaceInvadersTimer <= 0) {
        playerInfo.spaceInvaders = false;
        return 0;
    }
    return 1;
}

// Six frames, row by row, each held 5 frames; without a picture the explosion still
// ends after its 30 frames.
static void StepExplosion(Brick &b, int frameWidth, int frameHeight) {
    b.explodeTick += 1;
    if (b.explodeTick < kExplosionHold)
        return;
    b.explodeTick = 1;
    const float width = surf_Explosion ? surf_Explosion->pictureWidth : kExplosionColumns;
    const float height = surf_Explosion ? surf_Explosion->pictureHeight : kExplosionRows;
    b.explodeSrcX += frameWidth > 0 ? frameWidth : 1;
    if (b.explodeSrcX < width)
        return;
    b.explodeSrcX = 0;
    b.explodeSrcY += frameHeight > 0 ? frameHeight : 1;
    if (b.explodeSrcY >= height)
        b.explodeTick = 0;
}

void Level_CalculateExplosions() {
    const long step = WallDescentStep();
    const int fw = ExplosionFrameWidth();
    const int fh = ExplosionFrameHeight();
    for (long i = 0; i < MAX_BRICKS; i++) {
        Brick &b = WallOfBricks[i];
        if (b.visible == 1)
            Level_MoveBrick(i, step);
        Bonus_MoveFruit(i);
        if (b.explodeTick > 0)
            StepExplosion(b, fw, fh);
        if (b.visible == 1)
            MainGame_BulletsHitBrick(i);
    }
}

void Level_BlitExplosions() {
    if (!surf_Explosion)
        return;
    const int fw = ExplosionFrameWidth();
    const int fh = ExplosionFrameHeight();
    for (const Brick &b : WallOfBricks) {
        if (b.explodeTick == 0)
            continue;
        const int bx = Level_ScreenCoord(b.left);
        const int by = Level_ScreenCoord(b.top);
        const int ex = Level_ScreenCoord(bx + b.centreX);
        const int ey = Level_ScreenCoord(by + b.centreY);
        if (b.explodeSrcY < 2 * fh && surf_Bricks[BRICK_SHEETS - 1])
            BlitTransparentSurface(surf_Bricks[BRICK_SHEETS - 1], b.srcLeft, b.srcTop, b.srcRight, b.srcBottom, bx,
                                   by);
        BlitTransparentSurface(surf_Explosion, b.explodeSrcX, b.explodeSrcY, b.explodeSrcX + fw,
                               b.explodeSrcY + fh, ex - fw / 2 - kExplosionOffsetX, ey - fh / 2 - kExplosionOffsetY);
    }
}
