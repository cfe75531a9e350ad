#include "common/random.hpp"

#include <gtest/gtest.h>

namespace burrowix {
namespace {

TEST(Random, DrawsTheFixedSequenceFromStart)
{
    theRandom.reset();
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(theRandom.draw(), value);
}

TEST(Random, ScalesDrawsIntoTheRange)
{
    theRandom.reset();
    // 41/32767*10 = 0.0125, 18467/32767*10 = 5.6, 6334/32767*10 = 1.93
    EXPECT_EQ(random(10), 0);
    EXPECT_EQ(random(10), 5);
    EXPECT_EQ(random(10), 1);
    for (int n : {1, 2, 3, 7, 100, 32767, 32768, 1000000}) {
        for (int i = 0; i < 5000; ++i) {
            const int v = random(n);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, n);
        }
    }
}

TEST(Random, TopDrawGivesHighestValue)
{
    // Find the state right before a draw of 32767 and check it maps to n - 1.
    theRandom.reset();
    RandomGenerator probe;
    int steps = 0;
    while (probe.draw() != 32767)
        ++steps;
    for (int i = 0; i < steps; ++i)
        theRandom.draw();
    EXPECT_EQ(random(7), 6);
}

TEST(Random, EmptyRangeGivesZeroButUsesADraw)
{
    theRandom.reset();
    EXPECT_EQ(random(0), 0);
    EXPECT_EQ(random(-5), 0);
    EXPECT_EQ(theRandom.draw(), 6334);
}

TEST(Random, RealTwinIsNotTruncated)
{
    theRandom.reset();
    EXPECT_FLOAT_EQ(randomReal(2.0f), 41.0f / 32767.0f * 2.0f);
    EXPECT_FLOAT_EQ(randomReal(1.0f), 18467.0f / 32767.0f);
}

TEST(Random, MinMax)
{
    EXPECT_EQ(max(-3, 2), 2);
    EXPECT_EQ(min(-3, 2), -3);
}

} // namespace
} // namespace burrowix
