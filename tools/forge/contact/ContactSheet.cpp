// The contact sheet (see ContactSheet.h).
#include "tools/forge/contact/ContactSheet.h"

#include "tools/forge/common/Paint.h"

#include <SDL.h>
#include <SDL_image.h>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>

namespace contact {

namespace {

constexpr int kColumns = 6;
constexpr int kCellWidth = 210, kCellHeight = 200;
constexpr int kThumbWidth = 194, kThumbHeight = 150;
constexpr int kMargin = 16, kHeaderHeight = 56;
constexpr double kMaxEnlarge = 3.0;
constexpr int kCheckerSize = 6;
constexpr unsigned kSheetColour = 0x2B2622;

bool isPicture(const std::filesystem::path &p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".bmp" || ext == ".jpg" || ext == ".jpeg";
}

// The picture as a cairo surface; the pure-blue key of BMP files becomes see-through.
cairo_surface_t *loadSurface(const std::string &path, int &width, int &height) {
    SDL_Surface *raw = IMG_Load(path.c_str());
    if (!raw)
        return nullptr;
    SDL_Surface *rgb = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(raw);
    if (!rgb)
        return nullptr;
    const bool keyed = std::filesystem::path(path).extension().string() != ".jpg";
    width = rgb->w;
    height = rgb->h;
    cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    unsigned char *out = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < height; ++y) {
        const unsigned char *in = static_cast<const unsigned char *>(rgb->pixels) + y * rgb->pitch;
        uint32_t *row = reinterpret_cast<uint32_t *>(out + y * stride);
        for (int x = 0; x < width; ++x) {
            const unsigned r = in[x * 3], g = in[x * 3 + 1], b = in[x * 3 + 2];
            row[x] = keyed && r == 0 && g == 0 && b == 255 ? 0u : 0xFF000000u | r << 16 | g << 8 | b;
        }
    }
    cairo_surface_mark_dirty(s);
    SDL_FreeSurface(rgb);
    return s;
}

void drawChecker(cairo_t *cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    forge::setColour(cr, 0xF4F4F4);
    cairo_paint(cr);
    forge::setColour(cr, 0xC8C8C8);
    for (int row = 0; row * kCheckerSize < h; ++row)
        for (int col = row % 2; col * kCheckerSize < w; col += 2)
            cairo_rectangle(cr, x + col * kCheckerSize, y + row * kCheckerSize, kCheckerSize, kCheckerSize);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawLabel(cairo_t *cr, const std::string &relative, int width, int height, double x, double y) {
    const std::filesystem::path p(relative);
    char size[32];
    std::snprintf(size, sizeof size, "%d x %d", width, height);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, kThumbWidth, 40);
    cairo_clip(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 12);
    forge::setColour(cr, 0xFFF4D6);
    cairo_move_to(cr, x, y + 13);
    cairo_show_text(cr, p.filename().string().c_str());
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);
    forge::setColour(cr, 0xB8AE9C);
    cairo_move_to(cr, x, y + 26);
    cairo_show_text(cr, p.parent_path().string().c_str());
    cairo_move_to(cr, x, y + 38);
    cairo_show_text(cr, width > 0 ? size : "unreadable");
    cairo_restore(cr);
}

void drawCell(cairo_t *cr, const std::string &dataDir, const std::string &relative, double x, double y) {
    int width = 0, height = 0;
    cairo_surface_t *pic = loadSurface(dataDir + "/" + relative, width, height);
    if (!pic) {
        cairo_rectangle(cr, x + 1, y + 1, kThumbWidth - 2, kThumbHeight - 2);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + kThumbWidth, y + kThumbHeight);
        cairo_move_to(cr, x + kThumbWidth, y);
        cairo_line_to(cr, x, y + kThumbHeight);
        forge::setColour(cr, 0xE04A3A);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        drawLabel(cr, relative, 0, 0, x, y + kThumbHeight + 4);
        return;
    }
    const double scale = std::min({kMaxEnlarge, double(kThumbWidth) / width, double(kThumbHeight) / height});
    const double w = width * scale, h = height * scale;
    const double px = std::floor(x + (kThumbWidth - w) / 2), py = std::floor(y + (kThumbHeight - h) / 2);
    drawChecker(cr, px, py, w, h);
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, pic, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), scale >= 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, px - 0.5, py - 0.5, w + 1, h + 1);
    forge::setColour(cr, 0x6A5E50);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_surface_destroy(pic);
    drawLabel(cr, relative, width, height, x, y + kThumbHeight + 4);
}

} // namespace

std::vector<std::string> findPictures(const std::string &dataDir) {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code ec;
    if (!fs::is_directory(dataDir, ec))
        return found;
    for (auto it = fs::recursive_directory_iterator(dataDir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->is_regular_file(ec) && isPicture(it->path()))
            found.push_back(fs::relative(it->path(), dataDir, ec).string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool writeContactSheet(const std::string &dataDir, const std::vector<std::string> &pictures,
                       const std::string &pngPath) {
    const int rows = std::max<int>(1, (int(pictures.size()) + kColumns - 1) / kColumns);
    const int width = 2 * kMargin + kColumns * kCellWidth;
    const int height = kHeaderHeight + kMargin + rows * kCellHeight;
    forge::Canvas sheet = forge::canvasCreate(width, height);
    cairo_t *cr = sheet.cr;
    forge::setColour(cr, kSheetColour);
    cairo_paint(cr);
    char title[96];
    std::snprintf(title, sizeof title, "ZumboRumble pictures: %zu", pictures.size());
    forge::drawLettering(cr, title, kMargin, 38, 24, 0xFFF4D6, 0x5A2E0E, 2, forge::ALIGN_LEFT);
    if (pictures.empty())
        forge::drawLettering(cr, "no pictures found", kMargin, kHeaderHeight + 40, 18, 0xB8AE9C, 0, 0,
                             forge::ALIGN_LEFT, false);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const double x = kMargin + (i % kColumns) * kCellWidth;
        const double y = kHeaderHeight + (i / kColumns) * kCellHeight;
        drawCell(cr, dataDir, pictures[i], x, y);
    }
    cairo_surface_flush(sheet.surface);
    const bool ok = forge::makeParentFolders(pngPath) &&
                    cairo_surface_write_to_png(sheet.surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    forge::canvasFree(sheet);
    return ok;
}

} // namespace contact
