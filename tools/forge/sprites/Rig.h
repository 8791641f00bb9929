// The monkeys-and-plank rig shared by the monkey sheet and the four bat sheets: one
// plank shape per animation frame, so the hands stay under the plank in every frame.
#pragma once

namespace sprites {

// Monkey cells are 71 x 80 and drawn at (batPosition, 465); every bat cell is centred on
// the same middle line, so rig coordinates are monkey-cell coordinates.
constexpr int kMonkeyCellW = 71, kMonkeyCellH = 80;
constexpr int kMonkeyCols = 13, kMonkeyRows = 5, kMonkeyFrames = 65;
constexpr int kBatCols = 5, kBatRows = 13, kBatCellH = 24;
constexpr double kRigMiddle = 35.5;
constexpr double kPlankTop = 7;          // screen y 472, where the balls bounce
constexpr double kPlankThick = 9;
constexpr double kMonkeyCellScreenY = 465;
constexpr double kLeftMonkeyX = 18, kRightMonkeyX = 53;
constexpr double kMonkeyHipsY = 62;

// Animation loops of the shared frame number.
constexpr int kIdleFirst = 0, kIdleLast = 35;
constexpr int kRightHitFirst = 36, kRightHitLast = 44;
constexpr int kLeftHitFirst = 45, kLeftHitLast = 54;
constexpr int kCentreHitFirst = 55, kCentreHitLast = 64;

enum class RigLoop { IDLE, RIGHT_HIT, LEFT_HIT, CENTRE_HIT };

struct RigFrame {
    RigLoop loop;
    double t;              // 0..1 through the loop
    double leftLift;       // plank rise over the left monkey's hands (pixels, + up)
    double rightLift;      // and over the right monkey's
    double flex;           // extra rise of the plank's middle (+ bows up)
    double pushLeft;       // effort of each monkey, 0..1
    double pushRight;
};

RigFrame rigFrame(int frame);
// Rise of the plank (pixels, + up) at x, in rig coordinates.
double plankRise(const RigFrame &r, double x);

} // namespace sprites
