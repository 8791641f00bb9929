// The cartoon monkey every sheet is made of: one pose record (body, limbs, face) and
// the function that draws it. Coordinates of a pose are relative to the hips, unscaled.
#pragma once
#include <cairo.h>

namespace sprites {

constexpr unsigned kFur = 0x7A4A22;
constexpr unsigned kFurShade = 0x5E3717;
constexpr unsigned kFace = 0xF1D2A6;
constexpr unsigned kPupil = 0x222222;

enum class Eyes { OPEN, CLOSED, SQUEEZED, WIDE, SAD };
enum class Mouth { SMILE, GRIN, OOH, FROWN, SHOUT, FLAT };

struct MonkeyPose {
    double x = 0, y = 0;          // hips on the picture
    double scale = 1.0;
    bool mirrored = false;        // face and tail turned the other way
    double lean = 0;              // upper body tilt around the hips, radians, + leans right
    double bodyDy = 0;            // squash (+) or stretch (-) of the torso
    double headDx = 0, headDy = 0, headTilt = 0;
    double handLX = -8, handLY = -30, handRX = 8, handRY = -30;
    double elbowBend = 4;         // how far the elbows bow outwards
    bool armsInFront = false;     // arms drawn over the head (crossed arms, waving)
    double footLX = -4, footLY = 14, footRX = 4, footRY = 14;
    double tailSwing = 0;         // -1..1
    Eyes eyes = Eyes::OPEN;
    double lookX = 0, lookY = 0;  // pupils, -1..1
    Mouth mouth = Mouth::SMILE;
    double blush = 0;             // 0..1 pink cheeks
    bool tear = false;
    double line = 1.0;            // outline width in picture pixels
};

// Rest positions of the parts, in pose units.
constexpr double kHeadRise = 25;     // head centre above the hips
constexpr double kShoulderRise = 15;
constexpr double kShoulderSpread = 6;
constexpr double kHeadRadius = 10;

void drawMonkey(cairo_t *cr, const MonkeyPose &p);

// Parts, for pictures that need them alone.
void drawMonkeyHead(cairo_t *cr, const MonkeyPose &p, double hx, double hy);
void drawMonkeyHand(cairo_t *cr, double x, double y, double radius, double line);

} // namespace sprites
