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

using test::readText;

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
    EXPECT_NE(problems.str().find("the gold goal is 5 but there are 0 nuggets"), std::string::npos);
    EXPECT_EQ(runLevelTool({"frobnicate"}, out, err), 2);
}

// One size limit for compile and for every reader, and a reason in each refusal.
TEST(LevelTool, RefusalsSayWhyAndCompileKeepsTheReadersSizeLimit)
{
    test::TempDir dir;
    std::ostringstream out, err;
    auto source = [](int width, int height) {
        std::string text = "gold 0 0\nkill 0 0\nmap\n";
        for (int y = 0; y < height; ++y)
            text += (y == 0 ? "@" : ":") + std::string(std::size_t(width - 1), ':') + "\n";
        return text + "end\n";
    };
    test::writeText(dir.file("wide.txt"), source(1100, 1000));
    EXPECT_EQ(runLevelTool({"compile", dir.file("wide.txt"), dir.file("wide.ml_")}, out, err), 1);
    EXPECT_NE(err.str().find("the map is too large: the size 1100 x 1000 is more than 1000000 cells"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(dir.file("wide.ml_")));

    test::writeText(dir.file("cut.ml_"), std::string("\x05\0\0\0\x05\0\0\0", 8));
    err.str("");
    EXPECT_EQ(runLevelTool({"decompile", dir.file("cut.ml_")}, out, err), 1);
    EXPECT_EQ(err.str(), dir.file("cut.ml_") + ": not a loadable level file: the file ends inside the 5 x 5 cells\n");
    for (const char* missing : {"none.ml_", "none.txt"}) {
        err.str("");
        EXPECT_NE(runLevelTool({"validate", dir.file(missing)}, out, err), 0);
        EXPECT_EQ(err.str(), dir.file(missing) + ": cannot be read: No such file or directory\n");
    }
    err.str("");
    EXPECT_EQ(runLevelTool({"decompile", dir.file("none.ml_")}, out, err), 1);
    EXPECT_EQ(err.str(), dir.file("none.ml_") + ": cannot be read: No such file or directory\n");

    // A level whose picture would be too large for memory is refused before anything is drawn.
    test::writeText(dir.file("big.txt"), source(300, 300));
    err.str("");
    EXPECT_EQ(runLevelTool({"render", dir.file("big.txt"), dir.file("big.png"), "--data", dir.path().string()}, out,
                           err),
              1);
    EXPECT_NE(err.str().find("the picture would have 144000000 pixels, more than render draws (40000000)"),
              std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(dir.file("big.png")));
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
