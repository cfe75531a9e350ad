#pragma once
// The shell's side of the widget toolkit: showing and hiding the menus' widgets by name, drawing
// them each frame with the pointer, and routing the window's mouse, key and character messages to
// them (keys and characters only while the name field is open).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system/messages.hpp"

namespace burrowix {

class Surface;

void hideAllWidgets();
// Each does nothing when no widget is called `name`.
void showWidget(const char* name);
void hideWidget(const char* name);
void moveWidget(const char* name, int x, int y);
void setWidgetTextColor(const char* name, std::uint32_t color);
void setWidgetState(const char* name, int state);
// Gives the edit field called `name` the input focus, as a click on it would.
void focusWidget(const char* name);
// The text shown by a widget (`text` is kept by pointer and must outlive the widget).
void setWidgetText(const char* name, const char* text);
// Moves the scroll bar called `name`, which runs its change action.
void setWidgetPosition(const char* name, int position);
// Sets the largest position of the scroll bar called `name`.
void setWidgetMaximum(const char* name, int maximum);
// Which arrow button of the scroll bar called `name` is held down: -1 up, 1 down, 0 neither.
int heldScrollArrow(const char* name);
// The text of the widget called `name` (an edit field's content); "" when there is none.
std::string widgetText(const char* name);
// The names of the visible top-level widgets, in list order.
std::vector<std::string> visibleWidgetNames();

void drawAllWidgets(Surface* target);
void drawWidgetPointer(Surface* target, int x, int y, std::uint32_t now);

// Hands an input message to the widgets; whether one took it.
bool widgetsTake(const Message& message);

} // namespace burrowix
