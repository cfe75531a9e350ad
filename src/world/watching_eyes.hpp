#pragma once
// The watching eyes of background picture 4: two eye whites whose pupils follow the digger and
// whose lids rest open, blink every two to three seconds and now and then close slowly. The lid
// state is shared by every pair of eyes.

#include <cstdint>

#include "platform/system/clock.hpp"
#include "world/background_block.hpp"

namespace burrowix {

class Surface;

struct EyeLids {
    int lid = 0;        // 0 closed .. 3 open
    int direction = 0;  // 0 opening, 1 closing
    int slowRunning = 0;
    Ticks slowTime = 0;
    std::int32_t slowInterval = 7000;
    Ticks stepTime = 0; // last lid step of either movement
    int blinkPhase = 0; // 0 none, 1 closing, 2 opening
    Ticks blinkTime = 0;
    std::int32_t blinkInterval = 2000;

    // Moves the lids on by the clock.
    void step(Ticks now);
    void reset() { *this = EyeLids{}; }
};

extern EyeLids theEyeLids;

// Pupil shift for the digger's offset from the eyes' centre.
int pupilShiftX(int dx);
int pupilShiftY(int dy);

// Draws the eyes over a block whose top-left corner is at (bx, by) on the screen, the whites not
// over the cells `covered` marks (null: everywhere); the lids are moved by the world's step, once
// for every pair of eyes shown.
void drawWatchingEyes(Surface* target, int bx, int by, const CoveredCells* covered);

} // namespace burrowix
