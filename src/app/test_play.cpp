#include "app/test_play.hpp"

#include "app/pack_catalogue.hpp"
#include "app/replay_store.hpp"
#include "app/replay_recording.hpp"
#include "app/replay_watching.hpp"
#include "app/screen_flow.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/digger.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// What a test play changes and puts back at its end.
struct PlayerState {
    HallOfFame live, levelStart, scratch;
    LevelProgress progress;
    ScreenFlowState flow;
    WorldGlobals world;
    std::int32_t difficulty = 0;
    bool ownPackSelected = false;
    int selectedTheme = 0;
    std::int32_t levelCount = 0, packNumber = 0;
    int currentWeapon = 0;
    int worldReady = 0;
};

struct TestPlay {
    bool running = false;
    LevelFile level;
    int returnScreen = ScreenMainMenu;
    PlayerState saved;
    TestPlayOutcome outcome;
};

TestPlay play;

void save(PlayerState& s)
{
    s.live = theRecords.hallOfFame;
    s.levelStart = theRecords.levelStartRecord;
    s.scratch = theRecords.scratchRecord;
    s.progress = theRecords.progress;
    s.flow = screenFlow;
    s.world = std::move(world);
    world.theWorld.reset();
    world.theDigger.reset();
    s.difficulty = theCatalogue.difficulty;
    s.ownPackSelected = theCatalogue.ownPackSelected;
    s.selectedTheme = theCatalogue.selectedTheme;
    s.levelCount = theCatalogue.currentLevelCount;
    s.packNumber = theCatalogue.currentPackNumber;
    s.currentWeapon = gameScreen.currentWeapon;
    s.worldReady = app.worldReady;
}

// Puts the state back; the theme's pictures are reloaded only when the program goes on.
void restore(PlayerState& s, bool goingOn)
{
    theRecords.hallOfFame = s.live;
    theRecords.levelStartRecord = s.levelStart;
    theRecords.scratchRecord = s.scratch;
    theRecords.progress = s.progress;
    screenFlow = s.flow;
    world = std::move(s.world);
    theCatalogue.difficulty = s.difficulty;
    theCatalogue.ownPackSelected = s.ownPackSelected;
    if (goingOn)
        theCatalogue.selectTheme(s.selectedTheme);
    else
        theCatalogue.selectedTheme = s.selectedTheme;
    theCatalogue.currentLevelCount = s.levelCount;
    theCatalogue.currentPackNumber = s.packNumber;
    gameScreen.currentWeapon = s.currentWeapon;
    app.worldReady = s.worldReady;
}

// The game screen as a test play leaves it: no held keys, no panel, play not held.
void clearGameScreen()
{
    gameScreen.heldLeft = gameScreen.heldUp = gameScreen.heldRight = gameScreen.heldDown = 0;
    gameScreen.wantedDirection = 0;
    gameScreen.frozen = 0;
    levelPresentation.levelEnding = 0;
    levelPresentation.deathTimerState = 0;
    levelPresentation.gameOverPending = 0;
    levelPresentation.panels = {};
    app.paused = 0;
}

// Ends the test play and puts the player's state back; the screen it came from.
int finish(TestPlayEnd end, bool goingOn)
{
    abandonAttemptRecording();
    play.running = false;
    clearGameScreen();
    restore(play.saved, goingOn);
    play.saved = PlayerState{};
    play.outcome.end = end;
    return play.returnScreen;
}

} // namespace

std::string startTestPlay(const EditLevel& level, int difficulty, int returnScreen, int levelIndex)
{
    if (app.firstFrame)
        return "the game is not running yet";
    if (play.running || replayIsPlaying())
        return play.running ? "a test play runs already" : "a replay is being watched";
    if (difficulty < 0 || difficulty >= assets::kLevelPackCount)
        return "there is no difficulty " + std::to_string(difficulty);
    if (!level.props.hasStart())
        return "the level has no start position";
    if (levelIndex < 0 || levelIndex >= assets::kLevelsPerPack)
        levelIndex = 0;

    play.level = toLevelFile(level);
    play.returnScreen = returnScreen >= 0 ? returnScreen : app.currentScreen;
    play.outcome = TestPlayOutcome{};
    save(play.saved);
    play.running = true;

    // A new game at the chosen difficulty, in the level's own theme.
    theCatalogue.difficulty = difficulty;
    theCatalogue.selectLevelTheme(level.props.theme);
    HallOfFame& live = theRecords.hallOfFame;
    theRecords.startNewGameValues();
    live.ammunition = newGameAmmunition(difficulty);
    live.score = 0;
    gameScreen.currentWeapon = 0;
    clearGameScreen();
    screenFlow.levelNumber = levelIndex;
    screenFlow.gameOverKind = -1;
    screenFlow.nameEntryState = 0;

    // Entering the game screen starts the level (level_start.cpp plays the test play's).
    SetScreen(ScreenGame);
    if (!world.theWorld || !world.theWorld->loaded) {
        endTestPlay(TestPlayEnd::Left);
        play.outcome = TestPlayOutcome{};
        return "the level cannot be played";
    }
    return "";
}

bool testPlayRunning()
{
    return play.running;
}

TestPlayOutcome lastTestPlay()
{
    return play.outcome;
}

const LevelFile* testPlayLevel()
{
    return play.running ? &play.level : nullptr;
}

void testPlaySolutionKept()
{
    if (play.running)
        play.outcome.solutionKept = true;
}

void endTestPlay(TestPlayEnd end)
{
    if (!play.running)
        return;
    SetScreen(finish(end, true));
}

void abandonTestPlay()
{
    if (play.running)
        finish(TestPlayEnd::Left, false);
}

void resetTestPlay()
{
    play = TestPlay{};
}

std::optional<Replay> keptSolution(const EditLevel& level, std::string* error)
{
    return readOwnSolution(levelContentHash(toLevelFile(level)), error);
}

} // namespace burrowix
