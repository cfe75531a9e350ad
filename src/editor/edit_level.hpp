#pragma once
// A level as the editor holds it: every cell's kind and parameter, the background blocks, the start
// position (or none yet), the theme, the two goals each on or off, the title and the hint. It turns
// into the level file and the source notes the game and the tools read, and back.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/background_block.hpp"
#include "world/cell_kind.hpp"
#include "world/level_check.hpp"
#include "world/level_file.hpp"
#include "world/level_source.hpp"

namespace burrowix {

// What one cell holds: a kind and, for the kinds that carry one, its parameter (0 otherwise).
struct Brush {
    std::int32_t kind = KindEarth;
    std::int32_t param = 0;

    bool operator==(const Brush&) const = default;
};

// The flat wall ('#'), which the editor puts round a new level.
inline constexpr Brush kBorderWall{KindWall, 3};

// The level's values beside its cells and blocks.
struct LevelProps {
    std::int32_t startX = kNoStart, startY = kNoStart;
    std::int32_t theme = 0;
    bool goldGoalOn = false;
    std::int32_t goldGoal = 0;
    bool killGoalOn = false;
    std::int32_t killGoal = 0;
    std::string title;
    std::string hint;
    std::int32_t reserved1 = 0, reserved2 = 0, reserved3 = 0; ///< carried through unchanged

    bool hasStart() const { return startX != kNoStart || startY != kNoStart; }
    bool operator==(const LevelProps&) const = default;
};

// The sizes the editor makes and resizes to.
inline constexpr std::int32_t kMinEditWidth = 20, kMinEditHeight = 15;
inline constexpr std::int32_t kMaxEditWidth = kMaxCheckedWidth, kMaxEditHeight = kMaxCheckedHeight;
// Background blocks (kBlockCells square) show one of five looks (4: the watching eyes).
inline constexpr std::int32_t kBlockLooks = 5;
// The themes the game ships.
inline constexpr std::int32_t kEditThemes = 3;

struct EditLevel {
    std::int32_t width = 0, height = 0;
    std::vector<Brush> cells;         ///< width x height, row by row
    std::vector<std::int32_t> blocks; ///< blocksAcross x blocksDown looks
    LevelProps props;

    std::int32_t blocksAcross() const { return (width + kBlockCells - 1) / kBlockCells; }
    std::int32_t blocksDown() const { return (height + kBlockCells - 1) / kBlockCells; }
    bool inside(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::size_t index(std::int32_t x, std::int32_t y) const { return std::size_t(y) * std::size_t(width) + std::size_t(x); }
    const Brush& at(std::int32_t x, std::int32_t y) const { return cells[index(x, y)]; }

    bool operator==(const EditLevel&) const = default;
};

// A new level of the given size (clamped to the editor's sizes): walls round the border, earth
// inside, background look 0, no start, both goals off.
EditLevel blankLevel(std::int32_t width, std::int32_t height);

// `level` at the new size (clamped to the editor's sizes): every cell and block that fits is kept,
// the cells that are new are earth, and walls on the new border; a start that no longer fits is gone.
EditLevel resizedLevel(const EditLevel& level, std::int32_t width, std::int32_t height);

// The brush a cell holds as the level file stores it (the parameter only for the kinds that carry one).
Brush storedBrush(std::int32_t kind, std::int32_t param);

// The props made safe to store: the theme in 0..2, goals in 0..99, the start inside the level (or
// none), the title and hint one line of at most kMaxNoteLength bytes.
LevelProps sanitizedProps(const LevelProps& props, std::int32_t width, std::int32_t height);

// The level file and notes of a level, and a level from them; nullopt with the reason when the file's
// level does not fit the editor (more than 200 cells across or down).
LevelFile toLevelFile(const EditLevel& level);
LevelNotes toLevelNotes(const EditLevel& level);
std::optional<EditLevel> fromLevelFile(const LevelFile& file, const LevelNotes& notes, std::string& error);

} // namespace burrowix
