// The main menu: buttons, level chooser, idle timer and the attract cycle.
#pragma once
#include <cstdint>

class KGraphic;

#define MENU_IDLE_TICKS 8000        // 1/60 s ticks before the attract mode starts
#define MENU_FIRST_REPEAT 500       // ticks an arrow held on entry waits
#define MENU_REPEAT 100             // ticks of the first step of a new hold
#define MENU_REPEAT_STEP 10
#define MENU_REPEAT_MIN 4

extern int32_t gCurrentlySelectedLevel;
extern bool showScoresNext;         // the next idle timeout shows the table, not a game

extern KGraphic *surf_menu;
extern KGraphic *surf_PlayRoll;
extern KGraphic *surf_OptionsRoll;
extern KGraphic *surf_QuitRoll;
extern KGraphic *surf_left;
extern KGraphic *surf_right;

bool Menu_LoadGraphics();
void Menu_FreeGraphics();
void SleepBtn(long n);
int32_t Menu_ReadAllowLevel();      // "al.raw", at least 1
bool Launch_GameMenu();
