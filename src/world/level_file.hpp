#pragma once
// The level file: width and height, every cell's kind (and parameter for the kinds that carry one),
// the background blocks' pictures, the digger's start cell and seven goal values, all little-endian
// 32-bit integers. LevelFile is the file's content as stored; reading never trusts a size.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace burrowix {

struct LevelFile {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::int32_t> kinds;  // width x height, row by row
    std::vector<std::int32_t> params; // 0 for the kinds that carry no parameter
    std::vector<std::int32_t> blocks; // blocksAcross x blocksDown pictures
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    std::int32_t goldGoalOn = 0, goldGoal = 0;
    std::int32_t killGoalOn = 0, killGoal = 0;
    std::int32_t reserved1 = 0, reserved2 = 0, reserved3 = 0;
    // Bytes after the last value (ignored by the game, kept so a file can be rebuilt exactly).
    std::vector<std::uint8_t> trailing;
    // The file ended before the last goal value; the missing values read as 0.
    bool shortFile = false;

    std::int32_t blocksAcross() const { return (width + 4) / 5; }
    std::int32_t blocksDown() const { return (height + 4) / 5; }
};

// Levels are at most a few thousand cells; a grid beyond this many is refused rather than given
// hundreds of megabytes.
inline constexpr std::uint64_t kMaxLevelCells = 1'000'000;

// Why a level of this size cannot be stored or loaded (a side not positive, more than
// kMaxLevelCells cells), or "" when it can. Writing and reading levels use the same limit.
std::string levelSizeProblem(std::int64_t width, std::int64_t height);

// Cell parameters are small indices (a wall's shape, a mineral's type, at most 7 in any level);
// one far outside them would overflow the picture square it selects, so a level holding one is
// refused rather than clamped into something its author never drew.
inline constexpr std::int32_t kMaxCellParam = 1000;

// Why the parameter of a cell of `kind` at (x, y) cannot be stored or loaded (outside
// -kMaxCellParam..kMaxCellParam for a kind that carries one), or "" when it can.
std::string cellParamProblem(std::int32_t kind, std::int32_t param, std::int64_t x, std::int64_t y);

// Reads a level file. nullopt, with the reason in `error` when given, when the width or height is
// not positive, the grid is larger than kMaxLevelCells, a cell parameter is out of range or the
// cells do not fit the file (the level cannot be loaded); a file that ends after the cells reads the rest as 0.
std::optional<LevelFile> parseLevelFile(std::span<const std::uint8_t> bytes, std::string* error = nullptr);
// Reads the whole file at `path`; nullopt when it cannot be read (the reason with strerror) or parsed.
std::optional<LevelFile> readLevelFile(const std::string& path, std::string* error = nullptr);
// The bytes of a level file (the trailing bytes included).
std::vector<std::uint8_t> encodeLevelFile(const LevelFile& level);

} // namespace burrowix
