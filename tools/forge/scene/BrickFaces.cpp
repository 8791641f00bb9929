// The intact faces of the brick designs: wooden and painted planks, crates, iron-bound
// crates, riveted metal and stone blocks, each filling its whole rectangle.
#include "tools/forge/scene/BrickParts.h"

#include <algorithm>
#include <cmath>

namespace scene {

using forge::BrickDesign;
using forge::setColour;

constexpr unsigned kRawWood = 0xD9A865;
constexpr unsigned kBraceWood = 0x7A4E24;
constexpr unsigned kIron = 0x6E747B;

// Lighter top edge, darker bottom edge and a thin dark outline: the bevel every brick shares.
static void bevel(cairo_t *cr, const BrickDesign &d, unsigned base, double strength) {
    fillRect(cr, d.x, d.y, d.w, 2, lighten(base, 0.38 * strength), 0.9);
    fillRect(cr, d.x, d.y, 1.5, d.h, lighten(base, 0.22 * strength), 0.7);
    fillRect(cr, d.x, d.y + d.h - 3, d.w, 3, darken(base, 0.35 * strength), 0.85);
    fillRect(cr, d.x + d.w - 2, d.y, 2, d.h, darken(base, 0.28 * strength), 0.7);
    setColour(cr, darken(base, 0.62));
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, d.x + 0.5, d.y + 0.5, d.w - 1, d.h - 1);
    cairo_stroke(cr);
}

// Soft shading from top to bottom so the face looks rounded.
static void bodyShade(cairo_t *cr, const BrickDesign &d, unsigned base) {
    verticalGradient(cr, d.x, d.y, d.w, d.h, lighten(base, 0.12), darken(base, 0.12));
}

static void plankNails(cairo_t *cr, const BrickDesign &d) {
    const bool vertical = d.h > d.w;
    if (vertical) {
        nailHead(cr, d.x + d.w / 2.0, d.y + 5, 1.6);
        nailHead(cr, d.x + d.w / 2.0, d.y + d.h - 6, 1.6);
        return;
    }
    const double cy = d.y + d.h / 2.0 - 0.5;
    nailHead(cr, d.x + 5, cy, 1.6);
    nailHead(cr, d.x + d.w - 6, cy, 1.6);
}

static void plankFace(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    bodyShade(cr, d, d.colour);
    woodGrain(cr, d.x, d.y + 1, d.w, d.h - 2, d.colour, rng, d.h > d.w);
    bevel(cr, d, d.colour, 1.0);
    plankNails(cr, d);
}

// Paint worn through at a few spots along the edges shows the wood below.
static void wornPaint(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    const int spots = 2 + rng.below(2);
    for (int i = 0; i < spots; ++i) {
        const bool top = rng.next() < 0.5;
        const double cx = d.x + rng.range(6, d.w - 6);
        const double cy = top ? d.y + 2.5 : d.y + d.h - 3.5;
        setColour(cr, kRawWood, 0.6);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rng.range(1.5, 3.0), 0.9);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
    }
}

static void paintedFace(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    bodyShade(cr, d, d.colour);
    woodGrain(cr, d.x, d.y + 1, d.w, d.h - 2, d.colour, rng, false, 0.7, false);
    // Glossy stripe of fresh paint.
    fillRect(cr, d.x + 2, d.y + 4, d.w - 4, 2.5, lighten(d.colour, 0.45), 0.35);
    wornPaint(cr, d, rng);
    bevel(cr, d, d.colour, 1.2);
    plankNails(cr, d);
}

// Frame boards around the edge and slats inside, with the diagonal brace.
static void crateBody(cairo_t *cr, const BrickDesign &d, Rng &rng, unsigned base) {
    const double b = std::max(4.0, std::round(d.w * 0.15));
    fillRect(cr, d.x, d.y, d.w, d.h, darken(base, 0.22));
    const int slats = d.w >= 40 ? 3 : 2;
    const double slatW = (d.w - 2 * b) / slats;
    for (int i = 0; i < slats; ++i) {
        const double sx = d.x + b + i * slatW;
        const unsigned slat = darken(base, 0.1 + 0.05 * (i % 2));
        fillRect(cr, sx, d.y + b, slatW, d.h - 2 * b, slat);
        woodGrain(cr, sx, d.y + b, slatW, d.h - 2 * b, slat, rng, true, 0.8);
        fillRect(cr, sx + slatW - 1, d.y + b, 1, d.h - 2 * b, darken(base, 0.5), 0.7);
    }
    // Inner shadow under the frame.
    fillRect(cr, d.x + b, d.y + b, d.w - 2 * b, 2, darken(base, 0.5), 0.5);
    // Diagonal brace from the bottom left to the top right.
    cairo_save(cr);
    cairo_rectangle(cr, d.x + b, d.y + b, d.w - 2 * b, d.h - 2 * b);
    cairo_clip(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, d.x + b, d.y + d.h - b);
    cairo_line_to(cr, d.x + d.w - b, d.y + b);
    setColour(cr, darken(kBraceWood, 0.35));
    cairo_set_line_width(cr, b * 1.25 + 1.5);
    cairo_stroke_preserve(cr);
    setColour(cr, kBraceWood);
    cairo_set_line_width(cr, b * 1.25);
    cairo_stroke_preserve(cr);
    setColour(cr, lighten(kBraceWood, 0.25), 0.6);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Frame boards: top, bottom, left, right.
    const unsigned frame = lighten(base, 0.08);
    const double rects[4][4] = {{0, 0, (double)d.w, b}, {0, d.h - b, (double)d.w, b},
                                {0, b, b, d.h - 2 * b}, {d.w - b, b, b, d.h - 2 * b}};
    for (int i = 0; i < 4; ++i) {
        const double *r = rects[i];
        fillRect(cr, d.x + r[0], d.y + r[1], r[2], r[3], frame);
        woodGrain(cr, d.x + r[0], d.y + r[1], r[2], r[3], frame, rng, i >= 2, 0.6);
        fillRect(cr, d.x + r[0], d.y + r[1], r[2], 1, lighten(frame, 0.35), 0.8);
        fillRect(cr, d.x + r[0], d.y + r[1] + r[3] - 1, r[2], 1, darken(frame, 0.45), 0.8);
    }
}

static void crateFace(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    crateBody(cr, d, rng, d.colour);
    bevel(cr, d, d.colour, 0.8);
    const double n = std::max(4.0, std::round(d.w * 0.15)) / 2;
    nailHead(cr, d.x + n, d.y + n, 1.4);
    nailHead(cr, d.x + d.w - n - 0.5, d.y + n, 1.4);
    nailHead(cr, d.x + n, d.y + d.h - n - 0.5, 1.4);
    nailHead(cr, d.x + d.w - n - 0.5, d.y + d.h - n - 0.5, 1.4);
}

static void rivet(cairo_t *cr, double x, double y, double r) {
    setColour(cr, 0x2C3036, 0.55);
    cairo_arc(cr, x + 0.5, y + 0.6, r + 0.4, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_t *p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, 0, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.97, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.49, 0.54);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// An iron band across the crate with a rivet at each end.
static void ironBand(cairo_t *cr, double x, double y, double w, double h) {
    fillRect(cr, x, y, w, h, kIron);
    fillRect(cr, x, y, w, 1, 0xB5BCC4, 0.9);
    fillRect(cr, x, y + h - 1, w, 1, 0x33373C, 0.9);
}

static void ironCorner(cairo_t *cr, double x, double y, double size, int sx, int sy) {
    const double t = 4;
    ironBand(cr, sx > 0 ? x : x - size, sy > 0 ? y : y - t, size, t);
    ironBand(cr, sx > 0 ? x : x - t, sy > 0 ? y : y - size, t, size);
    rivet(cr, x + sx * 2, y + sy * 2, 1.4);
}

static void reinforcedFace(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    crateBody(cr, d, rng, d.colour);
    const double size = d.w * 0.4;
    ironCorner(cr, d.x, d.y, size, 1, 1);
    ironCorner(cr, d.x + d.w, d.y, size, -1, 1);
    ironCorner(cr, d.x, d.y + d.h, size, 1, -1);
    ironCorner(cr, d.x + d.w, d.y + d.h, size, -1, -1);
    const double bandH = std::max(4.0, d.h * 0.14);
    ironBand(cr, d.x, d.y + (d.h - bandH) / 2, d.w, bandH);
    rivet(cr, d.x + d.w / 2.0, d.y + d.h / 2.0, 1.5);
    setColour(cr, 0x2A1A0C);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, d.x + 0.5, d.y + 0.5, d.w - 1, d.h - 1);
    cairo_stroke(cr);
}

static void metalFace(cairo_t *cr, const BrickDesign &d, Rng &) {
    cairo_pattern_t *p = cairo_pattern_create_linear(d.x, d.y, d.x + d.w * 0.6, d.y + d.h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.80, 0.84, 0.88);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.60, 0.64, 0.68);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.47, 0.51, 0.56);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, d.x, d.y, d.w, d.h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Brushed lines along the plate.
    for (int i = 2; i < d.h - 2; i += 2)
        fillRect(cr, d.x + 2, d.y + i, d.w - 4, 0.5, i % 4 ? 0xFFFFFF : 0x404850, 0.12);
    // Cool sheen across the plate.
    cairo_save(cr);
    cairo_rectangle(cr, d.x, d.y, d.w, d.h);
    cairo_clip(cr);
    cairo_move_to(cr, d.x + d.w * 0.25, d.y);
    cairo_line_to(cr, d.x + d.w * 0.25 + 8, d.y);
    cairo_line_to(cr, d.x + d.w * 0.25 + 8 - d.h * 0.6, d.y + d.h);
    cairo_line_to(cr, d.x + d.w * 0.25 - d.h * 0.6, d.y + d.h);
    cairo_close_path(cr);
    setColour(cr, 0xEAF6FF, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    // Raised rim.
    fillRect(cr, d.x, d.y, d.w, 2, 0xE4EBF2, 0.95);
    fillRect(cr, d.x, d.y, 2, d.h, 0xD0D8E0, 0.9);
    fillRect(cr, d.x, d.y + d.h - 2, d.w, 2, 0x4E565F);
    fillRect(cr, d.x + d.w - 2, d.y, 2, d.h, 0x5A626B);
    if (d.h >= 30) {
        // Pressed cross on the square plates.
        setColour(cr, 0x5A626B, 0.55);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, d.x + 6, d.y + 6);
        cairo_line_to(cr, d.x + d.w - 6, d.y + d.h - 6);
        cairo_move_to(cr, d.x + d.w - 6, d.y + 6);
        cairo_line_to(cr, d.x + 6, d.y + d.h - 6);
        cairo_stroke(cr);
        setColour(cr, 0xE4EBF2, 0.45);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, d.x + 6, d.y + 7.5);
        cairo_line_to(cr, d.x + d.w - 7.5, d.y + d.h - 6);
        cairo_stroke(cr);
    }
    setColour(cr, 0x2C3036);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, d.x + 0.5, d.y + 0.5, d.w - 1, d.h - 1);
    cairo_stroke(cr);
    const double in = 4.5;
    rivet(cr, d.x + in, d.y + in, 1.6);
    rivet(cr, d.x + d.w - in, d.y + in, 1.6);
    rivet(cr, d.x + in, d.y + d.h - in, 1.6);
    rivet(cr, d.x + d.w - in, d.y + d.h - in, 1.6);
}

// A chiselled block: lighter top and left faces, darker bottom and right ones, and a
// speckled face with a few natural veins.
static void stoneBlock(cairo_t *cr, double x, double y, double w, double h, unsigned base, Rng &rng) {
    const double b = std::min(4.0, h * 0.2);
    fillRect(cr, x, y, w, h, darken(base, 0.38));
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w - b, y + b);
    cairo_line_to(cr, x + b, y + b);
    cairo_line_to(cr, x + b, y + h - b);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    setColour(cr, lighten(base, 0.22));
    cairo_fill(cr);
    fillRect(cr, x + b, y + b, w - 2 * b, h - 2 * b, base);
    verticalGradient(cr, x + b, y + b, w - 2 * b, h - 2 * b, lighten(base, 0.06), darken(base, 0.14));
    const int specks = static_cast<int>(w * h / 14);
    for (int i = 0; i < specks; ++i) {
        const bool dark = rng.next() < 0.6;
        setColour(cr, dark ? darken(base, 0.35) : lighten(base, 0.3), 0.5);
        cairo_arc(cr, x + b + rng.range(0, w - 2 * b), y + b + rng.range(0, h - 2 * b), rng.range(0.3, 0.8), 0,
                  2 * M_PI);
        cairo_fill(cr);
    }
    setColour(cr, darken(base, 0.45), 0.45);
    cairo_set_line_width(cr, 0.7);
    double vx = x + b + rng.range(0, w - 2 * b), vy = y + b;
    cairo_move_to(cr, vx, vy);
    for (int i = 0; i < 4; ++i) {
        vx += rng.range(-3, 3);
        vy += (h - 2 * b) / 4;
        cairo_line_to(cr, vx, vy);
    }
    cairo_stroke(cr);
}

static void stoneFace(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    cairo_save(cr);
    cairo_rectangle(cr, d.x, d.y, d.w, d.h);
    cairo_clip(cr);
    if (d.w > 2 * d.h) {
        // A slab: two blocks side by side.
        const double split = std::round(d.w * 0.55);
        stoneBlock(cr, d.x, d.y, split, d.h, d.colour, rng);
        stoneBlock(cr, d.x + split, d.y, d.w - split, d.h, darken(d.colour, 0.06), rng);
    } else {
        stoneBlock(cr, d.x, d.y, d.w, d.h, d.colour, rng);
    }
    // A tuft of moss on top.
    setColour(cr, 0x4E8A3A, 0.85);
    const double mx = d.x + rng.range(0.2, 0.6) * d.w;
    cairo_save(cr);
    cairo_translate(cr, mx, d.y + 1);
    cairo_scale(cr, d.w * 0.14, 2.2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    setColour(cr, 0x2A2A28);
    cairo_set_line_width(cr, 1.4);
    cairo_rectangle(cr, d.x + 0.7, d.y + 0.7, d.w - 1.4, d.h - 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawBrickFace(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    cairo_save(cr);
    cairo_rectangle(cr, d.x, d.y, d.w, d.h);
    cairo_clip(cr);
    switch (d.look) {
    case forge::LOOK_PLANK: plankFace(cr, d, rng); break;
    case forge::LOOK_PAINTED: paintedFace(cr, d, rng); break;
    case forge::LOOK_CRATE: crateFace(cr, d, rng); break;
    case forge::LOOK_REINFORCED: reinforcedFace(cr, d, rng); break;
    case forge::LOOK_METAL: metalFace(cr, d, rng); break;
    case forge::LOOK_STONE: stoneFace(cr, d, rng); break;
    }
    cairo_restore(cr);
}

} // namespace scene
