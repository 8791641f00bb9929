// Picture decoding for both backends: SDL_image reads the file (BMP, JPEG, PNG, GIF) and we
// hand back 32-bit pixels as alpha, red, green, blue, rows top down.
#include "engine/KGraphic.h"
#include "engine/platform/Platform.h"

#include <SDL.h>
#include <SDL_image.h>
#include <cstring>

// The file's format from its first bytes (the decoder the file asks for), or null.
static const char *formatOf(SDL_RWops *rw)
{
    unsigned char head[4] = {0, 0, 0, 0};
    const size_t got = SDL_RWread(rw, head, 1, sizeof(head));
    SDL_RWseek(rw, 0, RW_SEEK_SET);
    if (got >= 2 && head[0] == 'B' && head[1] == 'M')
        return "BMP";
    if (got >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF)
        return "JPG";
    if (got >= 4 && head[0] == 0x89 && head[1] == 'P' && head[2] == 'N' && head[3] == 'G')
        return "PNG";
    if (got >= 4 && head[0] == 'G' && head[1] == 'I' && head[2] == 'F' && head[3] == '8')
        return "GIF";
    return nullptr;
}

static const long MAX_PICTURE_SIDE = 16384;   // no picture of the game comes near; a header
                                              // claiming more is damaged, not decoded

static long readAt(SDL_RWops *rw, long offset, int bytes, bool bigEndian)
{
    unsigned char b[4] = {0, 0, 0, 0};
    if (SDL_RWseek(rw, offset, RW_SEEK_SET) < 0 || SDL_RWread(rw, b, 1, (size_t)bytes) != (size_t)bytes)
        return -1;
    unsigned long v = 0;
    for (int i = 0; i < bytes; i++)
        v |= (unsigned long)b[bigEndian ? i : bytes - 1 - i] << (8 * (bytes - 1 - i));
    if (bytes == 4)
        return (long)(int32_t)(uint32_t)v;
    return (long)v;
}

// The size a JPEG announces in its frame header, or false when there is none.
static bool jpegSize(SDL_RWops *rw, long *width, long *height)
{
    long at = 2;
    for (int markers = 0; markers < 1000; markers++) {
        const long ff = readAt(rw, at, 1, true), marker = readAt(rw, at + 1, 1, true);
        const long length = readAt(rw, at + 2, 2, true);
        if (ff != 0xFF || marker < 0 || length < 2)
            return false;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            *height = readAt(rw, at + 5, 2, true);
            *width = readAt(rw, at + 7, 2, true);
            return true;
        }
        if (marker == 0xDA)
            return false;
        at += 2 + length;
    }
    return false;
}

// Whether the size the file's header announces is one worth decoding.
static bool sizeAcceptable(SDL_RWops *rw, const char *format)
{
    long width = 0, height = 0;
    if (format[0] == 'B') {
        width = readAt(rw, 18, 4, false);
        height = readAt(rw, 22, 4, false);
    } else if (format[0] == 'P') {
        width = readAt(rw, 16, 4, true);
        height = readAt(rw, 20, 4, true);
    } else if (format[0] == 'G') {
        width = readAt(rw, 6, 2, false);
        height = readAt(rw, 8, 2, false);
    } else if (!jpegSize(rw, &width, &height)) {
        width = height = 0;   // the decoder will find out
    }
    SDL_RWseek(rw, 0, RW_SEEK_SET);
    if (height < 0)
        height = -height;   // top-down bitmaps
    return width >= 0 && width <= MAX_PICTURE_SIDE && height <= MAX_PICTURE_SIDE;
}

// Only the decoder of the format the first bytes name reads the file: the library's own
// sniffing would hand a damaged JPEG holding "<svg" to its SVG reader.
static SDL_Surface *decodeAs(SDL_RWops *rw, const char *format)
{
    switch (format[0]) {
    case 'B': return IMG_LoadBMP_RW(rw);
    case 'J': return IMG_LoadJPG_RW(rw);
    case 'P': return IMG_LoadPNG_RW(rw);
    default: return IMG_LoadGIF_RW(rw);
    }
}

void *Plat_PictureOpen(const char *path, int *width, int *height, int *result)
{
    *result = PLAT_DECODE_NO_DECODER;
    SDL_RWops *rw = SDL_RWFromFile(path, "rb");
    if (!rw)
        return nullptr;
    const char *format = formatOf(rw);
    if (!format) {
        SDL_RWclose(rw);
        return nullptr;
    }
    *result = PLAT_DECODE_FAILED;
    if (!sizeAcceptable(rw, format)) {
        SDL_RWclose(rw);
        return nullptr;
    }
    SDL_Surface *loaded = decodeAs(rw, format);
    SDL_RWclose(rw);
    if (!loaded)
        return nullptr;
    if (loaded->w > MAX_PICTURE_SIDE || loaded->h > MAX_PICTURE_SIDE) {   // a size the header hid
        SDL_FreeSurface(loaded);
        return nullptr;
    }
    SDL_Surface *argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb)
        return nullptr;
    *width = argb->w;
    *height = argb->h;
    *result = PLAT_DECODE_OK;
    return argb;
}

// Pictures without an alpha channel arrive with alpha 255 from the conversion above;
// those with one keep it.
bool Plat_PictureDraw(void *picture, KBitmap *into)
{
    SDL_Surface *s = (SDL_Surface *)picture;
    if (!s || !into || s->w != into->width || s->h != into->height)
        return false;
    if (SDL_LockSurface(s) != 0)
        return false;
    for (int y = 0; y < s->h; y++) {
        const uint32_t *src = (const uint32_t *)((const uint8_t *)s->pixels + (size_t)y * s->pitch);
        uint8_t *dst = into->pixels + (size_t)y * s->w * 4;
        for (int x = 0; x < s->w; x++, dst += 4) {
            const uint32_t p = src[x];
            dst[0] = (uint8_t)(p >> 24);
            dst[1] = (uint8_t)(p >> 16);
            dst[2] = (uint8_t)(p >> 8);
            dst[3] = (uint8_t)p;
        }
    }
    SDL_UnlockSurface(s);
    return true;
}

void Plat_PictureClose(void *picture) { SDL_FreeSurface((SDL_Surface *)picture); }
