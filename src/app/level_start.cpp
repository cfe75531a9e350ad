#include "app/level_start.hpp"

#include <memory>
#include <optional>

#include "app/level_presentation.hpp"
#include "app/own_level_pack.hpp"
#include "app/pack_catalogue.hpp"
#include "app/replay_watching.hpp"
#include "app/replay_recording.hpp"
#include "app/replay_store.hpp"
#include "app/test_play.hpp"
#include "audio/effect_bank.hpp"
#include "audio/effect_handles.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/digger.hpp"
#include "world/level_file.hpp"
#include "world/level_loader.hpp"
#include "world/replay_file.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

std::uint64_t startedHash = 0;

// What every level start ends with, from a pack or from the own levels.
void finishLevelStart(World& w, int levelIndex)
{
    w.levelIndex = levelIndex;
    screenFlow.levelNumber = levelIndex;

    app.worldReady = w.loaded ? 1 : 0;
    screenFlow.nameEntryState = 0;
    screenFlow.levelChoiceKeysEnabled = 1;
}

} // namespace

std::uint64_t startedLevelHash()
{
    return startedHash;
}

std::string levelMemberName(int levelIndex)
{
    return std::to_string(levelIndex + 1) + ".ml_";
}

std::uint32_t nextLevelSeed()
{
    // Every attempt gets its own course, from the clock (a replay records the seed it was played
    // with); a manual clock gives the same seeds on every run.
    const std::uint32_t ticks = app.clock ? std::uint32_t(app.clock->ticks()) : 0;
    return ticks * 2654435761u + 1u;
}

void startLevel(int levelIndex)
{
    startLevelWithSeed(levelIndex, nextLevelSeed());
}

void startLevelWithSeed(int levelIndex, std::uint32_t seed)
{
    levelPresentation.gameOverPending = 0;
    screenFlow.levelChoiceKeysEnabled = 0;
    // Fresh effect handles for the level; voices that finished during the last one go.
    reloadEffectTable();
    effectBank.reapVoices();
    const std::string member = levelMemberName(levelIndex);
    beginLevelPresentation(levelIndex);

    world.theDigger.reset();
    world.theWorld = std::make_unique<World>();
    world.theWorld->live = &theRecords.hallOfFame;
    World& w = *world.theWorld;
    w.viewWidth = 20;
    w.viewHeight = 15;
    w.seed = seed;

    if (const LevelFile* tested = testPlayLevel()) {
        // A test play: the level being edited, recorded as an own level so that a win is kept as
        // its solution.
        theCatalogue.currentLevelCount = 1;
        setUpLevel(w, *tested, levelIndex, app.cellSize, theCatalogue.difficulty);
        startedHash = w.loaded ? levelContentHash(*tested) : 0;
        w.levelIndex = levelIndex;
        if (app.currentScreen == ScreenGame && app.cellSize == 40)
            beginAttemptRecording(w, startedHash, theRecords.hallOfFame, kOwnLevelReplayPack);
        finishLevelStart(w, levelIndex);
        return;
    }
    theCatalogue.useLevelPack();
    theCatalogue.copyLevelPackInfo();
    if (theCatalogue.ownPackSelected) {
        // The own levels are held in memory, each played in its own theme.
        const OwnLevel* own =
            std::size_t(levelIndex) < ownLevelPack.levels.size() ? &ownLevelPack.levels[std::size_t(levelIndex)] : nullptr;
        theCatalogue.selectLevelTheme(own ? own->notes.theme : -1);
        setUpLevel(w, own ? own->file : LevelFile{}, levelIndex, app.cellSize, theCatalogue.difficulty);
        // Its attempts are recorded as a test play's: a win is kept as the level's solution.
        startedHash = w.loaded && own ? levelContentHash(own->file) : 0;
        w.levelIndex = levelIndex;
        if (app.currentScreen == ScreenGame && app.cellSize == 40 && !replayIsPlaying())
            beginAttemptRecording(w, startedHash, theRecords.hallOfFame, kOwnLevelReplayPack);
        else
            abandonAttemptRecording();
        finishLevelStart(w, levelIndex);
        return;
    }
    std::string path = member;
    if (theCatalogue.currentPack) {
        if (std::optional<std::string> extracted = theCatalogue.currentPack->extractByName(member))
            path = *extracted;
    }
    std::optional<LevelFile> level;
    loadLevel(w, path, screenFlow.levelNumber, app.cellSize, theCatalogue.difficulty, &level);
    startedHash = w.loaded && level ? levelContentHash(*level) : 0;
    // Every attempt on the game screen is recorded, against the content of the level it plays.
    if (app.currentScreen == ScreenGame && app.cellSize == 40 && !replayIsPlaying()) {
        w.levelIndex = levelIndex;
        beginAttemptRecording(w, startedHash, theRecords.hallOfFame);
    } else {
        abandonAttemptRecording();
    }
    if (theCatalogue.currentPack)
        theCatalogue.currentPack->removeTempFileByName(member);
    finishLevelStart(w, levelIndex);
}

} // namespace burrowix
