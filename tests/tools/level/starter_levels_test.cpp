#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "level_cli.hpp"
#include "support/temp_dir.hpp"
#include "world/level_check.hpp"
#include "world/level_source.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

const fs::path kLevels = fs::path(BURROWIX_SOURCE_DIR) / "data/levels";

std::string readText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(StarterLevels, FivePerPackThatPassEveryCheckAndRoundTrip)
{
    for (int pack = 0; pack < 3; ++pack) {
        for (int n = 1; n <= 5; ++n) {
            const fs::path file = kLevels / ("pack" + std::to_string(pack)) / (std::to_string(n) + ".txt");
            ASSERT_TRUE(fs::exists(file)) << file;
            std::string error;
            const auto level = parseLevelSource(readText(file), error);
            ASSERT_TRUE(level) << file << ": " << error;
            EXPECT_TRUE(checkLevel(*level).empty()) << file << ": " << checkLevel(*level).front();
            EXPECT_EQ(level->goldGoalOn, 1) << file;
            if (pack > 0 || n >= 4) {
                EXPECT_EQ(level->killGoalOn, 1) << file;
            }

            const auto bytes = encodeLevelFile(*level);
            const auto back = parseLevelFile(bytes);
            ASSERT_TRUE(back);
            const auto again = compileLevelSource(decompileLevel(*back), error);
            ASSERT_TRUE(again) << error;
            EXPECT_EQ(*again, bytes) << file;
        }
    }
}

TEST(LevelTool, CompileDecompileAndValidate)
{
    test::TempDir dir;
    const std::string source = (kLevels / "pack0/1.txt").string();
    std::ostringstream out, err;
    ASSERT_EQ(runLevelTool({"compile", source, dir.file("1.ml_")}, out, err), 0) << err.str();
    ASSERT_EQ(runLevelTool({"decompile", dir.file("1.ml_")}, out, err), 0) << err.str();
    test::writeText(dir.file("back.txt"), out.str());
    ASSERT_EQ(runLevelTool({"compile", dir.file("back.txt"), dir.file("back.ml_")}, out, err), 0) << err.str();
    EXPECT_EQ(test::readBytes(dir.file("back.ml_")), test::readBytes(dir.file("1.ml_")));
    EXPECT_EQ(runLevelTool({"validate", dir.file("1.ml_")}, out, err), 0);

    test::writeText(dir.file("bad.txt"), "gold 1 5\nkill 0 0\nmap\n:@:\nend\n");
    std::ostringstream problems;
    EXPECT_EQ(runLevelTool({"validate", dir.file("bad.txt")}, problems, err), 1);
    EXPECT_NE(problems.str().find("at least 20 x 15"), std::string::npos);
    EXPECT_NE(problems.str().find("gold goal 5"), std::string::npos);
    EXPECT_EQ(runLevelTool({"frobnicate"}, out, err), 2);
}

TEST(LevelTool, RendersAStarterLevelWithTheGamesPictures)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    test::TempDir dir;
    std::ostringstream out, err;
    const std::string source = (kLevels / "pack0/2.txt").string();
    ASSERT_EQ(runLevelTool({"render", source, dir.file("a.png"), "--data", BURROWIX_GAME_DIR}, out, err), 0)
        << err.str();
    ASSERT_EQ(runLevelTool({"render", source, dir.file("b.png"), "--cell", "20", "--data", BURROWIX_GAME_DIR}, out,
                           err),
              0)
        << err.str();
    const auto a = test::readBytes(dir.file("a.png"));
    const auto b = test::readBytes(dir.file("b.png"));
    ASSERT_GT(a.size(), 1000u);
    ASSERT_GT(b.size(), 1000u);
    // PNG width and height: 33 x 22 cells of 40 and of 20 pixels.
    auto be32 = [](const std::vector<std::uint8_t>& v, std::size_t at) {
        return (v[at] << 24) | (v[at + 1] << 16) | (v[at + 2] << 8) | v[at + 3];
    };
    EXPECT_EQ(be32(a, 16), 33 * 40);
    EXPECT_EQ(be32(a, 20), 22 * 40);
    EXPECT_EQ(be32(b, 16), 33 * 20);
}

} // namespace
} // namespace burrowix
