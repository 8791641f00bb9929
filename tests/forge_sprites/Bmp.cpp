// A reader for the forge's 24-bit BMP files (see Bmp.h).
#include "Bmp.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace bmptest {

static unsigned le32(const std::vector<unsigned char> &b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | unsigned(b[at + 3]) << 24;
}
static unsigned le16(const std::vector<unsigned char> &b, size_t at) { return b[at] | b[at + 1] << 8; }

std::vector<unsigned char> readBytes(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool readBmp(const std::string &path, Picture &out) {
    const std::vector<unsigned char> b = readBytes(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || le16(b, 28) != 24 || le32(b, 30) != 0)
        return false;
    const int w = int(le32(b, 18));
    const int h = int(le32(b, 22));
    const size_t offset = le32(b, 10);
    const size_t rowBytes = (size_t(w) * 3 + 3) & ~size_t(3);
    if (w <= 0 || h <= 0 || b.size() < offset + rowBytes * h)
        return false;
    out.width = w;
    out.height = h;
    out.rgb.assign(size_t(w) * h * 3, 0);
    for (int y = 0; y < h; ++y) {
        const size_t row = offset + rowBytes * (h - 1 - y);   // stored bottom-up
        for (int x = 0; x < w; ++x) {
            unsigned char *px = &out.rgb[(size_t(y) * w + x) * 3];
            px[0] = b[row + x * 3 + 2];
            px[1] = b[row + x * 3 + 1];
            px[2] = b[row + x * 3 + 0];
        }
    }
    return true;
}

bool Picture::isKey(int x, int y) const {
    const unsigned char *px = &rgb[(size_t(y) * width + x) * 3];
    return px[0] == 0 && px[1] == 0 && px[2] == 255;
}

int visibleIn(const Picture &p, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(p.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(p.width, x1); ++x)
            n += !p.isKey(x, y);
    return n;
}

int topVisibleRow(const Picture &p, int x0, int x1, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
        if (visibleIn(p, x0, y, x1, y + 1) > 0)
            return y;
    return -1;
}

int lowestVisibleRow(const Picture &p, int x0, int x1, int y0, int y1) {
    for (int y = y1 - 1; y >= y0; --y)
        if (visibleIn(p, x0, y, x1, y + 1) > 0)
            return y;
    return -1;
}

} // namespace bmptest
