// The high-score bitmap fonts: 40 glyphs at fixed rectangles on the board's own colour,
// a cream normal font and a glowing yellow one with the same layout.
#include "frontend/Alphabet.h"
#include "tools/forge/screens/Kit.h"
#include "tools/forge/screens/ScoreBoard.h"
#include "tools/forge/screens/Screens.h"

#include <algorithm>

namespace screens {

namespace {

constexpr int kFontWidth = 288, kFontHeight = 96;
constexpr double kBaseline = 16.5;   // below the glyph rectangle's top, for every row
constexpr double kLetterSize = 18;
constexpr double kOutlineWidth = 1.1;

using Glyph = AlphabetGlyph;
const AlphabetGlyph (&kGlyphs)[ALPHABET_SIZE] = alphabet;

// The glyph's outline path, squeezed sideways when needed to fit its rectangle with a pixel to spare.
void glyphPath(cairo_t *cr, const Glyph &g) {
    const char text[2] = {g.ch, 0};
    cairo_select_font_face(cr, "DejaVu Sans Condensed", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, kLetterSize);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    const double room = (g.right - g.left) - 1 - 1.6 * kOutlineWidth;
    const double sx = std::min(1.0, room / ext.width);
    const double inkLeft = g.left + ((g.right - g.left) - ext.width * sx) / 2;
    cairo_save(cr);
    cairo_translate(cr, inkLeft - ext.x_bearing * sx, g.top + kBaseline);
    cairo_scale(cr, sx, 1);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_text_path(cr, text);
    cairo_restore(cr);
}

void drawGlyph(cairo_t *cr, const Glyph &g, bool glowing) {
    cairo_save(cr);
    cairo_rectangle(cr, g.left, g.top, g.right - g.left, g.bottom - g.top);
    cairo_clip(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    glyphPath(cr, g);
    if (glowing)
        glowAroundPath(cr, 0xFFB020, 3.2, 0.9);
    forge::setColour(cr, glowing ? 0x7A2E00 : 0x120802);
    cairo_set_line_width(cr, kOutlineWidth * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t *p = cairo_pattern_create_linear(0, g.top + 3, 0, g.top + kBaseline);
    if (glowing) {
        cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 0.85);
        cairo_pattern_add_color_stop_rgb(p, 0.5, 1, 0.88, 0.29);
        cairo_pattern_add_color_stop_rgb(p, 1, 1, 0.7, 0.15);
    } else {
        cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.98, 0.92);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.93, 0.82, 0.62);
    }
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

bool writeFont(const std::string &path, bool glowing) {
    forge::Canvas c = forge::canvasCreate(kFontWidth, kFontHeight);
    fillBox(c.cr, {0, 0, double(kFontWidth), double(kFontHeight)}, kScoreBoardColour);
    for (const Glyph &g : kGlyphs)
        if (g.ch != ' ')
            drawGlyph(c.cr, g, glowing);
    const bool ok = forge::writeBmp(c, path, forge::BMP_OPAQUE);
    forge::canvasFree(c);
    return ok;
}

} // namespace

bool forgeFonts(const std::string &gameDir) {
    const bool off = writeFont(outPath(gameDir, "data/sprites/policeoff.bmp"), false);
    const bool on = writeFont(outPath(gameDir, "data/sprites/policeon.bmp"), true);
    return off && on;
}

} // namespace screens
