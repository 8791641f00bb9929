// The main menu: buttons, level chooser, idle timer and the attract cycle.
#pragma once
#include <cstdint>

extern int32_t gCurrentlySelectedLevel;

bool Launch_GameMenu();
