// Keyboard and mouse on the headless backend: the key table, live key state, the
// pointer's show/hide counter, warps and window-relative positions.
#include "engine/KInput.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(KeyTable, OneEntryPerKeyInOrderWithDistinctCodes)
{
    std::set<int> codes;
    for (int i = 0; i < KEY_COUNT; i++) {
        EXPECT_EQ(KeyboardLayout[i].key, i);
        EXPECT_GE(KeyboardLayout[i].keyCode, 0);
        EXPECT_LT(KeyboardLayout[i].keyCode, 128);
        codes.insert(KeyboardLayout[i].keyCode);
    }
    EXPECT_EQ(codes.size(), (size_t)KEY_COUNT);
    const std::pair<EKeyboardLayout, int> samples[] = {
        {KEY_LEFT, 0x7B}, {KEY_SPACE, 0x31}, {KEY_RETURN, 0x24}, {KEY_F4, 0x76}, {KEY_ESCAPE, 0x35},
        {KEY_A, 0x00},    {KEY_P, 0x23},     {KEY_Q, 0x0C},      {KEY_Z, 0x06},  {KEY_COMMAND, 0x37},
        {KEY_BACKSPACE, 0x33}, {KEY_PAD8, 0x5B}, {KEY_QUOTE, 0x27},
    };
    for (auto &s : samples)
        EXPECT_EQ(KeyboardLayout[s.first].keyCode, s.second) << s.first;
}

TEST(Keys, PressedWhileHeldAcrossFramesAndOnlyThatKey)
{
    Headless::reset();
    KWindow window;
    ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, true, "t"));
    Headless::setKey(KEY_P, true);
    for (int frame = 0; frame < 5; frame++) {
        EXPECT_TRUE(KInput::isPressed(KEY_P));
        KWindow::flipBackBuffer(true);
    }
    for (int k = 0; k < KEY_COUNT; k++)
        EXPECT_EQ(KInput::isPressed((EKeyboardLayout)k), k == KEY_P) << k;
    Headless::setKey(KEY_P, false);
    EXPECT_FALSE(KInput::isPressed(KEY_P));
    EXPECT_FALSE(KInput::isPressed((EKeyboardLayout)93));
    EXPECT_FALSE(KInput::isPressed((EKeyboardLayout)-1));
}

TEST(Keys, WaitForKeyRelease)
{
    Headless::reset();
    KInput::waitForKeyRelease(KEY_SPACE);   // up: returns at once
    Headless::setKey(KEY_SPACE, true);
    int waits = 0;
    Headless::setPumpHook([&] {
        if (++waits == 20)
            Headless::setKey(KEY_SPACE, false);
    });
    KInput::waitForKeyRelease(KEY_SPACE);
    EXPECT_EQ(waits, 20);
}

TEST(Pointer, CounterEndsAtZeroOrMinusOneAndBalancesTheSystem)
{
    Headless::reset();
    KInput::initInput(nullptr);
    EXPECT_EQ(KInput::_cursorVis, 0);
    KInput::hidePointer();
    KInput::hidePointer();
    EXPECT_EQ(KInput::_cursorVis, -1);
    EXPECT_EQ(Headless::cursorHideDepth(), 1);
    KInput::showPointer();
    EXPECT_EQ(KInput::_cursorVis, 0);
    EXPECT_EQ(Headless::cursorHideDepth(), 0);
    KInput::showPointer();
    KInput::showPointer();
    EXPECT_EQ(KInput::_cursorVis, 0);
    EXPECT_EQ(Headless::cursorHideDepth(), 0);
    KInput::hidePointer();
    KInput::initInput(nullptr);   // resets the counter without touching the pointer
    EXPECT_EQ(KInput::_cursorVis, 0);
    EXPECT_EQ(Headless::cursorHideDepth(), 1);
}

TEST(Pointer, ShownAgainWhenTheWindowGoes)
{
    Headless::reset();
    {
        KWindow window;
        ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, true, "t"));
        KInput::hidePointer();
    }
    EXPECT_EQ(KInput::_cursorVis, 0);
    EXPECT_EQ(Headless::cursorHideDepth(), 0);
}

TEST(Mouse, PositionButtonAndWarp)
{
    Headless::reset();
    Headless::setMouse(-10, 650);
    EXPECT_EQ(KInput::getMouseX(), -10);
    EXPECT_EQ(KInput::getMouseY(), 650);
    EXPECT_FALSE(KInput::getLeftButtonState());
    Headless::setMouseButton(true);
    EXPECT_TRUE(KInput::getLeftButtonState());
    KInput::mousePointerTo(400, 300);
    EXPECT_EQ(KInput::getMouseX(), 400);
    EXPECT_EQ(KInput::getMouseY(), 300);
}

} // namespace
