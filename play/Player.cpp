// The player's lives, score and time bonus, the effect flags and their timers, and the
// number font that shows the counters on the left panel.
#include "play/Player.h"

#include <cstdio>

#include "level/Level.h"
#include "play/Bat.h"
#include "shell/Pointer.h"

PlayerInfo playerInfo;
int16_t statusTick = 0;

const NumberGlyph characters[NB_GLYPHS] = {
    {'0', 92, 105}, {'1', 1, 8},   {'2', 8, 16},  {'3', 16, 27}, {'4', 27, 37},   {'5', 38, 47},
    {'6', 47, 57},  {'7', 58, 68}, {'8', 68, 81}, {'9', 81, 92}, {':', 106, 112},
};

static const int kStartLives = 3;
static const int kStartTimeBonus = 999;
static const int kFramesPerBonusPoint = 70;   // one point every 71 frames
static const int kGlyphSheetX = 155;
static const int kGlyphSheetY = 189;
static const int kGlyphHeight = 13;

void Player_ResetPlayer() {
    Player_ResetStatus();
    playerInfo.lives = kStartLives;
    playerInfo.timeBonus = kStartTimeBonus;
    playerInfo.score = 0;
}

void Player_ResetStatus() {
    playerInfo.lightBalls = false;
    playerInfo.heavyBalls = false;
    playerInfo.batFrozen = false;
    playerInfo.spaceInvaders = false;
    playerInfo.explodeAll = false;
    playerInfo.heavyBallsTimer = 0;
    playerInfo.lightBallsTimer = 0;
    playerInfo.batFrozenTimer = 0;
    curBat = BAT_MEDIUM;
}

void Player_UpdateStatus(bool) {
    statusTick += 1;
    if (statusTick > kFramesPerBonusPoint) {
        playerInfo.timeBonus -= 1;
        if (playerInfo.timeBonus <= 0)
            playerInfo.timeBonus = 0;
        statusTick = 0;
    }
    if (playerInfo.heavyBallsTimer == 1) {
        playerInfo.heavyBallsTimer = 0;
        playerInfo.heavyBalls = false;
    }
    if (playerInfo.lightBallsTimer == 1) {
        playerInfo.lightBallsTimer = 0;
        playerInfo.lightBalls = false;
    }
    if (playerInfo.batFrozen) {
        playerInfo.batFrozenTimer -= 1;
        if (playerInfo.batFrozenTimer <= 0)
            playerInfo.batFrozen = false;
    }
}

int16_t NB_GetCharIndexInTable(char ch) {
    for (int16_t i = 0; i < NB_GLYPHS; i++)
        if (characters[i].symbol == ch)
            return i;
    return 0;
}

// Right-aligned at x: the digits are drawn from the last one leftwards.
void NB_DisplayNumber(long value, long x, long y) {
    char text[256];
    const int n = std::snprintf(text, sizeof(text), "%ld", value);
    for (int i = n - 1; i >= 0; i--) {
        const NumberGlyph &g = characters[NB_GetCharIndexInTable(text[i])];
        x -= g.right - g.left;
        if (surf_SpriteCollection)
            BlitTransparentSurface(surf_SpriteCollection, kGlyphSheetX + g.left, kGlyphSheetY,
                                   kGlyphSheetX + g.right, kGlyphSheetY + kGlyphHeight, x, y);
    }
}
