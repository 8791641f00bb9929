// The cartoon monkey: tail, legs, torso, arms, head with its face, hands (see Monkey.h).
#include "tools/forge/sprites/Monkey.h"

#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr unsigned kEyeWhite = 0xFFFFFF;
constexpr unsigned kMouthInside = 0x7A1E1E;
constexpr unsigned kTongue = 0xE0707A;
constexpr unsigned kCheek = 0xF08A7A;
constexpr unsigned kTearBlue = 0x8FD3FF;

struct Point {
    double x, y;
};

Point rotated(double x, double y, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {x * c - y * s, x * s + y * c};
}

void drawTail(cairo_t *cr, const MonkeyPose &p, double ink) {
    const double dir = p.mirrored ? -1 : 1;
    const double sx = 3 * dir, sy = -2;
    const double ex = (13 + 2 * p.tailSwing) * dir, ey = -12 - 2 * p.tailSwing;
    limb(cr, sx, sy, (14 + p.tailSwing) * dir, 4, ex, ey, 2.4, kFur, ink);
    // the curl at the tip
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        if (dir > 0)
            cairo_arc_negative(cr, ex - 2.6 * dir, ey, 2.6, 0, -kPi * 1.2);
        else
            cairo_arc(cr, ex - 2.6 * dir, ey, 2.6, kPi, kPi * 2.2);
        forge::setColour(cr, pass == 0 ? kInk : kFur);
        cairo_set_line_width(cr, pass == 0 ? 2.4 + 2 * ink : 2.4);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void drawLeg(cairo_t *cr, double hipX, double footX, double footY, double side, double ink) {
    limb(cr, hipX, -1, hipX + side * 5, (footY - 1) / 2, footX, footY - 1, 4.2, kFur, ink);
    cairo_save(cr);
    cairo_translate(cr, footX + side * 1.2, footY);
    ellipsePath(cr, 0, 0, 3.6, 2.0);
    fillAndInk(cr, kFace, ink);
    cairo_restore(cr);
}

// A darker crescent on the lower right of a round part, inside its outline.
void furShade(cairo_t *cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    ellipsePath(cr, cx, cy, rx - 0.6, ry - 0.6);
    cairo_clip(cr);
    ellipsePath(cr, cx, cy, rx - 0.6, ry - 0.6);
    ellipsePath(cr, cx - rx * 0.22, cy - ry * 0.2, rx * 0.95, ry * 0.95);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    forge::setColour(cr, kFurShade, 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawTorso(cairo_t *cr, const MonkeyPose &p, double ink) {
    cairo_save(cr);
    cairo_rotate(cr, p.lean);
    const double ry = 10 - p.bodyDy * 0.5;
    const double cy = -8 + p.bodyDy * 0.5;
    ellipsePath(cr, 0, cy, 8 + p.bodyDy * 0.3, ry);
    fillAndInk(cr, kFur, ink);
    furShade(cr, 0, cy, 8 + p.bodyDy * 0.3, ry);
    ellipsePath(cr, 0, cy + 2, 4.6 + p.bodyDy * 0.2, ry * 0.62);
    fillAndInk(cr, kFace, 0);
    cairo_restore(cr);
}

void drawArm(cairo_t *cr, const MonkeyPose &p, double side, double handX, double handY, double ink) {
    const Point s = rotated(side * kShoulderSpread, -kShoulderRise, p.lean);
    const double mx = (s.x + handX) / 2, my = (s.y + handY) / 2;
    // bow the elbow away from the body's middle line
    const double dx = handX - s.x, dy = handY - s.y;
    const double len = std::hypot(dx, dy) + 1e-6;
    double nx = -dy / len, ny = dx / len;
    if (nx * side < 0)
        nx = -nx, ny = -ny;
    limb(cr, s.x, s.y, mx + nx * p.elbowBend, my + ny * p.elbowBend, handX, handY, 3.6, kFur, ink);
}

void drawArms(cairo_t *cr, const MonkeyPose &p, double ink) {
    drawArm(cr, p, -1, p.handLX, p.handLY, ink);
    drawArm(cr, p, 1, p.handRX, p.handRY, ink);
}

void eyePair(cairo_t *cr, const MonkeyPose &p, double ink) {
    for (int side = -1; side <= 1; side += 2) {
        const double ex = side * 3.2, ey = -1.0;
        cairo_save(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        forge::setColour(cr, kInk);
        cairo_set_line_width(cr, 0.9 * ink);
        switch (p.eyes) {
        case Eyes::CLOSED:   // happy arcs
            cairo_arc_negative(cr, ex, ey + 0.8, 1.9, -0.2, -kPi + 0.2);
            cairo_stroke(cr);
            break;
        case Eyes::SQUEEZED: // > <
            cairo_move_to(cr, ex - side * 1.8, ey - 1.6);
            cairo_line_to(cr, ex + side * 1.2, ey);
            cairo_line_to(cr, ex - side * 1.8, ey + 1.6);
            cairo_stroke(cr);
            break;
        default: {
            const bool wide = p.eyes == Eyes::WIDE;
            ellipsePath(cr, ex, ey, wide ? 2.6 : 2.3, wide ? 3.2 : 2.9);
            fillAndInk(cr, kEyeWhite, 0.6 * ink);
            const double pr = wide ? 1.1 : 1.35;
            ellipsePath(cr, ex + p.lookX * 0.9, ey + p.lookY * 1.2, pr, pr * 1.1);
            fillAndInk(cr, kPupil, 0);
            ellipsePath(cr, ex + p.lookX * 0.9 - 0.45, ey + p.lookY * 1.2 - 0.5, 0.4, 0.4);
            fillAndInk(cr, kEyeWhite, 0);
            if (p.eyes == Eyes::SAD) {   // heavy lids
                cairo_move_to(cr, ex - 2.6, ey - 0.6 - side * 0.5);
                cairo_line_to(cr, ex + 2.6, ey - 0.6 + side * 0.5);
                cairo_line_to(cr, ex + 2.6, ey - 3.4);
                cairo_line_to(cr, ex - 2.6, ey - 3.4);
                cairo_close_path(cr);
                fillAndInk(cr, kFace, 0);
                cairo_move_to(cr, ex - 2.5, ey - 0.6 - side * 0.5);
                cairo_line_to(cr, ex + 2.5, ey - 0.6 + side * 0.5);
                forge::setColour(cr, kInk);
                cairo_set_line_width(cr, 0.7 * ink);
                cairo_stroke(cr);
            }
        }
        }
        cairo_restore(cr);
    }
}

void mouthShape(cairo_t *cr, const MonkeyPose &p, double ink) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 0.8 * ink);
    forge::setColour(cr, kInk);
    switch (p.mouth) {
    case Mouth::SMILE:
        cairo_move_to(cr, -3.0, 4.6);
        cairo_curve_to(cr, -1.5, 7.0, 1.5, 7.0, 3.0, 4.6);
        cairo_stroke(cr);
        break;
    case Mouth::GRIN:
        cairo_move_to(cr, -3.6, 4.3);
        cairo_curve_to(cr, -2.0, 8.6, 2.0, 8.6, 3.6, 4.3);
        cairo_close_path(cr);
        fillAndInk(cr, kMouthInside, 0.7 * ink);
        cairo_move_to(cr, -3.0, 4.5);
        cairo_line_to(cr, 3.0, 4.5);
        cairo_line_to(cr, 2.4, 5.6);
        cairo_line_to(cr, -2.4, 5.6);
        cairo_close_path(cr);
        fillAndInk(cr, kEyeWhite, 0);
        break;
    case Mouth::OOH:
        ellipsePath(cr, 0, 6.0, 1.5, 1.9);
        fillAndInk(cr, kMouthInside, 0.7 * ink);
        break;
    case Mouth::SHOUT:
        ellipsePath(cr, 0, 6.0, 3.0, 2.6);
        fillAndInk(cr, kMouthInside, 0.7 * ink);
        ellipsePath(cr, 0, 7.2, 1.8, 1.0);
        fillAndInk(cr, kTongue, 0);
        break;
    case Mouth::FROWN:
        cairo_move_to(cr, -2.8, 6.8);
        cairo_curve_to(cr, -1.4, 4.6, 1.4, 4.6, 2.8, 6.8);
        cairo_stroke(cr);
        break;
    case Mouth::FLAT:
        cairo_move_to(cr, -2.4, 5.8);
        cairo_line_to(cr, 2.4, 5.6);
        cairo_stroke(cr);
        break;
    }
    cairo_restore(cr);
}

} // namespace

void drawMonkeyHand(cairo_t *cr, double x, double y, double radius, double line) {
    ellipsePath(cr, x, y, radius, radius * 0.92);
    fillAndInk(cr, kFace, line);
}

void drawMonkeyHead(cairo_t *cr, const MonkeyPose &p, double hx, double hy) {
    const double ink = p.line / p.scale;
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    cairo_rotate(cr, p.headTilt);
    for (int side = -1; side <= 1; side += 2) {   // ears
        inkedEllipse(cr, side * 9.6, 0.5, 3.8, 3.8, kFur, ink);
        inkedEllipse(cr, side * 9.8, 0.7, 2.2, 2.2, kFace, 0);
    }
    // tuft of hair on top
    cairo_move_to(cr, -3.5, -8.8);
    cairo_curve_to(cr, -2.5, -12.5, -1.0, -12.0, 0.0, -13.2);
    cairo_curve_to(cr, 0.6, -11.8, 2.6, -12.4, 3.5, -8.8);
    cairo_close_path(cr);
    fillAndInk(cr, kFur, ink);
    inkedEllipse(cr, 0, 0, kHeadRadius, kHeadRadius * 0.95, kFur, ink);
    furShade(cr, 0, 0, kHeadRadius, kHeadRadius * 0.95);
    ellipsePath(cr, -3.2, -5.6, 3.8, 2.2);   // shine on the fur
    forge::setColour(cr, lighten(kFur, 0.3), 0.8);
    cairo_fill(cr);
    // face mask: two eye patches and the muzzle
    ellipsePath(cr, -3.3, -0.8, 4.3, 4.4);
    ellipsePath(cr, 3.3, -0.8, 4.3, 4.4);
    ellipsePath(cr, 0, 4.0, 6.4, 4.6);
    forge::setColour(cr, kFace);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
    if (p.blush > 0) {
        for (int side = -1; side <= 1; side += 2) {
            ellipsePath(cr, side * 5.6, 3.2, 1.8, 1.1);
            forge::setColour(cr, kCheek, 0.7 * p.blush);
            cairo_fill(cr);
        }
    }
    eyePair(cr, p, ink);
    for (int side = -1; side <= 1; side += 2) {   // nostrils
        ellipsePath(cr, side * 1.1, 2.4, 0.55, 0.45);
        forge::setColour(cr, kFurShade);
        cairo_fill(cr);
    }
    mouthShape(cr, p, ink);
    if (p.tear) {
        cairo_move_to(cr, -4.6, 1.6);
        cairo_curve_to(cr, -6.2, 4.4, -5.8, 5.6, -4.6, 5.6);
        cairo_curve_to(cr, -3.4, 5.6, -3.0, 4.4, -4.6, 1.6);
        fillAndInk(cr, kTearBlue, 0.5 * ink);
    }
    cairo_restore(cr);
}

void drawMonkey(cairo_t *cr, const MonkeyPose &p) {
    const double ink = p.line / p.scale;
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_scale(cr, p.scale, p.scale);
    drawTail(cr, p, ink);
    drawLeg(cr, -3.5, p.footLX, p.footLY, -1, ink);
    drawLeg(cr, 3.5, p.footRX, p.footRY, 1, ink);
    if (!p.armsInFront)
        drawArms(cr, p, ink);
    drawTorso(cr, p, ink);
    if (p.armsInFront)
        drawArms(cr, p, ink);
    const Point h = rotated(0, -kHeadRise, p.lean);
    drawMonkeyHead(cr, p, h.x + p.headDx, h.y + p.headDy);
    drawMonkeyHand(cr, p.handLX, p.handLY, 2.7, ink);
    drawMonkeyHand(cr, p.handRX, p.handRY, 2.7, ink);
    cairo_restore(cr);
}

} // namespace sprites
