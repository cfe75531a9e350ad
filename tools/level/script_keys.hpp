#pragma once
// The key names of level scripts (recorded by burrowix-level play, played by burrowix-sim): the
// names settings.ini gives keys (platform/system/key_names.hpp): Left Up Right Down Space Tab Esc
// Enter Insert F1..F12, letters, digits and the rest.

#include <cstdint>
#include <string>

namespace burrowix {

// The key code of a script key name, 0 for an unknown name.
std::uint32_t scriptKeyCode(const std::string& name);

// The script name of a key code, empty for a key scripts do not name.
std::string scriptKeyName(std::uint32_t code);

} // namespace burrowix
