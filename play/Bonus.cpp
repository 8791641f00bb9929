// Bonus capsules released by broken bricks: the kind table with capsule pictures, moods,
// effects, sounds and captions; their fall and catch, and the sliding caption.
#include "play/Bonus.h"

#include "audio/Sound.h"
#include "engine/KRandom.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Player.h"
#include "play/Scene.h"
#include "shell/Pointer.h"

BonusCapsule allBonuses[MAX_BRICKS];
int16_t bonustable_for_random[RANDOM_BONUS_TABLE] = {2, 3, 4, 5, 6, 7, 8, 9, 14, 16, 17, 21, 22, 15, 11, 0, 0, 0};
bool Tooltipactive = false;
int32_t timertooltip = 0;
int32_t tooltipsourceY = -1;
int32_t tooltipY = 600;

enum EMood { MOOD_NONE = -1, MOOD_SULK = 0, MOOD_CHEER = 1 };
static const int kNoCaption = -1;
static const int16_t kAtOnce = -1;   // no capsule: the bonus is given when the brick breaks

static const int kCapsuleWidth = 36, kCapsuleHeight = 21;
static const int16_t kCapsuleDefaultX = 290, kCapsuleDefaultY = 0;
static const float kCapsuleFromCentre = 16.0f;
static const int kExtraBallFromCorner = 8;
static const float kSpeedFactor = 1.5f;
static const int32_t kPeriodFrames = 450;
static const int32_t kFreezeFrames = 100;
static const int32_t kInvadersFrames = 50;

// Caption: 122 x 28 pictures stacked at x 362, slid up to y 572 at x 174.
static const int kCaptionSrcX = 362, kCaptionWidth = 122, kCaptionHeight = 28;
static const int kCaptionX = 174, kCaptionUp = 572, kCaptionHidden = 600, kCaptionGone = 599;
static const int kCaptionStep = 2, kCaptionFrames = 200;

// The monkeys' heads, where capsules and fruit are caught.
static const float kCatchLeftReach = 30.0f;
static const float kCatchTop = 465.0f, kCatchBottom = 545.0f;
static const float kCapsuleDepth = 10.0f;
static const float kFallenOut = 600.0f;

// ---- what each bonus does; x, y place the extra balls

static void ScaleBallSpeeds(float factor) {
    for (Ball &ball : allBalls) {
        if (!ball.active)
            continue;
        ball.vx *= factor;
        ball.vy *= factor;
    }
}

static void FloatBalls(short, short) {
    playerInfo.heavyBalls = false;
    playerInfo.lightBalls = true;
    playerInfo.lightBallsTimer = kPeriodFrames;
}

static void HeavyBalls(short, short) {
    playerInfo.lightBalls = false;
    playerInfo.heavyBalls = true;
    playerInfo.heavyBallsTimer = kPeriodFrames;
}

static void SlowBalls(short, short) { ScaleBallSpeeds(1 / kSpeedFactor); }
static void FastBalls(short, short) { ScaleBallSpeeds(kSpeedFactor); }
static void ExtraLife(short, short) { playerInfo.lives += 1; }
static void ExplodeAll(short, short) { playerInfo.explodeAll = true; }
static void SmallBat(short, short) { curBat = BAT_SMALL; }
static void MediumBat(short, short) { curBat = BAT_MEDIUM; }
static void LargeBat(short, short) { curBat = BAT_LARGE; }
static void GunBat(short, short) { curBat = BAT_GUN; }
static void ExtraBall(short x, short y) { Level_AddBall(BALL_NORMAL, x, y); }
static void EvilBall(short x, short y) { Level_AddBall(BALL_EVIL, x, y); }

static void FreezeBat(short, short) {
    playerInfo.batFrozen = true;
    playerInfo.batFrozenTimer = kFreezeFrames;
}

static void ShrinkBat(short, short) { curBat = static_cast<int16_t>(curBat > BAT_SMALL ? curBat - 1 : BAT_SMALL); }

// the gun bat grows into the large one, as does the large bat itself
static void GrowBat(short, short) { curBat = static_cast<int16_t>(curBat + 1 >= BAT_GUN ? BAT_LARGE : curBat + 1); }

static void MarchingWall(short, short) {
    playerInfo.spaceInvaders = true;
    playerInfo.spaceInvadersTimer = kInvadersFrames;
}

struct BonusKindInfo {
    int16_t kind;
    int16_t srcX, srcY;           // the capsule in the sprite collection, or kAtOnce
    int8_t mood;                  // shown by the panel monkey when the capsule is released
    void (*effect)(short x, short y);
    void (*sound)();              // none: the new ball's monkey voice says it all
    int16_t caption;              // y of the caption in the sprite collection
};

// Every kind that does something; any other kind releases nothing and does nothing.
// The random kind (23) has no row: it becomes a kind of bonustable_for_random.
static const BonusKindInfo kBonusKinds[] = {
    {BONUS_FLOAT, 290, 231, MOOD_CHEER, FloatBalls, Sound_PlayABonus, 84},
    {BONUS_SLOW, 290, 21, MOOD_NONE, SlowBalls, Sound_PlayABonus, 28},
    {BONUS_LIFE, 290, 0, MOOD_CHEER, ExtraLife, Sound_PlayExtra, 308},
    {BONUS_EXPLODE, 290, 63, MOOD_CHEER, ExplodeAll, Sound_PlayABonus, kNoCaption},
    {BONUS_BAT_SMALL, 326, 189, MOOD_SULK, SmallBat, Sound_PlaySmaller, 168},
    {BONUS_BAT_MEDIUM, 290, 84, MOOD_NONE, MediumBat, Sound_PlayABonus, 140},
    {BONUS_BAT_LARGE, 290, 147, MOOD_NONE, LargeBat, Sound_PlayBigger, 112},
    {BONUS_GUN, 290, 42, MOOD_CHEER, GunBat, Sound_PlayABonus, 196},
    {BONUS_EXTRA_BALL, kAtOnce, kAtOnce, MOOD_NONE, ExtraBall, nullptr, kNoCaption},
    {BONUS_FAST, 326, 21, MOOD_NONE, FastBalls, Sound_PlayABonus, 0},
    {BONUS_EVIL_BALL, kAtOnce, kAtOnce, MOOD_NONE, EvilBall, nullptr, kNoCaption},
    {BONUS_GRAVITY, 326, 105, MOOD_SULK, HeavyBalls, Sound_PlayABonus, 56},
    {BONUS_FREEZE, 326, 126, MOOD_NONE, FreezeBat, Sound_PlayABonus, 280},
    {BONUS_SHRINK, 326, 84, MOOD_NONE, ShrinkBat, Sound_PlaySmaller, 252},
    {BONUS_GROW, 290, 210, MOOD_NONE, GrowBat, Sound_PlayBigger, 224},
    {BONUS_INVADERS, 326, 168, MOOD_SULK, MarchingWall, SoundPlay_SpaceInvaders, kNoCaption},
};

static const BonusKindInfo *FindKind(int kind) {
    for (const BonusKindInfo &k : kBonusKinds)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

bool Bonus_InCatchZone(float x, float y, float depth) {
    return x + kCatchLeftReach >= batPosition && x <= batPosition + batWidth[curBat] && y <= kCatchBottom &&
           y + depth >= kCatchTop;
}

// A kind drawn at random that gives nothing, or gives its ball at once, leaves the
// slot without a capsule.
void Bonus_SetActiveBonus(long brick, short kind) {
    if (brick < 0 || brick >= MAX_BRICKS)
        return;
    const Brick &b = WallOfBricks[brick];
    BonusCapsule &c = allBonuses[brick];
    const BonusKindInfo *info = FindKind(kind);
    if (info && info->srcX == kAtOnce) {
        c.active = false;
        Bonus_MonkeyGotBonus(kind, Level_ScreenCoord(b.left + kExtraBallFromCorner),
                             Level_ScreenCoord(b.top + kExtraBallFromCorner));
        return;
    }
    c.active = true;
    c.kind = kind;
    c.srcX = kCapsuleDefaultX;
    c.srcY = kCapsuleDefaultY;
    c.x = b.left + b.centreX - kCapsuleFromCentre;
    c.y = b.top + b.centreY - kCapsuleFromCentre;
    if (kind == BONUS_RANDOM) {
        const int r = KRandom::rand() % RANDOM_BONUS_USED;
        Bonus_SetActiveBonus(brick, bonustable_for_random[r]);
        return;
    }
    if (!info) {
        c.active = false;
        return;
    }
    c.srcX = info->srcX;
    c.srcY = info->srcY;
    if (info->mood != MOOD_NONE)
        gWinLose = info->mood == MOOD_CHEER;
}

void Bonus_MonkeyGotBonus(short kind, short x, short y) {
    Bonus_DisplayCaption(static_cast<short>(kind + 1));
    const BonusKindInfo *info = FindKind(kind);
    if (!info)
        return;
    info->effect(x, y);
    if (info->sound)
        info->sound();
}

void Bonus_DisplayCaption(short code) {
    tooltipsourceY = -1;
    Tooltipactive = false;
    const BonusKindInfo *info = FindKind(code - 1);
    if (!info || info->caption == kNoCaption)
        return;
    tooltipsourceY = info->caption;
    Tooltipactive = true;
    timertooltip = 0;
}

// Rises 2 pixels a frame to y 572, stays 200 frames, sinks out again.
static void SlideCaption() {
    if (!Tooltipactive)
        return;
    if (timertooltip == 0) {
        if (tooltipY > kCaptionUp) {
            tooltipY -= kCaptionStep;
        } else {
            tooltipY = kCaptionUp;
            timertooltip = 1;
        }
        return;
    }
    timertooltip += 1;
    if (timertooltip <= kCaptionFrames)
        return;
    tooltipY += kCaptionStep;
    if (tooltipY >= kCaptionGone) {
        Tooltipactive = false;
        timertooltip = 0;
        tooltipY = kCaptionHidden;
    }
}

void Bonus_AnimateBonus() {
    for (BonusCapsule &c : allBonuses) {
        if (!c.active)
            continue;
        c.y += c.fallSpeed;
        if (c.y >= kFallenOut) {
            c.active = false;
            continue;
        }
        if (Bonus_InCatchZone(c.x, c.y, kCapsuleDepth)) {
            c.active = false;
            Bonus_MonkeyGotBonus(c.kind, 0, 0);
        }
    }
    SlideCaption();
}

void Bonus_DisplayBonus() {
    if (!surf_SpriteCollection)
        return;
    for (const BonusCapsule &c : allBonuses) {
        if (!c.active)
            continue;
        BlitTransparentSurface(surf_SpriteCollection, c.srcX, c.srcY, c.srcX + kCapsuleWidth, c.srcY + kCapsuleHeight,
                               Level_ScreenCoord(c.x), Level_ScreenCoord(c.y));
    }
    if (Tooltipactive)
        BlitTransparentSurface(surf_SpriteCollection, kCaptionSrcX, tooltipsourceY, kCaptionSrcX + kCaptionWidth,
                               tooltipsourceY + kCaptionHeight, kCaptionX, tooltipY);
}

void Bonus_ResetBonus() {
    Tooltipactive = false;
    timertooltip = 0;
    tooltipsourceY = -1;
    tooltipY = kCaptionHidden;
    for (int i = 0; i < MAX_BRICKS; i++) {
        const Brick &b = WallOfBricks[i];
        BonusCapsule &c = allBonuses[i];
        c.active = false;
        c.x = b.left + b.centreX - kCapsuleFromCentre;
        c.y = b.top + b.centreY - kCapsuleFromCentre;
        c.fallSpeed = static_cast<float>(1 + KRandom::rand() % 3);
    }
}

bool Bonus_LoadBonus() { return true; }
void Bonus_FreeBonus() {}

