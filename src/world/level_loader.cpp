#include "world/level_loader.hpp"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

#include "common/random.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// Crawler looks by the level's position in its pack: the first for a draw of 0, the second for 1.
constexpr std::int32_t kCrawlerLooks[5][2] = {{1, 3}, {0, 1}, {0, 3}, {2, 3}, {1, 2}};

int firstFrameRange(const Cell& c)
{
    const KindTraits& t = kindTraits(c.kind);
    switch (t.firstFrame) {
    case FirstFrame::Random: return t.firstFrames;
    case FirstFrame::MineralFrames: return mineralFrames(c.param);
    case FirstFrame::PickupFrames: return pickupFrames(c.param);
    case FirstFrame::ClearingStone: return c.param == 0 ? t.firstFrames : -1; // only the clearing stone animates
    case FirstFrame::Zero: break;
    }
    return -1; // no random first frame
}

void makeEmptyWorld(World& w)
{
    w.width = w.height = 0;
    w.cells.clear();
    w.blocks.clear();
    w.blocksAcross = w.blocksDown = 0;
    w.loaded = false;
    auto d = std::make_unique<Digger>();
    d->x = d->y = -1;
    d->dead = 1;
    w.diggerDead = 1;
    world.theDigger = std::move(d);
}

} // namespace

void setUpLevel(World& w, const LevelFile& level, std::int32_t levelIndex, int cellSize, std::int32_t difficulty)
{
    w.cellSize = cellSize;
    w.rules.reset(w.seed);
    const std::uint64_t count = std::uint64_t(level.width) * std::uint64_t(level.height);
    if (level.width <= 0 || level.height <= 0 || level.kinds.size() != count || level.params.size() != count) {
        makeEmptyWorld(w);
        return;
    }
    w.width = level.width;
    w.height = level.height;
    w.levelIndex = levelIndex;
    w.difficulty = difficulty;
    w.blocksAcross = level.blocksAcross();
    w.blocksDown = level.blocksDown();
    w.cells.assign(count, Cell{});
    w.active.invalidate();
    w.blocks.assign(std::size_t(w.blocksAcross) * std::size_t(w.blocksDown), BackgroundBlock{});
    // The shell empties the list after every step and key, so it never grows beyond one frame's
    // reports: room for a busy frame once, not a reallocation in the first frames of every level.
    w.events.clear();
    w.events.reserve(kEventsReserved);

    // Reading the cells: kinds and parameters, the values the file does not hold, decorations.
    const std::int32_t position = w.look();
    for (std::size_t i = 0; i < count; ++i) {
        Cell& c = w.cells[i];
        c.kind = level.kinds[i];
        c.param = level.params[i];
        if (c.kind == KindMineral) {
            c.variant = random(w.rules, 2);
            if (c.param > 2)
                c.variant = 0;
        } else if (c.kind == KindStalker) {
            c.param = random(w.rules, 4);
        } else if (c.kind == KindCrawler) {
            c.param = kCrawlerLooks[position][random(w.rules, 2)];
        }
        if (c.kind == KindWall && c.param == 3 && ++world.wallDecorCounter > 14) {
            world.wallDecorCounter = 0;
            c.variant = world.wallDecorNext;
            world.wallDecorNext = world.wallDecorNext >= 7 ? 1 : world.wallDecorNext + 1;
        }
    }
    for (std::size_t b = 0; b < w.blocks.size() && b < level.blocks.size(); ++b)
        w.blocks[b].picture = level.blocks[b];

    const std::int32_t sx = std::clamp(level.startX, 0, w.width - 1);
    const std::int32_t sy = std::clamp(level.startY, 0, w.height - 1);
    w.goldGoalOn = level.goldGoalOn;
    w.goldGoal = level.goldGoal;
    w.killGoalOn = level.killGoalOn;
    w.killGoal = level.killGoal;
    w.reserved1 = level.reserved1;
    w.reserved2 = level.reserved2;
    w.reserved3 = level.reserved3;

    const ViewOrigin view = initialView(w.width, w.height, sx, sy, cellSize);
    w.viewX = view.x;
    w.viewY = view.y;
    world.backgroundOriginX = w.viewX / 5;
    world.backgroundOriginY = w.viewY / 5;

    // Set-up: block places, cell places, flags and first frames, the enemies at start.
    for (std::size_t b = 0; b < w.blocks.size(); ++b) {
        w.blocks[b].blockX = std::int32_t(b % std::size_t(w.blocksAcross));
        w.blocks[b].blockY = std::int32_t(b / std::size_t(w.blocksAcross));
    }
    w.enemiesAtStart = 0;
    for (std::size_t i = 0; i < count; ++i) {
        Cell& c = w.cells[i];
        c.x = std::int32_t(i % std::size_t(w.width));
        c.y = std::int32_t(i / std::size_t(w.width));
        const KindFlags f = levelKindFlags(c.kind);
        c.falls = f.falls;
        c.rolls = f.rolls;
        c.solid = f.solid;
        c.isEnemy = f.isEnemy;
        c.destructible = f.destructible;
        const int range = firstFrameRange(c);
        c.frame = range >= 0 ? random(w.rules, range) : 0;
        w.enemiesAtStart += c.isEnemy;
    }
    w.loaded = true;
    w.diggerDead = 0;
    // A TNT laid on the previous level must not go off in this one.
    w.live->placedTnt = 0;

    world.theDigger = std::make_unique<Digger>(createDigger(w, sx, sy));
    recount(w);
    world.wallDecorCounter = 0;
    world.wallDecorNext = 1;
}

bool loadLevel(World& w, const std::string& path, std::int32_t levelIndex, int cellSize, std::int32_t difficulty,
               std::optional<LevelFile>* read)
{
    std::string why;
    std::optional<LevelFile> level = readLevelFile(path, &why);
    if (!level) {
        std::fprintf(stderr, "burrowix: level %s is not loaded: %s\n", path.c_str(), why.c_str());
        w.cellSize = cellSize;
        makeEmptyWorld(w);
        world.wallDecorCounter = 0;
        world.wallDecorNext = 1;
        if (read)
            read->reset();
        return false;
    }
    setUpLevel(w, *level, levelIndex, cellSize, difficulty);
    if (read)
        *read = std::move(level);
    return w.loaded;
}

} // namespace burrowix
