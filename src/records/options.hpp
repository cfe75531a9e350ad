#pragma once
// The player's settings and the last chosen level and difficulty, kept in "opt.dat": seven
// little-endian 32-bit integers, no header.

#include <cstdint>
#include <string>

#include "common/asset_manifest.hpp"

namespace burrowix {

struct Options {
    std::int32_t musicEnabled = 1;
    std::int32_t soundEnabled = 1;
    std::int32_t gameSpeed = 15;   // the frame interval is 40 - gameSpeed ms
    std::int32_t soundVolume = 70; // effect volume, 0..100
    std::int32_t musicVolume = 70; // music volume in per cent

    void reset() { *this = Options{}; }
};

// What "opt.dat" holds: the options plus the level and difficulty that were current.
struct StoredOptions {
    Options options;
    std::int32_t level = 0;
    std::int32_t difficulty = 0;
};

inline constexpr const char* kOptionsFileName = "opt.dat";
inline constexpr std::size_t kOptionsFileSize = 28;

// Valid ranges of the stored values; whatever a file holds is brought into them on reading.
inline constexpr std::int32_t kMinGameSpeed = 10, kMaxGameSpeed = 19;
inline constexpr std::int32_t kMaxVolume = 100;
inline constexpr std::int32_t kMaxDifficulty = 2;
inline constexpr std::int32_t kStoredLevelCount = assets::kLevelsPerPack;

// Reads the file over `stored` in field order; a short file leaves the later fields as they were.
// Speed, volumes and difficulty are clamped to their ranges, a level outside 0..29 becomes level 0.
// False when the file does not open (then nothing changes).
bool readOptionsFile(const std::string& path, StoredOptions& stored);
// Replaces the file atomically; false (old file kept) when it cannot be written.
bool writeOptionsFile(const std::string& path, const StoredOptions& stored);

} // namespace burrowix
