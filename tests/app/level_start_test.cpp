#include <gtest/gtest.h>

#include "app/level_start.hpp"
#include "app/pack_info.hpp"
#include "platform/archive/pack_writer.hpp"
#include "state/screen_flow_state.hpp"
#include "support/temp_dir.hpp"
#include "world/digger.hpp"
#include "support/world_levels.hpp"
#include "support/described_pack.hpp"

namespace burrowix {
namespace {

class LevelStart : public ::testing::Test {
protected:
    void SetUp() override { test::resetWorldState(); }
    void TearDown() override
    {
        theCatalogue.reset();
        test::resetWorldState();
    }
};

TEST_F(LevelStart, ReadsTheMemberOfTheCurrentLevelPack)
{
    test::TempDir dir;
    LevelFile f = test::levelFromMap({"######", "#....#", "#:$::#", "######"}, 2, 1);
    f.killGoal = 7;
    ASSERT_TRUE(test::writeDescribedPack(dir.file("levels.pak"), test::levelPackInfo(), {{"3.ml_", encodeLevelFile(f)}}));
    ASSERT_TRUE(writePackArchive(dir.file("standart.pak"), {{"x.bmp", {1, 2, 3}}}));
    theCatalogue.folder = dir.path().string();
    ASSERT_EQ(theCatalogue.build({"levels.pak", "standart.pak"}), 1);
    theRecords.hallOfFame.score = 55;
    theRecords.hallOfFame.placedTnt = 9;

    EXPECT_EQ(levelMemberName(2), "3.ml_");
    EXPECT_EQ(levelMemberName(29), "30.ml_");
    screenFlow.levelNumber = 2;
    startLevel(2);
    ASSERT_TRUE(world.theWorld);
    const World& w = *world.theWorld;
    EXPECT_TRUE(w.loaded);
    EXPECT_EQ(w.width, 6);
    EXPECT_EQ(w.killGoal, 7);
    EXPECT_EQ(w.levelIndex, 2);
    EXPECT_EQ(w.viewWidth, 20);
    EXPECT_EQ(app.worldReady, 1);
    EXPECT_EQ(gameScreen.frozen, 1);
    EXPECT_EQ(theRecords.levelStartRecord.score, 55);
    // A TNT waiting on the last level cannot reach into this one.
    EXPECT_EQ(theRecords.hallOfFame.placedTnt, 0);
    EXPECT_FALSE(w.tntLatch);
    EXPECT_EQ(screenFlow.levelChoiceKeysEnabled, 1);

    // A level the pack does not have, and no plain file of that name: nothing can be played.
    startLevel(5);
    EXPECT_FALSE(world.theWorld->loaded);
    EXPECT_EQ(app.worldReady, 0);
}

} // namespace
} // namespace burrowix
