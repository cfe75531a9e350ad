#pragma once
// The key bindings kept in `settings.ini`: read at start-up into `keyBindings`, written when the
// Controls screen changes them. A bad entry (an unknown action or key name, Esc, a key bound twice)
// leaves that action its default key, with one line on standard error. `key.ACTION = none` leaves
// the action without a key: so an action whose default another action took is written.

#include <string>
#include <utility>
#include <vector>

#include "state/key_bindings.hpp"

namespace burrowix {

using KeyEntries = std::vector<std::pair<std::string, std::string>>;

// The bindings the entries give over the defaults; one warning per bad entry.
KeyBindings bindingsFromEntries(const KeyEntries& entries, std::vector<std::string>& warnings);
// Every action's entry, in the table's order.
KeyEntries entriesOf(const KeyBindings& bindings);

// Sets `keyBindings` from the key lines of the settings file at `path`, already read; warnings go
// to standard error prefixed with the path.
void useKeyBindings(const KeyEntries& entries, const std::string& path);
// Reads `keyBindings` from the settings file at `path`.
void loadKeyBindings(const std::string& path);
// Writes `keyBindings` into the settings file at `path`, keeping its other settings, and into the
// window's copy of the settings so that a later change of the window keeps them. False when the
// file cannot be written.
bool saveKeyBindings(const std::string& path);

} // namespace burrowix
