// The game's animated pointer, click tracking and roll-over buttons, and the thin
// drawing, flipping and event glue every screen calls.
#include "shell/Pointer.h"

#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KWindow.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

KGraphic *mousePointer = nullptr;
KGraphic *currentPointer = nullptr;
int32_t startClickX = -1, startClickY = -1;
bool systemCursorShown = false;
int32_t pointerRestTicks = 0, pointerFrameTicks = 0, pointerFrameX = 0;

static const int kPointerFrameWidth = 21;
static const int kPointerFrameHeight = 34;
static const int kPointerFrames = 5;
static const int kPointerRestCalls = 200;
static const int kPointerFrameCalls = 5;
static const int kSceneWidth = 800;
static const int kSceneHeight = 600;

bool InitialiseCursors() {
    mousePointer = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\general\\curseur.bmp"));
    if (!mousePointer)
        return false;
    currentPointer = mousePointer;
    KInput::hidePointer();
    return true;
}

void FreeCursors() {
    ShowTheCursor();
    delete mousePointer;
    mousePointer = nullptr;
    currentPointer = nullptr;
}

void HideTheCursor() { KInput::hidePointer(); }
void ShowTheCursor() { KInput::showPointer(); }

void HotPointer(ENUMPOINTERTYPE) { currentPointer = mousePointer; }

// Steps the pointer animation: a long rest on frame 0, then frames 1 to 4.
static void AnimatePointer() {
    pointerRestTicks += 1;
    if (pointerRestTicks <= kPointerRestCalls)
        return;
    pointerFrameTicks += 1;
    if (pointerFrameTicks <= kPointerFrameCalls)
        return;
    pointerFrameTicks = 0;
    pointerFrameX += kPointerFrameWidth;
    if (pointerFrameX >= kPointerFrameWidth * kPointerFrames) {
        pointerFrameX = 0;
        pointerRestTicks = 0;
    }
}

void ShowPointer() {
    const int x = GetMouseX(), y = GetMouseY();
    if (!currentPointer)
        return;
    if (x < 0 || x > kSceneWidth || y < 0 || y > kSceneHeight) {
        if (!systemCursorShown) {
            KInput::showSystemPointer(true);
            systemCursorShown = true;
        }
        return;
    }
    if (systemCursorShown) {
        KInput::showSystemPointer(false);
        systemCursorShown = false;
    }
    AnimatePointer();
    BlitTransparentSurface(currentPointer, pointerFrameX, 0, pointerFrameX + kPointerFrameWidth,
                           kPointerFrameHeight, x, y);
}

void SetHotSpotSurface(KGraphic *picture, short drawX, short drawY, short left, short top, short right,
                       short bottom) {
    picture->rollX = drawX;
    picture->rollY = drawY;
    picture->hotLeft = left;
    picture->hotTop = top;
    picture->hotRight = right;
    picture->hotBottom = bottom;
}

int IsMouseInRollOver(KGraphic *picture) {
    const int x = GetMouseX(), y = GetMouseY();
    if (x < picture->hotLeft || x > picture->hotRight || y < picture->hotTop || y > picture->hotBottom)
        return 2;
    BlitSurface(picture, 0, 0, static_cast<short>(picture->pictureWidth),
                static_cast<short>(picture->pictureHeight), picture->rollX, picture->rollY);
    HotPointer(POINTER_ROLLOVER);
    return (startClickX == x && startClickY == y) ? 1 : 0;
}

int GetMouseX() { return static_cast<short>(KInput::getMouseX()); }
int GetMouseY() { return static_cast<short>(KInput::getMouseY()); }

bool GetLeftMouseButton() {
    if (!KInput::getLeftButtonState()) {
        startClickX = startClickY = -1;
        return false;
    }
    if (startClickX == -1) {
        startClickX = GetMouseX();
        startClickY = GetMouseY();
    }
    return true;
}

void WaitForMouseButton() {
    // Events are pumped while waiting, so a quit request (which is latched only by
    // the pump) ends the wait and the game can shut down.
    while (GetLeftMouseButton() && !KWindow::isQuit())
        KWindow::processEvents();
}

bool ProcessEvents() {
    KWindow::processEvents();
    return KWindow::isQuit();
}

void LogInfo(const char *) {}

void BlitSurface(KGraphic *picture, short left, short top, short right, short bottom, short x, short y) {
    picture->blitRect(left, top, right, bottom, x, y, false, false);
}

void BlitTransparentSurface(KGraphic *picture, short left, short top, short right, short bottom, short x,
                            short y) {
    picture->blitAlphaRect(left, top, right, bottom, x, y, false, false);
}

void Flip_Screen() { KWindow::flipBackBuffer(true); }

void ClearBackBuffer() { KGraphic::setWorldView(0, 0, 0, 0, true); }
