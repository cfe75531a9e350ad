#pragma once
// The menus' main button: a picture, and a second picture while the pointer is over it, drawn
// straight from the picture store (it keeps no buffer). With the exact hit test, transparent (pure
// green) parts of the picture are not part of the button.

#include "platform/gui/widget.hpp"

namespace burrowix {

class HoverButton : public Widget {
public:
    HoverButton(Display& display, int x, int y, const char* name, const char* pictureFile,
                const char* hoverPictureFile, bool exactHitTest, WidgetCallback onPress,
                WidgetCallback onClick);

    void draw(Surface* target) override;
    int mouseDown(int x, int y, int button) override;
    int mouseUp(int x, int y, int button) override;
    int mouseMove(int x, int y, int free) override;
    bool hitTest(int x, int y) const override;
    void showFocus(bool flag) override;
    void activate() override;
    // Showing loads both pictures, hiding releases both.
    void setVisible(bool flag) override;

    WidgetCallback onPress = nullptr;
    WidgetCallback onClick = nullptr;
    bool hover = false;
    bool exactHitTest = false;
    int hoverPicture = -1;
};

} // namespace burrowix
