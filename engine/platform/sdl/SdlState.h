// The sdl backend's shared state: the window, its GL context and the letterbox that maps
// the game's scene onto a desktop-sized full screen.
#pragma once
#include <SDL.h>
#include <cstdint>

#include "engine/platform/Platform.h"

// How the grab finds the frame on screen: read the front buffer, read the back buffer
// (software GL keeps it intact after the swap), or copy each frame before its swap.
enum SdlGrabMode { SDL_GRAB_FRONT, SDL_GRAB_BACK_KEPT, SDL_GRAB_COPY };

struct SdlState {
    SDL_Window *window = nullptr;
    SDL_GLContext context = nullptr;
    bool videoReady = false;
    bool fullScreen = false;
    bool letterbox = false;           // desktop full screen, the scene scaled to fit
    int sceneWidth = 0, sceneHeight = 0;
    int viewX = 0, viewY = 0, viewWidth = 0, viewHeight = 0;   // the scene in the drawable
    bool rectangleTextures = false;
    int hideDepth = 0;
    unsigned frameCopy = 0;           // texture holding the last presented frame
    int frameCopyWidth = 0, frameCopyHeight = 0;
    bool frameCopied = false;
    int grabMode = SDL_GRAB_COPY;
    bool grabProbed = false;
};

// A world view as the frame list holds it.
struct SdlView {
    int sw, sh;
    float x, y, angle, zoom;
    bool clear;
};

// How the frames were shown, for the tests and the bench.
struct SdlFrameStats {
    uint64_t frames = 0, whole = 0, partial = 0, skipped = 0;
    uint64_t pixels = 0;   // drawn by partial frames
};

SdlState &Sdl();
void Sdl_RoutePadEvent(const SDL_Event &event);   // joystick events into the pad queues
void Sdl_KeepFrame();                              // copy of the frame about to be shown
void Sdl_ProbeGrabMode();                          // which grab works here (once per context)

// The frame list (SdlFrame.cpp): a frame's drawing is held until it is shown.
void Sdl_RecordView(const SdlView &view);
void Sdl_RecordReset();
void Sdl_RecordBlit(const KBlit &blit);
void Sdl_FlushFrame();                 // draw what is held now (GL state is about to change)
void Sdl_TextureMade(uint32_t id);     // a texture's new contents
void Sdl_TextureGoing(uint32_t id);    // draws what uses it first
void Sdl_DrawWholeNext();              // the back buffer is not the last frame any more
bool Sdl_PresentFrame();               // draws the frame; false: it is on screen already
void Sdl_AllowPartialFrames(bool allowed);   // tests compare both ways of drawing
SdlFrameStats Sdl_FrameStats();
// The drawing itself (SdlGraphics.cpp).
void Sdl_DrawView(const SdlView &view);
void Sdl_DrawReset();
void Sdl_DrawBlit(const KBlit &blit);
