#pragma once
// The shell's side of the widget toolkit: showing and hiding the menus' widgets, drawing them each
// frame, and routing the window's mouse, key and character messages to them.

#include <cstdint>
#include <string>
#include <vector>

namespace burrowix {

class Surface;

void hideAllWidgets();
// Shows or hides the widget called `name`; nothing when there is none.
void showWidget(const char* name);
void hideWidget(const char* name);
void moveWidget(const char* name, int x, int y);
void setWidgetTextColor(const char* name, std::uint32_t color);
void setWidgetState(const char* name, int state);
// The position of the scroll bar called `name`, without running its change action.
void setWidgetPosition(const char* name, int position);
// The text of the widget called `name` ("" when there is none).
std::string widgetText(const char* name);
void drawAllWidgets(Surface* target);
// The names of the visible top-level widgets, in list order.
std::vector<std::string> visibleWidgetNames();

// Mouse routing; each returns whether a widget took the message.
bool widgetsMouseMove(int x, int y);
bool widgetsMouseDown(int x, int y, int button);
bool widgetsMouseUp(int x, int y, int button);
bool widgetsKeyDown(std::uint32_t key);
bool widgetsCharInput(std::uint32_t character);

// The game's own pointer: shape 0 normally, 1 while a mouse button is held.
void selectPointerShape(int shape);
void drawWidgetPointer(Surface* target, int x, int y, std::uint32_t now);

} // namespace burrowix
