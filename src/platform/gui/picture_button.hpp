#pragma once
// A button drawn from a picture of three equal frames stacked vertically (up, down, hover; the
// hover frame also shows a disabled button), with its text centred on it. Transparent (pure green)
// parts of the picture are not part of the button.

#include "platform/gui/widget.hpp"

namespace burrowix {

class PictureButton : public Widget {
public:
    PictureButton(Display& display, int x, int y, const char* name, const char* text, int fontIndex,
                  const char* pictureFile, WidgetCallback onPress, WidgetCallback onClick);

    void draw(Surface* target) override;
    void render() override;
    int mouseDown(int x, int y, int button) override;
    // kReleased when the button let go of the mouse, kClicked when that happened over it.
    int mouseUp(int x, int y, int button) override;
    int mouseMove(int x, int y, int free) override;
    bool hitTest(int x, int y) const override;
    void showFocus(bool flag) override;
    void activate() override;

    WidgetCallback onPress = nullptr;
    WidgetCallback onClick = nullptr;
    bool hover = false;

protected:
    // Sets `hover` as a move at (x, y) decides and selects the pointer shape; whether it is handled.
    int trackHover(int x, int y, int free);
};

// A picture button carrying a number for its callbacks.
class TaggedButton : public PictureButton {
public:
    TaggedButton(Display& display, int x, int y, const char* name, const char* text, int fontIndex,
                 const char* pictureFile, WidgetCallback onPress, WidgetCallback onClick, int tag)
        : PictureButton(display, x, y, name, text, fontIndex, pictureFile, onPress, onClick), tag(tag)
    {
    }

    int tag;
};

// Frames stacked in a picture: rows of a third of its height.
constexpr int kButtonFrames = 3;
constexpr int kFrameUp = 0, kFrameDown = 1, kFrameHover = 2;

} // namespace burrowix
