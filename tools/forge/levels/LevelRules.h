// What makes a level playable: bricks inside the upper playfield, no overlaps, looks
// that match strengths, sane physics, and every required brick reachable by a ball.
#pragma once
#include "tools/forge/levels/LevelSource.h"

#include <string>
#include <vector>

namespace forge {

constexpr int kFieldLeft = 170;     // the ball's playfield, left and right walls
constexpr int kFieldRight = 786;
constexpr int kWallFloor = 380;     // lowest bottom edge a brick may have
constexpr int kMaxBricks = 200;
constexpr int kRequiredBelow = 100; // bricks weaker than this must be broken to finish
constexpr int kMetalStrength = 900;
constexpr int kStoneStrength = 999;
constexpr int kToughStrength = 51;  // spared by the bomb from here on

// A marching wall capsule moves the wall down this far; every brick must stay above
// kDescentFloor even after every marching capsule of its level, so required bricks
// stay within the ball's reach and none sinks onto the monkeys.
constexpr int kDescentStep = 49;
constexpr int kDescentFloor = 440;

// The ball crosses the monkeys' bat band only if one frame's fall stays below this.
constexpr float kMaxFallPerFrame = 8.0f;
constexpr float kFastFactor = 1.5f;

// Every problem found, each as "<source>:<line>: <what>"; empty when the level is sound.
std::vector<std::string> checkLevel(const LevelPlan &plan);

// For each brick: can a 20 x 20 ball, rising from the bat, touch it without passing
// through any brick of strength kRequiredBelow or more?
std::vector<bool> bricksReachable(const LevelPlan &plan);

} // namespace forge
