#include "platform/gui/hover_button.hpp"

#include "platform/display/display.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/gui_state.hpp"

namespace burrowix {

HoverButton::HoverButton(Display& display, int x_, int y_, const char* name_, const char* pictureFile,
                         const char* hoverPictureFile, bool exactHitTest_, WidgetCallback onPress_,
                         WidgetCallback onClick_)
    : Widget(display, x_, y_, 0, 0, name_, nullptr, 0), onPress(onPress_), onClick(onClick_),
      exactHitTest(exactHitTest_)
{
    ownsBuffer = false;
    PictureStore& store = theGui.pictures;
    picture = store.findOrAddPicture(pictureFile);
    hoverPicture = store.findOrAddPicture(hoverPictureFile);
    store.loadPicture(display, picture);
    store.loadPicture(display, hoverPicture);
    if (const Surface* p = store.pictureSurface(picture)) {
        width = p->width();
        height = p->height();
    }
}

void HoverButton::draw(Surface* target)
{
    if (visible)
        drawPicture(target, hover ? hoverPicture : picture, x, y);
    Widget::draw(target);
}

int HoverButton::mouseDown(int mx, int my, int button)
{
    return holdOnLeftPress(mx, my, button, onPress);
}

int HoverButton::mouseUp(int mx, int my, int button)
{
    int result = 0;
    if (button == kLeftButton && pressed) {
        pressed = false;
        hover = false;
        result = kReleased;
        if (hitTest(mx, my)) {
            hover = true;
            result = kClicked;
            if (onClick)
                onClick(this);
        }
    }
    return result | Widget::mouseUp(mx, my, button);
}

int HoverButton::mouseMove(int mx, int my, int free)
{
    hover = false;
    int handled = 0;
    if (visible && enabled && (free ? hitTest(mx, my) : pressed)) {
        hover = true;
        theGui.pointer.selectShape(pointerShape);
        handled = 1;
    }
    const int byChildren = children.mouseMoveAll(mx, my, free);
    return byChildren ? byChildren : handled;
}

bool HoverButton::hitTest(int mx, int my) const
{
    if (!Widget::hitTest(mx, my))
        return false;
    if (!exactHitTest)
        return true;
    const Surface* p = theGui.pictures.pictureSurface(picture);
    return p && p->pixel(mx - x, my - y) != p->mapRgb(packRgb(0, 255, 0));
}

void HoverButton::showFocus(bool flag)
{
    hover = flag;
}

void HoverButton::activate()
{
    if (visible && enabled && onClick)
        onClick(this);
}

void HoverButton::setVisible(bool flag)
{
    Widget::setVisible(flag);
    followVisibility(hoverPicture);
}

} // namespace burrowix
