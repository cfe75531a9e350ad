#pragma once
// How many levels of each level set the player has unlocked, kept in "li.dat": for each of the ten
// sets its id and its unlocked count, little-endian 32-bit integers (80 bytes).

#include <array>
#include <cstdint>
#include <string>

#include "common/asset_manifest.hpp"

namespace burrowix {

class LevelProgress {
public:
    static constexpr int kSets = 10;

    std::array<std::int32_t, kSets> setIds{};   // carried through the file unchanged
    std::array<std::int32_t, kSets> unlocked{}; // levels 0 .. unlocked[k] - 1 may be started

    LevelProgress() { reset(); }
    void reset();

    // Unlocked levels of set k; a set outside 0..9 has its first level only.
    std::int32_t unlockedLevels(int set) const;
    // Winning the last unlocked level of a set unlocks the next one.
    void recordWin(int set, int level);

    static constexpr std::int32_t kMaxUnlocked = assets::kLevelsPerPack;

    // A short file leaves the later values as they were; unlocked counts are clamped to 1..30. False
    // when it does not open.
    bool read(const std::string& path);
    // Replaces the file atomically; false (old file kept) when it cannot be written.
    bool write(const std::string& path) const;
};

inline constexpr const char* kProgressFileName = "li.dat";

} // namespace burrowix
