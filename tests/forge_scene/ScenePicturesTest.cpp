// The scene pictures in the generated game folder: sizes and sheet cells the game steps
// through, colour-key rules, brick sheets that line up, counter boxes that keep numbers legible.
#include "tests/forge_scene/BmpRead.h"
#include "tools/forge/common/BrickDesigns.h"
#include "tools/forge/common/ForgeNames.h"
#include "tools/forge/scene/SceneSizes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace scenetest;

namespace {

std::string dataPath(const std::string &relative) { return std::string(ZUMBO_TEST_GAME_DIR) + "/data/" + relative; }

Bmp load(const std::string &relative) {
    Bmp bmp = readBmp(dataPath(relative));
    EXPECT_TRUE(bmp.ok()) << relative << " is missing or not a 24-bit BMP";
    return bmp;
}

std::string brickSheet(int k) { return "levels/bricks/planche" + std::to_string(k) + ".bmp"; }

std::vector<std::string> islandFiles() {
    std::vector<std::string> files;
    for (const char *name : forge::kIslands)
        files.push_back(std::string("levels/islands/") + name);
    files.push_back("levels/islands/beach.bmp");
    return files;
}

// A sheet of equal frames: size, frame size, whether it is colour-keyed.
struct SheetCase {
    const char *file;
    int frameWidth, frameHeight;
    bool keyed;
};

const SheetCase kSheets[] = {
    {"sprites/balle.bmp", scene::kBallSize, scene::kBallSize, true},
    {"sprites/evilball.bmp", scene::kEvilBallWidth, scene::kEvilBallHeight, true},
    {"sprites/explosion.bmp", scene::kExplosionCell, scene::kExplosionCell, true},
    {"general/curseur.bmp", scene::kPointerWidth, scene::kPointerHeight, true},
    {"levels/islands/herbe.bmp", scene::kScreenWidth, scene::kGrassHeight, true},
    {"levels/islands/bpanel.bmp", scene::kScreenWidth, scene::kDoorHeight, false},
};

} // namespace

TEST(ScenePictures, FixedSizesAreExact) {
    struct Size {
        std::string file;
        int w, h;
    };
    std::vector<Size> sizes = {
        {"general/curseur.bmp", 105, 34},
        {"levels/islands/bpanel.bmp", 800, 600},
        {"levels/islands/herbe.bmp", 800, scene::kGrassHeight},
    };
    for (int k = 1; k <= 5; ++k)
        sizes.push_back({brickSheet(k), forge::kBrickSheetWidth, forge::kBrickSheetHeight});
    for (const std::string &f : islandFiles())
        sizes.push_back({f, 800, 600});
    for (const Size &s : sizes) {
        const Bmp bmp = load(s.file);
        EXPECT_EQ(bmp.width, s.w) << s.file;
        EXPECT_EQ(bmp.height, s.h) << s.file;
    }
}

// The ball and explosion steps walk the sheet by whole frames and wrap at its edges, and
// the explosion takes half the width and a third of the height as its frame.
TEST(ScenePictures, SheetsHoldWholeFrames) {
    for (const SheetCase &s : kSheets) {
        const Bmp bmp = load(s.file);
        ASSERT_TRUE(bmp.ok());
        EXPECT_EQ(bmp.width % s.frameWidth, 0) << s.file;
        EXPECT_EQ(bmp.height % s.frameHeight, 0) << s.file;
    }
    const Bmp ex = load("sprites/explosion.bmp");
    ASSERT_TRUE(ex.ok());
    EXPECT_EQ(static_cast<int>(ex.width * 0.5) * 2, ex.width);
    EXPECT_EQ(ex.height / 3 * 3, ex.height);
    EXPECT_GE(ex.width / 2, 80) << "frames must cover a broken 80-pixel plank";
    const Bmp pointer = load("general/curseur.bmp");
    EXPECT_EQ(pointer.width / scene::kPointerWidth, 5);
    EXPECT_EQ(static_cast<int>(load("levels/islands/bpanel.bmp").height * 0.5), scene::kDoorHeight);
}

// Keyed sheets: every frame has something to show and see-through corners; the frames of
// an animation differ from each other. Opaque pictures never contain the key colour.
TEST(ScenePictures, ColourKeyOnlyWhereSeeThrough) {
    for (const SheetCase &s : kSheets) {
        const Bmp bmp = load(s.file);
        ASSERT_TRUE(bmp.ok());
        if (!s.keyed) {
            EXPECT_EQ(keyCount(bmp, 0, 0, bmp.width, bmp.height), 0) << s.file;
            continue;
        }
        std::vector<std::vector<Rgb>> frames;
        for (int fy = 0; fy < bmp.height; fy += s.frameHeight) {
            for (int fx = 0; fx < bmp.width; fx += s.frameWidth) {
                const int keys = keyCount(bmp, fx, fy, fx + s.frameWidth, fy + s.frameHeight);
                EXPECT_GT(keys, 0) << s.file << " frame at " << fx << "," << fy;
                EXPECT_LT(keys, s.frameWidth * s.frameHeight) << s.file << " empty frame at " << fx << "," << fy;
                EXPECT_TRUE(bmp.at(fx + s.frameWidth - 1, fy).isKey()) << s.file << " top-right corner";
                std::vector<Rgb> frame;
                for (int y = fy; y < fy + s.frameHeight; ++y)
                    for (int x = fx; x < fx + s.frameWidth; ++x)
                        frame.push_back(bmp.at(x, y));
                frames.push_back(frame);
            }
        }
        for (size_t i = 1; i < frames.size(); ++i)
            EXPECT_FALSE(frames[i] == frames[i - 1]) << s.file << " frames " << i - 1 << " and " << i << " are equal";
    }
    for (const std::string &f : islandFiles()) {
        const Bmp bmp = load(f);
        ASSERT_TRUE(bmp.ok());
        EXPECT_EQ(keyCount(bmp, 0, 0, bmp.width, bmp.height), 0) << f;
    }
}

// Balls are round: the four corners of every frame are see-through.
TEST(ScenePictures, BallCornersAreSeeThrough) {
    const SheetCase balls[] = {kSheets[0], kSheets[1]};
    for (const SheetCase &s : balls) {
        const Bmp bmp = load(s.file);
        ASSERT_TRUE(bmp.ok());
        for (int fx = 0; fx < bmp.width; fx += s.frameWidth) {
            EXPECT_TRUE(bmp.at(fx, 0).isKey()) << s.file << " " << fx;
            EXPECT_TRUE(bmp.at(fx, s.frameHeight - 1).isKey()) << s.file << " " << fx;
            EXPECT_TRUE(bmp.at(fx + s.frameWidth - 1, 0).isKey()) << s.file << " " << fx;
            EXPECT_TRUE(bmp.at(fx + s.frameWidth - 1, s.frameHeight - 1).isKey()) << s.file << " " << fx;
        }
    }
}

// The pointer's hot spot is its top-left corner: the tip must be drawn there in every frame.
TEST(ScenePictures, PointerTipAtHotSpot) {
    const Bmp bmp = load("general/curseur.bmp");
    ASSERT_TRUE(bmp.ok());
    for (int f = 0; f < scene::kPointerFrames; ++f)
        EXPECT_FALSE(bmp.at(f * scene::kPointerWidth + 1, 1).isKey()) << "frame " << f;
}

// Every damage sheet has the same shape: solid inside every design's rectangle, see-through
// everywhere else; and the damage shows, so sheet 5 differs from sheet 1 in every design.
TEST(ScenePictures, BrickSheetsShareOneMask) {
    std::vector<Bmp> sheets;
    for (int k = 1; k <= 5; ++k) {
        sheets.push_back(load(brickSheet(k)));
        ASSERT_TRUE(sheets.back().ok());
    }
    std::vector<bool> inside(forge::kBrickSheetWidth * forge::kBrickSheetHeight, false);
    for (const forge::BrickDesign &d : forge::kBrickDesigns) {
        for (int y = d.y; y < d.y + d.h; ++y)
            for (int x = d.x; x < d.x + d.w; ++x)
                inside[y * forge::kBrickSheetWidth + x] = true;
        for (size_t k = 0; k < sheets.size(); ++k)
            EXPECT_EQ(keyCount(sheets[k], d.x, d.y, d.x + d.w, d.y + d.h), 0) << d.name << " on sheet " << k + 1;
        int changed = 0;
        for (int y = d.y; y < d.y + d.h; ++y)
            for (int x = d.x; x < d.x + d.w; ++x)
                changed += !(sheets[0].at(x, y) == sheets[4].at(x, y));
        EXPECT_GT(changed, d.w * d.h / 20) << d.name << " shows too little damage";
    }
    for (size_t k = 0; k < sheets.size(); ++k) {
        int stray = 0;
        for (int y = 0; y < forge::kBrickSheetHeight; ++y)
            for (int x = 0; x < forge::kBrickSheetWidth; ++x)
                stray += !inside[y * forge::kBrickSheetWidth + x] && !sheets[k].at(x, y).isKey();
        EXPECT_EQ(stray, 0) << "pixels outside the designs on sheet " << k + 1;
    }
}

// Damage grows from sheet to sheet: each later sheet differs more from the intact one.
TEST(ScenePictures, BrickDamageGrowsWithEachSheet) {
    const Bmp intact = load(brickSheet(1));
    ASSERT_TRUE(intact.ok());
    int previous = 0;
    for (int k = 2; k <= 5; ++k) {
        const Bmp sheet = load(brickSheet(k));
        ASSERT_TRUE(sheet.ok());
        int changed = 0;
        for (size_t i = 0; i < sheet.pixels.size(); ++i)
            changed += !(sheet.pixels[i] == intact.pixels[i]);
        EXPECT_GT(changed, previous) << "sheet " << k;
        previous = changed;
    }
}

// The counters are drawn right-aligned at x 126 in light glyphs: the box behind them is dark
// on every island so the numbers stay legible.
TEST(ScenePictures, CounterBoxesAreDarkOnEveryIsland) {
    for (const std::string &f : islandFiles()) {
        const Bmp bmp = load(f);
        ASSERT_TRUE(bmp.ok());
        for (int y0 : scene::kCounterY) {
            for (int y = y0; y < y0 + scene::kCounterHeight; ++y)
                for (int x = 44; x < scene::kCounterRightX; ++x)
                    ASSERT_LT(bmp.at(x, y).luminance(), 70) << f << " at " << x << "," << y;
        }
    }
}

// The six moods differ, and the middle of the playfield's upper part, where the bricks stand
// and the ball flies, stays calm: hardly any sharp brightness steps.
TEST(ScenePictures, IslandsDifferAndKeepACalmSky) {
    std::vector<Bmp> islands;
    for (const std::string &f : islandFiles())
        islands.push_back(load(f));
    const int x0 = 280, x1 = 660, y0 = 10, y1 = 250;
    for (size_t i = 0; i < islands.size(); ++i) {
        ASSERT_TRUE(islands[i].ok());
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(islands[i].pixels == islands[j].pixels) << i << " and " << j;
        int steps = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                steps += std::abs(islands[i].at(x + 1, y).luminance() - islands[i].at(x, y).luminance()) > 60;
        EXPECT_LT(steps, (x1 - x0) * (y1 - y0) / 100) << islandFiles()[i];
    }
}
