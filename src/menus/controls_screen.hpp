#pragma once
// The Controls screen's Defaults button.

namespace burrowix {

// Every action gets its default key again, saved at once.
void restoreDefaultKeys();

} // namespace burrowix
