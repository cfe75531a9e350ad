#pragma once
// The levels of the three shipped packs as test parameters: one test per level, named after it,
// played by burrowix-sim at its pack's difficulty with the game data the build generated.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "sim_runner.hpp"
#include "common/asset_manifest.hpp"

namespace burrowix::test {

inline constexpr int kShippedPacks = assets::kLevelPackCount;
inline constexpr int kLevelsPerPack = assets::kLevelsPerPack;

inline const std::filesystem::path kShippedLevelSources = std::filesystem::path(BURROWIX_SOURCE_DIR) / "data/levels";

// Parameter (pack, level number from 1). Skips when the build made no game data or the level is
// missing, so that the tests below only see levels that exist.
class ShippedLevelTest : public ::testing::TestWithParam<std::tuple<int, int>> {
protected:
    void SetUp() override
    {
#ifndef BURROWIX_DATA_GENERATED
        GTEST_SKIP() << "this build does not generate the game data";
#endif
        if (!std::filesystem::exists(source()))
            GTEST_SKIP() << name() << " does not exist";
    }

    int pack() const { return std::get<0>(GetParam()); }
    int number() const { return std::get<1>(GetParam()); }
    std::string name() const { return "pack" + std::to_string(pack()) + "/" + std::to_string(number()); }
    std::filesystem::path source() const { return kShippedLevelSources / (name() + ".txt"); }
    std::filesystem::path solution() const { return kShippedLevelSources / (name() + ".solution"); }

    // Runs the script on the level at its pack's difficulty and place; `extra` adds options.
    int play(const std::string& script, std::ostringstream& out, std::ostringstream& err,
             const std::vector<std::string>& extra = {}) const
    {
        std::vector<std::string> args{"level", source().string(), "--difficulty", std::to_string(pack()),
                                      "--index", std::to_string(number() - 1), "--data", BURROWIX_GAME_DIR};
        args.insert(args.end(), extra.begin(), extra.end());
        std::istringstream in(script);
        return runSimTool(args, in, out, err);
    }
};

inline auto everyShippedLevel()
{
    return ::testing::Combine(::testing::Range(0, kShippedPacks), ::testing::Range(1, kLevelsPerPack + 1));
}

inline std::string shippedLevelTestName(const ::testing::TestParamInfo<std::tuple<int, int>>& info)
{
    return "pack" + std::to_string(std::get<0>(info.param)) + "_level" + std::to_string(std::get<1>(info.param));
}

} // namespace burrowix::test
