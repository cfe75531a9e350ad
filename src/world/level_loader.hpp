#pragma once
// Building a world from a level file: the cells with their flags, the values the file does not hold
// (drawn from the world's rules generator in cell order), the wall decorations, the view and the
// digger.

#include <cstdint>
#include <optional>
#include <string>

#include "world/level_file.hpp"

namespace burrowix {

class World;

// Fills `w` from `level` as the level at `levelIndex` (its position decides the Crawler looks) played
// at `difficulty`, places the view for `cellSize` and creates the digger as the current digger. An
// unusable level leaves an empty world (loaded = false) and a dead digger. The rules generator starts
// from `w.seed`, which the caller sets beforehand (the default seed otherwise).
void setUpLevel(World& w, const LevelFile& level, std::int32_t levelIndex, int cellSize, std::int32_t difficulty);

// Reads the level file at `path` into `w` as setUpLevel does; false when it cannot be used. The level
// read is kept in `*read` when given (empty when it could not be read), so a caller needs no second read.
bool loadLevel(World& w, const std::string& path, std::int32_t levelIndex, int cellSize, std::int32_t difficulty,
               std::optional<LevelFile>* read = nullptr);

} // namespace burrowix
