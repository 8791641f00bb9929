// The scenery pieces of the island pictures: palms, clouds, forest, islets, jungle leaves,
// water glints, foam and beach details (see IslandParts.h).
#include "tools/forge/scene/IslandParts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace scene {

using forge::setColour;

namespace {

struct Pt {
    double x, y;
};

Pt bezier(Pt a, Pt c, Pt b, double t) {
    const double u = 1 - t;
    return {u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y};
}

// A shape along a curve from a through c to b, as wide as width(t) on either side.
template <typename Width>
void ribbon(cairo_t *cr, Pt a, Pt c, Pt b, int steps, Width width) {
    std::vector<Pt> left, right;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const Pt p = bezier(a, c, b, t);
        const Pt q = bezier(a, c, b, std::min(1.0, t + 0.01));
        const Pt r = bezier(a, c, b, std::max(0.0, t - 0.01));
        double nx = -(q.y - r.y), ny = q.x - r.x;
        const double len = std::hypot(nx, ny);
        nx /= len, ny /= len;
        const double w = width(i, t);
        left.push_back({p.x + nx * w, p.y + ny * w});
        right.push_back({p.x - nx * w, p.y - ny * w});
    }
    cairo_move_to(cr, left[0].x, left[0].y);
    for (const Pt &p : left)
        cairo_line_to(cr, p.x, p.y);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        cairo_line_to(cr, it->x, it->y);
    cairo_close_path(cr);
}

void palmLeaf(cairo_t *cr, Pt crown, double angle, double length, const PalmColours &c) {
    const double dx = std::cos(angle), dy = std::sin(angle);
    const double droop = length * (0.3 + 0.4 * std::fabs(dx));
    const Pt tip{crown.x + dx * length, crown.y + dy * length * 0.6 + droop};
    const Pt ctrl{crown.x + dx * length * 0.6, crown.y + dy * length * 0.6 - length * 0.3};
    const int count = std::max(8, static_cast<int>(length / 3.2));
    const double maxLeaflet = length * 0.32;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Leaflets on both sides, pointing forward and hanging down; the lower side in shade.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < count; ++i) {
            const double t = 0.06 + 0.92 * i / count;
            const Pt p = bezier(crown, ctrl, tip, t);
            const Pt q = bezier(crown, ctrl, tip, std::min(1.0, t + 0.02));
            double tx = q.x - p.x, ty = q.y - p.y;
            const double tl = std::hypot(tx, ty);
            tx /= tl, ty /= tl;
            const double spread = 0.75;
            double lx = tx * std::cos(spread * side) - ty * std::sin(spread * side);
            double ly = tx * std::sin(spread * side) + ty * std::cos(spread * side) + 0.55;
            const double ll = std::hypot(lx, ly);
            lx /= ll, ly /= ll;
            const double len = maxLeaflet * std::pow(std::sin(M_PI * (0.12 + 0.82 * t)), 0.8);
            const bool shaded = (side > 0) == (dx > 0);
            cairo_move_to(cr, p.x - tx * 1.6, p.y - ty * 1.6);
            cairo_line_to(cr, p.x + lx * len, p.y + ly * len);
            cairo_line_to(cr, p.x + tx * 1.6, p.y + ty * 1.6);
            cairo_close_path(cr);
            setColour(cr, shaded ? c.leafDark : (i % 3 == 0 ? lighten(c.leaf, 0.15) : c.leaf));
            cairo_fill(cr);
        }
    }
    cairo_move_to(cr, crown.x, crown.y);
    cairo_curve_to(cr, crown.x + (ctrl.x - crown.x) * 0.66, crown.y + (ctrl.y - crown.y) * 0.66,
                   tip.x + (ctrl.x - tip.x) * 0.66, tip.y + (ctrl.y - tip.y) * 0.66, tip.x, tip.y);
    setColour(cr, darken(c.leafDark, 0.2));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

} // namespace

void drawPalm(cairo_t *cr, double x, double y, double height, double lean, double leafLength, const PalmColours &c,
              uint32_t seed) {
    Rng rng(seed);
    const Pt base{x, y}, crown{x + lean, y - height};
    const Pt ctrl{x + lean * 0.1, y - height * 0.55};
    const double w0 = std::max(1.3, height * 0.045);
    auto taper = [w0](int, double t) { return w0 * (1.0 - 0.4 * t); };
    ribbon(cr, base, ctrl, crown, 30, taper);
    setColour(cr, c.trunk);
    cairo_fill(cr);
    // Shade the far side of the trunk.
    ribbon(cr, {base.x + w0 * 0.5, base.y}, {ctrl.x + w0 * 0.45, ctrl.y}, {crown.x + w0 * 0.3, crown.y}, 30,
           [w0](int, double t) { return w0 * 0.5 * (1.0 - 0.4 * t); });
    setColour(cr, darken(c.trunk, 0.3), 0.8);
    cairo_fill(cr);
    // Rings of old leaf scars.
    const int rings = static_cast<int>(height / 9);
    for (int i = 1; i < rings; ++i) {
        const double t = double(i) / rings;
        const Pt p = bezier(base, ctrl, crown, t);
        const double w = w0 * (1.0 - 0.4 * t);
        cairo_move_to(cr, p.x - w, p.y);
        cairo_curve_to(cr, p.x - w * 0.3, p.y + 2.5, p.x + w * 0.3, p.y + 2.5, p.x + w, p.y);
        setColour(cr, darken(c.trunk, 0.45), 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_move_to(cr, p.x - w * 0.8, p.y + 2);
        cairo_line_to(cr, p.x, p.y + 3);
        setColour(cr, lighten(c.trunk, 0.25), 0.6);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    const double angles[] = {-3.0, -2.55, -2.05, -1.4, -0.95, -0.45, 0.05, 3.35};
    for (double a : angles)
        palmLeaf(cr, crown, a + rng.range(-0.12, 0.12), leafLength * rng.range(0.85, 1.1), c);
    // Coconuts under the crown.
    const double nr = std::max(2.5, leafLength * 0.07);
    const double nuts[][2] = {{-1.1, 0.9}, {0.6, 1.2}, {-0.2, 2.0}};
    for (const auto &n : nuts) {
        setColour(cr, darken(c.nut, 0.35));
        cairo_arc(cr, crown.x + n[0] * nr, crown.y + n[1] * nr, nr + 0.8, 0, 2 * M_PI);
        cairo_fill(cr);
        setColour(cr, c.nut);
        cairo_arc(cr, crown.x + n[0] * nr, crown.y + n[1] * nr, nr, 0, 2 * M_PI);
        cairo_fill(cr);
        setColour(cr, lighten(c.nut, 0.4), 0.7);
        cairo_arc(cr, crown.x + n[0] * nr - nr * 0.35, crown.y + n[1] * nr - nr * 0.35, nr * 0.35, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

static void cloudPath(cairo_t *cr, double x, double y, double size) {
    const double puffs[][3] = {{-0.32, 0.05, 0.2}, {-0.12, -0.1, 0.26}, {0.12, -0.06, 0.22},
                               {0.3, 0.06, 0.17}, {0.0, 0.1, 0.2}};
    for (const auto &p : puffs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + p[0] * size, y + p[1] * size * 0.8, p[2] * size * 0.8, 0, 2 * M_PI);
    }
}

void drawCloud(cairo_t *cr, double x, double y, double size, unsigned colour, unsigned shade, double alpha) {
    cairo_push_group(cr);
    cloudPath(cr, x, y, size);
    setColour(cr, colour);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, x - size, y + size * 0.06, 2 * size, size);
    cairo_clip(cr);
    cloudPath(cr, x, y, size);
    setColour(cr, shade, 0.8);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void drawCanopy(cairo_t *cr, double left, double right, double top, double bottom, unsigned colour, uint32_t seed) {
    Rng rng(seed);
    const double phase = rng.range(0, 6.28);
    std::vector<Pt> crowns;
    for (double x = left - 10; x < right + 20; x += rng.range(14, 24)) {
        const double y = top + 14 * std::sin(x * 0.013 + phase) + rng.range(-6, 6);
        crowns.push_back({x, y});
    }
    // The body of the forest under the crowns, then the crowns, then their lit tops.
    cairo_move_to(cr, left, bottom);
    for (const Pt &c : crowns)
        cairo_line_to(cr, c.x, c.y + 6);
    cairo_line_to(cr, right + 20, bottom);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
    Rng sizes(seed + 1);
    std::vector<double> radii;
    for (const Pt &c : crowns) {
        radii.push_back(sizes.range(11, 19));
        setColour(cr, colour);
        cairo_arc(cr, c.x, c.y + 4, radii.back(), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    for (size_t i = 0; i < crowns.size(); ++i) {
        setColour(cr, lighten(colour, 0.14));
        cairo_arc(cr, crowns[i].x - radii[i] * 0.25, crowns[i].y + 1, radii[i] * 0.6, M_PI, 2 * M_PI);
        cairo_fill(cr);
    }
}

void drawIslet(cairo_t *cr, double left, double right, double base, double height, unsigned colour, uint32_t seed) {
    Rng rng(seed);
    const double p = rng.range(0, 6.28);
    cairo_move_to(cr, left, base);
    for (double x = left; x <= right; x += 2) {
        const double u = (x - left) / (right - left);
        const double dome = std::pow(std::sin(M_PI * u), 0.7);
        cairo_line_to(cr, x, base - height * dome * (0.85 + 0.15 * std::sin(u * 9 + p)));
    }
    cairo_line_to(cr, right, base);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
    // A strip of beach along the waterline.
    fillRect(cr, left + (right - left) * 0.08, base - 2.5, (right - left) * 0.84, 2.5, 0xF3D9A0, 0.8);
}

void drawLeafFan(cairo_t *cr, double x, double y, double size, double angle, unsigned colour, unsigned dark,
                 uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < 5; ++i) {
        const double a = angle + (i - 2) * 0.45 + rng.range(-0.1, 0.1);
        const double len = size * rng.range(0.75, 1.0);
        const Pt base{x, y}, tip{x + std::cos(a) * len, y + std::sin(a) * len + len * 0.15};
        const Pt ctrl{x + std::cos(a) * len * 0.5, y + std::sin(a) * len * 0.5 - len * 0.2};
        auto broad = [len](int, double t) { return std::sin(M_PI * t) * len * 0.2 + 0.5; };
        ribbon(cr, base, ctrl, tip, 16, broad);
        setColour(cr, i % 2 ? dark : colour);
        cairo_fill(cr);
        cairo_move_to(cr, base.x, base.y);
        cairo_curve_to(cr, ctrl.x, ctrl.y, ctrl.x, ctrl.y, tip.x, tip.y);
        setColour(cr, lighten(colour, 0.3), 0.7);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
}

void drawWaterGlints(cairo_t *cr, double left, double right, double top, double bottom, unsigned colour, double alpha,
                     uint32_t seed) {
    Rng rng(seed);
    const int count = static_cast<int>((right - left) * (bottom - top) / 260);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double t = rng.next();
        const double y = top + t * (bottom - top);
        const double x = rng.range(left, right);
        const double len = 4 + t * 14 * rng.range(0.5, 1.0);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        setColour(cr, colour, alpha * rng.range(0.4, 1.0));
        cairo_set_line_width(cr, 0.8 + t * 1.2);
        cairo_stroke(cr);
    }
}

void drawFoamLine(cairo_t *cr, double left, double right, double y, unsigned foam, uint32_t seed) {
    Rng rng(seed);
    const double phase = rng.range(0, 6.28);
    auto wave = [&](double x) { return y + 3 * std::sin(x * 0.035 + phase) + 1.5 * std::sin(x * 0.11 + phase); };
    cairo_move_to(cr, left, wave(left) - 5);
    for (double x = left; x <= right; x += 3)
        cairo_line_to(cr, x, wave(x) - 5);
    for (double x = right; x >= left; x -= 3)
        cairo_line_to(cr, x, wave(x) + 2);
    cairo_close_path(cr);
    setColour(cr, foam, 0.45);
    cairo_fill(cr);
    cairo_move_to(cr, left, wave(left));
    for (double x = left; x <= right; x += 3)
        cairo_line_to(cr, x, wave(x));
    setColour(cr, foam);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

static void starfish(cairo_t *cr, double x, double y, double r, double turn) {
    for (int i = 0; i < 10; ++i) {
        const double a = turn + i * M_PI / 5 - M_PI / 2, rr = i % 2 ? r * 0.42 : r;
        if (i == 0)
            cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        else
            cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    }
    cairo_close_path(cr);
    setColour(cr, 0xE8703A);
    cairo_fill_preserve(cr);
    setColour(cr, 0x9A3A1A);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    setColour(cr, 0xFFD0A0);
    cairo_arc(cr, x, y, r * 0.18, 0, 2 * M_PI);
    cairo_fill(cr);
}

static void shell(cairo_t *cr, double x, double y, double r) {
    cairo_move_to(cr, x, y + r * 0.5);
    cairo_arc(cr, x, y, r, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(cr);
    setColour(cr, 0xFBE6E0);
    cairo_fill_preserve(cr);
    setColour(cr, 0xB07A70);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    for (int k = -2; k <= 2; ++k) {
        cairo_move_to(cr, x, y + r * 0.5);
        cairo_line_to(cr, x + k * r * 0.38, y - r * 0.8);
    }
    cairo_stroke(cr);
}

void drawSandDetail(cairo_t *cr, double left, double right, double top, double bottom, unsigned sand, uint32_t seed) {
    Rng rng(seed);
    const int specks = static_cast<int>((right - left) * (bottom - top) / 30);
    for (int i = 0; i < specks; ++i) {
        setColour(cr, rng.next() < 0.5 ? darken(sand, 0.18) : lighten(sand, 0.3), 0.6);
        cairo_arc(cr, rng.range(left, right), rng.range(top, bottom), rng.range(0.4, 0.9), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Wind ripples.
    for (int i = 0; i < 9; ++i) {
        const double x = rng.range(left, right - 60), y = rng.range(top + 10, bottom - 6), w = rng.range(30, 60);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + w * 0.3, y - 3, x + w * 0.7, y + 3, x + w, y);
        setColour(cr, darken(sand, 0.12), 0.6);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    starfish(cr, rng.range(left + 40, right - 40), rng.range(top + 20, bottom - 12), 7, rng.range(0, 1));
    shell(cr, rng.range(left + 20, right - 20), rng.range(top + 15, bottom - 8), 5);
    shell(cr, rng.range(left + 20, right - 20), rng.range(top + 15, bottom - 8), 4);
}

} // namespace scene
