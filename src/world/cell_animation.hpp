#pragma once
// The timed steps of the cells of the view: eggs hatching, time bombs counting down, the animation
// counters of every kind and the end of an explosion. They run for the cells of the drawing range
// (and of the magnifier) only, around the frame's picture: the first part before it, the rest after.

#include "platform/system/clock.hpp"

namespace burrowix {

class Cell;

// What moves in this frame: the clock, and which groups of kinds animate.
struct CellMotion {
    Ticks now = 0;               ///< the frame's clock
    bool running = false;        ///< the game runs (not frozen): eggs, missiles, shots, TNT, blasts move
    bool enemiesAnimate = false; ///< Crawlers, Walkers and Stalkers move their frames
    bool itemsAnimate = false;   ///< gold, bombs, mines, hearts, minerals and pick-ups move their frames
};

// The steps before the picture: a woken egg hatches, a time bomb's frame follows its age.
void prepareCellPicture(Cell& c, const CellMotion& m);
// The steps after the picture: the kind's animation counters move on (not for an egg that hatched in
// this frame, which also shows nothing in it).
void animateCell(Cell& c, const CellMotion& m);
// An explosion shown in a cell moves on every 40 ms while the game runs; after its last frame the
// cell is emptied. `diggerDead`: the world's flag, which shows every exploding cell.
void blastStep(Cell& c, const CellMotion& m, bool diggerDead);

} // namespace burrowix
