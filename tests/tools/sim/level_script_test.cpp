// The script commands that make solutions practical: walk, step, until, tick and options.

#include <gtest/gtest.h>

#include <sstream>

#include "sim_runner.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

// A walled yard: the digger at (2, 2); a wall with one gap at (10, 11) between it and the gold in the east; a stone at
// (5, 2) with tunnel beyond it; a stone resting on (2, 4) over a tunnel.
const char* const kYard = "gold 1 2\nkill 0 0\nmap\n"
                          "####################\n"
                          "#::::::::::::::::::#\n"
                          "#:@..O...:#::::::::#\n"
                          "#:::::::::#::::::$:#\n"
                          "#:O:::::::#::::::::#\n"
                          "#::::::::.#::::::::#\n"
                          "#::::::::.#::::::::#\n"
                          "#::::::::.#::::::::#\n"
                          "#::::::::.#::::::::#\n"
                          "#::::::::.#::::::::#\n"
                          "#::::::::.#::::::::#\n"
                          "#:::::::::::::::$::#\n"
                          "#::::::::::::::::::#\n"
                          "#::::::::::::::::::#\n"
                          "####################\n"
                          "end\n";

class LevelScript : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef BURROWIX_DATA_GENERATED
        GTEST_SKIP() << "this build does not generate the game data";
#endif
        test::writeText(dir.file("yard.txt"), kYard);
    }
    int run(const std::string& script, std::vector<std::string> extra = {})
    {
        std::vector<std::string> args{"level", dir.file("yard.txt"), "--data", BURROWIX_GAME_DIR};
        args.insert(args.end(), extra.begin(), extra.end());
        std::istringstream in(script);
        out.str("");
        err.str("");
        return runSimTool(args, in, out, err);
    }
    std::string lastLine() const
    {
        const std::string s = out.str();
        const std::size_t end = s.find_last_not_of('\n');
        const std::size_t start = s.rfind('\n', end);
        return s.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start) + 1);
    }

    test::TempDir dir;
    std::ostringstream out, err;
};

bool has(const std::string& s, const std::string& part)
{
    return s.find(part) != std::string::npos;
}

TEST_F(LevelScript, WalkDigsAroundTheWallTakesTheGoldAndWins)
{
    ASSERT_EQ(run("walk 17 3\nstate\nwalk 16 11\nstate\n"), 0) << err.str();
    std::istringstream lines(out.str());
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_TRUE(has(first, "\"x\":17,\"y\":3,")) << first;
    EXPECT_TRUE(has(first, "\"moving\":0,\"goldCollected\":1")) << first;
    EXPECT_TRUE(has(second, "\"goldCollected\":2")) << second;
    EXPECT_TRUE(has(second, "\"levelEnding\":1")) << second;
    EXPECT_TRUE(has(second, "\"dead\":0")) << second;
}

TEST_F(LevelScript, WalkNeverStepsDownFromUnderAStone)
{
    // Straight down from (2, 3) would drop the stone at (2, 4)... from (2, 5) the way down is under it: the walk goes
    // round through column 1 or 3 instead and the digger lives.
    ASSERT_EQ(run("walk 2 3\nwalk 2 12\nframes 40\nstate\n"), 0) << err.str();
    EXPECT_TRUE(has(lastLine(), "\"x\":2,\"y\":12,\"dead\":0")) << lastLine();
}

TEST_F(LevelScript, StepPushesAStoneAndStopsWhenItCannotMove)
{
    ASSERT_EQ(run("step Right 2\nstate\ncells\n"), 0) << err.str();
    std::istringstream lines(out.str());
    std::string state, cells;
    std::getline(lines, state);
    std::getline(lines, cells);
    EXPECT_TRUE(has(state, "\"x\":4,\"y\":2,")) << state;
    // Two steps along the tunnel; the stone still lies at column 5.
    EXPECT_TRUE(has(cells, "2,0,4,4,4,1,4,4,4,0,2")) << cells.substr(0, 300);
    // Then three pushes take it to column 8, where earth stops it: stuck after five cells.
    EXPECT_EQ(run("step Right 6\n"), 2);
    EXPECT_TRUE(has(err.str(), "stuck after 5")) << err.str();
    EXPECT_TRUE(has(err.str(), "\"x\":7,\"y\":2,")) << err.str();
    EXPECT_TRUE(has(err.str(), "state: {")) << err.str();
}

TEST_F(LevelScript, UntilStopsAtItsConditionOrFailsAtItsLimit)
{
    ASSERT_EQ(run("until frame 50\nstate\n"), 0) << err.str();
    EXPECT_TRUE(has(lastLine(), "\"frame\":50,")) << lastLine();
    EXPECT_EQ(run("until won 30\n"), 2);
    EXPECT_TRUE(has(err.str(), "not reached by frame 30")) << err.str();
    ASSERT_EQ(run("press F9\nuntil dead 5\nstate\n"), 0) << err.str();
    EXPECT_TRUE(has(lastLine(), "\"dead\":1")) << lastLine();
    // A death that never comes fails at the default limit, not twenty thousand frames later.
    EXPECT_EQ(run("until dead\n"), 2);
    EXPECT_TRUE(has(err.str(), "until dead: not reached by frame 3000")) << err.str();
    EXPECT_EQ(run("walk 40 3\n"), 2);
    EXPECT_EQ(run("until\n"), 2);
}

TEST_F(LevelScript, RecordedClockAndOptionsReplayTheSameRun)
{
    // The same walk as held keys on the fixed frame clock and as a recording with explicit ticks and its own options
    // line ends in the same state.
    std::string ticks = "options --difficulty 0 --index 0 --speed 15\ndown Right\n";
    for (int t = 26; t <= 26 * 40; t += 26)
        ticks += "tick " + std::to_string(t) + "\n";
    ticks += "up Right\nstate\ncells\n";
    ASSERT_EQ(run(ticks), 0) << err.str();
    const std::string recorded = out.str();
    ASSERT_EQ(run("down Right\nframes 40\nup Right\nstate\ncells\n"), 0) << err.str();
    EXPECT_EQ(out.str(), recorded);

    // A tick that is not due runs nothing; the options line sets the level up.
    ASSERT_EQ(run("options --difficulty 2 --index 3 --speed 15\ntick 10\nstate\n"), 0) << err.str();
    EXPECT_TRUE(has(lastLine(), "\"frame\":0,\"clock\":10,")) << lastLine();
    EXPECT_TRUE(has(lastLine(), "\"difficulty\":2,")) << lastLine();
    // The command line wins over the script's options.
    ASSERT_EQ(run("options --difficulty 2\nstate\n", {"--difficulty", "1"}), 0) << err.str();
    EXPECT_TRUE(has(lastLine(), "\"difficulty\":1,")) << lastLine();
    EXPECT_EQ(run("options --difficulty 7\nstate\n"), 2);
}

} // namespace
} // namespace burrowix
