#pragma once
// Cutting a player's name to the width of its column.

#include <string>

namespace burrowix {

// `name` when `measure` finds it no wider than `width`; else as much of it as fits with "..."
// after it (trailing spaces dropped before the dots).
std::string fitNameToColumn(const std::string& name, int width, int (*measure)(const std::string&));

} // namespace burrowix
