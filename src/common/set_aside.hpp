#pragma once
// Setting a damaged file aside instead of reading garbage from it or writing over it: PATH is
// renamed to PATH.bad, or PATH.bad2, PATH.bad3, ... when that name is taken, so nothing set aside
// earlier is ever replaced.

#include <string>

namespace burrowix {

// The new name, or "" with the system's reason (the file then stays where it is).
std::string setFileAside(const std::string& path, std::string& reason);

} // namespace burrowix
