// The game's generator: its first values from the fixed start, and state round trips.
#include "engine/KRandom.h"

#include <gtest/gtest.h>

TEST(Random, FirstValuesFromTheStartState)
{
    KRandom::setState(1);
    EXPECT_EQ(KRandom::rand(), 16838);
    EXPECT_EQ(KRandom::rand(), 5758);
    EXPECT_EQ(KRandom::rand(), 10113);
}

TEST(Random, StateRestoresTheSequenceAndStaysInRange)
{
    KRandom::setState(0xDEADBEEF);
    const uint32_t saved = KRandom::getState();
    int first[50];
    for (int &v : first) {
        v = KRandom::rand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
    KRandom::setState(saved);
    for (int v : first)
        EXPECT_EQ(KRandom::rand(), v);
}
