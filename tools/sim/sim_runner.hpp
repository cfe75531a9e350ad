#pragma once
// burrowix-sim's "level" mode: a level played without a window against a manual clock, driven by
// script commands, one per line ('#' starts a comment):
//   frames N               run N game frames, each 41 - speed ms after the last, so each is presented
//   down KEY | up KEY      a key pressed or released (Left Up Right Down Space Tab Esc Enter Insert F1..F12)
//   press KEY              down, one frame, up
//   state                  one JSON line with the game's state
//   cells                  one JSON line with every cell's kind and parameter
//   shot FILE.png          the 800 x 600 back buffer as a picture
// Usage: burrowix-sim level LEVEL [--difficulty D] [--index N] [--speed S] [--script FILE] [--data DIR]

#include <iosfwd>
#include <string>
#include <vector>

namespace burrowix {

// Runs the tool; the exit status (2 for unknown commands and unreadable levels).
int runSimTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace burrowix
