// The game-over screen and the end screen after the last level.
#pragma once

bool GameOv_LoadGfx();
bool GameOv_Do();
bool GameOv_FreeGfx();
bool MainGame_ShowEnd();
