// The sdl backend's shared state: the window, its GL context and the letterbox that maps
// the game's scene onto a desktop-sized full screen.
#pragma once
#include <SDL.h>

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

SdlState &Sdl();
void Sdl_RoutePadEvent(const SDL_Event &event);   // joystick events into the pad queues
void Sdl_KeepFrame();                              // copy of the frame about to be shown
void Sdl_ProbeGrabMode();                          // which grab works here (once per context)
