// The twisted rope of the monkeys' belt: straight runs (the sprite collection's rope
// piece, seamless every 87 pixels) and the turn around the wheel's hub.
#pragma once
#include <cairo.h>

namespace sprites {

constexpr double kRopeThick = 8;
constexpr double kRopePeriod = 87.0;
constexpr int kRopeTwists = 8;        // twists per period

// A straight run from x0 to x1, centred on y; `shift` slides the twists along (pixels).
void drawRopeRun(cairo_t *cr, double x0, double x1, double y, double shift);
// A half turn around (cx, cy) on the left side, centre line at `radius`; `turn` in radians.
void drawRopeTurn(cairo_t *cr, double cx, double cy, double radius, double turn);

} // namespace sprites
