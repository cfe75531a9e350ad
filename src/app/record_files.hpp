#pragma once
// Reading and saving the program's three files in the working directory: "opt.dat" (options, level
// and difficulty), "score.dat" (hall of fame) and "li.dat" (level progress), on the program-wide
// records.

#include <cstdint>
#include <string>

namespace burrowix {

// Reads "opt.dat" and selects the level pack of the stored difficulty; defaults when it is missing.
void readOptions();
bool writeOptions();

// Reads "score.dat" into the live record and the difficulty prompt; defaults when it is missing.
void readHallOfFame();
bool writeHallOfFame();
// Puts a ranking score into the table, saves it and reads it back.
void insertHallOfFameEntry(std::int32_t score, const std::string& name);

void readProgress();
bool writeProgress();

// Removes the temporary files of saves that a killed earlier run left beside the three files.
void removeAbandonedRecordTemporaries();

// The close work's saving: hall of fame, options, level progress, in that order. True when all
// three were written; each file that cannot be written keeps its old contents and is reported with
// its reason on standard error and, when the window exists, in one message box, and the program's
// exit status becomes 1.
bool saveRecordFiles();

} // namespace burrowix
