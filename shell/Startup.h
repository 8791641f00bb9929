// The program's outer life: the start-up dialog, the window, the managers, the menu
// call and the shutdown in reverse order.
#pragma once
#include <cstdint>

class KWindow;

extern KWindow *fenetre;
extern bool isWindowed;
extern uint8_t bFullScreen;
extern bool isGamePad;

bool InitManagers();
bool ShowWelcomeDialog();
void ShowZumboHelp();
bool InitializeGraphicEngine(bool windowed);
bool FreeGraphicEngine();
bool FreeEverything();

// The whole program: start-up, the menu, shutdown. 0 after a normal run, non-zero
// when start-up failed (the reason is on standard error).
int Zumbo_Main();
