#pragma once
// Test play: a level being edited, played on the game screen as the game plays it (the level-start
// panel, the HUD, the panels, the pause, the sounds and music, the level's own theme) at a chosen
// difficulty, from a new game's record. It comes back to the screen that started it when the game
// would leave the level: the level won (once its panel has risen), a death (once the died panel
// has risen), or Esc and Yes on the leave panel; the program's close ends it too.
//
// Nothing of it reaches the player's records: the running record (score, lives, ammunition, the
// weapon), the difficulty and level chosen, the theme, the screen flow and the level progress are
// put back as they were, no hall-of-fame entry is made and no shipped pack's level opens or replay
// changes. A win is kept as the level's solution ("replays/own-HASH.rpl", see replay_store.hpp)
// when it beats the solution kept before (more points, or as many in fewer frames).

#include <optional>
#include <string>

#include "editor/edit_level.hpp"
#include "world/replay_file.hpp"

namespace burrowix {

struct LevelFile;

enum class TestPlayEnd { None, Won, Lost, Left };

// How the last test play ended (None while one runs or before the first), and whether its win was
// kept as the level's solution.
struct TestPlayOutcome {
    TestPlayEnd end = TestPlayEnd::None;
    bool solutionKept = false;
};

// Starts a test play of `level` at `difficulty` (0 Easy, 1 Medium, 2 Hard) on the game screen; it
// comes back to `returnScreen` (a Screen value), by default the screen current now. `levelIndex`
// is the level's place in the own pack (0..29), which picks its look (earth, stones, background)
// as a pack's level number does. "" when it runs, else why it cannot: the program is not running
// yet, a test play or replay runs already, the difficulty is unknown, or the level has no start.
std::string startTestPlay(const EditLevel& level, int difficulty, int returnScreen = -1, int levelIndex = 0);

bool testPlayRunning();
TestPlayOutcome lastTestPlay();

// The level the running test play plays; null when none runs.
const LevelFile* testPlayLevel();

// The running test play's win was kept as the level's solution (the attempt's recording says so).
void testPlaySolutionKept();

// The game would leave the level now (see above): puts the player's state back and goes to the
// screen that started the test play.
void endTestPlay(TestPlayEnd end);
// The same without changing screens (the program is closing).
void abandonTestPlay();
// Forgets a running test play without putting anything back (a reset of the program's state).
void resetTestPlay();

// The solution kept for `level` (its win in test play); nullopt with the reason in `error` when
// there is none or it does not read.
std::optional<Replay> keptSolution(const EditLevel& level, std::string* error = nullptr);

} // namespace burrowix
