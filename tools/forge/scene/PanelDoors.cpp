// The panel doors that close over the screen between levels: two bamboo gates, the top
// one sliding down and the bottom one up, meeting at the middle where a padlock joins them.
#include "tools/forge/scene/IslandParts.h"
#include "tools/forge/scene/ScenePictures.h"
#include "tools/forge/scene/SceneSizes.h"

#include <cmath>

namespace scene {

using forge::setColour;

namespace {

constexpr unsigned kPole = 0xDCC46A;
constexpr unsigned kPoleDeep = 0xB8A248;
constexpr unsigned kBeam = 0x9C7A3A;
constexpr unsigned kRope = 0xD8B878;
constexpr int kPoleWidth = 32;
constexpr double kSeam = kDoorHeight;

void lashing(cairo_t *cr, double x, double y) {
    setColour(cr, 0x5A3A18);
    forge::roundedRect(cr, x - 7, y - 9, 14, 18, 3);
    cairo_fill(cr);
    setColour(cr, kRope);
    cairo_set_line_width(cr, 1.6);
    for (int k = -3; k <= 3; ++k) {
        cairo_move_to(cr, x - 6, y + k * 2.4 - 2);
        cairo_line_to(cr, x + 6, y + k * 2.4 + 2);
    }
    cairo_stroke(cr);
}

// Poles standing side by side from `top` to `bottom`, cut with rounded ends.
void poles(cairo_t *cr, double top, double bottom, uint32_t seed) {
    Rng rng(seed);
    fillRect(cr, 0, top, kScreenWidth, bottom - top, 0x3A2A10);
    for (int x = 0; x < kScreenWidth; x += kPoleWidth) {
        const unsigned tone = mix(kPole, kPoleDeep, rng.range(0, 1));
        bambooRod(cr, x + 1, top, kPoleWidth - 2, bottom - top, tone, true);
    }
}

// A cross beam of bamboo tied to every pole.
void beam(cairo_t *cr, double y, double h) {
    fillRect(cr, 0, y + h - 1, kScreenWidth, 4, 0x000000, 0.3);
    bambooRod(cr, 0, y, kScreenWidth, h, kBeam, false);
    for (int x = kPoleWidth; x < kScreenWidth; x += 2 * kPoleWidth)
        lashing(cr, x, y + h / 2);
}

// Both halves' meeting edges: a heavy beam on each side of the seam.
void seamBeams(cairo_t *cr) {
    beam(cr, kSeam - 26, 24);
    beam(cr, kSeam + 2, 24);
    fillRect(cr, 0, kSeam - 2, kScreenWidth, 4, 0x2A1A08);
}

// The padlock sits across the seam: its shackle on the top gate, its body on both.
void padlock(cairo_t *cr) {
    const double cx = kScreenWidth / 2.0, cy = kSeam + 6;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.6, 1.6);
    cairo_translate(cr, -cx, -cy);
    setColour(cr, 0x5A626B);
    cairo_set_line_width(cr, 9);
    cairo_arc(cr, cx, cy - 34, 22, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + 22, cy - 20);
    cairo_move_to(cr, cx - 22, cy - 20);
    cairo_line_to(cr, cx - 22, cy - 34);
    cairo_stroke(cr);
    setColour(cr, 0xC9D0D8);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, cx, cy - 34, 22, M_PI * 1.1, M_PI * 1.6);
    cairo_stroke(cr);
    // Body.
    forge::roundedRect(cr, cx - 38, cy - 26, 76, 58, 10);
    setColour(cr, 0x5A3A12);
    cairo_fill(cr);
    forge::roundedRect(cr, cx - 35, cy - 23, 70, 52, 8);
    cairo_pattern_t *p = cairo_pattern_create_linear(0, cy - 23, 0, cy + 29);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.86, 0.42);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.88, 0.66, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.62, 0.42, 0.1);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Keyhole and a banana stamped into the brass.
    setColour(cr, 0x2A1A08);
    cairo_arc(cr, cx, cy + 6, 6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 3.5, cy + 8);
    cairo_line_to(cr, cx + 3.5, cy + 8);
    cairo_line_to(cr, cx + 2, cy + 22);
    cairo_line_to(cr, cx - 2, cy + 22);
    cairo_close_path(cr);
    cairo_fill(cr);
    setColour(cr, 0xFFF0B0, 0.8);
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, cx, cy - 22, 12, 0.2 * M_PI, 0.8 * M_PI);
    cairo_stroke(cr);
    const double rivets[][2] = {{-28, -16}, {28, -16}, {-28, 22}, {28, 22}};
    for (const auto &r : rivets)
        nailHead(cr, cx + r[0], cy + r[1], 2.2);
    cairo_restore(cr);
}

// A carved sign hanging on each gate.
void sign(cairo_t *cr, double cy, const char *text) {
    const double w = 300, h = 64, x = (kScreenWidth - w) / 2, y = cy - h / 2;
    fillRect(cr, x + 6, y + 6, w, h, 0x000000, 0.3);
    forge::roundedRect(cr, x, y, w, h, 10);
    setColour(cr, 0x5E3717);
    cairo_fill(cr);
    forge::roundedRect(cr, x + 4, y + 4, w - 8, h - 8, 8);
    setColour(cr, 0x8A5530);
    cairo_fill(cr);
    Rng rng(3);
    cairo_save(cr);
    forge::roundedRect(cr, x + 4, y + 4, w - 8, h - 8, 8);
    cairo_clip(cr);
    woodGrain(cr, x + 4, y + 4, w - 8, h - 8, 0x8A5530, rng, false);
    cairo_restore(cr);
    forge::drawLettering(cr, text, kScreenWidth / 2.0, cy + 13, 36, 0xFFE14A, 0x5A2E0E, 3, forge::ALIGN_CENTRE);
    nailHead(cr, x + 14, cy, 3);
    nailHead(cr, x + w - 14, cy, 3);
}

} // namespace

bool forgePanelDoors(const std::string &game) {
    forge::Canvas c = forge::canvasCreate(kScreenWidth, kScreenHeight);
    cairo_t *cr = c.cr;
    poles(cr, 0, kSeam, 51);
    poles(cr, kSeam, kScreenHeight, 52);
    beam(cr, 40, 22);
    beam(cr, kScreenHeight - 62, 22);
    seamBeams(cr);
    sign(cr, 150, "ZUMBO");
    sign(cr, kScreenHeight - 150, "RUMBLE");
    padlock(cr);
    const bool ok = savePicture(c, dataFile(game, "levels/islands/bpanel.bmp"), forge::BMP_OPAQUE);
    forge::canvasFree(c);
    return ok;
}

} // namespace scene
