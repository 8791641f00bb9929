// Sizes and places the game relies on when it draws the scene pictures: sheet cells,
// the status panel's counters, the rope track, the grass overlay.
#pragma once

namespace scene {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// Island: left status panel, playfield, right border.
constexpr int kPanelRight = 170;
constexpr int kPlayfieldRight = 786;
constexpr int kCounterRightX = 126;     // numbers are drawn right-aligned here
constexpr int kCounterHeight = 13;
constexpr int kCounterY[4] = {213, 300, 389, 480};   // score, lives, bonus, level
constexpr const char *kCounterLabels[4] = {"SCORE", "LIVES", "BONUS", "LEVEL"};
constexpr int kPanelMonkeyLeft = 51, kPanelMonkeyTop = 98, kPanelMonkeyRight = 131, kPanelMonkeyBottom = 175;
constexpr int kWheelTop = 525;
constexpr int kRopeStartX = 80;
constexpr int kRopeUpperY = 537, kRopeLowerY = 563, kRopeThickness = 8;

// Grass overlay: drawn whole at the bottom edge over the wheel and rope.
constexpr int kGrassHeight = 56;

// Panel doors: two halves of the full screen.
constexpr int kDoorHeight = 300;

// Ball sheets: frames stepped left to right, then row by row.
constexpr int kBallSize = 20;
constexpr int kBallFrames = 8;
constexpr int kEvilBallWidth = 27, kEvilBallHeight = 26;
constexpr int kEvilBallFrames = 8;

// Explosion: 2 columns x 3 rows.
constexpr int kExplosionCell = 100;
constexpr int kExplosionColumns = 2, kExplosionRows = 3;

// Pointer: five frames side by side, hot spot top-left.
constexpr int kPointerWidth = 21, kPointerHeight = 34, kPointerFrames = 5;

constexpr int kBrickStages = 5;

} // namespace scene
