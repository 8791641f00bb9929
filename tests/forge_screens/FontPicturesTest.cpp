// The high-score fonts: every glyph rectangle the game cuts lies inside both pictures and
// holds a glyph (the blank holds nothing), the glowing font differs, nothing spills out of
// the rectangles, and the font's background is the board colour the text is drawn onto.
#include "tests/forge_screens/Picture.h"

#include <gtest/gtest.h>

using namespace screentest;

namespace {

struct Glyph {
    char ch;
    int left, top, right, bottom;
};

// The game's font table: character and rectangle in both font pictures.
const Glyph kGlyphs[40] = {
    {'A', 9, 8, 21, 28},    {'B', 28, 8, 40, 28},   {'C', 48, 8, 58, 28},   {'D', 65, 8, 77, 28},
    {'E', 85, 8, 95, 28},   {'F', 102, 8, 113, 28}, {'G', 120, 8, 131, 28}, {'H', 139, 8, 150, 28},
    {'I', 157, 8, 168, 28}, {'J', 174, 8, 180, 28}, {'K', 188, 8, 200, 28}, {'L', 207, 8, 216, 28},
    {'M', 223, 8, 238, 28}, {'N', 245, 8, 256, 28}, {'O', 264, 8, 278, 28}, {'P', 9, 38, 22, 56},
    {'Q', 27, 38, 43, 56},  {'R', 51, 38, 62, 56},  {'S', 71, 38, 84, 56},  {'T', 91, 38, 102, 56},
    {'U', 109, 38, 120, 56}, {'V', 128, 38, 140, 56}, {'W', 147, 38, 161, 56}, {'X', 168, 38, 180, 56},
    {'Y', 187, 38, 198, 56}, {'Z', 204, 38, 216, 56}, {' ', 223, 38, 233, 56}, {'0', 182, 69, 197, 88},
    {'1', 8, 69, 16, 88},   {'2', 23, 69, 34, 88},  {'3', 41, 69, 53, 88},  {'4', 60, 69, 73, 88},
    {'5', 80, 69, 91, 88},  {'6', 98, 69, 112, 88}, {'7', 119, 69, 131, 88}, {'8', 138, 69, 153, 88},
    {'9', 161, 69, 174, 88}, {',', 204, 69, 209, 88}, {'.', 217, 69, 223, 88}, {'@', 228, 69, 237, 88},
};

class FontPictures : public ::testing::Test {
protected:
    void SetUp() override {
        fonts[0] = loadPicture(gameFile("data/sprites/policeoff.bmp"));
        fonts[1] = loadPicture(gameFile("data/sprites/policeon.bmp"));
        ASSERT_TRUE(fonts[0].loaded());
        ASSERT_TRUE(fonts[1].loaded());
        ASSERT_EQ(fonts[0].width, fonts[1].width);
        ASSERT_EQ(fonts[0].height, fonts[1].height);
        paper = fonts[0].at(0, 0);
    }
    int inkIn(const Picture &font, const Glyph &g) const {
        const int area = (g.right - g.left) * (g.bottom - g.top);
        return area - countColour(font, paper, g.left, g.top, g.right, g.bottom);
    }
    Picture fonts[2];
    uint32_t paper = 0;
};

TEST_F(FontPictures, EveryGlyphIsInsideAndInked) {
    for (int f = 0; f < 2; ++f)
        for (const Glyph &g : kGlyphs) {
            SCOPED_TRACE(std::string("font ") + char('0' + f) + " glyph '" + g.ch + "'");
            ASSERT_LE(g.right, fonts[f].width);
            ASSERT_LE(g.bottom, fonts[f].height);
            if (g.ch == ' ')
                EXPECT_EQ(inkIn(fonts[f], g), 0);
            else
                EXPECT_GT(inkIn(fonts[f], g), (g.right - g.left) * (g.bottom - g.top) / 10);
        }
}

TEST_F(FontPictures, GlowingGlyphsDifferAndNothingSpillsOut) {
    for (const Glyph &g : kGlyphs) {
        if (g.ch == ' ')
            continue;
        int differing = 0;
        for (int y = g.top; y < g.bottom; ++y)
            for (int x = g.left; x < g.right; ++x)
                differing += fonts[0].at(x, y) != fonts[1].at(x, y);
        EXPECT_GT(differing, 10) << "glyph '" << g.ch << "'";
    }
    for (int f = 0; f < 2; ++f)
        for (int y = 0; y < fonts[f].height; ++y)
            for (int x = 0; x < fonts[f].width; ++x) {
                bool inGlyph = false;
                for (const Glyph &g : kGlyphs)
                    inGlyph = inGlyph || (x >= g.left && x < g.right && y >= g.top && y < g.bottom);
                if (!inGlyph && fonts[f].at(x, y) != paper)
                    ADD_FAILURE() << "font " << f << " has ink outside every glyph at " << x << ", " << y;
            }
}

TEST_F(FontPictures, BoardBehindTheTextIsTheFontsBackground) {
    // the glyphs are drawn opaque: the heading at (455, 207) and nine rows at y 267 + 31 i,
    // from the rank at x 475 to the eighth score digit at 590 + 7 * 16
    const Picture board = loadPicture(gameFile("data/general/ENGLISH/menu/highscores.bmp"));
    ASSERT_TRUE(board.loaded());
    EXPECT_EQ(countColour(board, paper, 455, 207, 725, 227), 270 * 20) << "heading";
    for (int i = 0; i < 9; ++i) {
        const int y = 267 + 31 * i;
        EXPECT_EQ(countColour(board, paper, 475, y, 725, y + 20), 250 * 20) << "row " << i;
    }
}

} // namespace
