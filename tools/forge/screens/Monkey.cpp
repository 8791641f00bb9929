// The cartoon monkeys of the screens (see Monkey.h).
#include "tools/forge/screens/Monkey.h"

#include "tools/forge/common/Paint.h"

#include <cmath>

namespace screens {

namespace {

constexpr unsigned kFur = 0x7A4A22;
constexpr unsigned kFurDark = 0x5E3717;
constexpr unsigned kSkin = 0xF1D2A6;
constexpr unsigned kLine = 0x2E1606;
constexpr double kLineWidth = 2.2;

struct Limb {
    double sx, sy, cx, cy, ex, ey;   // start, bend, end
};

// Hands (arm ends) per pose: index 0 = left arm, 1 = right arm, in unmirrored units.
Limb armOf(MonkeyPose pose, int hand) {
    const double s = hand == 0 ? -1 : 1;
    switch (pose) {
    case POSE_CHEER:
        return {s * 15, -54, s * 34, -66, s * 36, -96};
    case POSE_WAVE:
        return hand == 1 ? Limb{15, -54, 36, -66, 34, -98} : Limb{-15, -52, -28, -40, -22, -26};
    case POSE_SULK:
        return {s * 15, -52, s * 22, -36, s * 9, -24};
    case POSE_HOLD_UP:
        return {s * 15, -54, s * 26, -72, s * 14, -104};
    }
    return {s * 15, -52, s * 26, -40, s * 22, -26};
}

void outlinedStroke(cairo_t *cr, const Limb &l, double width, unsigned colour) {
    cairo_move_to(cr, l.sx, l.sy);
    cairo_curve_to(cr, l.cx, l.cy, l.cx, l.cy, l.ex, l.ey);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    forge::setColour(cr, kLine);
    cairo_set_line_width(cr, width + kLineWidth * 2);
    cairo_stroke_preserve(cr);
    forge::setColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void outlinedEllipse(cairo_t *cr, double x, double y, double rx, double ry, unsigned colour) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    forge::setColour(cr, colour);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kLine);
    cairo_set_line_width(cr, kLineWidth);
    cairo_stroke(cr);
}

void filledEllipse(cairo_t *cr, double x, double y, double rx, double ry, unsigned colour, double alpha = 1) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    forge::setColour(cr, colour, alpha);
    cairo_fill(cr);
}

void drawTail(cairo_t *cr, MonkeyPose pose) {
    const double lift = pose == POSE_SULK ? 14 : 0;
    cairo_move_to(cr, 12, -22);
    cairo_curve_to(cr, 40, -18 + lift, 50, -44 + lift, 40, -58 + lift);
    cairo_curve_to(cr, 32, -68 + lift, 22, -58 + lift, 30, -52 + lift);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    forge::setColour(cr, kLine);
    cairo_set_line_width(cr, 5 + kLineWidth * 2);
    cairo_stroke_preserve(cr);
    forge::setColour(cr, kFur);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void drawLegs(cairo_t *cr, MonkeyPose pose) {
    for (int s = -1; s <= 1; s += 2) {
        const Limb leg = pose == POSE_SULK ? Limb{s * 9.0, -22, s * 22.0, -16, s * 18.0, -4}
                                           : Limb{s * 9.0, -22, s * 14.0, -10, s * 15.0, -4};
        outlinedStroke(cr, leg, 10, kFur);
        outlinedEllipse(cr, s * 18.0, -3, 9, 4.5, kSkin);
    }
}

void drawBody(cairo_t *cr) {
    outlinedEllipse(cr, 0, -38, 20, 23, kFur);
    filledEllipse(cr, 6, -34, 12, 18, kFurDark, 0.35);
    outlinedEllipse(cr, 0, -35, 12.5, 15, kSkin);
}

void drawArm(cairo_t *cr, MonkeyPose pose, int hand) {
    const Limb arm = armOf(pose, hand);
    outlinedStroke(cr, arm, 8, kFur);
    outlinedEllipse(cr, arm.ex, arm.ey, 5.5, 5.5, kSkin);
}

void drawEyes(cairo_t *cr, MonkeyMood mood) {
    for (int s = -1; s <= 1; s += 2) {
        const double ex = s * 7.0, ey = -82;
        outlinedEllipse(cr, ex, ey, 5.2, mood == MOOD_AMAZED ? 7 : 6.2, 0xFFFFFF);
        const double py = mood == MOOD_SAD ? ey + 2 : ey;
        filledEllipse(cr, ex + s * 0.6, py, 2.7, 3.1, 0x222222);
        filledEllipse(cr, ex + s * 0.6 - 1, py - 1.3, 0.9, 0.9, 0xFFFFFF);
        if (mood == MOOD_SAD) {
            cairo_move_to(cr, ex - s * 5, ey - 9);
            cairo_line_to(cr, ex + s * 4, ey - 6.5);
            cairo_set_line_width(cr, 2);
            forge::setColour(cr, kLine);
            cairo_stroke(cr);
        }
    }
}

void drawMouth(cairo_t *cr, MonkeyMood mood) {
    cairo_save(cr);
    if (mood == MOOD_HAPPY) {
        cairo_move_to(cr, -8, -70);
        cairo_curve_to(cr, -5, -61, 5, -61, 8, -70);
        cairo_close_path(cr);
        forge::setColour(cr, 0x8E2B1E);
        cairo_fill_preserve(cr);
        forge::setColour(cr, kLine);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        filledEllipse(cr, 0, -65.5, 3.5, 1.8, 0xE86A5A);
    } else if (mood == MOOD_SAD) {
        cairo_move_to(cr, -6, -64);
        cairo_curve_to(cr, -3, -69, 3, -69, 6, -64);
        forge::setColour(cr, kLine);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    } else {
        outlinedEllipse(cr, 0, -66, 3.8, 4.6, 0x8E2B1E);
    }
    cairo_restore(cr);
}

void drawHead(cairo_t *cr, MonkeyMood mood) {
    for (int s = -1; s <= 1; s += 2) {
        outlinedEllipse(cr, s * 22.0, -80, 8.5, 9, kFur);
        filledEllipse(cr, s * 22.0, -80, 4.8, 5.5, kSkin);
    }
    // tuft of hair
    cairo_move_to(cr, -6, -98);
    cairo_curve_to(cr, -4, -108, 2, -106, 0, -100);
    cairo_curve_to(cr, 4, -108, 9, -104, 6, -97);
    cairo_close_path(cr);
    forge::setColour(cr, kFur);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kLine);
    cairo_set_line_width(cr, kLineWidth);
    cairo_stroke(cr);
    outlinedEllipse(cr, 0, -80, 21, 19.5, kFur);
    filledEllipse(cr, 5, -76, 14, 14, kFurDark, 0.25);
    // face: a heart of two eye patches over a round muzzle
    cairo_new_path(cr);
    cairo_arc(cr, -7, -82, 10, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 7, -82, 10, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, -69);
    cairo_scale(cr, 14, 9.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    forge::setColour(cr, kSkin);
    cairo_fill(cr);
    filledEllipse(cr, -11, -70, 3.5, 2.2, 0xF29A8A, 0.55);
    filledEllipse(cr, 11, -70, 3.5, 2.2, 0xF29A8A, 0.55);
    drawEyes(cr, mood);
    filledEllipse(cr, -2, -74, 1.2, 1.6, kLine);
    filledEllipse(cr, 2, -74, 1.2, 1.6, kLine);
    drawMouth(cr, mood);
}

} // namespace

void monkeyHandPosition(double x, double y, double scale, MonkeyPose pose, int facing, int hand, double &hx,
                        double &hy) {
    const Limb arm = armOf(pose, hand);
    hx = x + arm.ex * scale * facing;
    hy = y + arm.ey * scale;
}

void drawMonkey(cairo_t *cr, double x, double y, double scale, MonkeyPose pose, MonkeyMood mood, int facing) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale * facing, scale);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // ground shadow
    filledEllipse(cr, 0, 0, 26, 5, 0x000000, 0.22);
    drawTail(cr, pose);
    drawLegs(cr, pose);
    if (pose == POSE_SULK) {
        drawBody(cr);
        drawHead(cr, mood);
        drawArm(cr, pose, 0);
        drawArm(cr, pose, 1);
    } else {
        drawArm(cr, pose, 0);
        drawArm(cr, pose, 1);
        drawBody(cr);
        drawHead(cr, mood);
    }
    cairo_restore(cr);
}

} // namespace screens
