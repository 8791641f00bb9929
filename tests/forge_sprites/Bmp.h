// A reader for the forge's 24-bit BMP files, enough for the tests to look at pixels.
#pragma once
#include <string>
#include <vector>

namespace bmptest {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;   // top row first, 3 bytes a pixel
    bool isKey(int x, int y) const;   // pure blue (0, 0, 255)
};

// False when the file is missing or not an uncompressed 24-bit BMP.
bool readBmp(const std::string &path, Picture &out);
std::vector<unsigned char> readBytes(const std::string &path);

// Visible (non-key) pixels in [x0, x1) x [y0, y1), clipped to the picture.
int visibleIn(const Picture &p, int x0, int y0, int x1, int y1);
// Topmost and lowest visible rows in a column range, -1 when there is none.
int topVisibleRow(const Picture &p, int x0, int x1, int y0, int y1);
int lowestVisibleRow(const Picture &p, int x0, int x1, int y0, int y1);

} // namespace bmptest
