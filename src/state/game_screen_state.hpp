#pragma once
// The game screen's program-wide state: the pause flag, the selected weapon, the held arrow keys
// and the "this is you" pointer. One instance, `gameScreen`;
// start-up and tests reset it. The frame and the key handling that drive it live with the game
// screen; the world is told the held arrows and never names this state.

#include "platform/system/clock.hpp"

namespace burrowix {

struct GameScreenState {
    int frozen = 0;
    int currentWeapon = 0;
    int heldLeft = 0;
    int heldUp = 0;
    int heldRight = 0;
    int heldDown = 0;
    int wantedDirection = 0;
    int showPointer = 0;
    int pointerFrame = 0;
    Ticks pointerTime = 0;

    bool anyArrowHeld() const { return heldLeft || heldUp || heldRight || heldDown; }
    // Pressing an arrow sets its flag and clears the other three.
    void pressArrow(int direction)
    {
        heldLeft = direction == 0;
        heldUp = direction == 1;
        heldRight = direction == 2;
        heldDown = direction == 3;
        wantedDirection = direction;
    }
    void releaseArrow(int direction)
    {
        if (direction == 0)
            heldLeft = 0;
        else if (direction == 1)
            heldUp = 0;
        else if (direction == 2)
            heldRight = 0;
        else if (direction == 3)
            heldDown = 0;
    }

    void reset() { *this = GameScreenState{}; }
};

extern GameScreenState gameScreen;

} // namespace burrowix
