#pragma once
// A picture of a whole level drawn by the game's own drawing code: the level is drawn view by view
// into the back buffer and each view copied into one big picture.

#include <memory>

namespace burrowix {

class Surface;
class World;

// The current world drawn at cell size 40 (game screen) or 20 (level preview), world unmoving.
std::unique_ptr<Surface> renderWholeLevel(World& w, int cellSize);

} // namespace burrowix
