#pragma once
// The attract mode: after a while on the main menu without input, the game plays one of the shipped
// solutions (the replays beside the packs, "replays/packP/N.rpl") on the game screen, the next one
// each time, until a key, click or button or its end; then the main menu is back, the player's
// records and level choice as they were. With no replay found the main menu just stays.

#include <cstdint>

#include "platform/system/clock.hpp"
#include "platform/system/messages.hpp"

namespace burrowix {

// Input-free time on the main menu before a replay starts.
inline constexpr std::int32_t kAttractIdleTime = 30000;

// Takes note of an input message; true when it ended an attract replay and is used up by that.
bool attractInput(const Message& message);

// Milliseconds from `clock` (the game's time) until the attract replay is due, at most `limit`;
// `limit` when none is due on this screen.
int msUntilAttract(Ticks clock, int limit);

// Starts the attract replay when it is due at `clock`.
void runAttractMode(Ticks clock);

bool attractIsPlaying();

// Forgets the replays found, the idle time and the turn (a reset of the program's state).
void resetAttractMode();

} // namespace burrowix
