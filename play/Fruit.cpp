// The fruit a broken brick throws: its kinds and frames, its flight under the level's
// gravity between the side walls, and its catch for 100 points. Fruit slot i belongs
// to brick i; the wall step moves it and the wall drawing shows it.
#include "play/Bonus.h"

#include <cmath>

#include "audio/Sound.h"
#include "engine/KRandom.h"
#include "play/Player.h"

Fruit fruitswall[MAX_BRICKS];

static const float kFruitFromCentre = 20.0f;
static const int kFruitScore = 100;
static const float kFruitDepth = 20.0f;       // how far below its top a fruit is caught
static const float kFallenOut = 600.0f;
static const float kFruitWallLeft = 170.0f, kFruitWallRight = 746.0f;
static const float kFruitGravity = 4.0f;
static const int kFruitKindCount = 4;
static const int kAnimDelayMin = 5, kAnimDelaySpread = 8;

// Each kind is a block of frames, played row by row: the first frame, the frame size,
// the x of the block's first column and the block's right and bottom ends.
struct FruitKind {
    int16_t srcX, srcY, width, height, startX, endX, endY;
};
static const FruitKind kFruitKinds[kFruitKindCount] = {
    {0, 0, 31, 45, 0, 155, 135},
    {155, 0, 26, 29, 155, 285, 87},
    {0, 135, 31, 31, 0, 155, 228},
    {155, 87, 27, 28, 155, 236, 171},
};

void Bonus_SpawnFruit(long brick) {
    const Brick &b = WallOfBricks[brick];
    Fruit &f = fruitswall[brick];
    f.active = true;
    f.x = b.left + b.centreX - kFruitFromCentre;
    f.y = b.top + b.centreY - kFruitFromCentre;
    const FruitKind &k = kFruitKinds[KRandom::rand() % kFruitKindCount];
    f.vx = static_cast<float>(std::cos(static_cast<double>(KRandom::rand())));
    f.vy = static_cast<float>(std::sin(static_cast<double>(KRandom::rand())));
    f.startX = k.startX;
    f.srcX = k.srcX;
    f.srcY = k.srcY;
    f.frameWidth = k.width;
    f.frameHeight = k.height;
    f.endX = k.endX;
    f.endY = k.endY;
    f.animTick = 0;
    f.animDelay = static_cast<int16_t>(kAnimDelayMin + KRandom::rand() % kAnimDelaySpread);
}

// The block of frames plays once, row by row, and then holds its last frame.
static void AnimateFruit(Fruit &f) {
    f.animTick += 1;
    if (f.animTick < f.animDelay)
        return;
    f.animTick = 0;
    f.srcX += f.frameWidth;
    if (f.srcX < f.endX)
        return;
    f.srcX = f.startX;
    f.srcY += f.frameHeight;
    if (f.srcY >= f.endY) {
        f.srcY = f.endY - f.frameHeight;
        f.srcX = f.endX - f.frameWidth;
    }
}

void Bonus_MoveFruit(long slot) {
    Fruit &f = fruitswall[slot];
    if (!f.active)
        return;
    AnimateFruit(f);
    f.x += f.vx;
    f.y += f.vy;
    if (f.y > kFallenOut) {
        f.active = false;
        return;
    }
    f.vy += kFruitGravity * gGravity;
    if (f.x <= kFruitWallLeft) {
        f.x = kFruitWallLeft;
        f.vx = -f.vx;
    }
    if (f.x >= kFruitWallRight) {
        f.x = kFruitWallRight;
        f.vx = -f.vx;
    }
    if (Bonus_InCatchZone(f.x, f.y, kFruitDepth)) {
        f.active = false;
        playerInfo.score += kFruitScore;
        Sound_PlayFruit();
    }
}
