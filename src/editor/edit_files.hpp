#pragma once
// Levels in and out of the editor as files: the level source (data/levels format, with the title,
// hint and theme) that `burrowix-level compile` accepts, and a compiled level file read in.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editor/edit_level.hpp"

namespace burrowix {

// The level's source text.
std::string editLevelSource(const EditLevel& level);
// A level from a source text or from a level file's bytes; nullopt with the reason.
std::optional<EditLevel> editLevelFromSource(std::string_view text, std::string& error);
std::optional<EditLevel> editLevelFromBytes(std::span<const std::uint8_t> bytes, std::string& error);
// Reads a level file ("*.ml_") or a source (anything else); nullopt with the reason.
std::optional<EditLevel> readEditLevel(const std::string& path, std::string& error);
// Writes the level's source atomically; false with the system's reason (the old file kept).
bool writeEditLevelSource(const std::string& path, const EditLevel& level, std::string& error);

} // namespace burrowix
