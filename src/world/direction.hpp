#pragma once
// The four ways a thing moves, faces or aims on the grid, and the one table of their steps and
// rotations that the digger, the enemies, the weapons and the glides read. The codes are the ones
// the level files, the picture sheets (row per direction) and the simulator's output use.

#include <cstdint>

namespace burrowix {

enum Direction : std::int32_t {
    DirNone = -1, ///< no way at all: an enemy that stays, a fire that has not failed yet
    DirLeft = 0,
    DirUp = 1,
    DirRight = 2,
    DirDown = 3,
};

// One row per direction: its step on the grid and the ways reached by turning.
struct DirectionRow {
    std::int32_t dx, dy;  ///< the step of one cell
    Direction opposite;   ///< turned half round
    Direction clockwise;  ///< turned a quarter to the right
    Direction anticlockwise; ///< turned a quarter to the left
};

inline constexpr DirectionRow kDirectionRows[4] = {
    {-1, 0, DirRight, DirUp, DirDown},   // left
    {0, -1, DirDown, DirRight, DirLeft}, // up
    {1, 0, DirLeft, DirDown, DirUp},     // right
    {0, 1, DirUp, DirLeft, DirRight},    // down
};

// The four directions in code order, for loops over every neighbour.
inline constexpr Direction kAllDirections[4] = {DirLeft, DirUp, DirRight, DirDown};

constexpr bool isDirection(std::int32_t d) { return d >= DirLeft && d <= DirDown; }
// The direction with code d, or DirNone for any other value.
constexpr Direction toDirection(std::int32_t d) { return isDirection(d) ? Direction(d) : DirNone; }
// Left and right move along a row; up, down and DirNone do not.
constexpr bool isHorizontal(Direction d) { return d == DirLeft || d == DirRight; }
constexpr bool isVertical(Direction d) { return d == DirUp || d == DirDown; }
// Left and up move towards lower coordinates.
constexpr bool towardsOrigin(Direction d) { return d == DirLeft || d == DirUp; }
constexpr std::int32_t stepX(Direction d) { return isDirection(d) ? kDirectionRows[d].dx : 0; }
constexpr std::int32_t stepY(Direction d) { return isDirection(d) ? kDirectionRows[d].dy : 0; }
constexpr Direction opposite(Direction d) { return isDirection(d) ? kDirectionRows[d].opposite : DirNone; }
constexpr Direction clockwise(Direction d) { return isDirection(d) ? kDirectionRows[d].clockwise : DirNone; }
constexpr Direction anticlockwise(Direction d)
{
    return isDirection(d) ? kDirectionRows[d].anticlockwise : DirNone;
}

static_assert(opposite(DirLeft) == DirRight && opposite(DirUp) == DirDown);
static_assert(clockwise(clockwise(DirLeft)) == opposite(DirLeft));
static_assert(anticlockwise(clockwise(DirDown)) == DirDown);

} // namespace burrowix
