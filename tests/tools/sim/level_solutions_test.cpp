// Every level of the three packs: present, free of problems, and won by the solution beside it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <tuple>

#include "level_cli.hpp"
#include "sim_runner.hpp"
#include "world/level_check.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

const fs::path kLevels = fs::path(BURROWIX_SOURCE_DIR) / "data/levels";
constexpr int kPacks = 3;
constexpr int kLevelsPerPack = 30;

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string field(const std::string& json, const std::string& name)
{
    const std::size_t at = json.find("\"" + name + "\":");
    if (at == std::string::npos)
        return "";
    const std::size_t from = at + name.size() + 3;
    return json.substr(from, json.find_first_of(",}", from) - from);
}

TEST(LevelPacks, EveryLevelIsFreeOfProblems)
{
    for (int pack = 0; pack < kPacks; ++pack)
        for (int n = 1; n <= kLevelsPerPack; ++n) {
            const fs::path source = kLevels / ("pack" + std::to_string(pack)) / (std::to_string(n) + ".txt");
            if (!fs::exists(source)) {
                // The pack's levels are numbered from 1 without gaps.
                EXPECT_FALSE(fs::exists(source.parent_path() / (std::to_string(n + 1) + ".txt"))) << source;
                continue;
            }
            std::string error;
            const std::optional<LevelFile> level = readLevelAny(source.string(), error);
            ASSERT_TRUE(level) << source << ": " << error;
            for (const std::string& problem : checkLevel(*level))
                ADD_FAILURE() << source << ": " << problem;
        }
}

// One test per level, so that each names its level and the levels run in parallel.
class LevelSolutions : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(LevelSolutions, TheSolutionWinsTheLevelAtThePacksDifficulty)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    const auto [pack, n] = GetParam();
    const std::string name = "pack" + std::to_string(pack) + "/" + std::to_string(n);
    const fs::path source = kLevels / (name + ".txt");
    const fs::path solution = kLevels / (name + ".solution");
    if (!fs::exists(source) || !fs::exists(solution))
        GTEST_SKIP() << name << " has no level or no solution";
    std::istringstream script(readAll(solution) + "\nstate\n");
    std::ostringstream out, err;
    const int status = runSimTool({"level", source.string(), "--difficulty", std::to_string(pack), "--index",
                                   std::to_string(n - 1), "--data", BURROWIX_GAME_DIR},
                                  script, out, err);
    const std::string output = out.str();
    const std::size_t lastLine = output.rfind("{\"frame\"");
    const std::string state = lastLine == std::string::npos ? "" : output.substr(lastLine);
    const bool won = status == 0 && field(state, "levelEnding") == "1" && field(state, "dead") == "0";
    if (won)
        std::cout << name << ": won in " << field(state, "frame") << " frames\n";
    else
        ADD_FAILURE() << name << " is not won by its solution (status " << status << ")\n"
                      << err.str() << (state.empty() ? "" : "final state: " + state);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelSolutions,
                         ::testing::Combine(::testing::Range(0, kPacks), ::testing::Range(1, kLevelsPerPack + 1)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return "pack" + std::to_string(std::get<0>(info.param)) + "_level" +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
} // namespace burrowix
