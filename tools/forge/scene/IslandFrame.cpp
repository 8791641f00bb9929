// The frame around every island's playfield: the carved-wood status panel on the left
// with its labels, counter boxes and the panel monkey's window, the bamboo border on the
// right and the wooden rope track along the bottom.
#include "tools/forge/scene/IslandParts.h"
#include "tools/forge/scene/SceneSizes.h"

#include <cmath>

namespace scene {

using forge::setColour;

namespace {

constexpr unsigned kPanelWood = 0x8A5530;
constexpr unsigned kPanelWoodDark = 0x5E3717;
constexpr unsigned kCream = 0xFFF4D6;
constexpr unsigned kLetterOutline = 0x5A2E0E;
constexpr unsigned kBamboo = 0xC8B45A;
constexpr int kBoardWidth = 34;

// Counter boxes: the numbers end at x 126; eight digits fit from about x 44.
constexpr int kBoxLeft = 38, kBoxRight = 133;
constexpr int kBoxAbove = 3, kBoxBelow = 4;

void panelBoards(cairo_t *cr) {
    Rng rng(11);
    for (int x = 0; x < kPanelRight; x += kBoardWidth) {
        const double w = std::min(kBoardWidth, kPanelRight - x);
        const unsigned tone = mix(kPanelWood, kPanelWoodDark, rng.range(0, 0.35));
        verticalGradient(cr, x, 0, w, kWheelTop, lighten(tone, 0.06), darken(tone, 0.12));
        woodGrain(cr, x, 0, w, kWheelTop, tone, rng, true, 1.1);
        fillRect(cr, x, 0, 1.5, kWheelTop, lighten(tone, 0.25), 0.7);
        fillRect(cr, x + w - 2, 0, 2, kWheelTop, 0x2A160A, 0.75);
    }
}

// A raised carved border around the panel, nailed at the corners.
void panelBorder(cairo_t *cr) {
    const double t = 7;
    setColour(cr, 0x3A200C);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, t + 0.75, t + 0.75, kPanelRight - 2 * t - 1.5, kWheelTop - 2 * t - 1.5);
    cairo_stroke(cr);
    setColour(cr, 0xC08850, 0.55);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, t + 2, t + 2, kPanelRight - 2 * t - 4, kWheelTop - 2 * t - 4);
    cairo_stroke(cr);
    // The panel's right edge casts a shadow onto the playfield.
    cairo_pattern_t *p = cairo_pattern_create_linear(kPanelRight, 0, kPanelRight + 8, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, kPanelRight, 0, 8, kWheelTop);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    fillRect(cr, kPanelRight - 3, 0, 3, kWheelTop, 0x2A160A);
    const double nails[][2] = {{14, 14}, {kPanelRight - 15, 14}, {14, kWheelTop - 15}, {kPanelRight - 15, kWheelTop - 15}};
    for (const auto &n : nails)
        nailHead(cr, n[0], n[1], 2.4);
}

void panelTitle(cairo_t *cr) {
    forge::roundedRect(cr, 16, 16, kPanelRight - 32, 68, 10);
    setColour(cr, 0x4A2A10, 0.55);
    cairo_fill(cr);
    forge::roundedRect(cr, 16, 16, kPanelRight - 32, 68, 10);
    setColour(cr, 0xC08850, 0.4);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    forge::drawLettering(cr, "ZUMBO", kPanelRight / 2.0, 48, 27, 0xFFE14A, kLetterOutline, 2.5, forge::ALIGN_CENTRE);
    forge::drawLettering(cr, "RUMBLE", kPanelRight / 2.0, 74, 19, kCream, kLetterOutline, 2, forge::ALIGN_CENTRE);
}

// A lashed bamboo frame around the panel monkey's spot with a small sky behind it.
void monkeyWindow(cairo_t *cr, const WindowView &view) {
    const double l = kPanelMonkeyLeft, t = kPanelMonkeyTop, r = kPanelMonkeyRight, b = kPanelMonkeyBottom;
    verticalGradient(cr, l, t, r - l, b - t, view.skyTop, view.skyBottom);
    // Far hills and a leaf in the corner make the window a little view of the island.
    setColour(cr, view.hill);
    cairo_move_to(cr, l, b);
    cairo_curve_to(cr, l + 20, b - 30, l + 45, b - 14, r, b - 26);
    cairo_line_to(cr, r, b);
    cairo_close_path(cr);
    cairo_fill(cr);
    setColour(cr, view.sand);
    cairo_rectangle(cr, l, b - 9, r - l, 9);
    cairo_fill(cr);
    const double bw = 6;
    const double bars[][4] = {{l - bw, t - bw, r - l + 2 * bw, bw}, {l - bw, b, r - l + 2 * bw, bw},
                              {l - bw, t - bw, bw, b - t + 2 * bw}, {r, t - bw, bw, b - t + 2 * bw}};
    for (int i = 0; i < 4; ++i)
        bambooRod(cr, bars[i][0], bars[i][1], bars[i][2], bars[i][3], kBamboo, i >= 2);
    // Rope lashings at the corners.
    const double corners[][2] = {{l - bw / 2, t - bw / 2}, {r + bw / 2, t - bw / 2}, {l - bw / 2, b + bw / 2},
                                 {r + bw / 2, b + bw / 2}};
    for (const auto &c : corners) {
        setColour(cr, 0x5A3A18);
        cairo_arc(cr, c[0], c[1], 4.2, 0, 2 * M_PI);
        cairo_fill(cr);
        setColour(cr, 0xD8B878);
        cairo_set_line_width(cr, 1.0);
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, c[0] - 3.5, c[1] + k * 2 - 1.5);
            cairo_line_to(cr, c[0] + 3.5, c[1] + k * 2 + 1.5);
        }
        cairo_stroke(cr);
    }
}

void starIcon(cairo_t *cr, double x, double y, double r) {
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
        if (i == 0)
            cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        else
            cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    }
    cairo_close_path(cr);
    setColour(cr, 0xFFD23A);
}

void heartIcon(cairo_t *cr, double x, double y, double r) {
    cairo_move_to(cr, x, y + r);
    cairo_curve_to(cr, x - r * 1.6, y - r * 0.1, x - r * 0.7, y - r * 1.3, x, y - r * 0.45);
    cairo_curve_to(cr, x + r * 0.7, y - r * 1.3, x + r * 1.6, y - r * 0.1, x, y + r);
    cairo_close_path(cr);
    setColour(cr, 0xE8443A);
}

void hourglassIcon(cairo_t *cr, double x, double y, double r) {
    cairo_move_to(cr, x - r * 0.75, y - r);
    cairo_line_to(cr, x + r * 0.75, y - r);
    cairo_line_to(cr, x + r * 0.1, y);
    cairo_line_to(cr, x + r * 0.75, y + r);
    cairo_line_to(cr, x - r * 0.75, y + r);
    cairo_line_to(cr, x - r * 0.1, y);
    cairo_close_path(cr);
    setColour(cr, 0xF3D9A0);
}

void flagIcon(cairo_t *cr, double x, double y, double r) {
    cairo_rectangle(cr, x - r * 0.7, y - r, r * 0.3, r * 2);
    cairo_move_to(cr, x - r * 0.4, y - r);
    cairo_line_to(cr, x + r, y - r * 0.55);
    cairo_line_to(cr, x - r * 0.4, y - r * 0.1);
    cairo_close_path(cr);
    setColour(cr, 0x3FBF5A);
}

// A small outlined icon left of each counter box.
void counterIcon(cairo_t *cr, int index, double x, double y) {
    void (*const shapes[4])(cairo_t *, double, double, double) = {starIcon, heartIcon, hourglassIcon, flagIcon};
    shapes[index](cr, x, y, 8.5);
    cairo_fill_preserve(cr);
    setColour(cr, kLetterOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// A label above each counter and the dark inset box the number is drawn into.
void counter(cairo_t *cr, const char *label, int y) {
    forge::drawLettering(cr, label, kPanelRight / 2.0 - 2, y - 8, 16, kCream, kLetterOutline, 2, forge::ALIGN_CENTRE);
    const double top = y - kBoxAbove, h = kCounterHeight + kBoxAbove + kBoxBelow;
    forge::roundedRect(cr, kBoxLeft - 1.5, top - 1.5, kBoxRight - kBoxLeft + 3, h + 3, 5);
    setColour(cr, 0xC89160, 0.8);
    cairo_fill(cr);
    forge::roundedRect(cr, kBoxLeft, top, kBoxRight - kBoxLeft, h, 4);
    setColour(cr, 0x24130A);
    cairo_fill(cr);
    // Inner shadow along the top of the inset.
    fillRect(cr, kBoxLeft + 3, top + 1, kBoxRight - kBoxLeft - 6, 2, 0x000000, 0.45);
}

// One wooden beam of the track with its joints.
void trackBeam(cairo_t *cr, double top, double h, Rng &rng, double jointOffset) {
    const unsigned wood = 0x8A5A2B;
    verticalGradient(cr, 0, top, kScreenWidth, h, lighten(wood, 0.12), darken(wood, 0.2));
    woodGrain(cr, 0, top, kScreenWidth, h, wood, rng, false, 0.8, false);
    fillRect(cr, 0, top, kScreenWidth, 1.5, lighten(wood, 0.4), 0.9);
    fillRect(cr, 0, top + h - 1, kScreenWidth, 1, 0x2A160A, 0.9);
    for (double x = jointOffset; x < kScreenWidth; x += 160) {
        fillRect(cr, x, top, 1.5, h, 0x2A160A, 0.9);
        fillRect(cr, x + 1.5, top, 1, h, lighten(wood, 0.3), 0.6);
        if (h >= 8) {
            nailHead(cr, x - 4, top + h / 2, 1.6);
            nailHead(cr, x + 6, top + h / 2, 1.6);
        }
    }
}

// A recessed channel the rope belt runs in.
void trackGroove(cairo_t *cr, double top, double h) {
    verticalGradient(cr, 0, top, kScreenWidth, h, 0x140A04, 0x3E2612);
    fillRect(cr, 0, top + h - 1, kScreenWidth, 1, 0x6A4424, 0.8);
}

void bottomTrack(cairo_t *cr) {
    Rng rng(23);
    const double grooveH = kRopeThickness + 8;
    const double groove1 = kRopeUpperY - 4, groove2 = kRopeLowerY - 4;
    trackBeam(cr, kWheelTop, groove1 - kWheelTop, rng, 40);
    trackGroove(cr, groove1, grooveH);
    trackBeam(cr, groove1 + grooveH, groove2 - groove1 - grooveH, rng, 120);
    trackGroove(cr, groove2, grooveH);
    trackBeam(cr, groove2 + grooveH, kScreenHeight - groove2 - grooveH, rng, 80);
    // The sand's shadow falls on the top beam.
    fillRect(cr, kPanelRight, kWheelTop, kScreenWidth - kPanelRight, 2, 0x000000, 0.25);
}

void rightBorder(cairo_t *cr) {
    fillRect(cr, kPlayfieldRight, 0, kScreenWidth - kPlayfieldRight, kWheelTop, 0x3A2A10);
    bambooRod(cr, kPlayfieldRight + 1, 0, kScreenWidth - kPlayfieldRight - 1, kWheelTop, kBamboo, true);
    cairo_pattern_t *p = cairo_pattern_create_linear(kPlayfieldRight - 6, 0, kPlayfieldRight, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.3);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, kPlayfieldRight - 6, 0, 6, kWheelTop);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

} // namespace

void bambooRod(cairo_t *cr, double x, double y, double w, double h, unsigned colour, bool vertical) {
    const double thick = vertical ? w : h, length = vertical ? h : w;
    cairo_pattern_t *p = vertical ? cairo_pattern_create_linear(x, 0, x + w, 0)
                                  : cairo_pattern_create_linear(0, y, 0, y + h);
    const unsigned stops[3] = {lighten(colour, 0.35), colour, darken(colour, 0.35)};
    for (int i = 0; i < 3; ++i)
        cairo_pattern_add_color_stop_rgb(p, i / 2.0, ((stops[i] >> 16) & 0xFF) / 255.0,
                                         ((stops[i] >> 8) & 0xFF) / 255.0, (stops[i] & 0xFF) / 255.0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Knuckles every few widths.
    const double step = std::max(24.0, thick * 5);
    for (double s = step * 0.6; s < length - 2; s += step) {
        if (vertical) {
            fillRect(cr, x, y + s, w, 1.5, darken(colour, 0.45));
            fillRect(cr, x, y + s + 1.5, w, 1, lighten(colour, 0.4));
        } else {
            fillRect(cr, x + s, y, 1.5, h, darken(colour, 0.45));
            fillRect(cr, x + s + 1.5, y, 1, h, lighten(colour, 0.4));
        }
    }
    setColour(cr, darken(colour, 0.55));
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_stroke(cr);
}

void drawIslandFrame(cairo_t *cr, const WindowView &view) {
    panelBoards(cr);
    panelBorder(cr);
    panelTitle(cr);
    monkeyWindow(cr, view);
    for (int i = 0; i < 4; ++i) {
        counter(cr, kCounterLabels[i], kCounterY[i]);
        counterIcon(cr, i, 23, kCounterY[i] + kCounterHeight / 2.0);
    }
    rightBorder(cr);
    bottomTrack(cr);
}

} // namespace scene
