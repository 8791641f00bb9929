// KRandom: the game's one random generator. A 32-bit state that starts at 1 and is never
// reseeded; every random choice of the game draws from it, so a run is reproducible.
#pragma once
#include <cstdint>

class KRandom {
public:
    static int rand();                     // 0..32767; state = state * 1103515245 + 12345
    static uint32_t getState();
    static void setState(uint32_t state);

    static const int RANDMAX = 32767;
};
