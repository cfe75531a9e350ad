#pragma once
// Opening a script named on the command line, and the largest frame count one script command may
// ask for, shared by the level and the program simulators.

#include <fstream>
#include <ostream>
#include <string>

namespace burrowix {

// A command runs at most this many frames (about seven hours of play at the default speed), so a
// mistyped count ends instead of running for days.
inline constexpr long kMaxScriptFrames = 1'000'000;
// The same for a stretch of time: a million frames at the slowest speed.
inline constexpr long kMaxScriptMs = 41'000'000;

// Opens the regular file `path` into `file`; false, with "PATH: reason" on `err`, when it is
// missing, unreadable or not a regular file.
bool openScriptFile(const std::string& path, std::ifstream& file, std::ostream& err);

} // namespace burrowix
