// Bonus capsules released by broken bricks, their effects and captions, and the fruit
// that flies out of a broken brick. Brick index i owns capsule slot i and fruit slot i.
#pragma once
#include <cstdint>

#include "level/Level.h"

enum EBonusKind {
    BONUS_NONE = -1,
    BONUS_FLOAT = 1,
    BONUS_SLOW = 2,
    BONUS_LIFE = 3,
    BONUS_EXPLODE = 4,
    BONUS_BAT_SMALL = 5,
    BONUS_BAT_MEDIUM = 6,
    BONUS_BAT_LARGE = 7,
    BONUS_GUN = 8,
    BONUS_EXTRA_BALL = 10,
    BONUS_FAST = 13,
    BONUS_EVIL_BALL = 14,
    BONUS_GRAVITY = 15,
    BONUS_FREEZE = 16,
    BONUS_SHRINK = 20,
    BONUS_GROW = 21,
    BONUS_INVADERS = 22,
    BONUS_RANDOM = 23,
};

struct BonusCapsule {
    bool active;
    float x, y;
    float fallSpeed;
    int16_t kind;
    int16_t srcX, srcY;
};

struct Fruit {
    bool active;
    float x, y;
    float vx, vy;
    int16_t srcX, srcY;
    int16_t frameWidth, frameHeight;
    int16_t endX, endY;
    int16_t startX;
    int16_t animTick;
    int16_t animDelay;
};

#define RANDOM_BONUS_TABLE 18
#define RANDOM_BONUS_USED 15

extern BonusCapsule allBonuses[MAX_BRICKS];
extern Fruit fruitswall[MAX_BRICKS];
extern int16_t bonustable_for_random[RANDOM_BONUS_TABLE];
extern bool Tooltipactive;
extern int32_t timertooltip;
extern int32_t tooltipsourceY;
extern int32_t tooltipY;

void Bonus_SetActiveBonus(long brick, short kind);
void Bonus_MonkeyGotBonus(short kind, short x, short y);
void Bonus_DisplayCaption(short code);
void Bonus_AnimateBonus();
void Bonus_DisplayBonus();
void Bonus_ResetBonus();
bool Bonus_LoadBonus();
void Bonus_FreeBonus();

// the monkeys' heads: true when a capsule or fruit whose top-left is (x, y) is caught;
// depth is how far below its top the catch reaches (10 for a capsule, 20 for a fruit)
bool Bonus_InCatchZone(float x, float y, float depth);

// fruit: thrown by a breaking brick, moved by the wall step, drawn with the wall
void Bonus_SpawnFruit(long brick);
void Bonus_MoveFruit(long slot);
