// The two screens that close a game: game over, a gloomy beach whose lettering flickers
// between six variants to its own tune, and the end picture after the last level.
#include "frontend/GameOver.h"

#include <cstdio>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KRandom.h"
#include "play/Scene.h"
#include "shell/Pointer.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

static const short SCREEN_W = 800, SCREEN_H = 600;
static const short VARIANT_X = 223, VARIANT_Y = 288;
static const int DOORS_FAR_OPEN = -400, DOOR_STEP = 10;
static const short HUM_VOLUME = 20;
static const int FIRST_HOLD = 10, HOLD_MIN = 4, HOLD_SPREAD = 6;

KGraphic *surf_gameof = nullptr;
KGraphic *surf_gameblink[GAMEOVER_VARIANTS] = {};

bool GameOv_LoadGfx() {
    surf_gameof = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\go\\gameover.bmp"));
    if (!surf_gameof)
        return false;
    for (int i = 0; i < GAMEOVER_VARIANTS; i++) {
        char name[260];
        std::snprintf(name, sizeof(name), "data\\go\\go%d.bmp", i + 1);
        surf_gameblink[i] = CreateSurfaceFromFile(Vuz_MakeFilePath(name));
        if (!surf_gameblink[i])
            return false;
    }
    return true;
}

bool GameOv_FreeGfx() {
    delete surf_gameof;
    surf_gameof = nullptr;
    for (KGraphic *&p : surf_gameblink) {
        delete p;
        p = nullptr;
    }
    return true;
}

static void DrawWhole(KGraphic *picture, short x, short y) {
    BlitSurface(picture, 0, 0, static_cast<short>(picture->pictureWidth), static_cast<short>(picture->pictureHeight),
                x, y);
}

bool GameOv_Do() {
    if (!surf_gameof)
        return false;
    for (int n = 0; n >= DOORS_FAR_OPEN; n -= DOOR_STEP) {
        BlitSurface(surf_gameof, 0, 0, SCREEN_W, SCREEN_H, 0, 0);
        MainGame_DisplayPanels(n);
        Flip_Screen();
    }
    Sound_InField(HUM_VOLUME);
    PlayMusic(Vuz_MakeFilePath("data\\audio\\gov.ogg"));
    WaitForMouseButton();
    HideTheCursor();
    int frames = 0, variant = 0, hold = 0, holdLimit = FIRST_HOLD;
    do {
        if (GetLeftMouseButton())
            frames = GAMEOVER_FRAMES;   // this frame is the last
        BlitSurface(surf_gameof, 0, 0, SCREEN_W, SCREEN_H, 0, 0);
        if (++hold > holdLimit) {
            variant = KRandom::rand() % GAMEOVER_VARIANTS;
            holdLimit = KRandom::rand() % HOLD_SPREAD + HOLD_MIN;
            hold = 0;
        }
        if (surf_gameblink[variant])
            DrawWhole(surf_gameblink[variant], VARIANT_X, VARIANT_Y);
        ShowPointer();
        Flip_Screen();
        frames++;
    } while (!ProcessEvents() && frames < GAMEOVER_FRAMES);
    Sound_InField(0);
    GameOv_FreeGfx();
    return true;
}

bool MainGame_ShowEnd() {
    PlayMusic(Vuz_MakeFilePath("data\\audio\\monkey4.ogg"));
    KGraphic *end = LoadPictureFromFileLanguage("end.jpg");
    if (!end)
        return false;
    WaitForMouseButton();
    do {
        if (GetLeftMouseButton())
            break;
        DrawWhole(end, 0, 0);
        ShowPointer();
        Flip_Screen();
    } while (!ProcessEvents());
    delete end;
    return true;
}
