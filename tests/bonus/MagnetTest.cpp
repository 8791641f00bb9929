// The magnet: the evil ball pushes the other balls away by 150 / d^2 on each axis up
// to the speed limit, hums as loud as its nearest ball is close, and never lets a
// speed stop being a number however close or far the balls are.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/bonus/BonusFixtures.h"

using namespace bonustest;

namespace {

class MagnetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GameSounds::Load(); }
    void SetUp() override {
        ASSERT_TRUE(GameSounds::Loaded()) << "build the data target first";
        fixture::ResetGame();
        Sound_SetGlobalVolumes(80, 100);   // the hum's volume is then loudness / 2
        gMaxBallSpeed = 5;
    }
    // The magnet with its centre at (cx, cy).
    Ball &Magnet(int slot, float cx, float cy) { return fixture::PutBall(slot, cx - 13, cy - 13, 0, 0, BALL_EVIL); }
    // A normal ball with its centre at (cx, cy).
    Ball &Normal(int slot, float cx, float cy, float vx = 0, float vy = 0) {
        return fixture::PutBall(slot, cx - 10, cy - 10, vx, vy);
    }
    int Hum() { return Snd_BallInMagnet->volume; }
};

TEST_F(MagnetTest, NoEvilBallNoHumAndNoPush) {
    Normal(0, 300, 300, 1.5f, -2);
    Normal(1, 305, 300, -1, 1);
    for (int frame = 0; frame < 3; frame++) {
        Snd_BallInMagnet->setVolume(33);
        MainGame_CalculateAimant();
        EXPECT_EQ(Hum(), 0);
    }
    EXPECT_FLOAT_EQ(allBalls[0].vx, 1.5f);
    EXPECT_FLOAT_EQ(allBalls[1].vy, 1);
}

TEST_F(MagnetTest, HumFollowsTheNearestBall) {
    struct Case {
        float dx, dy;
        int loudness;
    };
    // loudness = trunc(100 - d^2 / 250), heard closer than d^2 = 25000
    const Case cases[] = {{0, 0, 100}, {50, 0, 90}, {30, 40, 90}, {100, 100, 20}, {150, 0, 10}, {158, 0, 0},
                          {200, 0, 0}};
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.dx << ", " << k.dy);
        SetUp();
        Magnet(3, 400, 300);
        Normal(0, 400 + k.dx, 300 + k.dy);
        Normal(1, 400 + 3 * k.dx + 120, 300);   // a farther ball does not lower it
        MainGame_CalculateAimant();
        EXPECT_EQ(Hum(), k.loudness / 2);
    }
}

TEST_F(MagnetTest, PushesAwayOnEachAxisByTheInverseSquare) {
    struct Case {
        float dx, dy;
        float vx, vy;   // before
        float ex, ey;   // after
    };
    const Case cases[] = {
        {-10, -5, 0, 0, -150.0f / 125, -150.0f / 125},   // above left: up and left
        {10, 5, 0, 0, 150.0f / 125, 150.0f / 125},       // below right
        {10, 0, 0, 0, 1.5f, 1.5f},                       // level with it: down
        {-10, 0, 1, -1, -0.5f, 0.5f},
        {0, 0, 2, -3, 2, -3},                            // same centre: no push
        {3, 4, 0, 0, 5, 5},                              // 6 per axis, cut at the limit
        {-3, -4, 4, 4, -2, -2},                          // 6 left from +4
        {3, 4, 7, -7, 5, -1},                            // pushed towards the limit stops there
        {-100, 0, 0, 0, -0.015f, 0.015f},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.dx << ", " << k.dy);
        SetUp();
        Magnet(5, 400, 300);
        Ball &b = Normal(2, 400 + k.dx, 300 + k.dy, k.vx, k.vy);
        MainGame_CalculateAimant();
        EXPECT_NEAR(b.vx, k.ex, 1e-5);
        EXPECT_NEAR(b.vy, k.ey, 1e-5);
        EXPECT_FLOAT_EQ(allBalls[5].vx, 0);   // the magnet itself is not pushed
    }
}

TEST_F(MagnetTest, TwoMagnetsPushEachOtherAndBothPushTheBall) {
    Ball &m1 = Magnet(0, 300, 300);
    Ball &m2 = Magnet(1, 310, 300);
    Ball &b = Normal(2, 300, 310);
    MainGame_CalculateAimant();
    EXPECT_FLOAT_EQ(m1.vx, -1.5f);
    EXPECT_FLOAT_EQ(m2.vx, 1.5f);
    EXPECT_FLOAT_EQ(b.vy, 1.5f + 150.0f / 200);
}

TEST_F(MagnetTest, SpeedsStayNumbersWhateverTheDistances) {
    const float tiny = std::numeric_limits<float>::denorm_min();
    const float huge = 1e30f;
    struct Case {
        float dx, dy, vx, vy;
    };
    const Case cases[] = {
        {tiny, 0, 0, 0},      {0, tiny, -5, 5},   {1e-20f, 1e-20f, 5, -5},  {0.5f, 0, -1e30f, 0},
        {huge, huge, 1, 1},   {-huge, 0, 0, 0},   {1e19f, -1e19f, 0, 0},    {tiny, tiny, 1e38f, -1e38f},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.dx << ", " << k.dy << " at " << k.vx << ", " << k.vy);
        SetUp();
        Magnet(0, 400, 300);
        Ball &b = Normal(1, 400, 300, k.vx, k.vy);
        b.x += k.dx;
        b.y += k.dy;
        for (int frame = 0; frame < 3; frame++)
            MainGame_CalculateAimant();
        EXPECT_TRUE(std::isfinite(b.vx)) << b.vx;
        EXPECT_TRUE(std::isfinite(b.vy)) << b.vy;
        EXPECT_GE(Hum(), 0);
        EXPECT_LE(Hum(), 50);
    }
}

TEST_F(MagnetTest, BallAlmostOnTheMagnetIsSentAwayAtTheSpeedLimit) {
    Magnet(0, 400, 300);
    Ball &b = Normal(1, 400.25f, 299.75f, -5, 5);
    MainGame_CalculateAimant();
    EXPECT_FLOAT_EQ(b.vx, 5);
    EXPECT_FLOAT_EQ(b.vy, -5);
}

} // namespace
