// Test play of a level being edited: it plays on the game screen as the game does, comes back to
// the screen that started it, keeps a win as the level's solution (which the replay tool verifies
// against the level's source) and leaves the player's records as they were.

#include "app/game_screen_fixture.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/game_screen.hpp"
#include "app/own_level_pack.hpp"
#include "app/picture_loading.hpp"
#include "app/record_files.hpp"
#include "app/replay_store.hpp"
#include "app/test_play.hpp"
#include "editor/edit_files.hpp"
#include "editor/level_editor.hpp"
#include "platform/display/surface.hpp"
#include "sim_runner.hpp"
#include "state/picture_tables.hpp"

namespace burrowix::test {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kTheme1Colour = 0x14A03C, kTheme2Colour = 0x2828C8;
constexpr int kStartingScreen = ScreenHallOfFame;

// Twenty by fifteen, walls round earth: Brannok at (1, 1) digs right to the one nugget the goal asks.
EditLevel nuggetLevel(std::int32_t theme)
{
    LevelEditor ed(blankLevel(20, 15));
    ed.placeStart(1, 1);
    ed.line(6, 1, 6, 1, Brush{KindGold, 0});
    LevelProps p = ed.level().props;
    p.goldGoalOn = true;
    p.goldGoal = 1;
    p.theme = theme;
    p.title = "One nugget";
    ed.setProps(p);
    return ed.level();
}

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TestPlay : public GameScreenFixture {
protected:
    void SetUp() override
    {
        resetState();
        world.reset();
        TestPackOptions options;
        options.levelSources = {corridorLevel("....$", "gold 1 1\nkill 0 0")};
        options.moreThemeColours = {kTheme1Colour, kTheme2Colour};
        ASSERT_TRUE(writeTestPacks(dir.path().string(), options));
        ASSERT_EQ(openGameHeadless(dir.path().string(), 0), "");
        theCatalogue.hooks.reloadThemePictures = [] { loadThemePictures(theDisplay, theCatalogue, thePictures); };
        theRecords.progressPath = dir.file("li.dat");
        theRecords.optionsPath = dir.file("opt.dat");
        theRecords.scoreFile.path = dir.file("score.dat");
        registerGameScreen();
        app.firstFrame = 0;
        app.frameClock = 100000;
        app.cellSize = 40;
        app.currentScreen = kStartingScreen;
        resetGame();
        // The player's game and choices, which a test play must leave alone.
        record().score = 1234;
        record().lives = 3;
        record().ammunition[3] = 42;
        gameScreen.currentWeapon = 2;
        screenFlow.levelNumber = 4;
        theRecords.progress.recordWin(0, 0);
        ASSERT_TRUE(writeProgress() && writeHallOfFame() && writeOptions());
        savedProgress = bytesOf(dir.file("li.dat"));
        savedScore = bytesOf(dir.file("score.dat"));
        savedOptions = bytesOf(dir.file("opt.dat"));
    }

    void TearDown() override
    {
        resetTestPlay();
        ownLevelPack.reset();
        GameScreenFixture::TearDown();
    }

    // The colour of the stone picture's middle: which theme's pictures are loaded.
    static std::uint32_t stoneColour()
    {
        const Surface* stone = thePictures.spriteImages[1].get();
        return stone ? stone->pixel(stone->width() / 2, stone->height() / 2) : 0;
    }

    void expectRecordsUntouched()
    {
        EXPECT_EQ(record().score, 1234);
        EXPECT_EQ(record().lives, 3);
        EXPECT_EQ(record().ammunition[3], 42);
        EXPECT_EQ(gameScreen.currentWeapon, 2);
        EXPECT_EQ(screenFlow.levelNumber, 4);
        EXPECT_EQ(theCatalogue.difficulty, 0);
        EXPECT_EQ(theCatalogue.selectedThemeInfo()->themeNumber, 0);
        EXPECT_EQ(theRecords.progress.unlockedLevels(0), 2);
        // What the close work saves is what was there, byte for byte.
        EXPECT_TRUE(saveRecordFiles());
        EXPECT_EQ(bytesOf(dir.file("li.dat")), savedProgress);
        EXPECT_EQ(bytesOf(dir.file("score.dat")), savedScore);
        EXPECT_EQ(bytesOf(dir.file("opt.dat")), savedOptions);
    }

    // The files in the replay folder.
    std::vector<std::string> replayFiles()
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const fs::directory_entry& e : fs::directory_iterator(replayFolder(), ec))
            names.push_back(e.path().filename().string());
        return names;
    }

    void holdRightUntilWon()
    {
        keyDown(Key::Right);
        ASSERT_TRUE(runUntil([] { return world.theWorld->won != 0; }, 5000));
        keyUp(Key::Right);
    }

    // From the win to the level-complete panel risen away.
    void leaveLevelComplete()
    {
        ASSERT_TRUE(runUntil([] { return levelPresentation.levelEnding == 2; }, 3000));
        runFor(3100); // the panel's key delay
        dismissPanel(PanelLevelComplete);
    }

    std::string savedProgress, savedScore, savedOptions;
};

TEST_F(TestPlay, AWinComesBackKeepsTheSolutionWhichVerifiesAndLeavesTheRecords)
{
    const EditLevel level = nuggetLevel(1);
    const std::uint32_t menuTheme = stoneColour();
    ASSERT_EQ(startTestPlay(level, 2), "");
    EXPECT_TRUE(testPlayRunning());
    EXPECT_EQ(app.currentScreen, ScreenGame);
    EXPECT_EQ(theCatalogue.difficulty, 2) << "played at the chosen difficulty";
    EXPECT_EQ(theCatalogue.selectedThemeInfo()->themeNumber, 1) << "in the level's own theme";
    EXPECT_NE(stoneColour(), menuTheme) << "with its pictures";
    EXPECT_EQ(record().lives, kStartLives) << "from a new game's record";
    EXPECT_EQ(record().score, 0);
    EXPECT_FALSE(panel(PanelControls).up) << "straight to the level-start panel";
    EXPECT_TRUE(panel(PanelLevelStart).up);

    dismissStartPanels();
    holdRightUntilWon();
    leaveLevelComplete();
    EXPECT_EQ(bytesOf(dir.file("li.dat")), savedProgress) << "the win wrote no level progress";
    EXPECT_FALSE(testPlayRunning());
    EXPECT_EQ(app.currentScreen, kStartingScreen);
    EXPECT_EQ(lastTestPlay().end, TestPlayEnd::Won);
    EXPECT_TRUE(lastTestPlay().solutionKept);
    EXPECT_EQ(stoneColour(), menuTheme) << "the theme's pictures are back";
    expectRecordsUntouched();

    std::string why;
    const std::optional<Replay> solution = keptSolution(level, &why);
    ASSERT_TRUE(solution) << why;
    EXPECT_EQ(solution->header.pack, kOwnLevelReplayPack);
    EXPECT_EQ(solution->header.difficulty, 2);
    EXPECT_EQ(solution->header.result, ReplayResult::Won);
    EXPECT_EQ(replayFiles(), std::vector<std::string>{fs::path(ownSolutionPath(solution->header.levelHash)).filename().string()})
        << "nothing of the shipped packs";

    // A changed level has no solution yet; the title alone changes nothing the rules see.
    EditLevel moved = level;
    moved.cells[moved.index(7, 1)] = Brush{KindGold, 0};
    EXPECT_FALSE(keptSolution(moved));
    EditLevel retitled = level;
    retitled.props.title = "Another title";
    EXPECT_TRUE(keptSolution(retitled));

    // The replay tool plays it on the level's source and finds the end it recorded.
    const std::string source = dir.file("nugget.txt"), replay = ownSolutionPath(solution->header.levelHash);
    ASSERT_TRUE(writeEditLevelSource(source, level, why)) << why;
    std::istringstream none;
    std::ostringstream out, err;
    EXPECT_EQ(runSimTool({"replay", replay, "--data", dir.path().string(), "--level", source}, none, out, err), 0)
        << out.str() << err.str();
    std::ostringstream out2, err2;
    EXPECT_EQ(runSimTool({"replay", replay, "--data", dir.path().string()}, none, out2, err2), 2)
        << "an own level's replay needs its level";
    EXPECT_NE(err2.str().find("--level"), std::string::npos) << err2.str();
}

TEST_F(TestPlay, OnlyABetterWinReplacesTheKeptSolution)
{
    const EditLevel level = nuggetLevel(0);
    ASSERT_EQ(startTestPlay(level, 1), "");
    dismissStartPanels();
    // A slow win: a second's wait before the dig.
    runFor(1000);
    holdRightUntilWon();
    leaveLevelComplete();
    const std::optional<Replay> slow = keptSolution(level);
    ASSERT_TRUE(slow);

    ASSERT_EQ(startTestPlay(level, 1), "");
    dismissStartPanels();
    holdRightUntilWon();
    leaveLevelComplete();
    EXPECT_TRUE(lastTestPlay().solutionKept);
    const std::optional<Replay> fast = keptSolution(level);
    ASSERT_TRUE(fast);
    EXPECT_LT(fast->header.frames, slow->header.frames);

    ASSERT_EQ(startTestPlay(level, 1), "");
    dismissStartPanels();
    runFor(1500);
    holdRightUntilWon();
    leaveLevelComplete();
    EXPECT_EQ(lastTestPlay().end, TestPlayEnd::Won);
    EXPECT_FALSE(lastTestPlay().solutionKept) << "a slower win keeps the faster one";
    EXPECT_EQ(keptSolution(level), fast);
}

TEST_F(TestPlay, EscOrADeathComesBackWithoutKeepingAnything)
{
    const EditLevel level = nuggetLevel(2);
    ASSERT_EQ(startTestPlay(level, 0), "");
    dismissStartPanels();
    keyDown(Key::Right);
    runFor(150);
    keyUp(Key::Right);
    press(Key::Escape);
    ASSERT_TRUE(runUntil([] { return levelPresentation.panels[PanelExit].up && levelPresentation.panels[PanelExit].dropFlag != 1; }, 2000));
    press(Key::Enter); // Yes: leave the level
    ASSERT_TRUE(runUntil([] { return !testPlayRunning(); }, 2000));
    EXPECT_EQ(app.currentScreen, kStartingScreen);
    EXPECT_EQ(lastTestPlay().end, TestPlayEnd::Left);

    ASSERT_EQ(startTestPlay(level, 1), "");
    dismissStartPanels();
    press(Key::F9); // gives up: Brannok dies
    ASSERT_TRUE(runUntil([] { return levelPresentation.panels[PanelDied].up != 0; }, 3000));
    runFor(3100);
    dismissPanel(PanelDied);
    ASSERT_TRUE(runUntil([] { return !testPlayRunning(); }, 2000));
    EXPECT_EQ(app.currentScreen, kStartingScreen);
    EXPECT_EQ(lastTestPlay().end, TestPlayEnd::Lost);

    EXPECT_FALSE(lastTestPlay().solutionKept);
    EXPECT_FALSE(keptSolution(level));
    EXPECT_TRUE(replayFiles().empty());
    expectRecordsUntouched();
}

TEST_F(TestPlay, ALevelThatCannotBePlayedIsRefusedWithItsReason)
{
    EditLevel noStart = nuggetLevel(0);
    noStart.props.startX = noStart.props.startY = kNoStart;
    EXPECT_EQ(startTestPlay(noStart, 1), "the level has no start position");
    EXPECT_EQ(startTestPlay(nuggetLevel(0), 3), "there is no difficulty 3");
    EXPECT_EQ(app.currentScreen, kStartingScreen);
    ASSERT_EQ(startTestPlay(nuggetLevel(0), 0), "");
    EXPECT_EQ(startTestPlay(nuggetLevel(0), 0), "a test play runs already");
}

TEST_F(TestPlay, OwnLevelsArePlayedInTheirOwnTheme)
{
    ownLevelPack.file.path = dir.file("own.dat");
    std::string why;
    ASSERT_TRUE(ownLevelPack.store(nuggetLevel(2), 0, why)) << why;
    ASSERT_TRUE(ownLevelPack.store(nuggetLevel(1), 1, why)) << why;
    theCatalogue.ownPackSelected = true;
    app.currentScreen = ScreenGame;
    startLevel(0);
    EXPECT_EQ(theCatalogue.selectedThemeInfo()->themeNumber, 2);
    const std::uint32_t theme2 = stoneColour();
    startLevel(1);
    EXPECT_EQ(theCatalogue.selectedThemeInfo()->themeNumber, 1);
    EXPECT_NE(stoneColour(), theme2);
    // Back to the shipped packs: the pack's own theme again.
    theCatalogue.ownPackSelected = false;
    theCatalogue.selectLevelPackByNumber();
    EXPECT_EQ(theCatalogue.selectedThemeInfo()->themeNumber, 0);
}

TEST_F(TestPlay, AnOwnLevelWonFromTheLevelChoiceKeepsItsSolutionToo)
{
    ownLevelPack.file.path = dir.file("own.dat");
    const EditLevel level = nuggetLevel(1);
    std::string why;
    ASSERT_TRUE(ownLevelPack.store(nuggetLevel(0), 0, why)) << why;
    ASSERT_TRUE(ownLevelPack.store(level, 1, why)) << why;
    theCatalogue.ownPackSelected = true;
    theCatalogue.difficulty = 2;
    screenFlow.levelNumber = 1;
    SetScreen(ScreenGame);
    dismissStartPanels();
    holdRightUntilWon();
    const std::optional<Replay> solution = keptSolution(level, &why);
    ASSERT_TRUE(solution) << why;
    EXPECT_EQ(solution->header.level, 1) << "its place in the own pack, which picks its look";
    EXPECT_EQ(theRecords.progress.unlockedLevels(2), 1) << "no level of the Hard pack opened";
}

} // namespace
} // namespace burrowix::test
