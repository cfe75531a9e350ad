#include "common/parallel_for.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace burrowix {
namespace {

TEST(ParallelFor, CallsEveryIndexExactlyOnceAndReturnsAfterTheLast)
{
    for (std::size_t count : {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(1000)}) {
        std::vector<std::atomic<int>> calls(count);
        parallelFor(count, [&](std::size_t i) {
            // Some pieces take longer, so that the threads interleave.
            volatile unsigned spin = 0;
            for (unsigned k = 0; k < (i % 7) * 1000; ++k)
                spin = spin + k;
            ++calls[i];
        });
        for (std::size_t i = 0; i < count; ++i)
            ASSERT_EQ(calls[i].load(), 1) << "index " << i << " of " << count;
    }
}

} // namespace
} // namespace burrowix
