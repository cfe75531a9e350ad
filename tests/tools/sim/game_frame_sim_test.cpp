#include <gtest/gtest.h>

#include <sstream>

#include "sim_runner.hpp"
#include "support/json_fields.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

using test::jsonArray;

TEST(GameFrameSim, TheSimulatorRunsGravityEnemiesAndWeaponsFromKeys)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#else
    test::TempDir dir;
    const std::string level = dir.file("crafted.txt");
    const std::string source("gold 1 99\nkill 0 0\nmap\n"
                             "############\n"
                             "#::O:::::::#\n"
                             "#::.:::::::#\n"
                             "#::::::::::#\n"
                             "#@.....::::#\n"
                             "#::::::::::#\n"
                             "#::w...::::#\n"
                             "############\n"
                             "############\n"
                             "end\n");
    test::writeBytes(level, std::vector<std::uint8_t>(source.begin(), source.end()));
    // Wait out the weapon cooldown, face right without stepping, fire the selected shot.
    std::istringstream in("frames 30\npress Right\npress Space\nframes 60\nstate\ncells\n");
    std::ostringstream out, err;
    ASSERT_EQ(runSimTool({"level", level, "--data", BURROWIX_GAME_DIR, "--difficulty", "1"}, in, out, err), 0)
        << err.str();
    std::istringstream lines(out.str());
    std::string state, cells;
    std::getline(lines, state);
    std::getline(lines, cells);
    EXPECT_EQ(jsonArray(state, "ammunition")[3], 14) << state;
    const std::vector<int> kind = jsonArray(cells, "kind");
    ASSERT_EQ(kind.size(), 12u * 9u);
    auto at = [&](int x, int y) { return kind[std::size_t(y * 12 + x)]; };
    EXPECT_EQ(at(3, 1), 4) << "the stone fell";
    EXPECT_EQ(at(3, 2), 1);
    EXPECT_EQ(at(7, 4), 4) << "the shot destroyed the earth it hit";
    EXPECT_EQ(at(8, 4), 0) << "and nothing behind it";
    EXPECT_NE(at(3, 6), 11) << "the walker walked";
    EXPECT_EQ(at(3, 6) + at(4, 6) + at(5, 6) + at(6, 6), 11 + 3 * 4);
#endif
}

} // namespace
} // namespace burrowix
