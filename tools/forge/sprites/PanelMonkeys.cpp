// The monkey of the left panel: data/sprites/win.bmp cheering (6 x 9 cells of 77 x 75)
// and data/sprites/lose.bmp sulking (6 x 9 cells of 78 x 69), 54 frames each in a loop.
#include "tools/forge/sprites/Sheets.h"

#include "tools/forge/sprites/Monkey.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr int kCols = 6, kRows = 9, kFrames = kCols * kRows;
constexpr int kWinW = 77, kWinH = 75, kLoseW = 78, kLoseH = 69;
constexpr double kScale = 1.15;
constexpr unsigned kStar = 0xFFE14A;
constexpr unsigned kScribble = 0x2A2A33;

void star(cairo_t *cr, double x, double y, double r, double turn) {
    for (int k = 0; k < 10; ++k) {
        const double a = turn + k * kPi / 5 - kPi / 2;
        const double rr = (k % 2) ? r * 0.45 : r;
        if (k == 0)
            cairo_move_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr);
        else
            cairo_line_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr);
    }
    cairo_close_path(cr);
    fillAndInk(cr, kStar, 1);
}

// Three hops per loop, arms waving, sparkles popping around.
void drawCheering(cairo_t *cr, int f) {
    const double t = double(f) / kFrames;
    const double hop = std::fabs(std::sin(3 * kPi * t));
    MonkeyPose p;
    p.scale = kScale;
    p.x = kWinW / 2.0;
    p.y = kWinH - 16 * kScale - 1 - hop * 6;
    p.line = 1.2;
    const double waveL = wave(6 * t), waveR = wave(6 * t + 0.5);
    p.handLX = -15 - 3 * waveL, p.handLY = -35 + 3 * waveL;
    p.handRX = 15 + 3 * waveR, p.handRY = -35 + 3 * waveR;
    p.elbowBend = 5;
    p.footLX = -6, p.footRX = 6;
    p.footLY = p.footRY = 14 - hop * 3;
    p.bodyDy = -hop * 1.5;
    p.tailSwing = wave(3 * t);
    p.headTilt = 0.12 * wave(3 * t);
    p.eyes = hop > 0.6 ? Eyes::CLOSED : Eyes::OPEN;
    p.mouth = Mouth::GRIN;
    p.blush = 0.7;
    p.lookY = -0.4;
    drawMonkey(cr, p);
    for (int k = 0; k < 3; ++k) {
        const double life = std::fmod(t * 3 + k / 3.0, 1.0);
        const double size = 4.5 * std::sin(kPi * life);
        if (size < 0.8)
            continue;
        const double x = k == 0 ? 10 : (k == 1 ? kWinW - 10 : kWinW / 2.0 + 22);
        const double y = k == 2 ? 10 : 22 + 8 * k;
        star(cr, x, y - life * 6, size, life * 2);
    }
}

// Arms crossed, head shaking slowly, a foot tapping, a tear and a grumpy scribble.
void drawSulking(cairo_t *cr, int f) {
    const double t = double(f) / kFrames;
    MonkeyPose p;
    p.scale = kScale;
    p.x = kLoseW / 2.0;
    p.y = kLoseH - 16 * kScale - 1;
    p.line = 1.2;
    p.armsInFront = true;
    p.handLX = 6, p.handLY = -9;
    p.handRX = -6, p.handRY = -11;
    p.elbowBend = 3;
    p.footLX = -6, p.footRX = 6;
    p.footLY = 14;
    p.footRY = 14 - 1.8 * std::fmax(0, wave(4 * t));
    p.headTilt = 0.18 * wave(2 * t);
    p.headDx = 1.2 * wave(2 * t);
    p.headDy = 2;
    p.lean = 0.03 * wave(2 * t);
    p.tailSwing = -0.8;
    p.eyes = Eyes::SAD;
    p.lookY = 0.7;
    p.lookX = -0.8 * wave(2 * t);
    p.mouth = Mouth::FROWN;
    p.tear = std::fmod(t * 2, 1.0) > 0.55;
    drawMonkey(cr, p);
    // a grumpy scribble beside the head
    const double sx = kLoseW - 12, sy = 12 + wave(2 * t);
    cairo_move_to(cr, sx - 6, sy);
    for (int k = 1; k <= 24; ++k) {
        const double a = k * 0.9 + t * 2 * kPi;
        const double r = 3.5 + 1.5 * std::sin(k * 1.7);
        cairo_line_to(cr, sx + std::cos(a) * r, sy + std::sin(a) * r * 0.8);
    }
    forge::setColour(cr, kScribble);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

bool forgeSheet(const std::string &gameDir, const char *file, int cellW, int cellH, void (*draw)(cairo_t *, int)) {
    forge::Canvas c = forge::canvasCreate(kCols * cellW, kRows * cellH);
    drawCells(c, kCols, kRows, cellW, cellH, draw);
    const bool ok = writePicture(c, gameDir, file, forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace

bool forgePanelMonkeys(const std::string &gameDir) {
    const bool win = forgeSheet(gameDir, "data/sprites/win.bmp", kWinW, kWinH, drawCheering);
    const bool lose = forgeSheet(gameDir, "data/sprites/lose.bmp", kLoseW, kLoseH, drawSulking);
    return win && lose;
}

} // namespace sprites
