// The island scenery behind the screens (see Scenery.h).
#include "tools/forge/screens/Scenery.h"

#include "tools/forge/screens/Wood.h"

#include <cmath>

namespace screens {

void drawSky(cairo_t *cr, int width, double horizon, SkyColours sky) {
    verticalGradient(cr, {0, 0, double(width), horizon + 2}, sky.top, sky.horizon);
}

void drawSun(cairo_t *cr, double x, double y, double r, unsigned core, unsigned halo) {
    cairo_save(cr);
    cairo_pattern_t *p = cairo_pattern_create_radial(x, y, r * 0.8, x, y, r * 3.2);
    cairo_pattern_add_color_stop_rgba(p, 0, ((halo >> 16) & 255) / 255.0, ((halo >> 8) & 255) / 255.0,
                                      (halo & 255) / 255.0, 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, ((halo >> 16) & 255) / 255.0, ((halo >> 8) & 255) / 255.0,
                                      (halo & 255) / 255.0, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r * 3.2, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    forge::setColour(cr, core);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawCloud(cairo_t *cr, double x, double y, double scale, unsigned colour, double alpha) {
    static const double puffs[][3] = {{0, 0, 22}, {26, -12, 26}, {54, -4, 22}, {76, 4, 16}, {-20, 6, 15}, {40, 10, 20}};
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_push_group(cr);
    for (const auto &p : puffs)
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * M_PI), cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.45, 0.6, 0.75, 0.45);
    cairo_save(cr);
    cairo_translate(cr, 2, 5);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    for (const auto &p : puffs)
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * M_PI), cairo_close_path(cr);
    forge::setColour(cr, colour);
    cairo_fill(cr);
    for (const auto &p : puffs)
        cairo_arc(cr, p[0] - p[2] * 0.2, p[1] - p[2] * 0.25, p[2] * 0.6, 0, 2 * M_PI), cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

void drawSea(cairo_t *cr, int width, double horizon, double shore, unsigned top, unsigned bottom, Rng &rng) {
    verticalGradient(cr, {0, horizon, double(width), shore - horizon + 30}, top, bottom);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 70; ++i) {
        const double y = rng.range(horizon + 4, shore);
        const double t = (y - horizon) / (shore - horizon);
        const double x = rng.range(0, width), len = 6 + 26 * t * rng.uniform();
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        cairo_set_source_rgba(cr, 0.9, 0.98, 1, 0.25 + 0.35 * t);
        cairo_set_line_width(cr, 1 + t * 1.5);
        cairo_stroke(cr);
    }
    fillBox(cr, {0, horizon, double(width), 1.5}, 0xE8FBFF, 0.6);
    cairo_restore(cr);
}

static void shorePath(cairo_t *cr, int width, int height, double shore, double offset) {
    cairo_move_to(cr, 0, height);
    cairo_line_to(cr, 0, shore + offset);
    for (int x = 0; x <= width; x += 10)
        cairo_line_to(cr, x, shore + offset + 5 * std::sin(x * 0.018) + 3 * std::sin(x * 0.051 + 1));
    cairo_line_to(cr, width, height);
    cairo_close_path(cr);
}

void drawBeach(cairo_t *cr, int width, int height, double shore, unsigned sand, unsigned shadow, Rng &rng) {
    cairo_save(cr);
    shorePath(cr, width, height, shore - 6, 0);
    cairo_set_source_rgba(cr, 0.91, 0.98, 1, 0.9);   // foam
    cairo_fill(cr);
    shorePath(cr, width, height, shore, 0);
    cairo_pattern_t *p = cairo_pattern_create_linear(0, shore, 0, height);
    cairo_pattern_add_color_stop_rgb(p, 0, ((shadow >> 16) & 255) / 255.0, ((shadow >> 8) & 255) / 255.0,
                                     (shadow & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 0.25, ((sand >> 16) & 255) / 255.0, ((sand >> 8) & 255) / 255.0,
                                     (sand & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, ((shadow >> 16) & 255) / 255.0, ((shadow >> 8) & 255) / 255.0,
                                     (shadow & 255) / 255.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // speckles and little ripples in the sand
    for (int i = 0; i < 260; ++i) {
        const double x = rng.range(0, width), y = rng.range(shore + 6, height);
        cairo_arc(cr, x, y, rng.range(0.5, 1.3), 0, 2 * M_PI);
        const bool dark = rng.uniform() < 0.6;
        forge::setColour(cr, dark ? mix(shadow, 0x000000, 0.2) : 0xFFF5DC, 0.5);
        cairo_fill(cr);
    }
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(0, width), y = rng.range(shore + 20, height - 5);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 8, y - 3, x + 16, y - 3, x + 24, y);
        forge::setColour(cr, shadow, 0.7);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

static void frond(cairo_t *cr, double x, double y, double angle, double len, double droop, unsigned light,
                  unsigned dark) {
    // a feathered frond: a curved rib with leaflets on both sides
    const int steps = 14;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    auto rib = [&](double t, double &px, double &py) {
        px = len * t;
        py = droop * len * t * t;
    };
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        for (int i = 1; i <= steps; ++i) {
            const double t = double(i) / steps;
            double px, py;
            rib(t, px, py);
            const double w = len * 0.22 * std::sin(M_PI * std::min(1.0, t * 1.1)) * (i % 2 ? 1.0 : 0.55);
            cairo_line_to(cr, px - w * 0.35, py + side * w);
        }
        double ex, ey;
        rib(1, ex, ey);
        cairo_line_to(cr, ex, ey);
        for (int i = steps; i >= 0; --i) {
            double px, py;
            rib(double(i) / steps, px, py);
            cairo_line_to(cr, px, py);
        }
        cairo_close_path(cr);
        forge::setColour(cr, side < 0 ? light : dark);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 0.05, 0.25, 0.08, 0.55);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 0, 0);
    for (int i = 1; i <= steps; ++i) {
        double px, py;
        rib(double(i) / steps, px, py);
        cairo_line_to(cr, px, py);
    }
    cairo_set_source_rgba(cr, 0.5, 0.45, 0.15, 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

static void trunkPoint(double x, double y, double height, double lean, double t, double &px, double &py) {
    px = x + lean * t * t;
    py = y - height * t;
}

// A smooth tapered trunk with bark rings; returns the crown position.
static void drawTrunk(cairo_t *cr, double x, double y, double height, double lean, double scale, double &topX,
                      double &topY) {
    const int steps = 40;
    auto edge = [&](double t, int side, double &ex, double &ey) {
        double px, py;
        trunkPoint(x, y, height, lean, t, px, py);
        const double dx = 2 * lean * t, dy = -height;   // tangent
        const double len = std::hypot(dx, dy);
        const double w = (12 - 5 * t) * scale;
        ex = px + side * (-dy / len) * w;
        ey = py + side * (dx / len) * w;
    };
    cairo_new_path(cr);
    for (int i = 0; i <= steps; ++i) {
        double ex, ey;
        edge(double(i) / steps, -1, ex, ey);
        cairo_line_to(cr, ex, ey);
    }
    for (int i = steps; i >= 0; --i) {
        double ex, ey;
        edge(double(i) / steps, 1, ex, ey);
        cairo_line_to(cr, ex, ey);
    }
    cairo_close_path(cr);
    cairo_pattern_t *p = cairo_pattern_create_linear(x - 14 * scale, 0, x + lean * 0.5 + 14 * scale, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0xB0 / 255.0, 0x7A / 255.0, 0x40 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0x8A / 255.0, 0x5A / 255.0, 0x2B / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0x5E / 255.0, 0x3A / 255.0, 0x18 / 255.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    forge::setColour(cr, 0x3E2410);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // bark rings: shallow chevrons pointing down, each with a light lip above
    const int rings = int(height / (11 * scale));
    for (int i = 1; i < rings; ++i) {
        const double t = double(i) / rings;
        double lx, ly, rx, ry, cx, cy;
        edge(t, -1, lx, ly);
        edge(t, 1, rx, ry);
        trunkPoint(x, y, height, lean, t, cx, cy);
        cy += 3.5 * scale;
        cairo_move_to(cr, lx, ly);
        cairo_line_to(cr, cx, cy);
        cairo_line_to(cr, rx, ry);
        forge::setColour(cr, 0x4A2C12, 0.85);
        cairo_set_line_width(cr, 1.4 * std::max(0.7, scale));
        cairo_stroke(cr);
        cairo_move_to(cr, lx + 1, ly - 2);
        cairo_line_to(cr, cx, cy - 2.2);
        cairo_set_source_rgba(cr, 1, 0.88, 0.65, 0.35);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    trunkPoint(x, y, height, lean, 1, topX, topY);
}

void drawPalm(cairo_t *cr, double x, double y, double height, double lean, double scale, Rng &rng) {
    cairo_save(cr);
    double topX, topY;
    drawTrunk(cr, x, y, height, lean, scale, topX, topY);
    // back fronds, coconuts, front fronds
    const double L = 95 * scale;
    const double backAngles[] = {-2.7, -1.9, -1.2, -0.4};
    for (double a : backAngles)
        frond(cr, topX, topY, a + rng.range(-0.1, 0.1), L * rng.range(0.8, 1.0), 0.45, 0x2E9E44, 0x1F7A33);
    for (int i = 0; i < 3; ++i)
        drawCoconut(cr, topX - 8 * scale + i * 8 * scale, topY + 7 * scale + (i % 2) * 3 * scale, 6.5 * scale);
    const double frontAngles[] = {-3.3, -2.35, -0.9, 0.15, 3.2 - 2.4};
    for (double a : frontAngles)
        frond(cr, topX, topY - 2, a + rng.range(-0.1, 0.1), L * rng.range(0.9, 1.1), 0.55, 0x4DB85A, 0x2E9E44);
    cairo_restore(cr);
}

void drawBush(cairo_t *cr, double x, double y, double scale, Rng &rng) {
    for (int i = 0; i < 9; ++i) {
        const double a = -M_PI + i * (M_PI / 8) + rng.range(-0.15, 0.15);
        drawLeaf(cr, x, y, a, 42 * scale * rng.range(0.8, 1.1), 10 * scale, i % 2 ? 0x4DB85A : 0x6BCF5A,
                 i % 2 ? 0x1F7A33 : 0x2E9E44);
    }
}

void drawCrate(cairo_t *cr, double x, double y, double size, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, x + size / 2, y + size / 2);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, -size / 2, -size / 2);
    forge::roundedRect(cr, 3, 5, size, size, 3);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    Rng rng(uint32_t(x * 7 + y * 13));
    forge::roundedRect(cr, 0, 0, size, size, 3);
    forge::setColour(cr, 0xC9924E);
    cairo_fill_preserve(cr);
    grainInPath(cr, {0, 0, size, size}, rng, size / 7, 0.3);
    const double e = size * 0.14;
    cairo_set_line_width(cr, 1.5);
    for (int side = 0; side < 4; ++side) {
        const Box edge = side == 0 ? Box{0, 0, size, e} : side == 1 ? Box{0, size - e, size, e}
                         : side == 2 ? Box{0, 0, e, size} : Box{size - e, 0, e, size};
        fillBox(cr, edge, 0x7A4E24);
    }
    cairo_move_to(cr, e, e * 1.4);
    cairo_line_to(cr, size - e * 1.4, size - e);
    cairo_line_to(cr, size - e, size - e * 1.4);
    cairo_line_to(cr, e * 1.4, e);
    cairo_close_path(cr);
    forge::setColour(cr, 0x7A4E24);
    cairo_fill(cr);
    forge::roundedRect(cr, 0.75, 0.75, size - 1.5, size - 1.5, 3);
    forge::setColour(cr, 0x4A2A10);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i)
        drawNail(cr, i % 2 ? size - e / 2 : e / 2, i / 2 ? size - e / 2 : e / 2, size * 0.025 + 0.8);
    cairo_restore(cr);
}

void drawCoconut(cairo_t *cr, double x, double y, double r) {
    cairo_save(cr);
    cairo_pattern_t *p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.62, 0.42, 0.22);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.33, 0.2, 0.08);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgba(cr, 0.18, 0.1, 0.03, 1);
    cairo_set_line_width(cr, std::max(0.8, r * 0.12));
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, x + (i - 1) * r * 0.3, y - r * 0.45 + (i == 1 ? -r * 0.1 : 0), r * 0.1, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.15, 0.08, 0.02, 1);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawConfetti(cairo_t *cr, const Box &area, int count, Rng &rng) {
    static const unsigned colours[] = {0xFF5A5A, 0xFFE14A, 0x4FC3F7, 0x7BD36A, 0xFF8AD8, 0xFFA53A};
    for (int i = 0; i < count; ++i) {
        cairo_save(cr);
        cairo_translate(cr, rng.range(area.x, area.x + area.w), rng.range(area.y, area.y + area.h));
        cairo_rotate(cr, rng.range(0, M_PI));
        const unsigned c = colours[rng.next() % 6];
        if (rng.uniform() < 0.5) {
            cairo_rectangle(cr, -4, -2, 8, 4);
        } else {
            cairo_move_to(cr, -6, 0);
            cairo_curve_to(cr, -3, -4, 3, 4, 6, 0);
            cairo_set_line_width(cr, 2.5);
            forge::setColour(cr, c);
            cairo_stroke(cr);
            cairo_restore(cr);
            continue;
        }
        forge::setColour(cr, c);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void drawStarburst(cairo_t *cr, double x, double y, double r, unsigned colour) {
    cairo_save(cr);
    const int rays = 16;
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * M_PI / rays;
        cairo_move_to(cr, x + std::cos(a) * r * 0.25, y + std::sin(a) * r * 0.25);
        cairo_line_to(cr, x + std::cos(a) * r * (i % 2 ? 0.7 : 1.0), y + std::sin(a) * r * (i % 2 ? 0.7 : 1.0));
    }
    forge::setColour(cr, colour);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, r * 0.15, 0, 2 * M_PI);
    forge::setColour(cr, 0xFFFFFF);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawGull(cairo_t *cr, double x, double y, double span, unsigned colour) {
    cairo_save(cr);
    cairo_move_to(cr, x - span / 2, y);
    cairo_curve_to(cr, x - span * 0.35, y - span * 0.3, x - span * 0.1, y - span * 0.25, x, y);
    cairo_curve_to(cr, x + span * 0.1, y - span * 0.25, x + span * 0.35, y - span * 0.3, x + span / 2, y);
    forge::setColour(cr, colour);
    cairo_set_line_width(cr, std::max(1.5, span * 0.09));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawTrophy(cairo_t *cr, double cx, double bottom, double s) {
    cairo_save(cr);
    cairo_translate(cr, cx, bottom);
    cairo_scale(cr, s, s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto gold = [&]() {
        cairo_pattern_t *p = cairo_pattern_create_linear(-20, 0, 20, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.55, 0.08);
        cairo_pattern_add_color_stop_rgb(p, 0.35, 1, 0.93, 0.5);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.5, 0.05);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        forge::setColour(cr, 0x5A2E0E);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    };
    // handles
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, side * 20, -44, 9, 0, 2 * M_PI);
        forge::setColour(cr, 0x5A2E0E);
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        forge::setColour(cr, 0xF2B830);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    forge::roundedRect(cr, -16, -8, 32, 8, 2);
    gold();
    cairo_rectangle(cr, -5, -24, 10, 16);
    gold();
    cairo_move_to(cr, -24, -62);
    cairo_line_to(cr, 24, -62);
    cairo_curve_to(cr, 24, -36, 12, -24, 0, -24);
    cairo_curve_to(cr, -12, -24, -24, -36, -24, -62);
    cairo_close_path(cr);
    gold();
    // a star on the cup
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 3.5 : 8;
        cairo_line_to(cr, std::cos(a) * r, -44 + std::sin(a) * r);
    }
    cairo_close_path(cr);
    forge::setColour(cr, 0xFFF6C0);
    cairo_fill(cr);
    cairo_restore(cr);
    drawStarburst(cr, cx + 22 * s, bottom - 66 * s, 12 * s, 0xFFFFFF);
    drawStarburst(cr, cx - 26 * s, bottom - 52 * s, 8 * s, 0xFFF6C0);
}

} // namespace screens
