// Small drawing helpers of the sprite forge: colour mixing, outlined cartoon shapes,
// sheet layout (one callback per cell) and the file writer with its optional preview.
#pragma once
#include "tools/forge/common/Paint.h"

#include <cairo.h>
#include <functional>
#include <string>

namespace sprites {

constexpr double kPi = 3.14159265358979323846;
constexpr unsigned kInk = 0x3A1F0B;   // the dark brown outline of every cartoon shape

unsigned mix(unsigned a, unsigned b, double t);   // t = 0 gives a, 1 gives b
unsigned lighten(unsigned c, double t);
unsigned darken(unsigned c, double t);

// Fills the current path with `fill` and strokes it with `ink` (width `line`), keeping nothing.
void fillAndInk(cairo_t *cr, unsigned fill, double line, unsigned ink = kInk);
void ellipsePath(cairo_t *cr, double cx, double cy, double rx, double ry);
void inkedEllipse(cairo_t *cr, double cx, double cy, double rx, double ry, unsigned fill, double line);
// A thick limb along a quadratic curve: an ink stroke under a fill stroke.
void limb(cairo_t *cr, double x0, double y0, double cx, double cy, double x1, double y1, double width,
          unsigned fill, double line = 1.0);
void fillRect(cairo_t *cr, double x, double y, double w, double h, unsigned colour, double alpha = 1.0);
void linearShade(cairo_t *cr, double x0, double y0, double x1, double y1, unsigned c0, unsigned c1);

// Runs draw(cr, frame) once per cell, frames in reading order, with the origin at the cell's top left and
// drawing clipped to the cell.
using CellDraw = std::function<void(cairo_t *, int frame)>;
void drawCells(forge::Canvas &c, int cols, int rows, int cellW, int cellH, const CellDraw &draw);

// Smooth 0..1 ramps for animation.
double ease(double t);                 // smoothstep of t clamped to 0..1
double wave(double phase);             // sin(2 pi phase)

// Writes <gameDir>/<relative> as a BMP; when a preview folder is set, also a magnified PNG
// with the colour key shown as grey, for looking at the art.
void setPreviewFolder(const std::string &folder);
bool writePicture(const forge::Canvas &c, const std::string &gameDir, const std::string &relative,
                  forge::BmpMode mode);

} // namespace sprites
