// Every attempt on the game screen is recorded; a won one becomes the level's best replay in
// "replays/", and watching it on the game screen plays the level to the same end at every speed,
// whatever the frame steps were while it was played.

#include "app/game_screen_fixture.hpp"

#include <filesystem>
#include <optional>

#include "app/replay_watching.hpp"
#include "app/replay_recording.hpp"
#include "app/replay_store.hpp"
#include "state/level_presentation_state.hpp"
#include "world/replay_file.hpp"

namespace burrowix::test {
namespace {

// A nugget at the end of a long corridor, and a Stalker wandering its own tunnel below, so that
// the course of the rules' generator shows in the grid.
const std::string kCorridorAndStalker = "gold 1 1\nkill 0 0\nmap\n" + std::string(30, '#') + "\n#@" +
                                        std::string(26, '.') + "$#\n#" + std::string(28, ':') + "#\n#...s" +
                                        std::string(24, '.') + "#\n#" + std::string(28, ':') + "#\n" +
                                        std::string(30, '#') + "\nend\n";

class ReplayRecording : public GameScreenFixture {
protected:
    std::array<std::int32_t, HallOfFame::kWeapons> ammunitionAtWin{};

    void TearDown() override
    {
        stopReplayPlayback();
        attemptRecording.reset();
        GameScreenFixture::TearDown();
    }

    // A frame whose step wanders between 29 and 31 ms, as a loaded machine's do.
    void unevenFrame(int i)
    {
        app.frameClock += Ticks(29 + i % 3);
        RunGameFrame(theDisplay.backBuffer.get());
    }

    // Plays the level from its start panel to the win: the weapon changed, the bottle drunk (its
    // super mode doubles the speed for a time, so the frame clock shows in the course), then right
    // held.
    void winByKeys()
    {
        dismissStartPanels();
        press(Key::Tab);
        press(Key::F5);
        keyDown(Key::Right);
        for (int i = 0; i < 2000 && !world.theWorld->won; ++i)
            unevenFrame(i);
        keyUp(Key::Right);
        ASSERT_TRUE(world.theWorld->won);
    }

    // Watches `replay` at `speed` until it stops; the game frames it took to the win and whether the
    // world reached the recorded end (score and grid) then.
    int watch(const Replay& replay, int speed, bool& endedAsRecorded)
    {
        ammunitionAtWin = {};
        endedAsRecorded = false;
        EXPECT_TRUE(startReplayPlayback(replay));
        for (int s = 1; s < speed; s *= 2)
            replayKeyDown(Key::Space);
        EXPECT_EQ(replaySpeed(), speed);
        int calls = 0, callsToWin = 0;
        bool seenWin = false;
        for (; replayIsPlaying() && calls < 5000; ++calls) {
            frame();
            if (!seenWin && world.theWorld && world.theWorld->won) {
                seenWin = true;
                callsToWin = calls + 1;
                ammunitionAtWin = record().ammunition;
                endedAsRecorded = record().score == replay.header.score &&
                                  gridHash(*world.theWorld, digger().cellIndex(*world.theWorld)) ==
                                      replay.header.gridHash;
            }
        }
        EXPECT_FALSE(replayIsPlaying()) << "a replay ends by itself after its last frame";
        return callsToWin;
    }
};

TEST_F(ReplayRecording, AWonAttemptBecomesTheBestReplayAndPlaysBackToTheSameEndAtEverySpeed)
{
    startGame(1, {kCorridorAndStalker});
    const std::uint32_t seed = world.theWorld->seed;
    const std::int32_t startScore = record().score;
    winByKeys();
    const std::int32_t wonScore = record().score;
    const std::uint64_t wonGrid = gridHash(*world.theWorld, digger().cellIndex(*world.theWorld));

    std::string why;
    const std::optional<Replay> best = readBestReplay(1, 0, startedLevelHash(), &why);
    ASSERT_TRUE(best) << why;
    EXPECT_TRUE(std::filesystem::exists(dir.file("replays/1-1.rpl"))) << "beside the level progress";
    const ReplayHeader& h = best->header;
    EXPECT_EQ(h.result, ReplayResult::Won);
    EXPECT_EQ(h.seed, seed);
    EXPECT_EQ(h.difficulty, 1);
    EXPECT_EQ(h.score, wonScore);
    EXPECT_EQ(h.startScore, startScore);
    EXPECT_EQ(h.gridHash, wonGrid);
    EXPECT_GT(h.frames, 9u);

    // The player's record is put back after watching.
    record().score = 777;
    bool same = false;
    const int at1x = watch(*best, 1, same);
    EXPECT_TRUE(same) << "1x";
    EXPECT_EQ(record().score, 777);
    const int at4x = watch(*best, 4, same);
    EXPECT_TRUE(same) << "4x";
    EXPECT_EQ(at1x, int(h.frames));
    EXPECT_EQ(at4x, (at1x + 3) / 4) << "4x runs four replay frames a game frame";
    watch(*best, 2, same);
    EXPECT_TRUE(same) << "2x";
}

TEST_F(ReplayRecording, TheNextLevelAfterAWinIsRecordedAndReplaysToItsEnd)
{
    // The next level starts with the record and the selected weapon the win left.
    startGame(1, {kCorridorAndStalker, kCorridorAndStalker});
    winByKeys();
    ASSERT_EQ(gameScreen.currentWeapon, 1);
    ASSERT_TRUE(runUntil([] { return levelPresentation.levelEnding == 2; }, 2000));
    runFor(1600);
    dismissPanel(PanelLevelComplete);
    ASSERT_TRUE(runUntil([] { return screenFlow.levelNumber == 1 && levelPresentation.panels[PanelLevelStart].up; }, 2000));
    dismissStartPanels();
    press(Key::Space); // fires the selected weapon
    runFor(600);
    keyDown(Key::Right);
    for (int i = 0; i < 2000 && !world.theWorld->won; ++i)
        unevenFrame(i);
    keyUp(Key::Right);
    ASSERT_TRUE(world.theWorld->won);
    const auto ammunition = record().ammunition;

    const std::optional<Replay> best = readBestReplay(1, 1);
    ASSERT_TRUE(best);
    bool same = false;
    watch(*best, 1, same);
    EXPECT_TRUE(same);
    EXPECT_EQ(ammunitionAtWin, ammunition) << "the same ammunition was used";
}

TEST_F(ReplayRecording, OnlyAWinThatBeatsTheStoredBestReplacesIt)
{
    startGame(1, {kCorridorAndStalker});
    winByKeys();
    const std::optional<Replay> first = readBestReplay(1, 0);
    ASSERT_TRUE(first);

    Replay slower = *first;
    slower.header.frames += 10;
    slower.changes.push_back({first->header.frames + 5, ReplayChange::Press, 0});
    EXPECT_FALSE(keepIfBest(slower)) << "as many points in more frames";
    Replay lost = *first;
    lost.header.result = ReplayResult::Died;
    lost.header.score += 100;
    EXPECT_FALSE(keepIfBest(lost)) << "only wins are kept";
    EXPECT_EQ(readBestReplay(1, 0), first);

    Replay richer = *first;
    richer.header.score += 5;
    EXPECT_TRUE(keepIfBest(richer));
    EXPECT_EQ(readBestReplay(1, 0)->header.score, richer.header.score);
    Replay faster = richer;
    faster.header.frames -= 1;
    faster.changes.clear();
    EXPECT_TRUE(keepIfBest(faster)) << "as many points in fewer frames";
    EXPECT_EQ(readBestReplay(1, 0)->header.frames, faster.header.frames);
}

TEST_F(ReplayRecording, ADeathOrALeftLevelSavesNothing)
{
    startGame(1, {kCorridorAndStalker});
    dismissStartPanels();
    press(Key::F9); // gives up: the digger dies
    runFor(300);
    EXPECT_FALSE(attemptRecording.active) << "the attempt ended with the death";
    EXPECT_FALSE(std::filesystem::exists(dir.file("replays")));
}

} // namespace
} // namespace burrowix::test
