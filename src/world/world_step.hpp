#pragma once
// One frame of the rules of a level: the passes in their fixed order, from the enemies' moves to the
// digger's step. The cells around the view also take their timed steps (eggs hatching, animation
// counters, explosions ending), and the frame's picture of the level is drawn between them when a
// target is given: the cells before their counters move on, the digger after its own.

#include "platform/system/clock.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"

namespace burrowix {

class Digger;
class Surface;
class World;

// What the shell tells the world for one frame.
struct FrameInput {
    Ticks now = 0;            ///< the frame's clock
    bool running = true;      ///< play runs: false while the shell holds the game (panels, pause)
    Arrows arrows;            ///< the arrow keys held
    DrawRange view;           ///< the cells whose timed steps run: the view and two cells around it
    bool levelChoice = false; ///< the level-choice screen shows the world: its enemies animate
    bool magnifierOn = false; ///< the level-choice magnifier shows cells: its items animate
};

// Runs one frame of the rules on `w` and `d`, drawing the level onto `picture` when it is not null
// (without a picture the rules run the same, so they need no pictures). What happened is appended
// to w.events; a win stops the rules for the rest of the frame.
void stepWorld(World& w, Digger& d, const FrameInput& in, Surface* picture);

// The part of the step around the picture of the cells: the watching eyes' lids, eggs and time
// bombs, the picture of the background and the cells (when `picture` is not null), then the cells'
// animation counters and explosions. `d`, which may be null, is the digger whose cell shows no blast.
void stepViewCells(World& w, const Digger* d, const FrameInput& in, Surface* picture);

// The digger stays idle this long without input before it takes the idle pose.
inline constexpr int kIdleAfter = 10000;
// Step of the throw animation.
inline constexpr int kThrowStep = 120;

} // namespace burrowix
