// The generated screen pictures against what the game's screens need: sizes, roll-over
// pictures that line up with their backgrounds and really light up, the volume bar steps,
// the start-up dialog's lit buttons, the game-over variants and the end JPEG.
#include "tests/forge_screens/Picture.h"
#include "tools/forge/screens/DialogLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

using namespace screentest;

namespace {

const std::string kLanguage = "data/general/ENGLISH/";
const std::string kMenu = kLanguage + "menu/menuplayoff.bmp";
const std::string kOptions = kLanguage + "menu/optionsoff.bmp";
const std::string kHighScores = kLanguage + "menu/highscores.bmp";
const std::string kGameOver = "data/go/gameover.bmp";

// Lit pictures are drawn opaque over a screen while hovered, so next to their edges they
// must match the screen; inside they must differ from it.
constexpr double kSeamTolerance = 5;    // mean colour distance along the picture's outer ring
constexpr double kLightsUp = 20;        // mean colour distance over the hot rectangle

TEST(ScreenPictures, HaveTheSizesTheScreensUse) {
    const struct {
        std::string file;
        int width, height;
    } cases[] = {
        {kMenu, 800, 600},          {kOptions, 800, 600},
        {kHighScores, 800, 600},    {kGameOver, 800, 600},
        {kLanguage + "end.jpg", 800, 600},
        {"data/sprites/lefton.bmp", 41, 31},
        {"data/sprites/righton.bmp", 31, 31},
        {kDialogPicture, kDialogWidth, kDialogHeight},
        {kDialogLitPicture, kDialogWidth, kDialogHeight},
        {kDialogTickPicture, kDialogCheckBox.width(), kDialogCheckBox.height()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const Picture pic = loadPicture(gameFile(c.file));
        ASSERT_TRUE(pic.loaded());
        EXPECT_EQ(pic.width, c.width);
        EXPECT_EQ(pic.height, c.height);
    }
}

TEST(ScreenPictures, OpaquePicturesNeverShowTheKeyColour) {
    // every picture drawn without blending (backgrounds, roll-overs, the dialog)
    const std::string files[] = {kMenu, kOptions, kHighScores, kGameOver, kDialogPicture, kDialogLitPicture,
                                 kLanguage + "menu/playon.bmp", "data/sprites/lefton.bmp",
                                 "data/sprites/vlefton.bmp", kLanguage + "menu/backhson.bmp"};
    for (const std::string &f : files) {
        SCOPED_TRACE(f);
        const Picture pic = loadPicture(gameFile(f));
        ASSERT_TRUE(pic.loaded());
        EXPECT_EQ(countColour(pic, kKeyColour, 0, 0, pic.width, pic.height), 0);
    }
}

struct RollOver {
    std::string lit, background;
    int drawX, drawY;
    int left, top, right, bottom;   // hot rectangle, edges included
    int leftSlack;                  // columns of the hot rectangle left of the picture
};

const RollOver kRollOvers[] = {
    {kLanguage + "menu/playon.bmp", kMenu, 343, 196, 350, 207, 447, 243, 0},
    {kLanguage + "menu/optionson.bmp", kMenu, 332, 378, 350, 382, 467, 423, 0},
    {kLanguage + "menu/quiton.bmp", kMenu, 332, 459, 350, 468, 477, 513, 0},
    {"data/sprites/lefton.bmp", kMenu, 348, 306, 348, 306, 388, 336, 0},
    {"data/sprites/righton.bmp", kMenu, 427, 306, 427, 306, 457, 336, 0},
    {kLanguage + "menu/backon.bmp", kOptions, 350, 484, 352, 490, 440, 525, 0},
    {"data/sprites/vlefton.bmp", kOptions, 484, 166, 484, 167, 504, 188, 0},
    {"data/sprites/vrighton.bmp", kOptions, 621, 166, 621, 167, 640, 190, 0},
    {"data/sprites/sleft.bmp", kOptions, 483, 227, 484, 228, 504, 251, 0},
    {"data/sprites/sright.bmp", kOptions, 622, 228, 622, 228, 640, 251, 0},
    // these two hot rectangles start left of where their pictures are drawn
    {kLanguage + "menu/resetscore.bmp", kOptions, 479, 366, 478, 366, 620, 390, 1},
    {kLanguage + "menu/backhson.bmp", kHighScores, 293, 495, 288, 500, 380, 540, 5},
};

TEST(ScreenPictures, RollOversCoverTheirHotRectanglesAndLightUp) {
    for (const RollOver &r : kRollOvers) {
        SCOPED_TRACE(r.lit);
        const Picture lit = loadPicture(gameFile(r.lit));
        const Picture screen = loadPicture(gameFile(r.background));
        ASSERT_TRUE(lit.loaded());
        ASSERT_TRUE(screen.loaded());
        EXPECT_LE(r.drawX, r.left + r.leftSlack);
        EXPECT_LE(r.drawY, r.top);
        EXPECT_GT(r.drawX + lit.width, r.right);
        EXPECT_GT(r.drawY + lit.height, r.bottom);
        ASSERT_LE(r.drawX + lit.width, screen.width);
        ASSERT_LE(r.drawY + lit.height, screen.height);

        EXPECT_LT(meanDistance(lit, screen, r.drawX, r.drawY, true), kSeamTolerance) << "a visible seam";
        // the part of the picture over the hot rectangle must look different from the screen
        Picture hot;
        const int hx = std::max(r.left, r.drawX) - r.drawX, hy = r.top - r.drawY;
        hot.width = r.right + 1 - std::max(r.left, r.drawX);
        hot.height = r.bottom + 1 - r.top;
        for (int y = 0; y < hot.height; ++y)
            for (int x = 0; x < hot.width; ++x) {
                const uint32_t c = lit.at(hx + x, hy + y);
                hot.rgb.push_back(c >> 16);
                hot.rgb.push_back((c >> 8) & 0xFF);
                hot.rgb.push_back(c & 0xFF);
            }
        EXPECT_GT(meanDistance(hot, screen, r.drawX + hx, r.drawY + hy, false), kLightsUp) << "does not light up";
    }
}

TEST(ScreenPictures, VolumeBarRevealsSomethingAtEveryStep) {
    // bar widths per volume step, as the options screen cuts them
    const int widths[10] = {0, 10, 20, 30, 40, 50, 64, 74, 84, 94};
    const Picture bar = loadPicture(gameFile("data/sprites/progress.bmp"));
    ASSERT_TRUE(bar.loaded());
    ASSERT_GE(bar.width, widths[9]);
    EXPECT_GT(countColour(bar, kKeyColour, 0, 0, bar.width, bar.height), 0) << "the trough should show around it";
    for (int step = 1; step < 10; ++step) {
        SCOPED_TRACE(step);
        const int columns = widths[step] - widths[step - 1];
        const int keyed = countColour(bar, kKeyColour, widths[step - 1], 0, widths[step], bar.height);
        EXPECT_LT(keyed, columns * bar.height) << "this step shows nothing new";
    }
}

TEST(StartUpDialog, LitDialogDiffersOnlyInsideTheButtons) {
    const Picture dark = loadPicture(gameFile(kDialogPicture));
    const Picture lit = loadPicture(gameFile(kDialogLitPicture));
    ASSERT_TRUE(dark.loaded());
    ASSERT_TRUE(lit.loaded());
    const DialogRect buttons[] = {kDialogQuit, kDialogHelp, kDialogPlay};
    int outsideDifferences = 0;
    int insideDifferences[3] = {0, 0, 0};
    for (int y = 0; y < dark.height; ++y)
        for (int x = 0; x < dark.width; ++x) {
            const bool differs = dark.at(x, y) != lit.at(x, y);
            int inside = -1;
            for (int b = 0; b < 3; ++b)
                if (buttons[b].contains(x, y))
                    inside = b;
            if (inside < 0)
                outsideDifferences += differs;
            else
                insideDifferences[inside] += differs;
        }
    EXPECT_EQ(outsideDifferences, 0);
    for (int b = 0; b < 3; ++b)
        EXPECT_GT(insideDifferences[b], buttons[b].width() * buttons[b].height() / 4) << "button " << b;
}

TEST(StartUpDialog, LayoutFitsAndTickIsKeyed) {
    const DialogRect rects[] = {kDialogCheckBox, kDialogCheckLabel, kDialogQuit, kDialogHelp, kDialogPlay};
    for (const DialogRect &r : rects) {
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, kDialogWidth);
        EXPECT_LE(r.bottom, kDialogHeight);
    }
    const Picture tick = loadPicture(gameFile(kDialogTickPicture));
    ASSERT_TRUE(tick.loaded());
    const int keyed = countColour(tick, kKeyColour, 0, 0, tick.width, tick.height);
    EXPECT_GT(keyed, 0) << "the box must show around the tick";
    EXPECT_LT(keyed, tick.width * tick.height * 3 / 4) << "the tick is too thin to see";
}

TEST(GameOverPictures, SixDistinctVariantsThatFitTheirSpot) {
    constexpr int kX = 223, kY = 288;
    const Picture screen = loadPicture(gameFile(kGameOver));
    ASSERT_TRUE(screen.loaded());
    Picture variants[6];
    for (int i = 0; i < 6; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "data/go/go%d.bmp", i + 1);
        SCOPED_TRACE(name);
        variants[i] = loadPicture(gameFile(name));
        ASSERT_TRUE(variants[i].loaded());
        EXPECT_EQ(variants[i].width, variants[0].width);
        EXPECT_EQ(variants[i].height, variants[0].height);
        ASSERT_LE(kX + variants[i].width, 800);
        ASSERT_LE(kY + variants[i].height, 600);
        EXPECT_EQ(countColour(variants[i], kKeyColour, 0, 0, variants[i].width, variants[i].height), 0);
        EXPECT_LT(meanDistance(variants[i], screen, kX, kY, true), kSeamTolerance) << "a visible seam";
    }
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            EXPECT_NE(variants[a].rgb, variants[b].rgb) << "go" << a + 1 << " and go" << b + 1 << " are the same";
}

TEST(EndPicture, IsARealJpegOfTheWholeScreen) {
    const std::string path = gameFile(kLanguage + "end.jpg");
    std::ifstream in(path, std::ios::binary);
    unsigned char magic[3] = {0, 0, 0};
    in.read(reinterpret_cast<char *>(magic), 3);
    EXPECT_EQ(magic[0], 0xFF);
    EXPECT_EQ(magic[1], 0xD8);
    EXPECT_EQ(magic[2], 0xFF);
    const Picture pic = loadPicture(path);
    ASSERT_TRUE(pic.loaded());
    EXPECT_EQ(pic.width, 800);
    EXPECT_EQ(pic.height, 600);
}

} // namespace
