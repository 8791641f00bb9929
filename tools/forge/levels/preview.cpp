// level_preview <levelsfolder> <out.png>: draws every level of the folder on one
// sheet (bricks in their design colours, bonus kinds written on them) for review.
#include "tools/forge/common/BrickDesigns.h"
#include "tools/forge/levels/LevelRules.h"
#include "tools/forge/levels/LevelSet.h"

#include <cairo.h>
#include <iostream>

namespace {

constexpr int kColumns = 4;
constexpr double kScale = 0.5;
constexpr int kCellW = 320, kCellH = 220;

void setColour(cairo_t *cr, unsigned rgb) {
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

void drawLevel(cairo_t *cr, const forge::LevelPlan &plan, double ox, double oy) {
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    cairo_set_source_rgb(cr, 0.75, 0.9, 1.0);
    cairo_rectangle(cr, 0, 0, (forge::kFieldRight - forge::kFieldLeft) * kScale, 420 * kScale);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.3, 0.2, 0.1);
    cairo_move_to(cr, 0, 420 * kScale - 4);
    cairo_show_text(cr, (plan.source + "  g " + std::to_string(plan.gravity).substr(0, 5) + "  max " +
                         std::to_string(plan.maxSpeed).substr(0, 4) + "  +" +
                         std::to_string(plan.increment).substr(0, 4) + "  " + plan.island)
                            .c_str());
    for (const forge::PlacedBrick &b : plan.bricks) {
        const forge::BrickDesign &d = forge::kBrickDesigns[b.design];
        const double x = (b.left - forge::kFieldLeft) * kScale, y = b.top * kScale;
        setColour(cr, d.colour);
        cairo_rectangle(cr, x + 0.5, y + 0.5, d.w * kScale - 1, d.h * kScale - 1);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_set_line_width(cr, d.look == forge::LOOK_STONE || d.look == forge::LOOK_METAL ? 1.5 : 0.5);
        cairo_stroke(cr);
        if (b.bonus >= 0) {
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_move_to(cr, x + 2, y + d.h * kScale - 2);
            cairo_show_text(cr, std::to_string(b.bonus).c_str());
        }
    }
    cairo_restore(cr);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "usage: level_preview <levelsfolder> <out.png>\n";
        return 2;
    }
    const std::vector<std::string> files = forge::levelSources(argv[1]);
    const int rows = (static_cast<int>(files.size()) + kColumns - 1) / kColumns;
    cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kColumns * kCellW, rows * kCellH);
    cairo_t *cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_font_size(cr, 9);
    for (size_t i = 0; i < files.size(); ++i) {
        forge::LevelPlan plan;
        std::string error;
        if (!forge::loadLevelFile(files[i], plan, error)) {
            std::cerr << error << "\n";
            continue;
        }
        drawLevel(cr, plan, (i % kColumns) * kCellW + 6, (i / kColumns) * kCellH + 4);
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(s, argv[2]) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok ? 0 : 1;
}
