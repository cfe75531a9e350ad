#pragma once
// A woken Egg hatches: it shakes faster and faster, cracks open, and becomes a Crawler of look 4
// that keeps the Egg's flags and heading. Runs with the Egg's drawing while the game runs.

#include "platform/system/clock.hpp"

namespace burrowix {

class Cell;

// Egg states: 0 asleep, 1 shaking, 2 cracking open, 3 hatched.
inline constexpr int kEggAsleep = 0, kEggShaking = 1, kEggOpening = 2, kEggHatched = 3;

// One drawing's worth of hatching at time `now`; does nothing to a sleeping egg.
void hatchStep(Cell& egg, Ticks now);

} // namespace burrowix
