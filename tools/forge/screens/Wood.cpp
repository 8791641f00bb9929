// Wood of the screens: boards, signs and title lettering (see Wood.h).
#include "tools/forge/screens/Wood.h"

#include <cmath>
#include <cstring>
#include <string>

namespace screens {

void drawNail(cairo_t *cr, double x, double y, double r) {
    cairo_save(cr);
    cairo_arc(cr, x + 0.6, y + 0.8, r, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    cairo_pattern_t *p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, 0.2, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.85, 0.85);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.3, 0.3, 0.3);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void grainInPath(cairo_t *cr, const Box &b, Rng &rng, double spacing, double alpha) {
    cairo_save(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 1.0);
    for (double y = b.y + spacing * rng.range(0.2, 0.8); y < b.y + b.h; y += spacing * rng.range(0.7, 1.3)) {
        const double amp = rng.range(0.4, 1.6), freq = rng.range(0.02, 0.06), phase = rng.range(0, 6.28);
        cairo_move_to(cr, b.x - 2, y);
        for (double x = b.x; x <= b.x + b.w + 2; x += 4)
            cairo_line_to(cr, x, y + amp * std::sin(x * freq + phase));
        cairo_set_source_rgba(cr, 0.25, 0.12, 0.03, alpha * rng.range(0.6, 1.0));
        cairo_stroke(cr);
    }
    // a knot now and then
    if (b.w > 60 && rng.uniform() < 0.6) {
        const double kx = rng.range(b.x + 10, b.x + b.w - 10), ky = rng.range(b.y + 3, b.y + b.h - 3);
        cairo_save(cr);
        cairo_translate(cr, kx, ky);
        cairo_scale(cr, 1, 0.45);
        for (int ring = 3; ring >= 1; --ring) {
            cairo_arc(cr, 0, 0, ring * 2.2, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.3, 0.14, 0.04, alpha * 0.9);
            cairo_set_line_width(cr, 1.0);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void drawPlankBoard(cairo_t *cr, const Box &b, double plankHeight, unsigned base, Rng &rng, double radius) {
    cairo_save(cr);
    // drop shadow
    forge::roundedRect(cr, b.x + 3, b.y + 5, b.w, b.h, radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.28);
    cairo_fill(cr);
    forge::roundedRect(cr, b.x, b.y, b.w, b.h, radius);
    cairo_clip(cr);
    const int planks = std::max(1, int(std::lround(b.h / plankHeight)));
    const double ph = b.h / planks;
    for (int i = 0; i < planks; ++i) {
        const Box p{b.x, b.y + i * ph, b.w, ph};
        const unsigned tone = mix(base, (i % 2) ? kWoodDark : kWoodLight, rng.range(0.1, 0.35));
        verticalGradient(cr, p, mix(tone, 0xFFFFFF, 0.12), mix(tone, 0x000000, 0.12));
        cairo_rectangle(cr, p.x, p.y, p.w, p.h);
        grainInPath(cr, p, rng, 5.5, 0.28);
        fillBox(cr, {p.x, p.y, p.w, 1.5}, 0xFFE2B0, 0.35);
        fillBox(cr, {p.x, p.y + p.h - 1.5, p.w, 1.5}, 0x3A1E08, 0.55);
        drawNail(cr, p.x + 9, p.y + p.h / 2);
        drawNail(cr, p.x + p.w - 9, p.y + p.h / 2);
    }
    cairo_reset_clip(cr);
    forge::roundedRect(cr, b.x + 0.75, b.y + 0.75, b.w - 1.5, b.h - 1.5, radius);
    forge::setColour(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The sign's plank: shadow, optional glow, wood face with grain, rim and two nails.
static void drawSignPlank(cairo_t *cr, const Box &b, double r, bool lit, double glowReach, Rng &rng) {
    forge::roundedRect(cr, b.x + 2, b.y + 3.5, b.w, b.h, r);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.32);
    cairo_fill(cr);
    if (lit) {
        forge::roundedRect(cr, b.x, b.y, b.w, b.h, r);
        glowAroundPath(cr, kGlow, glowReach, 1.0);
        cairo_new_path(cr);
    }
    const unsigned base = lit ? 0xE8B468 : kWoodMid;
    cairo_save(cr);
    forge::roundedRect(cr, b.x, b.y, b.w, b.h, r);
    cairo_clip(cr);
    verticalGradient(cr, b, mix(base, 0xFFFFFF, 0.25), mix(base, 0x000000, 0.22));
    forge::roundedRect(cr, b.x, b.y, b.w, b.h, r);
    grainInPath(cr, b, rng, 5, lit ? 0.18 : 0.3);
    fillBox(cr, {b.x, b.y, b.w, 2}, 0xFFF0C8, lit ? 0.7 : 0.4);
    cairo_restore(cr);
    forge::roundedRect(cr, b.x + 1, b.y + 1, b.w - 2, b.h - 2, r - 1);
    forge::setColour(cr, lit ? 0xB86A10 : kOutline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    drawNail(cr, b.x + 7, b.y + b.h / 2, 2);
    drawNail(cr, b.x + b.w - 7, b.y + b.h / 2, 2);
}

void drawSign(cairo_t *cr, const Box &b, const char *label, double textSize, bool lit, double glowReach) {
    cairo_save(cr);
    Rng rng(uint32_t(b.x * 131 + b.y * 7 + std::strlen(label)));   // the same grain lit or not
    drawSignPlank(cr, b, std::min(8.0, b.h * 0.25), lit, glowReach, rng);
    // the label, optically centred on its cap height
    const double baseline = b.y + b.h / 2 + textSize * 0.36;
    forge::drawLettering(cr, label, b.x + b.w / 2, baseline, textSize, lit ? kGlow : kCream, kOutline, 2,
                         forge::ALIGN_CENTRE);
    cairo_restore(cr);
}

void drawLeaf(cairo_t *cr, double x, double y, double angle, double len, double width, unsigned light,
              unsigned dark) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -width, len * 0.75, -width * 0.8, len, 0);
    cairo_curve_to(cr, len * 0.75, width * 0.8, len * 0.3, width, 0, 0);
    cairo_close_path(cr);
    forge::setColour(cr, dark);
    cairo_fill_preserve(cr);
    forge::setColour(cr, 0x12401A);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -width, len * 0.75, -width * 0.8, len, 0);
    cairo_curve_to(cr, len * 0.7, -width * 0.1, len * 0.3, -width * 0.1, 0, 0);
    forge::setColour(cr, light);
    cairo_fill(cr);
    cairo_move_to(cr, len * 0.05, 0);
    cairo_line_to(cr, len * 0.9, 0);
    cairo_set_source_rgba(cr, 0.07, 0.3, 0.1, 0.7);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// One letter's path at the origin of the current transformation.
static void letterPath(cairo_t *cr, const char *glyph, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, glyph);
}

static void woodLetter(cairo_t *cr, const char *glyph, double size, Rng &rng) {
    const double o = size * 0.075;   // outline width
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // shadow
    cairo_save(cr);
    cairo_translate(cr, size * 0.05, size * 0.07);
    letterPath(cr, glyph, size);
    cairo_set_source_rgba(cr, 0.1, 0.04, 0, 0.45);
    cairo_set_line_width(cr, o * 2 + 3);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    // cream rim, dark outline, then the carved face
    letterPath(cr, glyph, size);
    forge::setColour(cr, 0xFFF4D6);
    cairo_set_line_width(cr, o * 2 + 5);
    cairo_stroke_preserve(cr);
    forge::setColour(cr, kOutline);
    cairo_set_line_width(cr, o * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t *p = cairo_pattern_create_linear(0, -size * 0.75, 0, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0xF2 / 255.0, 0xC0 / 255.0, 0x78 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0xD4 / 255.0, 0x9A / 255.0, 0x55 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0x9C / 255.0, 0x5E / 255.0, 0x2A / 255.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    grainInPath(cr, {-5, -size, size * 1.2, size * 1.1}, rng, size * 0.09, 0.35);
    // a bevel: the upper-left inside edge catches the light
    cairo_save(cr);
    letterPath(cr, glyph, size);
    cairo_clip(cr);
    cairo_translate(cr, size * 0.025, size * 0.03);
    letterPath(cr, glyph, size);
    cairo_set_source_rgba(cr, 1, 0.96, 0.85, 0.55);
    cairo_set_line_width(cr, size * 0.05);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
}

void drawWoodTitle(cairo_t *cr, const char *text, double cx, double baseline, double size, uint32_t seed,
                   bool leaves) {
    cairo_save(cr);
    Rng rng(seed);
    const double tracking = -size * 0.02;
    double total = 0;
    const size_t n = std::strlen(text);
    for (size_t i = 0; i < n; ++i) {
        const char glyph[2] = {text[i], 0};
        total += forge::letteringWidth(cr, glyph, size) + tracking;
    }
    double x = cx - total / 2;
    for (size_t i = 0; i < n; ++i) {
        const char glyph[2] = {text[i], 0};
        const double w = forge::letteringWidth(cr, glyph, size);
        // a capital starting a mixed-case word stands taller and sprouts leaves
        const bool capital = text[i] >= 'A' && text[i] <= 'Z';
        const bool initial = capital && i + 1 < n && text[i + 1] >= 'a' && text[i + 1] <= 'z';
        const bool firstOfWord = capital && (i == 0 || !(text[i - 1] >= 'A' && text[i - 1] <= 'Z'));
        const double s = initial ? size * 1.12 : size;
        const double bounce = std::sin(i * 1.7 + seed) * size * 0.045;
        const double tilt = std::sin(i * 2.3 + seed * 0.5) * 0.07;
        cairo_save(cr);
        cairo_translate(cr, x + w / 2, baseline + bounce);
        cairo_rotate(cr, tilt);
        cairo_translate(cr, -w / 2 * s / size, 0);
        woodLetter(cr, glyph, s, rng);
        cairo_restore(cr);
        if (leaves && firstOfWord) {
            const double lx = x + w * 0.15, ly = baseline - s * 0.72 + bounce;
            drawLeaf(cr, lx, ly, -2.3, size * 0.42, size * 0.11, 0x4FBF55, 0x2E9E44);
            drawLeaf(cr, lx + 2, ly, -1.2, size * 0.36, size * 0.1, 0x6BCF5A, 0x1F7A33);
            drawLeaf(cr, lx - 1, ly + 2, -3.0, size * 0.3, size * 0.09, 0x4FBF55, 0x1F7A33);
        }
        x += w + tracking;
    }
    cairo_restore(cr);
}

} // namespace screens
