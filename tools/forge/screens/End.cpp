// The end screen (a JPEG): the monkeys celebrating on the beach under fireworks and
// confetti, with CONGRATULATIONS in carved letters.
#include "tools/forge/screens/Monkey.h"
#include "tools/forge/screens/Scenery.h"
#include "tools/forge/screens/Screens.h"
#include "tools/forge/screens/Wood.h"

#include <cmath>

namespace screens {

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr int kJpegQuality = 92;

void drawFirework(cairo_t *cr, double x, double y, double r, unsigned colour) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const int rays = 18;
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * M_PI / rays;
        cairo_move_to(cr, x + std::cos(a) * r * 0.3, y + std::sin(a) * r * 0.3);
        cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
        forge::setColour(cr, colour, 0.9);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_arc(cr, x + std::cos(a) * r * 1.12, y + std::sin(a) * r * 1.12, 2.2, 0, 2 * M_PI);
        forge::setColour(cr, 0xFFFFFF, 0.9);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawBackdrop(cairo_t *cr) {
    Rng rng(777);
    drawSky(cr, kWidth, 330, {0x3FA9E8, 0xFFE3A8});
    // sun rays fanning out behind everything
    cairo_save(cr);
    for (int i = 0; i < 24; ++i) {
        const double a0 = i * 2 * M_PI / 24, a1 = a0 + M_PI / 24;
        cairo_move_to(cr, 400, 330);
        cairo_line_to(cr, 400 + 900 * std::cos(a0), 330 + 900 * std::sin(a0));
        cairo_line_to(cr, 400 + 900 * std::cos(a1), 330 + 900 * std::sin(a1));
        cairo_close_path(cr);
    }
    cairo_set_source_rgba(cr, 1, 1, 0.85, 0.16);
    cairo_fill(cr);
    cairo_restore(cr);
    drawSun(cr, 400, 330, 52, 0xFFF6C8, 0xFFE08A);
    drawCloud(cr, 90, 230, 0.7, 0xFFFFFF, 0.9);
    drawCloud(cr, 660, 250, 0.6, 0xFFFFFF, 0.9);
    drawFirework(cr, 120, 150, 46, 0xFF5A8A);
    drawFirework(cr, 690, 140, 52, 0x7BE0FF);
    drawFirework(cr, 560, 250, 30, 0xFFE14A);
    drawFirework(cr, 250, 260, 26, 0x9CFF6A);
    drawSea(cr, kWidth, 330, 430, 0x1E9FD6, 0x0C6FA8, rng);
    drawBeach(cr, kWidth, kHeight, 430, 0xF3D9A0, 0xD9B878, rng);
    drawPalm(cr, 40, 600, 380, 60, 1.15, rng);
    drawPalm(cr, 768, 600, 360, -70, 1.1, rng);
    drawBush(cr, 110, 598, 1.1, rng);
    drawBush(cr, 700, 600, 1.0, rng);
}

void drawParty(cairo_t *cr) {
    drawCrate(cr, 360, 470, 80, 0);
    drawTrophy(cr, 400, 472, 1.3);
    drawMonkey(cr, 250, 560, 1.8, POSE_CHEER, MOOD_HAPPY, 1);
    drawMonkey(cr, 560, 566, 1.8, POSE_CHEER, MOOD_HAPPY, -1);
}

void drawEnd(cairo_t *cr) {
    drawBackdrop(cr);
    Rng rng(4242);
    drawConfetti(cr, {0, 0, double(kWidth), double(kHeight)}, 150, rng);
    drawParty(cr);
    drawWoodTitle(cr, "CONGRATULATIONS!", 400, 112, 60, 21, false);
    forge::drawLettering(cr, "Every wall on the island is down!", 400, 168, 28, kCream, kOutline, 2.5,
                         forge::ALIGN_CENTRE);
    forge::drawLettering(cr, "You are the champions of the island", 400, 202, 20, kCream, kOutline, 2,
                         forge::ALIGN_CENTRE);
}

} // namespace

bool forgeEnd(const std::string &gameDir) {
    forge::Canvas c = forge::canvasCreate(kWidth, kHeight);
    drawEnd(c.cr);
    const bool ok = forge::writeJpeg(c, outPath(gameDir, "data/general/ENGLISH/end.jpg"), kJpegQuality);
    forge::canvasFree(c);
    return ok;
}

} // namespace screens
