// The real window under a display (Xvfb): pacing on the wall clock, the quit latch from
// the close request and from Ctrl+Q held down, the pointer relative to the window, its
// warp and button, and what a missing document gives the launcher.
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace {

bool haveXdotool() { return system("command -v xdotool >/dev/null 2>&1") == 0; }
void xdotool(const std::string &args) { ASSERT_EQ(system(("xdotool " + args).c_str()), 0) << args; }

class SdlWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!getenv("DISPLAY"))
            return;
        KMiscTools::setMessageBoxHook([](const char *, const char *) {});
        window = new KWindow;
        opened = KWindow::createGameWindow(800, 600, 16, true, "engine window");
        for (int i = 0; i < 10; i++)
            KWindow::flipBackBuffer(false);
    }
    static void TearDownTestSuite() { delete window; }
    void SetUp() override
    {
        if (!getenv("DISPLAY"))
            GTEST_SKIP() << "no DISPLAY: the window tests need an X server (run under xvfb-run)";
        ASSERT_TRUE(opened);
        KWindow::_quit = false;
    }
    static KWindow *window;
    static bool opened;
};

KWindow *SdlWindow::window;
bool SdlWindow::opened;

TEST_F(SdlWindow, NoFrameReturnsBefore14Ms)
{
    KWindow::flipBackBuffer(false);
    uint32_t previous = KMiscTools::getMilliseconds();
    for (int i = 0; i < 20; i++) {
        KWindow::flipBackBuffer(false);
        const uint32_t now = KMiscTools::getMilliseconds();
        EXPECT_GE(now - previous, 14u) << "frame " << i;
        previous = now;
    }
}

TEST_F(SdlWindow, CloseRequestLatchesQuit)
{
    SDL_Event e = {};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    e.window.windowID = 1;
    SDL_PushEvent(&e);
    KWindow::processEvents();
    EXPECT_TRUE(KWindow::isQuit());
}

TEST_F(SdlWindow, CtrlQHeldDownQuitsAndQAloneDoesNot)
{
    if (!haveXdotool())
        GTEST_SKIP() << "xdotool is not installed";
    ASSERT_TRUE(KWindow::hasFocus()) << "the window should have the focus on a bare X server";
    xdotool("keydown q");
    SDL_Delay(50);
    KWindow::processEvents();
    EXPECT_TRUE(KInput::isPressed(KEY_Q));
    EXPECT_FALSE(KWindow::isQuit());
    xdotool("keydown ctrl");
    SDL_Delay(50);
    KWindow::processEvents();
    xdotool("keyup q keyup ctrl");
    EXPECT_TRUE(KWindow::isQuit());
    SDL_Delay(50);
    EXPECT_FALSE(KInput::isPressed(KEY_Q));
    EXPECT_FALSE(KInput::isPressed(KEY_COMMAND));
}

TEST_F(SdlWindow, PointerIsWindowRelativeEvenOutside)
{
    int wx = 0, wy = 0;
    SDL_GetWindowPosition(SDL_GL_GetCurrentWindow(), &wx, &wy);
    SDL_WarpMouseGlobal(wx - 10, wy + 20);
    EXPECT_EQ(KInput::getMouseX(), -10);
    EXPECT_EQ(KInput::getMouseY(), 20);
    KInput::mousePointerTo(400, 300);
    EXPECT_EQ(KInput::getMouseX(), 400);
    EXPECT_EQ(KInput::getMouseY(), 300);
    int gx = 0, gy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    EXPECT_EQ(gx, wx + 400);
    EXPECT_EQ(gy, wy + 300);
}

TEST_F(SdlWindow, ButtonIsReadLive)
{
    if (!haveXdotool())
        GTEST_SKIP() << "xdotool is not installed";
    KInput::mousePointerTo(100, 100);
    EXPECT_FALSE(KInput::getLeftButtonState());
    xdotool("mousedown 1");
    SDL_Delay(30);
    EXPECT_TRUE(KInput::getLeftButtonState());
    xdotool("mouseup 1");
    SDL_Delay(30);
    EXPECT_FALSE(KInput::getLeftButtonState());
}

TEST_F(SdlWindow, PointerCounterHidesTheSystemPointer)
{
    KInput::hidePointer();
    KInput::hidePointer();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    KInput::showPointer();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

TEST_F(SdlWindow, LaunchingAMissingDocumentFails)
{
    EXPECT_NE(KMiscTools::launchFile("/nonexistent/help/index.html"), 0);
    EXPECT_EQ(KMiscTools::launchFile(nullptr), -50);
}

} // namespace
