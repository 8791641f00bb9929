// The sdl backend's drawing: textures, the orthographic world view, one immediate-mode
// quad per blit, and reading the front buffer back. World views, matrix resets and blits
// are held in the frame list (SdlFrame.cpp) and drawn by the Sdl_Draw functions here
// when the frame is shown.
#include "engine/KGraphic.h"
#include "engine/platform/Platform.h"
#include "engine/platform/sdl/SdlState.h"

#include <GL/gl.h>
#include <cstring>
#include <vector>

#ifndef GL_TEXTURE_RECTANGLE_ARB
#define GL_TEXTURE_RECTANGLE_ARB 0x84F5
#endif
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

static GLint internalFormat(int format)
{
    switch (format) {
    case PLAT_TEX_RGBA8:
        return GL_RGBA8;
    case PLAT_TEX_RGB8:
        return GL_RGB8;
    case PLAT_TEX_RGBA:
        return GL_RGBA;
    default:
        return GL_RGB;
    }
}

static GLenum otherTarget(GLenum target)
{
    return target == GL_TEXTURE_2D ? (GLenum)GL_TEXTURE_RECTANGLE_ARB : (GLenum)GL_TEXTURE_2D;
}

static void enableTarget(GLenum target)
{
    if (Sdl().rectangleTextures || otherTarget(target) == GL_TEXTURE_2D)
        glDisable(otherTarget(target));
    glEnable(target);
}

uint32_t Plat_TextureCreate(uint32_t target, int width, int height, const uint8_t *rgba, int format, const char *)
{
    if (!Sdl().context)
        return 0;
    glFlush();
    GLuint id = 0;
    glGenTextures(1, &id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    enableTarget(target);
    glBindTexture(target, id);
    glTexImage2D(target, 0, internalFormat(format), width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glTexParameteri(target, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(target, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    Sdl_TextureMade(id);
    return id;
}

void Plat_TextureDelete(uint32_t id)
{
    if (Sdl().context && id) {
        Sdl_TextureGoing(id);
        GLuint name = id;
        glDeleteTextures(1, &name);
    }
}

void Plat_SetFilter(bool linear)
{
    if (!Sdl().context)
        return;
    Sdl_FlushFrame();   // the filter goes to the texture the last blit bound
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    if (Sdl().rectangleTextures) {
        glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MAG_FILTER, filter);
        glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MIN_FILTER, filter);
    }
}

void Plat_ScreenSetup()
{
    if (!Sdl().context)
        return;
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_FLAT);
}

void Plat_WorldView(int sw, int sh, float x, float y, float angle, float zoom, bool clear)
{
    Sdl_RecordView(SdlView{sw, sh, x, y, angle, zoom, clear});
}

void Plat_ResetMatrix() { Sdl_RecordReset(); }

void Plat_Blit(const KBlit &b) { Sdl_RecordBlit(b); }

void Sdl_DrawView(const SdlView &v)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, v.sw, 0, v.sh, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    if (v.clear)
        glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef((float)(v.sw / 2), (float)(v.sh / 2), 0);
    glRotatef(v.angle, 0, 0, 1);
    glScalef(v.zoom, v.zoom, 0);
    glTranslatef((float)-(v.sw / 2), (float)-(v.sh / 2), 0);
    glTranslatef(v.x, v.y, 0);
}

void Sdl_DrawReset() { glLoadIdentity(); }

void Sdl_DrawBlit(const KBlit &b)
{
    if (b.blended) {
        glEnable(GL_BLEND);
        glBlendFunc(b.blendSource, b.blendDest);
    } else {
        glDisable(GL_BLEND);
    }
    glPushMatrix();
    enableTarget(b.textureTarget);
    glBindTexture(b.textureTarget, b.textureId);
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; i++) {
        glTexCoord2f(b.tx[i], b.ty[i]);
        glVertex3i(b.vx[i], b.vy[i], 0);
    }
    glEnd();
    glPopMatrix();
}

static int powerOfTwo(int n)
{
    int side = 4;
    while (side < n)
        side *= 2;
    return side;
}

// Reading one pixel of a buffer at the middle of the scene.
static void readProbe(GLenum buffer, uint8_t rgba[4])
{
    SdlState &s = Sdl();
    glReadBuffer(buffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(s.viewX + s.viewWidth / 2, s.viewY + s.viewHeight / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glReadBuffer(GL_BACK);
}

// Not every GL can read back the frame on screen: software GL has no readable front
// buffer (but keeps the back buffer after the swap), and other drivers leave both
// undefined. One nearly black frame shown at start-up tells which case this is.
void Sdl_ProbeGrabMode()
{
    SdlState &s = Sdl();
    const uint8_t probe[3] = {3, 5, 7};
    glViewport(s.viewX, s.viewY, s.viewWidth, s.viewHeight);
    glClearColor(probe[0] / 255.0f, probe[1] / 255.0f, probe[2] / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(s.window);
    glFinish();
    uint8_t front[4] = {0, 0, 0, 0}, back[4] = {0, 0, 0, 0};
    readProbe(GL_FRONT, front);
    readProbe(GL_BACK, back);
    auto same = [&](const uint8_t *p) { return p[0] == probe[0] && p[1] == probe[1] && p[2] == probe[2]; };
    s.grabMode = same(front) ? SDL_GRAB_FRONT : same(back) ? SDL_GRAB_BACK_KEPT : SDL_GRAB_COPY;
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    Sdl_DrawWholeNext();
}

// Where neither buffer can be read after the swap, each flip copies the frame it is
// about to show into a texture (on the GL side) and the grab reads that.
void Sdl_KeepFrame()
{
    SdlState &s = Sdl();
    if (!s.context || s.viewWidth <= 0 || s.viewHeight <= 0)
        return;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    if (!s.frameCopy || s.frameCopyWidth < s.viewWidth || s.frameCopyHeight < s.viewHeight) {
        GLuint copy = s.frameCopy;
        if (!copy)
            glGenTextures(1, &copy);
        s.frameCopy = copy;
        s.frameCopyWidth = powerOfTwo(s.viewWidth);
        s.frameCopyHeight = powerOfTwo(s.viewHeight);
        glBindTexture(GL_TEXTURE_2D, copy);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, s.frameCopyWidth, s.frameCopyHeight, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    glBindTexture(GL_TEXTURE_2D, s.frameCopy);
    glReadBuffer(GL_BACK);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, s.viewX, s.viewY, s.viewWidth, s.viewHeight);
    glBindTexture(GL_TEXTURE_2D, (GLuint)bound);
    s.frameCopied = true;
}

// The scene as the player sees it, GL rows bottom up; a letterboxed scene is sampled
// back down from its drawn size to the scene's own pixels. With the back buffer kept,
// the grab sees the last frame shown as long as nothing was drawn since (the game grabs
// at the start of a frame).
bool Plat_GrabFront(int width, int height, uint8_t *rgba)
{
    SdlState &s = Sdl();
    if (!s.context || s.viewWidth <= 0 || s.viewHeight <= 0)
        return false;
    const bool copied = s.grabMode == SDL_GRAB_COPY && s.frameCopied;
    const int dw = copied ? s.frameCopyWidth : s.viewWidth;
    const int dh = copied ? s.frameCopyHeight : s.viewHeight;
    std::vector<uint8_t> drawn((size_t)dw * dh * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    if (copied) {
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glBindTexture(GL_TEXTURE_2D, s.frameCopy);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, drawn.data());
        glBindTexture(GL_TEXTURE_2D, (GLuint)bound);
    } else {
        glReadBuffer(s.grabMode == SDL_GRAB_BACK_KEPT ? GL_BACK : GL_FRONT);
        glReadPixels(s.viewX, s.viewY, s.viewWidth, s.viewHeight, GL_RGBA, GL_UNSIGNED_BYTE, drawn.data());
        glReadBuffer(GL_BACK);
    }
    for (int y = 0; y < height; y++) {
        const int sy = (int)((long)y * s.viewHeight / height);
        for (int x = 0; x < width; x++) {
            const int sx = (int)((long)x * s.viewWidth / width);
            memcpy(rgba + ((size_t)y * width + x) * 4, &drawn[((size_t)sy * dw + sx) * 4], 4);
        }
    }
    return true;
}
