// The level map file: a checked level plan written as the game's fixed-size,
// little-endian record of physics, file names and 200 brick slots.
#pragma once
#include "tools/forge/levels/LevelSource.h"

#include <cstdint>
#include <vector>

namespace forge {

constexpr size_t kMapSize = 13052;
constexpr size_t kNameSize = 260;
constexpr size_t kBrickRecordSize = 60;
constexpr size_t kBrickSlots = 200;
constexpr size_t kIslandOffset = 12;
constexpr size_t kBricksFileOffset = 272;
constexpr size_t kMusicOffset = 532;
constexpr size_t kGrassOffset = 792;
constexpr size_t kBricksOffset = 1052;

constexpr const char *kBricksFileName = "briks1.bmp";
constexpr const char *kGrassFileName = "herbe.bmp";

// The map bytes of a level whose plan passed checkLevel.
std::vector<uint8_t> buildMap(const LevelPlan &plan);

} // namespace forge
