// Small drawing helpers of the sprite forge (see SpriteKit.h).
#include "tools/forge/sprites/SpriteKit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sprites {

static std::string previewFolder;

static int channel(unsigned c, int shift) { return (c >> shift) & 0xFF; }

unsigned mix(unsigned a, unsigned b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    unsigned out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double v = channel(a, shift) * (1 - t) + channel(b, shift) * t;
        out |= static_cast<unsigned>(std::lround(v)) << shift;
    }
    return out;
}
unsigned lighten(unsigned c, double t) { return mix(c, 0xFFFFFF, t); }
unsigned darken(unsigned c, double t) { return mix(c, 0x000000, t); }

void fillAndInk(cairo_t *cr, unsigned fill, double line, unsigned ink) {
    forge::setColour(cr, fill);
    if (line > 0) {
        cairo_fill_preserve(cr);
        forge::setColour(cr, ink);
        cairo_set_line_width(cr, line);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
}

void ellipsePath(cairo_t *cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void inkedEllipse(cairo_t *cr, double cx, double cy, double rx, double ry, unsigned fill, double line) {
    ellipsePath(cr, cx, cy, rx, ry);
    fillAndInk(cr, fill, line);
}

void limb(cairo_t *cr, double x0, double y0, double cx, double cy, double x1, double y1, double width,
          unsigned fill, double line) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x0 + (cx - x0) * 2 / 3, y0 + (cy - y0) * 2 / 3, x1 + (cx - x1) * 2 / 3,
                       y1 + (cy - y1) * 2 / 3, x1, y1);
        forge::setColour(cr, pass == 0 ? kInk : fill);
        cairo_set_line_width(cr, pass == 0 ? width + 2 * line : width);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void fillRect(cairo_t *cr, double x, double y, double w, double h, unsigned colour, double alpha) {
    cairo_rectangle(cr, x, y, w, h);
    forge::setColour(cr, colour, alpha);
    cairo_fill(cr);
}

void linearShade(cairo_t *cr, double x0, double y0, double x1, double y1, unsigned c0, unsigned c1) {
    cairo_pattern_t *p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, channel(c0, 16) / 255.0, channel(c0, 8) / 255.0, channel(c0, 0) / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, channel(c1, 16) / 255.0, channel(c1, 8) / 255.0, channel(c1, 0) / 255.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void drawCells(forge::Canvas &c, int cols, int rows, int cellW, int cellH, const CellDraw &draw) {
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            cairo_save(c.cr);
            cairo_translate(c.cr, col * cellW, row * cellH);
            cairo_rectangle(c.cr, 0, 0, cellW, cellH);
            cairo_clip(c.cr);
            draw(c.cr, row * cols + col);
            cairo_restore(c.cr);
        }
}

double ease(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
double wave(double phase) { return std::sin(2 * kPi * phase); }

void setPreviewFolder(const std::string &folder) { previewFolder = folder; }

static void writePreview(const std::string &bmpPath, const std::string &relative) {
    std::string name = relative.substr(relative.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    const std::string cmd = "convert '" + bmpPath + "' -fill '#7f8f7f' -opaque '#0000ff' -filter point -resize 300% '" +
                            previewFolder + "/" + name + ".png'";
    if (std::system(cmd.c_str()) != 0)
        return;
}

bool writePicture(const forge::Canvas &c, const std::string &gameDir, const std::string &relative,
                  forge::BmpMode mode) {
    const std::string path = gameDir + "/" + relative;
    if (!forge::writeBmp(c, path, mode))
        return false;
    if (!previewFolder.empty())
        writePreview(path, relative);
    return true;
}

} // namespace sprites
