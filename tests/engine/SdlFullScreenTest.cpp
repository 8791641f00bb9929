// Full screen on a display without an 800 x 600 mode (Xvfb at 1280 x 1024): the scene is
// scaled to fit and letterboxed, drawing and the grab stay in scene pixels, and the
// pointer maps back into scene coordinates.
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "tests/engine/TestPictures.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testpictures;

namespace {

TEST(SdlFullScreen, LetterboxedSceneKeepsScenePixelsAndPointer)
{
    if (!getenv("DISPLAY"))
        GTEST_SKIP() << "no DISPLAY: the full-screen test needs an X server (run under xvfb-run)";
    KMiscTools::setMessageBoxHook([](const char *, const char *) {});
    KWindow window;
    ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, false, "engine full screen"));
    EXPECT_EQ(KWindow::getWindowHandle(), nullptr);
    SDL_DisplayMode desktop;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    const bool scaled = !(desktop.w == 800 && desktop.h == 600);

    char tmpl[] = "/tmp/zumbo-fs-XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    const std::string path = dir + "/block.bmp";
    ASSERT_TRUE(writeBytes(path, bmp24(80, 60, [](int x, int) { return x < 40 ? RGB{250, 0, 0} : RGB{0, 250, 0}; })));
    KGraphic block;
    ASSERT_TRUE(block.loadPicture(path.c_str(), true, false));
    for (int frame = 0; frame < 3; frame++) {
        KGraphic::setWorldView(0, 0, 0, 1, true);
        block.blitRect(0, 0, 80, 60, 0, 0);
        block.blitRect(0, 0, 80, 60, 720, 540);
        KWindow::flipBackBuffer(true);
    }
    KGraphic grab;
    ASSERT_TRUE(grab.grabFrontBuffer());
    EXPECT_EQ(grab.pictureWidth, 800);
    EXPECT_EQ(grab.pictureHeight, 600);
    std::vector<uint8_t> texels((size_t)grab.textureWidth * grab.textureHeight * 4);
    glBindTexture(grab.textureTarget, grab.textureId);
    glGetTexImage(grab.textureTarget, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    auto red = [&](int x, int y) { return texels[((size_t)y * (size_t)grab.textureWidth + x) * 4]; };
    auto green = [&](int x, int y) { return texels[((size_t)y * (size_t)grab.textureWidth + x) * 4 + 1]; };
    EXPECT_GT(red(10, 10), 200) << "top-left block, red half";
    EXPECT_GT(green(60, 50), 200) << "top-left block, green half";
    EXPECT_LT(red(100, 10), 20);
    EXPECT_GT(red(725, 545), 200) << "bottom-right block";
    EXPECT_LT(red(400, 300) + green(400, 300), 20) << "centre stays black";

    for (int x : {0, 1, 10, 399, 400, 401, 408, 416, 799}) {   // every warp reads back exactly
        KInput::mousePointerTo(x, 300);
        EXPECT_EQ(KInput::getMouseX(), x);
        EXPECT_EQ(KInput::getMouseY(), 300);
    }
    KInput::mousePointerTo(400, 300);
    for (int step = 0; step < 20; step++)   // the pad's steering: 8 pixels a frame, read anew
        KInput::mousePointerTo(KInput::getMouseX() + 8, KInput::getMouseY());
    EXPECT_EQ(KInput::getMouseX(), 560);
    KInput::mousePointerTo(10, 590);
    EXPECT_EQ(KInput::getMouseX(), 10);
    EXPECT_EQ(KInput::getMouseY(), 590);
    if (scaled) {
        int gx = 0, gy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        EXPECT_NE(gy, 590) << "the pointer was placed in the stretched scene";
    }
    system(("rm -rf '" + dir + "'").c_str());
}

} // namespace
