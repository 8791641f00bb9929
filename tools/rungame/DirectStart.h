// The developer tools' way into a game without the dialog and the menu: what start-up
// and the menu would have made ready (window, pointer, sounds, screen, input, the first
// pad, volumes, the sprite collection), and its release. Shared by rungame, the demo
// recorder and the headless demo player.
#pragma once
#include <string>

// The steps after the base folder is known. Returns "" when the game can start, else
// what is missing; whatever was opened is released by DirectStart_Close either way.
std::string DirectStart_Open();
void DirectStart_Close();
