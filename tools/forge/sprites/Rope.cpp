// The twisted rope (see Rope.h).
#include "tools/forge/sprites/Rope.h"

#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr unsigned kRopeBase = 0xD2AD6E;
constexpr unsigned kRopeDark = 0x8A6234;
constexpr unsigned kRopeLight = 0xF0D8A4;
constexpr unsigned kRopeInk = 0x4E3416;

} // namespace

// Light from above: bright near the top of the rope, dark underneath, so it reads round.
void roundShade(cairo_t *cr, double top, double bottom) {
    cairo_pattern_t *p = cairo_pattern_create_linear(0, top, 0, bottom);
    const unsigned stops[4] = {kRopeBase, kRopeLight, kRopeBase, kRopeDark};
    const double at[4] = {0.0, 0.3, 0.6, 1.0};
    for (int i = 0; i < 4; ++i)
        cairo_pattern_add_color_stop_rgb(p, at[i], ((stops[i] >> 16) & 255) / 255.0, ((stops[i] >> 8) & 255) / 255.0,
                                         (stops[i] & 255) / 255.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void drawRopeRun(cairo_t *cr, double x0, double x1, double y, double shift) {
    const double top = y - kRopeThick / 2, bottom = y + kRopeThick / 2;
    cairo_save(cr);
    cairo_rectangle(cr, x0, top, x1 - x0, kRopeThick);
    roundShade(cr, top, bottom);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    const double step = kRopePeriod / kRopeTwists;
    const double start = x0 - 2 * step + std::fmod(shift, step) - step;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double x = start; x < x1 + 2 * step; x += step) {
        // each twist: a dark groove slanting down to the left, a glint on the strand above it
        cairo_move_to(cr, x + 4.0, top);
        cairo_curve_to(cr, x + 3.0, top + 3, x + 0.5, bottom - 3, x - 0.5, bottom);
        forge::setColour(cr, kRopeInk, 0.85);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        cairo_move_to(cr, x + 7.2, top + 1.6);
        cairo_line_to(cr, x + 6.0, top + 3.6);
        forge::setColour(cr, 0xFFF6DC, 0.9);
        cairo_set_line_width(cr, 1.1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    cairo_set_line_width(cr, 1);
    forge::setColour(cr, kRopeInk);
    cairo_move_to(cr, x0, top + 0.5);
    cairo_line_to(cr, x1, top + 0.5);
    cairo_move_to(cr, x0, bottom - 0.5);
    cairo_line_to(cr, x1, bottom - 0.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawRopeTurn(cairo_t *cr, double cx, double cy, double radius, double turn) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, kPi / 2, 3 * kPi / 2);
    forge::setColour(cr, kRopeInk);
    cairo_set_line_width(cr, kRopeThick);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, radius, kPi / 2, 3 * kPi / 2);
    cairo_pattern_t *p = cairo_pattern_create_radial(cx, cy, radius - kRopeThick / 2, cx, cy, radius + kRopeThick / 2);
    const unsigned stops[3] = {kRopeDark, kRopeLight, kRopeDark};
    for (int i = 0; i < 3; ++i)
        cairo_pattern_add_color_stop_rgb(p, i * 0.5, ((stops[i] >> 16) & 255) / 255.0,
                                         ((stops[i] >> 8) & 255) / 255.0, (stops[i] & 255) / 255.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, kRopeThick - 2);
    cairo_stroke(cr);
    const double step = (kRopePeriod / kRopeTwists) / radius;
    for (double a = kPi / 2 + std::fmod(turn, step); a < 3 * kPi / 2; a += step) {
        const double c = std::cos(a), s = std::sin(a);
        const double rIn = radius - kRopeThick / 2 + 1, rOut = radius + kRopeThick / 2 - 1;
        cairo_move_to(cr, cx + c * rIn, cy + s * rIn);
        cairo_line_to(cr, cx + std::cos(a + 0.25) * rOut, cy + std::sin(a + 0.25) * rOut);
        forge::setColour(cr, kRopeInk, 0.85);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

} // namespace sprites
