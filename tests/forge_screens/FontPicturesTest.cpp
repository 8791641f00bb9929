// The high-score fonts: every glyph rectangle the game cuts lies inside both pictures and
// holds a glyph (the blank holds nothing), the glowing font differs, nothing spills out of
// the rectangles, and the font's background is the board colour the text is drawn onto.
#include "frontend/Alphabet.h"
#include "tests/forge_screens/Picture.h"

#include <gtest/gtest.h>

using namespace screentest;

namespace {

using Glyph = AlphabetGlyph;
const AlphabetGlyph (&kGlyphs)[ALPHABET_SIZE] = alphabet;


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
