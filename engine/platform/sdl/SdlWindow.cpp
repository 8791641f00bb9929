// The sdl backend's window: SDL2 with a GL compatibility context, centred window or full
// screen (a real 800 x 600 mode, else the desktop letterboxed), swaps, events and focus.
#include "engine/platform/Platform.h"
#include "engine/platform/sdl/SdlState.h"

#include <GL/gl.h>
#include <SDL_image.h>
#include <cstdio>
#include <cstring>

SdlState &Sdl()
{
    static SdlState s;
    return s;
}

void Plat_Init()
{
    SdlState &s = Sdl();
    if (!s.videoReady)
        s.videoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!s.videoReady)
        fprintf(stderr, "zumbo: no display (%s)\n", SDL_GetError());
    IMG_Init(IMG_INIT_JPG);
}

void Plat_Shutdown()
{
    SdlState &s = Sdl();
    if (s.context && s.frameCopy) {
        GLuint copy = s.frameCopy;
        glDeleteTextures(1, &copy);
    }
    s.frameCopy = 0;
    s.frameCopyWidth = s.frameCopyHeight = 0;
    s.frameCopied = false;
    s.grabMode = SDL_GRAB_COPY;
    s.grabProbed = false;
    if (s.context) {
        SDL_GL_MakeCurrent(s.window, nullptr);
        SDL_GL_DeleteContext(s.context);
        s.context = nullptr;
    }
    if (s.window) {
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
    }
    IMG_Quit();
}

static void setGLAttributes()
{
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
}

static void sceneFillsDrawable(int width, int height)
{
    SdlState &s = Sdl();
    s.sceneWidth = width;
    s.sceneHeight = height;
    s.viewX = s.viewY = 0;
    s.viewWidth = width;
    s.viewHeight = height;
    s.letterbox = false;
    Sdl_DrawWholeNext();
}

bool Plat_OpenWindow(int width, int height, const char *title)
{
    SdlState &s = Sdl();
    if (!s.videoReady)
        return false;
    setGLAttributes();
    s.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (!s.window)
        return false;
    s.context = SDL_GL_CreateContext(s.window);
    if (!s.context) {
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(s.window, s.context);
    s.fullScreen = false;
    sceneFillsDrawable(width, height);
    Sdl_ProbeGrabMode();
    return true;
}

int Plat_OpenFullScreen(int width, int height)
{
    SdlState &s = Sdl();
    if (!s.videoReady || SDL_GL_LoadLibrary(nullptr) != 0)
        return PLAT_FS_NO_GL;
    setGLAttributes();
    // Made borderless over the whole display first, which holds with or without a window
    // manager; the refresh-rate search then switches to a real mode of the game's size.
    SDL_Rect bounds = {0, 0, width, height};
    SDL_GetDisplayBounds(0, &bounds);
    s.window = SDL_CreateWindow(" ", bounds.x, bounds.y, bounds.w, bounds.h,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_BORDERLESS);
    if (!s.window)
        return PLAT_FS_NO_PIXEL_FORMAT;
    s.context = SDL_GL_CreateContext(s.window);
    if (!s.context) {
        SDL_DestroyWindow(s.window);
        s.window = nullptr;
        return PLAT_FS_NO_CONTEXT;
    }
    s.fullScreen = true;
    sceneFillsDrawable(width, height);
    return PLAT_FS_OK;
}

// Rate 0 asks for the game's size at whatever rate the display offers.
bool Plat_TryFullScreenRate(int width, int height, int rate)
{
    SdlState &s = Sdl();
    const int modes = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < modes; i++) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0 || mode.w != width || mode.h != height)
            continue;
        if (rate != 0 && mode.refresh_rate != rate)
            continue;
        if (SDL_SetWindowDisplayMode(s.window, &mode) != 0)
            return false;
        if (SDL_SetWindowFullscreen(s.window, SDL_WINDOW_FULLSCREEN) != 0)
            return false;
        sceneFillsDrawable(width, height);
        return true;
    }
    return false;
}

void Plat_FallbackFullScreen(int width, int height)
{
    SdlState &s = Sdl();
    SDL_SetWindowFullscreen(s.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(s.window, &dw, &dh);
    if (dw <= 0 || dh <= 0) {
        sceneFillsDrawable(width, height);
        return;
    }
    s.sceneWidth = width;
    s.sceneHeight = height;
    if ((long)dw * height <= (long)dh * width) {   // fit the width, bars above and below
        s.viewWidth = dw;
        s.viewHeight = (int)((long)dw * height / width);
    } else {
        s.viewHeight = dh;
        s.viewWidth = (int)((long)dh * width / height);
    }
    s.viewX = (dw - s.viewWidth) / 2;
    s.viewY = (dh - s.viewHeight) / 2;
    s.letterbox = true;
    Sdl_DrawWholeNext();
}

bool Plat_MakeCurrent()
{
    SdlState &s = Sdl();
    if (!s.window || !s.context || SDL_GL_MakeCurrent(s.window, s.context) != 0)
        return false;
    // The window may have changed size on the way to full screen: place the scene again.
    glViewport(s.viewX, s.viewY, s.viewWidth, s.viewHeight);
    if (s.fullScreen && !s.grabProbed) {
        Sdl_ProbeGrabMode();
        s.grabProbed = true;
    }
    return true;
}

void Plat_SetTitle(const char *title)
{
    if (Sdl().window)
        SDL_SetWindowTitle(Sdl().window, title);
}

void Plat_Swap()
{
    SdlState &s = Sdl();
    if (!s.window)
        return;
    if (!Sdl_PresentFrame())
        return;   // the screen shows this frame already
    if (s.grabMode == SDL_GRAB_COPY)
        Sdl_KeepFrame();
    SDL_GL_SetSwapInterval(1);
    SDL_GL_SwapWindow(s.window);
}

bool Plat_WindowActive()
{
    SdlState &s = Sdl();
    return s.window && (SDL_GetWindowFlags(s.window) & SDL_WINDOW_INPUT_FOCUS);
}

void Plat_RaiseWindow()
{
    SdlState &s = Sdl();
    if (!s.window)
        return;
    SDL_RaiseWindow(s.window);
    SDL_SetWindowInputFocus(s.window);
}

// Everything pending is taken in (pointer motion alone would otherwise pile up); the
// answer is the event that matters most: close, then resume.
int Plat_PollEvent()
{
    int result = PLAT_EVENT_NONE;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        int kind = PLAT_EVENT_OTHER;
        if (e.type == SDL_QUIT)
            kind = PLAT_EVENT_CLOSE;
        else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE)
            kind = PLAT_EVENT_CLOSE;
        else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            kind = PLAT_EVENT_RESUME;
        else if (e.type != SDL_WINDOWEVENT)
            Sdl_RoutePadEvent(e);
        if (e.type == SDL_WINDOWEVENT)
            Sdl_DrawWholeNext();   // shown, exposed, moved, back in front: the next frame is drawn whole
        if (kind == PLAT_EVENT_CLOSE || (kind == PLAT_EVENT_RESUME && result != PLAT_EVENT_CLOSE) ||
            result == PLAT_EVENT_NONE)
            result = kind;
    }
    return result;
}

const char *Plat_Extensions()
{
    const char *ext = Sdl().context ? (const char *)glGetString(GL_EXTENSIONS) : nullptr;
    Sdl().rectangleTextures = ext && (strstr(ext, "GL_EXT_texture_rectangle") || strstr(ext, "GL_NV_texture_rectangle") ||
                                      strstr(ext, "GL_ARB_texture_rectangle"));
    return ext ? ext : "";
}

void Plat_IdleWait() { SDL_Delay(1); }
