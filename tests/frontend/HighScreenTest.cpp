// The bitmap font, the table as drawn with its blinking won line, and the high-score
// screen run whole: typing a name, Backspace, Return, Back, and viewing mode.
#include "tests/frontend/FrontendFixture.h"

#include <cstring>
#include <filesystem>

using namespace frontendtest;

namespace {

struct Glyph { int left, top, right, bottom; };

Glyph GlyphOf(char c) {
    const AlphabetGlyph &g = alphabet[GetCharIndexInTable(c)];
    return {g.left, g.top, g.right, g.bottom};
}

class BitmapTextTest : public FrontendFixture {
protected:
    void SetUp() override {
        FrontendFixture::SetUp();
        surf_Fonte = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\policeoff.bmp"));
        surf_FonteOn = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\policeon.bmp"));
        ASSERT_NE(surf_Fonte, nullptr);
        ASSERT_NE(surf_FonteOn, nullptr);
        Headless::clearDrawList();
    }
    void TearDown() override {
        delete surf_Fonte;
        delete surf_FonteOn;
        surf_Fonte = surf_FonteOn = nullptr;
        winningLine = winningLineTimer = -1;
        FrontendFixture::TearDown();
    }
    // The glyphs drawn at row y, left to right, as (x, glyph) pairs.
    std::vector<std::pair<int, Glyph>> row(const std::string &picture, int y) {
        std::vector<std::pair<int, Glyph>> out;
        for (const auto &r : DrawsOf(picture))
            if (r.destY == y)
                out.push_back({r.destX, {int(r.x1), int(r.y1), int(r.x2), int(r.y2)}});
        return out;
    }
};

TEST_F(BitmapTextTest, CharactersOutsideTheTableAreTheBlank) {
    const std::pair<char, int> cases[] = {{'A', 0}, {'Z', 25}, {' ', 26}, {'0', 27}, {'9', 36},
                                          {',', 37}, {'.', 38}, {'@', 39}, {'a', 26}, {'-', 26}, {'\xff', 26}};
    for (auto [c, index] : cases)
        EXPECT_EQ(GetCharIndexInTable(c), index) << int(c);
}

TEST_F(BitmapTextTest, TextAdvancesByGlyphWidthAndDigitsByAFixedPitch) {
    DisplayText("AJ.", 100, 50);
    DisplayTextGlow("W", 10, 60);
    DisplayTextReg("1A", 200, 70);
    auto normal = row("policeoff.bmp", 50);
    ASSERT_EQ(normal.size(), 3u);
    EXPECT_EQ(normal[0].first, 100);
    EXPECT_EQ(normal[1].first, 100 + 12);        // A is 12 wide
    EXPECT_EQ(normal[2].first, 100 + 12 + 6);    // J is 6 wide
    EXPECT_EQ(normal[2].second.left, 217);
    EXPECT_EQ(normal[2].second.bottom, 88);
    auto glow = row("policeon.bmp", 60);
    ASSERT_EQ(glow.size(), 1u);
    EXPECT_EQ(glow[0].second.left, 147);
    auto reg = row("policeoff.bmp", 70);
    ASSERT_EQ(reg.size(), 2u);
    EXPECT_EQ(reg[1].first - reg[0].first, 16);
    for (const auto &r : Headless::drawList())
        EXPECT_FALSE(r.blended) << "the font is drawn opaque";
}

TEST_F(BitmapTextTest, TableLinesShowRankNameAndEightDigitScore) {
    InitScores();
    cTheHigh.GetEntry(0)->score = 1234;
    std::strcpy(cTheHigh.GetEntry(1)->name, "abc");            // lower case: blanks
    cTheHigh.GetEntry(1)->score = -20;                         // shown as zeros
    std::memset(cTheHigh.GetEntry(2)->name, 'M', 255);         // only three letters shown
    cTheHigh.GetEntry(2)->score = 2147483647;                  // shown as eight nines
    DisplayHighscores();
    const int y0 = 267, y1 = 267 + 31, y2 = 267 + 62;
    auto score0 = row("policeoff.bmp", y0);
    ASSERT_EQ(score0.size(), 1u + 8u);                         // rank "1" and eight digits
    EXPECT_EQ(score0[0].first, 475);
    EXPECT_EQ(score0[1].first, 590);
    const char *digits = "00001234";
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(score0[1 + i].first, 590 + 16 * i);
        EXPECT_EQ(score0[1 + i].second.left, GlyphOf(digits[i]).left) << i;
    }
    auto name1 = row("policeon.bmp", y1);
    ASSERT_EQ(name1.size(), 3u);
    for (auto &g : name1)
        EXPECT_EQ(g.second.left, GlyphOf(' ').left);
    EXPECT_EQ(name1[0].first, 520);
    auto score1 = row("policeoff.bmp", y1);
    ASSERT_EQ(score1.size(), 9u);
    for (int i = 1; i < 9; i++)
        EXPECT_EQ(score1[i].second.left, GlyphOf('0').left);
    EXPECT_EQ(row("policeon.bmp", y2).size(), 3u);
    auto score2 = row("policeoff.bmp", y2);
    ASSERT_EQ(score2.size(), 9u);
    EXPECT_EQ(score2[8].second.left, GlyphOf('9').left);
}

TEST_F(BitmapTextTest, WonLineBlinksItsRankAndScoreButKeepsItsName) {
    InitScores();
    winningLine = 2;
    const int y = 267 + 62;
    struct Case { int timerBefore; int timerAfter; bool numbersShown; };
    const Case cases[] = {{-1, -1, true}, {0, 1, true}, {33, 34, true}, {34, 35, false},
                          {69, 70, false}, {70, 0, true}};
    for (const Case &c : cases) {
        winningLineTimer = c.timerBefore;
        Headless::clearDrawList();
        DisplayHighscores();
        EXPECT_EQ(winningLineTimer, c.timerAfter);
        EXPECT_EQ(row("policeoff.bmp", y).size(), c.numbersShown ? 9u : 0u) << "timer " << c.timerBefore;
        EXPECT_EQ(row("policeon.bmp", y).size(), 3u) << "timer " << c.timerBefore;
        EXPECT_EQ(row("policeoff.bmp", y + 31).size(), 9u) << "other lines stay";
    }
}

// The screen run whole, in entry mode: the typing starts once the doors are open.
class NameEntryTest : public FrontendFixture {
protected:
    void SetUp() override {
        FrontendFixture::SetUp();
        openWindow();
        InitScores();
    }
    // Each step taps its keys together; then Return.
    bool enter(long score, const std::vector<std::vector<EKeyboardLayout>> &steps) {
        const uint32_t first = 40, spacing = 6;
        const uint32_t base = Headless::flipCount();
        onFlip([this, steps, first, spacing, base](uint32_t absolute) {
            const uint32_t flip = absolute - base;
            if (flip < first || (flip - first) % spacing)
                return;
            const size_t i = (flip - first) / spacing;
            if (i < steps.size())
                for (EKeyboardLayout k : steps[i])
                    hands.tapKey(k);
            else if (i == steps.size())
                hands.tapKey(KEY_RETURN);
        });
        return LaunchHighscores(score);
    }
    std::string savedName(int line) {
        auto bytes = readBytes("highscores.raw");
        if (bytes.size() != 2340)
            return "<no file>";
        return std::string(reinterpret_cast<const char *>(&bytes[260 * line]));
    }
};

const EKeyboardLayout A = KEY_A, B = KEY_B, C = KEY_C, D = KEY_D, E = KEY_E, BS = KEY_BACKSPACE, SP = KEY_SPACE;

TEST_F(NameEntryTest, TypedKeysMakeAtMostThreeLetters) {
    struct Case {
        const char *what;
        std::vector<std::vector<EKeyboardLayout>> steps;
        const char *name;
    };
    const Case cases[] = {
        {"three letters", {{A}, {B}, {C}}, "ABC"},
        {"a fourth letter overwrites the third", {{A}, {B}, {C}, {D}}, "ABD"},
        {"backspace blanks the empty third place", {{A}, {B}, {BS}, {C}}, "AC "},
        {"two backspaces after three letters", {{A}, {B}, {C}, {BS}, {BS}}, "A  "},
        {"typing at the first place starts afresh", {{A}, {B}, {C}, {BS}, {BS}, {E}}, "E"},
        {"two letters held type the later one", {{A, C}, {D}}, "CD"},
        {"space types a blank", {{A}, {SP}, {B}}, "A B"},
    };
    for (const Case &c : cases) {
        InitScores();
        std::memset(curname, 0, sizeof(curname));
        ASSERT_TRUE(enter(100, c.steps)) << c.what;
        EXPECT_EQ(winningLine, 0) << c.what;
        EXPECT_STREQ(cTheHigh.GetEntry(0)->name, c.name) << c.what;
        EXPECT_EQ(savedName(0), c.name) << c.what << ": saved on Return";
    }
}

TEST_F(NameEntryTest, ScoreThatDoesNotMakeTheTableShowsNothing) {
    EXPECT_FALSE(LaunchHighscores(1));
    EXPECT_EQ(Headless::flipCount(), 0u);
    EXPECT_EQ(winningLine, -1);
    EXPECT_STREQ(cTheHigh.GetEntry(8)->name, "WUN");
}

TEST_F(NameEntryTest, WonLineIsShownBlinkingAndTheTuneStarts) {
    int hiddenFrames = 0, shownFrames = 0;
    onFlip([&](uint32_t flip) {
        if (flip > 31 && flip <= 31 + 71) {   // one whole blink period
            bool numbers = false;
            for (const auto &r : DrawsOf("policeoff.bmp"))
                numbers = numbers || r.destY == 267 + 31 * 4;
            (numbers ? shownFrames : hiddenFrames)++;
        }
        if (flip == 31 + 72)
            hands.tapKey(KEY_RETURN);
    });
    ASSERT_TRUE(LaunchHighscores(6));   // below MEP 6, above DRU 5
    EXPECT_EQ(winningLine, 4);
    EXPECT_EQ(shownFrames, 35);    // counter 0..34
    EXPECT_EQ(hiddenFrames, 36);   // counter 35..70
    EXPECT_NE(module, nullptr) << "the high-score tune plays";
}

TEST_F(NameEntryTest, BackButtonLeavesAndSavesTheNamelessLine) {
    onFlip([&](uint32_t flip) {
        if (flip == 50)
            Headless::setMouse(330, 520);
        if (flip == 52)
            hands.click(330, 520);
    });
    ASSERT_TRUE(LaunchHighscores(50));
    EXPECT_LT(Headless::flipCount(), 60u);
    EXPECT_EQ(savedName(0), "");
    auto bytes = readBytes("highscores.raw");
    EXPECT_EQ(bytes[259], 50);
}

TEST_F(NameEntryTest, MissingBackgroundKeepsTheScoreAndReturnsAtOnce) {
    std::filesystem::remove(dir.file("data/general"));
    std::filesystem::create_directories(dir.file("data/general"));
    EXPECT_TRUE(LaunchHighscores(50));
    EXPECT_EQ(Headless::flipCount(), 0u);
    EXPECT_EQ(savedName(0), "");
    EXPECT_EQ(savedName(1), "ORK");
}

TEST_F(NameEntryTest, ViewingModeIgnoresLettersAndClosesByItself) {
    std::strcpy(curname, "XYZ");
    onFlip([&](uint32_t flip) {
        if (flip % 50 == 0)
            hands.tapKey(KEY_Q);
    });
    ASSERT_TRUE(LaunchHighscores(-1));
    EXPECT_EQ(Headless::flipCount(), 31u + 1699u) << "31 opening frames, then the 1700th frame ends it";
    EXPECT_EQ(curnamepos, -1);
    EXPECT_STREQ(curname, "XYZ");
    EXPECT_STREQ(cTheHigh.GetEntry(0)->name, "ORK");
    EXPECT_EQ(module, nullptr) << "viewing keeps the music that was playing";
}

} // namespace
