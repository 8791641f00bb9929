// Small drawing helpers shared by the scene pictures (see SceneKit.h).
#include "tools/forge/scene/SceneKit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace scene {

double Rng::next() {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 16777216.0;
}

double Rng::range(double lo, double hi) { return lo + (hi - lo) * next(); }

int Rng::below(int n) { return static_cast<int>(next() * n); }

static unsigned channel(unsigned c, int shift) { return (c >> shift) & 0xFF; }

unsigned mix(unsigned a, unsigned b, double t) {
    unsigned out = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const double v = channel(a, shift) * (1 - t) + channel(b, shift) * t;
        out |= static_cast<unsigned>(std::lround(v)) << shift;
    }
    return out;
}

unsigned lighten(unsigned c, double t) { return mix(c, 0xFFFFFF, t); }
unsigned darken(unsigned c, double t) { return mix(c, 0x000000, t); }

void fillRect(cairo_t *cr, double x, double y, double w, double h, unsigned colour, double alpha) {
    forge::setColour(cr, colour, alpha);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

static void addStop(cairo_pattern_t *p, double at, unsigned rgb, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, at, channel(rgb, 16) / 255.0, channel(rgb, 8) / 255.0,
                                      channel(rgb, 0) / 255.0, alpha);
}

void verticalGradient(cairo_t *cr, double x, double y, double w, double h, unsigned top, unsigned bottom) {
    cairo_pattern_t *p = cairo_pattern_create_linear(0, y, 0, y + h);
    addStop(p, 0, top, 1);
    addStop(p, 1, bottom, 1);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void softGlow(cairo_t *cr, double cx, double cy, double radius, unsigned colour, double alpha) {
    cairo_pattern_t *p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    addStop(p, 0, colour, alpha);
    addStop(p, 0.5, colour, alpha * 0.45);
    addStop(p, 1, colour, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// One wavy line along the grain, `across` being its offset from the area's start.
static void grainLine(cairo_t *cr, double x, double y, double w, double h, bool vertical, double across,
                      double phase, double amp) {
    const double length = vertical ? h : w;
    for (double t = 0; t <= length; t += 2) {
        const double off = across + amp * std::sin(t * 0.11 + phase) + amp * 0.5 * std::sin(t * 0.27 + phase * 2);
        const double px = vertical ? x + off : x + t;
        const double py = vertical ? y + t : y + off;
        if (t == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
}

void woodGrain(cairo_t *cr, double x, double y, double w, double h, unsigned base, Rng &rng, bool vertical,
               double density, bool knots) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    const double across = vertical ? w : h;
    const int lines = std::max(2, static_cast<int>(across / 4.5 * density));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < lines; ++i) {
        const double pos = (i + 0.5 + rng.range(-0.3, 0.3)) * across / lines;
        const bool dark = rng.next() < 0.7;
        forge::setColour(cr, dark ? darken(base, 0.35) : lighten(base, 0.2), dark ? 0.7 : 0.5);
        cairo_set_line_width(cr, rng.range(0.6, 1.1));
        grainLine(cr, x, y, w, h, vertical, pos, rng.range(0, 6.28), rng.range(0.3, 1.0));
        cairo_stroke(cr);
    }
    // A knot with rings of grain around it on longer pieces.
    const double length = vertical ? h : w;
    if (knots && length >= 40 && rng.next() < 0.8) {
        const double along = rng.range(0.2, 0.8) * length;
        const double off = rng.range(0.3, 0.7) * across;
        const double kx = vertical ? x + off : x + along;
        const double ky = vertical ? y + along : y + off;
        const double r = std::min(across * 0.18, 3.5);
        for (int ring = 2; ring >= 0; --ring) {
            forge::setColour(cr, darken(base, 0.2 + 0.12 * (2 - ring)), 0.6);
            cairo_save(cr);
            cairo_translate(cr, kx, ky);
            cairo_scale(cr, vertical ? 1.0 : 1.8, vertical ? 1.8 : 1.0);
            cairo_arc(cr, 0, 0, r * (0.5 + ring * 0.45), 0, 2 * M_PI);
            cairo_restore(cr);
            if (ring == 0)
                cairo_fill(cr);
            else {
                cairo_set_line_width(cr, 0.7);
                cairo_stroke(cr);
            }
        }
    }
    cairo_restore(cr);
}

void nailHead(cairo_t *cr, double x, double y, double r) {
    forge::setColour(cr, 0x2E2A26, 0.6);
    cairo_arc(cr, x + 0.4, y + 0.5, r + 0.5, 0, 2 * M_PI);
    cairo_fill(cr);
    forge::setColour(cr, 0x5A5A5A);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
    forge::setColour(cr, 0xC9CDD2, 0.9);
    cairo_arc(cr, x - r * 0.35, y - r * 0.35, r * 0.45, 0, 2 * M_PI);
    cairo_fill(cr);
}

std::string dataFile(const std::string &game, const std::string &relative) { return game + "/data/" + relative; }

bool savePicture(const forge::Canvas &c, const std::string &path, forge::BmpMode mode) {
    if (forge::writeBmp(c, path, mode))
        return true;
    std::fprintf(stderr, "forge_scene: cannot write %s\n", path.c_str());
    return false;
}

} // namespace scene
