// Shared drawing kit of the picture forge: a cairo canvas, lettering in the game's
// style, and writers for 24-bit BMP (with the pure-blue colour key) and JPEG files.
#pragma once
#include <cairo.h>
#include <string>

namespace forge {

struct Canvas {
    cairo_surface_t *surface = nullptr;
    cairo_t *cr = nullptr;
    int width = 0;
    int height = 0;
};

// A new canvas, fully transparent.
Canvas canvasCreate(int width, int height);
void canvasFree(Canvas &c);

// How a canvas becomes a BMP: KEYED writes every pixel less than half covered as the
// colour key (0, 0, 255) and the rest opaque; OPAQUE composites onto `background`.
// Either way no visible pixel is ever exactly the key colour.
enum BmpMode { BMP_KEYED, BMP_OPAQUE };
bool writeBmp(const Canvas &c, const std::string &path, BmpMode mode, unsigned background = 0x000000);
bool writeJpeg(const Canvas &c, const std::string &path, int quality);

// Makes every folder of `path`'s parent.
bool makeParentFolders(const std::string &path);

// Colours as 0xRRGGBB.
void setColour(cairo_t *cr, unsigned rgb, double alpha = 1.0);

enum TextAlign { ALIGN_LEFT, ALIGN_CENTRE, ALIGN_RIGHT };
// The game's lettering: DejaVu Sans Bold, filled with `fill`, outlined with `outline`
// (`outlineWidth` pixels, 0 for none) over a soft drop shadow. (x, y) is the baseline point.
void drawLettering(cairo_t *cr, const char *text, double x, double y, double size, unsigned fill,
                   unsigned outline, double outlineWidth, TextAlign align, bool shadow = true);
// Width in pixels of `text` at `size` in the game's lettering.
double letteringWidth(cairo_t *cr, const char *text, double size);

void roundedRect(cairo_t *cr, double x, double y, double w, double h, double r);

} // namespace forge
