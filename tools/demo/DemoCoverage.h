// What a demo went through, counted after every flip: capsules caught by kind, frames
// with the gun and with the magnet, shots, lives lost and level changes.
#pragma once
#include <cstdint>
#include <string>

struct DemoCoverage {
    int capsules[32] = {};    // capsules that left play on the bat's band, by kind
    uint32_t gunFrames = 0, evilFrames = 0, shots = 0;
    int livesLost = 0, levelChanges = 0, lastLevel = -1, lastLives = -1;
    bool capsuleActive[200] = {};
    float capsuleY[200] = {};
    int capsuleKind[200] = {};
    bool shotActive[10] = {};
};

void DemoCoverage_Update(DemoCoverage *c);
std::string DemoCoverage_Describe(const DemoCoverage &c);
