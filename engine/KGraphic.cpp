// KGraphic: a picture file decoded, colour-keyed and turned into one texture (rectangle
// or power-of-two), the blits that draw it as one quad, the world view and the grab.
#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "engine/platform/Platform.h"

#include <cstdio>
#include <cstring>
#include <new>

short KGraphic::screenWidth, KGraphic::screenHeight, KGraphic::screenDepth;
bool KGraphic::_graphicQuality = true;

static const int GENERIC_HEADER = 18;
static const int GENERIC_BPP = 32;

KGraphic::KGraphic()
    : textureId(0), blendSource(0), blendDest(0), textureTarget(K_TEXTURE_2D), offscreen(nullptr),
      colorKeyOn(false), colorKeyRed(0), colorKeyGreen(0), colorKeyBlue(0), pictureWidth(0),
      pictureHeight(0), textureWidth(0), textureHeight(0), hotLeft(0), hotTop(0), hotRight(0),
      hotBottom(0), rollX(0), rollY(0), _hasTexture(false)
{
    if (screenWidth == 0)
        KMiscTools::messageBox("Screen Dimensions not specified, you will not see anything",
                               "KGraphic::SetScreenSize Not Called!");
    setAlphaMode(true);
}

KGraphic::~KGraphic()
{
    freePicture();
    DeleteBitmap();
}

void KGraphic::setColorKey(bool on, unsigned char red, unsigned char green, unsigned char blue)
{
    colorKeyOn = on;
    colorKeyRed = red;
    colorKeyGreen = green;
    colorKeyBlue = blue;
}

void KGraphic::setAlphaMode(bool mode)
{
    blendSource = K_SRC_ALPHA;
    blendDest = mode ? K_ONE_MINUS_SRC_ALPHA : K_DST_ALPHA;
}

int KGraphic::powerOfTwoSide(int n)
{
    int side = 2;
    while (side < 4 || side < n)
        side *= 2;
    return side;
}

void KGraphic::DeleteBitmap()
{
    if (!offscreen)
        return;
    delete[] offscreen->pixels;
    delete offscreen;
    offscreen = nullptr;
}

bool KGraphic::CreateBitmap(short width, short height)
{
    if (width <= 0 || height <= 0)
        return false;
    pictureWidth = width;
    pictureHeight = height;
    KBitmap *bitmap = new (std::nothrow) KBitmap;
    uint8_t *pixels = new (std::nothrow) uint8_t[(size_t)width * height * 4];
    if (!bitmap || !pixels) {
        delete bitmap;
        delete[] pixels;
        KMiscTools::messageBox("erreur", "Impossible to create  GWorld");
        return false;
    }
    bitmap->width = width;
    bitmap->height = height;
    bitmap->pixels = pixels;
    offscreen = bitmap;
    return true;
}

static const int MAX_PICTURE_SIDE = 32767;   // sizes are 16-bit everywhere after this

bool KGraphic::LoadFileBitmap(const char *path)
{
    DeleteBitmap();
    char message[600];
    snprintf(message, sizeof(message), "Impossible to load graphic file : %s", path ? path : "");
    int width = 0, height = 0, result = PLAT_DECODE_NO_DECODER;
    void *picture = path ? Plat_PictureOpen(path, &width, &height, &result) : nullptr;
    if (!picture && result == PLAT_DECODE_NO_DECODER) {
        KMiscTools::messageBox("erreur", message);
        return false;
    }
    if (!picture) {
        KMiscTools::messageBox("error", "Impossible to draw picture.");
        return false;
    }
    if (width > MAX_PICTURE_SIDE || height > MAX_PICTURE_SIDE ||
        !CreateBitmap((short)width, (short)height)) {
        KMiscTools::messageBox("error", "Impossible to create bitmap for file");
        Plat_PictureClose(picture);
        return false;
    }
    bool drawn = Plat_PictureDraw(picture, offscreen);
    Plat_PictureClose(picture);
    if (!drawn) {
        KMiscTools::messageBox("error", "Impossible to draw picture.");
        return false;
    }
    return true;
}

static void putLittle16(unsigned char *at, int value)
{
    at[0] = (unsigned char)(value & 0xFF);
    at[1] = (unsigned char)((value >> 8) & 0xFF);
}

static int getLittle16(const unsigned char *at) { return at[0] | (at[1] << 8); }

unsigned char *KGraphic::LoadGeneric(const char *path)
{
    if (!LoadFileBitmap(path)) {
        DeleteBitmap();
        return nullptr;
    }
    const int width = offscreen->width, height = offscreen->height;
    unsigned char *image = new (std::nothrow) unsigned char[GENERIC_HEADER + (size_t)width * height * 4];
    if (!image) {
        KMiscTools::messageBox("out of memory (tmpBitmapBits)", "error");
        DeleteBitmap();
        return nullptr;
    }
    memset(image, 0, GENERIC_HEADER);
    putLittle16(image + 12, width);
    putLittle16(image + 14, height);
    image[16] = GENERIC_BPP;
    for (int k = 0; k < height; k++) {
        const uint8_t *src = offscreen->pixels + (size_t)(height - 1 - k) * width * 4;
        unsigned char *dst = image + GENERIC_HEADER + (size_t)k * width * 4;
        for (int x = 0; x < width; x++, src += 4, dst += 4) {
            uint8_t a = src[0], r = src[1], g = src[2], b = src[3];
            if (colorKeyOn && r == colorKeyRed && g == colorKeyGreen && b == colorKeyBlue)
                a = 0;
            dst[0] = b;
            dst[1] = g;
            dst[2] = r;
            dst[3] = a;
        }
    }
    DeleteBitmap();
    return image;
}

static int textureFormat(bool withAlpha, bool highColour)
{
    if (highColour)
        return withAlpha ? PLAT_TEX_RGBA8 : PLAT_TEX_RGB8;
    return withAlpha ? PLAT_TEX_RGBA : PLAT_TEX_RGB;
}

bool KGraphic::loadPicture(const char *path, bool withAlpha, bool highColour)
{
    freePicture();
    unsigned char *image = LoadGeneric(path);
    if (!image)
        return false;
    const int w = getLittle16(image + 12), h = getLittle16(image + 14);
    pictureWidth = textureWidth = (float)w;
    pictureHeight = textureHeight = (float)h;
    const int side = powerOfTwoSide(w > h ? w : h);

    Plat_ResetMatrix();
    textureTarget = K_TEXTURE_RECTANGLE;
    if (!KWindow::getRectangleTexCap()) {
        textureTarget = K_TEXTURE_2D;
        textureWidth = textureHeight = (float)side;
    }
    if ((int)textureWidth == side && (int)textureHeight == side)
        textureTarget = K_TEXTURE_2D;

    const int tw = (int)textureWidth, th = (int)textureHeight;
    uint8_t *staging = new (std::nothrow) uint8_t[(size_t)tw * th * 4]();
    if (!staging) {
        delete[] image;
        KMiscTools::messageBox("out of memory (tmpBitmapBits)", "error");
        pictureWidth = pictureHeight = 0;
        return false;
    }
    for (int y = 0; y < h; y++) {
        const unsigned char *src = image + GENERIC_HEADER + (size_t)(h - 1 - y) * w * 4;
        uint8_t *dst = staging + (size_t)y * tw * 4;
        for (int x = 0; x < w; x++, src += 4, dst += 4) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
            dst[3] = src[3];
        }
    }
    delete[] image;
    textureId = Plat_TextureCreate(textureTarget, tw, th, staging, textureFormat(withAlpha, highColour), path);
    _hasTexture = true;
    setGraphicQuality(_graphicQuality);
    delete[] staging;
    return true;
}

void KGraphic::freePicture()
{
    if (pictureWidth > 0 && _hasTexture) {
        Plat_TextureDelete(textureId);
        _hasTexture = false;
        pictureWidth = pictureHeight = 0;
    }
}

void KGraphic::setScreenSize(short width, short height, short depth)
{
    screenWidth = width;
    screenHeight = height;
    screenDepth = depth;
    setGraphicQuality(false);
    Plat_ScreenSetup();
}

void KGraphic::setDefaultWorldView() { setWorldView(0, 0, 0, 1, false); }

void KGraphic::setWorldView(float x, float y, float angle, float zoom, bool clear)
{
    Plat_WorldView(screenWidth, screenHeight, x, y, angle, zoom, clear);
}

void KGraphic::setGraphicQuality(bool quality)
{
    _graphicQuality = quality;
    Plat_SetFilter(quality);
}

void KGraphic::blitRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX, bool flipY)
{
    GenericBlit(x1, y1, x2, y2, destX, (short)(screenHeight - destY), flipX, flipY);
}

void KGraphic::blitAlphaRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX,
                             bool flipY)
{
    _blended = true;
    GenericBlit(x1, y1, x2, y2, destX, (short)(screenHeight - destY), flipX, flipY);
    _blended = false;
}

// The four texture corners for the four vertices, by (flipX, flipY): index 0 takes
// (x1 or x2), index 1 (y1 or y2).
static const bool FLIP_CORNERS[2][2][4][2] = {
    // flipX false
    {{{0, 0}, {0, 1}, {1, 1}, {1, 0}},     // flipY false: as in the picture
     {{0, 1}, {0, 0}, {1, 0}, {1, 1}}},    // flipY true: top-bottom
    // flipX true
    {{{1, 0}, {1, 1}, {0, 1}, {0, 0}},     // left-right
     {{1, 1}, {1, 0}, {0, 0}, {0, 1}}},    // half a turn
};

void KGraphic::GenericBlit(float x1, float y1, float x2, float y2, short destX, short glY, bool flipX, bool flipY)
{
    KBlit b;
    b.textureId = textureId;
    b.textureTarget = textureTarget;
    b.blendSource = blendSource;
    b.blendDest = blendDest;
    b.blended = _blended;
    b.x1 = x1;
    b.y1 = y1;
    b.x2 = x2;
    b.y2 = y2;
    b.destX = destX;
    b.destY = screenHeight - glY;
    b.flipX = flipX;
    b.flipY = flipY;
    const short W = (short)(int)(x2 - x1), H = (short)(int)(y2 - y1);
    const int vx[4] = {destX, destX, destX + W, destX + W};
    const int vy[4] = {glY, glY - H, glY - H, glY};
    const float sx = textureTarget == K_TEXTURE_2D && textureWidth > 0 ? 1.0f / textureWidth : 1.0f;
    const float sy = textureTarget == K_TEXTURE_2D && textureHeight > 0 ? 1.0f / textureHeight : 1.0f;
    for (int i = 0; i < 4; i++) {
        const bool *corner = FLIP_CORNERS[flipX][flipY][i];
        b.vx[i] = vx[i];
        b.vy[i] = vy[i];
        b.tx[i] = (corner[0] ? x2 : x1) * sx;
        b.ty[i] = (corner[1] ? y2 : y1) * sy;
    }
    Plat_Blit(b);
}

bool KGraphic::grabFrontBuffer()
{
    const int sw = screenWidth, sh = screenHeight;
    if (sw <= 0 || sh <= 0)
        return false;
    const int side = powerOfTwoSide(sw > sh ? sw : sh);
    uint8_t *screen = new (std::nothrow) uint8_t[(size_t)sw * sh * 4];
    uint8_t *texels = new (std::nothrow) uint8_t[(size_t)side * side * 4]();
    if (!screen || !texels) {
        delete[] screen;
        delete[] texels;
        return false;
    }
    const bool rectangle = KWindow::getRectangleTexCap();
    textureTarget = rectangle ? K_TEXTURE_RECTANGLE : K_TEXTURE_2D;
    textureWidth = (float)(rectangle ? sw : side);
    textureHeight = (float)(rectangle ? sh : side);
    if (!Plat_GrabFront(sw, sh, screen))
        memset(screen, 0, (size_t)sw * sh * 4);
    const int tw = (int)textureWidth;
    for (int y = 0; y < sh; y++) {
        const uint8_t *src = screen + (size_t)(sh - 1 - y) * sw * 4;
        uint8_t *dst = texels + (size_t)y * tw * 4;
        for (int x = 0; x < sw; x++, src += 4, dst += 4) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            dst[3] = 255;
        }
    }
    Plat_ResetMatrix();
    textureId = Plat_TextureCreate(textureTarget, tw, (int)textureHeight, texels, PLAT_TEX_RGB, "");
    _hasTexture = true;
    setGraphicQuality(_graphicQuality);
    pictureWidth = (float)sw;
    pictureHeight = (float)sh;
    delete[] screen;
    delete[] texels;
    return true;
}
