#pragma once
// The level source format: a plain text a person can edit, compiled into a level file and back
// without losing any value. data/levels/README.md describes it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "world/level_file.hpp"

namespace burrowix {

// Parses a level source; nullopt with a message naming the line when it is not valid.
std::optional<LevelFile> parseLevelSource(std::string_view text, std::string& error);
// The level file bytes of a level source.
std::optional<std::vector<std::uint8_t>> compileLevelSource(std::string_view text, std::string& error);
// The source text of a level.
std::string decompileLevel(const LevelFile& level);

// The map symbol of a cell, or '?' when the kind and parameter have none.
char levelSymbol(std::int32_t kind, std::int32_t param);

} // namespace burrowix
