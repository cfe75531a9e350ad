#include <gtest/gtest.h>

#include <algorithm>

#include "app/world_reports.hpp"
#include "audio/effect_handles.hpp"
#include "state/app_state.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/scoring.hpp"
#include "support/world_levels.hpp"

namespace burrowix {
namespace {

using test::levelFromMap;
using test::startWorld;

class DiggerTest : public ::testing::Test {
protected:
    void SetUp() override { test::resetWorldState(); }
    void TearDown() override { test::resetWorldState(); }

    // A 30 x 20 level with the digger at (10, 8) and the cells given around it.
    World& level(const std::vector<std::pair<std::pair<int, int>, char>>& cells, int difficulty = 0)
    {
        std::vector<std::string> rows(20, std::string(30, '.'));
        for (auto& r : rows)
            r.front() = r.back() = '#';
        rows.front() = rows.back() = std::string(30, '#');
        for (auto [at, ch] : cells)
            rows[std::size_t(at.second)][std::size_t(at.first)] = ch;
        theCatalogue.difficulty = difficulty;
        World& w = startWorld(levelFromMap(rows, 10, 8));
        w.goldGoalOn = 1;
        w.goldGoal = 99;
        return w;
    }
    Digger& digger() { return *world.theDigger; }
    Cell& cell(int x, int y) { return *world.theWorld->cellAt(x, y); }

    // Holds an arrow and runs the digger's step until it starts moving (or `frames` pass).
    void stepToward(int dir, int frames = 5)
    {
        gameScreen.pressArrow(dir);
        for (int i = 0; i < frames && !digger().moving; ++i)
            diggerStep(*world.theWorld, digger(), true, heldArrows());
    }
    // Runs the glide to its end.
    void finishGlide()
    {
        for (int i = 0; i < 20 && (digger().moving || world.theWorld->scrolling); ++i) {
            diggerGlide(*world.theWorld, digger());
            for (Cell& c : world.theWorld->cells)
                c.glideStep();
        }
    }
};

TEST_F(DiggerTest, TurningFromRestWaitsThreeFramesAndTheSameDirectionGoesAtOnce)
{
    level({});
    gameScreen.pressArrow(2);
    int frames = 0;
    while (!digger().moving && frames < 10) {
        diggerStep(*world.theWorld, digger(), true, heldArrows());
        ++frames;
    }
    EXPECT_EQ(frames, 4); // three turning frames, the step in the fourth
    EXPECT_EQ(digger().facing, FacingRight);
    finishGlide();
    EXPECT_EQ(digger().x, 11);
    EXPECT_EQ(digger().ready, 1);
    diggerStep(*world.theWorld, digger(), true, heldArrows());
    EXPECT_EQ(digger().moving, 1); // a step that follows a finished glide never waits
    EXPECT_EQ(digger().x, 12);
}

TEST_F(DiggerTest, DiggingEarthAndTakingEveryPickup)
{
    level({{{9, 8}, ':'}, {{11, 8}, '$'}, {{10, 7}, '1'}, {{10, 9}, '+'}}, 0);
    const int livesBefore = theRecords.hallOfFame.lives;
    stepToward(0);
    EXPECT_EQ(digger().pose, PoseDigging);
    EXPECT_EQ(digger().digging, 1);
    EXPECT_EQ(cell(9, 8).kind, KindEmpty);
    finishGlide();
    EXPECT_EQ(digger().digging, 0);

    stepToward(2);
    finishGlide();
    stepToward(2);
    EXPECT_EQ(digger().goldCollected, 1);
    EXPECT_EQ(theRecords.hallOfFame.score, 9); // 3 x (3 - 0)
    finishGlide();
    stepToward(0);
    finishGlide();
    stepToward(1);
    EXPECT_EQ(theRecords.hallOfFame.score, 15); // mineral type 1: 2 x 3
    finishGlide();
    stepToward(3);
    finishGlide();
    stepToward(3);
    EXPECT_EQ(theRecords.hallOfFame.lives, livesBefore + 1);
    EXPECT_EQ(digger().pose, PoseWalking);
}

TEST_F(DiggerTest, EnteringEarthReportsADiggingSoundAndWalkingDoesNot)
{
    World& w = level({{{9, 8}, ':'}});
    auto digs = [&w] {
        return std::count_if(w.events.begin(), w.events.end(), [](const WorldEvent& e) {
            return e.kind == WorldEventKind::Sound && e.sound == WorldSound::Dig;
        });
    };
    stepToward(0);
    finishGlide();
    ASSERT_EQ(digs(), 1);
    EXPECT_EQ(w.events.back().cell, w.indexOf(9, 8));

    // The shell plays one of the three digging effects for it.
    std::vector<int> played;
    app.soundOn = app.soundAvailable = 1;
    theEffects.effectDig1 = 7;
    theEffects.effectDig2 = 8;
    theEffects.effectDig3 = 9;
    theEffects.player = [&](int handle, int) { played.push_back(handle); };
    applyWorldEvents(w);
    theEffects.player = nullptr;
    ASSERT_EQ(played.size(), 1u);
    EXPECT_TRUE(played[0] >= 7 && played[0] <= 9);

    stepToward(2);
    finishGlide();
    EXPECT_EQ(digs(), 0);
}

TEST_F(DiggerTest, WeaponPickupsGiveAmmunitionByDifficulty)
{
    const int expected[] = {0, 5, 9};
    for (int difficulty : {0, 1, 2}) {
        test::resetWorldState();
        level({{{11, 8}, 'G'}}, difficulty);
        const int before = theRecords.hallOfFame.ammunition[4];
        stepToward(2);
        EXPECT_EQ(theRecords.hallOfFame.ammunition[4] - before, expected[difficulty]);
        EXPECT_EQ(cell(11, 8).kind, KindEmpty);
    }
}

TEST_F(DiggerTest, PushingOnlySidewaysIntoEmptyAndNotWhileTheStoneGlides)
{
    World& w = level({{{11, 8}, 'O'}, {{9, 8}, 'O'}, {{8, 8}, ':'}, {{10, 7}, 'O'}});
    cell(8, 8).kind = KindEarth; // the stone on the left has earth behind it
    stepToward(0);
    EXPECT_EQ(digger().moving, 0);
    EXPECT_EQ(cell(9, 8).kind, KindStone);
    EXPECT_EQ(digger().pose, PosePushing); // still pushing while the arrow is held
    stepToward(1);
    EXPECT_EQ(cell(10, 7).kind, KindStone); // up never pushes
    EXPECT_EQ(digger().moving, 0);

    // Right: the cell beyond is empty, so the stone moves and the digger follows slowly.
    cell(11, 8).moving = 1;
    stepToward(2);
    EXPECT_EQ(digger().moving, 0) << "a gliding stone cannot be pushed";
    cell(11, 8).moving = 0;
    gameScreen.releaseArrow(2);
    diggerStep(w, digger(), true, heldArrows());
    EXPECT_EQ(digger().pose, PoseWalking);
    gameScreen.pressArrow(2);
    diggerStep(w, digger(), true, heldArrows());
    EXPECT_EQ(digger().moving, 1);
    EXPECT_EQ(digger().speed, 4);
    EXPECT_EQ(cell(12, 8).kind, KindStone);
    EXPECT_EQ(cell(12, 8).moving, 1);
    EXPECT_EQ(cell(12, 8).offsetX, -40);
    EXPECT_EQ(cell(11, 8).kind, KindEmpty);
    EXPECT_EQ(digger().pose, PosePushing);
    EXPECT_EQ(digger().frame, 14); // the push cycle starts past its end and wraps at once
    finishGlide();
    EXPECT_EQ(cell(12, 8).moving, 0);
    EXPECT_EQ(cell(12, 8).arrived, 1);
    gameScreen.releaseArrow(2);
    diggerStep(w, digger(), true, heldArrows());
    EXPECT_EQ(digger().pose, PoseWalking);
}

TEST_F(DiggerTest, BlastStonesAndMines)
{
    level({{{11, 8}, 'x'}, {{9, 8}, 'X'}, {{14, 10}, 'O'}, {{14, 11}, '$'}});
    stepToward(2);
    EXPECT_EQ(digger().moving, 0) << "a blast stone other than 0 only blocks";
    EXPECT_EQ(cell(11, 8).kind, KindBlastStone);
    stepToward(0);
    EXPECT_EQ(digger().moving, 1);
    // The 14 x 9 block inside the screen border lost its stone but kept its gold.
    EXPECT_EQ(cell(14, 10).kind, KindEmpty);
    EXPECT_EQ(cell(14, 11).kind, KindGold);

    test::resetWorldState();
    level({{{10, 7}, 'm'}, {{11, 6}, 'O'}, {{12, 6}, 'O'}});
    stepToward(1);
    EXPECT_EQ(digger().dead, 1) << "a mine kills at difficulty 0";
    EXPECT_EQ(world.theWorld->diggerDead, 1);
    EXPECT_EQ(digger().x, -1);
    EXPECT_EQ(cell(10, 7).kind, KindEmpty);
    EXPECT_EQ(cell(10, 7).exploding, 1);
    EXPECT_EQ(cell(11, 6).kind, KindEmpty) << "the mine's neighbourhood goes with it";
    EXPECT_EQ(cell(12, 6).kind, KindStone);
}

TEST_F(DiggerTest, HitsByDifficultyWithHalfASecondOfImmunity)
{
    const int survived[] = {0, 2, 4};
    for (int difficulty : {0, 1, 2}) {
        test::resetWorldState();
        World& w = level({}, difficulty);
        int hits = 0;
        while (!digger().dead && hits < 10) {
            hitDigger(w, digger());
            if (digger().dead)
                break;
            ++hits;
            hitDigger(w, digger()); // within the blink: nothing
            EXPECT_FALSE(digger().dead);
            app.frameClock += 501;
            updateHitBlink(digger(), false);
            EXPECT_EQ(digger().invulnerable, 0);
        }
        EXPECT_EQ(hits, survived[difficulty]) << difficulty;
        // The world reports every hit and the death; the shell starts the died panel from them.
        auto reported = [&w](WorldEventKind kind) {
            return std::count_if(w.events.begin(), w.events.end(), [kind](const WorldEvent& e) { return e.kind == kind; });
        };
        EXPECT_EQ(reported(WorldEventKind::DiggerHit), survived[difficulty]) << difficulty;
        EXPECT_EQ(reported(WorldEventKind::DiggerDead), 1) << difficulty;
        EXPECT_NE(levelPresentation.panelY, -300);
        applyWorldEvents(w);
        EXPECT_EQ(levelPresentation.panelY, -300);
    }
}

TEST_F(DiggerTest, DyingOnTheLastLifeNotesTheHallOfFameRow)
{
    HallOfFame& record = theRecords.hallOfFame;
    World& w = level({});
    record.highlight = 7;
    record.score = record.entries[2].score + 1;
    record.lives = 1;
    hitDigger(w, digger());
    EXPECT_EQ(record.highlight, 7); // a life is left: nothing noted

    test::resetWorldState();
    World& w2 = level({});
    record.highlight = 7;
    record.score = record.entries[2].score + 1;
    record.lives = 0;
    hitDigger(w2, digger());
    ASSERT_TRUE(digger().dead);
    EXPECT_EQ(record.highlight, 2);
}

TEST_F(DiggerTest, ViewScrollsLeftOnlyNearTheLeftOfTheScreen)
{
    World& w = level({});
    w.viewX = 2;
    digger().viewCol = 10;
    beginMove(w, digger(), DirLeft);
    EXPECT_EQ(w.viewX, 2);
    EXPECT_EQ(digger().viewCol, 9);
    finishGlide();
    beginMove(w, digger(), DirLeft);
    EXPECT_EQ(w.viewX, 1);
    EXPECT_EQ(w.scrolling, 1);
    EXPECT_EQ(w.scrollOffsetX, -40);
    EXPECT_EQ(digger().viewCol, 9);

    // The parallax background moves 3 pixels a frame at speed 5: 24 while the view moves 40.
    world.backgroundScrollX = 0;
    int frames = 0;
    while (w.scrolling && frames < 20) {
        diggerGlide(w, digger());
        ++frames;
    }
    EXPECT_EQ(frames, 8);
    EXPECT_EQ(world.backgroundScrollX, 24);
}

TEST_F(DiggerTest, GlideAlternatesHalfStepPoses)
{
    World& w = level({});
    beginMove(w, digger(), DirRight);
    std::vector<int> halfSteps;
    for (int i = 0; i < 4; ++i) {
        diggerGlide(w, digger());
        halfSteps.push_back(digger().halfStep);
    }
    EXPECT_EQ(halfSteps, (std::vector<int>{6, 2, 6, 2}));
    EXPECT_EQ(digger().offsetX, -20);
}

TEST_F(DiggerTest, ScoringAndGoals)
{
    EXPECT_EQ(scoreMultiplier(0) * kGoldValue, 9);
    EXPECT_EQ(scoreMultiplier(0) * mineralValue(1), 6);
    EXPECT_EQ(scoreMultiplier(2) * kGoldValue, 3);
    EXPECT_EQ(scoreMultiplier(2) * mineralValue(1), 2);
    EXPECT_EQ(mineralValue(9), 0);
    EXPECT_EQ(pickupAmount(2, 3), 11);
    EXPECT_EQ(pickupAmount(1, 7), 3);
    EXPECT_EQ(pickupAmount(0, 3), 0);
    EXPECT_EQ(pickupAmount(2, 8), 0);

    World& w = level({{{3, 3}, 'c'}, {{5, 3}, 'w'}, {{7, 3}, 'e'}, {{9, 3}, 's'}, {{11, 3}, 'c'}});
    w.goldGoalOn = 0;
    w.killGoalOn = 1;
    w.killGoal = 3;
    EXPECT_FALSE(levelCompleteCheck(w, digger()));
    // Whatever writes a cell touches it, so the world's counts follow.
    for (int x : {3, 7}) {
        cell(x, 3).clear(0);
        touchCell(w, w.indexOf(x, 3));
    }
    EXPECT_FALSE(levelCompleteCheck(w, digger()));
    EXPECT_EQ(digger().enemiesKilled, 2);
    cell(9, 3).clear(0);
    touchCell(w, w.indexOf(9, 3));
    digger().dead = 1;
    EXPECT_FALSE(levelCompleteCheck(w, digger())) << "nothing for a dead digger";
    digger().dead = 0;
    EXPECT_TRUE(levelCompleteCheck(w, digger()));
    EXPECT_TRUE(w.won) << "the rules stop";
    ASSERT_FALSE(w.events.empty());
    EXPECT_EQ(w.events.back().kind, WorldEventKind::LevelWon);
    EXPECT_EQ(levelPresentation.levelEnding, 0) << "the world only reports the win";
    applyWorldEvents(w);
    EXPECT_TRUE(w.events.empty());
    EXPECT_EQ(levelPresentation.levelEnding, 1);
    EXPECT_EQ(gameScreen.frozen, 1);
    EXPECT_EQ(theRecords.progress.unlockedLevels(0), 2);

    // Winning an earlier level again opens nothing new; a goal switch of 2 can never be won.
    EXPECT_TRUE(levelCompleteCheck(w, digger()));
    EXPECT_EQ(theRecords.progress.unlockedLevels(0), 2);
    w.goldGoalOn = 2;
    EXPECT_FALSE(levelCompleteCheck(w, digger()));
}

} // namespace
} // namespace burrowix
