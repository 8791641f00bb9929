// The engine's platform layer: the few system calls each engine class needs, implemented
// once by the sdl backend (SDL2 + GL) and once by the headless backend (tests). Engine
// internal: the game never includes this.
#pragma once
#include <cstdint>

struct KBitmap;
struct KPadDevice;

// --- window and frame -------------------------------------------------------------
enum KPlatEvent { PLAT_EVENT_NONE = 0, PLAT_EVENT_CLOSE, PLAT_EVENT_RESUME, PLAT_EVENT_OTHER };
enum KFullScreenResult { PLAT_FS_OK = 0, PLAT_FS_NO_GL, PLAT_FS_NO_PIXEL_FORMAT, PLAT_FS_NO_CONTEXT };

void Plat_Init();                                  // cursor and picture decoder ready
void Plat_Shutdown();                              // context released, decoder closed
bool Plat_OpenWindow(int width, int height, const char *title);   // centred, with its context
int Plat_OpenFullScreen(int width, int height);    // KFullScreenResult
bool Plat_TryFullScreenRate(int width, int height, int rate);     // accepted?
void Plat_FallbackFullScreen(int width, int height);  // no such mode: desktop size, letterboxed
bool Plat_MakeCurrent();
void Plat_SetTitle(const char *title);
void Plat_Swap();                                  // swap interval 1, then present
bool Plat_WindowActive();                          // the window has the focus
void Plat_RaiseWindow();
int Plat_PollEvent();                              // KPlatEvent of at most one pending event
const char *Plat_Extensions();                     // GL extension string ("" without one)
void Plat_IdleWait();                              // a pause of at most 1 ms in a waiting loop
uint64_t Plat_Microseconds();

// --- pictures and drawing -----------------------------------------------------------
enum KDecodeResult { PLAT_DECODE_OK = 0, PLAT_DECODE_NO_DECODER, PLAT_DECODE_FAILED };

void *Plat_PictureOpen(const char *path, int *width, int *height, int *result);
bool Plat_PictureDraw(void *picture, KBitmap *into);   // ARGB bytes, rows top down
void Plat_PictureClose(void *picture);

enum KTexFormat { PLAT_TEX_RGBA8, PLAT_TEX_RGB8, PLAT_TEX_RGBA, PLAT_TEX_RGB };
// Texture uploaded from RGBA bytes, bound, clamped; name is what it was made from.
uint32_t Plat_TextureCreate(uint32_t target, int width, int height, const uint8_t *rgba, int format,
                            const char *name);
void Plat_TextureDelete(uint32_t id);
void Plat_SetFilter(bool linear);                  // on the textures bound now
void Plat_ScreenSetup();                           // 2D texturing on, flat shading
void Plat_WorldView(int screenWidth, int screenHeight, float x, float y, float angle, float zoom,
                    bool clear);
void Plat_ResetMatrix();

// One blit as a quad, with the request it came from.
struct KBlit {
    uint32_t textureId, textureTarget;
    uint16_t blendSource, blendDest;
    bool blended;
    float x1, y1, x2, y2;
    int destX, destY;
    bool flipX, flipY;
    int vx[4], vy[4];        // GL frame, y up
    float tx[4], ty[4];      // texels or normalised, by target
};
void Plat_Blit(const KBlit &blit);
bool Plat_GrabFront(int width, int height, uint8_t *rgba);   // GL rows, bottom up

// --- input ------------------------------------------------------------------------
int Plat_MouseX();
int Plat_MouseY();
bool Plat_MouseButton();
void Plat_WarpMouse(int x, int y);
void Plat_ShowCursor(bool show);                   // one step of the nested show/hide count
bool Plat_KeyDown(int keyCode);                    // virtual key code of the key table

// --- gamepads -----------------------------------------------------------------------
int Plat_PadScan(KPadDevice *devices, int max);   // -1: no input device at all
void Plat_PadBind(int device, int slot);          // the device's events go to this slot
void Plat_PadPump();                              // pending device events -> Pad_PostEvent

// --- system -------------------------------------------------------------------------
void Plat_MessageBox(const char *first, const char *second);
long Plat_Launch(const char *path);
