#pragma once
// The hall of fame record: the ten best scores with names, the per-level record slots that the file
// carries, and the running values of the game in progress (lives, ammunition, TNT, bottle, score).
// "score.dat" stores the first part; the running values live only in memory.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/asset_manifest.hpp"

namespace burrowix {

struct HallEntry {
    std::int32_t score = 0;
    std::string name; // at most 99 characters
};

class HallOfFame {
public:
    static constexpr int kLevelSlots = 90;   // 3 level sets x 30 levels: the layout of "score.dat"
    static_assert(kLevelSlots == assets::kLevelPackCount * assets::kLevelsPerPack,
                  "score.dat holds one slot per shipped level; another count changes its layout");
    static constexpr int kEntries = 20;      // 0..9 shown, 10..11 pushed down, 12..19 spare
    static constexpr int kShownRows = 10;
    static constexpr int kPromptEntry = 15;  // its score word stores difficultyPromptPending
    static constexpr std::size_t kMaxNameLength = 99;
    static constexpr int kWeapons = 10;

    std::array<std::int32_t, kLevelSlots> levelValueA{};
    std::array<std::int32_t, kLevelSlots> levelValueB{};
    std::array<HallEntry, kEntries> entries;
    std::array<std::int32_t, kLevelSlots> levelValueC{};
    std::int32_t highlight = 0; // table row of the newest entry

    // The running game values, never stored in the file.
    std::int32_t lives = 0;
    std::array<std::int32_t, kWeapons> ammunition{};
    std::int32_t placedTnt = 0;  // cell of the TNT waiting for its signal, 0 for none
    std::int32_t superStart = 0; // ms when the bottle was last used
    std::int32_t score = 0;

    HallOfFame() { setDefaults(); }
    virtual ~HallOfFame() = default;
    HallOfFame(const HallOfFame&) = default;
    HallOfFame& operator=(const HallOfFame&) = default;

    // The default table, names and level slots (the running values are left alone).
    void setDefaults();

    // The first shown row whose score is strictly below `newScore` (it is also highlighted), or -1.
    int findRank(std::int32_t newScore);
};

// Parses the bytes of "score.dat" over `record`; false (record partly overwritten) when a name
// length is outside 0..99 or the bytes end before the table does. A name is kept up to its first
// zero byte; bytes after the table are ignored.
bool parseHallOfFame(std::span<const std::uint8_t> bytes, HallOfFame& record);
// The bytes of "score.dat" for `record`, names cut to 99 bytes.
std::vector<std::uint8_t> encodeHallOfFame(const HallOfFame& record);

// "score.dat" and the state it feeds besides the table.
struct HallOfFameFile {
    std::string path = "score.dat";

    // Reads the table over `record` (defaults when the file is missing or unreadable). A file that
    // does not parse (a name length outside 0..99 or past the end, a file shorter than its table) is
    // renamed to "<path>.bad", with a line on standard error, and the defaults are used; a damaged
    // table (entry 13's name not 3 characters) resets everything too. Returns
    // difficultyPromptPending, clamped: values outside 0..2 become 2 (not pending).
    std::int32_t read(HallOfFame& record) const;
    // Writes the table with difficultyPromptPending in entry 15 and zero in entries 16..19 (names
    // cut to 99 bytes); false (old file kept, errno set) when it cannot be written.
    bool write(HallOfFame& record, std::int32_t difficultyPromptPending) const;
    // Puts a ranking score into the table, saves it and reads it back. When it cannot be saved the
    // table stays as made in memory. Returns the new difficultyPromptPending.
    std::int32_t insertEntry(HallOfFame& record, std::int32_t newScore, const std::string& name,
                             std::int32_t difficultyPromptPending) const;
};

} // namespace burrowix
