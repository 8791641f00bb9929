// The menu's preparations for a game, for tools that start one directly.
#include "tools/rungame/DirectStart.h"

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KWindow.h"
#include "level/Level.h"
#include "shell/Pointer.h"
#include "shell/Startup.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

static const short kWidth = 800, kHeight = 600, kDepth = 16;

std::string DirectStart_Open() {
    if (!InitializeGraphicEngine(true))
        return "the game window could not be opened";
    Vuz_InitErrors();
    if (!InitialiseCursors())
        return std::string("no pointer picture at ") + Vuz_MakeFilePath("data\\general\\curseur.bmp");
    Sound_InitEngine();
    KGraphic::setScreenSize(kWidth, kHeight, kDepth);
    KGraphic::setDefaultWorldView();
    KInput::initInput(KWindow::getWindowHandle());
    isGamePad = KInput::joyEnable(0);
    LoadDefaultVolumes();
    surf_SpriteCollection = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\bigplanche.bmp"));
    if (!surf_SpriteCollection)
        return "no sprite collection";
    return "";
}

void DirectStart_Close() {
    delete surf_SpriteCollection;
    surf_SpriteCollection = nullptr;
    FreeMusic();
    if (isGamePad)
        KInput::joyDisable(0);
    FreeEverything();
}
