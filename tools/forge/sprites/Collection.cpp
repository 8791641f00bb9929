// The sprite collection data/sprites/bigplanche.bmp: captions, number font, rope piece,
// cork bullet, cartridge cases and the demo label here; capsules and fruit in their files.
#include "tools/forge/sprites/Collection.h"

#include "tools/forge/sprites/Atlas.h"
#include "tools/forge/sprites/Rope.h"
#include "tools/forge/sprites/Sheets.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr unsigned kCream = 0xFFF4D6;
constexpr unsigned kLetterInk = 0x5A2E0E;
constexpr unsigned kGold = 0xFFD36A;
constexpr unsigned kParchment = 0xF6E4BA, kParchmentEdge = 0xD9B878, kParchmentDark = 0xB88F4E;
constexpr unsigned kCork = 0xD8B27A, kCorkDark = 0xA67C45;
constexpr unsigned kShellRed = 0xC8452D, kBrass = 0xE2B23A;
constexpr unsigned kSign = 0x9C5E2A, kSignLight = 0xC98A4A;

// Fits `text` into `width` by narrowing the lettering, never enlarging it.
void fittedText(cairo_t *cr, const char *text, double cx, double baseline, double size, double width,
                unsigned fill, unsigned outline, double outlineWidth) {
    const double w = forge::letteringWidth(cr, text, size);
    const double sx = w > width ? width / w : 1.0;
    cairo_save(cr);
    cairo_translate(cr, cx, baseline);
    cairo_scale(cr, sx, 1.0);
    forge::drawLettering(cr, text, 0, 0, size, fill, outline, outlineWidth, forge::ALIGN_CENTRE, false);
    cairo_restore(cr);
}

void caption(cairo_t *cr, const char *text) {
    const double w = atlas::kCaptionW, h = atlas::kCaptionH;
    // a strip of parchment with rolled ends
    forge::roundedRect(cr, 5, 2.5, w - 10, h - 5, 3);
    linearShade(cr, 0, 2, 0, h - 2, lighten(kParchment, 0.3), kParchmentEdge);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {
        const double x = side < 0 ? 5 : w - 5;
        forge::roundedRect(cr, x - 3.5, 1, 7, h - 2, 3.5);
        linearShade(cr, x - 3.5, 0, x + 3.5, 0, kParchmentDark, kParchment);
        cairo_fill_preserve(cr);
        forge::setColour(cr, kInk);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    fittedText(cr, text, w / 2, h / 2 + 5.5, 15, w - 24, kLetterInk, 0, 0);
}

void glyph(cairo_t *cr, const atlas::Glyph &g) {
    const double w = g.right - g.left, h = atlas::kGlyphBottom - atlas::kGlyphTop;
    const char text[2] = {g.symbol, 0};
    const double size = 14.5;
    cairo_text_extents_t ext;
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents(cr, text, &ext);
    const double room = w - 2.2;
    const double sx = room / ext.width;
    const double sy = (h - 2.2) / ext.height;
    cairo_save(cr);
    cairo_translate(cr, w / 2, 1.1);
    cairo_scale(cr, sx, sy);
    cairo_move_to(cr, -ext.x_bearing - ext.width / 2, -ext.y_bearing);
    cairo_text_path(cr, text);
    cairo_restore(cr);
    linearShade(cr, 0, 1, 0, h - 1, kCream, kGold);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kLetterInk);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    linearShade(cr, 0, 1, 0, h - 1, kCream, kGold);
    cairo_fill(cr);
}

// One spinning case of frame i (of 72): a red paper shell with a brass head.
void casing(cairo_t *cr, int i) {
    const double s = atlas::kCasingSize;
    const double turn = i * 2 * kPi / 12;
    const double foreshorten = 0.55 + 0.45 * std::fabs(std::cos(i * 2 * kPi / 36));
    cairo_save(cr);
    cairo_translate(cr, s / 2, s / 2);
    cairo_rotate(cr, turn);
    cairo_scale(cr, foreshorten, 1);
    cairo_rectangle(cr, -2.6, -5.5, 5.2, 7.5);
    cairo_restore(cr);
    fillAndInk(cr, kShellRed, 0.9);
    cairo_save(cr);
    cairo_translate(cr, s / 2, s / 2);
    cairo_rotate(cr, turn);
    cairo_scale(cr, foreshorten, 1);
    cairo_rectangle(cr, -3, 2, 6, 3.2);
    cairo_restore(cr);
    fillAndInk(cr, kBrass, 0.9);
}

} // namespace

void enterRect(cairo_t *cr, int left, int top, int right, int bottom) {
    cairo_save(cr);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_clip(cr);
    cairo_translate(cr, left, top);
}

void drawCaptions(cairo_t *cr) {
    for (int i = 0; i < 12; ++i) {
        enterRect(cr, atlas::kCaptionX, i * atlas::kCaptionH, atlas::kCaptionX + atlas::kCaptionW,
                  (i + 1) * atlas::kCaptionH);
        caption(cr, atlas::kCaptions[i]);
        cairo_restore(cr);
    }
}

void drawNumberFont(cairo_t *cr) {
    for (const atlas::Glyph &g : atlas::kGlyphs) {
        enterRect(cr, atlas::kGlyphBaseX + g.left, atlas::kGlyphTop, atlas::kGlyphBaseX + g.right,
                  atlas::kGlyphBottom);
        glyph(cr, g);
        cairo_restore(cr);
    }
}

void drawRopePiece(cairo_t *cr) {
    const atlas::Rect r = atlas::kRope;
    enterRect(cr, r.left, r.top, r.right, r.bottom);
    drawRopeRun(cr, 0, r.width(), r.height() / 2.0, 0);
    cairo_restore(cr);
}

void drawBullet(cairo_t *cr) {
    const atlas::Rect r = atlas::kBullet;
    enterRect(cr, r.left, r.top, r.right, r.bottom);
    const double w = r.width(), h = r.height();
    cairo_move_to(cr, 0.6, h - 0.6);   // a cork, narrow end first
    cairo_line_to(cr, 2.0, 1.6);
    cairo_curve_to(cr, 2.4, 0.4, w - 2.4, 0.4, w - 2.0, 1.6);
    cairo_line_to(cr, w - 0.6, h - 0.6);
    cairo_close_path(cr);
    linearShade(cr, 0, 0, w, 0, lighten(kCork, 0.35), kCorkDark);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        ellipsePath(cr, 3 + i * 1.6, 3.5 + (i % 2) * 2, 0.5, 0.5);
        forge::setColour(cr, kCorkDark);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawCasings(cairo_t *cr) {
    for (int row = 0; row < atlas::kCasingRows; ++row)
        for (int col = 0; col < atlas::kCasingCols; ++col) {
            const int x = atlas::kCasingX + col * atlas::kCasingSize, y = atlas::kCasingY + row * atlas::kCasingSize;
            enterRect(cr, x, y, x + atlas::kCasingSize, y + atlas::kCasingSize);
            casing(cr, row * atlas::kCasingCols + col);
            cairo_restore(cr);
        }
}

void drawDemoLabel(cairo_t *cr) {
    const atlas::Rect r = atlas::kDemoLabel;
    const double w = r.width(), h = r.height();
    enterRect(cr, r.left, r.top, r.right, r.bottom);
    forge::roundedRect(cr, 2, 3, w - 4, h - 6, 8);   // a wooden sign
    linearShade(cr, 0, 3, 0, h - 3, kSignLight, kSign);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 1; i < 3; ++i) {   // board seams
        cairo_move_to(cr, 6, 3 + i * (h - 6) / 3);
        cairo_line_to(cr, w - 6, 3 + i * (h - 6) / 3);
    }
    forge::setColour(cr, darken(kSign, 0.3), 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, w / 2 + side * (w / 2 - 9), 9, 1.8, 1.8);
        forge::setColour(cr, 0x5A5A5A);
        cairo_fill(cr);
    }
    forge::drawLettering(cr, "DEMO", w / 2, 35, 30, kCream, kLetterInk, 2, forge::ALIGN_CENTRE, true);
    forge::drawLettering(cr, "click to play", w / 2, 52, 12, 0xFFE14A, kLetterInk, 1.2, forge::ALIGN_CENTRE, false);
    cairo_restore(cr);
}

bool forgeCollection(const std::string &gameDir) {
    forge::Canvas c = forge::canvasCreate(atlas::kWidth, atlas::kHeight);
    drawFruit(c.cr);
    drawCapsules(c.cr);
    drawCaptions(c.cr);
    drawRopePiece(c.cr);
    drawNumberFont(c.cr);
    drawBullet(c.cr);
    drawCasings(c.cr);
    drawDemoLabel(c.cr);
    const bool ok = writePicture(c, gameDir, "data/sprites/bigplanche.bmp", forge::BMP_KEYED);
    forge::canvasFree(c);
    return ok;
}

} // namespace sprites
