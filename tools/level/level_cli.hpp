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

int runLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace burrowix
