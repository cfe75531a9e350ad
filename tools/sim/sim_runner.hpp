#pragma once
// burrowix-sim's "level" mode: a level played without a window against a manual clock, driven by
// script commands, one per line (the language is kLevelScriptHelp in level_sim.hpp, which the
// tool's usage prints).
// Usage: burrowix-sim level LEVEL [--difficulty D] [--index N] [--speed S] [--script FILE] [--data DIR]

#include <iosfwd>
#include <string>
#include <vector>

namespace burrowix {

// Runs the tool; the exit status (2 for unknown commands and unreadable levels).
int runSimTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace burrowix
