// The game screen from a level's start to its end: the start panels, winning a level and the next
// level, dying and retrying, the last life, the pack's last level, the exit panel and the HUD toggle.

#include "app/game_screen_fixture.hpp"

#include "app/hud.hpp"
#include "app/level_end.hpp"
#include "app/message_panels.hpp"
#include "records/level_progress.hpp"

namespace burrowix::test {
namespace {

const std::string kOneNugget = corridorLevel("$.....", "gold 1 1\nkill 0 0");
const std::string kTwoNuggets = corridorLevel("$....$", "gold 1 2\nkill 0 0");

using GameEnd = GameScreenFixture;

TEST_F(GameEnd, NewGameShowsControlsThenLevelStartThenPlaysAndWinsIntoTheNextLevel)
{
    startGame(0, {kOneNugget, kOneNugget});
    EXPECT_TRUE(panel(PanelControls).up) << "level 1 of a new game starts with the controls";
    EXPECT_FALSE(panel(PanelLevelStart).up);
    EXPECT_EQ(gameScreen.frozen, 1);

    // Keys move the controls panel on, then the level-start panel follows.
    ASSERT_TRUE(runUntil([] { return levelPresentation.panelStep >= 3; }));
    keyDown(Key::Right);
    EXPECT_EQ(panel(PanelControls).dropFlag, 0) << "a key settles a dropping panel";
    EXPECT_EQ(levelPresentation.panelY, 250);
    EXPECT_EQ(gameScreen.heldRight, 0) << "the key went to the panel";
    keyDown(Key::Right);
    EXPECT_EQ(panel(PanelControls).riseFlag, 1);
    ASSERT_TRUE(runUntil([this] { return !panel(PanelControls).up; }, 1000));
    EXPECT_TRUE(panel(PanelLevelStart).up);
    EXPECT_EQ(gameScreen.frozen, 1);
    dismissPanel(PanelLevelStart);
    EXPECT_EQ(gameScreen.frozen, 0);
    EXPECT_EQ(levelPresentation.hudShown, 1);
    EXPECT_EQ(levelPresentation.hudSlide, 1) << "the HUD slides in";
    EXPECT_EQ(gameScreen.showPointer, 1);
    ASSERT_TRUE(runUntil([] { return levelPresentation.hudSlide == 0; }, 1000));
    EXPECT_EQ(levelPresentation.hudOffset, 0);

    // Taking the nugget wins: the HUD hides, then the level-complete panel drops.
    keyDown(Key::Right);
    ASSERT_TRUE(runUntil([] { return levelPresentation.levelEnding == 1; }, 3000));
    keyUp(Key::Right);
    EXPECT_EQ(record().score, 9);
    ASSERT_TRUE(runUntil([] { return levelPresentation.levelEnding == 2; }, 1000));
    EXPECT_EQ(levelPresentation.hudOffset, 10);
    EXPECT_EQ(world.theWorld->levelFinished, 1);
    EXPECT_TRUE(panel(PanelLevelComplete).up);
    const Ticks panelStart = app.frameClock;

    LevelProgress saved;
    ASSERT_TRUE(saved.read(dir.file("li.dat"))) << "the win's progress is saved at once";
    EXPECT_EQ(saved.unlockedLevels(0), 2);

    // For about 1500 ms keys leave the panel alone, then one moves it on.
    runFor(1200);
    press(Key::Space);
    EXPECT_EQ(panel(PanelLevelComplete).dropFlag, 1) << "too early: the panel keeps settling";
    runFor(int(1500 - std::int32_t(app.frameClock - panelStart)) + 60);
    EXPECT_EQ(levelPresentation.panelKeysAccepted, 1);
    const PanelFlags before = panel(PanelLevelComplete);
    keyDown(Key::Space);
    keyUp(Key::Space);
    EXPECT_TRUE(before.dropFlag == 1 ? panel(PanelLevelComplete).dropFlag == 2 : panel(PanelLevelComplete).riseFlag == 1)
        << "a key moves the panel on now";
    dismissPanel(PanelLevelComplete);
    ASSERT_TRUE(runUntil([] { return screenFlow.levelNumber == 1; }, 1000));
    EXPECT_EQ(world.theWorld->levelIndex, 1);
    EXPECT_TRUE(panel(PanelLevelStart).up) << "the next level starts with its panel";
    EXPECT_FALSE(panel(PanelControls).up);
    EXPECT_EQ(levelPresentation.levelEnding, 0);
    EXPECT_EQ(record().score, 9);
}

TEST_F(GameEnd, ADeathRestartsTheLevelWithALifeLessAndTheLevelStartAmmunition)
{
    startGame(2, {kTwoNuggets});
    dismissStartPanels();
    const auto startAmmunition = record().ammunition;
    record().ammunition[3] -= 5; // shots used up on the way
    keyDown(Key::Right);
    ASSERT_TRUE(runUntil([this] { return digger().goldCollected == 1; }, 3000));
    keyUp(Key::Right);
    const int score = record().score;
    ASSERT_GT(score, 0);

    press(Key::F9);
    ASSERT_EQ(digger().dead, 1);
    const Ticks death = app.frameClock;
    ASSERT_TRUE(runUntil([this] { return panel(PanelDied).up; }, 2000));
    EXPECT_GT(std::int32_t(app.frameClock - death), 1000) << "the died panel waits a second";
    EXPECT_EQ(levelPresentation.gameOverPending, 1);
    EXPECT_EQ(played, std::vector<int>{theEffects.effectLoser});

    // Nothing restarts while the panel is up; dismissing it restarts the level.
    runFor(3000);
    EXPECT_TRUE(panel(PanelDied).up);
    EXPECT_EQ(record().lives, 10);
    dismissPanel(PanelDied);
    ASSERT_TRUE(runUntil([this] { return !digger().dead; }, 500));
    EXPECT_EQ(record().lives, 9);
    EXPECT_EQ(record().ammunition, startAmmunition) << "the ammunition of the level's start";
    EXPECT_EQ(record().score, score) << "the score is kept";
    EXPECT_EQ(screenFlow.gameOverKind, 0);
    EXPECT_EQ(levelPresentation.gameOverPending, 0);
    EXPECT_TRUE(panel(PanelLevelStart).up);
    EXPECT_EQ(theRecords.levelStartRecord.lives, 9);
}

TEST_F(GameEnd, KeysDuringDeathGoOnlyToTheDiedPanel)
{
    startGame(2, {kTwoNuggets});
    dismissStartPanels();
    press(Key::F9);
    press(Key::Escape);
    EXPECT_FALSE(panel(PanelExit).up) << "no exit panel for a dead digger";
    ASSERT_TRUE(runUntil([this] { return panel(PanelDied).up; }, 2000));
    // Settled, rising and finished at once, the panel is gone before the key delay is over: the
    // level waits for the delay.
    keyDown(Key::Space);
    keyDown(Key::Space);
    keyDown(Key::Space);
    EXPECT_EQ(panel(PanelDied).riseFlag, 1);
    ASSERT_TRUE(runUntil([this] { return !panel(PanelDied).up; }, 200));
    EXPECT_EQ(digger().dead, 1);
    EXPECT_EQ(levelPresentation.panelKeysAccepted, 0);
    ASSERT_TRUE(runUntil([this] { return !digger().dead; }, 1600));
    EXPECT_EQ(record().lives, 9);
}

TEST_F(GameEnd, LosingTheLastLifeOpensGameOverWithTheNameFieldWhenTheScoreRanks)
{
    startGame(2, {kTwoNuggets});
    record().lives = 0;
    record().score = 5000;
    startLevel(0);
    dismissStartPanels();
    press(Key::F9);
    ASSERT_TRUE(runUntil([] { return app.currentScreen != ScreenGame; }, 2000));
    EXPECT_EQ(app.currentScreen, ScreenGameOver);
    EXPECT_FALSE(panel(PanelDied).up) << "no died panel for the last life";
    EXPECT_EQ(screenFlow.gameOverKind, 0);
    EXPECT_EQ(screenFlow.nameEntryState, 1);
    EXPECT_EQ(screenFlow.pendingScore, 5000);
    EXPECT_EQ(record().highlight, 6) << "5000 goes below 5302";
}

TEST_F(GameEnd, ALowScoreEndsTheGameWithoutTheNameField)
{
    startGame(2, {kTwoNuggets});
    record().lives = 0;
    startLevel(0);
    dismissStartPanels();
    press(Key::F9);
    ASSERT_TRUE(runUntil([] { return app.currentScreen == ScreenGameOver; }, 2000));
    EXPECT_EQ(screenFlow.nameEntryState, 0);
}

TEST_F(GameEnd, ThePacksLastLevelWinsTheGameEvenWithFewerThanThirtyLevels)
{
    startGame(1, {kOneNugget, kOneNugget}, 1, 2);
    dismissStartPanels();
    const auto ammunition = record().ammunition;
    keyDown(Key::Right);
    ASSERT_TRUE(runUntil([] { return levelPresentation.levelEnding == 2; }, 3000));
    keyUp(Key::Right);
    runFor(1600);
    dismissPanel(PanelLevelComplete);
    EXPECT_EQ(screenFlow.gameOverKind, 1);
    EXPECT_EQ(screenFlow.levelNumber, 0) << "the next game starts at the first level";
    EXPECT_EQ(record().ammunition, ammunition);
    ASSERT_TRUE(runUntil([] { return app.currentScreen == ScreenGameOver; }, 100));
    EXPECT_EQ(world.theWorld->levelIndex, 1) << "no level past the pack was started";

    theCatalogue.currentLevelCount = 30;
    EXPECT_EQ(lastLevelOfPack(), 29);
    theCatalogue.currentLevelCount = 45;
    EXPECT_EQ(lastLevelOfPack(), 29) << "the game never plays past level 30";
}

TEST_F(GameEnd, EscOpensTheExitPanelEscResumesAndEnterLeavesForTheLevelChoice)
{
    startGame(0, {kOneNugget});
    dismissStartPanels();
    press(Key::Escape);
    EXPECT_TRUE(panel(PanelExit).up);
    EXPECT_EQ(gameScreen.frozen, 1);
    EXPECT_EQ(app.cursorVisible, 1);
    ASSERT_TRUE(runUntil([this] { return panel(PanelExit).dropFlag == 0; }, 2000));
    EXPECT_EQ(levelPresentation.panelWobble, 11);

    press(Key::Escape);
    EXPECT_EQ(panel(PanelExit).riseFlag, 1);
    ASSERT_TRUE(runUntil([this] { return !panel(PanelExit).up; }, 1000));
    EXPECT_EQ(gameScreen.frozen, 0) << "play resumes";
    EXPECT_EQ(app.cursorVisible, 0);
    EXPECT_EQ(app.currentScreen, ScreenGame);

    press(Key::Escape);
    press(Key::Space); // settles the dropping panel
    EXPECT_EQ(panel(PanelExit).dropFlag, 0);
    press(Key::Enter);
    ASSERT_TRUE(runUntil([] { return app.currentScreen != ScreenGame; }, 1000));
    EXPECT_EQ(app.currentScreen, ScreenLevelChoice);
    EXPECT_EQ(app.cursorVisible, 1);
    EXPECT_EQ(played, (std::vector<int>{2, 2, 2, 2})) << "opening and each choice click";
}

TEST_F(GameEnd, EscWhilePlayIsFrozenOpensTheExitPanelAlreadyRising)
{
    startGame(0, {kOneNugget});
    dismissStartPanels();
    gameScreen.frozen = 1;
    openExitPanel();
    EXPECT_EQ(panel(PanelExit).riseFlag, 1);
    EXPECT_EQ(levelPresentation.leaveAfterExitPanel, 0);
    ASSERT_TRUE(runUntil([this] { return !panel(PanelExit).up; }, 1000));
    EXPECT_EQ(app.currentScreen, ScreenGame);
    EXPECT_EQ(gameScreen.frozen, 0);
}

TEST_F(GameEnd, InsertHidesAndShowsTheHudAndIsIgnoredWhileItSlides)
{
    startGame(2, {kOneNugget});
    dismissStartPanels();
    ASSERT_TRUE(runUntil([] { return levelPresentation.hudSlide == 0; }, 1000));
    press(Key::Insert);
    EXPECT_EQ(levelPresentation.hudShown, 0);
    EXPECT_EQ(levelPresentation.hudSlide, -1);
    press(Key::Insert);
    EXPECT_EQ(levelPresentation.hudSlide, -1) << "ignored while sliding";
    ASSERT_TRUE(runUntil([] { return levelPresentation.hudSlide == 0; }, 1000));
    EXPECT_EQ(levelPresentation.hudOffset, 10);
    press(Key::Insert);
    EXPECT_EQ(levelPresentation.hudShown, 1);
    EXPECT_EQ(levelPresentation.hudSlide, 1);
    ASSERT_TRUE(runUntil([] { return levelPresentation.hudOffset == 0; }, 1000));

    // A win with the HUD hidden still brings up the level-complete panel.
    press(Key::Insert);
    ASSERT_TRUE(runUntil([] { return levelPresentation.hudSlide == 0; }, 1000));
    keyDown(Key::Right);
    ASSERT_TRUE(runUntil([] { return levelPresentation.levelEnding == 2; }, 3000));
    EXPECT_TRUE(panel(PanelLevelComplete).up);
}

TEST(LevelEndRecord, RestoringKeepsScoreAndHallOfFameButNotLivesOrAmmunition)
{
    theRecords.reset();
    HallOfFame& live = theRecords.hallOfFame;
    live.lives = 4;
    live.ammunition[3] = 12;
    live.score = 100;
    theRecords.levelStartRecord = live;
    live.lives = 3;
    live.ammunition[3] = 2;
    live.score = 250;
    live.entries[0].name = "Newcomer";
    live.highlight = 0;
    theRecords.levelStartRecord.highlight = 5;
    restoreRecordFromLevelStart();
    EXPECT_EQ(live.lives, 4);
    EXPECT_EQ(live.ammunition[3], 12);
    EXPECT_EQ(live.score, 250);
    EXPECT_EQ(live.entries[0].name, "Newcomer");
    EXPECT_EQ(live.highlight, 0);
    theRecords.reset();
}

} // namespace
} // namespace burrowix::test
