// Small drawing kit of the screen forge (see Kit.h).
#include "tools/forge/screens/Kit.h"

#include <cmath>

namespace screens {

std::string outPath(const std::string &gameDir, const std::string &relative) {
    return gameDir + "/" + relative;
}

void fillBox(cairo_t *cr, const Box &b, unsigned rgb, double alpha) {
    forge::setColour(cr, rgb, alpha);
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
    cairo_fill(cr);
}

static void addStop(cairo_pattern_t *p, double at, unsigned rgb) {
    cairo_pattern_add_color_stop_rgb(p, at, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                                     (rgb & 0xFF) / 255.0);
}

void verticalGradient(cairo_t *cr, const Box &b, unsigned top, unsigned bottom) {
    cairo_pattern_t *p = cairo_pattern_create_linear(0, b.y, 0, b.y + b.h);
    addStop(p, 0, top);
    addStop(p, 1, bottom);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

unsigned mix(unsigned a, unsigned b, double t) {
    unsigned out = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= unsigned(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return out;
}

void glowAroundPath(cairo_t *cr, unsigned rgb, double reach, double strength) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const int passes = 6;
    for (int i = passes; i >= 1; --i) {
        const double t = double(i) / passes;
        forge::setColour(cr, rgb, strength * (1.0 - t) * 0.55 + 0.05);
        cairo_set_line_width(cr, reach * 2 * t);
        cairo_stroke_preserve(cr);
    }
    cairo_restore(cr);
}

static void arrowPath(cairo_t *cr, const Box &b, int dir) {
    // A fat triangle with rounded corners, tip towards dir.
    const double cy = b.y + b.h / 2;
    const double tipX = dir < 0 ? b.x : b.x + b.w;
    const double backX = dir < 0 ? b.x + b.w : b.x;
    const double r = std::min(b.w, b.h) * 0.16;
    const double tx = tipX - dir * r * 0.9, bx = backX + dir * r * 0.6;
    cairo_new_path(cr);
    cairo_move_to(cr, tx, cy - r * 0.7);
    cairo_line_to(cr, bx + dir * r * 0.3, b.y + r * 0.2);
    cairo_curve_to(cr, bx - dir * r * 0.5, b.y, bx - dir * r * 0.5, b.y + r * 0.8, bx, b.y + r * 1.4);
    cairo_line_to(cr, bx, b.y + b.h - r * 1.4);
    cairo_curve_to(cr, bx - dir * r * 0.5, b.y + b.h - r * 0.8, bx - dir * r * 0.5, b.y + b.h, bx + dir * r * 0.3,
                   b.y + b.h - r * 0.2);
    cairo_line_to(cr, tx, cy + r * 0.7);
    cairo_curve_to(cr, tx + dir * r * 0.6, cy + r * 0.3, tx + dir * r * 0.6, cy - r * 0.3, tx, cy - r * 0.7);
    cairo_close_path(cr);
}

void drawArrowButton(cairo_t *cr, const Box &b, int dir, bool lit) {
    cairo_save(cr);
    const double inset = 2.5;
    const Box shape{b.x + inset, b.y + inset, b.w - 2 * inset, b.h - 2 * inset};
    // shadow
    cairo_save(cr);
    cairo_translate(cr, 1.2, 1.8);
    arrowPath(cr, shape, dir);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_restore(cr);
    arrowPath(cr, shape, dir);
    if (lit)
        glowAroundPath(cr, kGlow, inset + 0.5, 0.9);
    cairo_pattern_t *p = cairo_pattern_create_linear(0, shape.y, 0, shape.y + shape.h);
    if (lit) {
        addStop(p, 0, 0xFFF6B0);
        addStop(p, 0.5, kGlow);
        addStop(p, 1, 0xF2A922);
    } else {
        addStop(p, 0, 0x7BD36A);
        addStop(p, 0.5, 0x3E9A4A);
        addStop(p, 1, 0x1F7A33);
    }
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    forge::setColour(cr, lit ? 0x8A4A0E : 0x17401E);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    // a highlight streak along the upper edge
    const double cy = shape.y + shape.h / 2;
    const double tipX = dir < 0 ? shape.x + shape.w * 0.3 : shape.x + shape.w * 0.7;
    const double backX = dir < 0 ? shape.x + shape.w * 0.82 : shape.x + shape.w * 0.18;
    cairo_move_to(cr, backX, shape.y + shape.h * 0.22);
    cairo_line_to(cr, tipX, cy - shape.h * 0.08);
    cairo_set_source_rgba(cr, 1, 1, 1, lit ? 0.75 : 0.45);
    cairo_set_line_width(cr, std::max(1.2, shape.h * 0.08));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawInset(cairo_t *cr, const Box &b, unsigned fill, double radius) {
    cairo_save(cr);
    forge::roundedRect(cr, b.x, b.y, b.w, b.h, radius);
    forge::setColour(cr, fill);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    // inner shadow along the top and left, light lip along the bottom
    forge::roundedRect(cr, b.x + 1, b.y + 1.5, b.w, b.h, radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_reset_clip(cr);
    forge::roundedRect(cr, b.x - 0.5, b.y - 0.5, b.w + 1, b.h + 1, radius + 0.5);
    cairo_set_source_rgba(cr, 1, 0.95, 0.8, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

bool writeCrop(const forge::Canvas &src, int x, int y, int w, int h, const std::string &path) {
    forge::Canvas part = forge::canvasCreate(w, h);
    cairo_set_source_surface(part.cr, src.surface, -x, -y);
    cairo_set_operator(part.cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(part.cr);
    const bool ok = forge::writeBmp(part, path, forge::BMP_OPAQUE);
    forge::canvasFree(part);
    return ok;
}

bool writeLitPictures(const forge::Canvas &lit, const LitPicture *pictures, int count, const std::string &gameDir) {
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        const LitPicture &p = pictures[i];
        ok = writeCrop(lit, p.x, p.y, p.w, p.h, outPath(gameDir, p.file)) && ok;
    }
    return ok;
}

void clipTo(cairo_t *cr, const Box &b) {
    cairo_save(cr);
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
    cairo_clip(cr);
}

} // namespace screens
