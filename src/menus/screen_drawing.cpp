#include "menus/screen_drawing.hpp"

#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {

void drawFullScreen(Surface* backBuffer, int index, bool keyed)
{
    blitFast(backBuffer, 0, 0, thePictures.interfaceImages[std::size_t(index)].get(), nullptr, keyed);
}

void drawPiece(Surface* backBuffer, int index, int x, int y, const Rect& source)
{
    blitFast(backBuffer, x, y, thePictures.interfaceImages[std::size_t(index)].get(), &source, true);
}

} // namespace burrowix
