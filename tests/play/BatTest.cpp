// Bat steering: the damped approach to the pointer, its bounds per bat kind, the rope
// and wheel it turns, the frozen bat, the arrow-key nudge, the attract run's target and
// the monkeys' animation loops.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/KInput.h"
#include "shell/Startup.h"
#include "tests/play/PlayFixtures.h"

namespace {

class Bat : public ::testing::Test {
protected:
    void SetUp() override { fixture::ResetGame(); }
};

TEST_F(Bat, ApproachesThePointerByTwoFifthsAndTurnsRopeAndWheel) {
    batPosition = 300;
    const float moves[] = {40, 24, 14.4f};
    float rope = 0, wheel = 0;
    for (float move : moves) {
        const float before = batPosition;
        MainGame_SteerBat(400);
        EXPECT_NEAR(batPosition - before, move, 1e-4);
        rope = std::fmod(rope + move, 88.0f);
        wheel += 1;   // step / 2.2 is at least 1: one wheel frame per frame
        EXPECT_NEAR(ropeIndex, rope, 1e-4);
        EXPECT_NEAR(singeAnim, wheel, 1e-4);
    }
    batPosition = 300;
    MainGame_SteerBat(1300);   // pulled at most 400 pixels: 160 in the frame
    EXPECT_FLOAT_EQ(batPosition, 460);
    const float rope2 = ropeIndex, wheel2 = singeAnim;
    MainGame_SteerBat(static_cast<int>(batPosition));   // on target: nothing moves
    EXPECT_FLOAT_EQ(ropeIndex, rope2);
    EXPECT_FLOAT_EQ(singeAnim, wheel2);
}

TEST_F(Bat, StopsAtTheBoundsOfEachBatKindWithoutTurning) {
    struct Case {
        EBatKind kind;
        float left, right;
    } cases[] = {
        {BAT_SMALL, 159, 733}, {BAT_MEDIUM, 162, 730}, {BAT_LARGE, 167, 725}, {BAT_GUN, 162, 730}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        curBat = c.kind;
        batPosition = 200;
        ropeIndex = 10;
        singeAnim = 5;
        MainGame_SteerBat(-500);
        EXPECT_FLOAT_EQ(batPosition, c.left);
        EXPECT_FLOAT_EQ(ropeIndex, 10);
        EXPECT_FLOAT_EQ(singeAnim, 5);
        batPosition = 700;
        MainGame_SteerBat(1500);
        EXPECT_FLOAT_EQ(batPosition, c.right);
        EXPECT_FLOAT_EQ(ropeIndex, 10);
    }
}

TEST_F(Bat, RopeAndWheelWrapAround) {
    struct Case {
        float rope, wheel;
        float start;
        int target;   // a move of (target - start) times 2/5
        float wantRope, wantWheel;
    } cases[] = {
        {87.5f, 3, 400.5f, 403, 0.5f, 3 + 0.5f / 2.2f},
        {0.2f, 3, 400.5f, 398, 87.2f, 3 - 0.5f / 2.2f},
        {40, 24.5f, 400, 420, 48, 0.5f},
        {40, 0.5f, 400, 380, 32, 24.5f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rope);
        batPosition = c.start;
        ropeIndex = c.rope;
        singeAnim = c.wheel;
        MainGame_SteerBat(c.target);
        EXPECT_NEAR(ropeIndex, c.wantRope, 1e-4);
        EXPECT_NEAR(singeAnim, c.wantWheel, 1e-4);
    }
}

TEST_F(Bat, FrozenBatStandsStillForFiftyFrames) {
    Headless::setMouse(700, 300);
    playerInfo.batFrozen = true;
    playerInfo.batFrozenTimer = 100;
    batPosition = 400.6f;
    int still = 0;
    while (playerInfo.batFrozen && still < 200) {
        Player_UpdateStatus(false);
        MainGame_SteerBat(MainGame_BatTarget());
        if (playerInfo.batFrozen) {
            EXPECT_NEAR(batPosition, 400.6f, 0.61f);   // pulled onto its own whole pixel
        }
        still++;
    }
    EXPECT_EQ(still, 50);
    const float before = batPosition;
    MainGame_SteerBat(MainGame_BatTarget());
    EXPECT_GT(batPosition, before + 100);
}

TEST_F(Bat, ArrowKeysAndPadNudgeThePointer) {
    Headless::setMouse(300, 200);
    Headless::setKey(KEY_RIGHT, true);
    EXPECT_EQ(MainGame_BatTarget(), 308);
    EXPECT_EQ(MainGame_BatTarget(), 316);
    Headless::setKey(KEY_LEFT, true);   // both held: the pointer stays
    EXPECT_EQ(MainGame_BatTarget(), 316);
    Headless::setKey(KEY_RIGHT, false);
    EXPECT_EQ(MainGame_BatTarget(), 308);
    EXPECT_EQ(KInput::getMouseY(), 200);
    Headless::setKey(KEY_LEFT, false);

    // the pad counts only while the game uses one
    Headless::addPad(Headless::PadDevice{});
    KInput::initInput(nullptr);
    ASSERT_TRUE(KInput::joyEnable(0));
    Headless::setPadAxis(0, 0, 255);
    isGamePad = false;
    EXPECT_EQ(MainGame_BatTarget(), 308);
    isGamePad = true;
    EXPECT_EQ(MainGame_BatTarget(), 316);
    Headless::setPadAxis(0, 0, 0);
    EXPECT_EQ(MainGame_BatTarget(), 308);
    KInput::joyDisable(0);
    isGamePad = false;
}

TEST_F(Bat, AttractRunFollowsTheBallNearestAboveTheBatLine) {
    gSelfRunningDemo = true;
    InitTheBalls();
    EXPECT_EQ(allBalls[0].type, BALL_HELD);
    MainGame_AutoPlay();
    EXPECT_EQ(allBalls[0].type, BALL_NORMAL);   // launched at once
    EXPECT_FLOAT_EQ(allBalls[0].vx, 0.4f);
    EXPECT_FLOAT_EQ(allBalls[0].vy, -1.0f);
    EXPECT_FALSE(playerInfo.heavyBalls);

    fixture::PutBall(0, 250, 100, 1, 1);
    fixture::PutBall(3, 500, 400, 1, 1);          // nearest above the line
    fixture::PutBall(4, 600, 468, 1, 1);          // 3 below: still counts, and nearer
    fixture::PutBall(5, 650, 480, 1, 1);          // too far below
    autoPlayPhase = 0;
    const int target = MainGame_AutoPlay();
    EXPECT_EQ(target, static_cast<int>(600 + 16 * std::cos(0.09) - 10));

    // the wobble: +-16 around the ball, one turn in about 70 frames
    allBalls[4].active = false;
    allBalls[5].active = false;
    int lo = 10000, hi = -10000;
    for (int i = 0; i < 70; i++) {
        const int t = MainGame_AutoPlay();
        lo = std::min(lo, t);
        hi = std::max(hi, t);
    }
    EXPECT_EQ(lo, 500 - 16 - 10);
    EXPECT_GE(hi, 500 + 15 - 10);
}

TEST_F(Bat, MonkeysHoldEachFrameFiveFramesAndFallBackToIdle) {
    monkeys.frame = 45;
    monkeys.lastFrame = 54;
    monkeyTick = 0;
    int frames = 0;
    while (monkeys.frame != 0 && frames < 1000) {
        MainGame_AnimateLoops();
        frames++;
    }
    EXPECT_EQ(frames, 50);   // frames 45..54, five each
    EXPECT_EQ(monkeys.lastFrame, 35);
}

} // namespace
