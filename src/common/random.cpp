#include "common/random.hpp"

namespace burrowix {

RandomGenerator theRandom;

int random(RandomGenerator& g, int n)
{
    const float unit = static_cast<float>(g.draw()) / static_cast<float>(RandomGenerator::kMax);
    if (n <= 0)
        return 0;
    const int value = static_cast<int>(unit * static_cast<float>(n));
    // Only the top draw (32767) lands on n itself; it counts as the highest value.
    return value >= n ? n - 1 : value;
}

float randomReal(RandomGenerator& g, float x)
{
    return static_cast<float>(g.draw()) / static_cast<float>(RandomGenerator::kMax) * x;
}

} // namespace burrowix
