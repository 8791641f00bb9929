// The plank's motion per frame: an idle see-saw and three hit recoils (see Rig.h).
#include "tools/forge/sprites/Rig.h"

#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr double kIdleBob = 0.7;
constexpr double kHitLift = 2.2;

// The shove of a hit: full at once, one small dip, then at rest by the end of the loop.
double kick(double t) { return std::cos(2.5 * kPi * t) * (1 - t) * (1 - t); }

double loopT(int frame, int first, int last) { return double(frame - first) / double(last - first); }

} // namespace

RigFrame rigFrame(int frame) {
    RigFrame r{RigLoop::IDLE, 0, 0, 0, 0, 0, 0};
    if (frame <= kIdleLast) {
        r.t = loopT(frame, kIdleFirst, kIdleLast + 1);
        const double phase = 3 * r.t;   // three steps of the see-saw per loop
        r.leftLift = kIdleBob * wave(phase);
        r.rightLift = -kIdleBob * wave(phase);
        r.pushLeft = 0.15 + 0.15 * wave(phase);
        r.pushRight = 0.15 - 0.15 * wave(phase);
        return r;
    }
    if (frame <= kRightHitLast) {
        r.loop = RigLoop::RIGHT_HIT;
        r.t = loopT(frame, kRightHitFirst, kRightHitLast);
        const double k = kick(r.t);
        r.rightLift = kHitLift * k;
        r.leftLift = 0.4 * k;
        r.flex = -0.6 * k;
        r.pushRight = std::fabs(k);
        r.pushLeft = 0.3 * std::fabs(k);
        return r;
    }
    if (frame <= kLeftHitLast) {
        r.loop = RigLoop::LEFT_HIT;
        r.t = loopT(frame, kLeftHitFirst, kLeftHitLast);
        const double k = kick(r.t);
        r.leftLift = kHitLift * k;
        r.rightLift = 0.4 * k;
        r.flex = -0.6 * k;
        r.pushLeft = std::fabs(k);
        r.pushRight = 0.3 * std::fabs(k);
        return r;
    }
    r.loop = RigLoop::CENTRE_HIT;
    r.t = loopT(frame, kCentreHitFirst, kCentreHitLast);
    const double k = kick(r.t);
    r.leftLift = r.rightLift = 1.6 * k;
    r.flex = 1.2 * k;
    r.pushLeft = r.pushRight = std::fabs(k);
    return r;
}

double plankRise(const RigFrame &r, double x) {
    const double span = kRightMonkeyX - kLeftMonkeyX;
    const double s = (x - kLeftMonkeyX) / span;
    const double line = r.leftLift + (r.rightLift - r.leftLift) * s;
    const double u = (x - kRigMiddle) / span;   // -0.5 .. 0.5 between the monkeys
    return line + r.flex * (1 - 4 * u * u);
}

} // namespace sprites
