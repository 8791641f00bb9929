// The window on the headless backend: frame pacing on the virtual clock, the quit
// latch and its shortcut, the focus wait, the full-screen refresh-rate search.
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"

#include <gtest/gtest.h>

namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        Headless::reset();
        Headless::setClockMicros(100000000ull);   // the system has been up for a while
        window = new KWindow;
        ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, true, (char *)"ZumboRumble"));
    }
    void TearDown() override { delete window; }
    KWindow *window = nullptr;
};

TEST_F(Window, OpensCentredWindowWithTitleAndScreenSize)
{
    EXPECT_TRUE(Headless::windowOpen());
    EXPECT_TRUE(Headless::windowed());
    EXPECT_EQ(Headless::windowTitle(), "ZumboRumble");
    EXPECT_NE(KWindow::getWindowHandle(), nullptr);
    EXPECT_EQ(KGraphic::screenWidth, 800);
    EXPECT_EQ(KGraphic::screenHeight, 600);
    EXPECT_EQ(KGraphic::screenDepth, 16);
    EXPECT_FALSE(KGraphic::_graphicQuality) << "every picture is filtered nearest";
}

TEST_F(Window, FirstFlipIsNotDelayed)
{
    const uint32_t start = Headless::clockMs();
    KWindow::flipBackBuffer(true);
    EXPECT_EQ(Headless::clockMs(), start);
    EXPECT_EQ(KWindow::lastFlipTime, start);
}

TEST_F(Window, EarlyFramesAreHeldTo14Milliseconds)
{
    struct Case {
        uint32_t late;      // ms after the previous flip returned
        uint32_t returns;   // ms after the previous flip when this one returns
    };
    const Case cases[] = {{0, 14}, {5, 14}, {13, 14}, {14, 14}, {15, 15}, {16, 16}, {20, 20}};
    for (const Case &c : cases) {
        KWindow::flipBackBuffer(true);
        const uint32_t previous = Headless::clockMs();
        Headless::advanceMs(c.late);
        KWindow::flipBackBuffer(true);
        EXPECT_EQ(Headless::clockMs() - previous, c.returns) << "called " << c.late << " ms late";
    }
}

TEST_F(Window, FrameAcrossTheClockWrapIsNotPaced)
{
    Headless::setClockMicros((1ull << 32) - 8000);
    KWindow::flipBackBuffer(true);
    EXPECT_EQ(KWindow::lastFlipTime, 4294959u);
    Headless::advanceMs(10);   // 2 ms past the wrap: 10 ms later, but the difference is huge
    KWindow::flipBackBuffer(true);
    EXPECT_EQ(KWindow::lastFlipTime, 2u);
}

TEST_F(Window, PacingCanBeTurnedOff)
{
    KWindow::setFramePacing(false);
    KWindow::flipBackBuffer(true);
    const uint32_t t = Headless::clockMs();
    for (int i = 0; i < 10; i++)
        KWindow::flipBackBuffer(true);
    EXPECT_EQ(Headless::clockMs(), t);
    EXPECT_EQ(Headless::flipCount(), 11u);
}

TEST_F(Window, PacedLoopSeesFramesOf14Ms)
{
    KWindow::flipBackBuffer(true);
    const uint32_t ticks = KMiscTools::getTheTicks();
    for (int i = 0; i < 300; i++)
        KWindow::flipBackBuffer(true);
    const uint32_t passed = KMiscTools::getTheTicks() - ticks;   // 300 x 14 ms = 4.2 s
    EXPECT_GE(passed, 252u);
    EXPECT_LE(passed, 253u);
}

struct QuitCase {
    bool command, q, focused;
    bool quits;
};

TEST_F(Window, CommandQQuitsOnlyWithFocusInAWindow)
{
    const QuitCase cases[] = {
        {true, true, true, true},    {true, false, true, false}, {false, true, true, false},
        {true, true, false, false},  {false, false, true, false},
    };
    for (const QuitCase &c : cases) {
        KWindow::_quit = false;
        Headless::releaseAllKeys();
        Headless::setKey(KEY_COMMAND, c.command);
        Headless::setKey(KEY_Q, c.q);
        Headless::setFocus(c.focused);
        KWindow::processEvents();
        EXPECT_EQ(KWindow::isQuit(), c.quits) << c.command << c.q << c.focused;
    }
}

TEST(FullScreen, CommandQAlwaysCountsAndFocusNeverBlocks)
{
    Headless::reset();
    KWindow window;
    ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, false, "ZumboRumble"));
    EXPECT_EQ(KWindow::getWindowHandle(), nullptr);
    EXPECT_FALSE(Headless::windowed());
    Headless::setFocus(false);
    EXPECT_TRUE(KWindow::hasFocus());
    KWindow::flipBackBuffer(true);   // returns: no window to wait for
    Headless::setKey(KEY_COMMAND, true);
    Headless::setKey(KEY_Q, true);
    KWindow::processEvents();
    EXPECT_TRUE(KWindow::isQuit());
}

TEST_F(Window, CloseRequestLatchesForGood)
{
    EXPECT_FALSE(KWindow::isQuit());
    Headless::requestQuit();
    EXPECT_FALSE(KWindow::isQuit()) << "latched by the next event pump";
    KWindow::processEvents();
    EXPECT_TRUE(KWindow::isQuit());
    for (int i = 0; i < 3; i++)
        KWindow::flipBackBuffer(true);
    EXPECT_TRUE(KWindow::isQuit());
}

TEST_F(Window, BackgroundWindowHoldsTheFlipUntilFocusOrQuit)
{
    KWindow::flipBackBuffer(true);
    Headless::setFocus(false);
    int pumps = 0;
    Headless::setPumpHook([&] {
        if (++pumps == 500)
            Headless::setFocus(true);
    });
    KWindow::flipBackBuffer(true);
    EXPECT_GE(pumps, 500);

    Headless::setFocus(false);
    pumps = 0;
    Headless::setPumpHook([&] {
        if (++pumps == 50)
            Headless::requestQuit();
    });
    KWindow::flipBackBuffer(true);
    EXPECT_TRUE(KWindow::isQuit());

    pumps = 0;
    Headless::setPumpHook([&] { ++pumps; });
    Headless::advanceMs(100);
    KWindow::flipBackBuffer(false);
    EXPECT_EQ(pumps, 1) << "flipBackBuffer(false) pumps once and never waits for focus";
}

TEST_F(Window, FlipHookAndQuitAfterFlips)
{
    std::vector<uint32_t> seen;
    Headless::setFlipHook([&](uint32_t flip) { seen.push_back(flip); });
    Headless::setQuitAfterFlips(3);
    while (!KWindow::isQuit())
        KWindow::flipBackBuffer(true);
    EXPECT_EQ(seen, (std::vector<uint32_t>{1, 2, 3}));
}

struct RateCase {
    std::vector<int> rates;
    std::vector<int> tried;   // first and last tries, and how many
    size_t tries;
    bool letterboxed;
};

TEST(FullScreen, RefreshRateSearchOrder)
{
    const RateCase cases[] = {
        {{60, 85}, {75, 60}, 16, false},              // 75 down to 60
        {{75}, {75, 75}, 1, false},
        {{85}, {75, 85}, 76 + 11, false},             // 75..0, then 75..85
        {{0}, {75, 0}, 76 + 125 + 1, false},          // only 0: up to 199, then 0 once more
        {{}, {75, 0}, 76 + 125 + 1, true},            // no mode: letterboxed desktop
        {{0, 100}, {75, 100}, 76 + 26, false},
    };
    for (const RateCase &c : cases) {
        Headless::reset();
        Headless::setDisplayRates(c.rates);
        KWindow window;
        ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, false, "x"));
        const std::vector<int> &tried = Headless::triedRates();
        ASSERT_EQ(tried.size(), c.tries);
        EXPECT_EQ(tried.front(), c.tried[0]);
        EXPECT_EQ(tried.back(), c.tried[1]);
        EXPECT_EQ(Headless::letterboxed(), c.letterboxed);
    }
}

TEST(Caps, RectangleExtensionNames)
{
    EXPECT_TRUE(KWindow::extensionsHaveRectangle("GL_ARB_multitexture GL_EXT_texture_rectangle GL_foo"));
    EXPECT_TRUE(KWindow::extensionsHaveRectangle("GL_NV_texture_rectangle"));
    EXPECT_FALSE(KWindow::extensionsHaveRectangle("GL_ARB_texture_rectangle GL_EXT_texture3D"));
    EXPECT_FALSE(KWindow::extensionsHaveRectangle(""));
    EXPECT_FALSE(KWindow::extensionsHaveRectangle(nullptr));
}

} // namespace
