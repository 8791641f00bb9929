// The sprite pictures as the game reads them: sheet sizes and cell arithmetic, a drawing
// in every cell, where the plank and the feet sit, the sprite collection's rectangles,
// the colour key, and the same bytes from every run of the forge.
#include "Bmp.h"
#include "tools/forge/sprites/Atlas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using bmptest::Picture;

std::string spritePath(const std::string &file) { return std::string(ZUMBO_TEST_GAME_DIR) + "/data/sprites/" + file; }

Picture load(const std::string &file) {
    Picture p;
    EXPECT_TRUE(bmptest::readBmp(spritePath(file), p)) << file << " is missing or not a 24-bit BMP";
    return p;
}

struct Sheet {
    const char *file;
    int cols, rows, cellW, cellH;
    int frames;   // cells in use, reading order
};

// Cell sizes the game relies on: bat widths 65/71/81/71 centre each plank over the
// 71-pixel monkeys with the display offsets 3, 0, -5, 0.
const Sheet kSheets[] = {
    {"batteur.bmp", 13, 5, 71, 80, 65}, {"batteS.bmp", 5, 13, 65, 24, 65},  {"batteM.bmp", 5, 13, 71, 24, 65},
    {"batteL.bmp", 5, 13, 81, 24, 65},  {"gunbat.bmp", 5, 13, 71, 24, 65},  {"gunshoot.bmp", 7, 4, 64, 130, 28},
    {"singeA.bmp", 5, 5, 100, 80, 25},  {"win.bmp", 6, 9, 77, 75, 54},      {"lose.bmp", 6, 9, 78, 69, 54},
};

TEST(SpriteSheets, SizesMatchTheCellArithmetic) {
    for (const Sheet &s : kSheets) {
        SCOPED_TRACE(s.file);
        const Picture p = load(s.file);
        EXPECT_EQ(p.width, s.cols * s.cellW);
        EXPECT_EQ(p.height, s.rows * s.cellH);
        EXPECT_EQ(p.width / s.cols, s.cellW);
        EXPECT_EQ(p.height / s.rows, s.cellH);
    }
    const double adjust[4] = {3.0, 0.0, -5.0, 0.0};
    const char *bats[4] = {"batteS.bmp", "batteM.bmp", "batteL.bmp", "gunbat.bmp"};
    for (int b = 0; b < 4; ++b) {
        const Picture p = load(bats[b]);
        EXPECT_DOUBLE_EQ((71.0 - p.width / 5.0) / 2.0, adjust[b]) << bats[b] << " is not centred on the monkeys";
    }
}

TEST(SpriteSheets, EveryFrameIsDrawnAndTheRestIsKeyed) {
    for (const Sheet &s : kSheets) {
        SCOPED_TRACE(s.file);
        const Picture p = load(s.file);
        int keyed = 0;
        for (int f = 0; f < s.cols * s.rows; ++f) {
            const int x = (f % s.cols) * s.cellW, y = (f / s.cols) * s.cellH;
            const int seen = bmptest::visibleIn(p, x, y, x + s.cellW, y + s.cellH);
            if (f < s.frames)
                EXPECT_GT(seen, 40) << "frame " << f << " is empty";
            else
                EXPECT_EQ(seen, 0) << "unused cell " << f << " is not keyed";
            keyed += s.cellW * s.cellH - seen;
        }
        EXPECT_GT(keyed, 0) << "a sprite sheet needs see-through pixels";
    }
}

// The ball bounces when its bottom reaches y 472: the plank's top must be drawn there in the
// resting frame. Each bat picture is drawn at y 463 + {2, 1, 0, 1}.
TEST(SpriteSheets, PlankTopSitsWhereTheBallsBounce) {
    struct Case {
        const char *file;
        int cellW, drawnAtY;
    } cases[] = {{"batteS.bmp", 65, 465}, {"batteM.bmp", 71, 464}, {"batteL.bmp", 81, 463}, {"gunbat.bmp", 71, 464}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const Picture p = load(c.file);
        const int middle = c.cellW / 2 + 4;   // right of the gun bat's cork
        const int top = bmptest::topVisibleRow(p, middle, middle + 6, 0, 24);
        EXPECT_NEAR(c.drawnAtY + top, 472, 1);
    }
}

// Monkeys are drawn at y 465 and stand on the rope's upper strand (y 537 to 545).
TEST(SpriteSheets, MonkeysStandOnTheRope) {
    const Picture p = load("batteur.bmp");
    for (int f : {0, 17, 40, 50, 60}) {
        const int x = (f % 13) * 71, y = (f / 13) * 80;
        const int feet = 465 + bmptest::lowestVisibleRow(p, x, x + 71, y, y + 80) - y;
        EXPECT_GE(feet, 537) << "frame " << f;
        EXPECT_LE(feet, 545) << "frame " << f;
    }
}

// The cork (9 pixels wide) starts with its top left at (bat x + 27, 449); the sheet is drawn
// at (bat x + 8, 416), so the barrel of the aimed gun must rise over the cork's middle.
TEST(SpriteSheets, GunMuzzleIsWhereTheCorkStarts) {
    const Picture p = load("gunshoot.bmp");
    const int w = p.width / 7, h = p.height / 4;
    const int aimed = 7;
    const int x = (aimed % 7) * w + 27 + 4 - 8, y = (aimed / 7) * h;
    const int muzzle = 416 + bmptest::topVisibleRow(p, x - 1, x + 2, y, y + h) - y;
    EXPECT_NEAR(muzzle, 449, 5);
}

TEST(SpriteCollection, CoversEveryRectangle) {
    const Picture p = load("bigplanche.bmp");
    int right = 0, bottom = 0;
    for (const atlas::Named &n : atlas::allRects()) {
        right = std::max(right, n.rect.right);
        bottom = std::max(bottom, n.rect.bottom);
    }
    EXPECT_EQ(right, 484);    // the captions
    EXPECT_EQ(bottom, 411);   // the demo label
    EXPECT_GE(p.width, right);
    EXPECT_GE(p.height, bottom);
    EXPECT_EQ(p.width, atlas::kWidth);
    EXPECT_EQ(p.height, atlas::kHeight);
}

TEST(SpriteCollection, RectanglesAreInsideAndApart) {
    const std::vector<atlas::Named> rects = atlas::allRects();
    EXPECT_EQ(rects.size(), size_t(15 + 15 + 15 + 9 + 14 + 12 + 1 + 11 + 1 + 72 + 1));
    for (size_t i = 0; i < rects.size(); ++i) {
        const atlas::Rect &a = rects[i].rect;
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= atlas::kWidth && a.bottom <= atlas::kHeight &&
                    a.width() > 0 && a.height() > 0)
            << rects[i].name;
        for (size_t j = i + 1; j < rects.size(); ++j) {
            const atlas::Rect &b = rects[j].rect;
            const bool apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
            EXPECT_TRUE(apart) << rects[i].name << " overlaps " << rects[j].name;
        }
    }
}

TEST(SpriteCollection, EveryRectangleIsDrawnAndNothingElse) {
    const Picture p = load("bigplanche.bmp");
    std::vector<bool> inside(size_t(p.width) * p.height, false);
    for (const atlas::Named &n : atlas::allRects()) {
        const atlas::Rect &r = n.rect;
        const int area = r.width() * r.height();
        const int seen = bmptest::visibleIn(p, r.left, r.top, r.right, r.bottom);
        EXPECT_GE(seen, area / 8) << n.name << " is (nearly) empty";
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                inside[size_t(y) * p.width + x] = true;
    }
    int strays = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            strays += !inside[size_t(y) * p.width + x] && !p.isKey(x, y);
    EXPECT_EQ(strays, 0) << "pixels drawn outside every rectangle";
}

// Number glyphs are packed without spacing: each must reach close to both of its edges,
// or numbers look gappy.
TEST(SpriteCollection, NumberGlyphsFillTheirWidth) {
    const Picture p = load("bigplanche.bmp");
    for (const atlas::Glyph &g : atlas::kGlyphs) {
        const int x0 = atlas::kGlyphBaseX + g.left, x1 = atlas::kGlyphBaseX + g.right;
        int first = -1, last = -1;
        for (int x = x0; x < x1; ++x)
            if (bmptest::visibleIn(p, x, atlas::kGlyphTop, x + 1, atlas::kGlyphBottom) > 0) {
                if (first < 0)
                    first = x;
                last = x;
            }
        EXPECT_LE(first - x0, 1) << g.symbol;
        EXPECT_LE(x1 - 1 - last, 1) << g.symbol;
    }
}

// Every run writes the same bytes, and the game folder holds what this forge writes.
TEST(SpriteForge, WritesIdenticalBytesOnEveryRun) {
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / ("forge-sprites-" + std::to_string(::getpid()));
    const fs::path first = base / "a", second = base / "b";
    for (const fs::path &dir : {first, second}) {
        fs::create_directories(dir);
        const std::string cmd = std::string("'") + FORGE_SPRITES_TOOL + "' '" + dir.string() + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    int files = 0;
    for (const auto &e : fs::directory_iterator(first / "data/sprites")) {
        const std::string name = e.path().filename().string();
        SCOPED_TRACE(name);
        const std::vector<unsigned char> a = bmptest::readBytes(e.path().string());
        EXPECT_FALSE(a.empty());
        EXPECT_EQ(a, bmptest::readBytes((second / "data/sprites" / name).string()));
        EXPECT_EQ(a, bmptest::readBytes(spritePath(name))) << "the game folder holds an older picture";
        ++files;
    }
    EXPECT_EQ(files, 10);
    fs::remove_all(base);
}

} // namespace
