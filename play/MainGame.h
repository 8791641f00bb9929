// One game from its first level to its end: the frame loop, level starts and changes
// behind the panel doors, lost lives, pause, and the highest level reached.
#pragma once
#include <cstdint>

extern bool gSelfRunningDemo;
extern int32_t gCurrentLevel;
extern int32_t gMaxLevel;
extern int32_t gAllowLevel;
extern bool gGameIsReallyOver;

#define ATTRACT_FRAMES 2125

bool Go_MainGame(bool selfRunning);
void MainGame_StartLevel(bool fullRestart);
bool MainGame_LoadLevel(long level);
bool MainGame_IsGameOver();
void MainGame_SaveHigherLevel(long level);
bool MainGame_PrepareGameover();
void MainGame_FreeLevel();
void Do_Pause();
