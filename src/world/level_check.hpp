#pragma once
// The checks a level must pass to be playable as intended: its size, a border of walls, an empty
// start cell inside the first view's limits, goals that can be reached by count, and only the
// kinds, minerals, pickups and block pictures that levels may use.

#include <string>
#include <vector>

#include "world/level_file.hpp"

namespace burrowix {

// The start position of a level that has none yet (both coordinates); the check says so in words.
inline constexpr std::int32_t kNoStart = -1;
// The largest level the check passes: 200 x 200 cells.
inline constexpr std::int32_t kMaxCheckedWidth = 200, kMaxCheckedHeight = 200;

// Every problem found, one sentence each; empty for a good level.
std::vector<std::string> checkLevel(const LevelFile& level);

} // namespace burrowix
