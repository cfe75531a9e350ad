#include "app/replay_recording.hpp"

#include <ctime>

#include "app/pack_catalogue.hpp"
#include "app/replay_store.hpp"
#include "app/test_play.hpp"
#include "state/app_state.hpp"
#include "records/records.hpp"
#include "state/game_screen_state.hpp"
#include "state/key_bindings.hpp"
#include "state/screen_flow_state.hpp"
#include "world/world.hpp"

namespace burrowix {

AttemptRecording attemptRecording;

namespace {

bool isArrow(int action) { return action >= ActionLeft && action <= ActionDown; }

} // namespace

void beginAttemptRecording(const World& w, std::uint64_t levelHash, const HallOfFame& live, int pack)
{
    AttemptRecording& a = attemptRecording;
    a.reset();
    if (!w.loaded)
        return;
    ReplayHeader& h = a.replay.header;
    h.levelHash = levelHash;
    h.pack = pack >= 0 ? pack : theCatalogue.currentPackNumber;
    h.level = w.levelIndex;
    h.difficulty = theCatalogue.difficulty;
    h.gameSpeed = theRecords.options.gameSpeed;
    h.seed = w.seed;
    h.date = std::int64_t(std::time(nullptr));
    h.player = replayPlayerName();
    h.startScore = live.score;
    h.startLives = live.lives;
    h.startAmmunition = live.ammunition;
    a.recorder = ReplayRecorder(h.gameSpeed);
    a.lastFrameClock = app.frameClock;
    a.active = true;
    // A replay starts with the first weapon selected and no arrow held: what this attempt starts
    // with instead is its first frame's input.
    for (int i = 0; i < gameScreen.currentWeapon; ++i) {
        a.recorder.press(ActionNextWeapon);
        a.recorder.release(ActionNextWeapon);
    }
    const int held = gameScreen.heldLeft ? 0 : gameScreen.heldUp ? 1 : gameScreen.heldRight ? 2 : gameScreen.heldDown ? 3 : -1;
    if (held >= 0) {
        a.recorder.press(ActionLeft + held);
    } else if (gameScreen.wantedDirection != 0) {
        a.recorder.press(ActionLeft + gameScreen.wantedDirection);
        a.recorder.release(ActionLeft + gameScreen.wantedDirection);
    }
}

void recordActionDown(int action)
{
    AttemptRecording& a = attemptRecording;
    // Held panels ignore everything but the arrows, which are remembered for when play runs.
    if (a.active && (isArrow(action) || !gameScreen.frozen))
        a.recorder.press(action);
}

void recordActionUp(int action)
{
    if (attemptRecording.active)
        attemptRecording.recorder.release(action);
}

void recordFrame(const World& w, int diggerCell, bool playRan, Ticks now)
{
    AttemptRecording& a = attemptRecording;
    if (!a.active || !playRan)
        return;
    a.recorder.frameRan(std::uint32_t(now - a.lastFrameClock));
    a.lastFrameClock = now;
    const bool won = w.won;
    if (!won && !w.diggerDead)
        return;
    a.active = false;
    if (!won)
        return;
    ReplayHeader& h = a.replay.header;
    h.result = ReplayResult::Won;
    h.score = w.live ? w.live->score : 0;
    h.frames = a.recorder.frames();
    h.gridHash = gridHash(w, diggerCell);
    a.replay.changes = a.recorder.changes();
    if (keepIfBest(a.replay) && h.pack == kOwnLevelReplayPack)
        testPlaySolutionKept();
}

void abandonAttemptRecording()
{
    attemptRecording.active = false;
}

Ticks actionClock(Ticks now)
{
    return attemptRecording.active ? attemptRecording.lastFrameClock : now;
}

} // namespace burrowix
