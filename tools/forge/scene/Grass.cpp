// The grass overlay drawn across the bottom of the scene over the wheel and rope track:
// a thick fringe of blades with a few taller tufts and flowers, see-through above them.
#include "tools/forge/scene/SceneKit.h"
#include "tools/forge/scene/ScenePictures.h"
#include "tools/forge/scene/SceneSizes.h"

#include <algorithm>
#include <cmath>

namespace scene {

using forge::setColour;

namespace {

constexpr unsigned kGrassDark = 0x1F7A33;
constexpr unsigned kGrass = 0x2E9E44;
constexpr unsigned kGrassLight = 0x66C95A;

// One blade from (x, bottom) up to `height`, curving by `bend`.
void blade(cairo_t *cr, double x, double bottom, double height, double bend, double width, unsigned colour) {
    const double tipX = x + bend, tipY = bottom - height;
    cairo_move_to(cr, x - width, bottom);
    cairo_curve_to(cr, x - width * 0.6, bottom - height * 0.5, tipX - bend * 0.3, tipY + height * 0.3, tipX, tipY);
    cairo_curve_to(cr, tipX - bend * 0.2, tipY + height * 0.35, x + width * 0.5, bottom - height * 0.5, x + width,
                   bottom);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
}

void flower(cairo_t *cr, double x, double y, unsigned petals) {
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        setColour(cr, petals);
        cairo_arc(cr, x + 2.6 * std::cos(a), y + 2.6 * std::sin(a), 2.2, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    setColour(cr, 0xFFE14A);
    cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
    cairo_fill(cr);
}

// Height of the grass at x: low along most of the track, in clumps now and then.
double clumpHeight(double x, Rng &rng) {
    const double wave = 0.5 + 0.5 * std::sin(x * 0.021) * std::sin(x * 0.0071 + 1.3);
    return 10 + wave * 20 + rng.range(0, 10);
}

} // namespace

bool forgeGrass(const std::string &game) {
    forge::Canvas c = forge::canvasCreate(kScreenWidth, kGrassHeight);
    cairo_t *cr = c.cr;
    const double bottom = kGrassHeight;
    Rng rng(41);
    // A solid bed of dark grass along the bottom edge.
    verticalGradient(cr, 0, bottom - 12, kScreenWidth, 12, kGrass, kGrassDark);
    const unsigned layers[3] = {kGrassDark, kGrass, kGrassLight};
    for (int layer = 0; layer < 3; ++layer) {
        for (double x = -4; x < kScreenWidth + 4; x += rng.range(2.0, 4.0)) {
            const double h = clumpHeight(x, rng) * (1.0 - 0.22 * layer) + 6;
            blade(cr, x, bottom + 1, std::min(h, kGrassHeight - 2.0), rng.range(-7, 7), rng.range(1.6, 2.6),
                  mix(layers[layer], kGrassDark, rng.range(0, 0.25)));
        }
    }
    // Taller tufts and the odd flower.
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(20, kScreenWidth - 20);
        for (int k = 0; k < 5; ++k)
            blade(cr, x + rng.range(-6, 6), bottom + 1, rng.range(kGrassHeight * 0.7, kGrassHeight - 2.0),
                  rng.range(-10, 10), 2.2, k % 2 ? kGrass : kGrassLight);
    }
    const unsigned petals[3] = {0xF25C5C, 0xFFF4D6, 0xF79ACB};
    for (int i = 0; i < 12; ++i)
        flower(cr, rng.range(12, kScreenWidth - 12), bottom - rng.range(10, 26), petals[i % 3]);
    const bool ok = savePicture(c, dataFile(game, "levels/islands/herbe.bmp"), forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace scene
