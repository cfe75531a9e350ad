#pragma once
// Switching screens: the one operation that changes the current screen after start-up, with the
// pictures, widgets, music and state of the screen left and the screen entered, taken from the
// screen table; and the new-game values every entry to the main menu or level choice sets.

#include <cstdint>

namespace burrowix {

// Leaves the current screen for `target` (a Screen value). Does nothing before the first frame.
void SetScreen(int target);

// Lives, score and ammunition of a new game; the world is not ready.
void resetGame();

// Loads interface picture `index` from the packs into its slot with colour key `key`.
void loadInterfacePicture(int index, std::uint32_t key);

// Plays the menu click when effects are on and the click is loaded.
void playMenuClick();

// The track SetScreen plays on `target` when coming from `from`; null when the music stays.
const char* musicTrackForChange(int from, int target, std::int32_t difficulty);

} // namespace burrowix
