// Small picture files written by the engine tests: uncompressed 24-bit BMPs from a pixel
// function, truncated copies, and files that only pretend to be pictures.
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace testpictures {

struct RGB {
    uint8_t r, g, b;
};

inline void put16(std::vector<uint8_t> &v, uint32_t x)
{
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
inline void put32(std::vector<uint8_t> &v, uint32_t x)
{
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}

// A bottom-up 24-bit BMP; pixel(x, y) with y = 0 the top row.
inline std::vector<uint8_t> bmp24(int w, int h, const std::function<RGB(int, int)> &pixel)
{
    const int stride = (w * 3 + 3) & ~3;
    std::vector<uint8_t> v;
    v.push_back('B');
    v.push_back('M');
    put32(v, 54 + stride * h);
    put32(v, 0);
    put32(v, 54);
    put32(v, 40);
    put32(v, w);
    put32(v, h);
    put16(v, 1);
    put16(v, 24);
    put32(v, 0);
    put32(v, stride * h);
    put32(v, 2835);
    put32(v, 2835);
    put32(v, 0);
    put32(v, 0);
    for (int row = h - 1; row >= 0; row--) {
        for (int x = 0; x < w; x++) {
            RGB c = pixel(x, row);
            v.push_back(c.b);
            v.push_back(c.g);
            v.push_back(c.r);
        }
        for (int p = w * 3; p < stride; p++)
            v.push_back(0);
    }
    return v;
}

inline bool writeBytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

// A JPEG start-of-image marker followed by noise: a decoder is found, decoding fails.
inline std::vector<uint8_t> garbageJpeg()
{
    std::vector<uint8_t> v = {0xFF, 0xD8, 0xFF, 0xE0};
    uint32_t s = 12345;
    for (int i = 0; i < 600; i++) {
        s = s * 1103515245u + 12345u;
        v.push_back((uint8_t)(s >> 16));
    }
    return v;
}

} // namespace testpictures
