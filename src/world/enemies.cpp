#include "world/enemies.hpp"

#include "common/random.hpp"
#include "world/cell_kind.hpp"
#include "world/direction.hpp"
#include "world/digger.hpp"
#include "world/explosions.hpp"
#include "world/neighbours.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// The neighbourhood of one enemy: which of its eight neighbours are free (not solid and inside),
// indexed by the step to them.
struct Around {
    bool free[3][3];

    bool at(int dx, int dy) const { return free[dy + 1][dx + 1]; }
    bool in(int dir) const { return isDirection(dir) && at(stepX(Direction(dir)), stepY(Direction(dir))); }
    // The corner neighbour between the sides in directions a and b.
    bool corner(Direction a, Direction b) const { return at(stepX(a) + stepX(b), stepY(a) + stepY(b)); }
};

Around lookAround(const World& w, int i)
{
    Around a{};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int j = neighbourIndex(w, i, dx, dy);
            a.free[dy + 1][dx + 1] = (dx != 0 || dy != 0) && j >= 0 && w.cells[std::size_t(j)].solid == 0;
        }
    return a;
}

bool freeIn(const Around& a, int dir) { return a.in(dir); }

// The first free direction of four, or DirNone.
Direction firstFree(const Around& a, Direction d0, Direction d1, Direction d2, Direction d3)
{
    for (Direction dir : {d0, d1, d2, d3})
        if (freeIn(a, dir))
            return dir;
    return DirNone;
}

// The Crawler's twelve rules, written once for every heading through the rotation table; may
// explode it (rule 11) and then returns DirNone.
Direction crawlerStep(World& w, Digger& d, int i)
{
    const Cell& c = w.cells[std::size_t(i)];
    const Around a = lookAround(w, i);
    const Direction heading = c.direction;
    if (!isDirection(heading))
        return DirNone;
    const Direction back = opposite(heading), right = clockwise(heading), left = anticlockwise(heading);
    // Both corners behind it are free: the Crawler has no wall at its back to follow.
    const bool openBehind = a.corner(back, right) && a.corner(back, left);
    if (a.in(heading) && openBehind)
        return heading;
    if (!a.in(heading) && openBehind && a.in(right) && a.in(left))
        return left;
    if (heading == DirUp) {
        // Something coming down onto a Crawler heading up kills it.
        const int u = neighbourInDirection(w, i, DirUp);
        if (u >= 0 && w.cells[std::size_t(u)].moving && !w.cells[std::size_t(u)].isEnemy) {
            explodeAround(w, d, i);
            return DirNone;
        }
    }
    return firstFree(a, right, heading, left, back);
}

// A straight walk with a 1 in 10 chance of a turn to one of three other ways (when free).
int wander(RandomGenerator& g, const Around& a, int straight, int r0, int r1, int r2)
{
    if (random(g, 10) != 5)
        return straight;
    const int r = random(g, 3);
    if (freeIn(a, r0) && r == 0)
        return r0;
    if (freeIn(a, r1) && r == 1)
        return r1;
    if (freeIn(a, r2) && r == 2)
        return r2;
    return straight;
}

int pickOfThree(RandomGenerator& g, int d0, int d1, int d2)
{
    const int r = random(g, 3);
    return r == 0 ? d0 : r == 1 ? d1 : d2;
}

// For each heading: the two ways to its sides, in the order a random pick numbers them, and the way
// back. A Walker's wander and its choice at a blocked heading turn through the same ways.
struct Turns {
    Direction side1, side2, back;
};
// The sides in the order of lower coordinates first; the way back is the opposite heading.
constexpr Turns turnsOf(Direction heading)
{
    return isHorizontal(heading) ? Turns{DirUp, DirDown, opposite(heading)}
                                 : Turns{DirLeft, DirRight, opposite(heading)};
}

// The Walker's and Stalker's 21 rules.
int walkerStep(World& w, int i)
{
    const Around a = lookAround(w, i);
    const int heading = w.cells[std::size_t(i)].direction;
    if (heading == DirLeft && !a.in(DirLeft) && !a.in(DirRight)) {
        const int r = random(w.rules, 2);
        if (r == 0 && a.in(DirUp))
            return DirUp;
        if (r == 1 && a.in(DirDown))
            return DirDown;
        return DirNone;
    }
    if (!isDirection(heading))
        return DirNone;
    const Turns turn = turnsOf(Direction(heading));
    if (freeIn(a, heading))
        return wander(w.rules, a, heading, turn.side1, turn.side2, turn.back);
    // The heading is blocked.
    const bool side1 = freeIn(a, turn.side1), side2 = freeIn(a, turn.side2), back = freeIn(a, turn.back);
    if (side1 && side2 && back)
        return pickOfThree(w.rules, turn.side1, turn.side2, turn.back);
    if (side1 && !side2)
        return turn.side1;
    if (!side1 && side2)
        return turn.side2;
    if (back)
        return turn.back;
    return DirNone;
}

} // namespace

void enemyMove(World& w, Digger& d, Direction dir, int i)
{
    const int t = neighbourInDirection(w, i, dir);
    if (t < 0)
        return;
    Cell& target = w.cells[std::size_t(t)];
    if (target.kind == KindMine) {
        explodeAround(w, d, i);
        return;
    }
    if (t == d.cellIndex(w) && !d.dead) {
        if (!d.superMode)
            hitDigger(w, d);
        else
            explodeAround(w, d, i);
        return;
    }
    moveContent(w, i, t, dir);
    if (isHorizontal(dir))
        target.facing = dir;
}

namespace {

bool movesItself(std::int32_t kind) { return kind == KindCrawler || kind == KindWalker || kind == KindStalker; }

void enemyCell(World& w, Digger& d, int i)
{
    const Cell& c = w.cells[std::size_t(i)];
    if (c.moving)
        return;
    Direction dir = DirNone;
    if (c.kind == KindCrawler)
        dir = crawlerStep(w, d, i);
    else if (c.kind == KindWalker || c.kind == KindStalker)
        dir = toDirection(walkerStep(w, i));
    if (dir != DirNone)
        enemyMove(w, d, dir, i);
}

} // namespace

void enemyPass(World& w, Digger& d)
{
    const long long end = static_cast<long long>(w.width) * (w.height - 1);
    if (end <= w.width + 1)
        return;
    if (w.fullScan) {
        for (int i = w.width + 1; i < end; ++i)
            enemyCell(w, d, i);
        return;
    }
    // Only a Crawler, Walker or Stalker acts here, and content becomes one only by moving in (a touch)
    // or hatching (touched by the view's steps), so every cell that holds one has its bit; a cell that
    // holds none after its visit gives its bit up. Resting enemies keep theirs: a Walker draws from
    // the rules' sequence in every frame.
    ActiveCells& a = activeCells(w);
    a.forEach(ActiveCells::Enemies, w.width + 1, int(end), [&](int i) {
        enemyCell(w, d, i);
        if (!movesItself(w.cells[std::size_t(i)].kind))
            a.clear(ActiveCells::Enemies, i);
    });
}

} // namespace burrowix
