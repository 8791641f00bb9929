// The player's counters: resets, the time bonus countdown, the effect timers that the
// status step ends, and the number font that draws the counters right-aligned.
#include <gtest/gtest.h>

#include "shell/Surfaces.h"
#include "tests/play/PlayFixtures.h"

namespace {

class Player : public ::testing::Test {
protected:
    void SetUp() override { fixture::ResetGame(); }
};

TEST_F(Player, ResetsKeepWhatTheyShould) {
    playerInfo.score = 1234;
    playerInfo.lives = 1;
    playerInfo.explodeAll = true;
    playerInfo.heavyBalls = true;
    playerInfo.heavyBallsTimer = 40;
    playerInfo.spaceInvadersTimer = 17;
    playerInfo.timeBonus = 80;
    curBat = BAT_GUN;
    Player_ResetStatus();
    EXPECT_FALSE(playerInfo.explodeAll);
    EXPECT_FALSE(playerInfo.heavyBalls);
    EXPECT_EQ(playerInfo.heavyBallsTimer, 0);
    EXPECT_EQ(playerInfo.spaceInvadersTimer, 17);
    EXPECT_EQ(curBat, BAT_MEDIUM);
    EXPECT_EQ(playerInfo.score, 1234);
    EXPECT_EQ(playerInfo.lives, 1);
    EXPECT_EQ(playerInfo.timeBonus, 80);
    Player_ResetPlayer();
    EXPECT_EQ(playerInfo.score, 0);
    EXPECT_EQ(playerInfo.lives, 3);
    EXPECT_EQ(playerInfo.timeBonus, 999);
}

TEST_F(Player, TimeBonusLosesOnePointEvery71FramesDownToZero) {
    playerInfo.timeBonus = 2;
    int frames = 0;
    while (playerInfo.timeBonus == 2) {
        Player_UpdateStatus(false);
        frames++;
    }
    EXPECT_EQ(frames, 71);
    for (int i = 0; i < 71 * 3; i++)
        Player_UpdateStatus(false);
    EXPECT_EQ(playerInfo.timeBonus, 0);
}

TEST_F(Player, StatusStepEndsPeriodsStandingAtOne) {
    playerInfo.heavyBalls = true;
    playerInfo.heavyBallsTimer = 1;
    playerInfo.lightBalls = true;
    playerInfo.lightBallsTimer = 2;
    Player_UpdateStatus(false);
    EXPECT_FALSE(playerInfo.heavyBalls);
    EXPECT_EQ(playerInfo.heavyBallsTimer, 0);
    EXPECT_TRUE(playerInfo.lightBalls);
    EXPECT_EQ(playerInfo.lightBallsTimer, 2);
}

TEST_F(Player, NumbersAreDrawnRightAlignedGlyphByGlyph) {
    fixture::TempGame game;
    fixture::WriteBmp(game.file("bigplanche.bmp"), 512, 512);
    surf_SpriteCollection = CreateSurfaceFromFile(game.file("bigplanche.bmp").c_str());
    ASSERT_NE(surf_SpriteCollection, nullptr);
    struct Case {
        long value;
        std::vector<std::pair<int, int>> glyphs;   // (sheet left, x) from the last digit
    } cases[] = {
        {1209, {{155 + 81, 115}, {155 + 92, 102}, {155 + 8, 94}, {155 + 1, 87}}},
        {0, {{155 + 92, 113}}},
        {-5, {{155 + 38, 117}, {155 + 92, 104}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        Headless::clearDrawList();
        NB_DisplayNumber(c.value, 126, 213);
        const auto &draws = Headless::drawList();
        ASSERT_EQ(draws.size(), c.glyphs.size());
        for (size_t i = 0; i < draws.size(); i++) {
            EXPECT_EQ(draws[i].x1, c.glyphs[i].first);
            EXPECT_EQ(draws[i].destX, c.glyphs[i].second);
            EXPECT_EQ(draws[i].destY, 213);
            EXPECT_EQ(draws[i].y1, 189);
            EXPECT_EQ(draws[i].y2, 202);
        }
    }
    EXPECT_EQ(NB_GetCharIndexInTable(':'), 10);
    EXPECT_EQ(NB_GetCharIndexInTable('x'), 0);
    delete surf_SpriteCollection;
    surf_SpriteCollection = nullptr;
}

} // namespace
