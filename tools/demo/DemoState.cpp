// Hashes the simulation's state field by field (never whole structs, whose padding
// holds nothing), so two runs agree exactly when the game agrees.
#include "tools/demo/DemoState.h"

#include <cstdio>

#include "engine/KRandom.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Bonus.h"
#include "play/Gun.h"
#include "play/MainGame.h"
#include "play/Player.h"

namespace {

// FNV-1a over the bytes of each value added.
struct StateHash {
    uint64_t h = 1469598103934665603ull;
    template <typename T> void add(const T &v) {
        const unsigned char *p = reinterpret_cast<const unsigned char *>(&v);
        for (size_t i = 0; i < sizeof(T); i++)
            h = (h ^ p[i]) * 1099511628211ull;
    }
};

void AddBalls(StateHash &s) {
    for (const Ball &b : allBalls) {
        s.add(b.active);
        s.add(b.type);
        s.add(b.x);
        s.add(b.y);
        s.add(b.vx);
        s.add(b.vy);
        s.add(b.speed);
        s.add(b.interfere);
        s.add(b.interfereTimer);
    }
}

void AddWall(StateHash &s) {
    for (const Brick &b : WallOfBricks) {
        s.add(b.visible);
        s.add(b.hits);
        s.add(b.left);
        s.add(b.top);
        s.add(b.explodeTick);
        s.add(b.bonus);
    }
}

void AddCapsulesAndShots(StateHash &s) {
    for (const BonusCapsule &c : allBonuses) {
        s.add(c.active);
        if (!c.active)
            continue;
        s.add(c.x);
        s.add(c.y);
        s.add(c.fallSpeed);
        s.add(c.kind);
    }
    for (const Bullet &b : bullet) {
        s.add(b.active);
        s.add(b.x);
        s.add(b.y);
    }
    s.add(gunShootX);
    s.add(gunShootFrame);
}

void AddPlayer(StateHash &s) {
    s.add(playerInfo.score);
    s.add(playerInfo.lives);
    s.add(playerInfo.timeBonus);
    s.add(playerInfo.lightBalls);
    s.add(playerInfo.heavyBalls);
    s.add(playerInfo.batFrozen);
    s.add(playerInfo.spaceInvaders);
    s.add(playerInfo.heavyBallsTimer);
    s.add(playerInfo.lightBallsTimer);
    s.add(playerInfo.batFrozenTimer);
    s.add(playerInfo.spaceInvadersTimer);
    s.add(playerInfo.explodeAll);
}

} // namespace

uint64_t Demo_HashGameState() {
    StateHash s;
    AddBalls(s);
    AddWall(s);
    AddCapsulesAndShots(s);
    AddPlayer(s);
    s.add(batPosition);
    s.add(curBat);
    s.add(gCurrentLevel);
    s.add(gGameIsReallyOver);
    s.add(KRandom::getState());
    return s.h;
}

std::string Demo_HashLine(uint32_t frame, uint64_t hash) {
    char line[48];
    std::snprintf(line, sizeof(line), "%u 0x%016llx", frame, static_cast<unsigned long long>(hash));
    return line;
}
