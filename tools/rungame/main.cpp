// rungame <level>: a developer's way into the game without the menu. Opens the window,
// loads what the menu would (pointer, sounds, sprite collection, volumes), plays one
// game from the given level, and closes everything again.
#include <cstdio>
#include <cstdlib>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "frontend/Menu.h"
#include "level/Level.h"
#include "play/MainGame.h"
#include "shell/Pointer.h"
#include "shell/Startup.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

static const short kWidth = 800, kHeight = 600, kDepth = 16;

// The highest level reached, as the menu reads it: missing or short counts as 1.
static int32_t ReadAllowedLevel() {
    FILE *f = std::fopen(Vuz_MakeFilePath("al.raw"), "rb");
    if (!f)
        return 1;
    unsigned char b[4];
    const size_t n = std::fread(b, 1, sizeof(b), f);
    std::fclose(f);
    if (n != sizeof(b))
        return 1;
    return static_cast<int32_t>((uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3]);
}

static bool OpenGame() {
    KMiscTools::initMiscTools();
    if (!InitializeGraphicEngine(true)) {
        std::fprintf(stderr, "rungame: the game window could not be opened\n");
        return false;
    }
    Vuz_InitErrors();
    if (!InitialiseCursors()) {
        std::fprintf(stderr, "rungame: no pointer picture at %s\n", Vuz_MakeFilePath("data\\general\\curseur.bmp"));
        return false;
    }
    Sound_InitEngine();
    KGraphic::setScreenSize(kWidth, kHeight, kDepth);
    KGraphic::setDefaultWorldView();
    KInput::initInput(KWindow::getWindowHandle());
    isGamePad = KInput::joyEnable(0);
    LoadDefaultVolumes();
    surf_SpriteCollection = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\bigplanche.bmp"));
    return surf_SpriteCollection != nullptr;
}

int main(int argc, char **argv) {
    if (argc != 2 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: rungame <level>   (levels count from 1)\n");
        return 2;
    }
    if (!OpenGame())
        return 1;
    gMaxLevel = Vuz_GetIniValue("levelcount");
    gAllowLevel = ReadAllowedLevel();
    gCurrentlySelectedLevel = std::atoi(argv[1]);
    if (gCurrentlySelectedLevel > gMaxLevel) {
        std::fprintf(stderr, "rungame: there are %d levels\n", gMaxLevel);
        return 2;
    }
    const bool played = Go_MainGame(false);
    if (!played)
        std::fprintf(stderr, "rungame: the game's pictures or level %d could not be loaded\n", gCurrentlySelectedLevel);
    delete surf_SpriteCollection;
    surf_SpriteCollection = nullptr;
    FreeMusic();
    if (isGamePad)
        KInput::joyDisable(0);
    FreeEverything();
    return played ? 0 : 1;
}
