#pragma once
// The game screen's entry in the screen table: the "this is you" pointer loaded on entry, the
// game's cell size and origin, the level started, and the game's keys.

namespace burrowix {

void registerGameScreen();

} // namespace burrowix
