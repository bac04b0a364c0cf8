#include "framework/Random.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The first values the Windows C runtime's rand() gives after srand(1) and srand(2).
TEST(Random, FollowsTheWindowsRuntimeSequence) {
    SeedRandom(1);
    const int afterSeed1[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int expected : afterSeed1)
        EXPECT_EQ(expected, Rand());

    SeedRandom(2);
    const int afterSeed2[] = {45, 29216, 24198, 17795, 29484};
    for (int expected : afterSeed2)
        EXPECT_EQ(expected, Rand());
}

TEST(Random, StaysWithinTheRuntimeRange) {
    SeedRandom(123456789u);
    int lowest = kRandMax, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const int value = Rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, kRandMax);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(0, lowest);
    EXPECT_EQ(kRandMax, highest);
}

} // namespace
} // namespace orvane
