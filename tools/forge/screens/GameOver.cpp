// The game-over screen: a gloomy beach with two sulking monkeys and GAME OVER in big
// letters, plus six moods of the lettering (still, shaking, cracked, dripping, dimmed,
// squashed) cut at the spot where the game flickers between them.
#include "tools/forge/screens/Monkey.h"
#include "tools/forge/screens/Scenery.h"
#include "tools/forge/screens/Screens.h"
#include "tools/forge/screens/Wood.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace screens {

namespace {

constexpr int kWidth = 800, kHeight = 600;
// The variants are drawn at (223, 288); 354 wide keeps them centred on the screen.
const Box kVariantBox{223, 288, 354, 160};
constexpr double kLetterSize = 66;
constexpr double kLineBaselines[2] = {353, 424};
const char *const kLines[2] = {"GAME", "OVER"};

enum Mood { MOOD_STILL, MOOD_SHAKING, MOOD_CRACKED, MOOD_DRIPPING, MOOD_DIMMED, MOOD_SQUASHED, MOOD_COUNT };

struct LetterPose {
    double dx = 0, dy = 0, rot = 0, sx = 1, sy = 1;
};

LetterPose poseFor(Mood mood, Rng &rng) {
    LetterPose p;
    if (mood == MOOD_SHAKING) {
        p.dx = rng.range(-5, 5);
        p.dy = rng.range(-4, 4);
        p.rot = rng.range(-0.14, 0.14);
    } else if (mood == MOOD_SQUASHED) {
        p.sx = 1.12;
        p.sy = 0.74;
    } else if (mood == MOOD_STILL || mood == MOOD_DIMMED || mood == MOOD_CRACKED || mood == MOOD_DRIPPING) {
        p.rot = rng.range(-0.03, 0.03);   // a hand-carved wobble, the same in these four
    }
    return p;
}

// Appends the path of every letter, with its pose.
void lettersPath(cairo_t *cr, Mood mood) {
    Rng poses(mood == MOOD_SHAKING || mood == MOOD_SQUASHED ? 900 + mood : 900);
    cairo_new_path(cr);
    for (int line = 0; line < 2; ++line) {
        const char *text = kLines[line];
        double total = 0;
        for (size_t i = 0; i < std::strlen(text); ++i) {
            const char g[2] = {text[i], 0};
            total += forge::letteringWidth(cr, g, kLetterSize) + 2;
        }
        double x = 400 - total / 2;
        for (size_t i = 0; i < std::strlen(text); ++i) {
            const char g[2] = {text[i], 0};
            const double w = forge::letteringWidth(cr, g, kLetterSize);
            const LetterPose p = poseFor(mood, poses);
            cairo_save(cr);
            cairo_translate(cr, x + w / 2 + p.dx, kLineBaselines[line] + p.dy);
            cairo_rotate(cr, p.rot);
            cairo_scale(cr, p.sx, p.sy);
            cairo_move_to(cr, -w / 2, 0);
            cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
            cairo_set_font_size(cr, kLetterSize);
            cairo_text_path(cr, g);
            cairo_restore(cr);
            x += w + 2;
        }
    }
}

// Drops hanging from the bottoms of the letters, only where a letter has ink to drip from.
void dripsPath(cairo_t *cr) {
    Rng rng(55);
    lettersPath(cr, MOOD_DRIPPING);
    struct Drip {
        double x, top, len, r;
    };
    Drip drips[24];
    int count = 0;
    for (int line = 0; line < 2; ++line) {
        const double top = kLineBaselines[line] - 5;
        for (double x = kVariantBox.x + 20; x < kVariantBox.x + kVariantBox.w - 20 && count < 24;
             x += rng.range(14, 30)) {
            if (!cairo_in_fill(cr, x - 4, top + 2) || !cairo_in_fill(cr, x + 4, top + 2))
                continue;
            drips[count++] = {x, top, rng.range(6, line == 0 ? 15 : 10), rng.range(2.6, 3.8)};
        }
    }
    cairo_new_path(cr);
    for (int i = 0; i < count; ++i) {
        const Drip &d = drips[i];
        cairo_new_sub_path(cr);
        cairo_move_to(cr, d.x - d.r, d.top);
        cairo_line_to(cr, d.x - d.r * 0.6, d.top + d.len);
        cairo_arc_negative(cr, d.x, d.top + d.len + d.r * 0.4, d.r, M_PI, 0);
        cairo_line_to(cr, d.x + d.r, d.top);
        cairo_close_path(cr);
    }
}

struct LetterColours {
    unsigned top, bottom, rim, outline;
};

LetterColours coloursFor(Mood mood) {
    if (mood == MOOD_DIMMED)
        return {0x9A7A68, 0x6A3A30, 0x8A7E70, 0x1E0A04};
    if (mood == MOOD_DRIPPING)
        return {0xFFC070, 0xC8402A, 0xFFF4D6, 0x3A1406};
    return {0xFFD27A, 0xE0572A, 0xFFF4D6, 0x3A1406};
}

void drawCracks(cairo_t *cr) {
    Rng rng(13);
    cairo_save(cr);
    lettersPath(cr, MOOD_CRACKED);
    cairo_clip(cr);
    for (int c = 0; c < 5; ++c) {
        double x = rng.range(kVariantBox.x + 60, kVariantBox.x + kVariantBox.w - 60);
        double y = c % 2 ? 300 : 372;
        cairo_move_to(cr, x, y);
        for (int s = 0; s < 7; ++s) {
            x += rng.range(-9, 9);
            y += rng.range(5, 10);
            cairo_line_to(cr, x, y);
        }
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_set_source_rgba(cr, 1, 0.95, 0.8, 0.7);
        cairo_set_line_width(cr, 3.2);
        cairo_stroke_preserve(cr);
        forge::setColour(cr, 0x2A0E04);
        cairo_set_line_width(cr, 1.7);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void drawShakeLines(cairo_t *cr) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 3; ++i) {
            const double x = 400 + side * (142 + i * 6), y = 318 + i * 34;
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + side * 8, y + 6, x + side * 8, y + 14, x, y + 20);
            cairo_set_source_rgba(cr, 1, 0.96, 0.85, 0.85);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void drawDustPuffs(cairo_t *cr) {
    const double puffs[][3] = {{262, 430, 7}, {276, 426, 5}, {540, 430, 7}, {526, 427, 5}, {250, 432, 4}, {552, 432, 4}};
    for (const auto &p : puffs) {
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.95, 0.88, 0.75, 0.85);
        cairo_fill(cr);
    }
}

void drawGameOverLettering(cairo_t *cr, Mood mood) {
    const LetterColours col = coloursFor(mood);
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_save(cr);
    cairo_translate(cr, 4, 6);
    lettersPath(cr, mood);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_set_line_width(cr, 12);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    const int parts = mood == MOOD_DRIPPING ? 2 : 1;
    for (int part = 0; part < parts; ++part) {
        part ? dripsPath(cr) : lettersPath(cr, mood);
        forge::setColour(cr, col.rim);
        cairo_set_line_width(cr, 14);
        cairo_stroke(cr);
    }
    for (int part = 0; part < parts; ++part) {
        part ? dripsPath(cr) : lettersPath(cr, mood);
        forge::setColour(cr, col.outline);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
    }
    cairo_pattern_t *p = cairo_pattern_create_linear(0, 300, 0, 430);
    for (int line = 0; line < 2; ++line) {
        const double t0 = (kLineBaselines[line] - 50 - 300) / 130.0, t1 = (kLineBaselines[line] + 14 - 300) / 130.0;
        cairo_pattern_add_color_stop_rgb(p, t0, ((col.top >> 16) & 255) / 255.0, ((col.top >> 8) & 255) / 255.0,
                                         (col.top & 255) / 255.0);
        cairo_pattern_add_color_stop_rgb(p, t1, ((col.bottom >> 16) & 255) / 255.0,
                                         ((col.bottom >> 8) & 255) / 255.0, (col.bottom & 255) / 255.0);
    }
    for (int part = 0; part < parts; ++part) {
        part ? dripsPath(cr) : lettersPath(cr, mood);
        cairo_set_source(cr, p);
        cairo_fill(cr);
    }
    cairo_pattern_destroy(p);
    // a glossy bevel along the upper left of each letter
    cairo_save(cr);
    lettersPath(cr, mood);
    cairo_clip(cr);
    cairo_translate(cr, 2.5, 3);
    lettersPath(cr, mood);
    cairo_set_source_rgba(cr, 1, 1, 0.9, mood == MOOD_DIMMED ? 0.15 : 0.5);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_restore(cr);
    if (mood == MOOD_CRACKED)
        drawCracks(cr);
    else if (mood == MOOD_SHAKING)
        drawShakeLines(cr);
    else if (mood == MOOD_SQUASHED)
        drawDustPuffs(cr);
}

void drawBackdrop(cairo_t *cr) {
    Rng rng(666);
    drawSky(cr, kWidth, 300, kGloomSky);
    drawSun(cr, 640, 296, 40, 0xE07A5A, 0x9A5A7A);
    drawSea(cr, kWidth, 300, 440, 0x2A4A7A, 0x14284A, rng);
    drawBeach(cr, kWidth, kHeight, 440, 0xB8A080, 0x8A7260, rng);
    // rain from a grumpy cloud over the left monkey
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.range(60, 250), y = rng.range(120, 520);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - 3, y + 12);
        cairo_set_source_rgba(cr, 0.75, 0.85, 1, 0.55);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    drawCloud(cr, 120, 110, 1.1, 0x6E6A86, 0.95);
    drawCloud(cr, 620, 90, 0.9, 0x5E5A78, 0.9);
    drawPalm(cr, 745, 595, 330, -40, 1.0, rng);
}

void drawWreckage(cairo_t *cr) {
    Rng rng(31);
    drawCrate(cr, 560, 520, 50, 0.35);
    drawCrate(cr, 640, 540, 44, -0.2);
    drawCoconut(cr, 330, 560, 10);
    // broken planks in the sand
    const double planks[][4] = {{280, 520, 0.5, 70}, {430, 545, -0.3, 60}, {470, 500, 0.15, 50}};
    for (const auto &p : planks) {
        cairo_save(cr);
        cairo_translate(cr, p[0], p[1]);
        cairo_rotate(cr, p[2]);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, p[3], 0);
        cairo_line_to(cr, p[3] - 6, 6);
        cairo_line_to(cr, p[3] + 2, 12);
        cairo_line_to(cr, 0, 12);
        cairo_close_path(cr);
        forge::setColour(cr, 0xC8452D);
        cairo_fill_preserve(cr);
        grainInPath(cr, {0, 0, p[3] + 2, 12}, rng, 4, 0.3);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, p[0], p[1]);
        cairo_rotate(cr, p[2]);
        cairo_rectangle(cr, 0, 0, p[3], 12);
        forge::setColour(cr, 0x5A2E0E);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    drawMonkey(cr, 150, 560, 1.2, POSE_SULK, MOOD_SAD, 1);
    drawMonkey(cr, 660, 585, 1.0, POSE_SULK, MOOD_SAD, -1);
    forge::drawLettering(cr, "click to carry on", 400, 580, 15, 0xE8DCCB, 0x2A1606, 1.5, forge::ALIGN_CENTRE);
}

void drawScreen(cairo_t *cr, Mood mood) {
    drawBackdrop(cr);
    drawWreckage(cr);
    drawGameOverLettering(cr, mood);
}

} // namespace

bool forgeGameOver(const std::string &gameDir) {
    bool ok = true;
    for (int mood = 0; mood < MOOD_COUNT; ++mood) {
        forge::Canvas c = forge::canvasCreate(kWidth, kHeight);
        drawScreen(c.cr, Mood(mood));
        if (mood == MOOD_STILL)
            ok = forge::writeBmp(c, outPath(gameDir, "data/go/gameover.bmp"), forge::BMP_OPAQUE) && ok;
        char name[32];
        std::snprintf(name, sizeof name, "data/go/go%d.bmp", mood + 1);
        ok = writeCrop(c, int(kVariantBox.x), int(kVariantBox.y), int(kVariantBox.w), int(kVariantBox.h),
                       outPath(gameDir, name)) &&
             ok;
        forge::canvasFree(c);
    }
    return ok;
}

} // namespace screens
