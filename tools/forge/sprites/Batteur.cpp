// The monkey sheet data/sprites/batteur.bmp: two monkeys side by side holding the plank
// over their heads, 13 x 5 cells of 71 x 80 (idle see-saw, right, left and centre hits).
#include "tools/forge/sprites/Sheets.h"

#include "tools/forge/sprites/Monkey.h"
#include "tools/forge/sprites/Rig.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr double kFeetY = 77;         // cell y of the soles: screen 542, on the rope
constexpr double kHandBelowPlank = 2.0;
constexpr double kHandSpread = 8.5;
constexpr double kJump = 3.5;
constexpr int kGlanceFirst = 14, kGlanceLast = 18;

bool blinking(int frame, int side) {
    return side < 0 ? (frame == 8 || frame == 30) : (frame == 24 || frame == 25);
}

void expressionFor(MonkeyPose &p, const RigFrame &r, int frame, int side) {
    const double push = side < 0 ? r.pushLeft : r.pushRight;
    const bool pusher = (r.loop == RigLoop::LEFT_HIT && side < 0) || (r.loop == RigLoop::RIGHT_HIT && side > 0) ||
                        r.loop == RigLoop::CENTRE_HIT;
    p.lookY = -0.9;
    p.lookX = -0.5 * side;
    if (r.loop == RigLoop::IDLE) {
        p.lookX = 0.6 * wave(r.t + (side < 0 ? 0.0 : 0.3));
        p.mouth = Mouth::SMILE;
        p.eyes = blinking(frame, side) ? Eyes::CLOSED : Eyes::OPEN;
        if (frame >= kGlanceFirst && frame <= kGlanceLast) {   // a friendly look at each other
            p.lookX = -side;
            p.lookY = 0;
            p.mouth = Mouth::GRIN;
            p.headTilt = 0.12 * -side;
        }
        return;
    }
    if (pusher) {
        const bool strain = r.t < 0.4 && push > 0.3;
        p.eyes = strain ? Eyes::SQUEEZED : Eyes::OPEN;
        p.mouth = strain ? Mouth::SHOUT : Mouth::GRIN;
        p.blush = strain ? 0.8 : 0.3;
    } else {
        p.eyes = Eyes::WIDE;
        p.mouth = Mouth::OOH;
        p.lookX = side < 0 ? 0.9 : -0.9;
    }
}

MonkeyPose rigMonkey(const RigFrame &r, int frame, int side) {
    MonkeyPose p;
    const double x = side < 0 ? kLeftMonkeyX : kRightMonkeyX;
    const double push = side < 0 ? r.pushLeft : r.pushRight;
    double hipY = kMonkeyHipsY - kJump * push;
    if (r.loop == RigLoop::IDLE)
        hipY = kMonkeyHipsY - 0.6 * (side < 0 ? r.leftLift : r.rightLift);
    p.x = x;
    p.y = hipY;
    p.mirrored = side < 0;
    p.lean = 0.06 * side * (r.loop == RigLoop::IDLE ? wave(r.t * 3) * 0.5 : -push);
    p.bodyDy = -1.2 * push;
    for (int hand = -1; hand <= 1; hand += 2) {
        const double hx = x + hand * kHandSpread;
        const double hy = kPlankTop + kPlankThick - plankRise(r, hx) + kHandBelowPlank;
        (hand < 0 ? p.handLX : p.handRX) = hx - x;
        (hand < 0 ? p.handLY : p.handRY) = hy - hipY;
    }
    p.elbowBend = 5 - 2.5 * push;
    double stepL = 0, stepR = 0;
    if (r.loop == RigLoop::IDLE) {   // marking time on the rope
        stepL = std::fmax(0, wave(r.t * 3 + (side < 0 ? 0 : 0.5))) * 1.6;
        stepR = std::fmax(0, -wave(r.t * 3 + (side < 0 ? 0 : 0.5))) * 1.6;
    }
    const double lift = kJump * push * 0.6;
    p.footLX = -4.8;
    p.footLY = kFeetY - lift - stepL - hipY;
    p.footRX = 4.8;
    p.footRY = kFeetY - lift - stepR - hipY;
    p.tailSwing = wave(r.t * 2 + (side < 0 ? 0 : 0.25));
    expressionFor(p, r, frame, side);
    return p;
}

} // namespace

void drawRigMonkeys(cairo_t *cr, int frame) {
    const RigFrame r = rigFrame(frame);
    drawMonkey(cr, rigMonkey(r, frame, -1));
    drawMonkey(cr, rigMonkey(r, frame, 1));
}

bool forgeMonkeySheet(const std::string &gameDir) {
    forge::Canvas c = forge::canvasCreate(kMonkeyCols * kMonkeyCellW, kMonkeyRows * kMonkeyCellH);
    drawCells(c, kMonkeyCols, kMonkeyRows, kMonkeyCellW, kMonkeyCellH, [](cairo_t *cr, int frame) {
        if (frame < kMonkeyFrames)
            drawRigMonkeys(cr, frame);
    });
    const bool ok = writePicture(c, gameDir, "data/sprites/batteur.bmp", forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace sprites
