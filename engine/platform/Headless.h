// Test control of the headless backend: a virtual clock, scripted input and pads, the
// draw list of every blit, message boxes and launches recorded instead of shown.
// Link zumbo_engine_headless to use it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "engine/KInput.h"

namespace Headless {

// Everything back to the start: clock 0, no input, empty lists, no pads, quit latch off,
// pacing on, no window, no hooks; the engine's statics back to their first values.
void reset();

// --- virtual clock: only the pacing and waiting loops move it (1 ms a pass), and each
// reading of it adds one microsecond, so busy-waits on the clock end.
uint32_t clockMs();                   // what KMiscTools::getMilliseconds reads
uint64_t clockMicros();
void advanceMs(uint32_t ms);
void setClockMicros(uint64_t us);

// --- input script: the state the next reads see
void setMouse(int x, int y);          // window-relative
void setMouseButton(bool down);
void setKey(EKeyboardLayout key, bool down);
void setKeyCode(int keyCode, bool down);   // by virtual key code
void releaseAllKeys();
void requestQuit();                   // like the close box: latched at the next event pump
void setFocus(bool focused);          // window in the foreground or not
int mouseX();
int mouseY();
int cursorHideDepth();                // the system pointer's nested hide count (0: shown)

// --- pads: describe devices before KInput::initInput, then script their events
struct PadDevice {
    std::string name = "Test Pad";
    bool joystick = true;             // false: presents itself as something else (a mouse)
    int32_t axisMin = 0, axisMax = 255;
    std::vector<int> buttonUsages = {1, 2, 3, 4};
    bool hasAxes = true;
};
int addPad(const PadDevice &device);                 // device number, from 0
void pushPadAxis(int device, int axis, int32_t value);   // axis 0 X, 1 Y; always queued
void pushPadButton(int device, int usage, bool down);
void setPadAxis(int device, int axis, int32_t value);    // queued only when it changes
void setPadButton(int device, int usage, bool down);

// --- hooks: a test scripts a whole game from these
void setFlipHook(std::function<void(uint32_t flip)> hook);   // after each flip's swap
void setPumpHook(std::function<void()> hook);                 // at each event pump and idle wait
void setQuitAfterFlips(uint32_t flips);                       // 0: never

// --- full screen: the refresh rates the display accepts at the game's size
void setDisplayRates(const std::vector<int> &rates);
const std::vector<int> &triedRates();
bool letterboxed();

// --- what was drawn
struct DrawRecord {
    std::string picture;              // file name of the picture ("" for a grab)
    std::string path;                 // as loaded
    float x1, y1, x2, y2;
    int destX, destY;
    bool blended;
    bool flipX, flipY;
    uint32_t frame;                   // flips before this blit
};
const std::vector<DrawRecord> &drawList();
void clearDrawList();
uint32_t flipCount();
uint32_t clearCount();                // back-buffer clears by setWorldView
struct WorldView { float x, y, angle, zoom; };
WorldView worldView();

// --- textures
int liveTextures();                   // created and not yet deleted
struct TextureInfo { uint32_t target; int width, height; int format; std::string path; };
bool textureInfo(uint32_t id, TextureInfo *info);

// --- window, message boxes, launches
bool windowOpen();
bool windowed();
std::string windowTitle();
struct Message { std::string first, second; };
const std::vector<Message> &messages();
void clearMessages();
const std::vector<std::string> &launched();

} // namespace Headless
