// Counts the events a demo is meant to cover, from the game's tables after each flip.
#include "tools/demo/DemoCoverage.h"

#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Bonus.h"
#include "play/Gun.h"
#include "play/MainGame.h"
#include "play/Player.h"

static const float kCaughtBandY = 420.0f;   // a capsule gone from above here was caught

void DemoCoverage_Update(DemoCoverage *c) {
    for (int i = 0; i < MAX_BRICKS && i < 200; i++) {
        const BonusCapsule &b = allBonuses[i];
        if (c->capsuleActive[i] && !b.active && c->capsuleY[i] > kCaughtBandY && c->capsuleY[i] < 500 &&
            c->capsuleKind[i] >= 0 && c->capsuleKind[i] < 32)
            c->capsules[c->capsuleKind[i]]++;
        c->capsuleActive[i] = b.active;
        c->capsuleY[i] = b.y;
        c->capsuleKind[i] = b.kind;
    }
    c->gunFrames += curBat == BAT_GUN;
    for (const Ball &b : allBalls)
        if (b.active && b.type == BALL_EVIL) {
            c->evilFrames++;
            break;
        }
    for (int i = 0; i < MAX_SHOTS && i < 10; i++) {
        c->shots += bullet[i].active && !c->shotActive[i];
        c->shotActive[i] = bullet[i].active;
    }
    if (c->lastLives >= 0 && playerInfo.lives < c->lastLives)
        c->livesLost += c->lastLives - playerInfo.lives;
    c->lastLives = playerInfo.lives;
    if (c->lastLevel >= 0 && gCurrentLevel != c->lastLevel)
        c->levelChanges++;
    c->lastLevel = gCurrentLevel;
}

std::string DemoCoverage_Describe(const DemoCoverage &c) {
    std::string s = "capsules caught:";
    bool any = false;
    for (int k = 0; k < 32; k++)
        if (c.capsules[k]) {
            s += " " + std::to_string(k) + "x" + std::to_string(c.capsules[k]);
            any = true;
        }
    if (!any)
        s += " none";
    s += "; gun frames " + std::to_string(c.gunFrames) + ", shots " + std::to_string(c.shots) +
         "; magnet frames " + std::to_string(c.evilFrames) + "; lives lost " + std::to_string(c.livesLost) +
         "; level changes " + std::to_string(c.levelChanges) + " (last level " + std::to_string(c.lastLevel) +
         "), score " + std::to_string(playerInfo.score);
    return s;
}
