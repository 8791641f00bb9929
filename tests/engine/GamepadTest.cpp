// The gamepad layer with scripted pads: slots, thresholds, the drain rules, buttons by
// usage, the 8-event queue, and KInput's joy* answers.
#include "engine/KGamepad.h"
#include "engine/KInput.h"
#include "engine/platform/Headless.h"

#include <gtest/gtest.h>
#include <cstring>

namespace {

class Pads : public ::testing::Test {
protected:
    void SetUp() override { Headless::reset(); }
    int connect(Headless::PadDevice device = Headless::PadDevice())
    {
        int d = Headless::addPad(device);
        KInput::initInput(nullptr);
        return d;
    }
};

TEST_F(Pads, NoDeviceMeansNoPads)
{
    EXPECT_EQ(initHID(), -1);
    EXPECT_FALSE(KInput::joyEnable(0));
    EXPECT_FALSE(KInput::joyLeft(0));
    EXPECT_FALSE(KInput::joyButtonN(0, 0));
    EXPECT_EQ(checkGPButtonN(0, 0), -1);
    char name[PAD_NAME_LEN];
    EXPECT_FALSE(checkGPSetup(0, name));
    EXPECT_STREQ(name, "None Found");
}

struct ThresholdCase {
    int32_t min, max, low, high;
};

TEST_F(Pads, ThresholdsAreAQuarterOfTheRangeFromTheCentre)
{
    const ThresholdCase cases[] = {
        {0, 255, 63, 191},
        {-32768, 32767, -16385, 16383},   // halvings round toward minus infinity
        {-1, 0, -1, -1},
        {0, 0, 0, 0},
    };
    for (const ThresholdCase &c : cases) {
        int32_t low, high;
        Pad_AxisThresholds(c.min, c.max, &low, &high);
        EXPECT_EQ(low, c.low) << c.min << ".." << c.max;
        EXPECT_EQ(high, c.high) << c.min << ".." << c.max;
    }
}

TEST_F(Pads, AxisReadingsOnA0To255Range)
{
    const int d = connect();
    ASSERT_TRUE(KInput::joyEnable(0));
    const struct {
        int32_t value;
        int expected;
    } readings[] = {{192, 1}, {191, 0}, {255, 1}, {127, 0}, {62, -1}, {63, 0}, {0, -1}, {100, 0}};
    for (auto r : readings) {
        Headless::pushPadAxis(d, 0, r.value);
        EXPECT_EQ(checkGPXAxis(0), r.expected) << r.value;
    }
    EXPECT_EQ(xAxisValue[0], 100);
}

TEST_F(Pads, OppositePushesLeaveBothFlagsAndLeftWins)
{
    const int d = connect();
    ASSERT_TRUE(KInput::joyEnable(0));
    Headless::pushPadAxis(d, 0, 0);
    Headless::pushPadAxis(d, 0, 255);
    EXPECT_EQ(checkGPXAxis(0), -1);
    EXPECT_EQ(xAxisState[0][0], 1);
    EXPECT_EQ(xAxisState[0][1], 1);
    EXPECT_TRUE(KInput::joyLeft(0));
    EXPECT_FALSE(KInput::joyRight(0));
    Headless::pushPadAxis(d, 0, 128);
    EXPECT_EQ(checkGPXAxis(0), 0);
    Headless::pushPadAxis(d, 0, 255);
    EXPECT_TRUE(KInput::joyRight(0));
}

TEST_F(Pads, YAxisSetsUpAndDown)
{
    const int d = connect();
    Headless::pushPadAxis(d, 1, 250);
    Headless::pushPadAxis(d, 1, 5);
    checkGPXAxis(0);
    EXPECT_EQ(yAxisState[0][0], 1);
    EXPECT_EQ(yAxisState[0][1], 1);
    EXPECT_EQ(yAxisValue[0], 5);
    EXPECT_EQ(checkGPXAxis(0), 0) << "the Y axis never moves X";
}

TEST_F(Pads, ButtonsByUsageOnlyTheFirstCountedIndicesAnswer)
{
    Headless::PadDevice pad;
    pad.buttonUsages = {1, 2, 5};
    const int d = connect(pad);
    EXPECT_EQ(buttonCount[0], 3);
    ASSERT_TRUE(KInput::joyEnable(0));
    for (int usage : {1, 2, 5})
        Headless::pushPadButton(d, usage, true);
    EXPECT_EQ(checkGPButtonN(0, 0), 1);
    EXPECT_EQ(checkGPButtonN(0, 1), 1);
    EXPECT_EQ(checkGPButtonN(0, 2), 0) << "usage 3 was never pressed";
    EXPECT_EQ(checkGPButtonN(0, 4), 0) << "usage 5 is never recognised";
    Headless::pushPadButton(d, 1, false);
    EXPECT_FALSE(KInput::joyButtonN(0, 0));
    EXPECT_EQ(checkGPButtonN(0, 99), 0);
    EXPECT_EQ(checkGPButtonN(0, -1), 0);
}

TEST_F(Pads, EnableAndDisable)
{
    const int d = connect();
    EXPECT_FALSE(KInput::joyEnable(2));
    EXPECT_FALSE(KInput::joyEnable(-1));
    EXPECT_FALSE(KInput::joystick[0]);
    EXPECT_FALSE(KInput::joyEnable(1)) << "only one pad connected";
    ASSERT_TRUE(KInput::joyEnable(0));
    Headless::pushPadAxis(d, 0, 255);
    Headless::pushPadButton(d, 1, true);
    KInput::joyDisable(0);
    EXPECT_FALSE(KInput::joyRight(0)) << "a disabled pad does not steer";
    EXPECT_TRUE(KInput::joyButtonN(0, 0)) << "the button is read even when disabled";
}

TEST_F(Pads, EventsBeyondTheEighthAreLost)
{
    const int d = connect();
    ASSERT_TRUE(KInput::joyEnable(0));
    for (int i = 0; i < 8; i++)
        Headless::pushPadButton(d, 2, i % 2 == 0);   // ends released
    Headless::pushPadButton(d, 2, true);               // ninth: lost
    Headless::pushPadAxis(d, 0, 255);                  // tenth: lost
    EXPECT_EQ(checkGPButtonN(0, 1), 0);
    EXPECT_EQ(checkGPXAxis(0), 0);
    Headless::pushPadAxis(d, 0, 255);                  // room again after the drain
    EXPECT_EQ(checkGPXAxis(0), 1);
}

TEST_F(Pads, MiceNeverTakeASlotAndLaterJoysticksGoToSlotOne)
{
    Headless::PadDevice mouse;
    mouse.joystick = false;
    mouse.name = "Mouse";
    Headless::PadDevice first, second, third;
    first.name = "First";
    second.name = "Second";
    third.name = "Third";
    third.buttonUsages = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                          24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
    Headless::addPad(mouse);
    const int a = Headless::addPad(first);
    const int b = Headless::addPad(second);
    const int c = Headless::addPad(third);
    KInput::initInput(nullptr);
    char name[PAD_NAME_LEN];
    ASSERT_TRUE(checkGPSetup(0, name));
    EXPECT_STREQ(name, "First");
    ASSERT_TRUE(checkGPSetup(1, name));
    EXPECT_STREQ(name, "Third");
    EXPECT_EQ(buttonCount[1], 32) << "counted afresh and only usages 1..32";
    ASSERT_TRUE(KInput::joyEnable(1));
    Headless::pushPadAxis(b, 0, 255);   // the second joystick lost its slot
    EXPECT_EQ(checkGPXAxis(1), 0);
    Headless::pushPadAxis(c, 0, 0);
    EXPECT_EQ(checkGPXAxis(1), -1);
    Headless::pushPadAxis(a, 0, 255);
    EXPECT_EQ(checkGPXAxis(0), 1);
}

TEST_F(Pads, APadWithoutAxesOrButtonsIsNotSetUp)
{
    Headless::PadDevice bare;
    bare.hasAxes = false;
    bare.buttonUsages = {};
    connect(bare);
    EXPECT_FALSE(KInput::joyEnable(0));
}

TEST_F(Pads, SearchAgainStartsTheSlotClean)
{
    const int d = connect();
    ASSERT_TRUE(KInput::joyEnable(0));
    Headless::pushPadAxis(d, 0, 255);
    EXPECT_EQ(checkGPXAxis(0), 1);
    Headless::pushPadAxis(d, 0, 0);
    KInput::initInput(nullptr);   // the game's start-up searches twice
    EXPECT_FALSE(KInput::joystick[0]);
    ASSERT_TRUE(KInput::joyEnable(0));
    EXPECT_EQ(checkGPXAxis(0), 0) << "flags cleared, the old queue's events gone";
    Headless::pushPadAxis(d, 0, 255);
    EXPECT_EQ(checkGPXAxis(0), 1);
}

} // namespace
