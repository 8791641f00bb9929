// The options screen: music and effect volumes in ten steps, the reset of the table and
// of the highest level reached, and H for the table.
#pragma once

#define VOLUME_STEPS 10

extern const int volumeBarWidth[VOLUME_STEPS];

int Options_ClampStep(int step);   // into 0..9
bool GoOptions();
