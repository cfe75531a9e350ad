#include "world/gravity.hpp"

#include "state/app_state.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/direction.hpp"
#include "world/explosions.hpp"
#include "world/neighbours.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

bool isFlying(const Cell& c) { return c.kind == KindMissile || c.kind == KindShot; }
bool solidOrMine(const Cell& c) { return c.solid || c.kind == KindMine; }
bool isEmpty(const Cell& c) { return c.kind == KindEmpty; }

// Something can roll off the cell below on the given side: content that falls, or a wall rounded
// on that side (shape 1 both ways, 0 to the left, 2 to the right).
bool roundedToward(const Cell& below, Direction side)
{
    if (below.falls)
        return true;
    if (below.kind != KindWall)
        return false;
    return below.param == 1 || below.param == (side == DirLeft ? 0 : 2);
}

void landingSound(World& w, const Cell& c)
{
    if (c.kind == KindStone)
        reportSound(w, WorldSound::StoneFall, w.inside(c.x, c.y) ? w.indexOf(c.x, c.y) : -1);
    else if (c.kind == KindGold)
        reportSound(w, WorldSound::NuggetFall, w.inside(c.x, c.y) ? w.indexOf(c.x, c.y) : -1);
}

// Checks 5.1 to 5.5: the first motion that applies.
void motion(World& w, Digger& d, int i, int dig)
{
    Cell& c = w.cells[std::size_t(i)];
    if (c.moving)
        return;
    const int b = neighbourIndex(w, i, 0, 1);
    const int l = neighbourIndex(w, i, -1, 0);
    const int r = neighbourIndex(w, i, 1, 0);
    const int a = neighbourInDirection(w, i, c.direction);
    const Cell& below = cellOrOutside(w, b);

    if (isFlying(c)) {
        if (isEmpty(cellOrOutside(w, a)))
            moveContent(w, i, a, c.direction);
        return;
    }
    if (c.falls && isEmpty(below) && b != dig) {
        moveContent(w, i, b, DirDown);
        return;
    }
    if (c.rolls) {
        const int bl = neighbourIndex(w, i, -1, 1);
        const int ul = neighbourIndex(w, i, -1, -1);
        const Cell& upLeft = cellOrOutside(w, ul);
        if (isEmpty(cellOrOutside(w, bl)) && isEmpty(cellOrOutside(w, l)) && roundedToward(below, DirLeft) &&
            bl != dig && l != dig && !(upLeft.rolls && upLeft.moving && upLeft.direction == DirLeft)) {
            moveContent(w, i, l, DirLeft);
            return;
        }
        const int br = neighbourIndex(w, i, 1, 1);
        const int ur = neighbourIndex(w, i, 1, -1);
        const Cell& upRight = cellOrOutside(w, ur);
        if (isEmpty(cellOrOutside(w, br)) && isEmpty(cellOrOutside(w, r)) && roundedToward(below, DirRight) &&
            br != dig && r != dig && !(upRight.rolls && upRight.moving && upRight.direction == DirRight)) {
            moveContent(w, i, r, DirRight);
            return;
        }
    }
    if (c.kind == KindGrenade) {
        if (isHorizontal(c.direction) && !c.arrived && isEmpty(cellOrOutside(w, a)) &&
            a != dig) {
            if (below.isEnemy)
                explodeAround(w, d, i);
            else
                moveContent(w, i, a, c.direction);
            return;
        }
        // A grenade thrown sideways or falling goes off against whatever stops it.
        const bool blocked = isDirection(c.direction) && c.direction != DirUp && solidOrMine(cellOrOutside(w, a));
        if (c.falls && c.arrived && blocked)
            explodeAround(w, d, i);
    }
}

// One cell's part of the pass.
void gravityCell(World& w, Digger& d, int i)
{
    Cell& c = w.cells[std::size_t(i)];
    // An explosion earlier in the pass may have killed the digger.
    const int dig = d.cellIndex(w);
    const int b = neighbourIndex(w, i, 0, 1);

    // 1. Crushing: only content that has just arrived above the digger hurts it.
    if (c.falls && isEmpty(cellOrOutside(w, b)) && c.kind != KindMissile && c.kind != KindShot &&
        c.kind != KindBomb && !c.moving && b == dig && c.arrived && !d.dead && !d.superMode)
        hitDigger(w, d);

    // 2. Landing on an enemy or a mine sets it off.
    if (b >= 0 && c.falls && (w.cells[std::size_t(b)].isEnemy || w.cells[std::size_t(b)].kind == KindMine) &&
        !c.moving && c.direction == DirDown && c.arrived)
        explodeAround(w, d, b);

    // 3. A bomb explodes when it lands.
    if (c.falls && c.kind == KindBomb && !c.moving && c.direction == DirDown && c.arrived) {
        const Cell& below = cellOrOutside(w, b);
        if (solidOrMine(below) || b == dig)
            explodeAround(w, d, i);
    }

    // 4. Impact of a flying object.
    if (c.falls && !c.moving && isFlying(c)) {
        const int a = neighbourInDirection(w, i, c.direction);
        if (solidOrMine(cellOrOutside(w, a))) {
            if (c.kind == KindMissile)
                explodeAround(w, d, i);
            else
                explodePair(w, d, i, a, 0);
        }
    }

    // 5. Flight, fall, rolling, grenades.
    motion(w, d, i, dig);

    // 6. Time bombs.
    if (c.kind == KindTimeBomb && elapsedMoreThan(app.frameClock, c.armedTime, kTimeBombDelay))
        explodeAround(w, d, i);

    // 7. Rolling on after a fall: the landing sound one step into the roll, either way. A roll to
    // the right lands at a higher index, so this pass also sees it before its first step.
    const bool firstRollStep = c.offsetX > 35 || (c.offsetX < -35 && c.offsetX > -w.cellSize);
    if (c.moving && c.arrived && firstRollStep && c.lastDirection == DirDown && c.direction != DirDown)
        landingSound(w, c);

    // 8. Landing.
    if (!c.moving && c.arrived) {
        if (c.direction == DirDown)
            landingSound(w, c);
        c.arrived = 0;
    }
}

// The gravity step of a cell is a function of the cell, its eight neighbours, the digger's cell (and,
// for content that has just arrived, the digger's state) and, for a time bomb, the clock. A visit that
// touched no cell, reported nothing and found the cell neither arrived nor a time bomb changed nothing,
// so the cell may sleep until one of those inputs changes: a write to it or a neighbour touches it,
// and the digger's old and new cells wake their neighbours below.
void activeGravityPass(World& w, Digger& d, int begin, int end)
{
    ActiveCells& a = activeCells(w);
    const int dig = d.cellIndex(w);
    for (int cell : {dig, a.lastDiggerCell})
        if (w.validIndex(cell))
            a.wakeRect(ActiveCells::Gravity, cell % w.width - 1, cell / w.width - 1, cell % w.width + 2,
                       cell / w.width + 2);
    a.lastDiggerCell = dig;
    a.forEach(ActiveCells::Gravity, begin, end, [&](int i) {
        const Cell& c = w.cells[std::size_t(i)];
        const bool busy = c.arrived || c.kind == KindTimeBomb;
        const std::uint64_t touches = a.touches();
        const std::size_t events = w.events.size();
        gravityCell(w, d, i);
        if (!busy && a.touches() == touches && w.events.size() == events)
            a.clear(ActiveCells::Gravity, i);
    });
}

} // namespace

void gravityPass(World& w, Digger& d)
{
    const int width = w.width;
    const long long end = static_cast<long long>(width) * (w.height - 2);
    if (end <= width + 1)
        return;
    if (!w.fullScan) {
        activeGravityPass(w, d, width + 1, int(end));
        return;
    }
    for (int i = width + 1; i < end; ++i)
        gravityCell(w, d, i);
}

} // namespace burrowix
