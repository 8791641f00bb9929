// Placeholder screens until the real menu, high-score and game-over screens exist:
// the menu shows the game's pointer on a cleared screen until the window is closed;
// the others end at once so a game can be run from start to end.
#include "frontend/GameOver.h"
#include "frontend/HighScreen.h"
#include "frontend/Menu.h"
#include "engine/KGraphic.h"
#include "shell/Pointer.h"

int32_t gCurrentlySelectedLevel = 1;

bool Launch_GameMenu() {
    while (!ProcessEvents()) {
        ClearBackBuffer();
        KGraphic::setDefaultWorldView();
        ShowPointer();
        Flip_Screen();
    }
    return true;
}

bool LaunchHighscores(long) { return false; }
bool GameOv_LoadGfx() { return false; }
bool GameOv_Do() { return true; }
bool GameOv_FreeGfx() { return true; }
bool MainGame_ShowEnd() { return true; }
