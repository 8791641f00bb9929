// Small drawing kit of the screen forge: a repeatable random source, gradients, crops of a
// finished screen into its lit button pictures, glows and the chunky arrows of the screens.
#pragma once
#include "tools/forge/common/Paint.h"

#include <cstdint>
#include <string>

namespace screens {

// Colours of the game's lettering and glow.
constexpr unsigned kCream = 0xFFF4D6;
constexpr unsigned kOutline = 0x5A2E0E;
constexpr unsigned kGlow = 0xFFE14A;
constexpr unsigned kGlowEdge = 0xF08A1C;

// A tiny linear-congruential source so every picture comes out the same on every run.
struct Rng {
    uint32_t state;
    explicit Rng(uint32_t seed) : state(seed) {}
    uint32_t next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    double uniform() { return (next() & 0xFFFFFF) / double(0x1000000); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
};

struct Box {
    double x, y, w, h;
};

// Screen pictures are written below the game folder given on the command line.
std::string outPath(const std::string &gameDir, const std::string &relative);

void fillBox(cairo_t *cr, const Box &b, unsigned rgb, double alpha = 1.0);
void verticalGradient(cairo_t *cr, const Box &b, unsigned top, unsigned bottom);
unsigned mix(unsigned a, unsigned b, double t);

// Soft glow around the current path (kept): strokes of falling alpha, widest first.
void glowAroundPath(cairo_t *cr, unsigned rgb, double reach, double strength);

// A rounded arrow pointing left (dir -1) or right (dir 1) fitted in the box; lit arrows glow.
void drawArrowButton(cairo_t *cr, const Box &b, int dir, bool lit);

// A sunk, flat-bottomed groove (number boxes, volume troughs).
void drawInset(cairo_t *cr, const Box &b, unsigned fill, double radius);

// Writes the rectangle (x, y, w, h) of a finished canvas as an opaque BMP.
bool writeCrop(const forge::Canvas &src, int x, int y, int w, int h, const std::string &path);

// A roll-over picture: the lit screen's rectangle drawn at (x, y) over the unlit screen.
struct LitPicture {
    const char *file;   // below the game folder
    int x, y, w, h;
    Box box() const { return {double(x), double(y), double(w), double(h)}; }
};
bool writeLitPictures(const forge::Canvas &lit, const LitPicture *pictures, int count, const std::string &gameDir);

// Restricts drawing to the box until the matching cairo_restore.
void clipTo(cairo_t *cr, const Box &b);

} // namespace screens
