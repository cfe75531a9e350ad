#pragma once
// Turns SDL events into the game's window messages: window state into Activate, Move and Close,
// the mouse into positions on the 800 x 600 screen, keys into virtual-key numbers, typed text and
// the Enter, Backspace, Tab and Escape keys into Char messages. Alt+F4 asks the window to close.

#include <SDL.h>

#include <vector>

#include "platform/system/messages.hpp"

namespace burrowix {

// The virtual-key number of an SDL key, or 0 for keys the game has no number for.
std::uint32_t virtualKeyFor(SDL_Keycode key);

// Appends the messages `event` stands for (none for events the game ignores).
void translateEvent(const SDL_Event& event, std::vector<Message>& out);

} // namespace burrowix
