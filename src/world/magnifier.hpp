#pragma once
// The level-choice magnifier's cells: the 5 x 5 cells around the cell under the mouse at cell size
// 40, each with its place and the part of it that shows. The drawing and the cells' steps both walk
// this list, so they agree on which cells the magnifier holds.

#include <vector>

#include "platform/display/display_result.hpp"

namespace burrowix {

class World;
struct CellMotion;

struct MagnifierCell {
    int index = 0;  ///< the cell's index in the world's grid
    int x = 0;      ///< screen place of the cell's visible part, before its own glide offset
    int y = 0;
    Rect source{};  ///< the visible part, in cell coordinates
};

// The magnifier's cells with a visible part, column by column, for the mouse at (mouseX, mouseY).
std::vector<MagnifierCell> magnifierCells(const World& w, int mouseX, int mouseY);

// The steps of the magnifier's cells around their picture, as the game frame's for its view.
void prepareMagnifierCells(World& w, int mouseX, int mouseY, const CellMotion& m);
void animateMagnifierCells(World& w, int mouseX, int mouseY, const CellMotion& m);

} // namespace burrowix
