#pragma once
// The game's random numbers: one fixed, never-seeded sequence, identical on every run and machine.

#include <cstdint>

namespace burrowix {

// The classic linear congruential generator; draws 0..32767.
struct RandomGenerator {
    static constexpr int kMax = 32767;
    std::uint32_t state = 1;

    int draw()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
    void reset() { state = 1; }
};

// The program-wide generator every random choice of the game draws from.
extern RandomGenerator theRandom;

// An integer from 0 to n - 1 (0 when n <= 0; a draw is used either way).
int random(int n);
// A real number from 0 to x: the draw scaled without truncation.
float randomReal(float x);

inline int max(int a, int b) { return a > b ? a : b; }
inline int min(int a, int b) { return a < b ? a : b; }

} // namespace burrowix
