#include "world/enemies.hpp"

#include "common/random.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/explosions.hpp"
#include "world/neighbours.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kLeft = 0, kUp = 1, kRight = 2, kDown = 3;
constexpr int kStay = -1;

// The neighbourhood of one enemy: which of its eight neighbours are free (not solid and inside).
struct Around {
    bool l, r, u, d, ul, ur, dl, dr;
};

Around lookAround(const World& w, int i)
{
    auto freeAt = [&](int dx, int dy) {
        const int j = neighbourIndex(w, i, dx, dy);
        return j >= 0 && w.cells[std::size_t(j)].solid == 0;
    };
    return {freeAt(-1, 0), freeAt(1, 0), freeAt(0, -1), freeAt(0, 1),
            freeAt(-1, -1), freeAt(1, -1), freeAt(-1, 1), freeAt(1, 1)};
}

bool freeIn(const Around& a, int dir)
{
    switch (dir) {
    case kLeft: return a.l;
    case kUp: return a.u;
    case kRight: return a.r;
    case kDown: return a.d;
    default: return false;
    }
}

// The first free direction of four, or kStay.
int firstFree(const Around& a, int d0, int d1, int d2, int d3)
{
    for (int dir : {d0, d1, d2, d3})
        if (freeIn(a, dir))
            return dir;
    return kStay;
}

// The Crawler's twelve rules; may explode it (rule 11) and then returns kStay.
int crawlerStep(World& w, Digger& d, int i)
{
    const Cell& c = w.cells[std::size_t(i)];
    const Around a = lookAround(w, i);
    const int heading = c.direction;
    if (heading == kRight && a.r && a.dl && a.ul)
        return kRight;
    if (heading == kLeft && a.l && a.dr && a.ur)
        return kLeft;
    if (heading == kDown && a.d && a.ul && a.ur)
        return kDown;
    if (heading == kUp && a.u && a.dl && a.dr)
        return kUp;
    if (heading == kRight && !a.r && a.dl && a.ul && a.d && a.u)
        return kUp;
    if (heading == kLeft && !a.l && a.dr && a.ur && a.d && a.u)
        return kDown;
    if (heading == kDown && !a.d && a.ul && a.ur && a.l && a.r)
        return kRight;
    if (heading == kUp && !a.u && a.dl && a.dr && a.l && a.r)
        return kLeft;
    switch (heading) {
    case kRight: return firstFree(a, kDown, kRight, kUp, kLeft);
    case kLeft: return firstFree(a, kUp, kLeft, kDown, kRight);
    case kUp: {
        // Something coming down onto a Crawler heading up kills it.
        const int u = neighbourIndex(w, i, 0, -1);
        if (u >= 0 && w.cells[std::size_t(u)].moving && !w.cells[std::size_t(u)].isEnemy) {
            explodeAround(w, d, i);
            return kStay;
        }
        return firstFree(a, kRight, kUp, kLeft, kDown);
    }
    case kDown: return firstFree(a, kLeft, kDown, kRight, kUp);
    default: return kStay;
    }
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
    int side1, side2, back;
};
constexpr Turns kTurns[4] = {
    {kUp, kDown, kRight}, // heading left
    {kLeft, kRight, kDown}, // heading up
    {kUp, kDown, kLeft}, // heading right
    {kLeft, kRight, kUp}, // heading down
};

// The Walker's and Stalker's 21 rules.
int walkerStep(World& w, int i)
{
    const Around a = lookAround(w, i);
    const int heading = w.cells[std::size_t(i)].direction;
    if (heading == kLeft && !a.l && !a.r) {
        const int r = random(w.rules, 2);
        if (r == 0 && a.u)
            return kUp;
        if (r == 1 && a.d)
            return kDown;
        return kStay;
    }
    if (heading < kLeft || heading > kDown)
        return kStay;
    const Turns& turn = kTurns[heading];
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
    return kStay;
}

} // namespace

void enemyMove(World& w, Digger& d, std::int32_t dir, int i)
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
    if (dir == kLeft || dir == kRight)
        target.facing = dir;
}

void enemyPass(World& w, Digger& d)
{
    const long long end = static_cast<long long>(w.width) * (w.height - 1);
    for (int i = w.width + 1; i < end; ++i) {
        const Cell& c = w.cells[std::size_t(i)];
        if (c.moving)
            continue;
        int dir = kStay;
        if (c.kind == KindCrawler)
            dir = crawlerStep(w, d, i);
        else if (c.kind == KindWalker || c.kind == KindStalker)
            dir = walkerStep(w, i);
        if (dir != kStay)
            enemyMove(w, d, dir, i);
    }
}

} // namespace burrowix
