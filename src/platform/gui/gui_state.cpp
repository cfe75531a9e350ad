#include "platform/gui/gui_state.hpp"

#include "platform/gui/widget.hpp"

namespace burrowix {

GuiState theGui;

void GuiState::reset()
{
    focused = nullptr;
    rootList.destroyAll();
    pictures.clearPictures();
    pictures.display = nullptr;
    pointer = PointerSet{};
    nextWidgetId = 0;
    keyboardInput = 0;
    clock = nullptr;
}

} // namespace burrowix
