// KWindow: opening the window or the full screen, the flip with its 14 ms pacing and
// focus wait, and the event pump with the quit latch (close box, Command/Ctrl+Q).
#include "engine/KWindow.h"
#include "engine/KGamepad.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/platform/Platform.h"

#include <cstring>

KWindowHandle KWindow::_hwnd;
void *KWindow::_openGLContext;
bool KWindow::_quit;
uint32_t KWindow::_maxFrameTime = 15;
bool KWindow::hasRectangleText;
uint32_t KWindow::lastFlipTime;

static bool framePacing = true;
static bool forcePowerOfTwo;
static bool surfaceOpen;
static int surfaceToken = 1;          // what _hwnd / _openGLContext point at once open

static const int RATE_PREFERRED = 75;
static const int RATE_HIGHEST = 199;

KWindow::KWindow()
{
    Plat_Init();
    _quit = false;
}

KWindow::~KWindow()
{
    closeHID();
    Plat_Shutdown();
    surfaceOpen = false;
    _hwnd = nullptr;
    _openGLContext = nullptr;
    KInput::showPointer();
}

bool KWindow::createGameWindow(short width, short height, short depth, bool windowed, const char *title)
{
    KMiscTools::initMiscTools();
    if (!windowed) {
        _hwnd = nullptr;
        KInput::initInput(nullptr);
        return SwitchToResolution(width, height, depth);
    }
    if (!Plat_OpenWindow(width, height, " "))
        return false;
    surfaceOpen = true;
    _hwnd = &surfaceToken;
    _openGLContext = &surfaceToken;
    setTitle(title);
    Plat_RaiseWindow();
    KInput::initInput(_hwnd);
    KGraphic::setScreenSize(width, height, depth);
    detectCaps();
    return true;
}

// The refresh-rate search: 75 down to 0; unless a rate above 0 was taken, 75 up to 199;
// failing all, one last request at 0 whose answer is ignored.
static void searchRefreshRate(int width, int height)
{
    int accepted = -1;
    for (int rate = RATE_PREFERRED; rate >= 0 && accepted < 0; rate--)
        if (Plat_TryFullScreenRate(width, height, rate))
            accepted = rate;
    if (accepted > 0)
        return;
    for (int rate = RATE_PREFERRED; rate <= RATE_HIGHEST; rate++)
        if (Plat_TryFullScreenRate(width, height, rate))
            return;
    if (!Plat_TryFullScreenRate(width, height, 0))
        Plat_FallbackFullScreen(width, height);
}

static void *SetupGLFullScreen(short width, short height)
{
    switch (Plat_OpenFullScreen(width, height)) {
    case PLAT_FS_NO_GL:
        KMiscTools::messageBox("OpenGL not installed", "openGL error");
        return nullptr;
    case PLAT_FS_NO_PIXEL_FORMAT:
        KMiscTools::messageBox("Could not find valid pixel format", "openGL error");
        return nullptr;
    case PLAT_FS_NO_CONTEXT:
        KMiscTools::messageBox("Could not create context", "openGL");
        return nullptr;
    default:
        break;
    }
    surfaceOpen = true;
    searchRefreshRate(width, height);
    if (!Plat_MakeCurrent()) {
        KMiscTools::messageBox("SetCurrentContext failed", "openGL error");
        Plat_Shutdown();
        surfaceOpen = false;
        return nullptr;
    }
    return &surfaceToken;
}

bool KWindow::SwitchToResolution(short width, short height, short depth)
{
    _openGLContext = SetupGLFullScreen(width, height);
    if (!_openGLContext)
        return false;
    KGraphic::setScreenSize(width, height, depth);
    detectCaps();
    return true;
}

bool KWindow::extensionsHaveRectangle(const char *extensions)
{
    return extensions && (strstr(extensions, "GL_EXT_texture_rectangle") ||
                          strstr(extensions, "GL_NV_texture_rectangle"));
}

void KWindow::detectCaps()
{
    if (extensionsHaveRectangle(Plat_Extensions()))
        hasRectangleText = true;
}

bool KWindow::getRectangleTexCap() { return hasRectangleText && !forcePowerOfTwo; }

KWindowHandle KWindow::getWindowHandle() { return _hwnd; }

void KWindow::setFramePacing(bool on) { framePacing = on; }

void KWindow::forcePowerOfTwoTextures(bool on) { forcePowerOfTwo = on; }

void KWindow::flipBackBuffer(bool waitForFocus)
{
    Plat_MakeCurrent();
    uint32_t t0 = KMiscTools::getMilliseconds();
    Plat_Swap();
    processEvents();
    if (framePacing && t0 - lastFlipTime <= _maxFrameTime) {
        uint32_t d;
        do {
            d = KMiscTools::getMilliseconds() - lastFlipTime;
            processEvents();
            if (d < MIN_FRAME_MS)
                Plat_IdleWait();
        } while (d < MIN_FRAME_MS);
    }
    lastFlipTime = KMiscTools::getMilliseconds();
    if (_hwnd && waitForFocus && !Plat_WindowActive()) {
        do {
            processEvents();
            if (Plat_WindowActive() || isQuit())
                break;
            Plat_IdleWait();
        } while (true);
    }
}

bool KWindow::isQuit() { return _quit; }

static void DoEvent(int event)
{
    if (event == PLAT_EVENT_CLOSE)
        KWindow::_quit = true;
    else if (event == PLAT_EVENT_RESUME && KWindow::_hwnd)
        Plat_RaiseWindow();
}

void KWindow::processEvents()
{
    if (KInput::isPressed(KEY_COMMAND) && hasFocus() && KInput::isPressed(KEY_Q))
        _quit = true;
    int event = Plat_PollEvent();
    if (event != PLAT_EVENT_NONE)
        DoEvent(event);
}

void KWindow::setTitle(const char *title)
{
    char text[256];
    strncpy(text, title ? title : "", sizeof(text) - 1);
    text[sizeof(text) - 1] = 0;
    Plat_SetTitle(text);
}

bool KWindow::hasFocus() { return !_hwnd || Plat_WindowActive(); }
