#pragma once
// burrowix-level's commands, callable from tests:
//   compile SRC OUT.ml_          level source to level file
//   decompile LEVEL.ml_          level file to source text on standard output
//   validate LEVEL               lists the level's problems; exit status 1 when there are any
//   render LEVEL OUT.png [--cell 40|20] [--index N] [--data DIR]
// LEVEL is a level file when its name ends in ".ml_", else a level source.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "world/level_file.hpp"

namespace burrowix {

// Reads a level file or a level source, by the name's ending.
std::optional<LevelFile> readLevelAny(const std::string& path, std::string& error);

// The folder the running program lies in (where the packs are), with a trailing '/'.
std::string programFolder();

// The options of running a level (playing it, or the simulator): --difficulty D (0..2), --index N
// (0..29), --speed S (0..40), --data DIR, and --script FILE when `acceptScript`. `options` holds the
// caller's defaults on entry. False for an unknown option, a missing value or a value out of range.
struct LevelRunOptions {
    int difficulty = 0;
    int index = 0;
    int speed = 15;
    std::string data = programFolder();
    std::string script;
};
bool parseLevelRunOptions(const std::vector<std::string>& args, std::size_t first, bool acceptScript,
                          LevelRunOptions& options);

// The level named by args[1], or nothing after telling `err` why it cannot be read.
std::optional<LevelFile> readLevelArgument(const std::vector<std::string>& args, std::ostream& err);

int runLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace burrowix
