#pragma once
// The checks a level must pass to be playable as intended: its size, a border of walls, an empty
// start cell inside the first view's limits, goals that can be reached by count, and only the
// kinds, minerals, pickups and block pictures that levels may use.

#include <string>
#include <vector>

#include "world/level_file.hpp"

namespace burrowix {

// Every problem found, one sentence each; empty for a good level.
std::vector<std::string> checkLevel(const LevelFile& level);

} // namespace burrowix
