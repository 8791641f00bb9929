// Damage on the later brick sheets and the five sheets themselves: every design drawn at
// its rectangle, more cracked, chipped and splintered (metal: dented) on each sheet.
#include "tools/forge/scene/BrickParts.h"
#include "tools/forge/scene/ScenePictures.h"
#include "tools/forge/scene/SceneSizes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace scene {

using forge::BrickDesign;
using forge::setColour;

namespace {

struct Point {
    double x, y;
};

// One crack: a jagged line from an edge inward, with a side branch.
struct Crack {
    std::vector<Point> line;
    std::vector<Point> branch;
};

// A bite out of an edge: a ragged patch showing the fresh material below.
struct Chip {
    std::vector<Point> outline;
};

constexpr int kCracks = 4;
constexpr int kChips = 3;

bool isWood(const BrickDesign &d) {
    return d.look == forge::LOOK_PLANK || d.look == forge::LOOK_PAINTED || d.look == forge::LOOK_CRATE ||
           d.look == forge::LOOK_REINFORCED;
}

Point edgePoint(const BrickDesign &d, Rng &rng) {
    const int side = rng.below(4);
    if (side == 0)
        return {d.x + rng.range(0.15, 0.85) * d.w, (double)d.y};
    if (side == 1)
        return {d.x + rng.range(0.15, 0.85) * d.w, (double)(d.y + d.h)};
    if (side == 2)
        return {(double)d.x, d.y + rng.range(0.2, 0.8) * d.h};
    return {(double)(d.x + d.w), d.y + rng.range(0.2, 0.8) * d.h};
}

std::vector<Point> jaggedWalk(Point from, double angle, double length, Rng &rng) {
    std::vector<Point> pts{from};
    Point p = from;
    for (double run = 0; run < length; run += 3) {
        angle += rng.range(-0.6, 0.6);
        p.x += 3 * std::cos(angle);
        p.y += 3 * std::sin(angle);
        pts.push_back(p);
    }
    return pts;
}

Crack makeCrack(const BrickDesign &d, Rng &rng) {
    const Point start = edgePoint(d, rng);
    const double cx = d.x + d.w / 2.0 + rng.range(-0.25, 0.25) * d.w, cy = d.y + d.h / 2.0;
    const double angle = std::atan2(cy - start.y, cx - start.x) + rng.range(-0.5, 0.5);
    const double length = rng.range(0.55, 0.95) * std::max(d.w, d.h) * 0.7;
    Crack c;
    c.line = jaggedWalk(start, angle, length, rng);
    const Point mid = c.line[c.line.size() / 2];
    c.branch = jaggedWalk(mid, angle + (rng.next() < 0.5 ? 0.9 : -0.9), length * 0.4, rng);
    return c;
}

Chip makeChip(const BrickDesign &d, Rng &rng) {
    const Point at = edgePoint(d, rng);
    const double r = std::min(d.w, d.h) * rng.range(0.13, 0.2) + 1.5;
    Chip c;
    for (int i = 0; i < 9; ++i) {
        const double a = i * 2 * M_PI / 9;
        const double rr = r * rng.range(0.55, 1.15);
        c.outline.push_back({at.x + rr * std::cos(a), at.y + rr * std::sin(a) * 0.8});
    }
    return c;
}

void tracePath(cairo_t *cr, const std::vector<Point> &pts, bool close) {
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (size_t i = 1; i < pts.size(); ++i)
        cairo_line_to(cr, pts[i].x, pts[i].y);
    if (close)
        cairo_close_path(cr);
}

// The part of a crack line that has opened so far.
std::vector<Point> grown(const std::vector<Point> &line, double fraction) {
    const size_t n = std::max<size_t>(2, static_cast<size_t>(std::ceil(line.size() * fraction)));
    return std::vector<Point>(line.begin(), line.begin() + std::min(n, line.size()));
}

void drawCrackLine(cairo_t *cr, const std::vector<Point> &pts, unsigned base, double width) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_save(cr);
    cairo_translate(cr, 0.7, 0.8);
    tracePath(cr, pts, false);
    setColour(cr, lighten(base, 0.45), 0.7);
    cairo_set_line_width(cr, width * 0.6);
    cairo_stroke(cr);
    cairo_restore(cr);
    tracePath(cr, pts, false);
    setColour(cr, darken(base, 0.7), 0.95);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void drawChip(cairo_t *cr, const Chip &c, unsigned fresh, unsigned base) {
    tracePath(cr, c.outline, true);
    setColour(cr, fresh);
    cairo_fill_preserve(cr);
    setColour(cr, darken(base, 0.6), 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // The torn inner edge catches some shadow.
    cairo_save(cr);
    cairo_translate(cr, 0.8, 0.8);
    tracePath(cr, c.outline, true);
    cairo_restore(cr);
    setColour(cr, darken(fresh, 0.3), 0.35);
    cairo_fill(cr);
}

// On the last sheet the brick is split right through, top to bottom.
void drawSplit(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    std::vector<Point> line;
    double x = d.x + d.w * rng.range(0.4, 0.6);
    for (double y = d.y; y <= d.y + d.h + 0.1; y += 3) {
        line.push_back({x, y});
        x += rng.range(-2.5, 2.5);
    }
    line.push_back({x, (double)(d.y + d.h)});
    drawCrackLine(cr, line, d.colour, 2.4);
}

// Thin light slivers sticking out of a split plank.
void drawSplinters(cairo_t *cr, const BrickDesign &d, Rng &rng, unsigned base) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 4; ++i) {
        const double x = d.x + rng.range(0.1, 0.9) * d.w, y = d.y + rng.range(0.2, 0.8) * d.h;
        const double len = rng.range(4, 8), a = rng.range(-0.5, 0.5) + (rng.next() < 0.5 ? 0 : M_PI);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len * std::cos(a), y + len * std::sin(a));
        setColour(cr, darken(base, 0.55), 0.8);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke_preserve(cr);
        setColour(cr, lighten(base, 0.5));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
}

void drawDent(cairo_t *cr, Point at, double r) {
    cairo_pattern_t *p = cairo_pattern_create_radial(at.x + r * 0.3, at.y + r * 0.3, 0, at.x, at.y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.18, 0.2, 0.24, 0.75);
    cairo_pattern_add_color_stop_rgba(p, 0.7, 0.3, 0.33, 0.37, 0.4);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.95, 0.98, 1.0, 0.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, at.x, at.y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    setColour(cr, 0xF2F7FC, 0.7);
    cairo_set_line_width(cr, 0.8);
    cairo_arc(cr, at.x, at.y, r * 0.8, 0.2 * M_PI, 0.9 * M_PI);
    cairo_stroke(cr);
}

void drawScratch(cairo_t *cr, const BrickDesign &d, Rng &rng) {
    const double x = d.x + rng.range(0.1, 0.7) * d.w, y = d.y + rng.range(0.2, 0.8) * d.h;
    const double len = rng.range(8, 16), a = rng.range(-0.6, 0.6);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, x + pass * 0.6, y + pass * 0.8);
        cairo_line_to(cr, x + pass * 0.6 + len * std::cos(a), y + pass * 0.8 + len * std::sin(a));
        setColour(cr, pass ? 0x3A4048 : 0xF4F8FF, pass ? 0.55 : 0.85);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}

// Metal takes dents and scratches and, at the end, a bent corner.
void metalDamage(cairo_t *cr, const BrickDesign &d, Rng &rng, int stage) {
    for (int i = 0; i < stage; ++i) {
        const Point at{d.x + rng.range(0.2, 0.8) * d.w, d.y + rng.range(0.3, 0.7) * d.h};
        const double r = std::min(d.w, d.h) * rng.range(0.22, 0.32);
        drawDent(cr, at, r);
        drawScratch(cr, d, rng);
        drawScratch(cr, d, rng);
    }
    if (stage >= 4) {
        const double s = std::min(d.w, d.h) * 0.45;
        cairo_move_to(cr, d.x + d.w, d.y + d.h - s);
        cairo_line_to(cr, d.x + d.w, d.y + d.h);
        cairo_line_to(cr, d.x + d.w - s, d.y + d.h);
        cairo_close_path(cr);
        setColour(cr, 0x3A4048);
        cairo_fill(cr);
        cairo_move_to(cr, d.x + d.w, d.y + d.h - s);
        cairo_line_to(cr, d.x + d.w - s, d.y + d.h);
        setColour(cr, 0xDDE5EE);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

unsigned freshColour(const BrickDesign &d) {
    if (d.look == forge::LOOK_STONE)
        return lighten(d.colour, 0.28);
    if (d.look == forge::LOOK_PAINTED)
        return 0xE0B277;
    return lighten(d.colour, 0.3);
}

} // namespace

void drawBrickDamage(cairo_t *cr, const BrickDesign &d, int designIndex, int stage) {
    if (stage <= 0)
        return;
    Rng rng(1000 + designIndex * 37);
    cairo_save(cr);
    cairo_rectangle(cr, d.x, d.y, d.w, d.h);
    cairo_clip(cr);
    if (d.look == forge::LOOK_METAL) {
        metalDamage(cr, d, rng, stage);
        cairo_restore(cr);
        return;
    }
    std::vector<Crack> cracks;
    std::vector<Chip> chips;
    for (int i = 0; i < kCracks; ++i)
        cracks.push_back(makeCrack(d, rng));
    for (int i = 0; i < kChips; ++i)
        chips.push_back(makeChip(d, rng));
    // Grime darkens a battered brick.
    fillRect(cr, d.x, d.y, d.w, d.h, 0x2A1A0A, 0.05 * stage);
    for (int i = 0; i < stage - 1 && i < kChips; ++i)
        drawChip(cr, chips[i], freshColour(d), d.colour);
    const double width = d.look == forge::LOOK_STONE ? 1.3 : 1.1;
    for (int i = 0; i < stage && i < kCracks; ++i) {
        const double fraction = std::min(1.0, 0.45 + 0.2 * (stage - i));
        drawCrackLine(cr, grown(cracks[i].line, fraction), d.colour, width + 0.25 * (stage - i - 1));
        if (stage - i >= 2)
            drawCrackLine(cr, grown(cracks[i].branch, fraction), d.colour, width * 0.8);
    }
    if (stage >= 4)
        drawSplit(cr, d, rng);
    if (stage >= 3 && isWood(d))
        drawSplinters(cr, d, rng, d.colour);
    cairo_restore(cr);
}

bool forgeBrickSheets(const std::string &game) {
    bool ok = true;
    for (int stage = 0; stage < kBrickStages; ++stage) {
        forge::Canvas c = forge::canvasCreate(forge::kBrickSheetWidth, forge::kBrickSheetHeight);
        for (int i = 0; i < forge::kBrickDesignCount; ++i) {
            const BrickDesign &d = forge::kBrickDesigns[i];
            Rng rng(77 + i * 13);
            drawBrickFace(c.cr, d, rng);
            drawBrickDamage(c.cr, d, i, stage);
        }
        char name[64];
        std::snprintf(name, sizeof name, "levels/bricks/planche%d.bmp", stage + 1);
        ok = savePicture(c, dataFile(game, name), forge::BMP_KEYED) && ok;
        forge::canvasFree(c);
    }
    return ok;
}

} // namespace scene
