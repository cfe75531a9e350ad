#include "menus/menu_widgets.hpp"

namespace burrowix {

void createMenuWidgets() {}

} // namespace burrowix
