// The wall step and its neighbours: the explode-all bonus, the marching wall, the
// explosion frames and their drawing, and bullets against bricks.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/Surfaces.h"
#include "tests/bonus/BonusFixtures.h"

using namespace bonustest;

namespace {

class WallStepTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GameSounds::Load(); }
    void SetUp() override {
        ASSERT_TRUE(GameSounds::Loaded()) << "build the data target first";
        fixture::ResetGame();
    }
    void TearDown() override {
        delete surf_Explosion;
        surf_Explosion = nullptr;
        delete surf_Bricks[BRICK_SHEETS - 1];
        surf_Bricks[BRICK_SHEETS - 1] = nullptr;
    }
    // A 200 x 300 explosion sheet (100 x 100 frames) and a last damage sheet.
    void LoadPictures() {
        fixture::WriteBmp(game.file("explosion.bmp"), 200, 300);
        fixture::WriteBmp(game.file("planche5.bmp"), 64, 32);
        surf_Explosion = CreateSurfaceFromFile(game.file("explosion.bmp").c_str());
        surf_Bricks[BRICK_SHEETS - 1] = CreateSurfaceFromFile(game.file("planche5.bmp").c_str());
        ASSERT_NE(surf_Explosion, nullptr);
        ASSERT_NE(surf_Bricks[BRICK_SHEETS - 1], nullptr);
    }
    void FireBulletAt(int slot, float x, float y) {
        bullet[slot].active = true;
        bullet[slot].x = x;
        bullet[slot].y = y;
        bullet[slot].vy = -16;
    }
    fixture::TempGame game;
};

TEST_F(WallStepTest, ExplodeAllBreaksOneWeakBrickEverySevenFramesLowestIndexFirst) {
    fixture::PutBrick(1, 200, 50, 240, 70, 51);
    const int weak[] = {3, 10, 20, 40, 60};
    const int strength[] = {1, 50, 0, 5, 20};
    for (int k = 0; k < 5; k++)
        fixture::PutBrick(weak[k], 200 + 40 * k, 100, 240 + 40 * k, 120, strength[k]);
    playerInfo.explodeAll = true;
    std::vector<std::pair<int, int>> broken;   // frame, brick
    for (int frame = 1; frame <= 40; frame++) {
        Level_ExplodeAllBricks();
        for (int i = 0; i < MAX_BRICKS; i++)
            if (WallOfBricks[i].present && !WallOfBricks[i].visible && WallOfBricks[i].explodeTick == 1) {
                broken.push_back({frame, i});
                WallOfBricks[i].explodeTick = 2;
            }
    }
    const std::vector<std::pair<int, int>> expected = {{7, 3}, {14, 10}, {21, 20}, {28, 40}, {35, 60}};
    EXPECT_EQ(broken, expected);
    EXPECT_EQ(WallOfBricks[1].visible, 1);
    EXPECT_EQ(playerInfo.score, 25);
}

TEST_F(WallStepTest, ExplodeAllWaitsForItsBonus) {
    fixture::PutBrick(0, 200, 50, 240, 70, 1);
    for (int frame = 0; frame < 20; frame++)
        Level_ExplodeAllBricks();
    EXPECT_EQ(WallOfBricks[0].visible, 1);
}

TEST_F(WallStepTest, MarchingWallMovesStandingBricksFortyNinePixelsPerBonus) {
    fixture::PutBrick(0, 200, 100, 240, 120);
    fixture::PutBrick(1, 300, 100, 340, 120).visible = 0;   // already broken
    for (int bonus = 1; bonus <= 2; bonus++) {
        Bonus_MonkeyGotBonus(BONUS_INVADERS, 0, 0);
        for (int frame = 0; frame < 50; frame++)
            Level_CalculateExplosions();
        EXPECT_FALSE(playerInfo.spaceInvaders);
        EXPECT_FLOAT_EQ(WallOfBricks[0].top, 100 + 49 * bonus);
        EXPECT_FLOAT_EQ(WallOfBricks[0].bottom, 120 + 49 * bonus);
    }
    EXPECT_FLOAT_EQ(WallOfBricks[0].left, 200);
    EXPECT_FLOAT_EQ(WallOfBricks[1].top, 100);
    Level_CalculateExplosions();
    EXPECT_FLOAT_EQ(WallOfBricks[0].top, 198);
}

TEST_F(WallStepTest, ExplosionShowsSixFramesFiveEachAndHoldsBackTheLevelsEnd) {
    LoadPictures();
    fixture::PutBrick(0, 300, 100, 340, 120);
    Level_BreakBrick(0);
    std::vector<std::pair<int, int>> frames;
    int steps = 0;
    while (WallOfBricks[0].explodeTick != 0 && steps < 100) {
        frames.push_back({WallOfBricks[0].explodeSrcX, WallOfBricks[0].explodeSrcY});
        EXPECT_FALSE(Level_IsLevelFinished());
        Level_CalculateExplosions();
        steps++;
    }
    EXPECT_EQ(steps, 30);
    EXPECT_TRUE(Level_IsLevelFinished());
    const std::pair<int, int> order[6] = {{0, 0}, {100, 0}, {0, 100}, {100, 100}, {0, 200}, {100, 200}};
    for (int f = 0; f < 6; f++)
        for (int k = 0; k < 5; k++)
            EXPECT_EQ(frames[5 * f + k], order[f]) << "frame " << 5 * f + k;
}

TEST_F(WallStepTest, ExplosionOnATooSmallPictureStillEnds) {
    fixture::WriteBmp(game.file("explosion.bmp"), 1, 2);   // frames of 0 x 0
    surf_Explosion = CreateSurfaceFromFile(game.file("explosion.bmp").c_str());
    ASSERT_NE(surf_Explosion, nullptr);
    fixture::PutBrick(0, 300, 100, 340, 120);
    Level_BreakBrick(0);
    int steps = 0;
    while (WallOfBricks[0].explodeTick != 0 && steps < 1000) {
        Level_CalculateExplosions();
        steps++;
    }
    EXPECT_LE(steps, 30);
    EXPECT_TRUE(Level_IsLevelFinished());
}

TEST_F(WallStepTest, ExplosionIsDrawnUpAndLeftOfTheBrickCentreOverTheShatteredBrick) {
    LoadPictures();
    Brick &b = fixture::PutBrick(0, 300, 100, 340, 120);   // centre offsets 20, 10
    b.srcLeft = 10;
    b.srcTop = 4;
    b.srcRight = 50;
    b.srcBottom = 24;
    Level_BreakBrick(0);
    struct Case {
        int steps;        // wall steps after the break
        bool brickShown;  // the first four frames show the broken brick beneath
        int srcX, srcY;
    };
    const Case cases[] = {{0, true, 0, 0}, {15, true, 100, 100}, {20, false, 0, 200}, {29, false, 100, 200}};
    int done = 0;
    for (const Case &k : cases) {
        SCOPED_TRACE(k.steps);
        for (; done < k.steps; done++)
            Level_CalculateExplosions();
        Headless::clearDrawList();
        Level_BlitExplosions();
        const auto &draws = Headless::drawList();
        ASSERT_EQ(draws.size(), k.brickShown ? 2u : 1u);
        if (k.brickShown) {
            EXPECT_EQ(draws[0].picture, "planche5.bmp");
            EXPECT_EQ(draws[0].destX, 300);
            EXPECT_EQ(draws[0].destY, 100);
            EXPECT_FLOAT_EQ(draws[0].x1, 10);
            EXPECT_FLOAT_EQ(draws[0].y2, 24);
        }
        const auto &e = draws.back();
        EXPECT_EQ(e.picture, "explosion.bmp");
        EXPECT_TRUE(e.blended);
        EXPECT_EQ(e.destX, 262);
        EXPECT_EQ(e.destY, 56);
        EXPECT_FLOAT_EQ(e.x1, k.srcX);
        EXPECT_FLOAT_EQ(e.y1, k.srcY);
        EXPECT_FLOAT_EQ(e.x2, k.srcX + 100);
        EXPECT_FLOAT_EQ(e.y2, k.srcY + 100);
    }
}

TEST_F(WallStepTest, BulletsAgainstBricks) {
    struct Case {
        const char *what;
        int strength;
        bool standing;
        float x, y;
        bool spent, breaks;
        const char *sound;
    };
    // brick at (300, 100)-(340, 120)
    const Case cases[] = {
        {"metal holds", 900, true, 320, 110, true, false, "cassecaissemetal"},
        {"strongest crate breaks", 899, true, 320, 110, true, true, "cassecaisse"},
        {"top-left corner counts", 3, true, 300, 100, true, true, "cassecaisse"},
        {"bottom-right corner counts", 3, true, 340, 120, true, true, "cassecaisse"},
        {"just outside", 3, true, 340.5f, 110, false, false, nullptr},
        {"broken brick lets it through", 3, false, 320, 110, false, false, nullptr},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        SetUp();
        Brick &b = fixture::PutBrick(0, 300, 100, 340, 120, k.strength);
        b.visible = k.standing;
        FireBulletAt(4, k.x, k.y);
        const auto played = EffectsOf(Level_CalculateExplosions);
        EXPECT_EQ(bullet[4].active, !k.spent);
        EXPECT_EQ(b.visible == 0, !k.standing || k.breaks);
        EXPECT_EQ(playerInfo.score, k.breaks ? 5 : 0);
        if (k.sound) {
            ASSERT_EQ(played.size(), 1u);
            EXPECT_EQ(played[0].rfind(k.sound, 0), 0u) << played[0];
        } else {
            EXPECT_TRUE(played.empty());
        }
    }
}

TEST_F(WallStepTest, TwoBulletsInOneBrickInOneFrameBothScore) {
    fixture::PutBrick(0, 300, 100, 340, 120, 3);
    FireBulletAt(2, 310, 110);
    FireBulletAt(7, 330, 110);
    Level_CalculateExplosions();
    EXPECT_FALSE(bullet[2].active);
    EXPECT_FALSE(bullet[7].active);
    EXPECT_EQ(WallOfBricks[0].visible, 0);
    EXPECT_EQ(playerInfo.score, 10);
}

TEST_F(WallStepTest, BrickBrokenByABulletShowsItsFirstExplosionFrameForFiveFrames) {
    LoadPictures();
    fixture::PutBrick(0, 300, 100, 340, 120, 3);
    FireBulletAt(0, 320, 110);
    int firstFrame = 0;
    for (int frame = 0; frame < 10; frame++) {
        Level_CalculateExplosions();
        const Brick &b = WallOfBricks[0];
        firstFrame += b.explodeTick > 0 && b.explodeSrcX == 0 && b.explodeSrcY == 0;
    }
    EXPECT_EQ(firstFrame, 5);
}

} // namespace
