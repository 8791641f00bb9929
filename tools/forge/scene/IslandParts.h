// The pieces island pictures are built from: the frame around the playfield, and the
// scenery inside it (clouds, distant islands, forest, palms, water and beach details).
#pragma once
#include "tools/forge/scene/SceneKit.h"

namespace scene {

// The island's colours as seen through the panel monkey's window.
struct WindowView {
    unsigned skyTop, skyBottom, hill, sand;
};
// Panel, right border and rope track, the same on every island but for the window's view.
void drawIslandFrame(cairo_t *cr, const WindowView &view);
void bambooRod(cairo_t *cr, double x, double y, double w, double h, unsigned colour, bool vertical);

struct PalmColours {
    unsigned trunk, leaf, leafDark, nut;
};

// A palm rooted at (x, y), its crown at (x + lean, y - height).
void drawPalm(cairo_t *cr, double x, double y, double height, double lean, double leafLength, const PalmColours &c,
              uint32_t seed);
// A puffy cloud centred at (x, y), `size` wide.
void drawCloud(cairo_t *cr, double x, double y, double size, unsigned colour, unsigned shade, double alpha);
// A forest seen from afar: rounded tree crowns along a wavy line around `top`, filled to `bottom`.
void drawCanopy(cairo_t *cr, double left, double right, double top, double bottom, unsigned colour, uint32_t seed);
// A distant island: a rounded hump on the horizon with a line of beach.
void drawIslet(cairo_t *cr, double left, double right, double base, double height, unsigned colour, uint32_t seed);
// Bushy broad leaves, a fan of them rooted at (x, y).
void drawLeafFan(cairo_t *cr, double x, double y, double size, double angle, unsigned colour, unsigned dark,
                 uint32_t seed);
// Wave glints across a band of water.
void drawWaterGlints(cairo_t *cr, double left, double right, double top, double bottom, unsigned colour, double alpha,
                     uint32_t seed);
// The wavy line of foam where water meets sand.
void drawFoamLine(cairo_t *cr, double left, double right, double y, unsigned foam, uint32_t seed);
// Sand speckles, ripples and a shell or starfish.
void drawSandDetail(cairo_t *cr, double left, double right, double top, double bottom, unsigned sand, uint32_t seed);

} // namespace scene
