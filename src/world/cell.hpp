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
    std::int32_t x = 0, y = 0;             ///< the grid place the content belongs to (it moves on when a glide starts)
    std::int32_t kind = 0;                 ///< what the cell holds: a CellKind code
    std::int32_t param = 0;                ///< the kind's parameter from the level file (look, shape, value)
    bool arrived = false;                  ///< the content ended a glide this frame and has not been looked at since
    bool moving = false;                   ///< the content glides towards its place
    Direction direction = DirLeft;         ///< the way it glides, flies or heads (enemies)
    Direction lastDirection = DirLeft;     ///< the way its last finished glide went
    Direction facing = DirLeft;            ///< an enemy's last sideways step: left or right
    bool falls = false;                    ///< drops when the cell below is empty
    bool rolls = false;                    ///< slides off rounded things below it
    bool solid = false;                    ///< nothing walks, falls or flies into it
    bool isEnemy = false;                  ///< counts as an enemy (kills, goals, landing on it)
    bool exploding = false;                ///< the cell shows a blast that has not ended yet
    bool destructible = true;              ///< a blast clears it
    std::int32_t offsetX = 0, offsetY = 0; ///< pixels still to glide, at the world's cell size
    std::int32_t frameB = 0;               ///< the enemies' walk frame (a second counter beside `frame`)
    std::int32_t frame = 0;                ///< the content's picture frame
    std::int32_t variant = 0;              ///< the row or extra column of a picture that has several (walls, minerals)
    Ticks frameTimeB = 0, frameTime = 0;   ///< when `frameB` and `frame` last moved on
    Ticks glintTime = 0;                   ///< when a pick-up last glinted
    Ticks blastTime = 0;                   ///< when the blast's picture last moved on
    Ticks armedTime = 0;                   ///< when a time bomb was laid
    std::int32_t blastFrame = 0;           ///< the blast's picture frame
    bool blastShown = false;               ///< the blast has been drawn at least once
    std::int32_t blastRow = 0;             ///< the blast sheet's row: its kind, or the death blast
    bool rollToggle = false;               ///< a rolling stone or grenade turns its picture every second frame
    bool animHalf = false;                 ///< a Crawler plays the second half of its 16-frame cycle
    std::int32_t eggState = 0;             ///< an Egg's life: asleep, shaking, opening, hatched (egg_hatching.hpp)
    std::int32_t shotPose = 0;             ///< a shot's trail picture, 0 or 1, flipping as it flies
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
