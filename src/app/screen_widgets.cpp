#include "app/screen_widgets.hpp"

// Until the widget toolkit exists the screens have no widgets: nothing is shown, drawn or hit.

namespace burrowix {

void hideAllWidgets() {}
void showWidget(const char*) {}
void hideWidget(const char*) {}
void moveWidget(const char*, int, int) {}
void setWidgetTextColor(const char*, std::uint32_t) {}
void setWidgetState(const char*, int) {}
void setWidgetPosition(const char*, int) {}
std::string widgetText(const char*)
{
    return "";
}
void drawAllWidgets(Surface*) {}
std::vector<std::string> visibleWidgetNames()
{
    return {};
}
bool widgetsMouseMove(int, int)
{
    return false;
}
bool widgetsMouseDown(int, int, int)
{
    return false;
}
bool widgetsMouseUp(int, int, int)
{
    return false;
}
bool widgetsKeyDown(std::uint32_t)
{
    return false;
}
bool widgetsCharInput(std::uint32_t)
{
    return false;
}
void selectPointerShape(int) {}
void drawWidgetPointer(Surface*, int, int, std::uint32_t) {}

} // namespace burrowix
