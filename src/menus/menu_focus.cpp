#include "menus/menu_focus.hpp"

#include "platform/gui/gui_state.hpp"
#include "platform/gui/widget.hpp"
#include "platform/system/messages.hpp"

namespace burrowix {

namespace {

Widget* widgetNamed(const char* name)
{
    return name ? theGui.rootList.findByName(name) : nullptr;
}

bool usable(const Widget* w)
{
    return w && w->visible && w->enabled;
}

void focusOn(std::span<const FocusItem> items, Widget* target)
{
    // The pointer may have left a hover look on another button of the screen.
    for (const FocusItem& item : items)
        if (Widget* w = widgetNamed(item.look); w && w != target)
            w->showFocus(false);
    if (theGui.focused && theGui.focused != target)
        theGui.focused->showFocus(false);
    theGui.focused = target;
    target->showFocus(true);
}

// From `from` (-1: none) the next usable item in direction `step`, wrapping; -1 when none is usable.
int nextItem(std::span<const FocusItem> items, int from, int step)
{
    const int n = static_cast<int>(items.size());
    int i = from < 0 ? (step > 0 ? -1 : n) : from;
    for (int tried = 0; tried < n; ++tried) {
        i = ((i + step) % n + n) % n;
        if (usable(widgetNamed(items[std::size_t(i)].look)))
            return i;
    }
    return -1;
}

bool moveFocus(std::span<const FocusItem> items, int step)
{
    const int to = nextItem(items, focusedItem(items), step);
    if (to >= 0)
        focusOn(items, widgetNamed(items[std::size_t(to)].look));
    return true;
}

// Activates `name`; when that took the screen away, the focus is let go.
bool activateNamed(const char* name)
{
    Widget* w = widgetNamed(name);
    if (!usable(w))
        return true;
    Widget* focused = theGui.focused;
    w->activate();
    if (focused && theGui.focused == focused && !focused->visible) {
        focused->showFocus(false);
        theGui.focused = nullptr;
    }
    return true;
}

} // namespace

int focusedItem(std::span<const FocusItem> items)
{
    if (!usable(theGui.focused))
        return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (widgetNamed(items[i].look) == theGui.focused)
            return static_cast<int>(i);
    return -1;
}

bool focusKeyDown(std::span<const FocusItem> items, std::uint32_t key, FocusArrows arrows)
{
    if (items.empty())
        return false;
    const int current = focusedItem(items);
    const bool byArrows = arrows == FocusArrows::Move;
    const FocusItem* item = current >= 0 ? &items[std::size_t(current)] : nullptr;
    switch (key) {
    case Key::Tab: return moveFocus(items, +1);
    case Key::Up: return byArrows && moveFocus(items, -1);
    case Key::Down: return byArrows && moveFocus(items, +1);
    case Key::Left:
    case Key::Right:
        if (!byArrows)
            return false;
        if (item && item->less && item->more)
            return activateNamed(key == Key::Left ? item->less : item->more);
        return moveFocus(items, key == Key::Left ? -1 : +1);
    case Key::Enter:
    case Key::Space:
        if (!item)
            return false;
        return activateNamed(item->action ? item->action : item->look);
    default: return false;
    }
}

} // namespace burrowix
