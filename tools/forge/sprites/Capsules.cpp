// The 14 bonus capsules of the sprite collection: a glossy pill, warm for a welcome
// catch and cool for a nasty one, with the bonus's icon in the middle.
#include "tools/forge/sprites/Atlas.h"
#include "tools/forge/sprites/Collection.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cmath>

namespace sprites {

namespace {

constexpr double kW = atlas::kCapsuleW, kH = atlas::kCapsuleH;
constexpr double kMidX = kW / 2, kMidY = kH / 2;
constexpr unsigned kWarmTop = 0xFFD27A, kWarmBottom = 0xE07A22;
constexpr unsigned kCoolTop = 0x9BB8F0, kCoolBottom = 0x3A3F8E;
constexpr unsigned kCream = 0xFFF4D6;
constexpr unsigned kRed = 0xE0302A;
constexpr unsigned kIronGrey = 0x5C636B;
constexpr unsigned kIce = 0xCFF3FF;

void pill(cairo_t *cr, bool good) {
    forge::roundedRect(cr, 0.5, 0.5, kW - 1, kH - 1, (kH - 1) / 2);
    linearShade(cr, 0, 0, 0, kH, good ? kWarmTop : kCoolTop, good ? kWarmBottom : kCoolBottom);
    cairo_fill_preserve(cr);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    forge::roundedRect(cr, 4, 2.2, kW - 8, 5, 2.5);   // gloss
    forge::setColour(cr, 0xFFFFFF, 0.45);
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {      // the two rivets of the pill's ends
        ellipsePath(cr, kMidX + side * 13.2, kMidY + 1, 1.3, 1.3);
        forge::setColour(cr, good ? 0x9C4A12 : 0x1E2250);
        cairo_fill(cr);
    }
}

void heart(cairo_t *cr) {
    cairo_move_to(cr, kMidX, kMidY + 6.5);
    cairo_curve_to(cr, kMidX - 9, kMidY, kMidX - 6, kMidY - 7.5, kMidX, kMidY - 3);
    cairo_curve_to(cr, kMidX + 6, kMidY - 7.5, kMidX + 9, kMidY, kMidX, kMidY + 6.5);
    fillAndInk(cr, kRed, 1);
    ellipsePath(cr, kMidX - 3.2, kMidY - 2.4, 1.4, 1.0);
    forge::setColour(cr, 0xFFFFFF, 0.8);
    cairo_fill(cr);
}

void snail(cairo_t *cr) {
    cairo_move_to(cr, kMidX - 9, kMidY + 6);   // body
    cairo_line_to(cr, kMidX + 6, kMidY + 6);
    cairo_curve_to(cr, kMidX + 9, kMidY + 6, kMidX + 9, kMidY + 1, kMidX + 7, kMidY - 1);
    cairo_line_to(cr, kMidX + 5, kMidY + 3);
    cairo_line_to(cr, kMidX - 9, kMidY + 3.5);
    cairo_close_path(cr);
    fillAndInk(cr, 0xB5E07A, 0.9);
    for (int i = 0; i < 2; ++i) {              // eye stalks
        cairo_move_to(cr, kMidX + 6 + i, kMidY);
        cairo_line_to(cr, kMidX + 7 + 2 * i, kMidY - 5);
        forge::setColour(cr, kInk);
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
    }
    inkedEllipse(cr, kMidX - 2, kMidY, 5.8, 5.6, 0xC8702A, 1);   // shell
    cairo_move_to(cr, kMidX - 2, kMidY);
    for (double a = 0; a < 4 * kPi; a += 0.3)
        cairo_line_to(cr, kMidX - 2 + std::cos(a) * a * 0.38, kMidY + std::sin(a) * a * 0.38);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void hare(cairo_t *cr) {
    for (int i = 0; i < 3; ++i) {   // speed lines
        cairo_move_to(cr, kMidX - 12, kMidY - 2 + i * 3);
        cairo_line_to(cr, kMidX - 6, kMidY - 2 + i * 3);
    }
    forge::setColour(cr, kCream);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int side = 0; side < 2; ++side) {   // long ears laid back
        cairo_save(cr);
        cairo_translate(cr, kMidX + side * 1.5, kMidY - 1);
        cairo_rotate(cr, -0.9 - side * 0.25);
        ellipsePath(cr, 0, -5, 1.8, 5);
        fillAndInk(cr, 0xE8E2D8, 0.9);
        cairo_restore(cr);
    }
    inkedEllipse(cr, kMidX + 3, kMidY + 2, 5.2, 4.2, 0xE8E2D8, 1);   // head
    ellipsePath(cr, kMidX + 4.5, kMidY + 1, 0.9, 0.9);
    forge::setColour(cr, kInk);
    cairo_fill(cr);
    ellipsePath(cr, kMidX + 8, kMidY + 2.6, 0.9, 0.7);
    forge::setColour(cr, 0xE87A8A);
    cairo_fill(cr);
}

void arrowHead(cairo_t *cr, double tipX, double y, double dir) {
    cairo_move_to(cr, tipX, y);
    cairo_line_to(cr, tipX - dir * 5, y - 4.5);
    cairo_line_to(cr, tipX - dir * 5, y + 4.5);
    cairo_close_path(cr);
}

void arrows(cairo_t *cr, bool outwards) {
    const double y = kMidY;
    cairo_rectangle(cr, kMidX - 1, y - 5.5, 2, 11);   // the middle bar
    if (outwards) {
        cairo_rectangle(cr, kMidX - 9, y - 1.5, 18, 3);
        arrowHead(cr, kMidX - 13, y, -1);
        arrowHead(cr, kMidX + 13, y, 1);
    } else {
        cairo_rectangle(cr, kMidX - 13, y - 1.5, 8, 3);
        cairo_rectangle(cr, kMidX + 5, y - 1.5, 8, 3);
        arrowHead(cr, kMidX - 2.5, y, 1);
        arrowHead(cr, kMidX + 2.5, y, -1);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillAndInk(cr, kCream, 1);
    cairo_rectangle(cr, kMidX - 1, y - 5.5, 2, 11);
    fillAndInk(cr, kCream, 0);
}

void letter(cairo_t *cr, const char *text) {
    forge::drawLettering(cr, text, kMidX, kMidY + 6, 17, kCream, 0x5A2E0E, 1.4, forge::ALIGN_CENTRE, false);
}

void gun(cairo_t *cr) {
    cairo_move_to(cr, kMidX - 10, kMidY + 1);   // stock
    cairo_line_to(cr, kMidX - 3, kMidY - 1);
    cairo_line_to(cr, kMidX - 1, kMidY + 5);
    cairo_line_to(cr, kMidX - 10, kMidY + 6);
    cairo_close_path(cr);
    fillAndInk(cr, 0x9C5E2A, 0.9);
    cairo_rectangle(cr, kMidX - 4, kMidY - 3, 13, 4.5);   // barrel
    fillAndInk(cr, kRed, 0.9);
    cairo_rectangle(cr, kMidX + 9, kMidY - 3.8, 3.5, 6);  // the cork
    fillAndInk(cr, 0xD8B27A, 0.9);
    cairo_rectangle(cr, kMidX - 1, kMidY - 3, 2, 4.5);
    fillAndInk(cr, 0xE2B23A, 0);
}

void bomb(cairo_t *cr) {
    cairo_move_to(cr, kMidX + 3, kMidY - 4);   // fuse
    cairo_curve_to(cr, kMidX + 5, kMidY - 8, kMidX + 8, kMidY - 5, kMidX + 9, kMidY - 8);
    forge::setColour(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    inkedEllipse(cr, kMidX - 1, kMidY + 1.5, 6.3, 6.3, 0x2A2A33, 1);
    cairo_rectangle(cr, kMidX + 1, kMidY - 5.5, 3.5, 3);
    fillAndInk(cr, 0x555560, 0.8);
    ellipsePath(cr, kMidX - 3, kMidY - 1, 1.8, 1.2);
    forge::setColour(cr, 0xFFFFFF, 0.6);
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {   // the spark
        const double a = i * kPi / 3;
        cairo_move_to(cr, kMidX + 9.5, kMidY - 8);
        cairo_line_to(cr, kMidX + 9.5 + std::cos(a) * 2.6, kMidY - 8 + std::sin(a) * 2.6);
    }
    forge::setColour(cr, 0xFFF06A);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
}

void feather(cairo_t *cr) {
    cairo_save(cr);
    cairo_translate(cr, kMidX, kMidY);
    cairo_rotate(cr, -0.45);
    cairo_move_to(cr, -11, 0);
    cairo_curve_to(cr, -4, -6, 6, -6, 11, 0);
    cairo_curve_to(cr, 6, 5, -4, 5, -11, 0);
    fillAndInk(cr, 0xFFFFFF, 1);
    cairo_move_to(cr, -13, 0.5);
    cairo_line_to(cr, 10, 0);
    forge::setColour(cr, 0x9C7A5A);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, i * 2.8, 0);
        cairo_line_to(cr, i * 2.8 + 2, -3);
        cairo_move_to(cr, i * 2.8, 0);
        cairo_line_to(cr, i * 2.8 + 2, 3);
    }
    forge::setColour(cr, 0xB8C8E0);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void anvil(cairo_t *cr) {
    const double y = kMidY;
    cairo_move_to(cr, kMidX - 11, y - 5);
    cairo_line_to(cr, kMidX + 9, y - 5);
    cairo_line_to(cr, kMidX + 9, y - 2);
    cairo_line_to(cr, kMidX + 4, y);
    cairo_line_to(cr, kMidX + 4, y + 3);
    cairo_line_to(cr, kMidX + 7, y + 6.5);
    cairo_line_to(cr, kMidX - 7, y + 6.5);
    cairo_line_to(cr, kMidX - 4, y + 3);
    cairo_line_to(cr, kMidX - 4, y);
    cairo_curve_to(cr, kMidX - 7, y - 1, kMidX - 10, y - 2, kMidX - 11, y - 5);
    cairo_close_path(cr);
    fillAndInk(cr, kIronGrey, 1);
    cairo_rectangle(cr, kMidX - 9, y - 4.5, 17, 1.4);
    forge::setColour(cr, 0xA8B0B8);
    cairo_fill(cr);
}

void iceCrystal(cairo_t *cr) {
    inkedEllipse(cr, kMidX, kMidY, 7.5, 7.5, 0x6FB8E8, 1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 3; ++i) {
        const double a = i * kPi / 3 + kPi / 2;
        const double c = std::cos(a), s = std::sin(a);
        cairo_move_to(cr, kMidX - c * 6, kMidY - s * 6);
        cairo_line_to(cr, kMidX + c * 6, kMidY + s * 6);
        for (int end = -1; end <= 1; end += 2) {
            const double bx = kMidX + end * c * 3.6, by = kMidY + end * s * 3.6;
            for (int w = -1; w <= 1; w += 2) {
                const double b = a + w * 0.7 + (end < 0 ? kPi : 0);
                cairo_move_to(cr, bx, by);
                cairo_line_to(cr, bx + std::cos(b) * 2.2, by + std::sin(b) * 2.2);
            }
        }
    }
    forge::setColour(cr, kIce);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
}

void marchingBlocks(cairo_t *cr) {
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, kMidX - 11 + i * 7.5, kMidY - 7 + (i % 2) * 1.5, 6.5, 5);
        fillAndInk(cr, i == 1 ? 0xC8452D : 0xB8763A, 0.9);
    }
    cairo_move_to(cr, kMidX - 2, kMidY);   // down arrow
    cairo_line_to(cr, kMidX + 2, kMidY);
    cairo_line_to(cr, kMidX + 2, kMidY + 3);
    cairo_line_to(cr, kMidX + 5, kMidY + 3);
    cairo_line_to(cr, kMidX, kMidY + 8);
    cairo_line_to(cr, kMidX - 5, kMidY + 3);
    cairo_line_to(cr, kMidX - 2, kMidY + 3);
    cairo_close_path(cr);
    fillAndInk(cr, kCream, 0.9);
}

void icon(cairo_t *cr, atlas::CapsuleIcon which) {
    switch (which) {
    case atlas::ICON_LIFE: heart(cr); break;
    case atlas::ICON_SLOW: snail(cr); break;
    case atlas::ICON_FAST: hare(cr); break;
    case atlas::ICON_GROW: arrows(cr, true); break;
    case atlas::ICON_SHRINK: arrows(cr, false); break;
    case atlas::ICON_SMALL: letter(cr, "S"); break;
    case atlas::ICON_MEDIUM: letter(cr, "M"); break;
    case atlas::ICON_LARGE: letter(cr, "L"); break;
    case atlas::ICON_GUN: gun(cr); break;
    case atlas::ICON_EXPLODE: bomb(cr); break;
    case atlas::ICON_FLOAT: feather(cr); break;
    case atlas::ICON_GRAVITY: anvil(cr); break;
    case atlas::ICON_FREEZE: iceCrystal(cr); break;
    case atlas::ICON_INVADERS: marchingBlocks(cr); break;
    }
}

} // namespace

void drawCapsules(cairo_t *cr) {
    for (const atlas::Capsule &c : atlas::kCapsules) {
        enterRect(cr, c.x, c.y, c.x + atlas::kCapsuleW, c.y + atlas::kCapsuleH);
        pill(cr, c.good);
        icon(cr, c.icon);
        cairo_restore(cr);
    }
}

} // namespace sprites
