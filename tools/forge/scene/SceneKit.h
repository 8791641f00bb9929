// Small drawing helpers shared by the scene pictures: a repeatable random sequence,
// colour mixing, gradients, wood grain and the file names below the game folder.
#pragma once
#include "tools/forge/common/Paint.h"

#include <cairo.h>
#include <cstdint>
#include <string>

namespace scene {

// A repeatable sequence so every build draws the same pictures.
struct Rng {
    uint32_t state;
    explicit Rng(uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    double next();                         // 0 <= value < 1
    double range(double lo, double hi);    // lo <= value < hi
    int below(int n);                      // 0 .. n-1
};

// Colours as 0xRRGGBB.
unsigned mix(unsigned a, unsigned b, double t);       // t = 0 gives a, 1 gives b
unsigned lighten(unsigned c, double t);               // toward white
unsigned darken(unsigned c, double t);                // toward black

void fillRect(cairo_t *cr, double x, double y, double w, double h, unsigned colour, double alpha = 1.0);
void verticalGradient(cairo_t *cr, double x, double y, double w, double h, unsigned top, unsigned bottom);
// A soft round glow: `colour` at `alpha` in the middle fading to nothing at `radius`.
void softGlow(cairo_t *cr, double cx, double cy, double radius, unsigned colour, double alpha);

// Wavy grain lines and a knot or two over a filled wooden area (clipped to it).
void woodGrain(cairo_t *cr, double x, double y, double w, double h, unsigned base, Rng &rng, bool vertical,
               double density = 1.0, bool knots = true);
// A round nail head with its highlight.
void nailHead(cairo_t *cr, double x, double y, double r);

// <game>/data/<relative>
std::string dataFile(const std::string &game, const std::string &relative);
// Writes the canvas and reports a failure on stderr.
bool savePicture(const forge::Canvas &c, const std::string &path, forge::BmpMode mode);

} // namespace scene
