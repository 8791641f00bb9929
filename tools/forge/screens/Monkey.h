// The cartoon monkeys of the screens: brown fur, beige face and belly, big eyes, a curly
// tail, posed to cheer, wave, sulk or hold something up.
#pragma once
#include <cairo.h>

namespace screens {

enum MonkeyPose { POSE_CHEER, POSE_WAVE, POSE_SULK, POSE_HOLD_UP };
enum MonkeyMood { MOOD_HAPPY, MOOD_SAD, MOOD_AMAZED };

// Feet at (x, y); `scale` 1 is about 110 pixels tall; `facing` -1 mirrors the monkey.
void drawMonkey(cairo_t *cr, double x, double y, double scale, MonkeyPose pose, MonkeyMood mood, int facing = 1);

// Where the raised hand(s) of a pose end, in the same units (for props held up).
void monkeyHandPosition(double x, double y, double scale, MonkeyPose pose, int facing, int hand, double &hx,
                        double &hy);

} // namespace screens
