// The player's state during a game (lives, score, the level's time bonus, the timed
// effects of bonuses), its resets and per-frame timers, and the counters' number font.
#pragma once
#include <cstdint>

struct PlayerInfo {
    bool lightBalls;
    bool heavyBalls;
    bool batFrozen;
    bool spaceInvaders;
    int32_t heavyBallsTimer;
    int32_t lightBallsTimer;
    int32_t batFrozenTimer;
    int32_t spaceInvadersTimer;
    int32_t lives;
    int32_t timeBonus;
    int32_t score;
    bool explodeAll;
};

struct NumberGlyph {
    char symbol;
    int32_t left;
    int32_t right;
};

#define NB_GLYPHS 11

extern PlayerInfo playerInfo;
extern int16_t statusTick;
extern const NumberGlyph characters[NB_GLYPHS];

void Player_ResetPlayer();
void Player_ResetStatus();
void Player_UpdateStatus(bool unused);

void NB_DisplayNumber(long value, long x, long y);
int16_t NB_GetCharIndexInTable(char ch);
