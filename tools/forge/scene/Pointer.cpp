// The mouse pointer: a banana-yellow arrow with its tip at the top-left corner (the hot
// spot); frame 0 rests, frames 1..4 run a glint down the arrow and twinkle a star.
#include "tools/forge/scene/SceneKit.h"
#include "tools/forge/scene/ScenePictures.h"
#include "tools/forge/scene/SceneSizes.h"

#include <cmath>

namespace scene {

using forge::setColour;

namespace {

constexpr unsigned kBanana = 0xFFD93A;
constexpr unsigned kBananaDeep = 0xE49A1C;
constexpr unsigned kOutline = 0x5A2E0E;

// The arrow outline, tip at (0.8, 0.8).
void arrowPath(cairo_t *cr, double ox) {
    const double pts[][2] = {{0.8, 0.8}, {0.8, 24.5}, {6.2, 19.6}, {10.4, 29.0}, {14.6, 27.0},
                             {10.6, 18.0}, {17.6, 18.0}};
    cairo_move_to(cr, ox + pts[0][0], pts[0][1]);
    for (const auto &p : pts)
        cairo_line_to(cr, ox + p[0], p[1]);
    cairo_close_path(cr);
}

void starAt(cairo_t *cr, double x, double y, double r, double alpha) {
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 - M_PI / 2, rr = i % 2 ? r * 0.3 : r;
        if (i == 0)
            cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        else
            cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    }
    cairo_close_path(cr);
    setColour(cr, 0x8A5A10, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke_preserve(cr);
    setColour(cr, 0xFFFCE8, alpha);
    cairo_fill(cr);
}

// glint: 0 none, else 0..1 how far down the arrow the shine has run.
void pointerFrame(cairo_t *cr, double ox, double glint, double star) {
    // Dark outline all round, a soft shadow below.
    cairo_save(cr);
    cairo_translate(cr, 1.2, 1.6);
    arrowPath(cr, ox);
    cairo_restore(cr);
    setColour(cr, 0x3A1E08, 0.6);
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    arrowPath(cr, ox);
    cairo_pattern_t *p = cairo_pattern_create_linear(ox, 0, ox + 16, 26);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 0.55, ((kBanana >> 16) & 0xFF) / 255.0, ((kBanana >> 8) & 0xFF) / 255.0,
                                     (kBanana & 0xFF) / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, ((kBananaDeep >> 16) & 0xFF) / 255.0,
                                     ((kBananaDeep >> 8) & 0xFF) / 255.0, (kBananaDeep & 0xFF) / 255.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // A ripe banana's brown tip at the end of the tail and a bright edge on the left.
    setColour(cr, 0x6B3A12);
    cairo_arc(cr, ox + 12.5, 28.0, 1.9, 0, 2 * M_PI);
    cairo_fill(cr);
    setColour(cr, 0xFFFBD8, 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, ox + 2.3, 4.5);
    cairo_line_to(cr, ox + 2.3, 19.5);
    cairo_stroke(cr);
    if (glint > 0) {
        cairo_save(cr);
        arrowPath(cr, ox);
        cairo_clip(cr);
        const double y = -4 + glint * 30;
        cairo_move_to(cr, ox, y);
        cairo_line_to(cr, ox + 20, y - 9);
        cairo_line_to(cr, ox + 20, y - 5);
        cairo_line_to(cr, ox, y + 4);
        cairo_close_path(cr);
        setColour(cr, 0xFFFFFF, 0.75);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    if (star > 0)
        starAt(cr, ox + 14.5, 6.0, 2.0 + 3.5 * star, 1.0);
}

} // namespace

bool forgePointer(const std::string &game) {
    forge::Canvas c = forge::canvasCreate(kPointerWidth * kPointerFrames, kPointerHeight);
    const double glints[kPointerFrames] = {0, 0.15, 0.45, 0.75, 1.0};
    const double stars[kPointerFrames] = {0, 0.2, 1.0, 0.5, 0};
    for (int f = 0; f < kPointerFrames; ++f)
        pointerFrame(c.cr, f * kPointerWidth, glints[f], stars[f]);
    const bool ok = savePicture(c, dataFile(game, "general/curseur.bmp"), forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace scene
