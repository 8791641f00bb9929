// Reading the generated pictures back for the tests: any BMP or JPEG the game can load,
// as 8-bit RGB, with small helpers to compare regions of two pictures.
#pragma once
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace screentest {

inline std::string gameFile(const std::string &relative) { return std::string(ZUMBO_TEST_GAME_DIR) + "/" + relative; }

struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    bool loaded() const { return width > 0; }
    uint32_t at(int x, int y) const {
        const uint8_t *p = &rgb[(size_t(y) * width + x) * 3];
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
};

inline Picture loadPicture(const std::string &path) {
    Picture pic;
    SDL_Surface *raw = IMG_Load(path.c_str());
    if (!raw)
        return pic;
    SDL_Surface *s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(raw);
    if (!s)
        return pic;
    pic.width = s->w;
    pic.height = s->h;
    pic.rgb.resize(size_t(s->w) * s->h * 3);
    for (int y = 0; y < s->h; ++y) {
        const uint8_t *row = static_cast<const uint8_t *>(s->pixels) + y * s->pitch;
        std::copy(row, row + s->w * 3, pic.rgb.begin() + size_t(y) * s->w * 3);
    }
    SDL_FreeSurface(s);
    return pic;
}

constexpr uint32_t kKeyColour = 0x0000FF;

inline int channelDistance(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        d += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return d;
}

// Mean per-pixel colour distance between `pic` and the part of `under` where it is drawn at (x, y);
// `ringOnly` compares only its outermost row and column of pixels.
inline double meanDistance(const Picture &pic, const Picture &under, int x, int y, bool ringOnly) {
    double sum = 0;
    int n = 0;
    for (int py = 0; py < pic.height; ++py)
        for (int px = 0; px < pic.width; ++px) {
            const bool ring = px == 0 || py == 0 || px == pic.width - 1 || py == pic.height - 1;
            if (ringOnly && !ring)
                continue;
            sum += channelDistance(pic.at(px, py), under.at(x + px, y + py));
            ++n;
        }
    return n ? sum / n : 0;
}

inline int countColour(const Picture &pic, uint32_t colour, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            n += pic.at(x, y) == colour;
    return n;
}

} // namespace screentest
