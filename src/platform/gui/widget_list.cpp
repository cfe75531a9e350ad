#include "platform/gui/widget_list.hpp"

#include <cstring>
#include <vector>

#include "platform/gui/widget.hpp"

namespace burrowix {

namespace {

// The first non-zero result of `op` over the widgets in list order.
template <typename Op>
int firstHandled(const PtrList<Widget>& items, Op op)
{
    for (int i = 0; i < items.count(); ++i)
        if (const int r = op(*items.get(i)))
            return r;
    return 0;
}

template <typename Op>
void forEach(const PtrList<Widget>& items, Op op)
{
    for (int i = 0; i < items.count(); ++i)
        op(*items.get(i));
}

} // namespace

int WidgetList::append(Widget* widget)
{
    const int index = items_.append(widget);
    if (index < 0)
        delete widget;
    return index;
}

bool WidgetList::remove(Widget* widget)
{
    const int index = items_.indexOf(widget);
    return index >= 0 && items_.removeAt(index);
}

void WidgetList::drawAll(Surface* target)
{
    for (int i = items_.count() - 1; i >= 0; --i)
        items_.get(i)->draw(target);
}

int WidgetList::mouseDownAll(int x, int y, int button)
{
    return firstHandled(items_, [&](Widget& w) { return w.mouseDown(x, y, button); });
}

int WidgetList::mouseUpAll(int x, int y, int button)
{
    return firstHandled(items_, [&](Widget& w) { return w.mouseUp(x, y, button); });
}

int WidgetList::mouseMoveAll(int x, int y, int free)
{
    return firstHandled(items_, [&](Widget& w) { return w.mouseMove(x, y, free); });
}

int WidgetList::keyDownAll(int key)
{
    return firstHandled(items_, [&](Widget& w) { return w.keyDown(key); });
}

int WidgetList::keyUpAll(int key)
{
    return firstHandled(items_, [&](Widget& w) { return w.keyUp(key); });
}

int WidgetList::charInputAll(int character)
{
    return firstHandled(items_, [&](Widget& w) { return w.charInput(character); });
}

void WidgetList::renderAll()
{
    forEach(items_, [](Widget& w) { w.render(); });
}

void WidgetList::setEnabledAll(bool flag)
{
    forEach(items_, [&](Widget& w) { w.setEnabled(flag); });
}

void WidgetList::setVisibleAll(bool flag)
{
    forEach(items_, [&](Widget& w) { w.setVisible(flag); });
}

void WidgetList::clearHotAll()
{
    forEach(items_, [](Widget& w) { w.setHot(false); });
}

void WidgetList::moveAll(int dx, int dy)
{
    forEach(items_, [&](Widget& w) { w.moveBy(dx, dy); });
}

void WidgetList::createSurfacesAll(Display& display)
{
    forEach(items_, [&](Widget& w) { w.createSurfaces(display); });
}

void WidgetList::releaseSurfacesAll()
{
    forEach(items_, [](Widget& w) { w.releaseSurfaces(); });
}

void WidgetList::destroyAll()
{
    // Taken out first, so a widget's destruction never finds itself in the list.
    std::vector<Widget*> doomed;
    for (int i = 0; i < items_.count(); ++i)
        doomed.push_back(items_.get(i));
    items_.clear();
    for (Widget* w : doomed)
        delete w;
}

bool WidgetList::anyPressed() const
{
    for (int i = 0; i < items_.count(); ++i)
        if (items_.get(i)->isPressed())
            return true;
    return false;
}

Widget* WidgetList::findByName(const char* name) const
{
    if (!name)
        return nullptr;
    for (int i = 0; i < items_.count(); ++i) {
        Widget* w = items_.get(i);
        if (w->name && std::strcmp(w->name, name) == 0)
            return w;
        if (Widget* inner = w->children.findByName(name))
            return inner;
    }
    return nullptr;
}

Widget* WidgetList::findById(int id) const
{
    for (int i = 0; i < items_.count(); ++i) {
        Widget* w = items_.get(i);
        if (w->id == id)
            return w;
        if (Widget* inner = w->children.findById(id))
            return inner;
    }
    return nullptr;
}

} // namespace burrowix
