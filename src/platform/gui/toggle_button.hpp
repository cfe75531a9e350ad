#pragma once
// A picture button that keeps its `state` as a checked mark: a click (press and release over it)
// flips the state between 0 and 1.

#include "platform/gui/picture_button.hpp"

namespace burrowix {

class ToggleButton : public PictureButton {
public:
    using PictureButton::PictureButton;

    int mouseDown(int x, int y, int button) override;
    int mouseUp(int x, int y, int button) override;
    // Flips the mark as a click does.
    void activate() override;
};

} // namespace burrowix
