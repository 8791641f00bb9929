// The test-control API of the headless backend: clock, input script, pads, hooks and
// the recorded draw list, message boxes and launches.
#include "engine/KGamepad.h"
#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"
#include "engine/KRandom.h"
#include "engine/platform/headless/HeadlessState.h"

namespace Headless {

State &state()
{
    static State s;
    return s;
}

void reset()
{
    state() = State();
    KWindow::_hwnd = nullptr;
    KWindow::_openGLContext = nullptr;
    KWindow::_quit = false;
    KWindow::_maxFrameTime = 15;
    KWindow::hasRectangleText = false;
    KWindow::lastFlipTime = 0;
    KWindow::setFramePacing(true);
    KWindow::forcePowerOfTwoTextures(false);
    KInput::_cursorVis = 0;
    KInput::joystick[0] = KInput::joystick[1] = false;
    for (int pad = 0; pad < PAD_SLOTS; pad++) {
        g_hid_queue[pad] = nullptr;
        xAxisCookie[pad] = yAxisCookie[pad] = 0;
        for (int b = 0; b < PAD_BUTTONS; b++)
            buttonCookie[pad][b] = 0;
    }
    currentPad = 0;
    initHID();
    KGraphic::screenWidth = KGraphic::screenHeight = KGraphic::screenDepth = 0;
    KGraphic::_graphicQuality = true;
    KMiscTools::setMessageBoxHook(nullptr);
    KRandom::setState(1);
}

uint32_t clockMs() { return (uint32_t)state().micros / 1000u; }
uint64_t clockMicros() { return state().micros; }
void advanceMs(uint32_t ms) { state().micros += (uint64_t)ms * 1000; }
void setClockMicros(uint64_t us) { state().micros = us; }

void setMouse(int x, int y)
{
    state().mouseX = x;
    state().mouseY = y;
}
void setMouseButton(bool down) { state().mouseButton = down; }
void setKey(EKeyboardLayout key, bool down)
{
    if ((int)key >= 0 && (int)key < KEY_COUNT)
        setKeyCode(KeyboardLayout[key].keyCode, down);
}
void setKeyCode(int keyCode, bool down)
{
    if (keyCode >= 0 && keyCode < 128)
        state().keys[keyCode] = down;
}
void releaseAllKeys() { state().keys.reset(); }
void requestQuit() { state().quitRequested = true; }
void setFocus(bool focused) { state().focused = focused; }
int mouseX() { return state().mouseX; }
int mouseY() { return state().mouseY; }
int cursorHideDepth() { return state().hideDepth; }

int addPad(const PadDevice &device)
{
    PadScript p;
    p.device = device;
    state().pads.push_back(p);
    return (int)state().pads.size() - 1;
}

static PadScript *pad(int device)
{
    if (device < 0 || device >= (int)state().pads.size())
        return nullptr;
    return &state().pads[device];
}

void pushPadAxis(int device, int axis, int32_t value)
{
    PadScript *p = pad(device);
    if (!p || axis < 0 || axis > 1)
        return;
    p->axis[axis] = value;
    if (p->slot >= 0)
        Pad_PostEvent(p->slot, PAD_AXIS_COOKIE + axis, value);
}

void pushPadButton(int device, int usage, bool down)
{
    PadScript *p = pad(device);
    if (!p)
        return;
    p->buttons[usage] = down;
    if (p->slot >= 0)
        Pad_PostEvent(p->slot, PAD_BUTTON_COOKIE + usage, down ? 1 : 0);
}

void setPadAxis(int device, int axis, int32_t value)
{
    PadScript *p = pad(device);
    if (p && axis >= 0 && axis <= 1 && p->axis[axis] != value)
        pushPadAxis(device, axis, value);
}

void setPadButton(int device, int usage, bool down)
{
    PadScript *p = pad(device);
    if (p && p->buttons[usage] != down)
        pushPadButton(device, usage, down);
}

void setFlipHook(std::function<void(uint32_t)> hook) { state().flipHook = std::move(hook); }
void setPumpHook(std::function<void()> hook) { state().pumpHook = std::move(hook); }
void setQuitAfterFlips(uint32_t flips) { state().quitAfterFlips = flips; }

void setDisplayRates(const std::vector<int> &rates) { state().displayRates = rates; }
const std::vector<int> &triedRates() { return state().triedRates; }
bool letterboxed() { return state().letterboxed; }

const std::vector<DrawRecord> &drawList() { return state().draws; }
void clearDrawList() { state().draws.clear(); }
uint32_t flipCount() { return state().flips; }
uint32_t clearCount() { return state().clears; }
WorldView worldView() { return state().view; }

int liveTextures() { return (int)state().textures.size(); }
bool textureInfo(uint32_t id, TextureInfo *info)
{
    auto it = state().textures.find(id);
    if (it == state().textures.end())
        return false;
    if (info)
        *info = it->second;
    return true;
}

bool windowOpen() { return state().windowOpen; }
bool windowed() { return state().windowed; }
std::string windowTitle() { return state().title; }
const std::vector<Message> &messages() { return state().messages; }
void clearMessages() { state().messages.clear(); }
const std::vector<std::string> &launched() { return state().launched; }

} // namespace Headless
