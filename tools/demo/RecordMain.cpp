// zumbo_demo_record <demo> <level> [random]: a person plays one game on the real backend
// from the given level and every frame's input is written as a demo. The window's flip
// is wrapped at link time so the input the next frame sees is read right after it, and
// the platform's input reads are wrapped so that the whole frame sees that one reading:
// the game pumps events several times a frame, and an X event landing between two pumps
// would otherwise reach the game but not the demo.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KRandom.h"
#include "engine/KWindow.h"
#include "frontend/Menu.h"
#include "level/Level.h"
#include "play/MainGame.h"
#include "shell/Pointer.h"
#include "shell/Startup.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tools/demo/DemoFile.h"
#include "tools/demo/DemoState.h"
#include "tools/rungame/DirectStart.h"

extern "C" void __real__ZN7KWindow14flipBackBufferEb(bool waitForFocus);
extern "C" int __real__Z11Plat_MouseXv();
extern "C" int __real__Z11Plat_MouseYv();
extern "C" bool __real__Z16Plat_MouseButtonv();
extern "C" bool __real__Z12Plat_KeyDowni(int keyCode);
extern "C" void __real__Z14Plat_WarpMouseii(int x, int y);
extern "C" void __real__Z12Plat_PadPumpv();

namespace {

DemoFile gDemo;
bool gRecording = false;
uint64_t gLastHash = 0;   // the state after the latest flip, for comparing with a replay

// A screen that waits for the player reads the input over and over without flipping:
// after this many reads in one frame it is given the live input until the next flip
// (a replay goes on through such a wait by looking at the next frames' input).
const long kWaitingReads = 20000;

// This frame's reading of the input, held from one flip to the next while recording.
struct HeldInput {
    bool held = false;
    long reads = 0;
    int x = 0, y = 0;
    bool button = false;
    std::map<int, bool> keys;   // by key code, read on first use
};
HeldInput gHeld;

// Starts a new frame's reading: pad events are taken in now and nowhere else.
void ReadInputAfresh() {
    gHeld = HeldInput();
    __real__Z12Plat_PadPumpv();
    gHeld.x = __real__Z11Plat_MouseXv();
    gHeld.y = __real__Z11Plat_MouseYv();
    gHeld.button = __real__Z16Plat_MouseButtonv();
    gHeld.held = true;
}

// The input as the game polls it now. Pause is left out: a paused game stands still
// between two flips, so the demo plays on as if it had not stopped.
DemoFrame SampleInput() {
    DemoFrame f;
    f.x = KInput::getMouseX();
    f.y = KInput::getMouseY();
    f.button = KInput::getLeftButtonState();
    for (int k = 0; k < KEY_COUNT; k++)
        f.keys[k] = k != KEY_P && KInput::isPressed(static_cast<EKeyboardLayout>(k));
    if (isGamePad) {
        f.padAxis = KInput::joyLeft(0) ? -1 : KInput::joyRight(0) ? 1 : 0;
        for (int b = 0; b < DEMO_PAD_BUTTONS; b++)
            if (KInput::joyButtonN(0, b))
                f.padButtons |= static_cast<uint8_t>(1u << b);
    }
    return f;
}

} // namespace

extern "C" void __wrap__ZN7KWindow14flipBackBufferEb(bool waitForFocus) {
    // The flip itself sees the live input: it only watches for the quit chord, which
    // a quick press could otherwise slip between two frames' readings.
    gHeld.held = false;
    __real__ZN7KWindow14flipBackBufferEb(waitForFocus);
    if (!gRecording)
        return;
    gLastHash = Demo_HashGameState();
    ReadInputAfresh();
    gDemo.frames.push_back(SampleInput());
}

// True while this frame's reading stands.
static bool Held() {
    if (gHeld.held && ++gHeld.reads > kWaitingReads)
        gHeld.held = false;
    return gHeld.held;
}

extern "C" int __wrap__Z11Plat_MouseXv() { return Held() ? gHeld.x : __real__Z11Plat_MouseXv(); }
extern "C" int __wrap__Z11Plat_MouseYv() { return Held() ? gHeld.y : __real__Z11Plat_MouseYv(); }

extern "C" bool __wrap__Z16Plat_MouseButtonv() {
    return Held() ? gHeld.button : __real__Z16Plat_MouseButtonv();
}

extern "C" bool __wrap__Z12Plat_KeyDowni(int keyCode) {
    if (!Held())
        return __real__Z12Plat_KeyDowni(keyCode);
    auto known = gHeld.keys.find(keyCode);
    if (known == gHeld.keys.end())
        known = gHeld.keys.emplace(keyCode, __real__Z12Plat_KeyDowni(keyCode)).first;
    return known->second;
}

// The game moves the pointer itself (keys and pad nudge it): the rest of the frame sees
// the new place, as a replay does.
extern "C" void __wrap__Z14Plat_WarpMouseii(int x, int y) {
    __real__Z14Plat_WarpMouseii(x, y);
    gHeld.x = x;
    gHeld.y = y;
}

extern "C" void __wrap__Z12Plat_PadPumpv() {
    if (!Held())
        __real__Z12Plat_PadPumpv();
}

int main(int argc, char **argv) {
    if ((argc != 3 && argc != 4) || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: zumbo_demo_record <demo> <level> [random state]\n");
        return 2;
    }
    KMiscTools::initMiscTools();
    const std::string missing = DirectStart_Open();
    if (!missing.empty()) {
        std::fprintf(stderr, "zumbo_demo_record: %s\n", missing.c_str());
        DirectStart_Close();
        return 1;
    }
    gMaxLevel = Vuz_GetIniValue("levelcount");
    gAllowLevel = 1;
    gCurrentlySelectedLevel = std::atoi(argv[2]);
    if (gCurrentlySelectedLevel > gMaxLevel) {
        std::fprintf(stderr, "zumbo_demo_record: there are %d levels\n", gMaxLevel);
        return 2;
    }
    gDemo.level = gCurrentlySelectedLevel;
    if (argc == 4)
        KRandom::setState(static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)));
    gDemo.randomState = KRandom::getState();
    ReadInputAfresh();
    gDemo.frames.push_back(SampleInput());
    gRecording = true;
    const bool played = Go_MainGame(false);
    gRecording = false;
    gHeld = HeldInput();
    // the last flip's input was never played
    if (gDemo.frames.size() > 1)
        gDemo.frames.pop_back();
    DirectStart_Close();
    if (!played) {
        std::fprintf(stderr, "zumbo_demo_record: level %d could not be played\n", gCurrentlySelectedLevel);
        return 1;
    }
    if (!Demo_Save(argv[1], gDemo)) {
        std::fprintf(stderr, "zumbo_demo_record: cannot write %s\n", argv[1]);
        return 1;
    }
    // a replay's last line must match this one
    std::printf("%s: %zu frames from level %d, last state %s\n", argv[1], gDemo.frames.size(), gDemo.level,
                Demo_HashLine(static_cast<uint32_t>(gDemo.frames.size()), gLastHash).c_str());
    return 0;
}
