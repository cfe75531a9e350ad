#pragma once
// Eggs wake when the digger comes exactly two cells near: on the border of the 5 x 5 square around
// the digger's new cell.

namespace burrowix {

class World;

// Every sleeping Egg (eggState 0) on the border of the 5 x 5 square centred on cell c wakes
// (eggState 1). Cells outside the grid are skipped.
void wakeEggs(World& w, int c);

} // namespace burrowix
