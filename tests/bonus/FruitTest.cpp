// Fruit: thrown from a broken brick's centre with its kind's frames, animated once
// through its block and held on the last frame, bounced off the side walls, caught
// by the monkeys for 100 points, lost at the bottom.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "tests/bonus/BonusFixtures.h"

using namespace bonustest;

namespace {

class FruitTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GameSounds::Load(); }
    void SetUp() override {
        ASSERT_TRUE(GameSounds::Loaded()) << "build the data target first";
        fixture::ResetGame();
        gGravity = 0;
        batPosition = 700;   // out of the way unless a test moves it
    }
    // A fruit of the given kind (by its first frame) flying from (x, y).
    Fruit &Fly(int slot, float x, float y, float vx, float vy) {
        fixture::PutBrick(slot, x, y, x + 40, y + 40);
        Bonus_SpawnFruit(slot);
        Fruit &f = fruitswall[slot];
        f.x = x;
        f.y = y;
        f.vx = vx;
        f.vy = vy;
        return f;
    }
};

TEST_F(FruitTest, SpawnStartsAtTheBrickCentreWithItsKindsFrames) {
    struct Kind {
        int srcX, srcY, w, h, startX, endX, endY;
    };
    const Kind kinds[4] = {{0, 0, 31, 45, 0, 155, 135},
                           {155, 0, 26, 29, 155, 285, 87},
                           {0, 135, 31, 31, 0, 155, 228},
                           {155, 87, 27, 28, 155, 236, 171}};
    std::set<int> seen;
    for (int i = 0; i < 60; i++) {
        fixture::PutBrick(i, 200, 100 + i, 260, 120 + i);   // centre 30, 10
        Bonus_SpawnFruit(i);
        const Fruit &f = fruitswall[i];
        ASSERT_TRUE(f.active);
        EXPECT_FLOAT_EQ(f.x, 200 + 30 - 20);
        EXPECT_FLOAT_EQ(f.y, 100 + i + 10 - 20);
        EXPECT_LE(std::fabs(f.vx), 1.0f);
        EXPECT_LE(std::fabs(f.vy), 1.0f);
        EXPECT_GE(f.animDelay, 5);
        EXPECT_LE(f.animDelay, 12);
        EXPECT_EQ(f.animTick, 0);
        int kind = -1;
        for (int k = 0; k < 4; k++)
            if (f.srcX == kinds[k].srcX && f.srcY == kinds[k].srcY)
                kind = k;
        ASSERT_GE(kind, 0) << f.srcX << ", " << f.srcY;
        seen.insert(kind);
        EXPECT_EQ(f.frameWidth, kinds[kind].w);
        EXPECT_EQ(f.frameHeight, kinds[kind].h);
        EXPECT_EQ(f.startX, kinds[kind].startX);
        EXPECT_EQ(f.endX, kinds[kind].endX);
        EXPECT_EQ(f.endY, kinds[kind].endY);
    }
    EXPECT_EQ(seen.size(), 4u);
}

TEST_F(FruitTest, BlockPlaysOnceRowByRowThenHoldsItsLastFrame) {
    struct Case {
        int16_t srcX, srcY, w, h, endX, endY;
        size_t frames;
    };
    const Case cases[] = {{155, 87, 27, 28, 236, 171, 9}, {0, 0, 31, 45, 155, 135, 15}};
    for (const Case &k : cases) {
        SCOPED_TRACE(k.frames);
        Fruit &f = Fly(3, 400, 100, 0, 0);
        f.srcX = f.startX = k.srcX;
        f.srcY = k.srcY;
        f.frameWidth = k.w;
        f.frameHeight = k.h;
        f.endX = k.endX;
        f.endY = k.endY;
        f.animDelay = 5;
        std::vector<std::pair<int, int>> shown{{f.srcX, f.srcY}};
        for (int frame = 0; frame < 5 * 20; frame++) {
            Bonus_MoveFruit(3);
            if (shown.back() != std::make_pair<int, int>(f.srcX, f.srcY))
                shown.push_back({f.srcX, f.srcY});
        }
        ASSERT_EQ(shown.size(), k.frames);
        EXPECT_EQ(shown[1], std::make_pair(k.srcX + k.w, static_cast<int>(k.srcY)));
        EXPECT_EQ(shown.back(), std::make_pair(k.endX - k.w, k.endY - k.h));
        EXPECT_TRUE(f.active);
    }
}

TEST_F(FruitTest, SideWallsTurnTheFruitBack) {
    struct Case {
        float x, vx, endX, endVx;
    };
    const Case cases[] = {{171, -2, 170, 2}, {745, 2, 746, -2}, {300, -2, 298, -2}, {170.5f, -0.5f, 170, 0.5f}};
    for (const Case &k : cases) {
        SCOPED_TRACE(k.x);
        Fruit &f = Fly(4, k.x, 100, k.vx, 0);
        Bonus_MoveFruit(4);
        EXPECT_FLOAT_EQ(f.x, k.endX);
        EXPECT_FLOAT_EQ(f.vx, k.endVx);
    }
}

TEST_F(FruitTest, FallsUnderTheLevelsGravityAndIsLostBelowTheScreen) {
    gGravity = 0.05f;
    Fruit &f = Fly(5, 300, 100, 0, -1);
    Bonus_MoveFruit(5);
    EXPECT_FLOAT_EQ(f.y, 99);
    EXPECT_FLOAT_EQ(f.vy, -1 + 4 * 0.05f);
    f.y = 599;
    f.vy = 1;
    Bonus_MoveFruit(5);
    EXPECT_TRUE(f.active);   // exactly 600 stays
    Bonus_MoveFruit(5);
    EXPECT_FALSE(f.active);
}

TEST_F(FruitTest, CaughtFruitScoresAndPlaysTheFruitSound) {
    playerInfo.score = 40;
    Fruit &f = Fly(6, 420, 440, 0, 6);
    batPosition = 400;
    const auto played = EffectsOf([] { Bonus_MoveFruit(6); });
    EXPECT_FALSE(f.active);
    EXPECT_EQ(playerInfo.score, 140);
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].rfind("fruit_", 0), 0u) << played[0];
}

} // namespace
