#pragma once
// Every attempt at a level on the game screen is recorded as the game's actions frame by frame; a
// win that beats the level's stored best replay replaces it (see replay_store.hpp).
//
// Only the frames in which play runs are counted: the panels that hold the game (the level start,
// the exit panel) show up as the time between two counted frames, so a replay plays from the
// level's set-up with the same clock steps the rules saw. A key pressed between frames acts, while
// recording, at the clock of the last counted frame, as it does when the replay is played.

#include <cstdint>

#include "platform/system/clock.hpp"
#include "world/replay_file.hpp"

namespace burrowix {

class World;
class HallOfFame;

struct AttemptRecording {
    bool active = false;
    Replay replay;             ///< the header so far; the changes are copied in at the end
    ReplayRecorder recorder{10};
    Ticks lastFrameClock = 0;  ///< the set-up's clock, then the last counted frame's

    void reset() { *this = AttemptRecording(); }
};

extern AttemptRecording attemptRecording;

// Starts recording an attempt at `w`, just set up from `level` (pack, level index, difficulty and
// speed from the catalogue and the options), with `live` as the running record it starts from.
// The selected weapon and the held arrow are written as the first frame's actions. `pack`, when
// given, is the pack number the replay carries instead of the catalogue's (an own level's).
void beginAttemptRecording(const World& w, std::uint64_t levelHash, const HallOfFame& live, int pack = -1);

// A game action's key went down or up (only what can change play is kept).
void recordActionDown(int action);
void recordActionUp(int action);

// After the world's step of a game-screen frame: counts the frame when play ran, and ends the
// attempt when the level was won (saving the replay when it is the level's best) or lost.
void recordFrame(const World& w, int diggerCell, bool playRan, Ticks now);

// Stops recording without saving (a level left, a replay started).
void abandonAttemptRecording();

// The clock a game action acts at: the last counted frame's while an attempt runs.
Ticks actionClock(Ticks now);

} // namespace burrowix
