#pragma once
// Menu buttons by keyboard and gamepad: each screen lists its buttons in order, and the arrows (or
// Tab alone, where the arrows have a meaning of their own) move a focus shown as the button's hover
// look; Enter or Space does what a click does. A gauge row changes its value with Left and Right.
// The gamepad's d-pad, A and Start arrive as these keys.

#include <cstdint>
#include <span>

namespace burrowix {

struct FocusItem {
    // The widget that shows the focus.
    const char* look;
    // The widget Enter and Space activate; null for the look itself.
    const char* action = nullptr;
    // A gauge row: Left activates `less`, Right `more`.
    const char* less = nullptr;
    const char* more = nullptr;
};

enum class FocusArrows { Move, TabOnly };

// Handles a key for a screen's list; true when the focus took it. Enter and Space are taken only
// while a button of the list has the focus, so the screen's own keys work without one.
bool focusKeyDown(std::span<const FocusItem> items, std::uint32_t key, FocusArrows arrows = FocusArrows::Move);

// The index in `items` of the focused button; -1 when none of them has the focus.
int focusedItem(std::span<const FocusItem> items);

} // namespace burrowix
