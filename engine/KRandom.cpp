// The game's random generator: one 32-bit linear congruential state for the whole run.
#include "engine/KRandom.h"

static uint32_t randomState = 1;

int KRandom::rand()
{
    randomState = randomState * 1103515245u + 12345u;
    return (int)((randomState >> 16) & 0x7FFF);
}

uint32_t KRandom::getState() { return randomState; }

void KRandom::setState(uint32_t state) { randomState = state; }
