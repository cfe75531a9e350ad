#include "platform/gui/scroll_bar.hpp"

#include "platform/gui/gui_state.hpp"
#include "platform/gui/picture_button.hpp"

namespace burrowix {

namespace {

constexpr double kStepWithoutRange = 1000;

int pictureHeight(int index)
{
    const Surface* s = theGui.pictures.pictureSurface(index);
    return s ? s->height() : 0;
}

} // namespace

ScrollBar::ScrollBar(Display& display, int x_, int y_, const char* name_, const char* trackPicture,
                     const char* thumbPictureFile, const char* upPicture, const char* downPicture,
                     int maximum_, WidgetCallback onChange_)
    : Widget(display, x_, y_, 0, 0, name_, nullptr, 0)
{
    ownsBuffer = false;
    PictureStore& store = theGui.pictures;
    picture = store.findOrAddPicture(trackPicture);
    thumbPicture = store.findOrAddPicture(thumbPictureFile);
    store.loadPicture(display, picture);
    store.loadPicture(display, thumbPicture);
    if (const Surface* track = store.pictureSurface(picture)) {
        width = track->width();
        trackHeight = track->height();
    }
    thumbHeight = pictureHeight(thumbPicture);

    upButton = new PictureButton(display, x, y, "T3dScrollBar2BtnLeft", nullptr, 0, upPicture, nullptr, nullptr);
    upHeight = upButton->height;
    downButton = new PictureButton(display, x, y + upHeight + trackHeight, "T3dScrollBar2BtnRight", nullptr,
                                   0, downPicture, nullptr, nullptr);
    addChild(upButton);
    addChild(downButton);
    height = upHeight + trackHeight + downButton->height;

    // Set up before onChange is installed: constructing reports nothing.
    setMaximum(maximum_);
    setPosition(0);
    onChange = onChange_;
}

void ScrollBar::setMaximum(int n)
{
    maximum = n;
    pixelsPerStep = n < 1 ? kStepWithoutRange : double(trackHeight - thumbHeight) / n;
    updateThumb();
    if (onChange)
        onChange(this);
}

void ScrollBar::setPosition(int p)
{
    position = p;
    updateThumb();
    if (onChange)
        onChange(this);
}

void ScrollBar::updateThumb()
{
    if (maximum < 1) {
        position = 0;
        upButton->setEnabled(false);
        downButton->setEnabled(false);
        thumbOffset = 0;
        return;
    }
    upButton->setEnabled(true);
    downButton->setEnabled(true);
    if (position < 1) {
        position = 0;
        upButton->setEnabled(false);
        thumbOffset = 0;
    } else if (position >= maximum) {
        position = maximum;
        downButton->setEnabled(false);
        thumbOffset = trackHeight - thumbHeight;
    } else {
        thumbOffset = static_cast<int>(position * pixelsPerStep);
    }
}

void ScrollBar::dragTo(int pointerY)
{
    const int offset = pointerY - trackTop();
    int p;
    if (offset < pixelsPerStep)
        p = 0;
    else if (offset > maximum * pixelsPerStep)
        p = maximum;
    else
        p = static_cast<int>(offset / pixelsPerStep);
    // Every move of a drag lands here; only a new position is news.
    if (p != position)
        setPosition(p);
}

void ScrollBar::draw(Surface* target)
{
    if (visible) {
        drawPicture(target, picture, x, trackTop());
        drawPicture(target, thumbPicture, x, trackTop() + thumbOffset);
    }
    Widget::draw(target);
}

int ScrollBar::mouseDown(int mx, int my, int button)
{
    const bool onTrack = mx >= x && mx < x + width && my >= trackTop() && my < trackTop() + trackHeight;
    if (button != kLeftButton || !visible || !enabled || !onTrack)
        return Widget::mouseDown(mx, my, button);
    const bool onThumb = my >= trackTop() + thumbOffset && my < trackTop() + thumbOffset + thumbHeight;
    if (!onThumb)
        dragTo(my);
    dragging = true;
    pressed = true;
    return 1;
}

int ScrollBar::mouseMove(int mx, int my, int free)
{
    if (dragging) {
        dragTo(my);
        theGui.pointer.selectShape(pointerShape);
        return 1;
    }
    return Widget::mouseMove(mx, my, free);
}

int ScrollBar::mouseUp(int mx, int my, int button)
{
    if (dragging) {
        if (button != kLeftButton)
            return 0;
        dragging = false;
        pressed = false;
        return kReleased;
    }
    const int up = upButton->mouseUp(mx, my, button);
    if (up == kClicked && position > 0)
        setPosition(position - 1);
    const int down = downButton->mouseUp(mx, my, button);
    if (down == kClicked && position < maximum)
        setPosition(position + 1);
    return up | down;
}

int ScrollBar::heldArrow() const
{
    if (!visible || !enabled)
        return 0;
    if (upButton->pressed && upButton->enabled)
        return -1;
    return downButton->pressed && downButton->enabled ? 1 : 0;
}

void ScrollBar::setVisible(bool flag)
{
    Widget::setVisible(flag);
    followVisibility(thumbPicture);
}

} // namespace burrowix
