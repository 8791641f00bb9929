// Writes a level map byte by byte in little-endian order, so the file is the same
// on every machine: header, four names, used brick slots, then zeroed slots.
#include "tools/forge/levels/MapWriter.h"
#include "tools/forge/common/BrickDesigns.h"

#include <algorithm>
#include <cstring>

namespace forge {

namespace {

void putU16(std::vector<uint8_t> &m, size_t at, int v) {
    const uint16_t u = static_cast<uint16_t>(static_cast<int16_t>(v));
    m[at] = static_cast<uint8_t>(u & 0xFF);
    m[at + 1] = static_cast<uint8_t>(u >> 8);
}

void putF32(std::vector<uint8_t> &m, size_t at, float v) {
    uint32_t u;
    std::memcpy(&u, &v, sizeof u);
    for (int i = 0; i < 4; ++i)
        m[at + i] = static_cast<uint8_t>(u >> (8 * i));
}

void putName(std::vector<uint8_t> &m, size_t at, const std::string &name) {
    const size_t n = std::min(name.size(), kNameSize - 1);
    std::memcpy(&m[at], name.data(), n);  // the rest stays zero: terminated
}

void putBrick(std::vector<uint8_t> &m, size_t at, const PlacedBrick &b) {
    const BrickDesign &d = kBrickDesigns[b.design];
    putU16(m, at + 0, 0);              // reserved
    putU16(m, at + 2, d.x);            // srcLeft
    putU16(m, at + 4, d.x + d.w);      // srcRight
    putU16(m, at + 6, d.y);            // srcTop
    putU16(m, at + 8, d.y + d.h);      // srcBottom
    putF32(m, at + 12, static_cast<float>(b.left));
    putF32(m, at + 16, static_cast<float>(b.top));
    putF32(m, at + 20, static_cast<float>(b.left + d.w));
    putF32(m, at + 24, static_cast<float>(b.top + d.h));
    m[at + 28] = 1;                    // visible
    m[at + 29] = 1;                    // present
    putF32(m, at + 32, d.w / 2.0f);    // centre offsets
    putF32(m, at + 36, d.h / 2.0f);
    putF32(m, at + 40, 0.0f);          // spare values
    putF32(m, at + 44, 0.0f);
    putU16(m, at + 48, b.bonus);
    putU16(m, at + 50, 0);             // hits
    putU16(m, at + 52, b.strength);
    putU16(m, at + 54, 0);             // explosion: none
    putU16(m, at + 56, 0);
    putU16(m, at + 58, 0);
}

} // namespace

std::vector<uint8_t> buildMap(const LevelPlan &plan) {
    std::vector<uint8_t> m(kMapSize, 0);
    putF32(m, 0, plan.gravity);
    putF32(m, 4, plan.maxSpeed);
    putF32(m, 8, plan.increment);
    putName(m, kIslandOffset, plan.island);
    putName(m, kBricksFileOffset, kBricksFileName);
    putName(m, kMusicOffset, plan.music);
    putName(m, kGrassOffset, kGrassFileName);
    for (size_t i = 0; i < plan.bricks.size() && i < kBrickSlots; ++i)
        putBrick(m, kBricksOffset + i * kBrickRecordSize, plan.bricks[i]);
    return m;
}

} // namespace forge
