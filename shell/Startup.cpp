// The program's outer life: start-up in a fixed order, the menu, and the shutdown
// in reverse. A start-up step that fails ends the program with a clear message.
#include "shell/Startup.h"

#include <cstdio>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "frontend/Menu.h"
#include "shell/Dialog.h"
#include "shell/Pointer.h"
#include "shell/Vuz.h"

KWindow *fenetre = nullptr;
bool isWindowed = true;
uint8_t bFullScreen = 0;
bool isGamePad = false;

static const short kGameWidth = 800;
static const short kGameHeight = 600;
static const short kGameDepth = 16;

// Tells the player on standard error why the game cannot start.
static void StartupFailed(const char *what, const char *detail) {
    std::fprintf(stderr, "ZumboRumble cannot start: %s%s%s\n", what, detail ? ": " : "", detail ? detail : "");
}

bool InitializeGraphicEngine(bool windowed) {
    fenetre = new KWindow();
    return fenetre->createGameWindow(kGameWidth, kGameHeight, kGameDepth, windowed, "ZumboRumble");
}

bool FreeGraphicEngine() {
    delete fenetre;
    fenetre = nullptr;
    return true;
}

bool InitManagers() {
    KMiscTools::initMiscTools();
    ShowWelcomeDialog();
    if (!InitializeGraphicEngine(isWindowed)) {
        LogInfo("InitializeGraphicEngine FAILED ");
        StartupFailed("the game window could not be opened", nullptr);
        return false;
    }
    LogInfo("InitializeGraphicEngine ok");
    Vuz_InitErrors();
    if (!InitialiseCursors()) {
        LogInfo("InitialiseCursors FAILED");
        StartupFailed("the pointer picture could not be loaded", Vuz_MakeFilePath("data\\general\\curseur.bmp"));
        return false;
    }
    LogInfo("InitialiseCursors OK");
    Sound_InitEngine();
    return true;
}

bool FreeEverything() {
    FreeCursors();
    Sound_FreeEngine();
    return FreeGraphicEngine();
}

int Zumbo_Main() {
    if (!InitManagers())
        return 1;
    KGraphic::setScreenSize(kGameWidth, kGameHeight, kGameDepth);
    KGraphic::setDefaultWorldView();
    KInput::initInput(KWindow::getWindowHandle());
    isGamePad = true;
    KInput::joyEnable(0);
    Launch_GameMenu();
    if (isGamePad)
        KInput::joyDisable(0);
    FreeEverything();
    return 0;
}
