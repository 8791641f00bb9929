// The sdl backend's mouse and keyboard: the pointer read live from the display and made
// window- (or scene-) relative, the key table's codes mapped to SDL scancodes.
#include "engine/platform/Platform.h"
#include "engine/platform/sdl/SdlState.h"

// Virtual key codes of the key table and their keys here. The Command key is either Ctrl.
struct KeyMapEntry {
    int code;
    SDL_Scancode scancode, alternative;
};

static const KeyMapEntry KEY_MAP[] = {
    {0x7B, SDL_SCANCODE_LEFT, SDL_SCANCODE_UNKNOWN},      {0x7E, SDL_SCANCODE_UP, SDL_SCANCODE_UNKNOWN},
    {0x7D, SDL_SCANCODE_DOWN, SDL_SCANCODE_UNKNOWN},      {0x7C, SDL_SCANCODE_RIGHT, SDL_SCANCODE_UNKNOWN},
    {0x31, SDL_SCANCODE_SPACE, SDL_SCANCODE_UNKNOWN},     {0x38, SDL_SCANCODE_LSHIFT, SDL_SCANCODE_UNKNOWN},
    {0x3C, SDL_SCANCODE_RSHIFT, SDL_SCANCODE_UNKNOWN},    {0x24, SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER},
    {0x3E, SDL_SCANCODE_RCTRL, SDL_SCANCODE_UNKNOWN},     {0x3B, SDL_SCANCODE_LCTRL, SDL_SCANCODE_UNKNOWN},
    {0x7A, SDL_SCANCODE_F1, SDL_SCANCODE_UNKNOWN},        {0x78, SDL_SCANCODE_F2, SDL_SCANCODE_UNKNOWN},
    {0x63, SDL_SCANCODE_F3, SDL_SCANCODE_UNKNOWN},        {0x76, SDL_SCANCODE_F4, SDL_SCANCODE_UNKNOWN},
    {0x60, SDL_SCANCODE_F5, SDL_SCANCODE_UNKNOWN},        {0x61, SDL_SCANCODE_F6, SDL_SCANCODE_UNKNOWN},
    {0x62, SDL_SCANCODE_F7, SDL_SCANCODE_UNKNOWN},        {0x64, SDL_SCANCODE_F8, SDL_SCANCODE_UNKNOWN},
    {0x65, SDL_SCANCODE_F9, SDL_SCANCODE_UNKNOWN},        {0x6D, SDL_SCANCODE_F10, SDL_SCANCODE_UNKNOWN},
    {0x67, SDL_SCANCODE_F11, SDL_SCANCODE_UNKNOWN},       {0x6F, SDL_SCANCODE_F12, SDL_SCANCODE_UNKNOWN},
    {0x33, SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_UNKNOWN}, {0x30, SDL_SCANCODE_TAB, SDL_SCANCODE_UNKNOWN},
    {0x35, SDL_SCANCODE_ESCAPE, SDL_SCANCODE_UNKNOWN},    {0x00, SDL_SCANCODE_A, SDL_SCANCODE_UNKNOWN},
    {0x0B, SDL_SCANCODE_B, SDL_SCANCODE_UNKNOWN},         {0x08, SDL_SCANCODE_C, SDL_SCANCODE_UNKNOWN},
    {0x02, SDL_SCANCODE_D, SDL_SCANCODE_UNKNOWN},         {0x0E, SDL_SCANCODE_E, SDL_SCANCODE_UNKNOWN},
    {0x03, SDL_SCANCODE_F, SDL_SCANCODE_UNKNOWN},         {0x05, SDL_SCANCODE_G, SDL_SCANCODE_UNKNOWN},
    {0x04, SDL_SCANCODE_H, SDL_SCANCODE_UNKNOWN},         {0x22, SDL_SCANCODE_I, SDL_SCANCODE_UNKNOWN},
    {0x26, SDL_SCANCODE_J, SDL_SCANCODE_UNKNOWN},         {0x28, SDL_SCANCODE_K, SDL_SCANCODE_UNKNOWN},
    {0x25, SDL_SCANCODE_L, SDL_SCANCODE_UNKNOWN},         {0x2E, SDL_SCANCODE_M, SDL_SCANCODE_UNKNOWN},
    {0x2D, SDL_SCANCODE_N, SDL_SCANCODE_UNKNOWN},         {0x1F, SDL_SCANCODE_O, SDL_SCANCODE_UNKNOWN},
    {0x23, SDL_SCANCODE_P, SDL_SCANCODE_UNKNOWN},         {0x0C, SDL_SCANCODE_Q, SDL_SCANCODE_UNKNOWN},
    {0x0F, SDL_SCANCODE_R, SDL_SCANCODE_UNKNOWN},         {0x01, SDL_SCANCODE_S, SDL_SCANCODE_UNKNOWN},
    {0x11, SDL_SCANCODE_T, SDL_SCANCODE_UNKNOWN},         {0x20, SDL_SCANCODE_U, SDL_SCANCODE_UNKNOWN},
    {0x09, SDL_SCANCODE_V, SDL_SCANCODE_UNKNOWN},         {0x0D, SDL_SCANCODE_W, SDL_SCANCODE_UNKNOWN},
    {0x07, SDL_SCANCODE_X, SDL_SCANCODE_UNKNOWN},         {0x10, SDL_SCANCODE_Y, SDL_SCANCODE_UNKNOWN},
    {0x06, SDL_SCANCODE_Z, SDL_SCANCODE_UNKNOWN},         {0x1D, SDL_SCANCODE_0, SDL_SCANCODE_UNKNOWN},
    {0x12, SDL_SCANCODE_1, SDL_SCANCODE_UNKNOWN},         {0x13, SDL_SCANCODE_2, SDL_SCANCODE_UNKNOWN},
    {0x14, SDL_SCANCODE_3, SDL_SCANCODE_UNKNOWN},         {0x15, SDL_SCANCODE_4, SDL_SCANCODE_UNKNOWN},
    {0x17, SDL_SCANCODE_5, SDL_SCANCODE_UNKNOWN},         {0x16, SDL_SCANCODE_6, SDL_SCANCODE_UNKNOWN},
    {0x1A, SDL_SCANCODE_7, SDL_SCANCODE_UNKNOWN},         {0x1C, SDL_SCANCODE_8, SDL_SCANCODE_UNKNOWN},
    {0x19, SDL_SCANCODE_9, SDL_SCANCODE_UNKNOWN},         {0x52, SDL_SCANCODE_KP_0, SDL_SCANCODE_UNKNOWN},
    {0x53, SDL_SCANCODE_KP_1, SDL_SCANCODE_UNKNOWN},      {0x54, SDL_SCANCODE_KP_2, SDL_SCANCODE_UNKNOWN},
    {0x55, SDL_SCANCODE_KP_3, SDL_SCANCODE_UNKNOWN},      {0x56, SDL_SCANCODE_KP_4, SDL_SCANCODE_UNKNOWN},
    {0x57, SDL_SCANCODE_KP_5, SDL_SCANCODE_UNKNOWN},      {0x58, SDL_SCANCODE_KP_6, SDL_SCANCODE_UNKNOWN},
    {0x59, SDL_SCANCODE_KP_7, SDL_SCANCODE_UNKNOWN},      {0x5B, SDL_SCANCODE_KP_8, SDL_SCANCODE_UNKNOWN},
    {0x5C, SDL_SCANCODE_KP_9, SDL_SCANCODE_UNKNOWN},      {0x43, SDL_SCANCODE_KP_MULTIPLY, SDL_SCANCODE_UNKNOWN},
    {0x45, SDL_SCANCODE_KP_PLUS, SDL_SCANCODE_UNKNOWN},   {0x4E, SDL_SCANCODE_KP_MINUS, SDL_SCANCODE_UNKNOWN},
    {0x41, SDL_SCANCODE_KP_PERIOD, SDL_SCANCODE_UNKNOWN}, {0x4B, SDL_SCANCODE_KP_DIVIDE, SDL_SCANCODE_UNKNOWN},
    {0x47, SDL_SCANCODE_NUMLOCKCLEAR, SDL_SCANCODE_KP_CLEAR},
    {0x37, SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL},       {0x3A, SDL_SCANCODE_LALT, SDL_SCANCODE_UNKNOWN},
    {0x3D, SDL_SCANCODE_RALT, SDL_SCANCODE_UNKNOWN},      {0x39, SDL_SCANCODE_CAPSLOCK, SDL_SCANCODE_UNKNOWN},
    {0x6B, SDL_SCANCODE_F14, SDL_SCANCODE_UNKNOWN},       {0x29, SDL_SCANCODE_SEMICOLON, SDL_SCANCODE_UNKNOWN},
    {0x18, SDL_SCANCODE_EQUALS, SDL_SCANCODE_UNKNOWN},    {0x2B, SDL_SCANCODE_COMMA, SDL_SCANCODE_UNKNOWN},
    {0x1B, SDL_SCANCODE_MINUS, SDL_SCANCODE_UNKNOWN},     {0x2F, SDL_SCANCODE_PERIOD, SDL_SCANCODE_UNKNOWN},
    {0x2C, SDL_SCANCODE_SLASH, SDL_SCANCODE_UNKNOWN},     {0x32, SDL_SCANCODE_GRAVE, SDL_SCANCODE_UNKNOWN},
    {0x21, SDL_SCANCODE_LEFTBRACKET, SDL_SCANCODE_UNKNOWN}, {0x2A, SDL_SCANCODE_BACKSLASH, SDL_SCANCODE_UNKNOWN},
    {0x1E, SDL_SCANCODE_RIGHTBRACKET, SDL_SCANCODE_UNKNOWN}, {0x27, SDL_SCANCODE_APOSTROPHE, SDL_SCANCODE_UNKNOWN},
};

static const KeyMapEntry *findKey(int code)
{
    for (const KeyMapEntry &k : KEY_MAP)
        if (k.code == code)
            return &k;
    return nullptr;
}

// SDL only updates its key state while pumping: pump first, so the answer is current.
bool Plat_KeyDown(int keyCode)
{
    const KeyMapEntry *k = findKey(keyCode);
    if (!k || !Sdl().videoReady)
        return false;
    SDL_PumpEvents();
    const Uint8 *keys = SDL_GetKeyboardState(nullptr);
    return keys[k->scancode] || (k->alternative != SDL_SCANCODE_UNKNOWN && keys[k->alternative]);
}

static long floorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Window points to drawable pixels and back (they differ on high-density screens).
static void drawableScale(int *ww, int *wh, int *dw, int *dh)
{
    SDL_GetWindowSize(Sdl().window, ww, wh);
    SDL_GL_GetDrawableSize(Sdl().window, dw, dh);
    if (*ww <= 0 || *wh <= 0 || *dw <= 0 || *dh <= 0)
        *ww = *wh = *dw = *dh = 1;
}

// A window-relative point in the scene's pixels, through the letterbox when the scene is
// stretched over a larger screen.
static void windowToScene(int *x, int *y)
{
    SdlState &s = Sdl();
    if (!s.letterbox || s.viewWidth <= 0 || s.viewHeight <= 0)
        return;
    int ww, wh, dw, dh;
    drawableScale(&ww, &wh, &dw, &dh);
    const long px = floorDiv((long)*x * dw, ww), py = floorDiv((long)*y * dh, wh);
    const int top = dh - s.viewY - s.viewHeight;   // GL's viewport counts from the bottom
    *x = (int)floorDiv((px - s.viewX) * s.sceneWidth, s.viewWidth);
    *y = (int)floorDiv((py - top) * s.sceneHeight, s.viewHeight);
}

// The other way, aiming at the middle of the scene pixel so that a warp reads back as
// the same scene pixel (the game moves the pointer 8 pixels at a time and reads it again).
static void sceneToWindow(int *x, int *y)
{
    SdlState &s = Sdl();
    if (!s.letterbox || s.sceneWidth <= 0 || s.sceneHeight <= 0)
        return;
    int ww, wh, dw, dh;
    drawableScale(&ww, &wh, &dw, &dh);
    const int top = dh - s.viewY - s.viewHeight;
    const long px = s.viewX + floorDiv((long)*x * s.viewWidth * 2 + s.viewWidth, 2L * s.sceneWidth);
    const long py = top + floorDiv((long)*y * s.viewHeight * 2 + s.viewHeight, 2L * s.sceneHeight);
    *x = (int)floorDiv(px * ww * 2 + ww, 2L * dw);
    *y = (int)floorDiv(py * wh * 2 + wh, 2L * dh);
}

static void pointerInScene(int *x, int *y)
{
    SdlState &s = Sdl();
    int gx = 0, gy = 0, wx = 0, wy = 0;
    if (s.videoReady)
        SDL_PumpEvents();   // the global state is only refreshed by the pump
    SDL_GetGlobalMouseState(&gx, &gy);
    if (s.window)
        SDL_GetWindowPosition(s.window, &wx, &wy);
    *x = gx - wx;
    *y = gy - wy;
    windowToScene(x, y);
}

int Plat_MouseX()
{
    int x, y;
    pointerInScene(&x, &y);
    return x;
}

int Plat_MouseY()
{
    int x, y;
    pointerInScene(&x, &y);
    return y;
}

bool Plat_MouseButton()
{
    if (!Sdl().videoReady)
        return false;
    SDL_PumpEvents();
    return (SDL_GetGlobalMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
}

void Plat_WarpMouse(int x, int y)
{
    if (!Sdl().window)
        return;
    sceneToWindow(&x, &y);
    SDL_WarpMouseInWindow(Sdl().window, x, y);
}

// The system pointer keeps a nested hide count, as the game's show/hide counter expects.
void Plat_ShowCursor(bool show)
{
    SdlState &s = Sdl();
    s.hideDepth += show ? -1 : 1;
    if (s.videoReady)
        SDL_ShowCursor(s.hideDepth > 0 ? SDL_DISABLE : SDL_ENABLE);
}
