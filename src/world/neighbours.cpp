#include "world/neighbours.hpp"

#include "world/cell_kind.hpp"

namespace burrowix {

namespace {

Cell makeOutside()
{
    Cell c;
    c.x = c.y = -1;
    c.kind = KindWall;
    c.param = 3;
    c.solid = 1;
    c.destructible = 0;
    return c;
}

const Cell kOutside = makeOutside();

} // namespace

const Cell& cellOrOutside(const World& w, int j)
{
    return w.validIndex(j) ? w.cells[std::size_t(j)] : kOutside;
}

void moveContent(World& w, int from, int to, Direction d)
{
    if (!w.validIndex(from) || !w.validIndex(to))
        return;
    copyCell(w.cells[std::size_t(to)], w.cells[std::size_t(from)]);
    w.cells[std::size_t(from)].clear(0);
    w.cells[std::size_t(to)].startGlide(d, w.cellSize);
    touchCell(w, from);
    touchCell(w, to);
}

} // namespace burrowix
