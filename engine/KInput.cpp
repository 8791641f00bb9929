// KInput: polled mouse and keyboard, the pointer's show/hide counter and warp, and the
// game's gamepad calls over the gamepad layer.
#include "engine/KInput.h"
#include "engine/KGamepad.h"
#include "engine/platform/Platform.h"

int32_t KInput::_cursorVis;
bool KInput::joystick[2];

void KInput::initInput(KWindowHandle)
{
    _cursorVis = 0;
    initHID();
    joystick[0] = joystick[1] = false;
}

int KInput::getMouseX() { return Plat_MouseX(); }

int KInput::getMouseY() { return Plat_MouseY(); }

bool KInput::getLeftButtonState() { return Plat_MouseButton(); }

void KInput::showPointer()
{
    while (_cursorVis < 0) {
        Plat_ShowCursor(true);
        _cursorVis++;
    }
}

void KInput::hidePointer()
{
    while (_cursorVis >= 0) {
        Plat_ShowCursor(false);
        _cursorVis--;
    }
}

void KInput::mousePointerTo(long x, long y) { Plat_WarpMouse((int)x, (int)y); }

bool KInput::isPressed(EKeyboardLayout key)
{
    if ((int)key < 0 || (int)key >= KEY_COUNT)
        return false;
    return Plat_KeyDown(KeyboardLayout[key].keyCode);
}

void KInput::waitForKeyRelease(EKeyboardLayout key)
{
    while (isPressed(key))
        Plat_IdleWait();
}

static bool validPad(char pad) { return pad >= 0 && pad < PAD_SLOTS; }

bool KInput::joyEnable(char pad)
{
    if (!validPad(pad))
        return false;
    char name[PAD_NAME_LEN];
    joystick[(int)pad] = checkGPSetup(pad, name);
    return joystick[(int)pad];
}

void KInput::joyDisable(char pad)
{
    if (validPad(pad))
        joystick[(int)pad] = false;
}

bool KInput::joyLeft(char pad) { return validPad(pad) && joystick[(int)pad] && checkGPXAxis(pad) < 0; }

bool KInput::joyRight(char pad) { return validPad(pad) && joystick[(int)pad] && checkGPXAxis(pad) > 0; }

bool KInput::joyButtonN(char pad, long index) { return validPad(pad) && checkGPButtonN(pad, (int)index) > 0; }
