#pragma once
// Starting a level of the selected level pack: the level-start presentation, the pack's level member
// read into a new current world, and the screen-flow switches a level start sets.

#include <cstdint>
#include <string>

namespace burrowix {

// The member name of a level: its 1-based number followed by ".ml_".
std::string levelMemberName(int levelIndex);

// The seed of the rules' generator for a level started now, from the program clock.
std::uint32_t nextLevelSeed();

// Builds the world of level `levelIndex` of the current level pack and makes it current.
void startLevel(int levelIndex);
// The content fingerprint (levelContentHash) of the level the last start read; 0 when it did not load.
std::uint64_t startedLevelHash();

// The same with the rules' generator started from `seed` (a replay's).
void startLevelWithSeed(int levelIndex, std::uint32_t seed);

} // namespace burrowix
