// The world's frame on a large busy level: a 100 x 60 grid full of animated nuggets, minerals,
// bombs, mines, TNT, hearts, pickups and enemies, with the digger walking to and fro through a
// tunnel so that the view and the background scroll. Each frame runs the digger's and the view's
// glide, every cell's glide step, the drawing of the background, the cells and the digger, and the
// digger's step. Reports the median and worst milliseconds per frame and the heap allocations per
// frame (the target is none). The pictures come from the game folder when it has been generated
// (argument 1, default ../game beside this program).
// The second measurement is the full game frame (RunGameFrame: enemy pass, glides, drawing,
// gravity, the digger's step) on a level of loose stones, gold, bombs, mines, TNT and many enemies
// in open caves, with a chained explosion set off every 40 frames; the level is rebuilt (untimed)
// every 600 frames so it stays busy, and the digger is kept in super mode so it keeps walking.
// The third is the full game frame on a 1000 x 1000 level with about 1 % of its cells able to move
// (enemies in long tunnels, stones over shafts). Each measurement is printed beside the same run with
// every pass visiting every cell (the world's full-scan switch), and their ratio.
// With --state it prints, instead of the figures, one JSON line per measurement with the frame count
// and the final state of the world: the tests compare it with a recording so the rules cannot change
// unnoticed.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/game_frame.hpp"
#include "app/headless_game.hpp"
#include "app/pack_catalogue.hpp"
#include "app/world_reports.hpp"
#include "common/random.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/explosions.hpp"
#include "world/level_file.hpp"
#include "world/level_loader.hpp"
#include "world/world.hpp"
#include "world/world_step.hpp"

namespace {

std::atomic<long> gAllocations{0};

} // namespace

void* operator new(std::size_t n)
{
    ++gAllocations;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using namespace burrowix;

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 60;
constexpr int kFrames = 3000;

LevelFile busyLevel()
{
    LevelFile f;
    f.width = kWidth;
    f.height = kHeight;
    static constexpr std::int32_t kinds[] = {3, 13, 7, 8, 16, 10, 15, 6, 11, 18, 12, 1, 0, 0};
    RandomGenerator g;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            std::int32_t kind = kinds[g.draw() % 14];
            std::int32_t param = 0;
            if (x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1) {
                kind = 2;
                param = 3;
            } else if (y == 30) {
                kind = 4; // the digger's tunnel
            } else if (kind == 13) {
                param = g.draw() % 6;
            } else if (kind == 15) {
                param = 1 + g.draw() % 7;
            }
            f.kinds.push_back(kind);
            f.params.push_back(param);
        }
    }
    f.blocks.resize(std::size_t(f.blocksAcross() * f.blocksDown()));
    for (std::size_t i = 0; i < f.blocks.size(); ++i)
        f.blocks[i] = int(i % 5);
    f.startX = 10;
    f.startY = 30;
    return f;
}

LevelFile fallingLevel(RandomGenerator& g)
{
    LevelFile f;
    f.width = kWidth;
    f.height = kHeight;
    static constexpr std::int32_t kinds[] = {1, 1, 1, 3, 5, 4, 4, 4, 4, 4, 6, 11, 18, 7, 8, 16, 12, 0};
    constexpr int kKindChoices = int(sizeof kinds / sizeof kinds[0]);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            std::int32_t kind = kinds[g.draw() % kKindChoices];
            std::int32_t param = 0;
            if (x == 0 || y == 0 || x == kWidth - 1 || y >= kHeight - 2) {
                kind = 2;
                param = 3;
            } else if (y == 30) {
                kind = 4;
            } else if (y % 8 == 0 && x % 7 != 0) {
                kind = 2; // ledges with gaps to fall through
                param = int(g.draw() % 4);
            }
            f.kinds.push_back(kind);
            f.params.push_back(param);
        }
    }
    f.blocks.resize(std::size_t(f.blocksAcross() * f.blocksDown()));
    f.startX = 10;
    f.startY = 30;
    // A goal that cannot be met, so no explosion ends the level.
    f.goldGoalOn = 1;
    f.goldGoal = 1000000;
    return f;
}

struct Figures {
    double median = 0, worst = 0, allocationsPerFrame = 0;
    long totalAllocations = 0;
};

Figures summarise(std::vector<double> times, const std::vector<long>& allocations)
{
    std::sort(times.begin(), times.end());
    Figures f;
    for (long a : allocations)
        f.totalAllocations += a;
    f.median = times[times.size() / 2];
    f.worst = times.back();
    f.allocationsPerFrame = double(f.totalAllocations) / double(times.size());
    return f;
}

// The full game frame; returns the figures and counts the explosions and level rebuilds.
Figures fullFrameBench(bool fullScan, int& explosions, long& movingCells)
{
    constexpr int kRebuildEvery = 600;
    constexpr int kBlastEvery = 40;
    RandomGenerator g;
    std::vector<double> times;
    std::vector<long> allocations;
    times.reserve(kFrames);
    allocations.reserve(kFrames);
    Surface* back = theDisplay.backBuffer.get();
    const Rect clearPixel{0, 0, 1, 1};
    int direction = 2;
    for (int frame = 0; frame < kFrames; ++frame) {
        if (frame % kRebuildEvery == 0) {
            world.theWorld = std::make_unique<World>();
            world.theWorld->live = &theRecords.hallOfFame;
            setUpLevel(*world.theWorld, fallingLevel(g), 0, 40, theCatalogue.difficulty);
            world.theWorld->fullScan = fullScan;
            gameScreen.frozen = 0;
            gameScreen.pressArrow(direction);
        }
        World& w = *world.theWorld;
        Digger& d = *world.theDigger;
        if (!d.moving && (d.x >= kWidth - 3 || d.x <= 2)) {
            direction = 2 - direction;
            gameScreen.pressArrow(direction);
        }
        app.frameClock += 26;
        d.superMode = 1;
        theRecords.hallOfFame.superStart = std::int32_t(app.frameClock);
        const int blastAt = frame % kBlastEvery == 0
                                ? w.indexOf(1 + int(g.draw() % (kWidth - 2)), 1 + int(g.draw() % (kHeight - 3)))
                                : -1;
        const long before = gAllocations.load();
        const auto start = std::chrono::steady_clock::now();

        blitStretch(back, nullptr, app.clearPicture, &clearPixel, false);
        if (blastAt >= 0)
            explodeAround(w, d, blastAt);
        RunGameFrame(back);

        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        allocations.push_back(gAllocations.load() - before);
        explosions += blastAt >= 0;
        for (const Cell& c : w.cells)
            movingCells += c.moving;
    }
    return summarise(times, allocations);
}

constexpr int kBigSide = 1000;

// A 1000 x 1000 level of earth with long tunnels every tenth row. About 1 % of its cells can move:
// Walkers and Crawlers in the tunnels, which never come to rest, and stones over short shafts, which
// fall and settle (the level is set up again every few hundred frames, so some always fall). The
// digger walks to and fro along a tunnel of its own, so the view scrolls.
LevelFile bigLevel()
{
    LevelFile f;
    f.width = kBigSide;
    f.height = kBigSide;
    f.kinds.assign(std::size_t(kBigSide) * kBigSide, 0);
    f.params.assign(f.kinds.size(), 0);
    RandomGenerator g;
    auto at = [&f](int x, int y) -> std::int32_t& { return f.kinds[std::size_t(y) * kBigSide + std::size_t(x)]; };
    for (int y = 0; y < kBigSide; ++y)
        for (int x = 0; x < kBigSide; ++x) {
            if (x == 0 || y == 0 || x == kBigSide - 1 || y >= kBigSide - 2) {
                at(x, y) = 2;
                f.params[std::size_t(y) * kBigSide + std::size_t(x)] = 3;
            } else if (y % 10 == 5) {
                at(x, y) = 4;
                if (x % 12 == 6)
                    at(x, y) = g.draw() % 2 ? 11 : 6; // a Walker or a Crawler
            }
        }
    for (int x = 1; x < 260; ++x)
        at(x, 503) = 4; // the digger's own tunnel, out of the enemies' way
    for (int y = 10; y < kBigSide - 10; y += 10) // stones over shafts of three cells, above earth
        for (int x = 3 + (y / 10) % 7; x < kBigSide - 3; x += 7) {
            if (y == 500 && x < 262)
                continue; // none falls into the digger's tunnel
            at(x, y) = 1;
            for (int k = 1; k <= 3 && y + k < kBigSide - 2; ++k)
                if (at(x, y + k) == 0)
                    at(x, y + k) = 4;
        }
    f.blocks.assign(std::size_t(f.blocksAcross() * f.blocksDown()), 0);
    f.startX = 20;
    f.startY = 503;
    f.goldGoalOn = 1;
    f.goldGoal = 1000000;
    return f;
}

// The cells the next frame's passes will visit: in the set of a pass that runs every frame (the
// blasts' set is walked only when something goes off).
std::size_t cellsVisitedEachFrame(const World& w)
{
    constexpr ActiveCells::Set kEveryFrame[] = {ActiveCells::Gravity, ActiveCells::Enemies, ActiveCells::Glides};
    std::size_t n = 0;
    for (int i = 0; i < int(w.cellCount()); ++i)
        for (ActiveCells::Set s : kEveryFrame)
            if (w.active.test(s, i)) {
                ++n;
                break;
            }
    return n;
}

struct BigFigures {
    Figures figures;
    double activeCells = 0; // per frame, visited by the passes that run every frame
    long cells = 0;
};

// The full game frame on the big level, `frames` frames, set up again (untimed) every 300.
BigFigures bigLevelBench(bool fullScan, int frames)
{
    constexpr int kRebuildEvery = 300;
    std::vector<double> times;
    std::vector<long> allocations;
    Surface* back = theDisplay.backBuffer.get();
    const Rect clearPixel{0, 0, 1, 1};
    const LevelFile level = bigLevel();
    int direction = 2;
    double active = 0;
    BigFigures out;
    for (int frame = 0; frame < frames; ++frame) {
        if (frame % kRebuildEvery == 0) {
            world.theWorld = std::make_unique<World>();
            world.theWorld->live = &theRecords.hallOfFame;
            setUpLevel(*world.theWorld, level, 0, 40, theCatalogue.difficulty);
            world.theWorld->fullScan = fullScan;
            gameScreen.frozen = 0;
            direction = 2;
            gameScreen.pressArrow(direction);
        }
        World& w = *world.theWorld;
        Digger& d = *world.theDigger;
        if (!d.moving && (d.x >= 200 || d.x <= 2)) {
            direction = 2 - direction;
            gameScreen.pressArrow(direction);
        }
        app.frameClock += 26;
        const long before = gAllocations.load();
        const auto start = std::chrono::steady_clock::now();

        blitStretch(back, nullptr, app.clearPicture, &clearPixel, false);
        RunGameFrame(back);

        const auto end = std::chrono::steady_clock::now();
        // The first frame after a set-up looks at every cell once; it is not a frame of play.
        if (frame % kRebuildEvery != 0) {
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            allocations.push_back(gAllocations.load() - before);
        }
        if (!fullScan)
            active += double(cellsVisitedEachFrame(w));
        out.cells = w.cellCount();
    }
    out.figures = summarise(times, allocations);
    out.activeCells = active / frames;
    return out;
}

// The bench's first measurement: the digger's walk through the busy level with the view's steps and
// drawing (its own glide loop, as before the passes visited only active cells).
Figures walkBench(bool fullScan)
{
    world.theWorld = std::make_unique<World>();
    world.theWorld->live = &theRecords.hallOfFame;
    setUpLevel(*world.theWorld, busyLevel(), 0, 40, theCatalogue.difficulty);
    World& w = *world.theWorld;
    w.fullScan = fullScan;
    gameScreen.frozen = 0;
    Surface* back = theDisplay.backBuffer.get();
    const Rect clearPixel{0, 0, 1, 1};

    std::vector<double> times;
    std::vector<long> allocations;
    times.reserve(kFrames);
    allocations.reserve(kFrames);
    int direction = 2;
    gameScreen.pressArrow(direction);
    for (int frame = 0; frame < kFrames; ++frame) {
        Digger& d = *world.theDigger;
        if (!d.moving && (d.x >= kWidth - 3 || d.x <= 2)) {
            direction = 2 - direction;
            gameScreen.pressArrow(direction);
        }
        app.frameClock += 26;
        const long before = gAllocations.load();
        const auto start = std::chrono::steady_clock::now();

        if (d.moving || w.scrolling)
            diggerGlide(w, d);
        for (int x = 0; x < w.width; ++x)
            for (int y = 0; y < w.height; ++y)
                w.cells[std::size_t(w.indexOf(x, y))].glideStep();
        blitStretch(back, nullptr, app.clearPicture, &clearPixel, false);
        FrameInput in;
        in.now = app.frameClock;
        in.view = drawRange(w);
        in.levelChoice = app.currentScreen == ScreenLevelChoice;
        in.magnifierOn = screenFlow.magnifierOn;
        stepViewCells(w, &d, in, back);
        updateHitBlink(d, false);
        diggerPictureStep(w, d, app.frameClock, false);
        drawDigger(w, d, back);
        diggerStep(w, d, true, heldArrows());
        w.events.clear();

        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        allocations.push_back(gAllocations.load() - before);
    }
    return summarise(times, allocations);
}

// Every measurement starts from the same program state, so the two ways of stepping do the same work.
Ticks gClockAtStart = 0;
void freshStart()
{
    app.frameClock = gClockAtStart;
    theRecords.startNewGameValues();
    theRandom.reset();
}

// The frame count and the world's final state, timings left out, so the line is the same on every run.
void printFinalState(const char* name, int frames, int explosions, long movingCells)
{
    const World& w = *world.theWorld;
    const Digger& d = *world.theDigger;
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a over every cell's kind, parameter and offsets
    auto mix = [&hash](std::int64_t v) {
        for (int i = 0; i < 8; ++i) {
            hash ^= std::uint64_t(v >> (8 * i)) & 0xff;
            hash *= 1099511628211ull;
        }
    };
    for (const Cell& c : w.cells) {
        mix(c.kind);
        mix(c.param);
        mix(c.offsetX);
        mix(c.offsetY);
        mix(c.moving);
    }
    std::printf("{\"measurement\":\"%s\",\"frames\":%d,\"digger\":{\"x\":%d,\"y\":%d,\"dead\":%d,"
                "\"health\":%d,\"goldCollected\":%d,\"enemiesKilled\":%d},\"score\":%d,\"goldRemaining\":%d,"
                "\"enemiesAlive\":%d,\"viewX\":%d,\"viewY\":%d,\"explosions\":%d,\"movingCells\":%ld,\"cells\":\"%016llx\"}\n",
                name, frames, d.x, d.y, int(d.dead), int(d.health), int(d.goldCollected), int(d.enemiesKilled),
                int(theRecords.hallOfFame.score), int(w.goldRemaining), int(w.enemiesAlive), int(w.viewX),
                int(w.viewY), explosions, movingCells, static_cast<unsigned long long>(hash));
}

std::string defaultGameFolder()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string path = n > 0 ? std::string(buffer, std::size_t(n)) : std::string("./x");
    return path.substr(0, path.rfind('/') + 1) + "../game";
}

} // namespace

int main(int argc, char** argv)
{
    std::string folder = defaultGameFolder();
    bool stateOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--state")
            stateOnly = true;
        else
            folder = argv[i];
    }
    const std::string opened = openGameHeadless(folder, 1);
    if (!opened.empty()) {
        std::fprintf(stderr, "world_bench: cannot load the game's pictures from %s: %s\n", folder.c_str(),
                     opened.c_str());
        return 1;
    }
    app.cellSize = 40;
    app.currentScreen = ScreenGame;
    app.frameInterval = 25;
    int explosions = 0;
    long movingCells = 0;
    gClockAtStart = app.frameClock;
    if (stateOnly) {
        // The recorded states: the second measurement goes on from where the first left the program.
        freshStart();
        walkBench(false);
        printFinalState("world frame", kFrames, 0, 0);
        fullFrameBench(false, explosions, movingCells);
        printFinalState("full game frame", kFrames, explosions, movingCells);
        world.reset();
        closeGameHeadless();
        return 0;
    }

    // Each measurement with the passes over the active cells, then with the full scans they replace.
    freshStart();
    const Figures walk = walkBench(false);
    const int walkEnd = world.theDigger->x;
    freshStart();
    const Figures walkFull = walkBench(true);
    std::printf("world frame, %d x %d cells, %d frames: median %.3f ms, worst %.3f ms, "
                "heap allocations per frame %.3f (total %ld); digger ended at column %d; "
                "full scan: median %.3f ms (active/full %.2f)\n",
                kWidth, kHeight, kFrames, walk.median, walk.worst, walk.allocationsPerFrame, walk.totalAllocations,
                walkEnd, walkFull.median, walk.median / walkFull.median);

    freshStart();
    const Figures full = fullFrameBench(false, explosions, movingCells);
    int explosionsFull = 0;
    long movingFull = 0;
    freshStart();
    const Figures fullScan = fullFrameBench(true, explosionsFull, movingFull);
    std::printf("full game frame, %d x %d cells, %d frames, %d chained explosions, %.1f cells moving per "
                "frame: median %.3f ms, worst %.3f ms, heap allocations per frame %.3f (total %ld); "
                "full scan: median %.3f ms, worst %.3f ms (active/full %.2f)\n",
                kWidth, kHeight, kFrames, explosions, double(movingCells) / kFrames, full.median, full.worst,
                full.allocationsPerFrame, full.totalAllocations, fullScan.median, fullScan.worst,
                full.median / fullScan.median);

    freshStart();
    const BigFigures big = bigLevelBench(false, 1200);
    freshStart();
    const BigFigures bigFull = bigLevelBench(true, 120);
    std::printf("full game frame, %d x %d cells, %.0f cells active (%.2f %%): median %.3f ms, worst %.3f ms, "
                "heap allocations per frame %.3f; full scan: median %.3f ms, worst %.3f ms (active/full %.3f)\n",
                kBigSide, kBigSide, big.activeCells, 100.0 * big.activeCells / double(big.cells), big.figures.median,
                big.figures.worst, big.figures.allocationsPerFrame, bigFull.figures.median, bigFull.figures.worst,
                big.figures.median / bigFull.figures.median);
    world.reset();
    closeGameHeadless();
    return 0;
}
