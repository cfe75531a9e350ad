#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/headless_game.hpp"
#include "state/screen_flow_state.hpp"
#include "common/random.hpp"
#include "level_cli.hpp"
#include "level_render.hpp"
#include "platform/display/surface.hpp"
#include "support/temp_dir.hpp"
#include "world/cell_drawing.hpp"
#include "world/level_loader.hpp"
#include "world/level_source.hpp"
#include "world/world.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

const fs::path kLevels = fs::path(BURROWIX_SOURCE_DIR) / "data/levels";

TEST(LevelRender, TheLastColumnOfBackgroundBlocksIsDrawnAtBothSizes)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    // Pack 0 level 3 is 35 cells wide: its last block column (cells 30..34) lies under the walled hall whose tunnel
    // reaches cell (31, 14).
    std::string error;
    const std::optional<LevelFile> level = readLevelAny((kLevels / "pack0/3.txt").string(), error);
    ASSERT_TRUE(level) << error;
    ASSERT_EQ(openGameHeadless(BURROWIX_GAME_DIR, 0), "");
    for (const int cell : {40, 20}) {
        theRandom.reset();
        world.reset();
        world.theWorld = std::make_unique<World>();
        setUpLevel(*world.theWorld, *level, 2, cell, 0);
        const std::unique_ptr<Surface> picture = renderWholeLevel(*world.theWorld, cell);
        ASSERT_TRUE(picture);
        int black = 0;
        for (int y = 14 * cell; y < 15 * cell; ++y)
            for (int x = 31 * cell; x < 32 * cell; ++x)
                black += (picture->pixel(x, y) & 0xFFFFFF) == 0;
        EXPECT_LT(black, cell * cell / 4) << "cell size " << cell;
    }
    world.reset();
    closeGameHeadless();
}

TEST(LevelRender, AOneScreenLevelHasBackgroundUnderItsLastColumnAndRowInTheGame)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    // 20 x 15 cells: four block columns and three block rows, with tunnel in the last of each.
    std::string text = "gold 0 0\nkill 0 0\nmap\n####################\n";
    for (int y = 1; y < 14; ++y)
        text += y == 2 ? "#:@................#\n" : "#:::::::::::::::::.#\n";
    text += "####################\nend\n";
    std::string error;
    const std::optional<LevelFile> level = parseLevelSource(text, error);
    ASSERT_TRUE(level) << error;
    ASSERT_EQ(openGameHeadless(BURROWIX_GAME_DIR, 0), "");
    theRandom.reset();
    world.reset();
    world.theWorld = std::make_unique<World>();
    setUpLevel(*world.theWorld, *level, 0, 40, 0);
    Surface screen(800, 600);
    drawWorld(*world.theWorld, world.theDigger.get(), &screen);
    // The tunnel cells (18, 12) and (17, 2) lie in the last block column and the last block row.
    for (const auto& [cx, cy] : {std::pair{18, 12}, std::pair{17, 2}, std::pair{10, 2}}) {
        int black = 0;
        for (int y = cy * 40; y < cy * 40 + 40; ++y)
            for (int x = cx * 40; x < cx * 40 + 40; ++x)
                black += (screen.pixel(x, y) & 0xFFFFFF) == 0;
        EXPECT_LT(black, 400) << "cell " << cx << ", " << cy;
    }
    world.reset();
    closeGameHeadless();
}

TEST(LevelRender, DrawsALevelInTheThemeOfThePackItsDifficultySelects)
{
#ifndef BURROWIX_DATA_GENERATED
    GTEST_SKIP() << "this build does not generate the game data";
#endif
    // The level choice shows pack 1 in Frost and pack 2 in Ember: a cell of earth comes out cold
    // blue at difficulty 1 and red-brown at 0 and 2, at both sizes.
    std::string error;
    const std::optional<LevelFile> level = readLevelAny((kLevels / "pack1/1.txt").string(), error);
    ASSERT_TRUE(level) << error;
    for (const int difficulty : {0, 1, 2})
        for (const int cell : {40, 20}) {
            ASSERT_EQ(openGameHeadless(BURROWIX_GAME_DIR, difficulty), "");
            theRandom.reset();
            world.reset();
            world.theWorld = std::make_unique<World>();
            setUpLevel(*world.theWorld, *level, 0, cell, difficulty);
            const std::unique_ptr<Surface> picture = renderWholeLevel(*world.theWorld, cell);
            ASSERT_TRUE(picture);
            long red = 0, blue = 0;
            for (int y = 2 * cell; y < 3 * cell; ++y) // cell (1, 2) is earth
                for (int x = cell; x < 2 * cell; ++x) {
                    const std::uint32_t p = picture->pixel(x, y);
                    red += (p >> 16) & 0xFF;
                    blue += p & 0xFF;
                }
            if (difficulty == 1)
                EXPECT_GT(blue, red) << "cell size " << cell;
            else
                EXPECT_GT(red, blue) << "difficulty " << difficulty << " cell size " << cell;
            world.reset();
            closeGameHeadless();
        }
    std::ostringstream out, err;
    test::TempDir dir;
    EXPECT_EQ(runLevelTool({"render", (kLevels / "pack1/1.txt").string(), dir.file("x.png"), "--difficulty", "3"}, out, err), 2)
        << "no such level pack";
    EXPECT_EQ(runLevelTool({"render", (kLevels / "pack1/1.txt").string(), dir.file("x.png"), "--difficulty", "1",
                            "--cell", "20", "--data", BURROWIX_GAME_DIR},
                           out, err),
              0)
        << err.str();
}

} // namespace
} // namespace burrowix
