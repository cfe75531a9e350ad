#include "app/screen_widgets.hpp"

#include "platform/gui/edit_field.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/input_routing.hpp"
#include "platform/gui/scroll_bar.hpp"
#include "platform/gui/widget.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

namespace {

Widget* find(const char* name)
{
    return theGui.rootList.findByName(name);
}

} // namespace

void hideAllWidgets()
{
    theGui.rootList.setVisibleAll(false);
}

void showWidget(const char* name)
{
    if (Widget* w = find(name))
        w->setVisible(true);
}

void hideWidget(const char* name)
{
    if (Widget* w = find(name))
        w->setVisible(false);
}

void moveWidget(const char* name, int x, int y)
{
    if (Widget* w = find(name))
        w->moveTo(x, y);
}

void setWidgetTextColor(const char* name, std::uint32_t color)
{
    if (Widget* w = find(name))
        w->setTextColor(color);
}

void setWidgetState(const char* name, int state)
{
    if (Widget* w = find(name))
        w->setState(state);
}

void focusWidget(const char* name)
{
    if (auto* field = dynamic_cast<EditField*>(find(name)))
        field->focus();
}

void setWidgetText(const char* name, const char* text)
{
    if (Widget* w = find(name))
        w->setText(text);
}

void setWidgetPosition(const char* name, int position)
{
    if (auto* bar = dynamic_cast<ScrollBar*>(find(name)))
        bar->setPosition(position);
}

void setWidgetMaximum(const char* name, int maximum)
{
    if (auto* bar = dynamic_cast<ScrollBar*>(find(name)))
        bar->setMaximum(maximum);
}

int heldScrollArrow(const char* name)
{
    const auto* bar = dynamic_cast<const ScrollBar*>(find(name));
    return bar ? bar->heldArrow() : 0;
}

std::string widgetText(const char* name)
{
    const Widget* w = find(name);
    if (const auto* field = dynamic_cast<const EditField*>(w))
        return field->content();
    return w && w->text ? w->text : "";
}

std::vector<std::string> visibleWidgetNames()
{
    std::vector<std::string> names;
    const WidgetList& root = theGui.rootList;
    for (int i = 0; i < root.count(); ++i)
        if (const Widget* w = root.get(i); w && w->visible && w->name)
            names.emplace_back(w->name);
    return names;
}

void drawAllWidgets(Surface* target)
{
    theGui.rootList.drawAll(target);
}

void drawWidgetPointer(Surface* target, int x, int y, std::uint32_t now)
{
    theGui.pointer.drawPointer(target, x, y, now);
}

bool widgetsTake(const Message& message)
{
    theGui.keyboardInput = screenFlow.nameEntryState == 1 ? 1 : 0;
    return routeWidgetInput(message) == WidgetInput::Handled;
}

} // namespace burrowix
