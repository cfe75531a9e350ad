#pragma once
// The last frame composed on a still screen as it was before the pointer was drawn on it: a frame in
// which only the animated pointer changes copies the pointer's square back from it and draws the
// pointer's next picture there, instead of composing the whole screen again.

#include "platform/display/surface.hpp"

#include <memory>

namespace burrowix {

struct StillFrameState {
    std::unique_ptr<Surface> underPointer;
    // `underPointer` holds the screen of the frame composed last (set by a whole frame of a still
    // screen, cleared by any other whole frame).
    bool valid = false;
    // Where the pointer was drawn in the frame shown last.
    Rect pointerRect;

    void reset()
    {
        underPointer.reset();
        valid = false;
        pointerRect = {};
    }
};

extern StillFrameState stillFrame;

} // namespace burrowix
