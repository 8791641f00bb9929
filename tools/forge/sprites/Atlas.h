// Where every small sprite lies in the sprite collection data/sprites/bigplanche.bmp:
// fruit, capsules, captions, rope, number font, bullet, cartridge cases, demo label.
// The forge draws into these rectangles and the tests check them.
#pragma once
#include <string>
#include <vector>

namespace atlas {

constexpr int kWidth = 512;    // the widest rectangle ends at x 484
constexpr int kHeight = 416;   // the lowest ends at y 411

struct Rect {
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// Fruit: a block of frames per kind, played row by row.
struct FruitBlock {
    int x, y, frameW, frameH, cols, rows;
};
constexpr FruitBlock kFruit[4] = {
    {0, 0, 31, 45, 5, 3},     // pineapple
    {155, 0, 26, 29, 5, 3},   // bananas
    {0, 135, 31, 31, 5, 3},   // mango
    {155, 87, 27, 28, 3, 3},  // cherries
};

// Capsules, 36 x 21 each, by bonus kind.
constexpr int kCapsuleW = 36, kCapsuleH = 21;
enum CapsuleIcon {
    ICON_FLOAT, ICON_SLOW, ICON_LIFE, ICON_EXPLODE, ICON_SMALL, ICON_MEDIUM, ICON_LARGE,
    ICON_GUN, ICON_FAST, ICON_GRAVITY, ICON_FREEZE, ICON_SHRINK, ICON_GROW, ICON_INVADERS
};
struct Capsule {
    int kind;          // bonus kind number
    CapsuleIcon icon;
    bool good;         // warm pill for a welcome catch, cool one for a nasty one
    int x, y;
};
constexpr Capsule kCapsules[14] = {
    {1, ICON_FLOAT, true, 290, 231},      {2, ICON_SLOW, true, 290, 21},
    {3, ICON_LIFE, true, 290, 0},         {4, ICON_EXPLODE, true, 290, 63},
    {5, ICON_SMALL, false, 326, 189},     {6, ICON_MEDIUM, true, 290, 84},
    {7, ICON_LARGE, true, 290, 147},      {8, ICON_GUN, true, 290, 42},
    {13, ICON_FAST, false, 326, 21},      {15, ICON_GRAVITY, false, 326, 105},
    {16, ICON_FREEZE, false, 326, 126},   {20, ICON_SHRINK, false, 326, 84},
    {21, ICON_GROW, true, 290, 210},      {22, ICON_INVADERS, false, 326, 168},
};

// Captions: 122 x 28 strips stacked at x 362, one every 28 pixels, in this order.
constexpr int kCaptionX = 362, kCaptionW = 122, kCaptionH = 28;
constexpr const char *kCaptions[12] = {
    "FAST BALLS", "SLOW BALLS", "HEAVY BALLS", "FLOAT", "LARGE BAT", "MEDIUM BAT",
    "SMALL BAT",  "GUN",        "GROW",        "SHRINK", "FREEZE",   "EXTRA LIFE",
};

// One piece of rope, repeated every 87 pixels along the two strands.
constexpr Rect kRope = {156, 175, 243, 183};

// Number font: glyph i is (kGlyphBaseX + left, kGlyphTop)-(kGlyphBaseX + right, kGlyphBottom).
constexpr int kGlyphBaseX = 155, kGlyphTop = 189, kGlyphBottom = 202;
struct Glyph {
    char symbol;
    int left, right;
};
constexpr Glyph kGlyphs[11] = {
    {'0', 92, 105}, {'1', 1, 8},   {'2', 8, 16},   {'3', 16, 27},  {'4', 27, 37},  {'5', 38, 47},
    {'6', 47, 57},  {'7', 58, 68}, {'8', 68, 81},  {'9', 81, 92},  {':', 106, 112},
};

// The gun's cork and the spinning cartridge cases (12 x 6 frames of 14 x 14).
constexpr Rect kBullet = {163, 213, 172, 221};
constexpr int kCasingX = 0, kCasingY = 258, kCasingSize = 14, kCasingCols = 12, kCasingRows = 6;

// The label shown over a self-running demonstration.
constexpr Rect kDemoLabel = {0, 350, 178, 411};

struct Named {
    std::string name;
    Rect rect;
};

// Every rectangle the game reads, one entry per frame.
inline std::vector<Named> allRects() {
    std::vector<Named> v;
    for (int k = 0; k < 4; ++k) {
        const FruitBlock &b = kFruit[k];
        for (int r = 0; r < b.rows; ++r)
            for (int c = 0; c < b.cols; ++c) {
                const int x = b.x + c * b.frameW, y = b.y + r * b.frameH;
                v.push_back({"fruit" + std::to_string(k) + "." + std::to_string(r * b.cols + c),
                             {x, y, x + b.frameW, y + b.frameH}});
            }
    }
    for (const Capsule &c : kCapsules)
        v.push_back({"capsule" + std::to_string(c.kind), {c.x, c.y, c.x + kCapsuleW, c.y + kCapsuleH}});
    for (int i = 0; i < 12; ++i)
        v.push_back({std::string("caption ") + kCaptions[i],
                     {kCaptionX, i * kCaptionH, kCaptionX + kCaptionW, (i + 1) * kCaptionH}});
    v.push_back({"rope", kRope});
    for (const Glyph &g : kGlyphs)
        v.push_back({std::string("glyph ") + g.symbol,
                     {kGlyphBaseX + g.left, kGlyphTop, kGlyphBaseX + g.right, kGlyphBottom}});
    v.push_back({"bullet", kBullet});
    for (int r = 0; r < kCasingRows; ++r)
        for (int c = 0; c < kCasingCols; ++c) {
            const int x = kCasingX + c * kCasingSize, y = kCasingY + r * kCasingSize;
            v.push_back({"casing" + std::to_string(r * kCasingCols + c), {x, y, x + kCasingSize, y + kCasingSize}});
        }
    v.push_back({"demo label", kDemoLabel});
    return v;
}

} // namespace atlas
