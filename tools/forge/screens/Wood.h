// Wood of the screens: plank boards with grain and nails, the wooden button signs that
// light up under the pointer, and the chunky carved-wood title lettering.
#pragma once
#include "tools/forge/screens/Kit.h"

namespace screens {

constexpr unsigned kWoodLight = 0xD49A55;
constexpr unsigned kWoodMid = 0xB8763A;
constexpr unsigned kWoodDark = 0x9C5E2A;

// Horizontal planks filling the box, each `plankHeight` high, with grain, seams and nails.
void drawPlankBoard(cairo_t *cr, const Box &b, double plankHeight, unsigned base, Rng &rng, double radius = 6);
void drawNail(cairo_t *cr, double x, double y, double r = 2.2);

// Grain lines clipped to the current path (kept).
void grainInPath(cairo_t *cr, const Box &b, Rng &rng, double spacing, double alpha);

// A button sign: a rounded plank with its label; lit signs glow yellow inside `glowReach`.
void drawSign(cairo_t *cr, const Box &b, const char *label, double textSize, bool lit, double glowReach = 4);

// Title lettering: carved wood letters, dark outline, leaves; centred on cx, baseline y.
void drawWoodTitle(cairo_t *cr, const char *text, double cx, double baseline, double size, uint32_t seed,
                   bool leaves = true);

// A green leaf from (x, y) pointing at `angle` radians, `len` long.
void drawLeaf(cairo_t *cr, double x, double y, double angle, double len, double width, unsigned light,
              unsigned dark);

} // namespace screens
