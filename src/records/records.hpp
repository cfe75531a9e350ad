#pragma once
// The program's records: the live hall-of-fame record (which also carries the running game values),
// its level-start copy and the scratch copy used while restoring from it, the level progress, the
// options, and whether the level choice still has to ask for a difficulty.

#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"

#include <array>
#include <cstdint>

namespace burrowix {

// Ammunition a new game starts with, by weapon number.
inline constexpr std::array<std::int32_t, HallOfFame::kWeapons> kStartAmmunition = {0, 11, 13, 15, 11,
                                                                                    10, 9, 8, 7, 6};
inline constexpr std::int32_t kStartLives = 10;

// The ammunition a new game starts with at a difficulty: Hard the full start, Medium less, Easy
// (which shows no weapons) the start values untouched.
inline std::array<std::int32_t, HallOfFame::kWeapons> newGameAmmunition(std::int32_t difficulty)
{
    if (difficulty == 1)
        return {0, 7, 9, 10, 7, 6, 5, 4, 3, 2};
    return kStartAmmunition;
}

struct Records {
    HallOfFame hallOfFame;       // the live record
    HallOfFame levelStartRecord; // taken at every level start
    HallOfFame scratchRecord;    // used while the live record is restored
    LevelProgress progress;
    std::int32_t difficultyPromptPending = 1;
    Options options;

    HallOfFameFile scoreFile;
    std::string optionsPath = kOptionsFileName;
    std::string progressPath = kProgressFileName;
    // Set once the hall of fame and the progress have been read: a close before that (a termination
    // request during start-up) must not save the defaults over the player's files.
    bool hallOfFameRead = false;
    bool progressRead = false;

    void reset() { *this = Records{}; }

    // Lives and ammunition of a new game.
    void startNewGameValues()
    {
        hallOfFame.lives = kStartLives;
        hallOfFame.ammunition = kStartAmmunition;
    }
};

extern Records theRecords;

} // namespace burrowix
