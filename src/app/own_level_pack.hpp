#pragma once
// The player's own level pack as the game holds it: the levels of "own.dat" read into level files
// with their notes. A damaged file, or one holding a level that does not read, is reported on
// standard error with its reason and set aside (own.dat.bad, ...), and the pack starts empty; only
// saving a level writes the file again.

#include <cstdint>
#include <string>
#include <vector>

#include "editor/edit_level.hpp"
#include "records/own_levels.hpp"
#include "world/level_file.hpp"
#include "world/level_source.hpp"

namespace burrowix {

struct OwnLevel {
    LevelFile file;
    LevelNotes notes;
    std::string source; ///< as stored, so a save keeps the other levels byte for byte
};

struct OwnLevelPackState {
    OwnLevelsFile file;
    std::vector<OwnLevel> levels;
    bool read = false;
    // Why nothing may be written: a damaged file that could not be set aside still lies there.
    std::string stuck;

    void reset() { *this = OwnLevelPackState{}; }

    // Reads the file (once per reset); see above for a damaged one. Returns the number of levels.
    std::size_t load();
    // Stores `level` as level `index` (a new last level when `index` is the count) and writes the
    // file; false with the reason (the file and the pack in memory as they were).
    bool store(const EditLevel& level, std::size_t index, std::string& error);
    // Takes level `index` out and writes the file; false with the reason.
    bool remove(std::size_t index, std::string& error);

private:
    bool write(std::vector<OwnLevel> next, std::string& error);
};

extern OwnLevelPackState ownLevelPack;

} // namespace burrowix
