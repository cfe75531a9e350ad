#pragma once
// Score, pick-up amounts and the level-complete check. Every score gain is a base value times
// (3 - difficulty); the goals come from the level file.

#include <cstdint>

namespace burrowix {

class World;
class Digger;

int scoreMultiplier(int difficulty);
// Base value of a gold nugget and of a mineral by type (0 for types outside 0..8).
inline constexpr int kGoldValue = 3;
int mineralValue(std::int32_t type);
// Ammunition a weapon pickup of weapon p adds at a difficulty (0 outside weapons 0..7).
int pickupAmount(int difficulty, std::int32_t weapon);

// Adds base x the multiplier of the world's difficulty to the live score.
void addScore(World& w, int base);

// Recounts the enemies, and when every goal of the level is met reports the level won: the rules
// stop (the shell plays the winner sound, opens the next level and shows the panel). Nothing for a
// dead digger. True when the level was won by this check.
bool levelCompleteCheck(World& w, Digger& d);

} // namespace burrowix
