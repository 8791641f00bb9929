// KGraphic: one picture held as one texture, loaded from a BMP or JPEG file (with an
// optional colour key), drawn 1:1 by rectangle as one quad; plus the class-wide screen
// size, the world view and the screen grab.
#pragma once
#include <cstdint>

// Texture kinds (the GL's own values, so the game needs no GL header).
#define K_TEXTURE_2D 0x0DE1
#define K_TEXTURE_RECTANGLE 0x84F5
// Blend factors.
#define K_SRC_ALPHA 0x0302
#define K_ONE_MINUS_SRC_ALPHA 0x0303
#define K_DST_ALPHA 0x0304

// A decoded picture: width x height pixels, 4 bytes each as alpha, red, green, blue,
// rows top to bottom.
struct KBitmap {
    int width;
    int height;
    uint8_t *pixels;
};

class KGraphic {
public:
    KGraphic();
    ~KGraphic();
    KGraphic(const KGraphic &) = delete;
    KGraphic &operator=(const KGraphic &) = delete;

    // loading
    void setColorKey(bool on, unsigned char red, unsigned char green, unsigned char blue);
    void setAlphaMode(bool mode);
    bool loadPicture(const char *path, bool withAlpha, bool highColour);
    unsigned char *LoadGeneric(const char *path);   // 18-byte header + BGRA rows bottom-up; delete[]
    bool LoadFileBitmap(const char *path);          // decode into offscreen, alerts on failure
    bool CreateBitmap(short width, short height);
    void DeleteBitmap();
    void freePicture();

    // drawing
    static void setScreenSize(short width, short height, short depth);
    static void setDefaultWorldView();
    static void setWorldView(float x, float y, float angle, float zoom, bool clear);
    void blitRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX = false,
                  bool flipY = false);
    void blitAlphaRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX = false,
                       bool flipY = false);
    void GenericBlit(float x1, float y1, float x2, float y2, short destX, short glY, bool flipX, bool flipY);
    void blitFromBackToBack(short, short, short, short, short, short) {}
    static void setGraphicQuality(bool quality);
    bool grabFrontBuffer();

    // Smallest power of two that is at least 4 and at least n.
    static int powerOfTwoSide(int n);

    uint32_t textureId;
    uint16_t blendSource, blendDest;
    uint32_t textureTarget;
    KBitmap *offscreen;
    bool colorKeyOn;
    unsigned char colorKeyRed, colorKeyGreen, colorKeyBlue;
    float pictureWidth, pictureHeight;
    float textureWidth, textureHeight;
    int32_t hotLeft, hotTop, hotRight, hotBottom, rollX, rollY;   // the game's roll-over buttons

    static short screenWidth, screenHeight, screenDepth;
    static bool _graphicQuality;

private:
    bool _hasTexture;
    bool _blended = false;
};
