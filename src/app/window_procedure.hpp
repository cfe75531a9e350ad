#pragma once
// The window procedure: the shell's own duties for each message (activity, mouse position, close
// and destroy), then the screens' handling of input.

#include "platform/system/messages.hpp"

namespace burrowix {

void WindowProc(const Message& message);

// The close work, then the window is destroyed (which runs onDestroy).
void onClose();
// Releases the display, deletes the leftover "back1.wav", and posts the quit message.
void onDestroy();

} // namespace burrowix
