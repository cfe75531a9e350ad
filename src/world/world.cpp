#include "world/world.hpp"

#include "world/cell_kind.hpp"
#include "world/digger.hpp"

namespace burrowix {

WorldGlobals world;

void WorldGlobals::reset()
{
    theDigger.reset();
    theWorld.reset();
    backgroundOriginX = backgroundOriginY = 0;
    backgroundScrollX = backgroundScrollY = 0;
    wallDecorCounter = 0;
    wallDecorNext = 1;
    throwTime = 0;
}

int currentLevelLook()
{
    return world.theWorld ? world.theWorld->look() : 0;
}

ActiveCells& activeCells(World& w)
{
    if (!w.active.describes(w.cells.data(), w.cells.size(), w.width))
        w.active.rebuild(w.cells.data(), w.cells.size(), w.width);
    return w.active;
}

void recount(World& w)
{
    if (!w.fullScan) {
        // Every write to a cell touches it, and a touch brings the counts up to date.
        const ActiveCells& a = activeCells(w);
        w.enemiesAlive = a.enemies();
        w.goldRemaining = a.gold();
        return;
    }
    std::int32_t enemies = 0;
    std::int32_t gold = 0;
    for (const Cell& c : w.cells) {
        enemies += c.isEnemy == 1;
        gold += c.kind == KindGold;
    }
    w.enemiesAlive = enemies;
    w.goldRemaining = gold;
}

ViewOrigin initialView(std::int32_t width, std::int32_t height, std::int32_t sx, std::int32_t sy,
                       int cellSize)
{
    ViewOrigin v;
    if (cellSize == 20) {
        v.x = width - sx >= 20 ? sx - 3 : sx - 10;
        v.y = height - sy >= 15 ? sy - 3 : sy - 12;
    } else {
        v.x = width - sx >= 13 ? sx - 8 : sx - 12;
        v.y = height - sy >= 8 ? sy - 8 : sy - 7;
    }
    if (v.x < 0)
        v.x = 0;
    if (v.y < 0)
        v.y = 0;
    return v;
}

} // namespace burrowix
