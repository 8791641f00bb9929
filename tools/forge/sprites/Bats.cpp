// The four bat sheets: the plank in three lengths and the gun bat (the cork cannon carried
// folded), 5 x 13 cells each, sharing the monkeys' frame numbers so the bat rides on their hands.
#include "tools/forge/sprites/Sheets.h"

#include "tools/forge/sprites/Rig.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

struct BatLook {
    const char *file;
    int cellW;
    double shiftX;      // batDisplayAdjustement: cell x 0 lies at rig x shiftX
    int shiftY;         // adjustBatY: the cell's top lies at screen 463 + shiftY
    unsigned woodLight, wood, woodDark;
    bool gun;
};

constexpr BatLook kBats[] = {
    {"data/sprites/batteS.bmp", 65, 3.0, 2, 0xE2C08A, 0xC9A065, 0x9E7742, false},
    {"data/sprites/batteM.bmp", 71, 0.0, 1, 0xD49A55, 0xB8763A, 0x9C5E2A, false},
    {"data/sprites/batteL.bmp", 81, -5.0, 0, 0xC77F4A, 0xA2582C, 0x7C3F1C, false},
    {"data/sprites/gunbat.bmp", 71, 0.0, 1, 0xD49A55, 0xB8763A, 0x9C5E2A, true},
};

constexpr double kBatScreenTop = 463;
constexpr unsigned kNail = 0x5A5A5A;
constexpr double kCannonHinge = 31.5;   // the barrel swings up here when the gun fires
constexpr double kFoldedBarrel = 27;
constexpr unsigned kGunRed = 0xC8452D;
constexpr unsigned kCork = 0xD8B27A;
constexpr unsigned kBrass = 0xE2B23A;

// The frame being drawn bends every path: a point at cell x rises by the plank's rise there.
const RigFrame *bend = nullptr;
double bendShiftX = 0;

constexpr double kBendStep = 1.5;   // straight edges are cut this fine before bending

void bentLineTo(cairo_t *cr, double x0, double y0, double x1, double y1) {
    const int pieces = 1 + static_cast<int>(std::hypot(x1 - x0, y1 - y0) / kBendStep);
    for (int k = 1; k <= pieces; ++k) {
        const double x = x0 + (x1 - x0) * k / pieces, y = y0 + (y1 - y0) * k / pieces;
        cairo_line_to(cr, x, y - plankRise(*bend, x + bendShiftX));
    }
}

void bendPath(cairo_t *cr) {
    if (!bend)
        return;
    cairo_path_t *path = cairo_copy_path_flat(cr);
    cairo_new_path(cr);
    double curX = 0, curY = 0, startX = 0, startY = 0;
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t &h = path->data[i];
        if (h.header.type == CAIRO_PATH_CLOSE_PATH) {
            bentLineTo(cr, curX, curY, startX, startY);
            cairo_close_path(cr);
            curX = startX, curY = startY;
            continue;
        }
        const double x = path->data[i + 1].point.x, y = path->data[i + 1].point.y;
        if (h.header.type == CAIRO_PATH_MOVE_TO) {
            cairo_move_to(cr, x, y - plankRise(*bend, x + bendShiftX));
            startX = x, startY = y;
        } else {
            bentLineTo(cr, curX, curY, x, y);
        }
        curX = x, curY = y;
    }
    cairo_path_destroy(path);
}

void bentEllipse(cairo_t *cr, double cx, double cy, double rx, double ry, unsigned fill, double line) {
    ellipsePath(cr, cx, cy, rx, ry);
    bendPath(cr);
    fillAndInk(cr, fill, line);
}

void drawNail(cairo_t *cr, double x, double y) {
    bentEllipse(cr, x, y, 1.3, 1.3, kNail, 0.5);
    ellipsePath(cr, x - 0.4, y - 0.4, 0.5, 0.5);
    forge::setColour(cr, 0xCFCFCF);
    bendPath(cr);
    cairo_fill(cr);
}

void drawGrain(cairo_t *cr, const BatLook &b, double x0, double x1, double top) {
    cairo_save(cr);
    cairo_set_line_width(cr, 0.7);
    forge::setColour(cr, b.woodDark, 0.8);
    const double rows[] = {top + 3.2, top + 5.6, top + 7.4};
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, x0 + 3 + i * 5, rows[i]);
        for (double x = x0 + 3 + i * 5; x < x1 - 4 - i * 3; x += 4)
            cairo_line_to(cr, x + 4, rows[i] + 0.5 * std::sin(x * 0.35 + i * 2.0));
        bendPath(cr);
        cairo_stroke(cr);
    }
    // a knot
    ellipsePath(cr, x0 + (x1 - x0) * 0.62, top + 4.6, 2.2, 1.2);
    bendPath(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawBrassBand(cairo_t *cr, double x, double top) {
    cairo_rectangle(cr, x, top - 0.5, 3, kPlankThick + 1);
    bendPath(cr);
    fillAndInk(cr, kBrass, 0.8);
}

// The gun bat: the cork cannon carried folded, its barrel lying along the tube.
void drawFoldedCannon(cairo_t *cr, double x0, double x1, double top, double hingeX) {
    forge::roundedRect(cr, x0, top, x1 - x0, kPlankThick, 3);
    linearShade(cr, 0, top, 0, top + kPlankThick, lighten(kGunRed, 0.3), darken(kGunRed, 0.3));
    bendPath(cr);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    drawBrassBand(cr, x0 + 1, top);
    drawBrassBand(cr, x1 - 4, top);
    const double barrelTop = top + 0.5, barrelH = kPlankThick - 1;
    forge::roundedRect(cr, hingeX - 1, barrelTop, kFoldedBarrel + 2, barrelH, 2.5);
    linearShade(cr, 0, barrelTop, 0, barrelTop + barrelH, lighten(kGunRed, 0.45), darken(kGunRed, 0.2));
    bendPath(cr);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    drawBrassBand(cr, hingeX + kFoldedBarrel / 2, top);
    cairo_rectangle(cr, hingeX + kFoldedBarrel - 2, barrelTop - 0.5, 2.6, barrelH + 1);
    bendPath(cr);
    fillAndInk(cr, kBrass, 0.8);
    cairo_rectangle(cr, hingeX + kFoldedBarrel + 0.6, barrelTop + 1, 3, barrelH - 2);   // the cork
    bendPath(cr);
    fillAndInk(cr, kCork, 0.8);
    bentEllipse(cr, hingeX, top + kPlankThick / 2, 3.2, 3.2, kBrass, 0.8);   // the hinge
}

// The plank lying straight, its top at y `top`, from x0 to x1.
void drawStraightPlank(cairo_t *cr, const BatLook &b, double x0, double x1, double top) {
    forge::roundedRect(cr, x0, top, x1 - x0, kPlankThick, 3);
    linearShade(cr, 0, top, 0, top + kPlankThick, b.woodLight, b.woodDark);
    bendPath(cr);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, x0 + 3, top + 1.5);
    cairo_line_to(cr, x1 - 3, top + 1.5);
    forge::setColour(cr, lighten(b.woodLight, 0.35));
    cairo_set_line_width(cr, 1);
    bendPath(cr);
    cairo_stroke(cr);
    drawGrain(cr, b, x0, x1, top);
    drawNail(cr, x0 + 4.5, top + kPlankThick / 2);
    drawNail(cr, x1 - 4.5, top + kPlankThick / 2);
}

// Draws the plank in every cell, bent along that frame's curve.
bool forgeBat(const std::string &gameDir, const BatLook &b) {
    const int sheetW = b.cellW * kBatCols, cellH = kBatCellH;
    const double top = kPlankTop + (kMonkeyCellScreenY - kBatScreenTop) - b.shiftY;
    forge::Canvas c = forge::canvasCreate(sheetW, cellH * kBatRows);
    drawCells(c, kBatCols, kBatRows, b.cellW, cellH, [&](cairo_t *cr, int frame) {
        const RigFrame r = rigFrame(frame);
        bend = &r;
        bendShiftX = b.shiftX;
        if (b.gun)
            drawFoldedCannon(cr, 1, b.cellW - 1, top, kCannonHinge - b.shiftX);
        else
            drawStraightPlank(cr, b, 1, b.cellW - 1, top);
        bend = nullptr;
    });
    const bool ok = writePicture(c, gameDir, b.file, forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace

bool forgeBatSheets(const std::string &gameDir) {
    bool ok = true;
    for (const BatLook &b : kBats)
        ok = forgeBat(gameDir, b) && ok;
    return ok;
}

} // namespace sprites
