#pragma once
// Drawing the level: every cell from its kind's sprite sheet in its current frame, the explosion
// overlay, the background blocks and the digger, on the game screen (cell size 40) and in the
// level-choice preview (cell size 20). Drawing changes nothing; the animations move in the world's
// step (world_step.hpp).

#include "world/background_block.hpp"

namespace burrowix {

class Cell;
class Surface;
class World;
struct Rect;

class Digger;

// Draws one cell at its screen place, clipped to the play field, then its explosion overlay (not
// over the cell of `d`, the living digger, which may be null).
void drawCell(const World& w, const Cell& cell, const Digger* d, Surface* target);

// The cells drawn in a frame: the view plus two cells on each side, clamped to the grid
// (columns x0 .. x1 - 1, rows y0 .. y1 - 1).
struct DrawRange {
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
};
DrawRange drawRange(const World& w);

// The game screen's cells whose picture in this frame hides them whole (a key-free square at the
// cell's own place): the background under them is not drawn. None off the 40 px game screen or
// while the view scrolls.
CoveredCells coveredCells(const World& w, const Surface* target);

// The background blocks and the cells of the drawing range as they stand; changes nothing.
void drawLevelCells(const World& w, const Digger* d, Surface* target);

// The background blocks, the cells of the drawing range and the digger as they stand; changes
// nothing. At cell size 20 this is the level preview, placed at the preview origin.
void drawWorld(const World& w, const Digger* d, Surface* target);

// The level-choice magnifier: the 5 x 5 cells around the cell under the mouse, at cell size 40,
// with the background and the digger when it stands there; changes nothing (the cells' steps are
// stepMagnifierCells').
void drawMagnifier(const World& w, const Digger* d, Surface* target, int mouseX, int mouseY);

} // namespace burrowix
