#include "platform/gui/picture_button.hpp"

#include "platform/display/blit.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/text/fonts.hpp"

namespace burrowix {

PictureButton::PictureButton(Display& display, int x_, int y_, const char* name_, const char* text_,
                             int fontIndex_, const char* pictureFile, WidgetCallback onPress_,
                             WidgetCallback onClick_)
    : Widget(display, x_, y_, 0, 0, name_, text_, fontIndex_), onPress(onPress_), onClick(onClick_)
{
    picture = theGui.pictures.findOrAddPicture(pictureFile);
    theGui.pictures.loadPicture(display, picture);
    if (const Surface* p = theGui.pictures.pictureSurface(picture)) {
        width = p->width();
        height = p->height() / kButtonFrames;
    }
    recreateBuffer();
    render();
}

void PictureButton::draw(Surface* target)
{
    if (visible)
        drawBuffer(target);
    Widget::draw(target);
}

void PictureButton::render()
{
    if (!visible || !buffer)
        return;
    int row = state == 1 ? kFrameDown : kFrameUp;
    if (!enabled || hover)
        row = kFrameHover;
    const Rect frame{0, row * height, width, (row + 1) * height};
    if (const Surface* p = theGui.pictures.pictureSurface(picture))
        blitFast(buffer.get(), 0, 0, p, &frame, false);
    else
        fillRect(buffer.get(), nullptr, colorKey);
    drawText(fontIndex, state, enabled, kAlignCentre, kAlignCentre, buffer.get(), width / 2, height / 2,
             text, textColor);
}

int PictureButton::mouseDown(int mx, int my, int button)
{
    if (const int byChildren = Widget::mouseDown(mx, my, button))
        return byChildren;
    if (button != kLeftButton || !visible || !enabled || !hitTest(mx, my))
        return 0;
    hover = false;
    state = 1;
    pressed = true;
    render();
    if (onPress)
        onPress(this);
    return 1;
}

int PictureButton::mouseUp(int mx, int my, int button)
{
    int result = 0;
    if (button == kLeftButton && visible && enabled && state == 1) {
        result = kReleased;
        state = 0;
        pressed = false;
        const bool over = hitTest(mx, my);
        if (over)
            hover = false;
        render();
        if (over) {
            result = kClicked;
            if (onClick)
                onClick(this);
        }
    }
    return result | Widget::mouseUp(mx, my, button);
}

void PictureButton::showFocus(bool flag)
{
    if (hover == flag)
        return;
    hover = flag;
    render();
}

void PictureButton::activate()
{
    if (visible && enabled && onClick)
        onClick(this);
}

int PictureButton::trackHover(int mx, int my, int free)
{
    hover = false;
    if (!visible || !enabled)
        return 0;
    if (free ? !hitTest(mx, my) : !pressed)
        return 0;
    hover = true;
    theGui.pointer.selectShape(pointerShape);
    return 1;
}

int PictureButton::mouseMove(int mx, int my, int free)
{
    const bool hadHover = hover;
    int handled = 0;
    if (state != 1)
        handled = trackHover(mx, my, free);
    else
        hover = false;
    // The look changes only with the hover state; re-rendering on every move would cost a text
    // drawing per button.
    if (hover != hadHover)
        render();
    const int byChildren = children.mouseMoveAll(mx, my, free);
    return byChildren ? byChildren : handled;
}

bool PictureButton::hitTest(int mx, int my) const
{
    return Widget::hitTest(mx, my) && buffer && buffer->pixel(mx - x, my - y) != colorKey;
}

} // namespace burrowix
