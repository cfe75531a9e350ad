#pragma once
// Drawing helpers the menu screens share: a full-screen picture and a piece of a picture.

#include "platform/display/surface.hpp"

namespace burrowix {

// Interface picture `index` at (0, 0), with its colour key when `keyed`.
void drawFullScreen(Surface* backBuffer, int index, bool keyed);
// The `source` rectangle of interface picture `index` at (x, y) with its colour key.
void drawPiece(Surface* backBuffer, int index, int x, int y, const Rect& source);

} // namespace burrowix
