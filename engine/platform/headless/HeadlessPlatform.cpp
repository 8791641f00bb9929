// The headless backend's platform functions: no window and no GL. Time is virtual,
// input comes from the test's script, and every blit lands in the draw list.
#include "engine/KGamepad.h"
#include "engine/KGraphic.h"
#include "engine/KWindow.h"
#include "engine/platform/Platform.h"
#include "engine/platform/headless/HeadlessState.h"

#include <cstring>

using Headless::state;

static const uint64_t MICROS_PER_READ = 1;
static const uint64_t MICROS_PER_WAIT = 1000;

// --- window and frame -------------------------------------------------------------

void Plat_Init() {}

void Plat_Shutdown()
{
    state().windowOpen = false;
}

bool Plat_OpenWindow(int, int, const char *title)
{
    state().windowOpen = true;
    state().windowed = true;
    state().title = title ? title : "";
    return true;
}

int Plat_OpenFullScreen(int, int)
{
    state().windowOpen = true;
    state().windowed = false;
    return PLAT_FS_OK;
}

bool Plat_TryFullScreenRate(int, int, int rate)
{
    state().triedRates.push_back(rate);
    for (int r : state().displayRates)
        if (r == rate)
            return true;
    return false;
}

void Plat_FallbackFullScreen(int, int) { state().letterboxed = true; }

bool Plat_MakeCurrent() { return true; }

void Plat_SetTitle(const char *title) { state().title = title ? title : ""; }

void Plat_Swap()
{
    Headless::State &s = state();
    s.flips++;
    if (s.quitAfterFlips && s.flips >= s.quitAfterFlips)
        KWindow::_quit = true;
    if (s.flipHook)
        s.flipHook(s.flips);
}

bool Plat_WindowActive() { return state().focused; }

void Plat_RaiseWindow() {}

int Plat_PollEvent()
{
    Headless::State &s = state();
    if (s.pumpHook)
        s.pumpHook();
    if (s.quitRequested) {
        s.quitRequested = false;
        return PLAT_EVENT_CLOSE;
    }
    return PLAT_EVENT_NONE;
}

const char *Plat_Extensions() { return ""; }

void Plat_IdleWait()
{
    Headless::State &s = state();
    s.micros += MICROS_PER_WAIT;
    if (s.pumpHook)
        s.pumpHook();
}

uint64_t Plat_Microseconds()
{
    uint64_t now = state().micros;
    state().micros += MICROS_PER_READ;
    return now;
}

// --- textures and drawing ------------------------------------------------------------

uint32_t Plat_TextureCreate(uint32_t target, int width, int height, const uint8_t *, int format, const char *name)
{
    Headless::State &s = state();
    const uint32_t id = s.nextTexture++;
    s.textures[id] = Headless::TextureInfo{target, width, height, format, name ? name : ""};
    return id;
}

void Plat_TextureDelete(uint32_t id) { state().textures.erase(id); }

void Plat_SetFilter(bool) {}

void Plat_ScreenSetup() {}

void Plat_WorldView(int, int, float x, float y, float angle, float zoom, bool clear)
{
    state().view = Headless::WorldView{x, y, angle, zoom};
    if (clear)
        state().clears++;
}

void Plat_ResetMatrix() { state().view = Headless::WorldView{0, 0, 0, 1}; }

static std::string baseName(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Plat_Blit(const KBlit &b)
{
    Headless::DrawRecord r;
    auto it = state().textures.find(b.textureId);
    r.path = it != state().textures.end() ? it->second.path : std::string();
    r.picture = baseName(r.path);
    r.x1 = b.x1;
    r.y1 = b.y1;
    r.x2 = b.x2;
    r.y2 = b.y2;
    r.destX = b.destX;
    r.destY = b.destY;
    r.blended = b.blended;
    r.flipX = b.flipX;
    r.flipY = b.flipY;
    r.frame = state().flips;
    state().draws.push_back(r);
}

bool Plat_GrabFront(int width, int height, uint8_t *rgba)
{
    memset(rgba, 0, (size_t)width * height * 4);
    return true;
}

// --- input ------------------------------------------------------------------------

int Plat_MouseX() { return state().mouseX; }
int Plat_MouseY() { return state().mouseY; }
bool Plat_MouseButton() { return state().mouseButton; }

void Plat_WarpMouse(int x, int y)
{
    state().mouseX = x;
    state().mouseY = y;
}

void Plat_ShowCursor(bool show) { state().hideDepth += show ? -1 : 1; }

bool Plat_KeyDown(int keyCode) { return keyCode >= 0 && keyCode < 128 && state().keys[keyCode]; }

// --- gamepads -----------------------------------------------------------------------

static void describePad(const Headless::PadDevice &p, KPadDevice *d)
{
    memset(d, 0, sizeof(*d));
    snprintf(d->product, sizeof(d->product), "%s", p.name.c_str());
    d->usagePage = PAD_PAGE_DESKTOP;
    d->usage = p.joystick ? PAD_USAGE_JOYSTICK : 2;   // 2: a mouse
    if (p.hasAxes) {
        for (int a = 0; a < 2; a++) {
            KPadElement &e = d->elements[d->elementCount++];
            e.cookie = Headless::PAD_AXIS_COOKIE + a;
            e.usagePage = PAD_PAGE_DESKTOP;
            e.usage = a == 0 ? PAD_USAGE_X : PAD_USAGE_Y;
            e.min = p.axisMin;
            e.max = p.axisMax;
            e.hasRange = true;
        }
    }
    for (int usage : p.buttonUsages) {
        if (d->elementCount >= PAD_MAX_ELEMENTS)
            break;
        KPadElement &e = d->elements[d->elementCount++];
        e.cookie = Headless::PAD_BUTTON_COOKIE + usage;
        e.usagePage = PAD_PAGE_BUTTON;
        e.usage = usage;
    }
}

int Plat_PadScan(KPadDevice *devices, int max)
{
    Headless::State &s = state();
    if (s.pads.empty())
        return -1;
    int n = 0;
    for (auto &p : s.pads) {
        p.slot = -1;
        if (n < max)
            describePad(p.device, &devices[n++]);
    }
    return n;
}

void Plat_PadBind(int device, int slot)
{
    Headless::State &s = state();
    for (auto &p : s.pads)
        if (p.slot == slot)
            p.slot = -1;
    if (device >= 0 && device < (int)s.pads.size())
        s.pads[device].slot = slot;
}

void Plat_PadPump() {}

// --- system -------------------------------------------------------------------------

void Plat_MessageBox(const char *first, const char *second)
{
    state().messages.push_back(Headless::Message{first, second});
}

long Plat_Launch(const char *path)
{
    state().launched.push_back(path ? path : "");
    return 0;
}
