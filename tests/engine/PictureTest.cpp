// Pictures on the headless backend: decoding for sizes, the texture kind and size rules,
// the colour key in the generic image, the alerts for bad files, the draw list.
#include "engine/KGraphic.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"
#include "tests/engine/TestPictures.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <string>

using namespace testpictures;

namespace {

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        Headless::reset();
        KGraphic::setScreenSize(800, 600, 16);
        char tmpl[] = "/tmp/zumbo-pictures-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override
    {
        std::string cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(cmd.c_str()), 0);
    }
    std::string file(const std::string &name, const std::vector<uint8_t> &bytes)
    {
        const std::string path = dir + "/" + name;
        EXPECT_TRUE(writeBytes(path, bytes));
        return path;
    }
    std::string plainBmp(int w, int h)
    {
        return file("p" + std::to_string(w) + "x" + std::to_string(h) + ".bmp",
                    bmp24(w, h, [](int x, int y) { return RGB{(uint8_t)x, (uint8_t)y, 7}; }));
    }
    std::string dir;
};

TEST_F(Pictures, PictureBeforeScreenSizeWarnsButWorks)
{
    KGraphic::screenWidth = 0;
    KGraphic early;
    ASSERT_EQ(Headless::messages().size(), 1u);
    EXPECT_EQ(Headless::messages()[0].first, "Screen Dimensions not specified, you will not see anything");
    EXPECT_EQ(Headless::messages()[0].second, "KGraphic::SetScreenSize Not Called!");
    EXPECT_EQ(early.pictureWidth, 0);
    EXPECT_EQ(early.blendSource, K_SRC_ALPHA);
    EXPECT_EQ(early.blendDest, K_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(early.textureTarget, (uint32_t)K_TEXTURE_2D);
}

struct TextureCase {
    int w, h;
    bool rectangles;
    uint32_t target;
    int tw, th;
};

TEST_F(Pictures, TextureKindAndSize)
{
    const TextureCase cases[] = {
        {800, 600, true, K_TEXTURE_RECTANGLE, 800, 600},
        {256, 256, true, K_TEXTURE_2D, 256, 256},
        {2, 2, true, K_TEXTURE_RECTANGLE, 2, 2},
        {4, 4, true, K_TEXTURE_2D, 4, 4},
        {800, 600, false, K_TEXTURE_2D, 1024, 1024},
        {3, 17, false, K_TEXTURE_2D, 32, 32},
        {1, 1, false, K_TEXTURE_2D, 4, 4},
        {64, 64, false, K_TEXTURE_2D, 64, 64},
    };
    for (const TextureCase &c : cases) {
        KWindow::hasRectangleText = c.rectangles;
        KGraphic pic;
        ASSERT_TRUE(pic.loadPicture(plainBmp(c.w, c.h).c_str(), true, false)) << c.w << "x" << c.h;
        EXPECT_EQ(pic.pictureWidth, c.w);
        EXPECT_EQ(pic.pictureHeight, c.h);
        EXPECT_EQ(pic.textureTarget, c.target) << c.w << "x" << c.h;
        EXPECT_EQ(pic.textureWidth, c.tw);
        EXPECT_EQ(pic.textureHeight, c.th);
        Headless::TextureInfo info;
        ASSERT_TRUE(Headless::textureInfo(pic.textureId, &info));
        EXPECT_EQ(info.width, c.tw);
        EXPECT_EQ(info.height, c.th);
    }
    KWindow::hasRectangleText = true;
    KWindow::forcePowerOfTwoTextures(true);
    KGraphic forced;
    ASSERT_TRUE(forced.loadPicture(plainBmp(800, 600).c_str(), true, false));
    EXPECT_EQ(forced.textureTarget, (uint32_t)K_TEXTURE_2D);
    EXPECT_EQ(forced.textureWidth, 1024);
}

TEST_F(Pictures, ColourKeyMatchesExactlyInTheGenericImage)
{
    // Top row: key blue, almost blue, white; bottom row: black, key blue, red.
    const RGB grid[2][3] = {{{0, 0, 255}, {0, 0, 254}, {255, 255, 255}}, {{0, 0, 0}, {0, 0, 255}, {255, 0, 0}}};
    const std::string path = file("key.bmp", bmp24(3, 2, [&](int x, int y) { return grid[y][x]; }));
    KGraphic pic;
    pic.setColorKey(true, 0, 0, 255);
    std::unique_ptr<unsigned char[]> image(pic.LoadGeneric(path.c_str()));
    ASSERT_TRUE(image);
    EXPECT_EQ(image[12] | image[13] << 8, 3);
    EXPECT_EQ(image[14] | image[15] << 8, 2);
    EXPECT_EQ(image[16], 32);
    for (int k = 0; k < 2; k++) {      // generic rows run bottom up
        for (int x = 0; x < 3; x++) {
            const unsigned char *p = &image[18 + (k * 3 + x) * 4];
            const RGB c = grid[1 - k][x];
            EXPECT_EQ(p[0], c.b);
            EXPECT_EQ(p[1], c.g);
            EXPECT_EQ(p[2], c.r);
            const bool key = c.r == 0 && c.g == 0 && c.b == 255;
            EXPECT_EQ(p[3], key ? 0 : 255) << "row " << k << " column " << x;
        }
    }
    pic.setColorKey(false, 0, 0, 255);
    std::unique_ptr<unsigned char[]> unkeyed(pic.LoadGeneric(path.c_str()));
    ASSERT_TRUE(unkeyed);
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(unkeyed[18 + i * 4 + 3], 255);
}

TEST_F(Pictures, ReloadFreesTheOldTextureAndDeleteFreesTheLast)
{
    const std::string a = plainBmp(8, 8), b = plainBmp(16, 4);
    {
        KGraphic pic;
        ASSERT_TRUE(pic.loadPicture(a.c_str(), true, false));
        ASSERT_TRUE(pic.loadPicture(b.c_str(), false, true));
        EXPECT_EQ(Headless::liveTextures(), 1);
        EXPECT_EQ(pic.pictureWidth, 16);
        pic.freePicture();
        EXPECT_EQ(Headless::liveTextures(), 0);
        EXPECT_EQ(pic.pictureWidth, 0);
        pic.freePicture();
        ASSERT_TRUE(pic.loadPicture(a.c_str(), true, false));
    }
    EXPECT_EQ(Headless::liveTextures(), 0);
}

struct BadCase {
    const char *what;
    std::vector<uint8_t> bytes;   // empty: no file at all
    const char *first, *second;   // second: "" means "the path message"
};

TEST_F(Pictures, BadFilesGiveTheirAlertAndAnEmptyPicture)
{
    std::vector<uint8_t> truncated = bmp24(64, 64, [](int, int) { return RGB{1, 2, 3}; });
    truncated.resize(54 + 100);
    std::vector<uint8_t> headerOnly = bmp24(64, 64, [](int, int) { return RGB{1, 2, 3}; });
    headerOnly.resize(20);
    std::vector<uint8_t> huge = bmp24(4, 4, [](int, int) { return RGB{1, 2, 3}; });
    huge[18] = 0x20;   // claims 20000 x 20000 pixels
    huge[19] = 0x4E;
    huge[22] = 0x20;
    huge[23] = 0x4E;
    const BadCase cases[] = {
        {"missing", {}, "erreur", ""},
        {"text.bmp", {'h', 'e', 'l', 'l', 'o', '\n'}, "erreur", ""},
        {"truncated.bmp", truncated, "error", "Impossible to draw picture."},
        {"header.bmp", headerOnly, "error", "Impossible to draw picture."},
        {"garbage.jpg", garbageJpeg(), "error", "Impossible to draw picture."},
        {"huge.bmp", huge, "error", "Impossible to draw picture."},
        {"zero.bmp", {0}, "erreur", ""},
    };
    for (const BadCase &c : cases) {
        Headless::clearMessages();
        const std::string path = c.bytes.empty() ? dir + "/" + c.what : file(c.what, c.bytes);
        KGraphic pic;
        EXPECT_FALSE(pic.loadPicture(path.c_str(), true, false)) << c.what;
        EXPECT_EQ(Headless::liveTextures(), 0) << c.what;
        ASSERT_EQ(Headless::messages().size(), 1u) << c.what;
        EXPECT_EQ(Headless::messages()[0].first, c.first) << c.what;
        const std::string second = c.second[0] ? c.second : "Impossible to load graphic file : " + path;
        EXPECT_EQ(Headless::messages()[0].second, second) << c.what;
        pic.blitRect(0, 0, 10, 10, 0, 0);   // drawing an empty picture is harmless
    }
}

// A JPEG made here (the data folder's end picture is one), and its bytes.
static std::vector<uint8_t> writeJpeg(const std::string &path, int w, int h)
{
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 200, 120, 40));
    IMG_SaveJPG(s, path.c_str(), 90);
    SDL_FreeSurface(s);
    std::vector<uint8_t> bytes;
    FILE *f = fopen(path.c_str(), "rb");
    for (int c; f && (c = fgetc(f)) != EOF;)
        bytes.push_back((uint8_t)c);
    if (f)
        fclose(f);
    return bytes;
}

TEST_F(Pictures, JpegDecodesOpaqueAndDamagedScanDataNeverCrashes)
{
    const std::string path = dir + "/end.jpg";
    const std::vector<uint8_t> good = writeJpeg(path, 40, 30);
    ASSERT_GT(good.size(), 200u);
    KGraphic pic;
    std::unique_ptr<unsigned char[]> image(pic.LoadGeneric(path.c_str()));
    ASSERT_TRUE(image);
    EXPECT_EQ(image[12] | image[13] << 8, 40);
    EXPECT_EQ(image[14] | image[15] << 8, 30);
    for (int i = 0; i < 40 * 30; i++)
        ASSERT_EQ(image[18 + i * 4 + 3], 255);
    EXPECT_NEAR(image[18 + 2], 200, 8);

    // Noise over the compressed pixels after the headers: decoded as noise, or refused.
    std::vector<uint8_t> damaged = good;
    size_t scan = 0;
    for (size_t i = 0; i + 1 < damaged.size(); i++)
        if (damaged[i] == 0xFF && damaged[i + 1] == 0xDA)
            scan = i;
    ASSERT_GT(scan, 0u);
    uint32_t r = 7;
    for (size_t i = scan + 20; i + 2 < damaged.size(); i++) {
        r = r * 1103515245u + 12345u;
        damaged[i] = (uint8_t)(r >> 16);
    }
    Headless::clearMessages();
    KGraphic noisy;
    if (noisy.loadPicture(file("noisy.jpg", damaged).c_str(), true, false)) {
        EXPECT_EQ(noisy.pictureWidth, 40);
        EXPECT_TRUE(Headless::messages().empty());
    } else {
        ASSERT_EQ(Headless::messages().size(), 1u);
        EXPECT_EQ(Headless::messages()[0].second, "Impossible to draw picture.");
    }
}

TEST_F(Pictures, FailedLoadEmptiesAPictureThatHeldOne)
{
    KGraphic pic;
    ASSERT_TRUE(pic.loadPicture(plainBmp(8, 8).c_str(), true, false));
    EXPECT_FALSE(pic.loadPicture((dir + "/none.bmp").c_str(), true, false));
    EXPECT_EQ(Headless::liveTextures(), 0);
    EXPECT_EQ(pic.pictureWidth, 0);
}

TEST_F(Pictures, BlitsAreRecordedInTheDrawList)
{
    KGraphic pic;
    ASSERT_TRUE(pic.loadPicture(plainBmp(64, 32).c_str(), true, false));
    pic.blitRect(0, 0, 32, 32, 100, 50);
    KWindow::flipBackBuffer(false);
    pic.blitAlphaRect(32, 0, 64, 16, -5, 590, true, false);
    pic.blitFromBackToBack(0, 0, 1, 1, 2, 2);
    const auto &list = Headless::drawList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].picture, "p64x32.bmp");
    EXPECT_EQ(list[0].path, dir + "/p64x32.bmp");
    EXPECT_FALSE(list[0].blended);
    EXPECT_EQ(list[0].destX, 100);
    EXPECT_EQ(list[0].destY, 50);
    EXPECT_EQ(list[0].x2, 32);
    EXPECT_EQ(list[0].frame, 0u);
    EXPECT_TRUE(list[1].blended);
    EXPECT_TRUE(list[1].flipX);
    EXPECT_FALSE(list[1].flipY);
    EXPECT_EQ(list[1].destX, -5);
    EXPECT_EQ(list[1].destY, 590);
    EXPECT_EQ(list[1].x1, 32);
    EXPECT_EQ(list[1].y2, 16);
    EXPECT_EQ(list[1].frame, 1u);
    Headless::clearDrawList();
    EXPECT_TRUE(Headless::drawList().empty());
}

TEST_F(Pictures, WorldViewClearsAndLoadsResetIt)
{
    KGraphic::setWorldView(0, 0, 0, 0, true);
    EXPECT_EQ(Headless::clearCount(), 1u);
    KGraphic::setWorldView(10, 10, 90, 2, false);
    EXPECT_EQ(Headless::worldView().angle, 90);
    KGraphic pic;
    ASSERT_TRUE(pic.loadPicture(plainBmp(4, 4).c_str(), true, false));
    EXPECT_EQ(Headless::worldView().zoom, 1);
    EXPECT_EQ(Headless::worldView().x, 0);
}

TEST_F(Pictures, GrabMakesAScreenSizedPicture)
{
    KGraphic grab;
    ASSERT_TRUE(grab.grabFrontBuffer());
    EXPECT_EQ(grab.pictureWidth, 800);
    EXPECT_EQ(grab.pictureHeight, 600);
    EXPECT_EQ(grab.textureTarget, (uint32_t)K_TEXTURE_2D);
    EXPECT_EQ(grab.textureWidth, 1024);
    EXPECT_EQ(grab.textureHeight, 1024);
    grab.blitRect(0, 0, 800, 600, 0, 0);
    EXPECT_EQ(Headless::drawList().back().picture, "");
}

} // namespace
