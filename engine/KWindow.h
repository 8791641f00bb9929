// KWindow: the game's one output surface (a centred window or the full screen), its GL
// context, the end-of-frame flip with its pacing, and the event pump that latches quit.
// All state is static: the process has exactly one window.
#pragma once
#include <cstdint>

typedef void *KWindowHandle;

class KWindow {
public:
    KWindow();
    ~KWindow();

    static bool createGameWindow(short width, short height, short depth, bool windowed, const char *title);
    static bool SwitchToResolution(short width, short height, short depth);
    static void detectCaps();
    static bool getRectangleTexCap();
    static KWindowHandle getWindowHandle();   // null in full screen
    static void flipBackBuffer(bool waitForFocus = true);
    static bool isQuit();
    static void processEvents();
    static void setTitle(const char *title);
    static bool hasFocus();

    // True when the extension string names a rectangle-texture extension.
    static bool extensionsHaveRectangle(const char *extensions);

    // Benchmarks turn the 14 ms pacing off; tests force power-of-two textures.
    static void setFramePacing(bool on);
    static void forcePowerOfTwoTextures(bool on);

    static KWindowHandle _hwnd;
    static void *_openGLContext;
    static bool _quit;
    static uint32_t _maxFrameTime;      // 15 ms: a frame slower than this is not held back
    static bool hasRectangleText;
    static uint32_t lastFlipTime;

    static const uint32_t MIN_FRAME_MS = 14;
};
