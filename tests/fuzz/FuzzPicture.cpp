// Fuzzes picture loading on the headless backend: any bytes as a picture file (the
// decoder is picked by the first bytes: BMP, JPEG and the others the decoder knows),
// loaded with and without the colour key, alpha and power-of-two textures, then drawn.
#include <string>

#include "engine/KGraphic.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    Headless::reset();
    KGraphic::setScreenSize(800, 600, 16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // The loading options come from the length, so the seeds stay plain picture files.
    const bool colourKey = size & 1, withAlpha = size & 2, powerOfTwo = size & 4;
    const std::string path = fuzz::Folder().write("picture.bmp", data, size);
    KWindow::forcePowerOfTwoTextures(powerOfTwo);
    {
        KGraphic picture;
        picture.setColorKey(colourKey, 0, 0, 255);
        if (picture.loadPicture(path.c_str(), withAlpha, size & 8)) {
            FUZZ_CHECK(picture.pictureWidth > 0 && picture.pictureHeight > 0);
            FUZZ_CHECK(picture.textureWidth >= picture.pictureWidth);
            FUZZ_CHECK(picture.textureHeight >= picture.pictureHeight);
            Headless::TextureInfo info;
            FUZZ_CHECK(Headless::textureInfo(picture.textureId, &info));
            FUZZ_CHECK(info.width == (int)picture.textureWidth && info.height == (int)picture.textureHeight);
            picture.blitRect(0, 0, picture.pictureWidth, picture.pictureHeight, 0, 0);
            picture.blitAlphaRect(-5, -5, picture.pictureWidth + 5, 3, 790, 590, true, true);
        } else {
            FUZZ_CHECK(picture.pictureWidth == 0);
        }
        FUZZ_CHECK(picture.offscreen == nullptr);   // the decoded copy never outlives a load
    }
    FUZZ_CHECK(Headless::liveTextures() == 0);
    Headless::clearDrawList();
    Headless::clearMessages();
    return 0;
}
