#pragma once
// The Controls screen's state: the row chosen (the actions, then the Defaults and Options buttons),
// whether it waits for the new key of that row, and the message of the last refused key. One
// instance, `controls`.

#include <string>

namespace burrowix {

struct ControlsState {
    int selected = 0;
    int capturing = 0;
    std::string message;

    void reset() { *this = ControlsState{}; }
};

extern ControlsState controls;

} // namespace burrowix
