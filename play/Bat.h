// The bat: the pair of monkeys on the wheel that the pointer steers, its kinds and
// sizes, the rope and wheel it turns, and the frame update that moves everything.
#pragma once
#include <cstdint>

enum EBatKind { BAT_SMALL = 0, BAT_MEDIUM = 1, BAT_LARGE = 2, BAT_GUN = 3, BAT_KINDS = 4 };

extern float batPosition;
extern int16_t curBat;
extern float batDisplayAdjustement[BAT_KINDS];
extern float batWidth[BAT_KINDS];
extern float batHeight[BAT_KINDS];
extern int32_t adjustBatY[BAT_KINDS];
extern float ropeIndex;
extern float singeAnim;
extern int32_t monkeyTick;
extern float autoPlayPhase;

void MainGame_Calculate();
int MainGame_AutoPlay();
void MainGame_AnimateLoops();
void MainGame_Interfer();
int MainGame_BatTarget();
void MainGame_SteerBat(int target);
