// The four fruit of the sprite collection, each a block of frames played once while it
// flies: a pineapple turning on itself, a bunch of bananas and a mango tumbling to rest,
// a pair of cherries swinging on their stalks.
#include "tools/forge/sprites/Atlas.h"
#include "tools/forge/sprites/Collection.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr unsigned kLeaf = 0x2E9E44, kLeafDark = 0x1F7A33;
constexpr unsigned kPineapple = 0xE9B33A, kPineappleDark = 0xB07A1E;
constexpr unsigned kBanana = 0xF7D84A, kBananaTip = 0x5E3717;
constexpr unsigned kMangoRed = 0xE0482D, kMangoOrange = 0xF59A2A, kMangoGreen = 0xB8C83A;
constexpr unsigned kCherry = 0xD0182E, kStalk = 0x5E7A22;

void shine(cairo_t *cr, double x, double y, double rx, double ry) {
    ellipsePath(cr, x, y, rx, ry);
    forge::setColour(cr, 0xFFFFFF, 0.7);
    cairo_fill(cr);
}

// Turning on its own axis: `squeeze` 0..1 narrows it as it shows its side.
void pineapple(cairo_t *cr, double w, double h, double spin) {
    const double squeeze = 0.4 + 0.6 * std::fabs(std::cos(spin));
    const double cx = w / 2, cy = h * 0.66;
    cairo_save(cr);
    cairo_translate(cr, cx, 0);
    cairo_scale(cr, squeeze, 1);
    for (int i = -2; i <= 2; ++i) {   // crown
        const double lean = i * 0.32 + 0.15 * std::sin(spin * 2);
        cairo_save(cr);
        cairo_translate(cr, 0, cy - 10);
        cairo_rotate(cr, lean);
        cairo_move_to(cr, -3.4, 0);
        cairo_curve_to(cr, -3.0, -8, -0.8, -12, 0, -16 + std::abs(i) * 2.5);
        cairo_curve_to(cr, 0.8, -12, 3.0, -8, 3.4, 0);
        cairo_close_path(cr);
        fillAndInk(cr, (i % 2) ? kLeaf : lighten(kLeaf, 0.25), 0.8);
        cairo_restore(cr);
    }
    ellipsePath(cr, 0, cy, 11, 13.5);
    cairo_save(cr);
    linearShade(cr, -11, 0, 11, 0, lighten(kPineapple, 0.3), kPineappleDark);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    // criss-cross scales, drifting as it turns
    const double drift = std::fmod(spin * 4, 4.5);
    for (double d = -30; d < 30; d += 4.5) {
        cairo_move_to(cr, d + drift - 14, cy - 16);
        cairo_line_to(cr, d + drift + 14, cy + 16);
        cairo_move_to(cr, d - drift + 14, cy - 16);
        cairo_line_to(cr, d - drift - 14, cy + 16);
    }
    forge::setColour(cr, kPineappleDark);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
    ellipsePath(cr, 0, cy, 11, 13.5);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_restore(cr);
    shine(cr, cx - 4.5 * squeeze, cy - 6, 1.8 * squeeze, 3);
}

void bananas(cairo_t *cr, double w, double h, double turn) {
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, turn);
    cairo_translate(cr, -4, -8);   // the bunch hangs from its stalk
    for (int i = 1; i >= -1; --i) {
        cairo_save(cr);
        cairo_rotate(cr, i * 0.5);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 11, 1, 14, 12, 6, 19);
        cairo_curve_to(cr, 8, 12, 5, 5, -1, 3);
        cairo_close_path(cr);
        linearShade(cr, 0, 2, 12, 8, lighten(kBanana, 0.45), kBanana);
        cairo_fill_preserve(cr);
        forge::setColour(cr, kInk);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        inkedEllipse(cr, 6.2, 18.6, 1.2, 1.2, kBananaTip, 0);
        cairo_restore(cr);
    }
    cairo_rectangle(cr, -2.5, -2.5, 3.5, 3.5);   // the bunch's stalk
    fillAndInk(cr, 0x8A6A2A, 0.9);
    cairo_restore(cr);
}

void mango(cairo_t *cr, double w, double h, double turn) {
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2 + 1);
    cairo_rotate(cr, turn - 0.5);
    cairo_move_to(cr, -11.5, -1);
    cairo_curve_to(cr, -11, -8, 2, -10, 9, -6);
    cairo_curve_to(cr, 14, -2, 12, 8, 4, 9);
    cairo_curve_to(cr, -4, 10, -12, 6, -11.5, -1);
    cairo_close_path(cr);
    cairo_pattern_t *p = cairo_pattern_create_linear(-12, 0, 12, 0);
    const unsigned stops[3] = {kMangoGreen, kMangoOrange, kMangoRed};
    for (int i = 0; i < 3; ++i)
        cairo_pattern_add_color_stop_rgb(p, i * 0.5, ((stops[i] >> 16) & 255) / 255.0,
                                         ((stops[i] >> 8) & 255) / 255.0, (stops[i] & 255) / 255.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_move_to(cr, -11.5, -2);   // stalk and leaf
    cairo_curve_to(cr, -13, -7, -9, -12, -4, -12);
    cairo_curve_to(cr, -6, -8, -8, -5, -11.5, -2);
    fillAndInk(cr, kLeaf, 1);
    shine(cr, -2, -5, 3.2, 1.4);
    cairo_restore(cr);
}

void cherries(cairo_t *cr, double w, double, double swing) {
    cairo_save(cr);
    cairo_translate(cr, w / 2, 2.5);
    cairo_rotate(cr, swing);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, side * 2, 6, side * 4.5, 10, side * 5.2, 15);
        forge::setColour(cr, kInk);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke_preserve(cr);
        forge::setColour(cr, kStalk);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 0, 0);   // a leaf at the join
    cairo_curve_to(cr, 3, -3, 7, -2, 9, 1);
    cairo_curve_to(cr, 6, 3, 2, 2, 0, 0);
    fillAndInk(cr, kLeaf, 0.9);
    for (int side = -1; side <= 1; side += 2) {
        inkedEllipse(cr, side * 5.2, 19, 4.6, 4.4, kCherry, 1.1);
        shine(cr, side * 5.2 - 1.8, 17.2, 1.4, 1.0);
    }
    cairo_restore(cr);
}

using FruitDraw = void (*)(cairo_t *, double, double, double);

// Motion of frame i of n: a spin that slows down and ends at rest.
double settle(int i, int n, double turns) {
    const double t = double(i) / (n - 1);
    return turns * 2 * kPi * (1 - t) * (1 - t);
}

} // namespace

void drawFruit(cairo_t *cr) {
    const FruitDraw draws[4] = {pineapple, bananas, mango, cherries};
    for (int k = 0; k < 4; ++k) {
        const atlas::FruitBlock &b = atlas::kFruit[k];
        const int n = b.cols * b.rows;
        for (int i = 0; i < n; ++i) {
            const int x = b.x + (i % b.cols) * b.frameW, y = b.y + (i / b.cols) * b.frameH;
            enterRect(cr, x, y, x + b.frameW, y + b.frameH);
            double motion = settle(i, n, 2.0);
            if (k == 3) {   // the cherries swing instead of spinning
                const double t = double(i) / (n - 1);
                motion = 0.22 * (1 - t) * std::cos(t * 3 * kPi);
            }
            draws[k](cr, b.frameW, b.frameH, motion);
            cairo_restore(cr);
        }
    }
}

} // namespace sprites
