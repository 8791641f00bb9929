// Bonus capsules from release to catch: every kind's picture, mood, effect, sound and
// caption; the bat-size rules; the kinds that give a ball at once; the random kind;
// the caption's slide; and the reset at each start.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/bonus/BonusFixtures.h"

using namespace bonustest;
using Effects = std::vector<std::string>;

namespace {

const int kBrick = 5;
const float kBrickLeft = 300, kBrickTop = 100;   // centre offsets 20, 10

class BonusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GameSounds::Load(); }
    void SetUp() override {
        ASSERT_TRUE(GameSounds::Loaded()) << "build the data target first";
        fixture::ResetGame();
        playerInfo.lives = 3;
        Bonus_ResetBonus();
    }
    // Releases kind from the brick and returns its capsule slot.
    BonusCapsule &Release(int kind) {
        BrickWithBonus(kBrick, kBrickLeft, kBrickTop, kind);
        Bonus_SetActiveBonus(kBrick, static_cast<short>(kind));
        return allBonuses[kBrick];
    }
    // Puts the capsule just above the monkeys' heads and runs one capsule step.
    Effects Catch(BonusCapsule &c) {
        batPosition = c.x;
        c.y = 455;
        return EffectsOf(Bonus_AnimateBonus);
    }
    int ActiveBalls() {
        int n = 0;
        for (const Ball &b : allBalls)
            n += b.active;
        return n;
    }
};

enum Mood { NONE, SULK, CHEER };

struct CapsuleCase {
    int kind;
    int srcX, srcY;
    Mood mood;
    const char *sound;
    int caption;   // -1: none
    std::function<void()> before;
    std::function<void()> check;
};

TEST_F(BonusTest, EveryCapsuleKindHasItsPictureMoodEffectSoundAndCaption) {
    Ball *ball = nullptr;
    const std::vector<CapsuleCase> cases = {
        {BONUS_FLOAT, 290, 231, CHEER, "fruit_3.ogg", 84, [] { playerInfo.heavyBalls = true; },
         [] {
             EXPECT_TRUE(playerInfo.lightBalls);
             EXPECT_EQ(playerInfo.lightBallsTimer, 450);
             EXPECT_FALSE(playerInfo.heavyBalls);
         }},
        {BONUS_SLOW, 290, 21, NONE, "fruit_3.ogg", 28, [&] { ball = &fixture::PutBall(2, 400, 300, 3, -3); },
         [&] {
             EXPECT_FLOAT_EQ(ball->vx, 2);
             EXPECT_FLOAT_EQ(ball->vy, -2);
         }},
        {BONUS_LIFE, 290, 0, CHEER, "extralife.ogg", 308, nullptr, [] { EXPECT_EQ(playerInfo.lives, 4); }},
        {BONUS_EXPLODE, 290, 63, CHEER, "fruit_3.ogg", -1, nullptr, [] { EXPECT_TRUE(playerInfo.explodeAll); }},
        {BONUS_BAT_SMALL, 326, 189, SULK, "lower.ogg", 168, nullptr, [] { EXPECT_EQ(curBat, BAT_SMALL); }},
        {BONUS_BAT_MEDIUM, 290, 84, NONE, "fruit_3.ogg", 140, [] { curBat = BAT_GUN; },
         [] { EXPECT_EQ(curBat, BAT_MEDIUM); }},
        {BONUS_BAT_LARGE, 290, 147, NONE, "larger.ogg", 112, nullptr, [] { EXPECT_EQ(curBat, BAT_LARGE); }},
        {BONUS_GUN, 290, 42, CHEER, "fruit_3.ogg", 196, nullptr, [] { EXPECT_EQ(curBat, BAT_GUN); }},
        {BONUS_FAST, 326, 21, NONE, "fruit_3.ogg", 0, [&] { ball = &fixture::PutBall(2, 400, 300, 3, -3); },
         [&] {
             EXPECT_FLOAT_EQ(ball->vx, 4.5f);
             EXPECT_FLOAT_EQ(ball->vy, -4.5f);
         }},
        {BONUS_GRAVITY, 326, 105, SULK, "fruit_3.ogg", 56, [] { playerInfo.lightBalls = true; },
         [] {
             EXPECT_TRUE(playerInfo.heavyBalls);
             EXPECT_EQ(playerInfo.heavyBallsTimer, 450);
             EXPECT_FALSE(playerInfo.lightBalls);
         }},
        {BONUS_FREEZE, 326, 126, NONE, "fruit_3.ogg", 280, nullptr,
         [] {
             EXPECT_TRUE(playerInfo.batFrozen);
             EXPECT_EQ(playerInfo.batFrozenTimer, 100);
         }},
        {BONUS_SHRINK, 326, 84, NONE, "lower.ogg", 252, nullptr, [] { EXPECT_EQ(curBat, BAT_SMALL); }},
        {BONUS_GROW, 290, 210, NONE, "larger.ogg", 224, nullptr, [] { EXPECT_EQ(curBat, BAT_LARGE); }},
        {BONUS_INVADERS, 326, 168, SULK, "spaceinv.ogg", -1, nullptr,
         [] {
             EXPECT_TRUE(playerInfo.spaceInvaders);
             EXPECT_EQ(playerInfo.spaceInvadersTimer, 50);
         }},
    };
    for (const CapsuleCase &k : cases) {
        // a mood-less capsule must leave either mood alone
        for (bool moodBefore : {false, true}) {
            if (k.mood != NONE && moodBefore == (k.mood == CHEER))
                continue;
            SCOPED_TRACE("kind " + std::to_string(k.kind) + (moodBefore ? " cheering" : " sulking"));
            SetUp();
            if (k.before)
                k.before();
            gWinLose = moodBefore;
            BonusCapsule &c = Release(k.kind);
            ASSERT_TRUE(c.active);
            EXPECT_EQ(c.kind, k.kind);
            EXPECT_EQ(c.srcX, k.srcX);
            EXPECT_EQ(c.srcY, k.srcY);
            EXPECT_FLOAT_EQ(c.x, kBrickLeft + 20 - 16);
            EXPECT_FLOAT_EQ(c.y, kBrickTop + 10 - 16);
            EXPECT_EQ(gWinLose, k.mood == NONE ? moodBefore : k.mood == CHEER);

            EXPECT_EQ(Catch(c), Effects{k.sound});
            EXPECT_FALSE(c.active);
            k.check();
            EXPECT_EQ(Tooltipactive, k.caption >= 0);
            EXPECT_EQ(tooltipsourceY, k.caption);
        }
    }
}

TEST_F(BonusTest, BatSizeBonusesFromEveryBat) {
    struct Case {
        int kind, from, to;
    };
    const Case cases[] = {
        {BONUS_GROW, BAT_SMALL, BAT_MEDIUM}, {BONUS_GROW, BAT_LARGE, BAT_LARGE}, {BONUS_GROW, BAT_GUN, BAT_LARGE},
        {BONUS_SHRINK, BAT_SMALL, BAT_SMALL}, {BONUS_SHRINK, BAT_LARGE, BAT_MEDIUM}, {BONUS_SHRINK, BAT_GUN, BAT_LARGE},
        {BONUS_BAT_SMALL, BAT_GUN, BAT_SMALL}, {BONUS_GUN, BAT_SMALL, BAT_GUN},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE("kind " + std::to_string(k.kind) + " from bat " + std::to_string(k.from));
        curBat = static_cast<int16_t>(k.from);
        Bonus_MonkeyGotBonus(static_cast<short>(k.kind), 0, 0);
        EXPECT_EQ(curBat, k.to);
    }
}

TEST_F(BonusTest, ExtraBallKindsGiveTheirBallAtTheBrickAtOnce) {
    struct Case {
        int kind;
        EballType type;
    };
    for (const Case &k : {Case{BONUS_EXTRA_BALL, BALL_NORMAL}, Case{BONUS_EVIL_BALL, BALL_EVIL}}) {
        SCOPED_TRACE(k.kind);
        SetUp();
        BrickWithBonus(kBrick, 300.6f, 100.9f, k.kind);
        Bonus_DisplayCaption(BONUS_LIFE + 1);
        const Effects played = EffectsOf([&] { Level_BreakBrick(kBrick); });
        EXPECT_FALSE(allBonuses[kBrick].active);
        // no ball was in play: the new one goes into slot 0, at the brick's left + 8, top + 8
        ASSERT_TRUE(allBalls[0].active);
        EXPECT_EQ(allBalls[0].type, k.type);
        EXPECT_FLOAT_EQ(allBalls[0].x, 308);
        EXPECT_FLOAT_EQ(allBalls[0].y, 108);
        EXPECT_EQ(ActiveBalls(), 1);
        ASSERT_FALSE(played.empty());
        EXPECT_EQ(played.front().rfind("monkey", 0), 0u) << played.front();
        // a kind without a caption takes away the one showing
        EXPECT_FALSE(Tooltipactive);
    }
}

TEST_F(BonusTest, ExtraBallWithTenBallsInPlayDoesNothing) {
    for (int i = 0; i < MAX_BALLS; i++)
        fixture::PutBall(i, 200 + 40 * i, 300, 1, -1);
    const Ball before = allBalls[0];
    BrickWithBonus(kBrick, kBrickLeft, kBrickTop, BONUS_EXTRA_BALL);
    const Effects played = EffectsOf([] { Bonus_SetActiveBonus(kBrick, BONUS_EXTRA_BALL); });
    EXPECT_TRUE(played.empty());
    EXPECT_EQ(ActiveBalls(), MAX_BALLS);
    EXPECT_FLOAT_EQ(allBalls[0].x, before.x);
    EXPECT_FALSE(allBonuses[kBrick].active);
}

// A generator state whose next draw mod 15 picks entry `index` of the random table.
uint32_t StateDrawing(int index) {
    for (uint32_t s = 1;; s++) {
        KRandom::setState(s);
        if (KRandom::rand() % RANDOM_BONUS_USED == index)
            return s;
    }
}

TEST_F(BonusTest, RandomKindBecomesWhatItDraws) {
    struct Case {
        int index;
        int kind;
        bool capsule;
    };
    // entries 0 (slow), 8 (evil ball, at once), 7 and 14 (kinds that give nothing)
    const Case cases[] = {{0, BONUS_SLOW, true}, {8, BONUS_EVIL_BALL, false}, {7, 9, false}, {14, 11, false},
                          {13, BONUS_GRAVITY, true}};
    for (const Case &k : cases) {
        SCOPED_TRACE("entry " + std::to_string(k.index));
        SetUp();
        ASSERT_EQ(bonustable_for_random[k.index], k.kind);
        BrickWithBonus(kBrick, kBrickLeft, kBrickTop, BONUS_RANDOM);
        KRandom::setState(StateDrawing(k.index));
        Bonus_SetActiveBonus(kBrick, BONUS_RANDOM);
        const BonusCapsule &c = allBonuses[kBrick];
        EXPECT_EQ(c.active, k.capsule);
        if (k.capsule) {
            EXPECT_EQ(c.kind, k.kind);
        }
        EXPECT_EQ(ActiveBalls(), k.kind == BONUS_EVIL_BALL ? 1 : 0);
        if (k.kind == BONUS_EVIL_BALL) {
            EXPECT_EQ(allBalls[0].type, BALL_EVIL);
            EXPECT_FLOAT_EQ(allBalls[0].x, kBrickLeft + 8);
            EXPECT_FLOAT_EQ(allBalls[0].y, kBrickTop + 8);
        }
    }
}

TEST_F(BonusTest, KindsWithoutARowReleaseNothingAndDoNothing) {
    for (int kind : {0, 9, 11, 12, 17, 18, 19, 24, 300}) {
        SCOPED_TRACE(kind);
        SetUp();
        const int16_t bat = curBat;
        const PlayerInfo before = playerInfo;
        gWinLose = false;
        BonusCapsule &c = Release(kind);
        EXPECT_FALSE(c.active);
        EXPECT_TRUE(EffectsOf([&] { Bonus_MonkeyGotBonus(static_cast<short>(kind), 0, 0); }).empty());
        EXPECT_EQ(curBat, bat);
        EXPECT_EQ(playerInfo.lives, before.lives);
        EXPECT_FALSE(gWinLose);
        EXPECT_FALSE(Tooltipactive);
        EXPECT_EQ(ActiveBalls(), 0);
    }
}

TEST_F(BonusTest, CapsuleFallsAtItsSpeedAndIsLostAtTheBottom) {
    BonusCapsule &c = Release(BONUS_LIFE);
    c.fallSpeed = 3;
    batPosition = 700;   // far from the capsule's x
    const float start = c.y;
    Bonus_AnimateBonus();
    EXPECT_FLOAT_EQ(c.y, start + 3);
    c.y = 596.5f;
    Bonus_AnimateBonus();
    EXPECT_TRUE(c.active);   // at 599.5
    Bonus_AnimateBonus();
    EXPECT_FALSE(c.active);
    EXPECT_EQ(playerInfo.lives, 3);
    EXPECT_FALSE(Tooltipactive);
}

TEST_F(BonusTest, CatchZoneIsTheMonkeysHeads) {
    struct Case {
        float x, y;
        bool caught;
    };
    // medium bat (71 wide) at 400; a capsule's catch reaches 10 below its top
    const Case cases[] = {
        {370, 500, true},  {369.9f, 500, false}, {471, 500, true},  {471.1f, 500, false},
        {420, 455, true},  {420, 454.9f, false}, {420, 545, true},  {420, 545.1f, false},
    };
    batPosition = 400;
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.x << ", " << k.y);
        EXPECT_EQ(Bonus_InCatchZone(k.x, k.y, 10), k.caught);
    }
    EXPECT_TRUE(Bonus_InCatchZone(420, 445, 20));   // fruit reaches 20 below its top
}

// Runs caption steps until it is hidden; returns the frames it spent at y 572.
int FramesAtTheTop() {
    int top = 0;
    for (int frame = 0; frame < 1000 && Tooltipactive; frame++) {
        Bonus_AnimateBonus();
        top += tooltipY == 572;
    }
    return top;
}

TEST_F(BonusTest, CaptionRisesStaysAndSinks) {
    Bonus_DisplayCaption(BONUS_GUN + 1);
    ASSERT_TRUE(Tooltipactive);
    EXPECT_EQ(tooltipY, 600);
    for (int frame = 1; frame <= 14; frame++) {
        Bonus_AnimateBonus();
        EXPECT_EQ(tooltipY, 600 - 2 * frame);
    }
    EXPECT_EQ(FramesAtTheTop(), 200);   // after the frame that reached it
    EXPECT_FALSE(Tooltipactive);
    EXPECT_EQ(tooltipY, 600);
    EXPECT_EQ(timertooltip, 0);
}

TEST_F(BonusTest, CaptionInterruptedWhileSinkingRisesFromItsHeight) {
    Bonus_DisplayCaption(BONUS_GUN + 1);
    while (!(tooltipY == 590 && timertooltip > 200))
        Bonus_AnimateBonus();
    Bonus_DisplayCaption(BONUS_FREEZE + 1);
    EXPECT_EQ(tooltipsourceY, 280);
    EXPECT_EQ(timertooltip, 0);
    EXPECT_EQ(tooltipY, 590);
    Bonus_AnimateBonus();
    EXPECT_EQ(tooltipY, 588);
    for (int i = 0; i < 8; i++)
        Bonus_AnimateBonus();
    EXPECT_EQ(tooltipY, 572);
    EXPECT_EQ(FramesAtTheTop(), 200);
}

TEST_F(BonusTest, ResetClearsCapsulesAndCaptionAndDrawsFallSpeeds) {
    BrickWithBonus(7, 200, 50, BONUS_LIFE);
    Release(BONUS_GUN);
    Bonus_DisplayCaption(BONUS_GUN + 1);
    Bonus_AnimateBonus();
    Bonus_ResetBonus();
    EXPECT_FALSE(Tooltipactive);
    EXPECT_EQ(tooltipY, 600);
    EXPECT_EQ(tooltipsourceY, -1);
    bool seen[4] = {};
    for (const BonusCapsule &c : allBonuses) {
        EXPECT_FALSE(c.active);
        ASSERT_GE(c.fallSpeed, 1);
        ASSERT_LE(c.fallSpeed, 3);
        seen[static_cast<int>(c.fallSpeed)] = true;
    }
    EXPECT_TRUE(seen[1] && seen[2] && seen[3]);
    EXPECT_FLOAT_EQ(allBonuses[7].x, 200 + 20 - 16);
    EXPECT_FLOAT_EQ(allBonuses[7].y, 50 + 10 - 16);
}

} // namespace
