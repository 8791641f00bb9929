// The frame list on the real GL backend: a scripted run of frames (moving and still
// sprites, overlaps that change order, clears, a shifted and a turned world view, a
// picture made and dropped mid-frame, frames that repeat) is drawn once with partial
// redraws and once whole; after every flip the frame on screen must be the same, pixel
// for pixel, and the partial run must really have drawn less.
#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "engine/platform/Platform.h"
#include "engine/platform/sdl/SdlState.h"
#include "tests/engine/TestPictures.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testpictures;

namespace {

const int SW = 800, SH = 600;
const int FRAMES = 64;

void quietAlert(const char *, const char *) {}

class GLFrames : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!getenv("DISPLAY"))
            return;
        KMiscTools::setMessageBoxHook(quietAlert);
        window = new KWindow;
        opened = KWindow::createGameWindow(SW, SH, 16, true, "engine frames");
        KWindow::setFramePacing(false);
        char tmpl[] = "/tmp/zumbo-glframe-XXXXXX";
        dir = mkdtemp(tmpl);
        writeBytes(dir + "/back.bmp", bmp24(SW, SH, [](int x, int y) {
                       return RGB{(uint8_t)(x * 7 / 22), (uint8_t)(y * 3 / 7), (uint8_t)((x ^ y) & 255)};
                   }));
        writeBytes(dir + "/sprites.bmp", bmp24(64, 64, [](int x, int y) {
                       if ((x / 4 + y / 4) % 5 == 0)
                           return RGB{0, 0, 255};   // the colour key: holes in the sprites
                       return RGB{(uint8_t)(255 - x * 3), (uint8_t)(y * 4), 40};
                   }));
    }
    static void TearDownTestSuite()
    {
        delete window;
        window = nullptr;
        if (!dir.empty())
            system(("rm -rf '" + dir + "'").c_str());
    }
    void SetUp() override
    {
        if (!getenv("DISPLAY"))
            GTEST_SKIP() << "no DISPLAY: the GL tests need an X server (run under xvfb-run)";
        ASSERT_TRUE(opened);
    }

    static KGraphic *Picture(const std::string &name)
    {
        KGraphic *pic = new KGraphic;
        pic->setColorKey(true, 0, 0, 255);
        EXPECT_TRUE(pic->loadPicture((dir + "/" + name).c_str(), true, false));
        return pic;
    }

    // One frame of the script.
    static void DrawFrame(int f, KGraphic *back, KGraphic *sprites)
    {
        float viewX = f >= 20 && f < 24 ? (float)(f - 19) * 3 : 0;
        float angle = f == 30 || f == 31 ? 7.0f : 0;
        KGraphic::setWorldView(viewX, 0, angle, 1, f % 17 == 0);
        if (f % 17 != 5)   // a few frames leave the background out and rely on the clear before
            back->blitRect(0, 0, SW, SH, 0, 0);
        sprites->blitAlphaRect(0, 0, 32, 32, 100, 100);                        // never moves
        sprites->blitAlphaRect(0, 0, 40, 40, (short)(150 + f * 6), 300);       // moves right
        sprites->blitAlphaRect(16, 16, 64, 64, 400, (short)(500 - f * 5));    // moves up
        if (f % 9 < 4)                                                          // comes and goes
            sprites->blitAlphaRect(0, 0, 64, 64, 600, 80);
        // two overlapping sprites that change order
        if (f % 6 < 3) {
            sprites->blitAlphaRect(0, 0, 48, 48, 250, 420);
            sprites->blitRect(8, 8, 40, 40, 270, 440, true, false);
        } else {
            sprites->blitRect(8, 8, 40, 40, 270, 440, true, false);
            sprites->blitAlphaRect(0, 0, 48, 48, 250, 420);
        }
        if (f == 40) {   // a picture made and dropped within the frame
            KGraphic *once = Picture("sprites.bmp");
            once->blitRect(0, 0, 64, 64, 700, 500, false, true);
            delete once;
        }
    }

    // Runs the script; returns every frame as shown after its flip (GL rows).
    static std::vector<std::vector<uint8_t>> Run(bool partial, SdlFrameStats *stats)
    {
        Sdl_AllowPartialFrames(partial);
        KGraphic *back = Picture("back.bmp"), *sprites = Picture("sprites.bmp");
        const SdlFrameStats before = Sdl_FrameStats();
        std::vector<std::vector<uint8_t>> shown;
        for (int f = 0; f < FRAMES; f++) {
            // frames 44 to 50 repeat frame 44: nothing moves
            DrawFrame(f >= 44 && f <= 50 ? 44 : f, back, sprites);
            KWindow::flipBackBuffer(false);
            std::vector<uint8_t> rgba((size_t)SW * SH * 4);
            EXPECT_TRUE(Plat_GrabFront(SW, SH, rgba.data()));
            shown.push_back(std::move(rgba));
        }
        delete back;
        delete sprites;
        const SdlFrameStats after = Sdl_FrameStats();
        stats->frames = after.frames - before.frames;
        stats->whole = after.whole - before.whole;
        stats->partial = after.partial - before.partial;
        stats->skipped = after.skipped - before.skipped;
        stats->pixels = after.pixels - before.pixels;
        return shown;
    }

    static KWindow *window;
    static bool opened;
    static std::string dir;
};

KWindow *GLFrames::window;
bool GLFrames::opened;
std::string GLFrames::dir;

TEST_F(GLFrames, PartialRedrawsShowWhatWholeFramesShow)
{
    SdlFrameStats whole, partial;
    const auto expected = Run(false, &whole);
    const auto got = Run(true, &partial);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t f = 0; f < got.size(); f++) {
        size_t differing = 0, first = 0;
        for (size_t i = 0; i < got[f].size(); i++)
            if (got[f][i] != expected[f][i] && differing++ == 0)
                first = i / 4;
        EXPECT_EQ(differing, 0u) << "frame " << f << " differs first at x " << first % SW << ", y "
                                 << SH - 1 - first / SW << " (GL rows counted from the bottom)";
    }
    if (Sdl().grabMode != SDL_GRAB_BACK_KEPT)
        GTEST_SKIP() << "this GL does not keep the back buffer: frames are drawn whole";
    EXPECT_GE(partial.partial, 30u) << "most frames change in a few places";
    EXPECT_GE(partial.skipped, 5u) << "the repeated frames are not drawn again";
    EXPECT_LT(partial.pixels, (uint64_t)partial.partial * SW * SH / 3) << "partial frames draw a small share";
    // (not an exact count: a window event, say from another test's window on the same X
    // server, makes the next frame whole, and may land in one run and not the other)
    EXPECT_GE(whole.skipped, 5u) << "repeated frames are skipped either way";
}

} // namespace
