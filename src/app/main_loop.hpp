#pragma once
// The message loop: messages are handled as they come; while the window is active a frame is run
// whenever none is waiting, and the loop then sleeps until the next message or the moment the next
// frame is due, which gives frames at the same ticks as a loop that never sleeps. While the window
// is minimised the loop only waits for messages.

#include "platform/system/clock.hpp"

namespace burrowix {

// Milliseconds from `now` until a frame paced by `interval` after `lastFrame` is due; 0 when due.
int msUntilNextFrame(Ticks now, Ticks lastFrame, int interval);

// Runs until the quit message and returns its exit code. Uses app.events and app.clock.
int runMessageLoop();

} // namespace burrowix
