// The demo text format (frames, run-length repeats, keys and pad by name, header checks
// with line numbers) and the state hash's reach over the simulation's tables.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/KRandom.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Bonus.h"
#include "play/Gun.h"
#include "play/Player.h"
#include "tools/demo/DemoFile.h"
#include "tools/demo/DemoState.h"

namespace {

DemoFrame Frame(int x, bool button, std::initializer_list<int> keys = {}) {
    DemoFrame f;
    f.x = x;
    f.y = 450;
    f.button = button;
    for (int k : keys)
        f.keys.set(k);
    return f;
}

std::string Header(int frames) {
    return "level 2\nrandom 77\nframes " + std::to_string(frames) + "\n";
}

bool ParseFails(const std::string &text, const std::string &reason) {
    DemoFile d;
    std::string error;
    if (Demo_Parse(text, &d, &error))
        return false;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    return true;
}

TEST(DemoFormat, FramesRoundTripWithRepeatsFolded) {
    DemoFile demo;
    demo.level = 9;
    demo.randomState = 0xFFFFFFFFu;
    for (int i = 0; i < 5; i++)
        demo.frames.push_back(Frame(300, false));
    demo.frames.push_back(Frame(310, true, {KEY_SPACE, KEY_LEFT}));
    DemoFrame pad = Frame(310, false, {KEY_9, KEY_ESCAPE});
    pad.padAxis = -1;
    pad.padButtons = 0x9;
    demo.frames.push_back(pad);
    demo.frames.push_back(pad);
    demo.frames.push_back(Frame(300, false));

    const std::string text = Demo_Format(demo);
    EXPECT_NE(text.find("300 450 0 - -\nrepeat 4\n"), std::string::npos) << text;
    EXPECT_NE(text.find("310 450 1 LEFT,SPACE -\n"), std::string::npos) << text;
    EXPECT_NE(text.find("310 450 0 ESCAPE,9 left+b0+b3\nrepeat 1\n"), std::string::npos) << text;

    DemoFile back;
    std::string error;
    ASSERT_TRUE(Demo_Parse(text, &back, &error)) << error;
    EXPECT_EQ(back.level, 9);
    EXPECT_EQ(back.randomState, 0xFFFFFFFFu);
    ASSERT_EQ(back.frames.size(), demo.frames.size());
    for (size_t i = 0; i < demo.frames.size(); i++)
        EXPECT_TRUE(back.frames[i] == demo.frames[i]) << "frame " << i;
}

TEST(DemoFormat, KeysGoByNameOrByNumber) {
    for (int k = 0; k < KEY_COUNT; k++)
        EXPECT_EQ(Demo_KeyByName(Demo_KeyName(k)), k) << Demo_KeyName(k);
    EXPECT_EQ(Demo_KeyByName("#24"), KEY_ESCAPE);
    EXPECT_EQ(Demo_KeyByName("0"), KEY_0);   // a digit key, not key number 0
    EXPECT_EQ(Demo_KeyByName("#93"), -1);
    EXPECT_EQ(Demo_KeyByName("space"), -1);
    EXPECT_STREQ(Demo_KeyName(KEY_COUNT), "");

    DemoFrame f;
    std::string error;
    ASSERT_TRUE(Demo_ParseFrame("12 -3 1 #4,UP right+b2", &f, &error)) << error;
    EXPECT_EQ(f.x, 12);
    EXPECT_EQ(f.y, -3);
    EXPECT_TRUE(f.button);
    EXPECT_TRUE(f.keys[KEY_SPACE] && f.keys[KEY_UP]);
    EXPECT_EQ(f.keys.count(), 2u);
    EXPECT_EQ(f.padAxis, 1);
    EXPECT_EQ(f.padButtons, 0x4);
}

TEST(DemoFormat, BadFramesAreRefusedWithTheReason) {
    DemoFrame f;
    std::string error;
    EXPECT_FALSE(Demo_ParseFrame("1 2 0 - ", &f, &error));
    EXPECT_FALSE(Demo_ParseFrame("1 2 0 - - extra", &f, &error));
    EXPECT_FALSE(Demo_ParseFrame("1x 2 0 - -", &f, &error));
    EXPECT_FALSE(Demo_ParseFrame("1 2 2 - -", &f, &error));
    EXPECT_FALSE(Demo_ParseFrame("1 2 0 SPACE,JUMP -", &f, &error));
    EXPECT_NE(error.find("JUMP"), std::string::npos);
    EXPECT_FALSE(Demo_ParseFrame("1 2 0 - left+right", &f, &error));
    EXPECT_FALSE(Demo_ParseFrame("1 2 0 - b4", &f, &error));
    EXPECT_FALSE(Demo_ParseFrame("1 2 0 - up", &f, &error));
}

TEST(DemoFormat, TheHeaderAndTheFrameCountMustAgree) {
    const std::string frame = "400 450 0 - -\n";
    EXPECT_TRUE(ParseFails(frame, "header"));
    EXPECT_TRUE(ParseFails("frames 2\nlevel 1\nrandom 1\n" + frame + frame, "before \"frames\""));
    EXPECT_TRUE(ParseFails(Header(3) + frame + frame, "the header says 3 frames, the file holds 2"));
    EXPECT_TRUE(ParseFails(Header(1) + frame + frame, "line 5: more frames"));
    EXPECT_TRUE(ParseFails(Header(4) + "repeat 2\n" + frame, "nothing to repeat"));
    EXPECT_TRUE(ParseFails(Header(4) + frame + "repeat 4\n", "past the frame count"));
    EXPECT_TRUE(ParseFails(Header(2) + frame + "level 3\n" + frame, "after the frame count"));
    EXPECT_TRUE(ParseFails("level 0\nrandom 1\nframes 1\n" + frame, "count from 1"));
    EXPECT_TRUE(ParseFails("level 1\nrandom 4294967296\nframes 1\n" + frame, "32 bits"));
    EXPECT_TRUE(ParseFails("level 1\nrandom 1\n", "no frame count"));

    DemoFile d;
    std::string error;
    EXPECT_TRUE(Demo_Parse("# made by hand\r\n" + Header(3) + "\n  # a comment\n" + frame + "repeat 2\n", &d,
                           &error))
        << error;
    EXPECT_EQ(d.frames.size(), 3u);
    EXPECT_EQ(d.level, 2);
    EXPECT_EQ(d.randomState, 77u);
}

// The hash follows every table a replay must reproduce, and nothing drawn only.
class DemoHash : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(allBalls, 0, sizeof(allBalls));
        std::memset(WallOfBricks, 0, sizeof(WallOfBricks));
        std::memset(allBonuses, 0, sizeof(allBonuses));
        std::memset(bullet, 0, sizeof(bullet));
        std::memset(&playerInfo, 0, sizeof(playerInfo));
        allBalls[0].active = true;
        allBalls[0].x = 300;
        WallOfBricks[5].visible = 1;
        KRandom::setState(1);
        batPosition = 400;
        base = Demo_HashGameState();
    }
    uint64_t base = 0;
};

TEST_F(DemoHash, MovesWithTheSimulation) {
    EXPECT_EQ(Demo_HashGameState(), base);
    const auto changed = [&](auto &field, auto value) {
        const auto old = field;
        field = value;
        const bool differs = Demo_HashGameState() != base;
        field = old;
        return differs;
    };
    EXPECT_TRUE(changed(allBalls[0].x, 300.001f));
    EXPECT_TRUE(changed(allBalls[3].vy, 1.0f));
    EXPECT_TRUE(changed(allBalls[0].type, BALL_EVIL));
    EXPECT_TRUE(changed(WallOfBricks[5].visible, uint8_t(0)));
    EXPECT_TRUE(changed(WallOfBricks[199].hits, int16_t(1)));
    EXPECT_TRUE(changed(allBonuses[7].active, true));
    EXPECT_TRUE(changed(bullet[2].active, true));
    EXPECT_TRUE(changed(playerInfo.score, 10));
    EXPECT_TRUE(changed(playerInfo.lives, 2));
    EXPECT_TRUE(changed(playerInfo.batFrozenTimer, 5));
    EXPECT_TRUE(changed(batPosition, 401.0f));
    EXPECT_TRUE(changed(curBat, int16_t(BAT_GUN)));
    KRandom::rand();
    EXPECT_NE(Demo_HashGameState(), base);
    KRandom::setState(1);
    EXPECT_EQ(Demo_HashGameState(), base);
}

TEST_F(DemoHash, IgnoresWhatIsOnlyDrawn) {
    allBalls[0].animTick = 3;
    allBalls[0].srcX = 40;
    WallOfBricks[5].explodeSrcX = 60;
    allBonuses[9].x = 250;   // an inactive capsule's leftovers
    EXPECT_EQ(Demo_HashGameState(), base);
    EXPECT_EQ(Demo_HashLine(100, 0xabcull), "100 0x0000000000000abc");
}

} // namespace
