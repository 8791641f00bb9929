// The gun bat: a tap plays the whole shooting animation and fires once, held fire
// shoots every 22 frames, bullets kick balls, casings fly and bounce, the slot ring.
#include <gtest/gtest.h>

#include <vector>

#include "tests/bonus/BonusFixtures.h"

using namespace bonustest;

namespace {

const int kFrameW = 90, kFrameH = 60;   // one frame of a 630 x 240 gun picture

class GunTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GameSounds::Load(); }
    void SetUp() override {
        ASSERT_TRUE(GameSounds::Loaded()) << "build the data target first";
        fixture::ResetGame();
        std::memset(cartanimX, 0, sizeof(cartanimX));
        std::memset(cartanimY, 0, sizeof(cartanimY));
        curCartouche = 0;
        gunStepDivider = 0;
        gunShootWidth = kFrameW;
        gunShootHeight = kFrameH;
        gunShootMaxX = 7 * kFrameW;
        gunShootMaxY = 4 * kFrameH;
        curBat = BAT_GUN;
        batPosition = 400;
    }
    // One frame as the game runs it: the fire request, then the gun step while the
    // animation runs. Returns whether a shot was fired.
    bool Frame(bool fire) {
        if (fire)
            MainGame_FireRequest();
        const int16_t before = curCartouche;
        if (gunShootX >= 0)
            MainGame_CalculateGun();
        return curCartouche != before;
    }
    int ActiveBullets() {
        int n = 0;
        for (const Bullet &b : bullet)
            n += b.active;
        return n;
    }
};

TEST_F(GunTest, OneTapPlaysTheWholeAnimationAndFiresOnceAtItsEighthStep) {
    std::vector<int> shots;
    int frames = 0, steps = 0, lastFrame = 0;
    const std::vector<std::string> played = EffectsOf([&] {
        for (int frame = 1; frame <= 200 && (frame == 1 || gunShootX >= 0); frame++) {
            if (Frame(frame == 1))
                shots.push_back(gunShootFrame);
            steps += gunShootFrame != lastFrame && gunShootFrame != 0;
            lastFrame = gunShootFrame;
            frames = frame;
        }
    });
    EXPECT_EQ(shots, std::vector<int>{8});
    EXPECT_EQ(steps, 27);      // the 28th step ends the animation
    EXPECT_EQ(frames, 56);
    EXPECT_EQ(gunShootX, -1);
    EXPECT_EQ(gunShootY, 0);
    EXPECT_EQ(gunShootFrame, 0);
    EXPECT_EQ(monkeys.frame, 0);
    EXPECT_EQ(played, std::vector<std::string>{"shoot.ogg"});
    EXPECT_EQ(ActiveBullets(), 1);
}

TEST_F(GunTest, AnimationWalksTheSheetRowByRow) {
    Frame(true);
    EXPECT_EQ(gunShootX, 0);
    EXPECT_EQ(gunShootY, 0);
    for (int step = 1; step <= 9; step++) {
        Frame(false);
        Frame(false);
        EXPECT_EQ(gunShootX, (step % 7) * kFrameW) << step;
        EXPECT_EQ(gunShootY, (step / 7) * kFrameH) << step;
    }
}

TEST_F(GunTest, HeldFireShootsEveryTwentyTwoFrames) {
    std::vector<int> shotFrames;
    for (int frame = 1; frame <= 200; frame++)
        if (Frame(true))
            shotFrames.push_back(frame);
    ASSERT_GE(shotFrames.size(), 8u);
    for (size_t i = 1; i < shotFrames.size(); i++)
        EXPECT_EQ(shotFrames[i] - shotFrames[i - 1], 22) << i;
    EXPECT_GE(gunShootX, 0);   // never runs to its end
}

TEST_F(GunTest, ShotThrowsABulletUpAndACasingLeft) {
    batPosition = 250.5f;
    gunShootX = 6 * kFrameW;
    gunShootFrame = 7;
    gunStepDivider = 1;
    ASSERT_TRUE(Frame(false));
    const Bullet &b = bullet[0];
    EXPECT_TRUE(b.active);
    EXPECT_FLOAT_EQ(b.x, 277.5f);
    EXPECT_FLOAT_EQ(b.y, 449);
    EXPECT_FLOAT_EQ(b.vy, -16);
    const Casing &c = cartouche[0];
    EXPECT_TRUE(c.active);
    EXPECT_FLOAT_EQ(c.x, 262.5f);
    EXPECT_FLOAT_EQ(c.y, 465);
    EXPECT_EQ(curCartouche, 1);
}

TEST_F(GunTest, CasingSpeedsAreWholeNumbersInTheirRanges) {
    bool seenX[7] = {}, seenY[6] = {};
    for (int shot = 0; shot < 400; shot++) {
        gunShootX = 0;
        gunShootFrame = 7;
        gunStepDivider = 1;
        Frame(false);
        const Casing &c = cartouche[(curCartouche + MAX_SHOTS - 1) % MAX_SHOTS];
        ASSERT_EQ(c.vx, static_cast<int>(c.vx));
        ASSERT_EQ(c.vy, static_cast<int>(c.vy));
        ASSERT_GE(c.vx, -6);
        ASSERT_LE(c.vx, -3);
        ASSERT_GE(c.vy, -5);
        ASSERT_LE(c.vy, -2);
        seenX[static_cast<int>(-c.vx)] = true;
        seenY[static_cast<int>(-c.vy)] = true;
    }
    EXPECT_TRUE(seenX[3] && seenX[4] && seenX[5] && seenX[6]);
    EXPECT_TRUE(seenY[2] && seenY[3] && seenY[4] && seenY[5]);
}

TEST_F(GunTest, EleventhShotReusesTheFirstSlot) {
    for (int shot = 0; shot < 11; shot++) {
        gunShootX = 0;
        gunShootFrame = 7;
        gunStepDivider = 1;
        batPosition = 200 + shot;
        Frame(false);
    }
    EXPECT_EQ(curCartouche, 1);
    EXPECT_FLOAT_EQ(bullet[0].x, 210 + 27);
    EXPECT_FLOAT_EQ(bullet[1].x, 201 + 27);
}

TEST_F(GunTest, BulletFliesUpAndLeavesAtTheTop) {
    bullet[3] = Bullet{300, 20, -16, true};
    MainGame_CalculateBullets();
    EXPECT_FLOAT_EQ(bullet[3].y, 4);
    EXPECT_TRUE(bullet[3].active);
    MainGame_CalculateBullets();
    EXPECT_FALSE(bullet[3].active);
}

TEST_F(GunTest, BulletKicksEveryBallItIsInside) {
    Ball &a = fixture::PutBall(0, 290, 180, 1, 2);
    Ball &evil = fixture::PutBall(4, 285, 175, 0, -1, BALL_EVIL);
    Ball &away = fixture::PutBall(6, 400, 180, 1, 2);
    bullet[0] = Bullet{300, 210, -16, true};   // at (300, 194) after its move
    MainGame_CalculateBullets();
    EXPECT_FALSE(bullet[0].active);
    EXPECT_FLOAT_EQ(a.vy, 0);
    EXPECT_FLOAT_EQ(evil.vy, -3);
    EXPECT_TRUE(evil.interfere);
    EXPECT_EQ(evil.interfereTimer, 16);
    EXPECT_FALSE(a.interfere);
    EXPECT_FLOAT_EQ(away.vy, 2);
}

TEST_F(GunTest, BulletPointInsideABallIsHalfOpen) {
    struct Case {
        float x, y;
        bool kicked;
    };
    // ball at (290, 180), 20 x 20; the bullet moves 16 up before the test
    const Case cases[] = {{290, 196, true}, {309.9f, 215.9f, true}, {310, 200, false}, {300, 216, false},
                          {289.9f, 200, false}};
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.x << ", " << k.y);
        Ball &ball = fixture::PutBall(0, 290, 180, 1, 2);
        bullet[0] = Bullet{k.x, k.y, -16, true};
        MainGame_CalculateBullets();
        EXPECT_EQ(ball.vy == 0, k.kicked);
    }
}

TEST_F(GunTest, CasingsFallBounceOffTheSidesAndLeaveAtTheBottom) {
    struct Case {
        float x, vx;
        float endX, endVx;
    };
    const Case cases[] = {{173, -5, 170, 5}, {770, 4, 774, -4}, {400, -3, 397, -3}};
    for (const Case &k : cases) {
        SCOPED_TRACE(k.x);
        cartouche[2] = Casing{k.x, 300, k.vx, -3, true};
        MainGame_CalculateBullets();
        EXPECT_FLOAT_EQ(cartouche[2].x, k.endX);
        EXPECT_FLOAT_EQ(cartouche[2].vx, k.endVx);
        EXPECT_FLOAT_EQ(cartouche[2].y, 297);
        EXPECT_FLOAT_EQ(cartouche[2].vy, -2.6f);
    }
    cartouche[2] = Casing{400, 597, 0, 2, true};
    MainGame_CalculateBullets();
    EXPECT_FALSE(cartouche[2].active);
}

TEST_F(GunTest, BatHitStopsTheShootingAnimation) {
    Frame(true);
    for (int i = 0; i < 6; i++)
        Frame(false);
    ASSERT_GE(gunShootX, 0);
    gGravity = 0;
    Ball &b = fixture::PutBall(0, 420, 455, 0, 1);
    b.speed = 3;
    MainGame_CalculateBalls();
    EXPECT_FLOAT_EQ(b.vy, -3);
    EXPECT_EQ(gunShootX, -1);
    EXPECT_EQ(gunShootFrame, 0);
}

} // namespace
