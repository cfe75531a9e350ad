#pragma once
// The Controls screen's buttons: the way in from the options, the way back, and the defaults.

namespace burrowix {

void clickToControls();
void backToOptions();
// Every action gets its default key again, saved at once.
void restoreDefaultKeys();

} // namespace burrowix
