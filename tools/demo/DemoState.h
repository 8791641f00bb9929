// The fingerprint of a game in progress that demos check: balls, wall, capsules,
// bullets, bat, player and generator, folded into one 64-bit hash.
#pragma once
#include <cstdint>
#include <string>

uint64_t Demo_HashGameState();

// "frame 0x0123456789abcdef": the line a replay prints and the expected files hold.
std::string Demo_HashLine(uint32_t frame, uint64_t hash);
