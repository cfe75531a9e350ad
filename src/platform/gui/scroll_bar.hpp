#pragma once
// A vertical scroll bar: an up button, a track with a thumb that can be dragged or made to jump,
// and a down button. Its position runs from 0 to `maximum`; every change is reported to onChange.

#include "platform/gui/widget.hpp"

namespace burrowix {

class PictureButton;

class ScrollBar : public Widget {
public:
    ScrollBar(Display& display, int x, int y, const char* name, const char* trackPicture,
              const char* thumbPicture, const char* upPicture, const char* downPicture, int maximum,
              WidgetCallback onChange);

    void draw(Surface* target) override;
    int mouseDown(int x, int y, int button) override;
    int mouseUp(int x, int y, int button) override;
    int mouseMove(int x, int y, int free) override;
    void setVisible(bool flag) override;

    void setMaximum(int n);
    void setPosition(int p);
    // Keeps the position in 0..maximum, places the thumb and enables the buttons that can move it.
    void updateThumb();

    int trackTop() const { return y + upHeight; }
    // -1 while the up button is held down, 1 while the down button is, else 0.
    int heldArrow() const;

    WidgetCallback onChange = nullptr;
    int trackHeight = 0;
    int thumbHeight = 0;
    int upHeight = 0;
    int thumbOffset = 0;
    double pixelsPerStep = 1000;
    int maximum = 0;
    int position = 0;
    bool dragging = false;
    int thumbPicture = -1;
    PictureButton* upButton = nullptr;
    PictureButton* downButton = nullptr;

private:
    // The position the pointer's height over the track stands for.
    void dragTo(int pointerY);
};

} // namespace burrowix
