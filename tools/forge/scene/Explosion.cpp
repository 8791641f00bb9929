// The explosion sheet: six frames, two per row, played row by row when a brick breaks:
// a flash with splinters flying out, a dust cloud that swells and then thins away.
#include "tools/forge/scene/SceneKit.h"
#include "tools/forge/scene/ScenePictures.h"
#include "tools/forge/scene/SceneSizes.h"

#include <cmath>
#include <vector>

namespace scene {

using forge::setColour;

namespace {

constexpr int kFrames = kExplosionColumns * kExplosionRows;

struct Splinter {
    double angle, speed, length, width, spin;
    unsigned colour;
};

struct Puff {
    double angle, distance, radius;
};

// How each frame looks: flash size, how far splinters have flown, dust size and coverage.
struct FrameLook {
    double flash, fly, dust, dustKeep, sparks, splinterKeep;
};

constexpr FrameLook kLooks[kFrames] = {
    {1.0, 0.25, 0.35, 1.0, 1.0, 1.0}, {0.6, 0.5, 0.6, 1.0, 0.7, 1.0}, {0.2, 0.72, 0.85, 1.0, 0.3, 1.0},
    {0.0, 0.9, 1.0, 0.8, 0.0, 0.8},   {0.0, 1.0, 1.05, 0.5, 0.0, 0.5}, {0.0, 1.1, 1.1, 0.25, 0.0, 0.3},
};

void flashStar(cairo_t *cr, double cx, double cy, double size) {
    if (size <= 0)
        return;
    const int points = 10;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = i * M_PI / points, r = (i % 2 ? 0.4 : 1.0) * size * (i % 4 == 0 ? 1.0 : 0.75);
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    setColour(cr, 0xFF9A2A);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, size * 0.5, 0, 2 * M_PI);
    setColour(cr, 0xFFE14A);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, size * 0.28, 0, 2 * M_PI);
    setColour(cr, 0xFFFBE0);
    cairo_fill(cr);
}

void dust(cairo_t *cr, double cx, double cy, const std::vector<Puff> &puffs, const FrameLook &look) {
    const size_t keep = static_cast<size_t>(puffs.size() * look.dustKeep);
    // Shadow side first, then the lit puffs a little up and left.
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < keep; ++i) {
            const Puff &p = puffs[i];
            const double d = p.distance * look.dust * 30, r = p.radius * (0.55 + 0.45 * look.dust) * (1.0 - 0.25 * (1 - look.dustKeep));
            const double x = cx + d * std::cos(p.angle) - pass * r * 0.18, y = cy + d * std::sin(p.angle) - pass * r * 0.22;
            setColour(cr, pass ? mix(0xE8D8B8, 0xF4ECDC, 1 - look.dustKeep) : 0xB09A78);
            cairo_arc(cr, x, y, r * (pass ? 0.82 : 1.0), 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
}

void splinters(cairo_t *cr, double cx, double cy, const std::vector<Splinter> &list, const FrameLook &look) {
    const size_t keep = static_cast<size_t>(list.size() * look.splinterKeep);
    for (size_t i = 0; i < keep; ++i) {
        const Splinter &s = list[i];
        const double d = 8 + s.speed * look.fly * 34;
        const double x = cx + d * std::cos(s.angle), y = cy + d * std::sin(s.angle) + look.fly * look.fly * 8;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, s.angle + s.spin * look.fly);
        cairo_rectangle(cr, -s.length / 2 - 0.8, -s.width / 2 - 0.8, s.length + 1.6, s.width + 1.6);
        setColour(cr, darken(s.colour, 0.55));
        cairo_fill(cr);
        cairo_rectangle(cr, -s.length / 2, -s.width / 2, s.length, s.width);
        setColour(cr, s.colour);
        cairo_fill(cr);
        cairo_rectangle(cr, -s.length / 2, -s.width / 2, s.length, 1);
        setColour(cr, lighten(s.colour, 0.45));
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void sparks(cairo_t *cr, double cx, double cy, double amount, Rng &rng) {
    for (int i = 0; i < 10; ++i) {
        const double a = rng.range(0, 2 * M_PI), d = rng.range(18, 40) * (1.3 - 0.3 * amount);
        if (amount <= 0)
            continue;
        setColour(cr, i % 2 ? 0xFFE14A : 0xFFFBE0);
        cairo_arc(cr, cx + d * std::cos(a), cy + d * std::sin(a), 1.5 + amount, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

} // namespace

bool forgeExplosion(const std::string &game) {
    const int w = kExplosionCell * kExplosionColumns, h = kExplosionCell * kExplosionRows;
    forge::Canvas c = forge::canvasCreate(w, h);
    Rng rng(61);
    const unsigned woods[4] = {0xB8763A, 0xD49A55, 0x9C5E2A, 0xC9924E};
    std::vector<Splinter> chips;
    for (int i = 0; i < 14; ++i)
        chips.push_back({rng.range(0, 2 * M_PI), rng.range(0.6, 1.0), rng.range(5, 12), rng.range(2, 3.5),
                         rng.range(-3, 3), woods[i % 4]});
    std::vector<Puff> puffs;
    for (int i = 0; i < 16; ++i)
        puffs.push_back({i * 2.39996 + rng.range(-0.3, 0.3), rng.range(0.2, 1.0), rng.range(7, 13)});   // golden-angle spread
    for (int f = 0; f < kFrames; ++f) {
        const double cx = (f % kExplosionColumns + 0.5) * kExplosionCell;
        const double cy = (f / kExplosionColumns + 0.5) * kExplosionCell;
        cairo_save(c.cr);
        cairo_rectangle(c.cr, cx - kExplosionCell / 2.0, cy - kExplosionCell / 2.0, kExplosionCell, kExplosionCell);
        cairo_clip(c.cr);
        const FrameLook &look = kLooks[f];
        dust(c.cr, cx, cy, puffs, look);
        flashStar(c.cr, cx, cy, 26 * look.flash);
        splinters(c.cr, cx, cy, chips, look);
        Rng sparkRng(90 + f);
        sparks(c.cr, cx, cy, look.sparks, sparkRng);
        cairo_restore(c.cr);
    }
    const bool ok = savePicture(c, dataFile(game, "sprites/explosion.bmp"), forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace scene
