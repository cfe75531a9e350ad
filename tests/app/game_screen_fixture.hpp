#pragma once
// The game screen without a window: a crafted level pack in a temporary folder, the program set up
// headless on it, and helpers that run game frames against a manual frame clock and press keys.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "state/app_state.hpp"
#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "state/game_screen_state.hpp"
#include "app/headless_game.hpp"
#include "state/level_presentation_state.hpp"
#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "state/screen_flow_state.hpp"
#include "app/test_packs.hpp"
#include "audio/effect_handles.hpp"
#include "records/records.hpp"
#include "platform/display/display.hpp"
#include "support/temp_dir.hpp"
#include "world/digger.hpp"
#include "app/level_start.hpp"
#include "world/world.hpp"

namespace burrowix::test {

// A level five cells high with the digger at (1, 1) and `row` to its right, goals as given.
inline std::string corridorLevel(const std::string& row, const std::string& goals)
{
    const std::string wall(row.size() + 3, '#');
    const std::string earth = "#" + std::string(row.size() + 1, ':') + "#";
    return goals + "\nmap\n" + wall + "\n#@" + row + "#\n" + earth + "\n" + earth + "\n" + wall + "\nend\n";
}

class GameScreenFixture : public ::testing::Test {
protected:
    static constexpr int kFrameStep = 30;

    void TearDown() override
    {
        closeGameHeadless();
        world.reset();
        resetState();
    }

    static void resetState()
    {
        app.reset();
        gameScreen.reset();
        levelPresentation.reset();
        screenFlow.reset();
        theEffects.reset();
        theRecords.reset();
    }

    // Sets the program up on a pack of `levels` and enters the game screen at level `first`.
    void startGame(int difficulty, const std::vector<std::string>& levels, int first = 0, int levelCount = 30)
    {
        resetState();
        world.reset();
        TestPackOptions options;
        options.levelPackNumber = difficulty;
        options.levelCount = levelCount;
        options.levelSources = levels;
        ASSERT_TRUE(writeTestPacks(dir.path().string(), options));
        ASSERT_EQ(openGameHeadless(dir.path().string(), difficulty), "");
        theRecords.progressPath = dir.file("li.dat");
        theRecords.optionsPath = dir.file("opt.dat");
        theRecords.scoreFile.path = dir.file("score.dat");
        app.firstFrame = 0;
        app.frameClock = 100000;
        app.currentScreen = ScreenGame;
        app.cellSize = 40;
        resetGame();
        app.soundOn = app.soundAvailable = 1;
        startLevel(first);
        // Effects "play" into a list, so tests can see which were asked for (set after the level
        // start, which reloads the effect table).
        theEffects.effectLoser = 1;
        theEffects.effectMenu = 2;
        theEffects.player = [this](int handle, int) { played.push_back(handle); };
        ASSERT_TRUE(world.theWorld && world.theWorld->loaded);
    }

    void frame()
    {
        app.frameClock += kFrameStep;
        RunGameFrame(theDisplay.backBuffer.get());
    }
    void runFor(int ms)
    {
        for (int t = 0; t < ms; t += kFrameStep)
            frame();
    }
    // Runs frames until `done` holds; false when it did not within `ms`.
    bool runUntil(const std::function<bool()>& done, int ms = 10000)
    {
        for (int t = 0; t < ms; t += kFrameStep) {
            if (done())
                return true;
            frame();
        }
        return done();
    }
    void keyDown(std::uint32_t key) { gameScreenKeyDown({MessageType::KeyDown, key, 0}); }
    void keyUp(std::uint32_t key) { gameKeyUp({MessageType::KeyUp, key, 0}); }
    void press(std::uint32_t key)
    {
        keyDown(key);
        frame();
        keyUp(key);
    }

    // Dismisses the panel that is up: settles it and lets it rise away.
    void dismissPanel(PanelId id)
    {
        keyDown(Key::Space);
        keyUp(Key::Space);
        if (levelPresentation.panels[id].up && !levelPresentation.panels[id].riseFlag) {
            keyDown(Key::Space);
            keyUp(Key::Space);
        }
        ASSERT_TRUE(runUntil([id] { return !levelPresentation.panels[id].up; }, 2000));
    }

    // From the level start to play: the level-start panel (and before it the controls panel, if up).
    void dismissStartPanels()
    {
        if (levelPresentation.panels[PanelControls].up) {
            ASSERT_TRUE(runUntil([] { return levelPresentation.panelStep >= 2; }));
            dismissPanel(PanelControls);
        }
        ASSERT_TRUE(levelPresentation.panels[PanelLevelStart].up);
        dismissPanel(PanelLevelStart);
        ASSERT_EQ(gameScreen.frozen, 0);
    }

    Digger& digger() { return *world.theDigger; }
    HallOfFame& record() { return theRecords.hallOfFame; }
    const PanelFlags& panel(PanelId id) { return levelPresentation.panels[id]; }

    TempDir dir;
    std::vector<int> played;
};

} // namespace burrowix::test
