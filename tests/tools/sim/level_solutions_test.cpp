// Every level of the three packs: present, free of problems, and won by the solution beside it.

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include "level_cli.hpp"
#include "support/shipped_levels.hpp"
#include "support/temp_dir.hpp"
#include "world/level_check.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;
using test::kLevelsPerPack;
using test::kShippedLevelSources;
using test::kShippedPacks;

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
    for (int pack = 0; pack < kShippedPacks; ++pack)
        for (int n = 1; n <= kLevelsPerPack; ++n) {
            const fs::path source = kShippedLevelSources / ("pack" + std::to_string(pack)) / (std::to_string(n) + ".txt");
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
class LevelSolutions : public test::ShippedLevelTest {};

TEST_P(LevelSolutions, TheSolutionWinsTheLevelAtThePacksDifficulty)
{
    if (!fs::exists(solution()))
        GTEST_SKIP() << name() << " has no solution";
    std::ostringstream out, err;
    const int status = play(test::readText(solution()) + "\nstate\n", out, err);
    const std::string name = this->name();
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

INSTANTIATE_TEST_SUITE_P(Levels, LevelSolutions, test::everyShippedLevel(), test::shippedLevelTestName);

} // namespace
} // namespace burrowix
