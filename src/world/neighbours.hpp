#pragma once
// Neighbour look-ups for the world's passes: a neighbour outside the grid is no cell at all (-1),
// and reading it gives a blocked, indestructible wall, so content never leaves the grid and no
// rule wraps around to the other edge.

#include "world/direction.hpp"
#include "world/world.hpp"

namespace burrowix {

// The cell at offset (dx, dy) from cell i, or -1 outside the grid.
inline int neighbourIndex(const World& w, int i, int dx, int dy)
{
    if (w.width <= 0 || !w.validIndex(i))
        return -1;
    const int cx = i % w.width + dx;
    const int cy = i / w.width + dy;
    return w.inside(cx, cy) ? w.indexOf(cx, cy) : -1;
}

// The neighbour of cell i in direction d, or -1 (also for DirNone).
inline int neighbourInDirection(const World& w, int i, Direction d)
{
    if (!isDirection(d))
        return -1;
    return neighbourIndex(w, i, stepX(d), stepY(d));
}

// The cell at index j, or a flat wall standing for the outside of the grid.
const Cell& cellOrOutside(const World& w, int j);

// Moves the content of cell `from` into `to` in direction d: copy, clear the source, start the glide.
void moveContent(World& w, int from, int to, Direction d);

} // namespace burrowix
