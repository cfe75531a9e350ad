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

// What a level source may hold beside the level file's values: the title and the hint shown to the
// player and the theme it is played with. A level file stores none of them.
struct LevelNotes {
    std::string title;
    std::string hint;
    std::int32_t theme = -1; ///< -1: the theme of the pack the level is played from

    bool operator==(const LevelNotes&) const = default;
};

// Titles and hints are one line of at most this many bytes.
inline constexpr std::size_t kMaxNoteLength = 200;
// Theme numbers a level source may name (the theme table's size).
inline constexpr std::int32_t kMaxThemeNumber = 6;

// Parses a level source; nullopt with a message naming the line when it is not valid. The title,
// hint and theme go to `notes` when given.
std::optional<LevelFile> parseLevelSource(std::string_view text, std::string& error, LevelNotes* notes = nullptr);
// The level file bytes of a level source.
std::optional<std::vector<std::uint8_t>> compileLevelSource(std::string_view text, std::string& error);
// The source text of a level, with its notes when they are not empty (control characters in a title
// or hint are written as spaces, so the text stays one line).
std::string decompileLevel(const LevelFile& level, const LevelNotes& notes = {});

// The map symbol of a cell, or '?' when the kind and parameter have none.
char levelSymbol(std::int32_t kind, std::int32_t param);

} // namespace burrowix
