// Replays through burrowix-sim: every shipped solution's replay (made by the build) plays back to
// its recorded end, whatever the sound setting or what ran before, and a replay that does not hold
// or cannot be played says why.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "sim_runner.hpp"
#include "support/shipped_levels.hpp"
#include "support/temp_dir.hpp"
#include "world/replay_file.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

int replaySim(const std::vector<std::string>& args, std::string& output)
{
    std::ostringstream out, err;
    std::istringstream in;
    const int status = runSimTool(args, in, out, err);
    output = out.str() + err.str();
    return status;
}

class ShippedReplays : public test::ShippedLevelTest {};

TEST_P(ShippedReplays, TheSolutionsReplayEndsAsRecorded)
{
    if (!fs::exists(solution()))
        GTEST_SKIP() << name() << " has no solution";
    const fs::path replay = fs::path(BURROWIX_GAME_DIR) / "replays" / (name() + ".rpl");
    ASSERT_TRUE(fs::exists(replay)) << "the build made no replay of " << name();
    std::string output;
    EXPECT_EQ(replaySim({"replay", replay.string(), "--data", BURROWIX_GAME_DIR}, output), 0) << output;
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedReplays, test::everyShippedLevel(), test::shippedLevelTestName);

class ReplaySim : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef BURROWIX_DATA_GENERATED
        GTEST_SKIP() << "this build does not generate the game data";
#endif
        // A level won and played on saves its progress in the working folder: keep that here.
        fs::current_path(dir.path());
    }
    void TearDown() override { fs::current_path(oldFolder); }

    // Records pack `pack`'s level `n` from its solution, with `more` script lines after it.
    std::string record(int pack, int n, const std::string& more = "")
    {
        const fs::path base = test::kShippedLevelSources / ("pack" + std::to_string(pack)) / std::to_string(n);
        const std::string path = dir.file("p" + std::to_string(pack) + "_" + std::to_string(n) + ".rpl");
        std::ostringstream out, err;
        std::istringstream script(test::readText(base.string() + ".solution") + more);
        runSimTool({"level", base.string() + ".txt", "--difficulty", std::to_string(pack), "--index",
                    std::to_string(n - 1), "--data", BURROWIX_GAME_DIR, "--record-replay", path},
                   script, out, err);
        EXPECT_TRUE(fs::exists(path)) << err.str();
        return path;
    }

    int check(const std::string& path, std::string& output, const char* sound = "off")
    {
        return replaySim({"replay", path, "--data", BURROWIX_GAME_DIR, "--sound", sound}, output);
    }

    const fs::path oldFolder = fs::current_path();
    test::TempDir dir;
};

TEST_F(ReplaySim, AReplayHoldsWithSoundOnOrOffAndAfterOtherLevelsRan)
{
    // Frames run after the win belong to no attempt: the replay ends with the win.
    const std::string replay = record(1, 1, "\nframes 40\n");
    std::string output;
    EXPECT_EQ(check(replay, output, "on"), 0) << output;
    const std::optional<Replay> read = readReplayFile(replay);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->header.result, ReplayResult::Won);
    EXPECT_NE(output.find("won after " + std::to_string(read->header.frames) + " frames"), std::string::npos)
        << output;

    // Another level played in this process, then the replay again, sound off.
    const std::string other = record(2, 1);
    EXPECT_EQ(check(other, output, "on"), 0) << output;
    EXPECT_EQ(check(replay, output, "off"), 0) << output;
    EXPECT_EQ(check(other, output, "off"), 0) << output;
}

TEST_F(ReplaySim, AReplayThatDoesNotHoldOrCannotBePlayedSaysWhy)
{
    const std::string path = record(0, 1);
    std::optional<Replay> replay = readReplayFile(path);
    ASSERT_TRUE(replay);
    std::string output;

    Replay scored = *replay;
    scored.header.score += 5;
    ASSERT_TRUE(writeReplayFile(dir.file("scored.rpl"), scored));
    EXPECT_EQ(check(dir.file("scored.rpl"), output), 1);
    EXPECT_NE(output.find("the score was " + std::to_string(replay->header.score)), std::string::npos) << output;

    // Without its first move the digger never gets anywhere.
    Replay idle = *replay;
    idle.changes.erase(idle.changes.begin());
    ASSERT_TRUE(writeReplayFile(dir.file("idle.rpl"), idle));
    EXPECT_EQ(check(dir.file("idle.rpl"), output), 1);
    EXPECT_NE(output.find("was not over instead of won"), std::string::npos) << output;

    Replay foreign = *replay;
    foreign.header.levelHash ^= 1;
    ASSERT_TRUE(writeReplayFile(dir.file("foreign.rpl"), foreign));
    EXPECT_EQ(check(dir.file("foreign.rpl"), output), 2);
    EXPECT_NE(output.find("another level"), std::string::npos) << output;

    Replay missing = *replay;
    missing.header.level = 40;
    ASSERT_TRUE(writeReplayFile(dir.file("missing.rpl"), missing));
    EXPECT_EQ(check(dir.file("missing.rpl"), output), 2);
    EXPECT_NE(output.find("has no level 41"), std::string::npos) << output;

    std::vector<std::uint8_t> cut = test::readBytes(path);
    cut.resize(cut.size() - 1);
    test::writeBytes(dir.file("cut.rpl"), cut);
    EXPECT_EQ(check(dir.file("cut.rpl"), output), 2);
    EXPECT_NE(output.find("input"), std::string::npos) << output;
}

} // namespace
} // namespace burrowix
