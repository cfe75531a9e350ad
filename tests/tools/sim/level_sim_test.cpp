#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "sim_runner.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

const fs::path kLevels = fs::path(BURROWIX_SOURCE_DIR) / "data/levels";

class LevelSim : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef BURROWIX_DATA_GENERATED
        GTEST_SKIP() << "this build does not generate the game data";
#endif
    }

    int run(const std::string& level, const std::string& script, std::vector<std::string> extra = {})
    {
        std::vector<std::string> args{"level", level, "--data", BURROWIX_GAME_DIR};
        args.insert(args.end(), extra.begin(), extra.end());
        std::istringstream in(script);
        out.str("");
        err.str("");
        return runSimTool(args, in, out, err);
    }
    std::vector<std::string> lines() const
    {
        std::vector<std::string> v;
        std::istringstream s(out.str());
        for (std::string l; std::getline(s, l);)
            v.push_back(l);
        return v;
    }

    std::ostringstream out, err;
};

bool has(const std::string& json, const std::string& part) { return json.find(part) != std::string::npos; }

TEST(LevelSimWithoutPacks, TheRulesRunAndOnlyTheScreenCommandsFail)
{
    // A folder without any pack: the level plays as it does with the pictures.
    test::TempDir empty;
    const std::string level = (kLevels / "pack0/1.txt").string();
    auto run = [&](const std::string& script, std::ostringstream& out, std::ostringstream& err) {
        std::istringstream in(script);
        return runSimTool({"level", level, "--data", empty.path().string()}, in, out, err);
    };
    std::ostringstream out, err;
    ASSERT_EQ(run("down Right\nframes 60\nup Right\nframes 20\nstate\n", out, err), 0) << err.str();
    EXPECT_TRUE(has(out.str(), "\"frame\":80,\"clock\":2080,")) << out.str();
    EXPECT_TRUE(has(out.str(), "\"score\":9,")) << out.str();
    EXPECT_TRUE(has(out.str(), "\"goldCollected\":1")) << out.str();

    for (const std::string& command : std::vector<std::string>{"digest", "shot " + (empty.path() / "x.png").string()}) {
        std::ostringstream o, e;
        EXPECT_EQ(run("frames 2\n" + command + "\n", o, e), 2) << command;
        EXPECT_TRUE(has(e.str(), "line 2: \"" + command.substr(0, command.find(' ')) + "\" needs the game's pictures"))
            << e.str();
        EXPECT_TRUE(has(e.str(), "no pack archives")) << e.str();
    }
    EXPECT_FALSE(fs::exists(empty.path() / "x.png"));
}

TEST_F(LevelSim, WalkingTheFirstTunnelTakesTheNuggetAndScores)
{
    // Level 1 of pack 0: the digger starts at (4, 4) with a tunnel to its right and gold at (10, 4).
    const std::string level = (kLevels / "pack0/1.txt").string();
    ASSERT_EQ(run(level, "state\ndown Right   # hold\nframes 60\nup Right\nframes 20\nstate\ncells\n"), 0)
        << err.str();
    const auto v = lines();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_TRUE(has(v[0], "\"frame\":0,\"clock\":0,\"frozen\":0,\"difficulty\":0,\"score\":0,\"lives\":10"));
    EXPECT_TRUE(has(v[0], "\"digger\":{\"x\":4,\"y\":4,"));
    EXPECT_TRUE(has(v[0], "\"goldRemaining\":10"));
    // 80 frames of 26 ms; the nugget at (10, 4) is worth 3 x 3.
    EXPECT_TRUE(has(v[1], "\"frame\":80,\"clock\":2080,")) << v[1];
    EXPECT_TRUE(has(v[1], "\"score\":9,")) << v[1];
    EXPECT_TRUE(has(v[1], "\"goldCollected\":1")) << v[1];
    EXPECT_TRUE(has(v[1], "\"goldRemaining\":9")) << v[1];
    EXPECT_TRUE(has(v[1], "\"moving\":0")) << v[1];
    EXPECT_TRUE(has(v[2], "{\"width\":31,\"height\":21,\"kind\":[2,2,"));
    // The tunnel behind the digger is empty all the way.
    EXPECT_TRUE(has(v[2], "2,0,0,0,4,4,4,4,4,4,4,4,4")) << v[2].substr(0, 400);
}

TEST_F(LevelSim, AScriptedWalkCollectsSixNuggetsAndWinsTheFirstLevel)
{
    // Each leg: hold an arrow for 8 frames a cell (a turn takes the first three), let go, settle.
    const std::pair<const char*, int> legs[] = {{"Right", 9}, {"Down", 4}, {"Right", 3}, {"Up", 3}, {"Right", 4},
                                                {"Down", 5},  {"Right", 4}, {"Down", 3}, {"Left", 2}};
    std::string script;
    for (auto [key, cells] : legs)
        script += std::string("down ") + key + "\nframes " + std::to_string(8 * cells) + "\nup " + key +
                  "\nframes 10\nstate\n";
    const std::string level = (kLevels / "pack0/1.txt").string();
    ASSERT_EQ(run(level, script), 0) << err.str();
    const auto v = lines();
    ASSERT_EQ(v.size(), 9u);
    EXPECT_TRUE(has(v[0], "\"score\":9,")) << v[0];
    EXPECT_TRUE(has(v[0], "\"x\":13,\"y\":4,")) << v[0];
    EXPECT_TRUE(has(v[2], "\"x\":16,\"y\":8,")) << v[2];
    EXPECT_TRUE(has(v[2], "\"viewX\":3,\"viewY\":0")) << v[2];
    EXPECT_TRUE(has(v[7], "\"score\":45,")) << v[7];
    EXPECT_TRUE(has(v[7], "\"levelEnding\":0")) << v[7];
    // The sixth nugget meets the gold goal: the world stops at once, mid-step.
    EXPECT_TRUE(has(v[8], "\"frame\":386,")) << v[8];
    EXPECT_TRUE(has(v[8], "\"frozen\":1,")) << v[8];
    EXPECT_TRUE(has(v[8], "\"score\":54,")) << v[8];
    EXPECT_TRUE(has(v[8], "\"x\":22,\"y\":13,")) << v[8];
    EXPECT_TRUE(has(v[8], "\"goldCollected\":6,")) << v[8];
    EXPECT_TRUE(has(v[8], "\"viewX\":11,\"viewY\":5,")) << v[8];
    EXPECT_TRUE(has(v[8], "\"goldRemaining\":4,")) << v[8];
    EXPECT_TRUE(has(v[8], "\"levelEnding\":1}")) << v[8];
}

TEST_F(LevelSim, GivingUpKillsAtEveryDifficultyAndShotsAreSaved)
{
    test::TempDir dir;
    const std::string level = (kLevels / "pack1/1.txt").string();
    ASSERT_EQ(run(level, "press F9\nstate\nshot " + dir.file("s.png") + "\n", {"--difficulty", "1"}), 0) << err.str();
    const auto v = lines();
    ASSERT_EQ(v.size(), 1u);
    EXPECT_TRUE(has(v[0], "\"dead\":1")) << v[0];
    EXPECT_TRUE(has(v[0], "\"diggerDead\":1")) << v[0];
    EXPECT_TRUE(has(v[0], "\"difficulty\":1")) << v[0];
    EXPECT_GT(test::readBytes(dir.file("s.png")).size(), 1000u);
}

TEST_F(LevelSim, UnknownCommandsAndUnreadableLevelsExitWithTwo)
{
    const std::string level = (kLevels / "pack0/1.txt").string();
    EXPECT_EQ(run(level, "frames 2\njump\n"), 2);
    EXPECT_NE(err.str().find("line 2"), std::string::npos);
    EXPECT_EQ(run(level, "down Jump\n"), 2) << "a name that is no key's";
    EXPECT_EQ(run("/nonexistent/level.ml_", "state\n"), 2);
}

TEST_F(LevelSim, BadArgumentsAndCountsAreRefusedWithTheirReason)
{
    const std::string level = (kLevels / "pack0/1.txt").string();
    // Counts beyond a million frames end the script at once instead of running for days.
    for (const char* script : {"frames 1000001\n", "until won 999999999\n", "until frame 5000000\n"}) {
        EXPECT_EQ(run(level, script), 2) << script;
        EXPECT_NE(err.str().find("at most 1000000 frames"), std::string::npos) << err.str();
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(run(level, "frames 3\nstate\n"), 0) << err.str();

    test::TempDir dir;
    EXPECT_EQ(run(level, "", {"--script", dir.path().string()}), 2);
    EXPECT_EQ(err.str(), dir.path().string() + ": not a script file: a folder\n");
    EXPECT_EQ(run(level, "", {"--script", dir.file("none.txt")}), 2);
    EXPECT_EQ(err.str(), dir.file("none.txt") + ": cannot be read: No such file or directory\n");

    for (const char* bad : {"x", "1x", "", "-1", "3"}) {
        EXPECT_EQ(run(level, "state\n", {"--difficulty", bad}), 2) << bad;
        EXPECT_NE(err.str().find("usage:"), std::string::npos) << bad;
        EXPECT_EQ(out.str(), "") << bad;
    }
    EXPECT_EQ(run(level, "", {"--index", "2x"}), 2);

    EXPECT_EQ(run(dir.file("gone.ml_"), "state\n"), 2);
    EXPECT_EQ(err.str(), dir.file("gone.ml_") + ": cannot be read: No such file or directory\n");
}

} // namespace
} // namespace burrowix
