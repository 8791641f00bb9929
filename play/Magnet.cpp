// The magnet: the evil ball pushes every other ball away, harder the closer they are,
// and hums louder as the nearest ball comes close. Nothing of it is drawn.
#include "play/Gun.h"

#include <cmath>

#include "audio/Sound.h"
#include "level/Level.h"
#include "play/Balls.h"

// The hum is heard within about 158 pixels and is 100 at the centre.
static const float kHumReach2 = 25000.0f;
static const float kHumFalloff = 250.0f;
static const short kHumFull = 100;

// The push is 150 / d^2 pixels per frame on each axis. Closer than one pixel it pushes
// as at one pixel (150, already far beyond any speed limit), so the push stays a finite
// number however close the centres come; centres that coincide push nothing.
static const float kPushStrength = 150.0f;
static const float kClosestPush2 = 1.0f;

// A push of f along one axis, away from the magnet, that stops at the speed limit m on
// the side it pushes towards.
static float Push(float v, bool towardsNegative, float f, float m) {
    if (towardsNegative) {
        v -= f;
        return v < -m ? -m : v;
    }
    v += f;
    return v > m ? m : v;
}

static float PushFor(float d2) {
    return kPushStrength / (d2 < kClosestPush2 ? kClosestPush2 : d2);
}

static void PushBall(Ball &b, float bx, float by, float mx, float my, float f, float m) {
    const float vx = Push(b.vx, bx < mx, f, m);
    const float vy = Push(b.vy, by < my, f, m);
    if (std::isfinite(vx))
        b.vx = vx;
    if (std::isfinite(vy))
        b.vy = vy;
}

void MainGame_CalculateAimant() {
    short loudness = 0;
    const float m = gMaxBallSpeed;
    for (int i = 0; i < MAX_BALLS; i++) {
        const Ball &magnet = allBalls[i];
        if (!magnet.active || magnet.type != BALL_EVIL)
            continue;
        const float mx = magnet.x + magnet.centreX, my = magnet.y + magnet.centreY;
        for (int j = 0; j < MAX_BALLS; j++) {
            Ball &b = allBalls[j];
            if (j == i || !b.active)
                continue;
            const float bx = b.x + b.centreX, by = b.y + b.centreY;
            const float d2 = (bx - mx) * (bx - mx) + (by - my) * (by - my);
            if (d2 < kHumReach2) {
                const short v = static_cast<short>(kHumFull - d2 / kHumFalloff);
                if (v > loudness)
                    loudness = v;
            }
            if (d2 > 0 && std::isfinite(d2))
                PushBall(b, bx, by, mx, my, PushFor(d2), m);
        }
    }
    Sound_InField(loudness);
}

void MainGame_BlitAimant() {}
