// Balls against bricks: which brick a ball hits, how it bounces, how much damage each
// strength class takes, what breaking does, and the rescue of a stuck ball.
#include <gtest/gtest.h>

#include "tests/play/PlayFixtures.h"

namespace {

class Collision : public ::testing::Test {
protected:
    void SetUp() override { fixture::ResetGame(); }
};

TEST_F(Collision, LowestOverlappingIndexIsHitAlone) {
    fixture::PutBrick(12, 300, 100, 340, 120, 5);
    fixture::PutBrick(7, 310, 100, 350, 120, 5);
    fixture::PutBrick(3, 600, 100, 640, 120, 5);   // not touched
    fixture::PutBall(0, 320, 115, 1, -2);
    Level_CalculateBallCollisionsOnbricks();
    EXPECT_EQ(WallOfBricks[7].hits, 1);
    EXPECT_EQ(WallOfBricks[12].hits, 0);
    EXPECT_EQ(WallOfBricks[3].hits, 0);
}

TEST_F(Collision, EdgesTouchingCountAsOverlap) {
    fixture::PutBrick(0, 300, 100, 340, 120, 5);
    fixture::PutBall(0, 280, 80, 1, 1);   // right and bottom edges exactly on the brick's corner
    Level_CalculateBallCollisionsOnbricks();
    EXPECT_EQ(WallOfBricks[0].hits, 1);
    fixture::PutBall(0, 279.9f, 80, 1, 1);
    Level_CalculateBallCollisionsOnbricks();
    EXPECT_EQ(WallOfBricks[0].hits, 1);
}

TEST_F(Collision, BounceIsDecidedByTheBallCentre) {
    struct Case {
        const char *what;
        float x, y, vx, vy;
        float wantX, wantY, wantVx, wantVy;
    } cases[] = {
        // brick 300..340 x 100..120; ball 20 x 20, centre offset 10
        {"left side", 285, 100, 2, -1, 280, 100, -2, -1},
        {"right side", 335, 100, -2, -1, 340, 100, 2, -1},
        {"centre on the top edge", 310, 90, 1, 2, 310, 80, 1, -2},
        {"from above", 310, 85, -1, 2, 310, 80, -1, -2},
        {"from below", 310, 115, 1, -3, 310, 120, 1, 3},
        {"centre exactly on the left edge, in the side band", 290, 101, 3, 1, 280, 101, -3, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fixture::ResetGame();
        fixture::PutBrick(0, 300, 100, 340, 120, 50);
        Ball &b = fixture::PutBall(0, c.x, c.y, c.vx, c.vy);
        Level_BrickCollided_ChangeBallDirection(0, 0);
        EXPECT_FLOAT_EQ(b.x, c.wantX);
        EXPECT_FLOAT_EQ(b.y, c.wantY);
        EXPECT_FLOAT_EQ(b.vx, c.wantVx);
        EXPECT_FLOAT_EQ(b.vy, c.wantVy);
    }
}

TEST_F(Collision, DamageByStrengthClassAndBallKind) {
    struct Case {
        const char *what;
        int strength;
        EballType type;
        int contacts;
        int wantHits;
        bool wantBroken;
    } cases[] = {
        {"strength 0 breaks at once", 0, BALL_NORMAL, 1, 1, true},
        {"negative strength breaks at once", -4, BALL_NORMAL, 1, 1, true},
        {"strength 3, two hits", 3, BALL_NORMAL, 2, 2, false},
        {"strength 3, three hits", 3, BALL_NORMAL, 3, 3, true},
        {"evil ball breaks strength 1", 1, BALL_EVIL, 1, 2, true},
        {"evil ball, strength 3, first contact", 3, BALL_EVIL, 1, 2, false},
        {"evil ball, strength 3, second contact", 3, BALL_EVIL, 2, 4, true},
        {"strength 998 takes damage", 998, BALL_EVIL, 5, 10, false},
        {"strength 999 never", 999, BALL_EVIL, 20, 0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fixture::ResetGame();
        Brick &brick = fixture::PutBrick(0, 300, 100, 340, 120, c.strength);
        fixture::PutBall(0, 310, 85, 0, 2, c.type);
        for (int i = 0; i < c.contacts && brick.visible; i++)
            Level_BrickCollided_ChangeBallDirection(0, 0);
        EXPECT_EQ(brick.hits, c.wantHits);
        EXPECT_EQ(brick.visible == 0, c.wantBroken);
        EXPECT_EQ(playerInfo.score, c.wantBroken ? 5 : 0);
    }
}

TEST_F(Collision, BreakingStartsTheExplosionAndScores) {
    Brick &brick = fixture::PutBrick(9, 300, 100, 340, 120, 1);
    brick.explodeSrcX = 40;
    brick.explodeSrcY = 50;
    inactivityTimer = 1234;
    playerInfo.score = 100;
    Level_BreakBrick(9);
    EXPECT_EQ(brick.visible, 0);
    EXPECT_EQ(brick.explodeTick, 1);
    EXPECT_EQ(brick.explodeSrcX, 0);
    EXPECT_EQ(brick.explodeSrcY, 0);
    EXPECT_EQ(playerInfo.score, 105);
    EXPECT_EQ(inactivityTimer, 0);
    EXPECT_FALSE(Level_IsLevelFinished());   // the explosion holds the level back
}

TEST_F(Collision, HeldBallHitsBricksLikeAnyOther) {
    InitTheBalls();
    Ball &held = allBalls[0];
    fixture::PutBrick(0, held.x, held.y + 5, held.x + 30, held.y + 15, 5);
    Level_CalculateBallCollisionsOnbricks();
    EXPECT_EQ(WallOfBricks[0].hits, 1);
}

TEST_F(Collision, StuckBallsAreRescuedAfter1800Frames) {
    for (int frame = 1; frame <= 1800; frame++)
        Level_CalculateBallCollisionsOnbricks();
    EXPECT_FALSE(playerInfo.heavyBalls);
    EXPECT_EQ(inactivityTimer, 1800);
    Level_CalculateBallCollisionsOnbricks();
    EXPECT_TRUE(playerInfo.heavyBalls);
    EXPECT_GE(playerInfo.heavyBallsTimer, 200);
    EXPECT_LT(playerInfo.heavyBallsTimer, 400);
    EXPECT_EQ(inactivityTimer, 0);

    // a broken brick starts the count again
    for (int frame = 0; frame < 1000; frame++)
        Level_CalculateBallCollisionsOnbricks();
    fixture::PutBrick(0, 300, 100, 340, 120, 1);
    Level_BreakBrick(0);
    for (int frame = 0; frame < 1800; frame++)
        Level_CalculateBallCollisionsOnbricks();
    EXPECT_EQ(inactivityTimer, 1800);
}

} // namespace
