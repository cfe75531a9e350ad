#pragma once
// Names of the keys, as `settings.ini` and the Controls screen write them: "Left", "Space", "F1",
// "P", "5", "Numpad3", "Semicolon" ... One table both ways.

#include <cstdint>
#include <string>
#include <string_view>

namespace burrowix {

// The key's name; "" for a key without one.
std::string keyName(std::uint32_t key);
// The key of a name (letters in either case); 0 for a name that is not a key's.
std::uint32_t keyFromName(std::string_view name);

} // namespace burrowix
