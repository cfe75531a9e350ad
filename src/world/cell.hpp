#pragma once
// One grid cell: what it holds (kind and parameter), its flags, its glide towards its own place,
// its animation counters and its explosion state. Content moves between cells only by copyCell
// followed by clearing the source, and then glides in one cell over a few frames.

#include <cstdint>

#include "platform/display/display_result.hpp"
#include "platform/system/clock.hpp"
#include "world/direction.hpp"

namespace burrowix {

class Surface;

class Cell {
public:
    std::int32_t x = 0, y = 0;
    std::int32_t viewCol = 0, viewRow = 0;
    std::int32_t kind = 0;
    std::int32_t param = 0;
    std::int32_t arrived = 0;
    std::int32_t moving = 0;
    Direction direction = DirLeft;
    Direction lastDirection = DirLeft;
    Direction facing = DirLeft;
    std::int32_t falls = 0;
    std::int32_t rolls = 0;
    std::int32_t solid = 0;
    std::int32_t isEnemy = 0;
    std::int32_t exploding = 0;
    std::int32_t destructible = 1;
    std::int32_t offsetX = 0, offsetY = 0;
    std::int32_t frameB = 0;
    std::int32_t frame = 0;
    std::int32_t variant = 0;
    Ticks frameTimeB = 0, frameTime = 0;
    Ticks glintTime = 0;
    Ticks blastTime = 0;
    Ticks armedTime = 0;
    std::int32_t blastFrame = 0;
    std::int32_t blastShown = 0;
    std::int32_t blastRow = 0;
    std::int32_t rollToggle = 0;
    std::int32_t animHalf = 0;
    std::int32_t eggState = 0;
    std::int32_t shotPose = 0;
    bool hatchedThisFrame = false; ///< an egg that became a Crawler in this frame's step: shows nothing until the next

    Cell() = default;
    virtual ~Cell() = default;
    Cell(const Cell&) = default;
    Cell& operator=(const Cell&) = default;

    // Turns the cell into an object the game lays (bomb, mine, missile, shot, TNT, grenade, time
    // bomb); other kinds are ignored.
    virtual void makeKind(std::int32_t newKind, Direction newDirection);
    // Forgets the content's motion and flags; mode 0 also empties the cell, mode 1 keeps the kind
    // (an explosion marking cells). Nothing happens to a cell whose x and y are both negative.
    virtual void clear(int mode);
    // Called on the destination right after content was copied in from the opposite neighbour;
    // the glide starts one cell of `cellSize` pixels away.
    virtual void startGlide(Direction newDirection, int cellSize);
    // One frame of a glide.
    virtual void glideStep();
    // Draws the content at (px, py) from the visible part `source` (cell coordinates) at `cellSize`
    // (40: game screen and magnifier, 20: level preview) in its current frame.
    virtual void draw(int px, int py, std::int32_t drawKind, const Rect& source, Surface* target,
                      int cellSize) const;
};

// Copies every field of `source` into `destination`.
void copyCell(Cell& destination, const Cell& source);

// Speed of a glide in pixels per frame.
int glideSpeed(std::int32_t kind);

} // namespace burrowix
