#pragma once
// A list of widgets: the root list of top-level widgets and every widget's children. The list owns
// its widgets. Input goes through it in list order and stops at the first widget that handles it;
// drawing runs in reverse order, so the first widget of a list is on top and gets input first.

#include "common/ptr_list.hpp"

namespace burrowix {

class Surface;
class Widget;
struct Display;

class WidgetList {
public:
    WidgetList() = default;
    ~WidgetList() { destroyAll(); }
    WidgetList(const WidgetList&) = delete;
    WidgetList& operator=(const WidgetList&) = delete;

    int count() const { return items_.count(); }
    Widget* get(int i) const { return items_.get(i); }
    // Takes ownership; the widget's index, or -1 when the list is full (the widget is then deleted).
    int append(Widget* widget);
    // Takes the widget out of the list without destroying it; false when it is not in the list.
    bool remove(Widget* widget);

    void drawAll(Surface* target);
    // The first non-zero result of the widgets in list order (0 when none handled the event).
    int mouseDownAll(int x, int y, int button);
    int mouseUpAll(int x, int y, int button);
    int mouseMoveAll(int x, int y, int free);
    int keyDownAll(int key);
    int keyUpAll(int key);
    int charInputAll(int character);

    void renderAll();
    void setEnabledAll(bool flag);
    void setVisibleAll(bool flag);
    void clearHotAll();
    void moveAll(int dx, int dy);
    void createSurfacesAll(Display& display);
    void releaseSurfacesAll();
    // Destroys every widget and empties the list.
    void destroyAll();
    // A widget of the list, or any of their children, holds the mouse.
    bool anyPressed() const;
    // Depth first: each widget, then its children. Exact name comparison; null when not found.
    Widget* findByName(const char* name) const;
    Widget* findById(int id) const;

private:
    PtrList<Widget> items_;
};

} // namespace burrowix
