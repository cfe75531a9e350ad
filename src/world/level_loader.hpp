#pragma once
// Building a world from a level file: the cells with their flags, the values the file does not hold
// (drawn from the game's random numbers in cell order), the wall decorations, the view and the
// digger; and starting a level of the current level pack.

#include <cstdint>
#include <string>

#include "world/level_file.hpp"

namespace burrowix {

class World;

// Fills `w` from `level` as the level at `levelIndex` (its position decides the Crawler looks),
// places the view for `cellSize` and creates the digger as the current digger. An unusable level
// leaves an empty world (loaded = false) and a dead digger.
void setUpLevel(World& w, const LevelFile& level, std::int32_t levelIndex, int cellSize);

// Reads the level file at `path` into `w`, for the level number being started.
bool loadLevel(World& w, const std::string& path);

// The member name of a level: its 1-based number followed by ".ml_".
std::string levelMemberName(int levelIndex);

// Builds the world of level `levelIndex` of the current level pack and makes it current.
void startLevel(int levelIndex);

} // namespace burrowix
