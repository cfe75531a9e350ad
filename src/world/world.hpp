#pragma once
// The world of one level: the grid of cells, the background blocks, the view onto the grid and the
// level's goals, with the program-wide current world and the background's scroll state.

#include <cstdint>
#include <memory>
#include <vector>

#include "common/random.hpp"
#include "platform/system/clock.hpp"
#include "records/hall_of_fame.hpp"
#include "world/active_cells.hpp"
#include "world/background_block.hpp"
#include "world/cell.hpp"
#include "world/world_events.hpp"

namespace burrowix {

class Digger;

class World {
public:
    std::int32_t width = 0, height = 0;                ///< the grid's size in cells
    std::int32_t viewWidth = 20, viewHeight = 15;      ///< the view's size in cells
    std::int32_t viewX = 0, viewY = 0;                 ///< the grid cell at the view's top-left corner
    std::int32_t scrollOffsetX = 0, scrollOffsetY = 0; ///< pixels the view still has to scroll
    bool scrolling = false;                            ///< the view scrolls after the digger
    Direction scrollDirection = DirLeft;               ///< the way the view scrolls
    std::int32_t enemiesAlive = 0;                     ///< enemies on the grid now
    std::int32_t enemiesAtStart = 0;                   ///< enemies on the grid when the level was set up
    std::int32_t goldRemaining = 0;                    ///< nuggets still on the grid
    std::int32_t levelIndex = 0;                       ///< the level's place in its pack, from 0
    std::int32_t difficulty = 0; ///< the number of the level pack being played (0 to 2): weapons, hits and scores depend on it
    std::int32_t cellSize = 40;  ///< pixels per cell, set with the level: 40 in play, 20 in the level preview
    bool diggerDead = false;     ///< the digger died in this level: the shell shows the died panel
    bool levelFinished = false;  ///< the shell started the level-complete panel: the level ends
    std::int32_t goldGoalOn = 0, goldGoal = 0; ///< from the level file: whether nuggets win the level, and how many
    std::int32_t killGoalOn = 0, killGoal = 0; ///< from the level file: whether kills win the level, and how many
    std::int32_t reserved1 = 0, reserved2 = 0, reserved3 = 0; ///< copied from the level file; no rule reads them
    std::int32_t blocksAcross = 0, blocksDown = 0;             ///< the background blocks' grid, one block per 5 x 5 cells
    std::vector<Cell> cells;                                   ///< the grid, row by row
    std::vector<BackgroundBlock> blocks;                       ///< the background blocks, row by row
    bool loaded = false; ///< false when the level file could not be loaded: the world is empty and cannot be played
    bool won = false;          ///< the goals were met: the rules stop for the rest of the level
    bool tntLatch = false;     ///< the TNT key is held since it last fired: holding it fires no more
    bool effectsHeard = false; ///< set by the shell: sounds are heard, so a sound of three draws its pick
    std::vector<WorldEvent> events; ///< what happened since the shell last took the list
    std::uint32_t seed = RandomGenerator::kDefaultSeed; ///< the seed the level was set up with
    RandomGenerator rules; ///< every random choice of the rules draws from it, seeded at set-up
    HallOfFame ownRecord;           ///< the player's record of a world that was given none
    HallOfFame* live = &ownRecord;  ///< the player's running score, lives, ammunition and TNT (set by the shell)
    ActiveCells active;    ///< the cells each pass visits (activeCells() brings it up to date)
    bool fullScan = false; ///< every pass visits every cell: the reference the active sets are checked against

    World() = default;
    virtual ~World() = default;
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    int cellCount() const { return static_cast<int>(cells.size()); }
    bool validIndex(std::int64_t i) const { return i >= 0 && i < static_cast<std::int64_t>(cells.size()); }
    bool inside(int cx, int cy) const { return cx >= 0 && cy >= 0 && cx < width && cy < height; }
    int indexOf(int cx, int cy) const { return cy * width + cx; }
    // The level's look (its place in the pack modulo 5): earth, stones, background, Crawlers.
    int look() const { return ((levelIndex % 5) + 5) % 5; }
    // The world is set up as the level-choice preview (small cells) rather than for play.
    bool preview() const { return cellSize == 20; }
    Cell* cellAt(int cx, int cy) { return inside(cx, cy) ? &cells[indexOf(cx, cy)] : nullptr; }
};

// The world's module state besides the world record.
struct WorldGlobals {
    std::unique_ptr<World> theWorld;
    std::unique_ptr<Digger> theDigger;
    std::int32_t backgroundOriginX = 0, backgroundOriginY = 0;
    std::int32_t backgroundScrollX = 0, backgroundScrollY = 0;
    std::int32_t wallDecorCounter = 0;
    std::int32_t wallDecorNext = 1;
    Ticks throwTime = 0; ///< when the digger's throw animation last advanced (a free-running 120 ms beat)

    void reset();
};

extern WorldGlobals world;

// The look of the current world's level (0 without a world).
int currentLevelLook();

// The active sets of `w`, rebuilt (every cell active) when they describe another grid.
ActiveCells& activeCells(World& w);
// The content of cell i changed: the passes look at it and its neighbours again.
inline void touchCell(World& w, int i) { w.active.touch(i); }

// Counts the enemies alive and the gold nuggets left.
void recount(World& w);

// View origin for a start cell at the given cell size (40 for the game, 20 for the preview).
struct ViewOrigin {
    std::int32_t x = 0, y = 0;
};
ViewOrigin initialView(std::int32_t width, std::int32_t height, std::int32_t sx, std::int32_t sy,
                       int cellSize);

} // namespace burrowix
