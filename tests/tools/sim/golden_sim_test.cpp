// Every starter level at every difficulty played by one fixed script (tests/golden/sim/script.txt)
// must print exactly the JSON recorded in tests/golden/sim/. A difference means the rules changed.
// After an intended change of the rules or of a starter level, rewrite the recordings with
// BURROWIX_UPDATE_GOLDEN=1 build/tests/burrowix_tests --gtest_filter='GoldenSim.*' and review the diff.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim_runner.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = BURROWIX_SOURCE_DIR;
const fs::path kGolden = kSource / "tests/golden/sim";

using test::readText;

constexpr int kStarterLevels = 5;

TEST(GoldenSim, EveryStarterLevelAtEveryDifficultyPlaysAsRecorded)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    const bool update = std::getenv("BURROWIX_UPDATE_GOLDEN") != nullptr;
    const std::string script = readText(kGolden / "script.txt");
    ASSERT_FALSE(script.empty());
    int compared = 0;
    for (int pack = 0; pack <= 2; ++pack) {
        // The five starter levels of each pack: the recordings guard the rules, not the level set.
        for (int level = 1; level <= kStarterLevels; ++level) {
            const fs::path source =
                kSource / "data/levels" / ("pack" + std::to_string(pack)) / (std::to_string(level) + ".txt");
            for (int difficulty = 0; difficulty <= 2; ++difficulty) {
                const std::string name = "pack" + std::to_string(pack) + "-" + std::to_string(level) + "-d" +
                                         std::to_string(difficulty) + ".json";
                std::istringstream in(script);
                std::ostringstream out, err;
                ASSERT_EQ(runSimTool({"level", source.string(), "--difficulty", std::to_string(difficulty),
                                      "--index", std::to_string(level - 1), "--data", BURROWIX_GAME_DIR},
                                     in, out, err),
                          0)
                    << name << ": " << err.str();
                if (update) {
                    std::ofstream(kGolden / name, std::ios::binary | std::ios::trunc) << out.str();
                    continue;
                }
                ASSERT_TRUE(fs::exists(kGolden / name)) << name << " has no recording";
                EXPECT_EQ(out.str(), readText(kGolden / name)) << name;
                ++compared;
            }
        }
    }
    if (update)
        return;
    // Every recording belongs to a level that is still there.
    int recordings = 0;
    for (const auto& entry : fs::directory_iterator(kGolden))
        recordings += entry.path().extension() == ".json";
    EXPECT_EQ(compared, recordings);
}

} // namespace
} // namespace burrowix
