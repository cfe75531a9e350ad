#include <gtest/gtest.h>

#include <filesystem>

#include "app/headless_game.hpp"
#include "app/screen_flow_state.hpp"
#include "common/random.hpp"
#include "level_cli.hpp"
#include "level_render.hpp"
#include "platform/display/surface.hpp"
#include "world/level_loader.hpp"
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
        setUpLevel(*world.theWorld, *level, 2, cell);
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

} // namespace
} // namespace burrowix
