// The game-over screen and the end screen after the last level.
#pragma once

class KGraphic;

#define GAMEOVER_VARIANTS 6
#define GAMEOVER_FRAMES 4200

extern KGraphic *surf_gameof;
extern KGraphic *surf_gameblink[GAMEOVER_VARIANTS];

bool GameOv_LoadGfx();
bool GameOv_Do();
bool GameOv_FreeGfx();
bool MainGame_ShowEnd();
