// Shared drawing kit of the picture forge (see Paint.h).
#include "tools/forge/common/Paint.h"

#include <SDL_image.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace forge {

Canvas canvasCreate(int width, int height) {
    Canvas c;
    c.width = width;
    c.height = height;
    c.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    c.cr = cairo_create(c.surface);
    cairo_set_operator(c.cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(c.cr);
    cairo_set_operator(c.cr, CAIRO_OPERATOR_OVER);
    return c;
}

void canvasFree(Canvas &c) {
    if (c.cr)
        cairo_destroy(c.cr);
    if (c.surface)
        cairo_surface_destroy(c.surface);
    c = Canvas();
}

bool makeParentFolders(const std::string &path) {
    std::error_code ec;
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent, ec);
    return !ec;
}

// Reads pixel (x, y) as straight (not premultiplied) RGB plus coverage.
static void readPixel(const Canvas &c, int x, int y, int &r, int &g, int &b, int &a) {
    const unsigned char *data = cairo_image_surface_get_data(c.surface);
    const int stride = cairo_image_surface_get_stride(c.surface);
    const uint32_t p = *reinterpret_cast<const uint32_t *>(data + y * stride + x * 4);
    a = (p >> 24) & 0xFF;
    r = (p >> 16) & 0xFF;
    g = (p >> 8) & 0xFF;
    b = p & 0xFF;
    if (a > 0 && a < 255) {
        r = r * 255 / a;
        g = g * 255 / a;
        b = b * 255 / a;
    }
}

// The three bytes (blue, green, red order) a pixel becomes in the file.
static void finalPixel(const Canvas &c, int x, int y, BmpMode mode, unsigned background, unsigned char out[3]) {
    int r, g, b, a;
    readPixel(c, x, y, r, g, b, a);
    if (mode == BMP_KEYED) {
        if (a < 128) {
            out[0] = 255, out[1] = 0, out[2] = 0;
            return;
        }
    } else {
        const int br = (background >> 16) & 0xFF, bg = (background >> 8) & 0xFF, bb = background & 0xFF;
        r = (r * a + br * (255 - a)) / 255;
        g = (g * a + bg * (255 - a)) / 255;
        b = (b * a + bb * (255 - a)) / 255;
    }
    if (r == 0 && g == 0 && b == 255)
        b = 254;   // never show the key colour where something is meant to be seen
    out[0] = static_cast<unsigned char>(b);
    out[1] = static_cast<unsigned char>(g);
    out[2] = static_cast<unsigned char>(r);
}

static void put16(std::vector<unsigned char> &v, unsigned x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
static void put32(std::vector<unsigned char> &v, unsigned x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}

bool writeBmp(const Canvas &c, const std::string &path, BmpMode mode, unsigned background) {
    cairo_surface_flush(c.surface);
    const int rowBytes = (c.width * 3 + 3) & ~3;
    const unsigned imageSize = static_cast<unsigned>(rowBytes * c.height);
    std::vector<unsigned char> file;
    file.reserve(54 + imageSize);
    file.push_back('B');
    file.push_back('M');
    put32(file, 54 + imageSize);
    put32(file, 0);
    put32(file, 54);
    put32(file, 40);            // BITMAPINFOHEADER
    put32(file, c.width);
    put32(file, c.height);      // bottom-up rows
    put16(file, 1);
    put16(file, 24);
    put32(file, 0);
    put32(file, imageSize);
    put32(file, 2835);
    put32(file, 2835);
    put32(file, 0);
    put32(file, 0);
    for (int y = c.height - 1; y >= 0; --y) {
        for (int x = 0; x < c.width; ++x) {
            unsigned char px[3];
            finalPixel(c, x, y, mode, background, px);
            file.insert(file.end(), px, px + 3);
        }
        for (int pad = c.width * 3; pad < rowBytes; ++pad)
            file.push_back(0);
    }
    if (!makeParentFolders(path))
        return false;
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && ok;
}

bool writeJpeg(const Canvas &c, const std::string &path, int quality) {
    cairo_surface_flush(c.surface);
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, c.width, c.height, 24, SDL_PIXELFORMAT_RGB24);
    if (!s)
        return false;
    for (int y = 0; y < c.height; ++y) {
        unsigned char *row = static_cast<unsigned char *>(s->pixels) + y * s->pitch;
        for (int x = 0; x < c.width; ++x) {
            unsigned char px[3];
            finalPixel(c, x, y, BMP_OPAQUE, 0x000000, px);
            row[x * 3 + 0] = px[2];
            row[x * 3 + 1] = px[1];
            row[x * 3 + 2] = px[0];
        }
    }
    bool ok = makeParentFolders(path) && IMG_SaveJPG(s, path.c_str(), quality) == 0;
    SDL_FreeSurface(s);
    return ok;
}

void setColour(cairo_t *cr, unsigned rgb, double alpha) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0,
                          alpha);
}

static void selectFont(cairo_t *cr, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}

double letteringWidth(cairo_t *cr, const char *text, double size) {
    selectFont(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    return ext.x_advance;
}

void drawLettering(cairo_t *cr, const char *text, double x, double y, double size, unsigned fill,
                   unsigned outline, double outlineWidth, TextAlign align, bool shadow) {
    cairo_save(cr);
    const double w = letteringWidth(cr, text, size);
    if (align == ALIGN_CENTRE)
        x -= w / 2;
    else if (align == ALIGN_RIGHT)
        x -= w;
    if (shadow) {
        cairo_move_to(cr, x + size * 0.06 + 1, y + size * 0.08 + 1);
        cairo_text_path(cr, text);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        if (outlineWidth > 0) {
            cairo_set_line_width(cr, outlineWidth * 2);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text);
    if (outlineWidth > 0) {
        setColour(cr, outline);
        cairo_set_line_width(cr, outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColour(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void roundedRect(cairo_t *cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

} // namespace forge
