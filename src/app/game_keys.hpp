#pragma once
// The keyboard on the game screen: arrows set the held-arrow flags (the last pressed wins), Space
// and F1-F5 fire weapons, Tab picks the next weapon, F9 gives up, Insert and Esc go to the HUD and
// the exit panel. Key-up messages release arrows and the TNT latch on every screen.

#include "platform/system/messages.hpp"

namespace burrowix {

// A key-down message on the game screen.
void gameScreenKeyDown(const Message& message);
// A key-up message (any screen).
void gameKeyUp(const Message& message);

// What a key-down and a key-up of a game action (GameAction) do once the key is known; keys that
// do nothing on the game screen are -1. The attempt's recording notes them.
void gameActionDown(int action);
void gameActionUp(int action);
// A game action of a replay: the panels take it first, as they take keys.
void replayActionDown(int action);

// The kind `placeWeapon` lays for a weapon of the HUD (0 shot, 1 grenade, 2 mine, 3 TNT, 4 bottle).
int weaponKind(int weapon);

} // namespace burrowix
