#pragma once
// burrowix-sim's "level" mode: a level played without a window against a manual clock, driven by
// script commands, one per line (the language is kLevelScriptHelp in level_sim.hpp, which the
// tool's usage prints).
// Usage: burrowix-sim level LEVEL [--difficulty D] [--index N] [--speed S] [--script FILE] [--data DIR]

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace burrowix {

// Runs the tool; the exit status (2 for unknown commands and unreadable levels).
int runSimTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// Where and as whom a level run is recorded as a replay.
struct ReplayRecording {
    std::string path;
    std::string player = "Player";
    std::int64_t date = -1; ///< seconds since 1970; -1 for now
};

// The "level" command (args[0] == "level"); `forced`, when given, records the run whatever the
// command line says.
int runLevel(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
             const ReplayRecording* forced = nullptr);

} // namespace burrowix
