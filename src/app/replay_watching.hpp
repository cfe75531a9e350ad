#pragma once
// Watching a replay on the game screen: the level is set up from the replay's seed and running
// record, play starts at once (no level-start panel) and each game-screen frame runs 1, 2 or 4 of
// the replay's frames on the replay's own clock, feeding its recorded actions to the game's action
// handlers; a "Replay" mark and the speed show in the corner. Esc ends it, Space changes the
// speed; it ends by itself after its last frame. The player's running record is put back after it.

#include <cstdint>

#include "world/replay_file.hpp"

namespace burrowix {

class Surface;

bool replayIsPlaying();

// Where a replay being watched goes when it ends, and the hint its mark shows: by default back to
// the level choice, with the keys that change its speed and end it.
struct ReplayEnding {
    void (*then)() = nullptr;
    const char* hint = nullptr;
};

// Starts watching `replay` on the game screen; false when its level does not load.
bool startReplayPlayback(const Replay& replay, const ReplayEnding& ending = {});

// A key on the game screen while a replay plays.
void replayKeyDown(std::uint32_t key);

// Runs a game-screen frame of the replay being watched: its frames, the HUD and the mark.
void runReplayFrame(Surface* backBuffer);

// Ends the replay and goes back to the level choice, or where its ending says.
void stopReplayPlayback();

// Forgets a replay being watched without going anywhere (a reset of the program's state).
void resetReplayPlayback();

// The replay frames a game-screen frame runs: 1, 2 or 4.
int replaySpeed();

} // namespace burrowix
