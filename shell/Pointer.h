// The game's own animated pointer, click tracking, roll-over buttons, and the thin
// drawing, flipping and event glue that every screen calls instead of the engine.
#pragma once
#include <cstdint>

class KGraphic;

enum ENUMPOINTERTYPE { POINTER_NONE = 0, POINTER_MENU = 1, POINTER_ROLLOVER = 2 };

extern KGraphic *mousePointer;
extern KGraphic *currentPointer;
extern int32_t startClickX, startClickY;
extern bool systemCursorShown;
extern int32_t pointerRestTicks, pointerFrameTicks, pointerFrameX;

// pointer and buttons
bool InitialiseCursors();
void FreeCursors();
void HideTheCursor();
void ShowTheCursor();
void HotPointer(ENUMPOINTERTYPE kind);
void ShowPointer();
void SetHotSpotSurface(KGraphic *picture, short drawX, short drawY, short left, short top, short right,
                       short bottom);
int IsMouseInRollOver(KGraphic *picture);

// mouse and events
int GetMouseX();
int GetMouseY();
bool GetLeftMouseButton();
void WaitForMouseButton();
bool ProcessEvents();
void LogInfo(const char *text);

// drawing and frame
void BlitSurface(KGraphic *picture, short left, short top, short right, short bottom, short x, short y);
void BlitTransparentSurface(KGraphic *picture, short left, short top, short right, short bottom, short x,
                            short y);
void Flip_Screen();
void ClearBackBuffer();
