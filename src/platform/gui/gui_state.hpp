#pragma once
// The toolkit's program-wide state: the root list of top-level widgets, the picture store, the
// pointer, the counter that numbers widgets, and whether the current screen lets keys and
// characters reach the widgets. One instance, `theGui`; start-up and tests reset it.

#include "platform/gui/picture_store.hpp"
#include "platform/gui/pointer_set.hpp"
#include "platform/gui/widget_list.hpp"

namespace burrowix {

class Clock;
class Widget;

struct GuiState {
    WidgetList rootList;
    PictureStore pictures;
    PointerSet pointer;
    int nextWidgetId = 0;
    // Set by the screens that take typed input (name entry): keys and characters go to the widgets.
    int keyboardInput = 0;
    // The widget the keyboard or gamepad moved the focus to; a pointer move takes it back.
    Widget* focused = nullptr;
    // The tick source of the edit field's caret; no caret blinking without one.
    Clock* clock = nullptr;

    // Destroys every widget, forgets every picture and pointer shape.
    void reset();
};

extern GuiState theGui;

} // namespace burrowix
