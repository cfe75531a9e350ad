// The passes that visit only the active cells against the full scans they replace: random worlds
// played frame by frame both ways must agree on every field of every cell, the digger, the counts,
// the events and both random sequences after every frame. The view (where the timed steps run and
// where everything is awake anyway) is kept small and mostly away from the digger, so most of each level relies on the active sets.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

#include "support/world_levels.hpp"
#include "world/cell_drawing.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/weapons.hpp"
#include "world/world_step.hpp"

namespace burrowix {
namespace {

// A fingerprint of everything a frame can change.
using State = std::uint64_t;

struct Fingerprint {
    std::uint64_t hash = 14695981039346656037ull;
    void add(std::int64_t v)
    {
        hash = (hash ^ std::uint64_t(v)) * 1099511628211ull;
        hash ^= hash >> 29;
    }
    void insert(std::initializer_list<std::int64_t> values)
    {
        for (std::int64_t v : values)
            add(v);
    }
};

void addCell(Fingerprint& v, const Cell& c)
{
    v.insert({c.x, c.y, c.kind, c.param, c.arrived, c.moving, c.direction,
                       c.lastDirection, c.facing, c.falls, c.rolls, c.solid, c.isEnemy, c.exploding, c.destructible,
                       c.offsetX, c.offsetY, c.frameB, c.frame, c.variant, std::int64_t(c.frameTimeB),
                       std::int64_t(c.frameTime), std::int64_t(c.glintTime), std::int64_t(c.blastTime),
                       std::int64_t(c.armedTime), c.blastFrame, c.blastShown, c.blastRow, c.rollToggle, c.animHalf,
                       c.eggState, c.shotPose, c.hatchedThisFrame});
}

State snapshot(const World& w, const Digger& d)
{
    Fingerprint v;
    v.insert({std::int64_t(theRandom.state), std::int64_t(w.rules.state), d.x, d.y, d.direction, d.moving,
              d.offsetX, d.offsetY, d.dead, d.health, d.goldCollected, d.enemiesKilled, d.pose, d.frame,
              w.enemiesAlive, w.goldRemaining, w.viewX, w.viewY, w.won, w.diggerDead, w.live->score,
              w.live->lives, w.live->placedTnt});
    for (const WorldEvent& e : w.events)
        v.insert({std::int64_t(e.kind), std::int64_t(e.sound), e.cell});
    for (const Cell& c : w.cells)
        addCell(v, c);
    return v.hash;
}

// A random level: walls around, then a mix of every kind a level may hold, with tunnels enough for
// things to fall, roll and walk.
LevelFile randomLevel(std::mt19937& g, int width, int height)
{
    static constexpr std::int32_t kMix[] = {
        KindEarth, KindEarth, KindEmpty, KindEmpty, KindEmpty, KindEmpty, KindStone, KindStone, KindStone,
        KindGold, KindLooseEarth, KindWall, KindCrawler, KindWalker, KindStalker, KindEgg, KindBomb,
        KindMine, KindTnt, KindHeart, KindMineral, KindWeaponPickup, KindBlastStone, KindMissile,
    };
    LevelFile f;
    f.width = width;
    f.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::int32_t kind = kMix[g() % std::size(kMix)];
            std::int32_t param = 0;
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
                kind = KindWall, param = 3;
            else if (kind == KindWall)
                param = std::int32_t(g() % 4);
            else if (kind == KindStone)
                param = std::int32_t(g() % 2);
            else if (kind == KindMineral)
                param = std::int32_t(g() % 6);
            else if (kind == KindWeaponPickup)
                param = std::int32_t(std::array{1, 3, 4, 6, 7}[g() % 5]);
            else if (kind == KindBlastStone)
                param = std::int32_t(g() % 2);
            f.kinds.push_back(kind);
            f.params.push_back(param);
        }
    f.blocks.assign(std::size_t(f.blocksAcross() * f.blocksDown()), 0);
    f.startX = 1 + int(g() % unsigned(width - 2));
    f.startY = 1 + int(g() % unsigned(height - 2));
    f.goldGoalOn = 1;
    f.goldGoal = 1000000; // never won: the rules run to the end
    return f;
}

// Plays `frames` frames of a random level from `seed` with random arrows and weapons, the full scan
// on or off, and returns the state after every frame.
std::vector<State> play(unsigned seed, bool fullScan, int frames)
{
    test::resetWorldState();
    app.frameClock = 10000;
    theCatalogue.difficulty = 2;
    std::mt19937 g(seed);
    const int width = 16 + int(g() % 30), height = 12 + int(g() % 24);
    World& w = test::startWorld(randomLevel(g, width, height));
    w.fullScan = fullScan;
    w.live->ammunition.fill(50);
    std::vector<State> states;
    int viewX = 0, viewY = 0, dir = 4;
    for (int f = 0; f < frames; ++f) {
        Digger& d = *world.theDigger;
        app.frameClock += 26;
        FrameInput in;
        in.now = app.frameClock;
        if (f % 12 == 0)
            dir = int(g() % 6); // an arrow held for a while (or none), so the digger walks and digs
        if (dir < 4) {
            in.arrows.held[dir] = true;
            in.arrows.wanted = Direction(dir);
        }
        // A view of a few cells that moves to another place now and then, rarely over the digger, so
        // the rest of the level (and the digger's surroundings) is left to the sets.
        if (f % 50 == 0) {
            viewX = int(g() % unsigned(width - 4));
            viewY = int(g() % unsigned(height - 4));
        }
        in.view = {viewX, viewX + 5, viewY, viewY + 5};
        if (g() % 40 == 0 && !d.dead) {
            static constexpr std::int32_t kWeapons[] = {KindBomb, KindMine, KindMissile, KindShot, KindGrenade,
                                                        KindTimeBomb, KindTnt};
            placeWeapon(w, d, kWeapons[g() % std::size(kWeapons)], Direction(g() % 4));
        }
        stepWorld(w, d, in, nullptr);
        states.push_back(snapshot(w, d));
        w.events.clear();
    }
    return states;
}

// The digger digs down from under a stone far from the view and walks on: the stone, asleep while
// the digger held it up, falls after it both ways alike.
std::vector<State> digDownFromUnderAStone(bool fullScan)
{
    test::resetWorldState();
    app.frameClock = 10000;
    std::vector<std::string> rows(30, std::string(40, ':'));
    rows[10][20] = 'O';
    rows[11][20] = '.';
    World& w = test::startWorld(test::levelFromMap(rows, 20, 11));
    w.fullScan = fullScan;
    std::vector<State> states;
    for (int f = 0; f < 120; ++f) {
        Digger& d = *world.theDigger;
        app.frameClock += 26;
        FrameInput in;
        in.now = app.frameClock;
        const Direction dir = f < 60 ? DirDown : DirRight;
        in.arrows.held[dir] = true;
        in.arrows.wanted = dir;
        in.view = {0, 4, 0, 4};
        stepWorld(w, d, in, nullptr);
        states.push_back(snapshot(w, d));
        w.events.clear();
    }
    EXPECT_NE(w.cellAt(20, 10)->kind, KindStone) << "the stone fell after the digger";
    return states;
}

TEST(ActiveCells, AStoneFallsAfterTheDiggerDigsDownFromUnderIt)
{
    EXPECT_EQ(digDownFromUnderAStone(true), digDownFromUnderAStone(false));
    test::resetWorldState();
}

TEST(ActiveCells, RandomWorldsStepAsTheFullScanDoes)
{
    constexpr int kFrames = 400;
    for (unsigned seed = 1; seed <= 24; ++seed) {
        const std::vector<State> reference = play(seed, true, kFrames);
        const std::vector<State> active = play(seed, false, kFrames);
        ASSERT_EQ(reference.size(), active.size());
        for (int f = 0; f < kFrames; ++f) {
            if (reference[std::size_t(f)] != active[std::size_t(f)]) {
                ADD_FAILURE() << "seed " << seed << ": the worlds part after frame " << f;
                break;
            }
        }
    }
    test::resetWorldState();
}

// The sets must really shrink: a large level at rest leaves only the view awake, and a falling stone
// far from it keeps only itself and its neighbours awake.
TEST(ActiveCells, ALevelAtRestSleepsOutsideTheView)
{
    test::resetWorldState();
    app.frameClock = 10000;
    std::vector<std::string> rows(200, std::string(200, ':'));
    for (int x = 10; x < 190; x += 3)
        rows[100][std::size_t(x)] = 'O'; // stones resting on earth
    rows[150][150] = 'O';
    for (int y = 151; y < 199; ++y)
        rows[std::size_t(y)][150] = '.'; // a shaft under one of them
    World& w = test::startWorld(test::levelFromMap(rows, 5, 5));
    for (int f = 0; f < 30; ++f) {
        app.frameClock += 26;
        FrameInput in;
        in.now = app.frameClock;
        in.view = drawRange(w);
        stepWorld(w, *world.theDigger, in, nullptr);
        w.events.clear();
    }
    const ActiveCells& a = w.active;
    EXPECT_LT(a.count(ActiveCells::Gravity), 1000u) << "of " << w.cellCount() << " cells";
    EXPECT_LT(a.count(ActiveCells::Enemies), 1000u);
    EXPECT_LT(a.count(ActiveCells::Glides), 1000u);
    EXPECT_NE(w.cellAt(150, 150)->kind, KindStone) << "the stone over the shaft fell";
    int stones = 0;
    for (int y = 151; y < 199; ++y)
        stones += w.cellAt(150, y)->kind == KindStone;
    EXPECT_EQ(stones, 1);
    test::resetWorldState();
}

// A level set up again in the same world (the grid keeps its storage) starts with every cell awake.
TEST(ActiveCells, ALevelSetUpAgainIsLookedAtWhole)
{
    test::resetWorldState();
    app.frameClock = 10000;
    std::vector<std::string> rows(40, std::string(60, ':'));
    World& w = test::startWorld(test::levelFromMap(rows, 2, 2));
    for (int f = 0; f < 5; ++f) {
        app.frameClock += 26;
        FrameInput in;
        in.now = app.frameClock;
        in.view = drawRange(w);
        stepWorld(w, *world.theDigger, in, nullptr);
    }
    rows[30][50] = 'O';
    rows[31][50] = '.';
    const Cell* storage = w.cells.data();
    setUpLevel(w, test::levelFromMap(rows, 2, 2), 0, 40, 0);
    ASSERT_EQ(w.cells.data(), storage) << "the case needs the grid's storage kept";
    app.frameClock += 26;
    FrameInput in;
    in.now = app.frameClock;
    in.view = drawRange(w);
    stepWorld(w, *world.theDigger, in, nullptr);
    EXPECT_TRUE(w.cellAt(50, 31)->kind == KindStone && w.cellAt(50, 31)->moving) << "the stone far from the view falls";
    test::resetWorldState();
}

} // namespace
} // namespace burrowix
