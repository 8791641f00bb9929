// A scripted player that makes demos without a person at the controls: it follows the
// ball, launches it, fires, chases capsules, lets a ball go and skips a level on cue.
#pragma once
#include <cstdint>

#include "tools/demo/DemoFile.h"

struct DemoPlayerPlan {
    uint32_t frames = 3000;   // the demo's length; Escape is held over its last stretch
    uint32_t seed = 1;        // the player's own choices (not the game's generator)
    uint32_t loseAt = 0;      // from this frame on, balls are let go until a life is lost (0: never)
    uint32_t skipAt = 0;      // Up and F4 on this frame: the next level (0: never)
};

struct DemoPlayer {
    DemoPlayerPlan plan;
    uint32_t choices = 1;     // generator state of the player's choices
    int lives = -1;           // lives seen last frame
    bool losing = false;      // letting balls go now
    int offset = 0;           // where on the bat it aims
    int clickHold = 0;        // frames the button stays down
};

void DemoPlayer_Start(DemoPlayer *p, const DemoPlayerPlan &plan);
// The input for `frame`, decided from the game as it stands after the flip before it.
DemoFrame DemoPlayer_Decide(DemoPlayer *p, uint32_t frame);
