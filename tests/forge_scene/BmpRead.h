// A tiny reader for the 24-bit uncompressed BMP files the forge writes, enough for the
// tests to look at sizes and pixels.
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace scenetest {

struct Rgb {
    uint8_t r, g, b;
    bool isKey() const { return r == 0 && g == 0 && b == 255; }
    int luminance() const { return (r * 299 + g * 587 + b * 114) / 1000; }
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Bmp {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;   // top row first
    bool ok() const { return width > 0 && height > 0; }
    const Rgb &at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline std::vector<uint8_t> readBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline uint32_t le32(const std::vector<uint8_t> &b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

// An empty Bmp when the file is missing or not a bottom-up 24-bit BMP.
inline Bmp readBmp(const std::string &path) {
    Bmp bmp;
    const std::vector<uint8_t> b = readBytes(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (b[28] | (b[29] << 8)) != 24 || le32(b, 30) != 0)
        return bmp;
    const int w = static_cast<int>(le32(b, 18)), h = static_cast<int>(le32(b, 22));
    const size_t offset = le32(b, 10), row = (static_cast<size_t>(w) * 3 + 3) & ~size_t(3);
    if (w <= 0 || h <= 0 || b.size() < offset + row * h)
        return bmp;
    bmp.width = w;
    bmp.height = h;
    bmp.pixels.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const uint8_t *src = &b[offset + row * (h - 1 - y)];
        for (int x = 0; x < w; ++x)
            bmp.pixels[static_cast<size_t>(y) * w + x] = {src[x * 3 + 2], src[x * 3 + 1], src[x * 3]};
    }
    return bmp;
}

// How many pixels of the rectangle [x0, x1) x [y0, y1) are the colour key.
inline int keyCount(const Bmp &bmp, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            n += bmp.at(x, y).isKey();
    return n;
}

} // namespace scenetest
