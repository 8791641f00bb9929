// The wall as a whole: when a level counts as finished, which damage sheet a brick is
// drawn from, the sheets' loading rules, standing a level up again, and the explosion
// that plays where a brick broke.
#include <gtest/gtest.h>

#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tests/play/PlayFixtures.h"

namespace {

class BrickWall : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ResetGame();
        game = new fixture::TempGame();
    }
    void TearDown() override {
        Level_FreeBricks();
        delete surf_Explosion;
        surf_Explosion = nullptr;
        delete game;
    }
    fixture::TempGame *game = nullptr;
};

TEST_F(BrickWall, LevelFinishedWhenNoRequiredBrickStandsAndNoExplosionRuns) {
    struct Case {
        const char *what;
        int strength;
        uint8_t present, visible;
        int16_t explodeTick;
        bool finished;
    } cases[] = {
        {"ordinary brick standing", 1, 1, 1, 0, false},
        {"tough brick standing", 99, 1, 1, 0, false},
        {"only strength 100 left", 100, 1, 1, 0, true},
        {"only indestructible left", 999, 1, 1, 0, true},
        {"broken, explosion running", 1, 1, 0, 3, false},
        {"not in the level but exploding", 1, 0, 0, 1, false},
        {"standing but not in the level", 1, 0, 1, 0, true},
        {"all broken and played out", 1, 1, 0, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fixture::ResetGame();
        Brick &b = fixture::PutBrick(150, 300, 100, 340, 120, c.strength);
        b.present = c.present;
        b.visible = c.visible;
        b.explodeTick = c.explodeTick;
        EXPECT_EQ(Level_IsLevelFinished(), c.finished);
    }
    fixture::ResetGame();
    fixture::PutBrick(0, 300, 700, 340, 720, 5);   // marched off the bottom: still required
    EXPECT_FALSE(Level_IsLevelFinished());
}

TEST_F(BrickWall, BricksAreDrawnFromTheirDamageSheetInIndexOrder) {
    ASSERT_TRUE(Level_LoadBricks(0));
    const int live = Headless::liveTextures();
    ASSERT_TRUE(Level_LoadBricks(0));   // loaded once
    EXPECT_EQ(Headless::liveTextures(), live);

    const int16_t hits[] = {0, 1, 4, 7, -2};
    const char *sheets[] = {"planche1.bmp", "planche2.bmp", "planche5.bmp", "planche5.bmp", "planche1.bmp"};
    for (int i = 0; i < 5; i++) {
        Brick &b = fixture::PutBrick(10 + i, 200.9f + 40 * i, 60.5f, 230 + 40 * i, 75, 999);
        b.hits = hits[i];
        b.srcLeft = 4;
        b.srcTop = 8;
        b.srcRight = 34;
        b.srcBottom = 23;
    }
    fixture::PutBrick(20, 600, 60, 630, 75).visible = 0;
    Headless::clearDrawList();
    Level_DrawBrickWall();
    const auto &draws = Headless::drawList();
    ASSERT_EQ(draws.size(), 5u);
    for (int i = 0; i < 5; i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(draws[i].picture, sheets[i]);
        EXPECT_EQ(draws[i].destX, 200 + 40 * i);
        EXPECT_EQ(draws[i].destY, 60);
        EXPECT_EQ(draws[i].x1, 4);
        EXPECT_EQ(draws[i].y2, 23);
        EXPECT_TRUE(draws[i].blended);
    }
}

TEST_F(BrickWall, MissingSheetIsReportedOnceAndNeverDrawn) {
    std::remove(game->file("data/levels/bricks/planche3.bmp").c_str());
    Headless::clearMessages();
    KMiscTools::setMessageBoxHook(nullptr);
    EXPECT_FALSE(Level_LoadBricks(0));
    bool reported = false;
    for (const auto &m : Headless::messages())
        reported |= m.first == "Could not load bricks  " && m.second == "Error";
    EXPECT_TRUE(reported);
    EXPECT_TRUE(Level_LoadBricks(0));   // the flag stays set
    EXPECT_EQ(surf_Bricks[2], nullptr);
    fixture::PutBrick(0, 200, 60, 230, 75).hits = 2;
    Headless::clearDrawList();
    Level_DrawBrickWall();
    EXPECT_TRUE(Headless::drawList().empty());
}

TEST_F(BrickWall, RestoreStandsPresentBricksUpWhereTheyAre) {
    Brick &moved = fixture::PutBrick(0, 200, 90, 230, 105, 3);
    moved.hits = 2;
    moved.visible = 0;
    fixture::PutBrick(1, 240, 60, 270, 75, 999);
    fixture::PutBrick(2, 280, 60, 310, 75).present = 0;
    fruitswall[7].active = true;
    inactivityTimer = 500;
    Level_RestoreLevel();
    EXPECT_EQ(moved.visible, 1);
    EXPECT_EQ(moved.hits, 0);
    EXPECT_FLOAT_EQ(moved.top, 90);
    EXPECT_EQ(WallOfBricks[2].visible, 0);
    EXPECT_EQ(playerInfo.timeBonus, 4);
    EXPECT_FALSE(fruitswall[7].active);
    EXPECT_EQ(inactivityTimer, 0);
}

TEST_F(BrickWall, ExplosionPlaysSixFramesOfFiveAndIsDrawnUpLeftOfTheCentre) {
    fixture::WriteBmp(game->file("explosion.bmp"), 200, 300);
    surf_Explosion = CreateSurfaceFromFile(game->file("explosion.bmp").c_str());
    ASSERT_NE(surf_Explosion, nullptr);
    ASSERT_TRUE(Level_LoadBricks(0));
    Brick &b = fixture::PutBrick(4, 300, 100, 340, 120, 1);
    b.centreX = 20;
    b.centreY = 10;
    Level_BreakBrick(4);

    Headless::clearDrawList();
    Level_BlitExplosions();
    const auto first = fixture::DrawsOf("explosion.bmp");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].destX, 262);
    EXPECT_EQ(first[0].destY, 56);
    EXPECT_EQ(fixture::DrawsOf("planche5.bmp").size(), 1u);   // the shattered brick under it

    int frames = 0;
    std::vector<std::pair<int, int>> shown;
    while (b.explodeTick > 0 && frames < 100) {
        shown.emplace_back(b.explodeSrcX, b.explodeSrcY);
        Level_CalculateExplosions();
        frames++;
    }
    EXPECT_EQ(frames, 30);
    for (int f = 0; f < 30; f++) {
        SCOPED_TRACE(f);
        const int frame = f / 5;
        EXPECT_EQ(shown[f].first, (frame % 2) * 100);
        EXPECT_EQ(shown[f].second, (frame / 2) * 100);
    }
    EXPECT_TRUE(Level_IsLevelFinished());
}

} // namespace
