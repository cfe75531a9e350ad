#include "app/replay_watching.hpp"

#include <cstdio>
#include <string>

#include "app/caption_plate.hpp"
#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "app/level_start.hpp"
#include "app/replay_recording.hpp"
#include "app/screen_flow.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/surface.hpp"
#include "platform/system/messages.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

struct ReplayWatching {
    bool playing = false;
    Replay replay;
    std::size_t next = 0;   ///< the first change not yet fed in
    std::uint32_t frame = 0; ///< frames run so far
    std::uint32_t step = 0;  ///< ms from one replay frame to the next
    Ticks clock = 0;         ///< the replay's own clock: its set-up's, then its last frame's
    int speed = 1;
    Ticks endedAt = 0;       ///< when its last frame ran (real clock), 0 while it runs
    HallOfFame savedRecord;  ///< the player's running record, put back at the end
    int savedWeapon = 0;
    ReplayEnding ending;
};

ReplayWatching watching;

constexpr CaptionPlate kMark{{270, 4, 530, 76}, 2, 22, 54, 0xC8C8C8};
// The last picture stays this long before the level choice comes back.
constexpr std::int32_t kEndHold = 1500;

bool finished(const World* w)
{
    return !w || w->won || watching.frame >= watching.replay.header.frames;
}

// The changes recorded before frame `watching.frame`, at the last frame's clock.
void feedChanges()
{
    const std::vector<ReplayChange>& changes = watching.replay.changes;
    app.frameClock = watching.clock;
    while (watching.next < changes.size() && changes[watching.next].frame == watching.frame) {
        const ReplayChange& c = changes[watching.next++];
        switch (c.kind) {
        case ReplayChange::Press: gameActionDown(int(c.value)); break;
        case ReplayChange::Release: gameActionUp(int(c.value)); break;
        case ReplayChange::Step: watching.step = c.value; break;
        }
    }
}

void drawMark(Surface* target)
{
    const std::string hint =
        watching.ending.hint ? watching.ending.hint : std::to_string(watching.speed) + "x  Space: speed  Esc: end";
    drawCaptionPlate(target, kMark, "Replay", hint.c_str());
}

// One line on standard error: whether the replay came to the end it recorded (its result, score,
// frames and final grid), which a replay of this program's own rules always should.
void reportEnd()
{
    const World* w = world.theWorld.get();
    const ReplayHeader& h = watching.replay.header;
    const bool same = w && world.theDigger && w->won == (h.result == ReplayResult::Won) &&
                      theRecords.hallOfFame.score == h.score && watching.frame == h.frames &&
                      gridHash(*w, world.theDigger->cellIndex(*w)) == h.gridHash;
    std::fprintf(stderr, "burrowix: the replay of pack %d level %d %s after %u frames\n", h.pack, h.level + 1,
                 same ? "ended as recorded" : "did not end as recorded", watching.frame);
}

} // namespace

bool replayIsPlaying()
{
    return watching.playing;
}

int replaySpeed()
{
    return watching.speed;
}

bool startReplayPlayback(const Replay& replay, const ReplayEnding& ending)
{
    abandonAttemptRecording();
    watching = ReplayWatching{};
    watching.replay = replay;
    watching.ending = ending;
    watching.savedRecord = theRecords.hallOfFame;
    watching.savedWeapon = gameScreen.currentWeapon;
    watching.playing = true;

    const ReplayHeader& h = replay.header;
    HallOfFame& live = theRecords.hallOfFame;
    live.score = h.startScore;
    live.lives = h.startLives;
    live.ammunition = h.startAmmunition;
    gameScreen.currentWeapon = 0;
    gameScreen.heldLeft = gameScreen.heldUp = gameScreen.heldRight = gameScreen.heldDown = 0;
    gameScreen.wantedDirection = 0;
    screenFlow.levelNumber = h.level;

    SetScreen(ScreenGame);
    // The game screen set up an attempt of its own; the replay's is built again from its seed.
    startLevelWithSeed(h.level, h.seed);
    if (!world.theWorld || !world.theWorld->loaded) {
        stopReplayPlayback();
        return false;
    }
    // Play starts at once: no level-start panel holds it.
    LevelPresentationState& s = levelPresentation;
    s.panels = {};
    s.hudShown = 1;
    s.hudSlide = 1;
    s.hudOffset = 10;
    gameScreen.frozen = 0;
    gameScreen.showPointer = 0;
    app.cursorVisible = 0;
    watching.clock = app.frameClock;
    watching.step = std::uint32_t(nominalFrameStep(h.gameSpeed));
    return true;
}

void replayKeyDown(std::uint32_t key)
{
    if (key == Key::Escape)
        stopReplayPlayback();
    else if (key == Key::Space)
        watching.speed = watching.speed >= 4 ? 1 : watching.speed * 2;
}

void runReplayFrame(Surface* backBuffer)
{
    const Ticks realClock = app.frameClock;
    for (int i = 0; i < watching.speed && !finished(world.theWorld.get()); ++i) {
        feedChanges();
        watching.clock += watching.step;
        app.frameClock = watching.clock;
        stepGameWorld(backBuffer);
        ++watching.frame;
    }
    if (finished(world.theWorld.get())) {
        if (watching.endedAt == 0) {
            watching.endedAt = realClock == 0 ? 1 : realClock;
            reportEnd();
        }
        // The last picture, held: the rules stand still.
        gameScreen.frozen = 1;
        app.frameClock = watching.clock;
        stepGameWorld(backBuffer);
    }
    app.frameClock = realClock;
    drawMark(backBuffer);
    if (watching.endedAt != 0 && elapsedMoreThan(realClock, watching.endedAt, kEndHold))
        stopReplayPlayback();
}

void resetReplayPlayback()
{
    watching = ReplayWatching{};
}

void stopReplayPlayback()
{
    if (!watching.playing)
        return;
    watching.playing = false;
    theRecords.hallOfFame = watching.savedRecord;
    gameScreen.currentWeapon = watching.savedWeapon;
    gameScreen.heldLeft = gameScreen.heldUp = gameScreen.heldRight = gameScreen.heldDown = 0;
    gameScreen.frozen = 0;
    levelPresentation.levelEnding = 0;
    levelPresentation.panels = {};
    app.cursorVisible = 1;
    if (watching.ending.then)
        watching.ending.then();
    else
        SetScreen(ScreenLevelChoice);
}

} // namespace burrowix
