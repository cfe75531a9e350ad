#pragma once
// Drawing a blast cell's frame from "exp.bmp" over the cell: its shape variant, the digger's death
// pose, and the cell's piece of one cloud that covers the whole blast.

namespace burrowix {

class Cell;
class Surface;
class World;
struct Rect;

// Sheets of at least 39 rows hold the blast as one cloud cut into cells by their place in it: along
// each axis a cell is the first, a middle or the last of a run of blast cells, or a run on its own.
// Row 7 + 2 * (4 * across + down) + super holds that place's piece (across and down 0 first, 1
// middle, 2 last, 3 alone; super 1 for the digger's own blasts).
inline constexpr int kBlastPlaceFirstRow = 7;
inline constexpr int kBlastPlaceSheetRows = kBlastPlaceFirstRow + 32;

// A cell's place along one axis from whether the cells before and after it blast too.
int blastPlace(bool before, bool after);

// Draws the blast frame of `cell` at (x, y), restricted to `source` (the cell's visible part).
void drawBlast(const World& w, const Cell& cell, int x, int y, const Rect& source, Surface* target);

} // namespace burrowix
