// The main menu: the title screen with its signpost of buttons and the level chooser, and
// the lit buttons and arrows cut from the same screen drawn lit, so they cover their twins exactly.
#include "tools/forge/screens/Monkey.h"
#include "tools/forge/screens/Scenery.h"
#include "tools/forge/screens/Screens.h"
#include "tools/forge/screens/Wood.h"

#include <cmath>

namespace screens {

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr double kHorizon = 292, kShore = 392;

enum { LIT_PLAY, LIT_OPTIONS, LIT_QUIT, LIT_LEFT, LIT_RIGHT, LIT_COUNT };
const LitPicture kLit[LIT_COUNT] = {
    {"data/general/ENGLISH/menu/playon.bmp", 343, 196, 112, 56},
    {"data/general/ENGLISH/menu/optionson.bmp", 332, 378, 150, 52},
    {"data/general/ENGLISH/menu/quiton.bmp", 332, 459, 160, 62},
    {"data/sprites/lefton.bmp", 348, 306, 41, 31},
    {"data/sprites/righton.bmp", 427, 306, 31, 31},
};

// Signs sit just around the hot rectangles (350, 207)-(447, 243), (350, 382)-(467, 423),
// (350, 468)-(477, 513); the glow stays inside each lit picture.
const Box kPlaySign{348, 205, 102, 41};
const Box kOptionsSign{348, 383, 122, 42};
const Box kQuitSign{348, 467, 132, 49};
const Box kLevelBoard{336, 262, 134, 78};
const Box kLeftArrow{355, 306, 33, 31};
const Box kRightArrow{427, 306, 31, 31};
const Box kNumberBox{390, 309, 36, 22};   // the level number is right-aligned at x 424, top 313
constexpr double kPostX = 399;

void drawBackdrop(cairo_t *cr) {
    Rng rng(2024);
    drawSky(cr, kWidth, kHorizon, kDaySky);
    drawSun(cr, 700, 74, 34, 0xFFF9D0, 0xFFF1A0);
    drawCloud(cr, 90, 70, 0.9, 0xFFFFFF, 0.95);
    drawCloud(cr, 560, 200, 0.7, 0xFFFFFF, 0.9);
    drawCloud(cr, 250, 235, 0.5, 0xFFFFFF, 0.85);
    drawCloud(cr, 700, 250, 0.45, 0xFFFFFF, 0.8);
    drawGull(cr, 300, 190, 18, 0x3A4A5A);
    drawGull(cr, 326, 178, 13, 0x3A4A5A);
    drawGull(cr, 505, 200, 15, 0x3A4A5A);
    // a far island on the horizon
    cairo_move_to(cr, 520, kHorizon + 1);
    cairo_curve_to(cr, 560, kHorizon - 26, 640, kHorizon - 30, 690, kHorizon + 1);
    cairo_close_path(cr);
    forge::setColour(cr, 0x4E9A7A);
    cairo_fill(cr);
    drawSea(cr, kWidth, kHorizon, kShore, 0x1E9FD6, 0x0C6FA8, rng);
    drawBeach(cr, kWidth, kHeight, kShore, 0xF3D9A0, 0xD9B878, rng);
    drawPalm(cr, 70, 590, 360, 70, 1.15, rng);
    drawPalm(cr, 20, 560, 250, 30, 0.8, rng);
    drawPalm(cr, 752, 590, 330, -80, 1.1, rng);
    drawBush(cr, 40, 590, 1.2, rng);
    drawBush(cr, 780, 592, 1.1, rng);
}

void drawSidekicks(cairo_t *cr) {
    // left: a monkey waving beside a coconut; right: crates with a cheering monkey on top
    Rng rng(5);
    drawCoconut(cr, 250, 560, 11);
    drawCoconut(cr, 270, 566, 9);
    drawMonkey(cr, 190, 560, 1.25, POSE_WAVE, MOOD_HAPPY, 1);
    drawCrate(cr, 560, 506, 62, 0.0);
    drawCrate(cr, 625, 510, 58, 0.03);
    drawCrate(cr, 590, 448, 58, -0.05);
    drawMonkey(cr, 620, 452, 1.05, POSE_CHEER, MOOD_HAPPY, -1);
}

void drawPost(cairo_t *cr) {
    Rng rng(99);
    const Box post{kPostX, 200, 16, 388};
    cairo_rectangle(cr, post.x + 4, post.y, post.w, post.h);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_fill(cr);
    cairo_rectangle(cr, post.x, post.y, post.w, post.h);
    cairo_pattern_t *p = cairo_pattern_create_linear(post.x, 0, post.x + post.w, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.72, 0.47, 0.24);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 0.6, 0.37, 0.17);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.36, 0.21, 0.08);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_restore(cr);
    forge::setColour(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // a little mound of sand where it goes in
    cairo_save(cr);
    cairo_translate(cr, kPostX + 8, 588);
    cairo_scale(cr, 40, 9);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    forge::setColour(cr, 0xE5C486);
    cairo_fill(cr);
}

void drawLevelChooser(cairo_t *cr, bool lit) {
    Rng rng(31);
    drawPlankBoard(cr, kLevelBoard, 26, kWoodMid, rng, 8);
    forge::drawLettering(cr, "LEVEL", kLevelBoard.x + kLevelBoard.w / 2, 297, 20, kCream, kOutline, 2,
                         forge::ALIGN_CENTRE);
    drawInset(cr, kNumberBox, 0x3A2414, 4);
    for (int i = 0; i < 2; ++i) {
        const LitPicture &pic = kLit[i == 0 ? LIT_LEFT : LIT_RIGHT];
        if (lit)
            clipTo(cr, pic.box());
        else
            cairo_save(cr);
        drawArrowButton(cr, i == 0 ? kLeftArrow : kRightArrow, i == 0 ? -1 : 1, lit);
        cairo_restore(cr);
    }
}

void drawButtons(cairo_t *cr, bool lit) {
    const struct {
        const Box &sign;
        const char *label;
        double size;
        int lit;
    } buttons[] = {{kPlaySign, "PLAY", 24, LIT_PLAY},
                   {kOptionsSign, "OPTIONS", 20, LIT_OPTIONS},
                   {kQuitSign, "QUIT", 25, LIT_QUIT}};
    for (const auto &b : buttons) {
        if (lit)
            clipTo(cr, kLit[b.lit].box());
        else
            cairo_save(cr);
        drawSign(cr, b.sign, b.label, b.size, lit, 4);
        cairo_restore(cr);
    }
}

void drawMenu(cairo_t *cr, bool lit) {
    drawBackdrop(cr);
    drawSidekicks(cr);
    drawWoodTitle(cr, "ZumboRumble", 400, 150, 92, 11);
    drawPost(cr);
    drawLevelChooser(cr, lit);
    drawButtons(cr, lit);
}

} // namespace

bool forgeMenu(const std::string &gameDir) {
    forge::Canvas dark = forge::canvasCreate(kWidth, kHeight);
    drawMenu(dark.cr, false);
    bool ok = forge::writeBmp(dark, outPath(gameDir, "data/general/ENGLISH/menu/menuplayoff.bmp"), forge::BMP_OPAQUE);
    forge::canvasFree(dark);
    forge::Canvas lit = forge::canvasCreate(kWidth, kHeight);
    drawMenu(lit.cr, true);
    ok = writeLitPictures(lit, kLit, LIT_COUNT, gameDir) && ok;
    forge::canvasFree(lit);
    return ok;
}

} // namespace screens
