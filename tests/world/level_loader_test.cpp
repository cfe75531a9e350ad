#include <gtest/gtest.h>
#include <memory>

#include "common/le_io.hpp"
#include "support/temp_dir.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/level_loader.hpp"
#include "support/world_levels.hpp"

namespace burrowix {
namespace {

using test::levelFromMap;
using test::startWorld;

class LevelLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { test::resetWorldState(); }
    void TearDown() override { test::resetWorldState(); }
};

std::vector<std::uint8_t> values(std::initializer_list<std::int32_t> v)
{
    ByteWriter w;
    for (std::int32_t x : v)
        w.i32(x);
    return w.data();
}

TEST_F(LevelLoaderTest, ParameterIsReadOnlyForKindsThatCarryOne)
{
    // 2 x 1: a stone (kind, param) then earth (kind); then 1 block, start, goals.
    const auto bytes = values({2, 1, 1, 1, 0, 7, 1, 0, 1, 5, 0, 2, 0, 9, 8, 7});
    const auto level = parseLevelFile(bytes);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->kinds, (std::vector<std::int32_t>{1, 0}));
    EXPECT_EQ(level->params, (std::vector<std::int32_t>{1, 0}));
    EXPECT_EQ(level->blocks, std::vector<std::int32_t>{7});
    EXPECT_EQ(level->startX, 1);
    EXPECT_EQ(level->startY, 0);
    EXPECT_EQ(level->goldGoalOn, 1);
    EXPECT_EQ(level->goldGoal, 5);
    EXPECT_EQ(level->killGoal, 2);
    EXPECT_EQ(level->reserved3, 8);
    // Bytes after the last value are kept aside so the file can be rebuilt exactly.
    EXPECT_EQ(level->trailing, (std::vector<std::uint8_t>{7, 0, 0, 0}));
    EXPECT_FALSE(level->shortFile);
    EXPECT_EQ(encodeLevelFile(*level), bytes);
}

TEST_F(LevelLoaderTest, BlockGridRoundsUp)
{
    LevelFile f;
    f.width = 7;
    f.height = 10;
    EXPECT_EQ(f.blocksAcross(), 2);
    EXPECT_EQ(f.blocksDown(), 2);
    f.width = 10;
    f.height = 11;
    EXPECT_EQ(f.blocksAcross(), 2);
    EXPECT_EQ(f.blocksDown(), 3);
}

TEST_F(LevelLoaderTest, UnloadableAndShortFiles)
{
    // Every refusal says why.
    const std::pair<std::vector<std::uint8_t>, std::string> refused[] = {
        {values({0, 5}), "the size 0 x 5 is not positive"},
        {values({5, -1}), "the size 5 x -1 is not positive"},
        {values({3}), "the file ends before the level's width and height"},
        // A grid far bigger than the file is refused before anything is allocated for it.
        {values({0x7FFFFFFF, 0x7FFFFFFF, 0, 0}), "the size 2147483647 x 2147483647 is more than 1000000 cells"},
        {values({20, 20, 0, 0}), "the file ends inside the 20 x 20 cells"},
    };
    for (const auto& [bytes, reason] : refused) {
        std::string error;
        EXPECT_FALSE(parseLevelFile(bytes, &error));
        EXPECT_EQ(error, reason);
    }
    // A grid that would fit the file but is absurdly large.
    {
        std::vector<std::uint8_t> huge = values({1001, 1000});
        huge.resize(huge.size() + 4 * 1001 * 1000 + 44, 0);
        std::string error;
        EXPECT_FALSE(parseLevelFile(huge, &error));
        EXPECT_EQ(error, "the size 1001 x 1000 is more than 1000000 cells");
        const auto big = values({1000, 1000});
        std::vector<std::uint8_t> fits = big;
        fits.resize(fits.size() + 4 * 1000 * 1000, 0);
        EXPECT_TRUE(parseLevelFile(fits));
    }
    // A parameter far outside the small indices the pictures use would overflow the picture square
    // it selects: refused with the cell named; the kinds without a parameter read none.
    {
        std::string error;
        EXPECT_FALSE(parseLevelFile(values({2, 1, 0, KindWall, 0x7FFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), &error));
        EXPECT_EQ(error, "the parameter 2147483647 of the cell (1, 0) of kind 2 is outside -1000..1000");
        EXPECT_FALSE(parseLevelFile(values({1, 1, KindMineral, -1001, 0}), &error));
        EXPECT_TRUE(parseLevelFile(values({2, 1, KindMineral, 1000, KindStone, -1000, 0})));
    }
    // Cells cut short inside a stone's parameter.
    EXPECT_FALSE(parseLevelFile(values({2, 1, 0, 1})));
    // Cells complete, the rest missing: read as zeros.
    const auto shortLevel = parseLevelFile(values({2, 1, 4, 4, 3}));
    ASSERT_TRUE(shortLevel);
    EXPECT_TRUE(shortLevel->shortFile);
    EXPECT_EQ(shortLevel->blocks, std::vector<std::int32_t>{3});
    EXPECT_EQ(shortLevel->startX, 0);
    EXPECT_EQ(shortLevel->goldGoalOn, 0);
}

TEST_F(LevelLoaderTest, UnloadableFileGivesAnEmptyWorldThatCannotStart)
{
    test::TempDir dir;
    test::writeBytes(dir.file("bad.ml_"), values({0, 0}));
    World w;
    EXPECT_FALSE(loadLevel(w, dir.file("bad.ml_"), 0, 40, 0));
    EXPECT_FALSE(w.loaded);
    EXPECT_EQ(w.cellCount(), 0);
    ASSERT_TRUE(world.theDigger);
    EXPECT_TRUE(world.theDigger->dead);
    EXPECT_FALSE(loadLevel(w, dir.file("missing.ml_"), 0, 40, 0));
}

// The level a load read is handed back, so the start needs no second read; a failed load hands back
// nothing, whatever the caller held before.
TEST_F(LevelLoaderTest, TheLevelReadIsHandedBackAndNothingWhenTheLoadFails)
{
    test::TempDir dir;
    const auto bytes = values({2, 1, 1, 1, 0, 7, 1, 0, 1, 5, 0, 2, 0, 9, 8});
    test::writeBytes(dir.file("good.ml_"), bytes);
    test::writeBytes(dir.file("bad.ml_"), values({0, 0}));
    World w;
    std::optional<LevelFile> read;
    EXPECT_TRUE(loadLevel(w, dir.file("good.ml_"), 0, 40, 0, &read));
    ASSERT_TRUE(read);
    EXPECT_EQ(encodeLevelFile(*read), bytes);
    EXPECT_EQ(read->width, w.width);
    EXPECT_FALSE(loadLevel(w, dir.file("bad.ml_"), 0, 40, 0, &read));
    EXPECT_FALSE(read);
}

TEST_F(LevelLoaderTest, InitialViewAtBothCellSizes)
{
    EXPECT_EQ(initialView(40, 30, 3, 10, 40).x, 0);
    EXPECT_EQ(initialView(40, 30, 30, 10, 40).x, 18);
    EXPECT_EQ(initialView(40, 30, 27, 10, 40).x, 19); // 40 - 27 = 13: sx - 8
    EXPECT_EQ(initialView(40, 30, 5, 22, 40).y, 14);  // 30 - 22 = 8: sy - 8
    EXPECT_EQ(initialView(40, 30, 5, 23, 40).y, 16);  // 30 - 23 = 7: sy - 7
    EXPECT_EQ(initialView(40, 30, 20, 15, 20).x, 17); // 40 - 20 = 20: sx - 3
    EXPECT_EQ(initialView(40, 30, 21, 16, 20).x, 11); // sx - 10
    EXPECT_EQ(initialView(40, 30, 21, 16, 20).y, 4);  // 30 - 16 = 14: sy - 12
    EXPECT_EQ(initialView(40, 30, 2, 2, 20).y, 0);
}

TEST_F(LevelLoaderTest, EveryFifteenthFlatWallIsDecoratedAndCountsRestartPerLoad)
{
    LevelFile f = levelFromMap({std::string(46, '#'), std::string(46, '.')}, 1, 1);
    f.params[20] = 1; // a rounded wall does not count
    World& w = startWorld(f);
    std::vector<int> decorated;
    for (const Cell& c : w.cells)
        if (c.variant != 0)
            decorated.push_back(c.x * 10 + c.variant);
    // Flat walls counted from cell 0, skipping cell 20: the 15th is x 14, the 30th x 30, the 45th x 45.
    EXPECT_EQ(decorated, (std::vector<int>{141, 302, 453}));
    World& again = startWorld(f);
    EXPECT_EQ(again.cells[14].variant, 1);
    EXPECT_EQ(world.wallDecorCounter, 0);
    EXPECT_EQ(world.wallDecorNext, 1);
}

TEST_F(LevelLoaderTest, RandomValuesAreDrawnInCellOrderThenFirstFrames)
{
    LevelFile f = levelFromMap({"#####", "#c5s#", "#O$.#", "#####"}, 3, 2);
    f.params[7] = 5; // mineral of type 5 always twinkles
    World& w = startWorld(f, 3);

    RandomGenerator g;
    auto draw = [&g](int n) {
        const float unit = float(g.draw()) / 32767.0f;
        const int v = int(unit * float(n));
        return v >= n ? n - 1 : v;
    };
    static constexpr int looks3[2] = {2, 3};
    const int crawlerLook = looks3[draw(2)];
    draw(2); // the mineral's style, overridden for type 5
    const int stalkerLook = draw(4);
    EXPECT_EQ(w.cells[6].param, crawlerLook);
    EXPECT_EQ(w.cells[7].variant, 0);
    EXPECT_EQ(w.cells[8].param, stalkerLook);
    // First frames: the mineral (16 frames), then the stone and the gold.
    const int mineralFrame = draw(16);
    const int stoneFrame = draw(5);
    const int goldFrame = draw(40);
    EXPECT_EQ(w.cells[7].frame, mineralFrame);
    EXPECT_EQ(w.cells[11].frame, stoneFrame);
    EXPECT_EQ(w.cells[12].frame, goldFrame);
    EXPECT_EQ(w.rules.state, g.state);

    EXPECT_EQ(w.enemiesAtStart, 2);
    EXPECT_EQ(w.enemiesAlive, 2);
    EXPECT_EQ(w.goldRemaining, 1);
    EXPECT_EQ(w.cells[11].falls, 1);
    EXPECT_EQ(w.cells[0].destructible, 0);
    EXPECT_EQ(w.cells[6].isEnemy, 1);
}

TEST_F(LevelLoaderTest, OnlyTheClearingBlastStoneDrawsAFirstFrame)
{
    // A blast stone of parameter 1 draws no number, so the stone after it gets the first draw.
    LevelFile f = levelFromMap({"#####", "#xO.#", "#####"}, 3, 1);
    World& w = startWorld(f);
    RandomGenerator g;
    const int stoneFrame = int(float(g.draw()) / 32767.0f * 5.0f);
    EXPECT_EQ(w.cells[7].frame, stoneFrame);
    EXPECT_EQ(w.cells[6].frame, 0);
    EXPECT_EQ(w.rules.state, g.state);

    test::resetWorldState();
    World& w2 = startWorld(levelFromMap({"#####", "#XO.#", "#####"}, 3, 1));
    RandomGenerator g2;
    const int blastFrame = int(float(g2.draw()) / 32767.0f * 7.0f);
    EXPECT_EQ(w2.cells[6].frame, blastFrame);
    g2.draw();
    EXPECT_EQ(w2.rules.state, g2.state);

    // Another seed gives the level another course; the looks' generator is never drawn from.
    test::resetWorldState();
    theRandom.reset();
    auto w3 = std::make_unique<World>();
    w3->seed = 77;
    setUpLevel(*w3, levelFromMap({"#####", "#XO.#", "#####"}, 3, 1), 0, 40, 0);
    RandomGenerator g3;
    g3.reset(77);
    EXPECT_EQ(w3->cells[6].frame, int(float(g3.draw()) / 32767.0f * 7.0f));
    EXPECT_EQ(theRandom.state, RandomGenerator::kDefaultSeed);
}

TEST_F(LevelLoaderTest, StartIsClampedAndUnknownKindsAreInertBlocks)
{
    LevelFile f = levelFromMap({"####", "#..#", "####"}, 99, -4);
    f.kinds[5] = 40;
    f.kinds[6] = 14; // a shot from a file keeps a new cell's flags
    World& w = startWorld(f);
    ASSERT_TRUE(world.theDigger);
    EXPECT_EQ(world.theDigger->x, 3);
    EXPECT_EQ(world.theDigger->y, 0);
    EXPECT_EQ(w.cells[5].solid, 1);
    EXPECT_EQ(w.cells[6].solid, 0);
    EXPECT_EQ(w.cells[6].falls, 0);
    EXPECT_EQ(w.cells[6].destructible, 1);
}

} // namespace
} // namespace burrowix
