// The contact sheet: every BMP and JPEG below a data folder, scaled into a labelled grid,
// with the colour key shown as a checkerboard so see-through parts can be judged.
#pragma once
#include <string>
#include <vector>

namespace contact {

// Picture files below `dataDir`, relative to it, sorted so the sheet comes out the same every time.
std::vector<std::string> findPictures(const std::string &dataDir);

// Draws the sheet of the listed pictures (unreadable ones get a marked cell) as a PNG.
bool writeContactSheet(const std::string &dataDir, const std::vector<std::string> &pictures,
                       const std::string &pngPath);

} // namespace contact
