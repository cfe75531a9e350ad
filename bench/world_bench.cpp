// The world's frame on a large busy level: a 100 x 60 grid full of animated nuggets, minerals,
// bombs, mines, TNT, hearts, pickups and enemies, with the digger walking to and fro through a
// tunnel so that the view and the background scroll. Each frame runs the digger's and the view's
// glide, every cell's glide step, the drawing of the background, the cells and the digger, and the
// digger's step. Reports the median and worst milliseconds per frame and the heap allocations per
// frame (the target is none). The pictures come from the game folder when it has been generated
// (argument 1, default ../game beside this program).

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/app_state.hpp"
#include "app/game_screen_state.hpp"
#include "app/headless_game.hpp"
#include "app/picture_tables.hpp"
#include "common/random.hpp"
#include "menus/records.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/level_file.hpp"
#include "world/level_loader.hpp"
#include "world/world.hpp"

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
    const std::string folder = argc > 1 ? argv[1] : defaultGameFolder();
    const std::string opened = openGameHeadless(folder, 1);
    if (!opened.empty()) {
        std::fprintf(stderr, "world_bench: cannot load the game's pictures from %s: %s\n", folder.c_str(),
                     opened.c_str());
        return 1;
    }
    app.cellSize = 40;
    app.currentScreen = ScreenGame;
    app.frameInterval = 25;
    theRecords.startNewGameValues();
    theRandom.reset();
    world.theWorld = std::make_unique<World>();
    setUpLevel(*world.theWorld, busyLevel(), 0, 40);
    World& w = *world.theWorld;
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
        drawLevelCells(w, back);
        updateHitBlink(d, false);
        drawDigger(w, d, back);
        diggerStep(w, d, true);

        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        allocations.push_back(gAllocations.load() - before);
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    long totalAllocations = 0;
    for (long a : allocations)
        totalAllocations += a;
    std::printf("world frame, %d x %d cells, %d frames: median %.3f ms, worst %.3f ms, "
                "heap allocations per frame %.3f (total %ld); digger ended at column %d\n",
                kWidth, kHeight, kFrames, sorted[sorted.size() / 2], sorted.back(),
                double(totalAllocations) / kFrames, totalAllocations, world.theDigger->x);
    world.reset();
    closeGameHeadless();
    return 0;
}
