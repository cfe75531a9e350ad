#pragma once
// The game's random numbers: fixed sequences, identical on every run and machine. The rules of a
// level draw from their world's own generator, seeded when the level is set up, so a level plays
// the same from the same seed and inputs; drawing and sound variants draw from `theRandom`.

#include <cstdint>

namespace burrowix {

// The classic linear congruential generator; draws 0..32767.
struct RandomGenerator {
    static constexpr int kMax = 32767;
    static constexpr std::uint32_t kDefaultSeed = 1;
    std::uint32_t state = kDefaultSeed;

    int draw()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
    void reset(std::uint32_t seed = kDefaultSeed) { state = seed; }
};

// The program-wide generator of the looks and sounds (animation frames, the eyes, sound variants):
// nothing the rules decide draws from it.
extern RandomGenerator theRandom;

// An integer from 0 to n - 1 drawn from `g` (0 when n <= 0; a draw is used either way).
int random(RandomGenerator& g, int n);
// A real number from 0 to x drawn from `g`: the draw scaled without truncation.
float randomReal(RandomGenerator& g, float x);
// The same, drawn from `theRandom`.
inline int random(int n) { return random(theRandom, n); }
inline float randomReal(float x) { return randomReal(theRandom, x); }

inline int max(int a, int b) { return a > b ? a : b; }
inline int min(int a, int b) { return a < b ? a : b; }

} // namespace burrowix
