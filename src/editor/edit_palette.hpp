#pragma once
// The editor's palette: every (kind, parameter) a level may hold, each with its map symbol and a
// short label, in the order of the cell kind table.

#include <string>
#include <vector>

#include "editor/edit_level.hpp"

namespace burrowix {

// One choice of the editor's palette: what it paints and how it is named and written.
struct PaletteItem {
    Brush brush;
    char symbol;       ///< the level source's map symbol
    std::string label; ///< "stone", "wall, rolls left", "shots pickup", ...
};

const std::vector<PaletteItem>& editPalette();

// The label of what a cell holds (a palette label, or the kind's name and parameter).
std::string brushLabel(Brush brush);

} // namespace burrowix
