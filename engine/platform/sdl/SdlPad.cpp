// The sdl backend's gamepads on SDL's joystick interface: each joystick described as a
// device with X/Y axes and buttons by usage, and its events routed to its pad's queue.
#include "engine/KGamepad.h"
#include "engine/platform/Platform.h"
#include "engine/platform/sdl/SdlState.h"

#include <cstdio>
#include <cstring>

// Element identifiers: axis a is 1 + a, button b is BUTTON_COOKIE + b.
static const uint32_t AXIS_COOKIE = 1;
static const uint32_t BUTTON_COOKIE = 1000;
static const int USAGE_NOT_A_PAD = 0;
static const int PEEK_BATCH = 32;

struct PadBinding {
    SDL_Joystick *joystick;
    SDL_JoystickID instance;
};
static PadBinding bindings[PAD_SLOTS] = {{nullptr, -1}, {nullptr, -1}};
static bool joystickReady;

// Joysticks and game controllers only: motion sensors that present themselves as
// joysticks, and devices with neither axes nor buttons, are left out.
static bool looksLikePad(const char *name, int axes, int buttons)
{
    if (axes <= 0 && buttons <= 0)
        return false;
    if (name && (strstr(name, "Accelerometer") || strstr(name, "Motion Sensors") || strstr(name, "IMU")))
        return false;
    return true;
}

static void describeJoystick(int index, KPadDevice *d)
{
    memset(d, 0, sizeof(*d));
    const char *name = SDL_JoystickNameForIndex(index);
    snprintf(d->product, sizeof(d->product), "%s", name ? name : "Joystick");
    SDL_Joystick *j = SDL_JoystickOpen(index);
    const int axes = j ? SDL_JoystickNumAxes(j) : 0;
    const int buttons = j ? SDL_JoystickNumButtons(j) : 0;
    d->usagePage = PAD_PAGE_DESKTOP;
    d->usage = looksLikePad(name, axes, buttons) ? PAD_USAGE_JOYSTICK : USAGE_NOT_A_PAD;
    for (int a = 0; a < axes && a < 2; a++) {
        KPadElement &e = d->elements[d->elementCount++];
        e.cookie = AXIS_COOKIE + a;
        e.usagePage = PAD_PAGE_DESKTOP;
        e.usage = a == 0 ? PAD_USAGE_X : PAD_USAGE_Y;
        e.min = -32768;
        e.max = 32767;
        e.hasRange = true;
    }
    for (int b = 0; b < buttons && d->elementCount < PAD_MAX_ELEMENTS; b++) {
        KPadElement &e = d->elements[d->elementCount++];
        e.cookie = BUTTON_COOKIE + b;
        e.usagePage = PAD_PAGE_BUTTON;
        e.usage = b + 1;
    }
    if (j)
        SDL_JoystickClose(j);
}

int Plat_PadScan(KPadDevice *devices, int max)
{
    if (!joystickReady) {
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");   // pads read as the system queued them
        joystickReady = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    }
    if (!joystickReady)
        return -1;   // no joystick support: no pads, the game plays on
    SDL_JoystickEventState(SDL_ENABLE);
    const int count = SDL_NumJoysticks();
    if (count <= 0)
        return -1;
    int n = 0;
    for (int i = 0; i < count && n < max; i++)
        describeJoystick(i, &devices[n++]);
    return n;
}

void Plat_PadBind(int device, int slot)
{
    if (slot < 0 || slot >= PAD_SLOTS)
        return;
    SDL_Joystick *j = SDL_JoystickOpen(device);
    if (bindings[slot].joystick)
        SDL_JoystickClose(bindings[slot].joystick);
    bindings[slot].joystick = j;
    bindings[slot].instance = j ? SDL_JoystickInstanceID(j) : -1;
}

static int slotOf(SDL_JoystickID instance)
{
    for (int slot = PAD_SLOTS - 1; slot >= 0; slot--)
        if (bindings[slot].joystick && bindings[slot].instance == instance)
            return slot;
    return -1;
}

void Sdl_RoutePadEvent(const SDL_Event &e)
{
    if (e.type == SDL_JOYAXISMOTION) {
        const int slot = slotOf(e.jaxis.which);
        if (slot >= 0)
            Pad_PostEvent(slot, AXIS_COOKIE + e.jaxis.axis, e.jaxis.value);
    } else if (e.type == SDL_JOYBUTTONDOWN || e.type == SDL_JOYBUTTONUP) {
        const int slot = slotOf(e.jbutton.which);
        if (slot >= 0)
            Pad_PostEvent(slot, BUTTON_COOKIE + e.jbutton.button, e.jbutton.state == SDL_PRESSED ? 1 : 0);
    }
}

// Takes only the joystick events out of SDL's queue; window events stay for the pump.
void Plat_PadPump()
{
    if (!joystickReady)
        return;
    SDL_PumpEvents();
    SDL_Event events[PEEK_BATCH];
    int n;
    while ((n = SDL_PeepEvents(events, PEEK_BATCH, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_JOYBUTTONUP)) > 0)
        for (int i = 0; i < n; i++)
            Sdl_RoutePadEvent(events[i]);
}
