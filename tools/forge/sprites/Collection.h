// The parts of the sprite collection, each drawn into its rectangles of Atlas.h.
#pragma once
#include <cairo.h>

namespace sprites {

void drawCapsules(cairo_t *cr);
void drawFruit(cairo_t *cr);
void drawCaptions(cairo_t *cr);
void drawNumberFont(cairo_t *cr);
void drawRopePiece(cairo_t *cr);
void drawBullet(cairo_t *cr);
void drawCasings(cairo_t *cr);
void drawDemoLabel(cairo_t *cr);

// Restricts drawing to one rectangle and moves the origin to its top left.
void enterRect(cairo_t *cr, int left, int top, int right, int bottom);

} // namespace sprites
