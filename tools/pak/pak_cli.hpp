#pragma once
// The pack archive tool's commands: list, extract, add, remove and create. Every command that
// changes an archive writes the complete new archive beside the old one and renames it over, so a
// failed command leaves the old archive as it was.

#include <ostream>
#include <string>
#include <vector>

namespace burrowix {

// Runs one command (`args` without the program name). Output and member bytes go to `out`, messages
// to `err`. Returns 0 on success, 1 on failure, 2 on bad usage.
int runPakTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A member name as it can be shown on a terminal: control characters, backslashes and bytes above
// 126 are written as \xHH, so a hostile name can neither fake lines nor send terminal commands.
std::string printableName(const std::string& name);

} // namespace burrowix
