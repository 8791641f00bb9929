// The high-score screen: a sunset beach, a monkey holding up the trophy, and the score
// board whose flat ink matches the font pictures; with the lit Back button.
#include "tools/forge/screens/Monkey.h"
#include "tools/forge/screens/Scenery.h"
#include "tools/forge/screens/ScoreBoard.h"
#include "tools/forge/screens/Screens.h"
#include "tools/forge/screens/Wood.h"

#include <cmath>

namespace screens {

namespace {

constexpr int kWidth = 800, kHeight = 600;

const LitPicture kBackLit{"data/general/ENGLISH/menu/backhson.bmp", 293, 495, 92, 50};
const Box kBackSign{296, 499, 85, 42};     // hot rectangle (288, 500)-(380, 540)
const Box kFrame{428, 150, 334, 428};
const Box kInk{444, 194, 302, 368};         // flat: the text rows are drawn opaque onto it
// Rows of the table start at y 267 and come every 31 pixels; rank at x 475, name 520, score 590.
constexpr int kFirstRow = 267, kRowStep = 31, kRows = 9;

void drawBackdrop(cairo_t *cr) {
    Rng rng(4321);
    drawSky(cr, kWidth, 330, kSunsetSky);
    drawSun(cr, 300, 320, 46, 0xFFF2B0, 0xFFC070);
    drawCloud(cr, 80, 150, 0.8, 0xFFE0C8, 0.85);
    drawCloud(cr, 330, 210, 0.55, 0xFFD6B8, 0.8);
    drawGull(cr, 240, 80, 20, 0x6A3A3A);
    drawGull(cr, 275, 64, 14, 0x6A3A3A);
    drawGull(cr, 330, 100, 12, 0x6A3A3A);
    drawSea(cr, kWidth, 330, 430, 0x3E8FC4, 0x1C5A8A, rng);
    drawBeach(cr, kWidth, kHeight, 430, 0xF0CF92, 0xCFA86A, rng);
    drawPalm(cr, 40, 595, 360, 50, 1.1, rng);
    drawBush(cr, 20, 596, 1.1, rng);
}

void drawHero(cairo_t *cr) {
    drawCrate(cr, 120, 462, 76, 0);
    drawMonkey(cr, 158, 464, 1.2, POSE_HOLD_UP, MOOD_HAPPY, 1);
    double hx, hy;
    monkeyHandPosition(158, 464, 1.2, POSE_HOLD_UP, 1, 1, hx, hy);
    drawTrophy(cr, 158, hy + 4, 1.15);
}

void drawBoard(cairo_t *cr) {
    Rng rng(77);
    drawPlankBoard(cr, kFrame, 36, kWoodMid, rng, 10);
    // the ink panel, set into the wood with a bevel around it
    forge::roundedRect(cr, kInk.x - 3, kInk.y - 3, kInk.w + 6, kInk.h + 6, 6);
    forge::setColour(cr, 0x2A1606);
    cairo_fill(cr);
    fillBox(cr, kInk, kScoreBoardColour);
    // faint rules between the rows and under the heading, clear of the text itself
    for (int i = 0; i < kRows - 1; ++i)
        fillBox(cr, {kInk.x + 12, double(kFirstRow + kRowStep * i + 25), kInk.w - 24, 1}, 0xFFF4D6, 0.12);
    fillBox(cr, {kInk.x + 10, 236, kInk.w - 20, 1.5}, 0xFFE14A, 0.35);
    forge::drawLettering(cr, "RANK", 480, 257, 10.5, 0xD9B878, 0, 0, forge::ALIGN_CENTRE, false);
    forge::drawLettering(cr, "NAME", 538, 257, 10.5, 0xD9B878, 0, 0, forge::ALIGN_CENTRE, false);
    forge::drawLettering(cr, "SCORE", 654, 257, 10.5, 0xD9B878, 0, 0, forge::ALIGN_CENTRE, false);
    drawWoodTitle(cr, "High Scores", 595, 128, 50, 5);
}

void drawHighScores(cairo_t *cr, bool lit) {
    drawBackdrop(cr);
    drawHero(cr);
    drawBoard(cr);
    if (lit)
        clipTo(cr, kBackLit.box());
    else
        cairo_save(cr);
    drawSign(cr, kBackSign, "BACK", 22, lit, 3);
    cairo_restore(cr);
}

} // namespace

bool forgeHighScores(const std::string &gameDir) {
    forge::Canvas dark = forge::canvasCreate(kWidth, kHeight);
    drawHighScores(dark.cr, false);
    bool ok = forge::writeBmp(dark, outPath(gameDir, "data/general/ENGLISH/menu/highscores.bmp"), forge::BMP_OPAQUE);
    forge::canvasFree(dark);
    forge::Canvas lit = forge::canvasCreate(kWidth, kHeight);
    drawHighScores(lit.cr, true);
    ok = writeLitPictures(lit, &kBackLit, 1, gameDir) && ok;
    forge::canvasFree(lit);
    return ok;
}

} // namespace screens
