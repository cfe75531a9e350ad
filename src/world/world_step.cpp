#include "world/world_step.hpp"

#include "world/cell_animation.hpp"
#include "world/digger.hpp"
#include "world/enemies.hpp"
#include "world/gravity.hpp"
#include "world/watching_eyes.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// The rules run unless the shell holds the game; a win during the frame stops the rest of it.
bool running(const World& w, const FrameInput& in) { return in.running && !w.won; }

CellMotion motion(const World& w, const FrameInput& in)
{
    CellMotion m;
    m.now = in.now;
    m.running = running(w, in);
    m.enemiesAnimate = m.running || in.levelChoice;
    m.itemsAnimate = m.running || in.magnifierOn;
    return m;
}

// The lids of the watching eyes move once for every pair of eyes on the screen.
void stepEyes(const World& w, Ticks now)
{
    for (int bx = 0; bx < w.blocksAcross; ++bx)
        for (int by = 0; by < w.blocksDown; ++by)
            if (w.blocks[std::size_t(by) * std::size_t(w.blocksAcross) + std::size_t(bx)].showsEyes(bx, by))
                theEyeLids.step(now);
}

// What of a cell the passes read and the view's steps may change: a hatched egg, an ended blast.
struct PassFields {
    std::int32_t kind;
    bool exploding, falls, solid, isEnemy, moving;

    explicit PassFields(const Cell& c)
        : kind(c.kind), exploding(c.exploding), falls(c.falls), solid(c.solid), isEnemy(c.isEnemy), moving(c.moving)
    {
    }
    bool operator==(const PassFields&) const = default;
};

// Runs `step` on the cells of the view and touches every cell whose pass fields it changed.
template <typename Step>
void forViewCells(World& w, const DrawRange& r, Step step)
{
    for (int x = r.x0; x < r.x1; ++x)
        for (int y = r.y0; y < r.y1; ++y) {
            const int i = w.indexOf(x, y);
            Cell& c = w.cells[std::size_t(i)];
            const PassFields before(c);
            step(c);
            if (!(PassFields(c) == before))
                touchCell(w, i);
        }
}

// Every cell's glide step. A glide step reads and writes its own cell only, so the order of the cells
// does not matter, and a cell that is not moving does nothing: only the cells of the glide set (every
// cell that started a glide was touched) are stepped. A glide that ends touches its cell, since the
// content now rests where the gravity pass looks at it and its neighbours.
void glidePass(World& w)
{
    if (w.fullScan) {
        for (int x = 0; x < w.width; ++x)
            for (int y = 0; y < w.height; ++y)
                w.cells[std::size_t(w.indexOf(x, y))].glideStep();
        return;
    }
    ActiveCells& a = activeCells(w);
    a.forEach(ActiveCells::Glides, 0, w.cellCount(), [&](int i) {
        Cell& c = w.cells[std::size_t(i)];
        const bool wasMoving = c.moving;
        c.glideStep();
        if (wasMoving && !c.moving)
            touchCell(w, i);
        if (!c.moving)
            a.clear(ActiveCells::Glides, i);
    });
}

// Whatever the tests or tools wrote into the cells of the view between frames is looked at again:
// the view and a cell around it wake in every set and are counted again (a few hundred cells,
// whatever the level's size).
void wakeAroundView(World& w, const DrawRange& r)
{
    ActiveCells& a = activeCells(w);
    for (int s = 0; s < ActiveCells::kSets; ++s)
        a.wakeRect(ActiveCells::Set(s), r.x0 - 1, r.y0 - 1, r.x1 + 1, r.y1 + 1);
    a.recountRect(r.x0 - 1, r.y0 - 1, r.x1 + 1, r.y1 + 1);
}

// The cells of the view around their picture, then the digger around its own.
void viewStepsAndPicture(World& w, Digger& d, const FrameInput& in, Surface* picture)
{
    stepViewCells(w, &d, in, picture);
    updateHitBlink(d, !running(w, in));
    if (w.diggerDead)
        return;
    diggerPictureStep(w, d, in.now, !running(w, in));
    if (picture)
        drawDigger(w, d, picture);
    if (elapsedMoreThan(in.now, world.throwTime, kThrowStep)) {
        world.throwTime = in.now;
        if (d.throwFrame >= 0 && ++d.throwFrame > 2)
            d.throwFrame = -1;
    }
}

} // namespace

void stepViewCells(World& w, const Digger* d, const FrameInput& in, Surface* picture)
{
    const CellMotion m = motion(w, in);
    stepEyes(w, in.now);
    forViewCells(w, in.view, [&](Cell& c) { prepareCellPicture(c, m); });
    if (picture)
        drawLevelCells(w, d, picture);
    forViewCells(w, in.view, [&](Cell& c) {
        animateCell(c, m);
        blastStep(c, m, w.diggerDead != 0);
    });
}

void stepWorld(World& w, Digger& d, const FrameInput& in, Surface* picture)
{
    if (!w.fullScan)
        wakeAroundView(w, in.view);
    if (running(w, in))
        enemyPass(w, d);
    if (running(w, in) && elapsedMoreThan(in.now, d.lastInputTime, kIdleAfter))
        d.pose = PoseIdle;
    if (running(w, in) && (d.moving || w.scrolling))
        diggerGlide(w, d);
    if (running(w, in))
        glidePass(w);
    viewStepsAndPicture(w, d, in, picture);
    if (running(w, in))
        gravityPass(w, d);
    // The step from the held arrows while play runs; its last part (ending a push) in every frame.
    diggerStep(w, d, running(w, in) && !w.diggerDead, in.arrows);
}

} // namespace burrowix
