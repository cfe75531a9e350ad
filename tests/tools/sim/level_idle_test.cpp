// Every shipped level left alone for its first 20 seconds of play at its pack's difficulty: nothing
// dies (neither Brannok nor an enemy), no gold is destroyed and no goal counter moves, so no level
// gives its goal away (or takes a life) before the player has moved. A level whose idea is that
// enemies meet their end on their own says so with a line "; idle: enemies die" in its source; its
// gold and Brannok are still checked.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "sim_runner.hpp"
#include "support/json_fields.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;
using test::jsonInt;

const fs::path kLevels = fs::path(BURROWIX_SOURCE_DIR) / "data/levels";
constexpr int kIdleMs = 20000;
// At game speed 15 a frame falls due every 26 ms.
constexpr int kSpeed = 15, kFrameMs = 41 - kSpeed;

// The value of `name` in the digger's or the world's part of a state line.
int part(const std::string& state, const std::string& object, const std::string& name)
{
    const std::size_t at = state.find("\"" + object + "\":{");
    return at == std::string::npos ? -9999 : jsonInt(state.substr(at), name);
}

class LevelIdle : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(LevelIdle, TwentySecondsWithoutInputKillNothingDestroyNoGoldAndMoveNoGoal)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    const auto [pack, n] = GetParam();
    const std::string name = "pack" + std::to_string(pack) + "/" + std::to_string(n);
    const fs::path source = kLevels / (name + ".txt");
    if (!fs::exists(source))
        GTEST_SKIP() << name << " does not exist";
    const bool enemiesMayDie = test::readText(source).find("; idle: enemies die") != std::string::npos;
    std::istringstream script("state\nframes " + std::to_string(kIdleMs / kFrameMs + 1) + "\nstate\n");
    std::ostringstream out, err;
    ASSERT_EQ(runSimTool({"level", source.string(), "--difficulty", std::to_string(pack), "--index",
                          std::to_string(n - 1), "--speed", std::to_string(kSpeed), "--data", BURROWIX_GAME_DIR},
                         script, out, err),
              0)
        << err.str();
    std::istringstream lines(out.str());
    std::string first, last;
    std::getline(lines, first);
    std::getline(lines, last);
    ASSERT_GE(jsonInt(last, "clock") - jsonInt(first, "clock"), kIdleMs) << name;
    EXPECT_EQ(part(last, "digger", "dead"), 0) << name << ": Brannok died\n" << last;
    EXPECT_EQ(jsonInt(last, "lives"), jsonInt(first, "lives")) << name;
    if (!enemiesMayDie) {
        EXPECT_EQ(part(last, "world", "enemiesAlive"), part(first, "world", "enemiesAlive"))
            << name << ": enemies died without the player\n" << last;
        EXPECT_EQ(part(last, "digger", "enemiesKilled"), 0) << name;
    }
    EXPECT_EQ(part(last, "world", "goldRemaining"), part(first, "world", "goldRemaining"))
        << name << ": gold was destroyed\n" << last;
    EXPECT_EQ(part(last, "digger", "goldCollected"), 0) << name;
    EXPECT_EQ(jsonInt(last, "levelEnding"), 0) << name << " ended by itself";
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelIdle, ::testing::Combine(::testing::Range(0, 3), ::testing::Range(1, 31)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return "pack" + std::to_string(std::get<0>(info.param)) + "_level" +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
} // namespace burrowix
