#include "world/explosions.hpp"

#include <algorithm>

#include "state/app_state.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/scoring.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kAroundPasses = 50;
constexpr int kPairPasses = 10;
constexpr int kDeathPasses = 40;

// One explosion operation: the cells it marks and, when it can hurt the digger, the digger's cell and
// whether the blast reached it. A cell keeps its exploding flag while its picture plays, so the flag
// alone would let any later blast, however far away, hurt a digger that has just walked into a cell
// still burning.
class Blast {
public:
    Blast(World& w, const Digger* digger) : w_(w)
    {
        if (digger && w.inside(digger->x, digger->y))
            diggerCell_ = &w.cells[w.indexOf(digger->x, digger->y)];
    }

    bool reachedDigger() const { return reachedDigger_; }

    void reach(const Cell& c)
    {
        if (&c == diggerCell_)
            reachedDigger_ = true;
    }

    // Marks a cell as exploding; true when that changed anything.
    bool mark(Cell& c, int row)
    {
        reach(c);
        const bool already = c.exploding && c.blastShown && c.blastFrame == 0 && c.blastRow == row && !c.falls &&
                             !c.rolls && !c.solid && !c.isEnemy && !c.moving &&
                             c.direction == DirLeft && c.lastDirection == DirLeft && c.offsetX == 0 && c.offsetY == 0 &&
                             c.armedTime == 0 && !c.animHalf;
        c.exploding = 1;
        c.clear(1);
        touchCell(w_, int(&c - w_.cells.data()));
        c.blastShown = 1;
        c.blastFrame = 0;
        c.blastRow = row;
        return !already;
    }

    // Cell i and its destructible neighbours. With `freshOnly` a cell whose picture still plays is
    // not marked again, but the blast still reaches it.
    void markAround(int i, bool freshOnly)
    {
        auto hit = [&](Cell& c) {
            reach(c);
            if (!freshOnly || c.blastFrame == 0)
                mark(c, 0);
        };
        hit(w_.cells[i]);
        int around[8];
        const int n = neighboursOf(i, around);
        for (int k = 0; k < n; ++k) {
            Cell& t = w_.cells[around[k]];
            if (t.destructible)
                hit(t);
        }
    }

    // Each chain pass looks at every exploding cell in index order; a cell marked ahead of the one
    // being looked at is reached in the same pass. Only exploding cells of a chaining kind spread;
    // a cell becomes one only by being marked here or moved into (both touch it), so the blast set
    // holds them all; the set's other cells are passed over as the full scan passes them.
    void chain(int passes, bool withShots)
    {
        int around[8];
        for (int p = 0; p < passes; ++p) {
            bool changed = false;
            auto spread = [&](int i) {
                const Cell& c = w_.cells[i];
                if (c.exploding != 1 || !isChainKind(c.kind, withShots))
                    return;
                const int n = neighboursOf(i, around);
                for (int k = 0; k < n; ++k) {
                    Cell& t = w_.cells[around[k]];
                    if (t.destructible)
                        changed |= mark(t, t.blastRow);
                }
            };
            if (w_.fullScan) {
                for (int i = 0; i < w_.cellCount(); ++i)
                    spread(i);
            } else {
                ActiveCells& a = activeCells(w_);
                a.forEach(ActiveCells::Blasts, 0, w_.cellCount(), [&](int i) {
                    if (w_.cells[i].exploding != 1)
                        a.clear(ActiveCells::Blasts, i);
                    else
                        spread(i);
                });
            }
            // A pass that changes nothing leaves every later pass nothing to do.
            if (!changed)
                break;
        }
    }

private:
    // The eight neighbours of i that lie inside the grid; returns how many.
    int neighboursOf(int i, int out[8]) const
    {
        const int cx = i % w_.width;
        const int cy = i / w_.width;
        int n = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if ((dx || dy) && w_.inside(cx + dx, cy + dy))
                    out[n++] = w_.indexOf(cx + dx, cy + dy);
        return n;
    }

    World& w_;
    const Cell* diggerCell_ = nullptr;
    bool reachedDigger_ = false;
};

// Empties every exploding cell (those of earlier blasts still showing too).
void clearExploding(World& w)
{
    if (w.fullScan) {
        for (Cell& c : w.cells)
            if (c.exploding == 1)
                c.clear(0);
        return;
    }
    ActiveCells& a = activeCells(w);
    a.forEach(ActiveCells::Blasts, 0, w.cellCount(), [&](int i) {
        Cell& c = w.cells[std::size_t(i)];
        if (c.exploding != 1) {
            a.clear(ActiveCells::Blasts, i);
            return;
        }
        c.clear(0);
        touchCell(w, i);
        // Emptied, the cell stays as clear(0) leaves it until something writes it again, which
        // touches it: until then neither this nor a chain has anything to do there.
        a.clear(ActiveCells::Blasts, i);
    });
}

void afterMarking(World& w, Digger& d, const Blast& blast)
{
    HallOfFame& live = *w.live;
    if (live.placedTnt != 0 && w.validIndex(live.placedTnt) && w.cells[live.placedTnt].exploding == 1) {
        live.placedTnt = 0;
        w.tntLatch = false;
    }
    if (!d.dead && !d.superMode && blast.reachedDigger())
        hitDigger(w, d);
    clearExploding(w);
}

} // namespace

bool isChainKind(std::int32_t kind, bool withShots)
{
    const Chains chains = kindTraits(kind).chains;
    return chains == Chains::Yes || (withShots && chains == Chains::WithShots);
}

void explodeAround(World& w, Digger& d, int i)
{
    if (i < w.width || !w.validIndex(i))
        return;
    Blast blast(w, &d);
    blast.markAround(i, true);
    blast.chain(kAroundPasses, false);
    afterMarking(w, d, blast);
    reportSound(w, WorldSound::Explosion, i);
    levelCompleteCheck(w, d);
}

void explodePair(World& w, Digger& d, int i, int j, int row)
{
    if ((i < w.width && i != 0) || !w.validIndex(i))
        return;
    Blast blast(w, &d);
    if (i != 0)
        blast.mark(w.cells[i], row);
    if (w.validIndex(j) && w.cells[j].destructible)
        blast.mark(w.cells[j], row);
    blast.chain(kPairPasses, false);
    afterMarking(w, d, blast);
    if (!d.superMode)
        reportSound(w, WorldSound::Explosion, j);
    levelCompleteCheck(w, d);
}

void explodeSingle(World& w, Digger& d, int i)
{
    if ((i < w.width && i != 0) || !w.validIndex(i))
        return;
    Cell& c = w.cells[i];
    // Earth, stone and whatever chains (shots apart) burst on their own.
    if (kindTraits(c.kind).burstsAlone && c.destructible)
        Blast(w, nullptr).mark(c, 0);
    clearExploding(w);
    if (!d.superMode)
        reportSound(w, WorldSound::Explosion, i);
    levelCompleteCheck(w, d);
}

void screenBlast(World& w, Digger& d)
{
    const int x0 = std::max(0, w.viewX + 3);
    const int x1 = std::min(w.width - 1, w.viewX + w.viewWidth - 4);
    const int y0 = std::max(0, w.viewY + 3);
    const int y1 = std::min(w.height - 1, w.viewY + w.viewHeight - 4);
    for (int cx = x0; cx <= x1; ++cx)
        for (int cy = y0; cy <= y1; ++cy)
            explodeSingle(w, d, w.indexOf(cx, cy));
}

void deathExplosion(World& w, int i)
{
    if (!w.validIndex(i))
        return;
    Blast blast(w, nullptr);
    blast.markAround(i, false);
    blast.chain(kDeathPasses, true);
    clearExploding(w);
}

} // namespace burrowix
