#include "platform/gui/toggle_button.hpp"

namespace burrowix {

int ToggleButton::mouseDown(int mx, int my, int button)
{
    return holdOnLeftPress(mx, my, button, onPress);
}

int ToggleButton::mouseUp(int mx, int my, int button)
{
    int result = 0;
    if (button == kLeftButton && pressed) {
        pressed = false;
        result = kReleased;
        if (hitTest(mx, my)) {
            state = state == 1 ? 0 : 1;
            render();
            result = kClicked;
            if (onClick)
                onClick(this);
        }
    }
    return result | Widget::mouseUp(mx, my, button);
}

void ToggleButton::activate()
{
    if (!visible || !enabled)
        return;
    state = state == 1 ? 0 : 1;
    render();
    if (onClick)
        onClick(this);
}

} // namespace burrowix
