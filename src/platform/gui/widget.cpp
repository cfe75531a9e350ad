#include "platform/gui/widget.hpp"

#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/gui_state.hpp"

namespace burrowix {

Widget::Widget(Display& display, int x_, int y_, int width_, int height_, const char* name_,
               const char* text_, int fontIndex_)
    : fontIndex(fontIndex_), text(text_), name(name_), id(theGui.nextWidgetId++), y(y_), x(x_),
      width(width_), height(height_), display_(&display)
{
}

Widget::~Widget() = default;

void Widget::draw(Surface* target)
{
    children.drawAll(target);
}

int Widget::mouseDown(int mx, int my, int button)
{
    return children.mouseDownAll(mx, my, button);
}

int Widget::mouseUp(int mx, int my, int button)
{
    return children.mouseUpAll(mx, my, button);
}

int Widget::mouseMove(int mx, int my, int free)
{
    int handled = 0;
    if (visible && enabled && (free ? hitTest(mx, my) : pressed)) {
        theGui.pointer.selectShape(pointerShape);
        handled = 1;
    }
    const int byChildren = children.mouseMoveAll(mx, my, free);
    return byChildren ? byChildren : handled;
}

int Widget::keyDown(int key)
{
    return children.keyDownAll(key);
}

int Widget::keyUp(int key)
{
    return children.keyUpAll(key);
}

int Widget::charInput(int character)
{
    return children.charInputAll(character);
}

void Widget::recreateBuffer()
{
    buffer.reset();
    if (!ownsBuffer || width <= 0 || height <= 0)
        return;
    buffer = createBlankSurface(*display_, width, height);
    if (buffer) {
        setColorKey(buffer.get(), packRgb(0, 255, 0));
        colorKey = buffer->colorKey();
    }
}

void Widget::createSurfaces(Display& display)
{
    display_ = &display;
    if (visible)
        recreateBuffer();
    children.createSurfacesAll(display);
    render();
}

void Widget::releaseSurfaces()
{
    buffer.reset();
    children.releaseSurfacesAll();
}

bool Widget::hitTest(int px, int py) const
{
    return px >= x && px < x + width && py >= y && py < y + height;
}

void Widget::setVisible(bool flag)
{
    if (flag && parent && !parent->visible)
        return;
    visible = flag;
    children.setVisibleAll(flag);
    if (!flag) {
        hot = false;
        theGui.pictures.releasePicture(picture);
    } else if (display_->isSetUp()) {
        recreateBuffer();
        theGui.pictures.loadPicture(*display_, picture);
    }
    render();
}

void Widget::setAdditive(bool flag)
{
    additive = flag;
    render();
}

void Widget::setFontIndex(int index)
{
    fontIndex = index;
    render();
}

void Widget::setState(int value)
{
    state = value;
    render();
}

void Widget::setTextColor(std::uint32_t rgb)
{
    textColor = rgb;
    render();
}

void Widget::setColor2(std::uint32_t rgb)
{
    color2 = rgb;
    render();
}

void Widget::setColor3(std::uint32_t rgb)
{
    color3 = rgb;
    render();
}

void Widget::setText(const char* value)
{
    text = value;
    render();
}

void Widget::setHot(bool flag)
{
    hot = flag;
    render();
}

void Widget::clearHotTree()
{
    hot = false;
    for (int i = 0; i < children.count(); ++i)
        children.get(i)->clearHotTree();
}

void Widget::setEnabled(bool flag)
{
    if (flag && parent && !parent->enabled)
        return;
    enabled = flag;
    children.setEnabledAll(flag);
    if (!flag)
        clearHotTree();
    render();
}

void Widget::moveBy(int dx, int dy)
{
    x += dx;
    y += dy;
    children.moveAll(dx, dy);
}

void Widget::moveTo(int newX, int newY)
{
    moveBy(newX - x, newY - y);
}

void Widget::addChild(Widget* child)
{
    if (!child)
        return;
    child->parent = this;
    children.append(child);
}

bool Widget::isPressed() const
{
    return pressed || children.anyPressed();
}

int Widget::holdOnLeftPress(int mx, int my, int button, WidgetCallback onPress)
{
    if (const int byChildren = Widget::mouseDown(mx, my, button))
        return byChildren;
    if (button != kLeftButton || !visible || !enabled || !hitTest(mx, my))
        return 0;
    pressed = true;
    if (onPress)
        onPress(this);
    return 1;
}

void Widget::followVisibility(int secondPicture)
{
    if (visible)
        theGui.pictures.loadPicture(*display_, secondPicture);
    else
        theGui.pictures.releasePicture(secondPicture);
}

void Widget::drawPicture(Surface* target, int index, int left, int top)
{
    Surface* p = theGui.pictures.pictureSurface(index);
    if (!p)
        return;
    if (additive)
        blitOr(target, left, top, p, nullptr, p->colorKey());
    else
        blitFast(target, left, top, p, nullptr, true);
}

void Widget::drawBuffer(Surface* target)
{
    if (!buffer)
        return;
    if (additive)
        blitOr(target, x, y, buffer.get(), nullptr, colorKey);
    else
        blitFast(target, x, y, buffer.get(), nullptr, true);
}

} // namespace burrowix
