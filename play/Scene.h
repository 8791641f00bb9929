// The game scene: the pictures that live for one game, the back-to-front drawing of a
// frame, the rope, wheel, monkeys and bat, the panel monkey and the panel doors.
#pragma once
#include <cstdint>

#include "play/Bat.h"

class KGraphic;

#define MONKEY_LOOPS 4
#define MONKEY_IDLE_LOOP 3

struct MonkeyRig {
    KGraphic *monkeySheet;
    KGraphic *batSheets[BAT_KINDS];
    int32_t loopStart[MONKEY_LOOPS];
    int32_t loopEnd[MONKEY_LOOPS];
    int32_t frame;
    int32_t lastFrame;
};

extern MonkeyRig monkeys;
extern bool gWinLose;
extern KGraphic *surf_singeWheel;
extern KGraphic *surf_Balle;
extern KGraphic *surf_EvilBall;
extern KGraphic *surf_LeftPanel;
extern KGraphic *surf_MonkeyWin;
extern KGraphic *surf_MonkeyLose;
extern KGraphic *surf_MonkeyGun;
extern int32_t winLoseTick, winLoseColumn, winLoseRow;

void MainGame_BlitGame();
bool MainGame_LoadGraphics();
bool MainGame_LoadMonkeys();
void MainGame_FreeGraphics();
void MainGame_BlitWheelSinge();
void BlitMacRope(long offset);
void MainGame_DisplayMonkeyWinLose(bool win);
void MainGame_DisplayPanels(long offset);
