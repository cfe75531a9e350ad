#include "app/level_end.hpp"

#include <algorithm>

#include "app/level_start.hpp"
#include "app/message_panels.hpp"
#include "app/pack_catalogue.hpp"
#include "app/record_files.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_widgets.hpp"
#include "app/test_play.hpp"
#include "audio/effect_handles.hpp"
#include "common/asset_manifest.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kDeathDelay = 1000;
constexpr int kFreezeDelay = 80;
constexpr int kKeyDelay = 1500;
constexpr int kMaxLevels = assets::kLevelsPerPack;

LevelPresentationState& s = levelPresentation;

bool diggerIsDead()
{
    return world.theDigger && world.theDigger->dead;
}

void armDeathTimer()
{
    if (s.deathTimerState == 0) {
        s.deathTimerState = 1;
        s.deathTimerStart = app.frameClock;
    }
}

// Keys stop moving the died or level-complete panel on for 1500 ms.
void runKeyDelay()
{
    const Ticks now = app.frameClock;
    if (s.keyDelayPhase == 0 && elapsedMoreThan(now, s.keyDelayStart, kKeyDelay)) {
        s.panelKeysAccepted = 0;
        s.keyDelayStart = now;
        s.keyDelayPhase = 1;
    } else if (s.keyDelayPhase == 1 && elapsedMoreThan(now, s.keyDelayStart, kKeyDelay)) {
        s.panelKeysAccepted = 1;
        s.keyDelayPhase = 2;
    }
}

// The game-over screen, with the name field open when the score earns a place in the table.
void enterGameOver()
{
    if (screenFlow.gameOverKind != 1)
        screenFlow.gameOverKind = 0;
    SetScreen(ScreenGameOver);
    HallOfFame& record = theRecords.hallOfFame;
    if (record.findRank(record.score) >= 0) {
        screenFlow.pendingScore = record.score;
        moveWidget("Edit01", 407, 414);
        showWidget("Edit01");
        focusWidget("Edit01"); // a name typed at once is not lost
        screenFlow.nameEntryState = 1;
    }
}

} // namespace

int lastLevelOfPack()
{
    const int count = theCatalogue.currentLevelCount;
    return (count > 0 ? std::min(count, kMaxLevels) : kMaxLevels) - 1;
}

void restoreRecordFromLevelStart()
{
    HallOfFame& live = theRecords.hallOfFame;
    theRecords.scratchRecord = live;
    const HallOfFame& kept = theRecords.scratchRecord;
    live = theRecords.levelStartRecord;
    live.score = kept.score;
    live.highlight = kept.highlight;
    live.entries = kept.entries;
    live.levelValueA = kept.levelValueA;
    live.levelValueB = kept.levelValueB;
    live.levelValueC = kept.levelValueC;
}

void runDeathAndGameEnd()
{
    const PanelFlags& died = s.panels[PanelDied];
    const bool diedPanelIdle = died.dropFlag == 0 && died.riseFlag == 0;
    const bool dead = diggerIsDead();
    if ((dead && diedPanelIdle) || screenFlow.gameOverKind == 1) {
        armDeathTimer();
        const bool gameEnds = theRecords.levelStartRecord.lives <= 0 || screenFlow.gameOverKind == 1;
        if (s.deathTimerState == 1 && elapsedMoreThan(app.frameClock, s.deathTimerStart, kDeathDelay)) {
            if (gameEnds) {
                if (screenFlow.nameEntryState != 1)
                    enterGameOver();
                return;
            }
            s.gameOverPending = 1;
            StartPanel(PanelDied);
            playEffect(theEffects.effectLoser);
            s.deathTimerState = -1;
            return;
        }
    }
    // The died panel has been dismissed: the level again, with a life less.
    HallOfFame& record = theRecords.hallOfFame;
    if (dead && diedPanelIdle && s.deathTimerState == -1 && record.lives > 0 && s.panelKeysAccepted) {
        --record.lives;
        startLevel(screenFlow.levelNumber);
    }
}

void runLevelDone()
{
    if (world.theWorld && world.theWorld->levelFinished) {
        armDeathTimer();
        if (s.deathTimerState == 1 && elapsedMoreThan(app.frameClock, s.deathTimerStart, kFreezeDelay))
            gameScreen.frozen = 1;
        if (gameScreen.frozen)
            runKeyDelay();
    }
    if (diggerIsDead())
        runKeyDelay();
}

void beginLevelComplete(World& w)
{
    w.levelFinished = 1;
    s.levelEnding = 2;
    StartPanel(PanelLevelComplete);
    // The level the win opened stays open even if the program does not end normally; a test play
    // opens nothing and writes nothing.
    if (!testPlayRunning())
        writeProgress();
}

void diedPanelRisen()
{
    // A test play ends with its first death: back to where the level is being made.
    if (testPlayRunning()) {
        endTestPlay(TestPlayEnd::Lost);
        return;
    }
    screenFlow.gameOverKind = 0;
    restoreRecordFromLevelStart();
}

void levelCompletePanelRisen()
{
    if (testPlayRunning()) {
        endTestPlay(TestPlayEnd::Won);
        return;
    }
    ++screenFlow.levelNumber;
    gameScreen.frozen = 0;
    if (screenFlow.levelNumber > lastLevelOfPack()) {
        screenFlow.gameOverKind = 1;
        screenFlow.levelNumber = 0;
        restoreRecordFromLevelStart();
    } else {
        startLevel(screenFlow.levelNumber);
    }
}

} // namespace burrowix
