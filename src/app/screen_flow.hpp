#pragma once
// Switching screens: the one operation that changes the current screen after start-up, with the
// pictures each screen loads on entry and releases on leaving, and the screens' full-screen
// pictures drawn each frame.

#include "platform/system/messages.hpp"

namespace burrowix {

// Leaves the current screen for `target` (a Screen value). Does nothing before the first frame.
void SetScreen(int target);

// Lives, score and ammunition of a new game; the world is not ready.
void resetGame();

// Draws the current screen's full-screen picture into the back buffer.
void drawScreenPicture();

// The logo screen gives way to the main menu on any key or a left click.
bool logoScreenInput(const Message& message);

} // namespace burrowix
