// Pixels read back from the real GL backend under a display (Xvfb): blits land 1:1 with
// a top-left origin, the colour key is invisible when blended, flips mirror, the world
// view moves and turns, and the grab copies the screen top row first; on both texture
// paths (rectangle textures and forced power-of-two).
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "engine/platform/sdl/SdlState.h"
#include "tests/engine/TestPictures.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace testpictures;

namespace {

const int SW = 800, SH = 600;
const int TOLERANCE = 8;   // a 16-bit display rounds each channel

std::vector<std::string> alerts;
void recordAlert(const char *first, const char *second) { alerts.push_back(std::string(first) + "|" + second); }

// The picture used by most cases (64 x 48): every pixel tells where it came from; a 4 x 4 block of
// pure blue (the key) at 8..11, 8..11.
RGB sample(int x, int y)
{
    if (x >= 8 && x < 12 && y >= 8 && y < 12)
        return RGB{0, 0, 255};
    return RGB{(uint8_t)(x * 4 + 2), (uint8_t)(y * 4 + 2), 100};
}

struct Pixel {
    int r, g, b;
};

class GLPixels : public ::testing::TestWithParam<bool> {
protected:
    static void SetUpTestSuite()
    {
        if (!getenv("DISPLAY"))
            return;
        KMiscTools::setMessageBoxHook(recordAlert);
        window = new KWindow;
        opened = KWindow::createGameWindow(SW, SH, 16, true, "engine pixels");
        char tmpl[] = "/tmp/zumbo-gl-XXXXXX";
        dir = mkdtemp(tmpl);
        picturePath = dir + "/sample.bmp";
        writeBytes(picturePath, bmp24(64, 48, sample));
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
            GTEST_SKIP() << "no DISPLAY: the GL pixel tests need an X server (run under xvfb-run)";
        ASSERT_TRUE(opened) << "the 800 x 600 window could not be opened";
        const bool forcePowerOfTwo = GetParam();
        if (!forcePowerOfTwo && !KWindow::hasRectangleText)
            GTEST_SKIP() << "this GL has no rectangle textures";
        KWindow::forcePowerOfTwoTextures(forcePowerOfTwo);
        KWindow::setFramePacing(false);
        pic = new KGraphic;
        pic->setColorKey(true, 0, 0, 255);
        ASSERT_TRUE(pic->loadPicture(picturePath.c_str(), true, false));
        EXPECT_EQ(pic->textureTarget, forcePowerOfTwo ? (uint32_t)K_TEXTURE_2D : (uint32_t)K_TEXTURE_RECTANGLE);
        KGraphic::setWorldView(0, 0, 0, 1, true);
    }
    void TearDown() override
    {
        delete pic;
        pic = nullptr;
        alerts.clear();
    }

    // The back buffer (what the next flip shows), top row first; the blits held for the
    // flip are drawn first.
    void readBack()
    {
        Sdl_FlushFrame();
        screen.assign((size_t)SW * SH * 4, 0);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        std::vector<uint8_t> rows((size_t)SW * SH * 4);
        glReadPixels(0, 0, SW, SH, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
        for (int y = 0; y < SH; y++)
            memcpy(&screen[(size_t)y * SW * 4], &rows[(size_t)(SH - 1 - y) * SW * 4], (size_t)SW * 4);
    }
    Pixel at(int x, int y) const
    {
        const uint8_t *p = &screen[((size_t)y * SW + x) * 4];
        return Pixel{p[0], p[1], p[2]};
    }
    static bool near(Pixel p, RGB c)
    {
        return abs(p.r - c.r) <= TOLERANCE && abs(p.g - c.g) <= TOLERANCE && abs(p.b - c.b) <= TOLERANCE;
    }
    // Every screen pixel of the w x h block at (x, y) shows picture pixel source(dx, dy).
    template <typename F> int mismatches(int x, int y, int w, int h, F source)
    {
        int bad = 0;
        for (int dy = 0; dy < h; dy++)
            for (int dx = 0; dx < w; dx++)
                bad += !near(at(x + dx, y + dy), source(dx, dy));
        return bad;
    }

    static KWindow *window;
    static bool opened;
    static std::string dir, picturePath;
    KGraphic *pic = nullptr;
    std::vector<uint8_t> screen;
};

KWindow *GLPixels::window;
bool GLPixels::opened;
std::string GLPixels::dir, GLPixels::picturePath;

const RGB BLACK = {0, 0, 0};
const RGB BLUE = {0, 0, 255};

TEST_P(GLPixels, OpaqueBlitIsOneToOneFromTheTopLeft)
{
    pic->blitRect(0, 0, 32, 32, 100, 50, false, false);
    readBack();
    EXPECT_EQ(mismatches(100, 50, 32, 32, sample), 0);
    EXPECT_TRUE(near(at(99, 50), BLACK));
    EXPECT_TRUE(near(at(132, 50), BLACK));
    EXPECT_TRUE(near(at(100, 49), BLACK));
    EXPECT_TRUE(near(at(100, 82), BLACK));
    EXPECT_TRUE(near(at(108, 58), BLUE)) << "an opaque blit shows the key colour";
}

TEST_P(GLPixels, BlendedBlitHidesTheColourKey)
{
    KGraphic white;
    const std::string path = dir + "/white.bmp";
    ASSERT_TRUE(writeBytes(path, bmp24(16, 16, [](int, int) { return RGB{255, 255, 255}; })));
    ASSERT_TRUE(white.loadPicture(path.c_str(), true, false));
    white.blitRect(0, 0, 16, 16, 200, 200);   // background under the key block
    pic->blitAlphaRect(0, 0, 16, 16, 200, 200, false, false);
    readBack();
    EXPECT_EQ(mismatches(200, 200, 16, 16,
                         [](int x, int y) {
                             const RGB c = sample(x, y);
                             return c.b == 255 && c.r == 0 ? RGB{255, 255, 255} : c;
                         }),
              0);
}

TEST_P(GLPixels, WithoutAlphaTheKeyIsDroppedByTheUpload)
{
    KGraphic opaque;
    opaque.setColorKey(true, 0, 0, 255);
    ASSERT_TRUE(opaque.loadPicture(picturePath.c_str(), false, false));
    opaque.blitAlphaRect(0, 0, 16, 16, 200, 200);
    readBack();
    EXPECT_TRUE(near(at(209, 209), BLUE));
}

TEST_P(GLPixels, FlipsMirrorTheSource)
{
    pic->blitRect(0, 0, 16, 8, 10, 10, true, false);
    pic->blitRect(0, 0, 16, 8, 40, 10, false, true);
    pic->blitRect(0, 0, 16, 8, 70, 10, true, true);
    pic->blitRect(5, 0, 6, 8, 100, 10, true, false);   // one pixel wide: same as unflipped
    readBack();
    EXPECT_EQ(mismatches(10, 10, 16, 8, [](int x, int y) { return sample(15 - x, y); }), 0);
    EXPECT_EQ(mismatches(40, 10, 16, 8, [](int x, int y) { return sample(x, 7 - y); }), 0);
    EXPECT_EQ(mismatches(70, 10, 16, 8, [](int x, int y) { return sample(15 - x, 7 - y); }), 0);
    EXPECT_EQ(mismatches(100, 10, 1, 8, [](int, int y) { return sample(5, y); }), 0);
}

TEST_P(GLPixels, FractionalAndReversedSourceRectangles)
{
    pic->blitRect(0, 0, 10.7f, 4, 300, 300);
    pic->blitRect(20, 0, 10, 4, 400, 300);   // x2 < x1: mirrored, drawn left of destX
    readBack();
    EXPECT_TRUE(near(at(309, 300), sample(9, 0)));
    EXPECT_TRUE(near(at(310, 300), BLACK)) << "10.7 wide draws 10 pixels";
    EXPECT_EQ(mismatches(390, 300, 10, 4, [](int x, int y) { return sample(10 + x, y); }), 0);
    EXPECT_TRUE(near(at(400, 300), BLACK));
}

TEST_P(GLPixels, WorldViewMovesAndTurns)
{
    KGraphic::setWorldView(10, 10, 0, 1, false);
    pic->blitRect(0, 0, 8, 8, 100, 100);
    readBack();
    EXPECT_EQ(mismatches(110, 90, 8, 8, sample), 0) << "10 right and 10 up";

    KGraphic::setWorldView(0, 0, 90, 1, true);
    pic->blitRect(16, 16, 24, 24, 500, 296);   // an 8 x 8 block right of the centre
    readBack();
    // A quarter turn counter-clockwise about (400, 300) puts it above the centre.
    const RGB c = sample(20, 20);
    EXPECT_TRUE(near(at(400, 196), c));
    EXPECT_TRUE(near(at(504, 300), BLACK));

    KGraphic::setWorldView(0, 0, 0, 0, true);   // everything into the centre point
    pic->blitRect(0, 0, 64, 48, 0, 0);
    readBack();
    EXPECT_EQ(mismatches(0, 0, 64, 48, [](int, int) { return BLACK; }), 0);
    KGraphic::setDefaultWorldView();
}

TEST_P(GLPixels, GrabCopiesTheScreenTopRowFirst)
{
    const int found = Sdl().grabMode;
    // The way this GL was found to work, and the per-frame copy that works everywhere.
    for (int mode : {found, (int)SDL_GRAB_COPY}) {
        Sdl().grabMode = mode;
        KGraphic::setWorldView(0, 0, 0, 1, true);
        pic->blitRect(0, 0, 64, 48, 0, 0);
        pic->blitRect(0, 0, 64, 48, 736, 552);
        KWindow::flipBackBuffer(false);
        KGraphic grab;
        ASSERT_TRUE(grab.grabFrontBuffer());
        EXPECT_EQ(grab.pictureWidth, SW);
        EXPECT_EQ(grab.pictureHeight, SH);
        if (GetParam()) {
            EXPECT_EQ(grab.textureTarget, (uint32_t)K_TEXTURE_2D);
            EXPECT_EQ(grab.textureWidth, 1024);
            EXPECT_EQ(grab.textureHeight, 1024);
        } else {
            EXPECT_EQ(grab.textureTarget, (uint32_t)K_TEXTURE_RECTANGLE);
            EXPECT_EQ(grab.textureWidth, SW);
        }
        KGraphic::setWorldView(0, 0, 0, 1, true);
        grab.blitRect(0, 0, 64, 48, 200, 100);         // the grabbed top-left corner
        grab.blitRect(736, 552, 800, 600, 300, 100);   // and the bottom-right one
        readBack();
        EXPECT_EQ(mismatches(200, 100, 64, 48, sample), 0) << "grab mode " << mode;
        EXPECT_EQ(mismatches(300, 100, 64, 48, sample), 0) << "grab mode " << mode;
        EXPECT_TRUE(near(at(250, 160), BLACK));
    }
    Sdl().grabMode = found;
}

TEST_P(GLPixels, PowerOfTwoTexelsBeyondThePictureAreTransparent)
{
    KGraphic odd;
    const std::string path = dir + "/odd.bmp";
    ASSERT_TRUE(writeBytes(path, bmp24(3, 17, [](int, int) { return RGB{255, 0, 0}; })));
    ASSERT_TRUE(odd.loadPicture(path.c_str(), true, false));
    KGraphic white;
    const std::string whitePath = dir + "/white2.bmp";
    ASSERT_TRUE(writeBytes(whitePath, bmp24(8, 8, [](int, int) { return RGB{255, 255, 255}; })));
    ASSERT_TRUE(white.loadPicture(whitePath.c_str(), true, false));
    white.blitRect(0, 0, 8, 8, 500, 500);
    odd.blitAlphaRect(0, 0, 8, 8, 500, 500);   // reaches past the picture's 3 columns
    readBack();
    EXPECT_TRUE(near(at(502, 500), RGB{255, 0, 0}));
    if (GetParam()) {
        EXPECT_TRUE(near(at(505, 500), RGB{255, 255, 255})) << "texels past the picture are see-through";
    }
}

INSTANTIATE_TEST_SUITE_P(TexturePaths, GLPixels, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? std::string("PowerOfTwo") : std::string("Rectangle");
                         });

} // namespace
