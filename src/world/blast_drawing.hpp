#pragma once
// Drawing a blast cell's frame from "exp.bmp" over the cell: its shape variant, the digger's death
// pose, and a ragged outline where the blast ends.

namespace burrowix {

class Cell;
class Surface;
class World;
struct Rect;

// Draws the blast frame of `cell` at (x, y), restricted to `source` (the cell's visible part).
// Sheets of 25 rows carry each blast again with ragged edges (rows 7-12 top and bottom, 13-18 left
// and right, 19-24 all sides); each quarter of the cell is taken from the row whose open sides are
// the quarter's sides that border no other blast cell, so the blast as a whole has a ragged edge
// and its inner seams stay closed.
void drawBlast(const World& w, const Cell& cell, int x, int y, const Rect& source, Surface* target);

} // namespace burrowix
