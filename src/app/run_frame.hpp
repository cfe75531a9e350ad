#pragma once
// One paced frame: nothing happens unless more than app.frameInterval milliseconds have passed since
// the last presented frame; otherwise the back buffer is cleared from the top-left pixel of
// "all.bmp", the current screen draws, and the frame is presented.

#include "platform/system/clock.hpp"

namespace burrowix {

void RunFrame();

// The longest the frame loop waits on a still screen with nothing due.
constexpr int kStillScreenWait = 500;

// How long from `now` the loop may wait for input before a frame could have anything to do: 0 when
// the screen has to be composed anyway; on a still screen, the time until the animated pointer's
// next picture or the logo's end, at most kStillScreenWait.
int msUntilFrameWork(Ticks now);

// Composes the current screen's background alone and presents it at once, outside the frame pace:
// the first picture reaches the screen while start-up loads the rest. The frames that follow
// compose the whole screen as usual.
void presentBackgroundNow();

// Makes a display restore start the countdown after which the frame rebuilds the level-choice
// snapshot and the widgets.
void startSnapshotCountdownOnRestore();

} // namespace burrowix
