// Plays one game on the headless backend from a demo's start (level, generator state),
// feeding each frame's input from a callback and reporting after every flip.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "tools/demo/DemoFile.h"

struct DemoRunHooks {
    // The input for the frame that starts now (0: before the first flip).
    std::function<DemoFrame(uint32_t frame)> input;
    // After flip `frame` (from 1), before the next frame's input is set.
    std::function<void(uint32_t frame)> afterFlip;
    // Optional: a later frame's input without taking it. A screen that waits for the
    // player between two flips (a held button let go) is given the input to come.
    std::function<const DemoFrame *(uint32_t frame)> peek;
};

// gameDir: the folder holding zumbo.ini and the generated data. Runs `frames` flips (or
// until the game returns) in a throw-away copy of that folder. Returns the flips run,
// or -1 with *error when the game could not start.
long Demo_RunHeadless(const std::string &gameDir, int level, uint32_t randomState, uint32_t frames,
                      const DemoRunHooks &hooks, std::string *error);

// Puts one frame's input on the headless backend.
void Demo_ApplyFrame(const DemoFrame &f);
