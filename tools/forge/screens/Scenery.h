// The island scenery behind the screens: sky and sun, clouds, sea with foam, sandy beach,
// palm trees, and a few props (crates, coconuts, bushes, confetti).
#pragma once
#include "tools/forge/screens/Kit.h"

namespace screens {

struct SkyColours {
    unsigned top, horizon;
};
constexpr SkyColours kDaySky{0x5EC8F2, 0xBFEFFF};
constexpr SkyColours kSunsetSky{0xFF9A5A, 0xFFD59E};
constexpr SkyColours kGloomSky{0x2C2A52, 0x8A6A8E};

void drawSky(cairo_t *cr, int width, double horizon, SkyColours sky);
void drawSun(cairo_t *cr, double x, double y, double r, unsigned core, unsigned halo);
void drawCloud(cairo_t *cr, double x, double y, double scale, unsigned colour, double alpha = 1.0);
// Sea from the horizon down to `shore`, with wave glints; darker tones for dusk.
void drawSea(cairo_t *cr, int width, double horizon, double shore, unsigned top, unsigned bottom, Rng &rng);
// Beach from `shore` (a gentle wave line) to the bottom, foam along its edge.
void drawBeach(cairo_t *cr, int width, int height, double shore, unsigned sand, unsigned shadow, Rng &rng);
// A palm: trunk from (x, y) bending by `lean` over `height`, crown of fronds, coconuts.
void drawPalm(cairo_t *cr, double x, double y, double height, double lean, double scale, Rng &rng);
void drawBush(cairo_t *cr, double x, double y, double scale, Rng &rng);
void drawCrate(cairo_t *cr, double x, double y, double size, double tilt);
void drawCoconut(cairo_t *cr, double x, double y, double r);
void drawConfetti(cairo_t *cr, const Box &area, int count, Rng &rng);
void drawStarburst(cairo_t *cr, double x, double y, double r, unsigned colour);
// A golden cup standing on (cx, bottom), `s` 1 being about 70 pixels tall, with sparkles.
void drawTrophy(cairo_t *cr, double cx, double bottom, double s);
// A gull far away: two curved wings.
void drawGull(cairo_t *cr, double x, double y, double span, unsigned colour);

} // namespace screens
