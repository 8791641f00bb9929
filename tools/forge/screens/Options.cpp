// The options screen: a notice board with the music and effects rows, their volume
// troughs and arrows, the reset button and Back; the lit pictures and the volume bar.
#include "tools/forge/screens/Monkey.h"
#include "tools/forge/screens/Scenery.h"
#include "tools/forge/screens/Screens.h"
#include "tools/forge/screens/Wood.h"

#include <cmath>

namespace screens {

namespace {

constexpr int kWidth = 800, kHeight = 600;

enum { LIT_BACK, LIT_MUSIC_DOWN, LIT_MUSIC_UP, LIT_EFFECTS_DOWN, LIT_EFFECTS_UP, LIT_RESET, LIT_COUNT };
const LitPicture kLit[LIT_COUNT] = {
    {"data/general/ENGLISH/menu/backon.bmp", 350, 484, 95, 46},
    {"data/sprites/vlefton.bmp", 484, 166, 22, 25},
    {"data/sprites/vrighton.bmp", 621, 166, 21, 26},
    {"data/sprites/sleft.bmp", 483, 227, 23, 26},
    {"data/sprites/sright.bmp", 622, 228, 20, 25},
    {"data/general/ENGLISH/menu/resetscore.bmp", 479, 366, 143, 26},
};

// The arrows fill their hot rectangles; the bars are drawn at (518, 159) and (518, 221).
const Box kArrows[4] = {{484, 167, 21, 22}, {621, 167, 20, 24}, {484, 228, 21, 24}, {622, 228, 19, 24}};
constexpr int kBarWidth = 94, kBarHeight = 36;
const Box kTroughs[2] = {{518, 159, kBarWidth, kBarHeight}, {518, 221, kBarWidth, kBarHeight}};
const Box kResetSign{482, 369, 136, 20};
const Box kBackSign{354, 489, 86, 36};
const Box kBoard{196, 108, 500, 452};
constexpr unsigned kTroughColour = 0x3A2414;

// The bar reveals one segment per volume step; the right edges follow the game's bar widths.
constexpr int kSegmentEnds[9] = {10, 20, 30, 40, 50, 64, 74, 84, 94};

void segmentBox(int i, double &x, double &w, double &top) {
    const int start = i == 0 ? 0 : kSegmentEnds[i - 1];
    x = start + 1.5;
    w = kSegmentEnds[i] - start - 3;
    top = kBarHeight - 5 - (9 + 21.0 * i / 8);
}

void segmentPath(cairo_t *cr, double originX, double originY, int i) {
    double x, w, top;
    segmentBox(i, x, w, top);
    forge::roundedRect(cr, originX + x, originY + top, w, kBarHeight - 5 - top, 2);
}

unsigned segmentColour(int i) {
    static const unsigned colours[9] = {0x4FBF55, 0x6BCB4A, 0x8FD13E, 0xB5D335, 0xDCCF2E,
                                        0xFFD23A, 0xFFB030, 0xFF8A2A, 0xF2552A};
    return colours[i];
}

void drawTrough(cairo_t *cr, const Box &t) {
    drawInset(cr, {t.x - 2, t.y, t.w + 4, t.h}, kTroughColour, 5);
    for (int i = 0; i < 9; ++i) {
        segmentPath(cr, t.x, t.y, i);
        cairo_set_source_rgba(cr, 1, 0.9, 0.7, 0.16);
        cairo_fill(cr);
    }
}

void drawRowLabel(cairo_t *cr, const char *label, double baseline, bool music) {
    forge::drawLettering(cr, label, 262, baseline, 26, kCream, kOutline, 2.2, forge::ALIGN_LEFT);
    // a little icon before the word: a note for music, a coconut being hit for effects
    cairo_save(cr);
    if (music) {
        forge::setColour(cr, kOutline);
        cairo_arc(cr, 232, baseline - 4, 6, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_arc(cr, 246, baseline - 8, 6, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_rectangle(cr, 236, baseline - 26, 3, 22);
        cairo_rectangle(cr, 250, baseline - 30, 3, 22);
        cairo_fill(cr);
        cairo_move_to(cr, 236, baseline - 26);
        cairo_line_to(cr, 253, baseline - 30);
        cairo_line_to(cr, 253, baseline - 24);
        cairo_line_to(cr, 236, baseline - 20);
        cairo_close_path(cr);
        cairo_fill(cr);
    } else {
        drawCoconut(cr, 238, baseline - 9, 9);
        drawStarburst(cr, 252, baseline - 20, 10, 0xFFE14A);
    }
    cairo_restore(cr);
}

void drawBackdrop(cairo_t *cr) {
    Rng rng(606);
    drawSky(cr, kWidth, 300, kDaySky);
    drawCloud(cr, 80, 60, 0.8, 0xFFFFFF, 0.9);
    drawCloud(cr, 700, 110, 0.7, 0xFFFFFF, 0.9);
    drawSea(cr, kWidth, 300, 420, 0x1E9FD6, 0x0C6FA8, rng);
    drawBeach(cr, kWidth, kHeight, 420, 0xF3D9A0, 0xD9B878, rng);
    drawPalm(cr, 70, 595, 330, 40, 1.0, rng);
    drawPalm(cr, 745, 595, 300, -50, 1.0, rng);
    drawBush(cr, 150, 596, 1.0, rng);
    drawMonkey(cr, 745, 590, 0.9, POSE_WAVE, MOOD_HAPPY, -1);
}

void drawBoard(cairo_t *cr) {
    Rng rng(808);
    drawPlankBoard(cr, kBoard, 38, kWoodMid, rng, 12);
    drawWoodTitle(cr, "OPTIONS", 446, 90, 56, 3);
    drawRowLabel(cr, "MUSIC", 187, true);
    drawRowLabel(cr, "EFFECTS", 249, false);
    for (const Box &t : kTroughs)
        drawTrough(cr, t);
    cairo_move_to(cr, 226, 310.5);
    cairo_line_to(cr, 666, 310.5);
    cairo_set_source_rgba(cr, 0.23, 0.12, 0.03, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    forge::drawLettering(cr, "NEW START", 228, 387, 22, kCream, kOutline, 2, forge::ALIGN_LEFT);
    forge::drawLettering(cr, "forgets the high scores and the levels reached", 228, 420, 12.5, 0xFFF4D6, 0x3A1E08,
                         1.2, forge::ALIGN_LEFT);
    forge::drawLettering(cr, "click the arrows to turn the sound down or up", 446, 290, 12.5, 0xFFF4D6, 0x3A1E08,
                         1.2, forge::ALIGN_CENTRE);
    forge::drawLettering(cr, "Press H to see the high scores", 446, 464, 13, 0xFFF4D6, 0x3A1E08, 1.2,
                         forge::ALIGN_CENTRE);
}

void drawButtons(cairo_t *cr, bool lit) {
    const int arrowLit[4] = {LIT_MUSIC_DOWN, LIT_MUSIC_UP, LIT_EFFECTS_DOWN, LIT_EFFECTS_UP};
    for (int i = 0; i < 4; ++i) {
        if (lit)
            clipTo(cr, kLit[arrowLit[i]].box());
        else
            cairo_save(cr);
        drawArrowButton(cr, kArrows[i], i % 2 ? 1 : -1, lit);
        cairo_restore(cr);
    }
    const struct {
        const Box &sign;
        const char *label;
        double size;
        int lit;
    } signs[] = {{kResetSign, "RESET SCORES", 13, LIT_RESET}, {kBackSign, "BACK", 22, LIT_BACK}};
    for (const auto &s : signs) {
        if (lit)
            clipTo(cr, kLit[s.lit].box());
        else
            cairo_save(cr);
        drawSign(cr, s.sign, s.label, s.size, lit, s.lit == LIT_RESET ? 1.5 : 3);
        cairo_restore(cr);
    }
}

void drawOptions(cairo_t *cr, bool lit) {
    drawBackdrop(cr);
    drawBoard(cr);
    drawButtons(cr, lit);
}

bool writeBar(const std::string &path) {
    forge::Canvas c = forge::canvasCreate(kBarWidth, kBarHeight);
    for (int i = 0; i < 9; ++i) {
        double x, w, top;
        segmentBox(i, x, w, top);
        const Box seg{x, top, w, kBarHeight - 5 - top};
        segmentPath(c.cr, 0, 0, i);
        forge::setColour(c.cr, 0x2A1606);
        cairo_set_line_width(c.cr, 1.6);
        cairo_stroke_preserve(c.cr);
        forge::setColour(c.cr, segmentColour(i));
        cairo_fill(c.cr);
        fillBox(c.cr, {seg.x + 1, seg.y + 1, seg.w - 2, 2.5}, 0xFFFFFF, 0.45);
        fillBox(c.cr, {seg.x + 1, seg.y + seg.h - 2.5, seg.w - 2, 1.5}, 0x000000, 0.2);
    }
    const bool ok = forge::writeBmp(c, path, forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace

bool forgeOptions(const std::string &gameDir) {
    forge::Canvas dark = forge::canvasCreate(kWidth, kHeight);
    drawOptions(dark.cr, false);
    bool ok = forge::writeBmp(dark, outPath(gameDir, "data/general/ENGLISH/menu/optionsoff.bmp"), forge::BMP_OPAQUE);
    forge::canvasFree(dark);
    forge::Canvas lit = forge::canvasCreate(kWidth, kHeight);
    drawOptions(lit.cr, true);
    ok = writeLitPictures(lit, kLit, LIT_COUNT, gameDir) && ok;
    forge::canvasFree(lit);
    return writeBar(outPath(gameDir, "data/sprites/progress.bmp")) && ok;
}

} // namespace screens
