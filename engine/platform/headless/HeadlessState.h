// The headless backend's one state record, shared by its control API and its platform
// functions.
#pragma once
#include "engine/platform/Headless.h"

#include <bitset>
#include <map>

namespace Headless {

struct PadScript {
    PadDevice device;
    int slot = -1;                    // bound by the gamepad search
    int32_t axis[2] = {0, 0};
    std::map<int, bool> buttons;
};

struct State {
    uint64_t micros = 0;
    int mouseX = 0, mouseY = 0;
    bool mouseButton = false;
    std::bitset<128> keys;
    bool quitRequested = false;
    bool focused = true;
    int hideDepth = 0;
    std::vector<PadScript> pads;
    std::function<void(uint32_t)> flipHook;
    std::function<void()> pumpHook;
    uint32_t quitAfterFlips = 0;
    std::vector<int> displayRates;
    std::vector<int> triedRates;
    bool letterboxed = false;
    std::vector<DrawRecord> draws;
    uint32_t flips = 0, clears = 0;
    WorldView view = {0, 0, 0, 1};
    std::map<uint32_t, TextureInfo> textures;
    uint32_t nextTexture = 1;
    bool windowOpen = false, windowed = false;
    std::string title;
    std::vector<Message> messages;
    std::vector<std::string> launched;
};

State &state();

// Pad cookies: axes 1 and 2, button usage u at 100 + u.
const uint32_t PAD_AXIS_COOKIE = 1;
const uint32_t PAD_BUTTON_COOKIE = 100;

} // namespace Headless
