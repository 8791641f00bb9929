// The wheel sheet data/sprites/singeA.bmp: the spoked wooden wheel that turns the rope
// belt, 5 x 5 cells of 100 x 80 (the game shows the top 75 rows), one turn in 25 frames.
#include "tools/forge/sprites/Sheets.h"

#include "tools/forge/sprites/Rope.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr int kCellW = 100, kCellH = 80, kCols = 5, kRows = 5, kFrames = 25;
constexpr double kAxleX = 54, kAxleY = 29;   // screen (54, 554): between the two strands
constexpr double kRimRadius = 27;
constexpr double kHubRope = 13;              // the strands run at screen y 541 and 567
constexpr double kRopeEndX = 86;             // the scrolling rope takes over from x 80
constexpr int kSpokes = 6;
constexpr unsigned kWood = 0xB8763A, kWoodDark = 0x7C4A1E, kWoodLight = 0xD49A55;
constexpr unsigned kIron = 0x6E7780, kBrass = 0xE2B23A, kPaint = 0xC8452D;

void drawStand(cairo_t *cr) {
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, kAxleX - 3, kAxleY);
        cairo_line_to(cr, kAxleX + 3, kAxleY);
        cairo_line_to(cr, kAxleX + side * 30 + 4, kCellH);
        cairo_line_to(cr, kAxleX + side * 30 - 4, kCellH);
        cairo_close_path(cr);
        fillAndInk(cr, kWoodDark, 1);
    }
    cairo_rectangle(cr, kAxleX - 26, 58, 52, 5);   // cross brace
    fillAndInk(cr, kWoodDark, 1);
}

void drawSpokes(cairo_t *cr, double angle) {
    for (int i = 0; i < kSpokes; ++i) {
        const double a = angle + i * 2 * kPi / kSpokes;
        cairo_save(cr);
        cairo_translate(cr, kAxleX, kAxleY);
        cairo_rotate(cr, a);
        cairo_move_to(cr, 0, -3.2);
        cairo_line_to(cr, kRimRadius - 3, -2.2);
        cairo_line_to(cr, kRimRadius - 3, 2.2);
        cairo_line_to(cr, 0, 3.2);
        cairo_close_path(cr);
        fillAndInk(cr, i == 0 ? kPaint : kWoodLight, 1);
        cairo_restore(cr);
    }
}

void drawRim(cairo_t *cr, double angle) {
    cairo_new_path(cr);
    cairo_arc(cr, kAxleX, kAxleY, kRimRadius - 2.5, 0, 2 * kPi);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_arc(cr, kAxleX, kAxleY, kRimRadius - 2.5, 0, 2 * kPi);
    forge::setColour(cr, kWood);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_arc(cr, kAxleX, kAxleY, kRimRadius - 0.8, 0, 2 * kPi);
    forge::setColour(cr, kIron);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    for (int i = 0; i < 12; ++i) {   // rivets on the iron tyre turn with the wheel
        const double a = angle + (i + 0.5) * 2 * kPi / 12;
        ellipsePath(cr, kAxleX + std::cos(a) * (kRimRadius - 3), kAxleY + std::sin(a) * (kRimRadius - 3), 0.9, 0.9);
        forge::setColour(cr, kWoodDark);
        cairo_fill(cr);
    }
}

void drawHub(cairo_t *cr, double angle, int frame) {
    const double travel = frame * 2 * kPi * kHubRope / kFrames;
    drawRopeRun(cr, kAxleX, kRopeEndX, kAxleY - kHubRope, travel);
    drawRopeRun(cr, kAxleX, kRopeEndX, kAxleY + kHubRope, -travel);
    drawRopeTurn(cr, kAxleX + 0.5, kAxleY, kHubRope, angle);
    inkedEllipse(cr, kAxleX, kAxleY, 6, 6, kWoodDark, 1);
    inkedEllipse(cr, kAxleX, kAxleY, 3.6, 3.6, kBrass, 1);
    ellipsePath(cr, kAxleX - 1, kAxleY - 1, 1.2, 1.2);
    forge::setColour(cr, lighten(kBrass, 0.6));
    cairo_fill(cr);
}

void drawWheelFrame(cairo_t *cr, int frame) {
    const double angle = frame * 2 * kPi / kFrames;
    drawStand(cr);
    drawSpokes(cr, angle);
    drawRim(cr, angle);
    drawHub(cr, angle, frame);
}

} // namespace

bool forgeWheelSheet(const std::string &gameDir) {
    forge::Canvas c = forge::canvasCreate(kCols * kCellW, kRows * kCellH);
    drawCells(c, kCols, kRows, kCellW, kCellH, [](cairo_t *cr, int frame) { drawWheelFrame(cr, frame); });
    const bool ok = writePicture(c, gameDir, "data/sprites/singeA.bmp", forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace sprites
