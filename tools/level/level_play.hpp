#pragma once
// burrowix-level play: a level in the game window with the real clock and keyboard, for level
// designers. The level starts running at once; Esc or closing the window ends it.

#include <ostream>
#include <string>
#include <vector>

namespace burrowix {

// args: "play", LEVEL, then [--difficulty D] [--index N] [--speed S] [--data DIR]. 0 when the window
// was closed normally, 2 on bad arguments or when the level or the game's data cannot be loaded.
int playLevel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace burrowix
