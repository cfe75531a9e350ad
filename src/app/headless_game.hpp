#pragma once
// The program without a window, for tools and scripted runs: a display whose frames go nowhere,
// the pack catalogue of a folder with the level pack of one difficulty and its theme, and every
// picture start-up loads.

#include <cstdint>
#include <string>

namespace burrowix {

struct LevelFile;

// Sets everything up from the packs in `folder`; "" on success, else what went wrong.
std::string openGameHeadless(const std::string& folder, int difficulty);

// Releases what openGameHeadless set up.
void closeGameHeadless();

// Forgets the game's program-wide state: the shell's, the game screen's, the screen flow's, the level
// presentation's, the records, the world, the watching eyes and the looks' random numbers.
void resetGameState();

// Makes `level` the current world on the game screen as level `index` of a new game at the selected
// difficulty: the new game's records, the level number, the looks' random numbers from their start,
// the rules' from `seed`, a frame every `frameInterval` ms at cell size 40. False when the level
// cannot be played.
bool startHeadlessLevel(const LevelFile& level, int index, int frameInterval, std::uint32_t seed = 1);

} // namespace burrowix
