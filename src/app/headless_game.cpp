#include "app/headless_game.hpp"

#include "app/attract_mode.hpp"
#include "app/pack_catalogue.hpp"
#include "app/picture_loading.hpp"
#include "app/replay_watching.hpp"
#include "app/replay_recording.hpp"
#include "app/startup_diagnosis.hpp"
#include "app/test_play.hpp"
#include "platform/display/display.hpp"
#include "platform/system/pack_scan.hpp"
#include "common/random.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/screen_flow_state.hpp"
#include "state/still_frame_state.hpp"
#include "world/digger.hpp"
#include "world/level_file.hpp"
#include "world/level_loader.hpp"
#include "world/watching_eyes.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

class DiscardingPresenter : public FramePresenter {
public:
    DisplayResult present(const Surface&) override { return DisplayResult::Ok; }
};

} // namespace

std::string openGameHeadless(const std::string& folder, int difficulty)
{
    if (!theDisplay.isSetUp() &&
        setUpDisplay(theDisplay, std::make_unique<DiscardingPresenter>()) != DisplayResult::Ok)
        return "the display cannot be set up";
    theCatalogue.reset();
    theCatalogue.folder = folder;
    const std::vector<std::string> packs = findPackFiles(folder.empty() ? "." : folder);
    if (theCatalogue.build(packs) == 0)
        return describeMissingPacks(folder);
    theCatalogue.difficulty = difficulty;
    theCatalogue.selectLevelPackByNumber();
    std::string missingPicture;
    const std::string missing = loadStartupPictures(theDisplay, theCatalogue, thePictures, &missingPicture);
    if (!missing.empty())
        return missing + ": " + describeMissingPicture(theCatalogue, missingPicture);
    app.clearPicture = thePictures.allPicture.get();
    return "";
}

void resetGameState()
{
    world.reset();
    app.reset();
    gameScreen.reset();
    levelPresentation.reset();
    screenFlow.reset();
    theRecords.reset();
    attemptRecording.reset();
    resetReplayPlayback();
    resetTestPlay();
    resetAttractMode();
    stillFrame.reset();
    // The looks draw random numbers (the eyes, animations, sound variants): a run starts from the
    // same sequence and eye timing whatever ran before it.
    theEyeLids.reset();
    theRandom.reset();
}

bool startHeadlessLevel(const LevelFile& level, int index, int frameInterval, std::uint32_t seed)
{
    app.frameInterval = frameInterval;
    app.cellSize = 40;
    app.currentScreen = ScreenGame;
    theRecords.startNewGameValues();
    screenFlow.levelNumber = index;
    theRandom.reset();
    world.theWorld = std::make_unique<World>();
    world.theWorld->live = &theRecords.hallOfFame;
    world.theWorld->seed = seed;
    setUpLevel(*world.theWorld, level, index, 40, theCatalogue.difficulty);
    app.worldReady = world.theWorld->loaded ? 1 : 0;
    return world.theWorld->loaded;
}

void closeGameHeadless()
{
    thePictures.reset();
    theCatalogue.reset();
    // The catalogue keeps its folder through a reset; a later program must not find these packs.
    theCatalogue.folder.clear();
    theDisplay.reset();
}

} // namespace burrowix
