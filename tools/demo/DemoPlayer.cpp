// The scripted player's choices. Its own random draws go through KRandom with the
// game's state put aside and given back, so it never disturbs the game's sequence.
#include "tools/demo/DemoPlayer.h"

#include "engine/KRandom.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Bonus.h"
#include "play/Player.h"

namespace {

const int kPointerY = 450;
const uint32_t kEscapeFrames = 90;      // Escape held at the end, for the closing doors
const float kLookAhead = 6.0f;          // frames of ball travel the aim leads by

int PlayerRand(DemoPlayer *p) {
    const uint32_t game = KRandom::getState();
    KRandom::setState(p->choices);
    const int r = KRandom::rand();
    p->choices = KRandom::getState();
    KRandom::setState(game);
    return r;
}

// The ball to play: the lowest normal ball coming down, else the lowest of any kind.
const Ball *BallToPlay() {
    const Ball *best = nullptr;
    for (const Ball &b : allBalls) {
        if (!b.active || b.type == BALL_EVIL)
            continue;
        const bool down = b.vy > 0 || b.type == BALL_HELD;
        const bool bestDown = best && (best->vy > 0 || best->type == BALL_HELD);
        if (!best || (down && !bestDown) || (down == bestDown && b.y > best->y))
            best = &b;
    }
    return best;
}

// The lowest falling capsule, worth chasing while the ball is far up.
const BonusCapsule *CapsuleToCatch() {
    const BonusCapsule *best = nullptr;
    for (const BonusCapsule &c : allBonuses)
        if (c.active && c.y < 480 && (!best || c.y > best->y))
            best = &c;
    return best;
}

// The bat position that puts `x` under the bat's middle plus the aim offset.
int PointerFor(float x, int offset) {
    return static_cast<int>(x - batDisplayAdjustement[curBat] - batWidth[curBat] / 2) + offset;
}

int Aim(DemoPlayer *p) {
    const Ball *b = BallToPlay();
    if (!b)
        return 400;
    if (p->losing)   // the far side from the ball
        return b->x < 478 ? 730 : 170;
    const BonusCapsule *c = CapsuleToCatch();
    if (c && b->type != BALL_HELD && b->vy < 0 && c->y > 280)
        return PointerFor(c->x + 15, 0);
    return PointerFor(b->x + b->vx * kLookAhead, p->offset);
}

} // namespace

void DemoPlayer_Start(DemoPlayer *p, const DemoPlayerPlan &plan) {
    *p = DemoPlayer();
    p->plan = plan;
    p->choices = plan.seed;
}

DemoFrame DemoPlayer_Decide(DemoPlayer *p, uint32_t frame) {
    DemoFrame f;
    f.y = kPointerY;
    if (frame == 0)
        return f;
    if (p->lives >= 0 && playerInfo.lives < p->lives)
        p->losing = false;   // that one went: back to playing
    p->lives = playerInfo.lives;
    if (p->plan.loseAt && frame == p->plan.loseAt)
        p->losing = true;
    if (frame % 40 == 0)
        p->offset = PlayerRand(p) % 41 - 20;
    f.x = Aim(p);
    // clicks: a short press now and then (launches a held ball, fires the gun)
    if (p->clickHold > 0) {
        p->clickHold--;
        f.button = true;
    } else if (PlayerRand(p) % 25 == 0) {
        p->clickHold = PlayerRand(p) % 4;
        f.button = true;
    }
    if (PlayerRand(p) % 60 == 0)
        f.keys.set(KEY_SPACE);
    if (p->plan.skipAt && frame == p->plan.skipAt) {
        f.keys.set(KEY_UP);
        f.keys.set(KEY_F4);
    }
    if (frame + kEscapeFrames >= p->plan.frames)
        f.keys.set(KEY_ESCAPE);
    return f;
}
