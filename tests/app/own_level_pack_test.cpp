#include <gtest/gtest.h>

#include <filesystem>

#include "app/own_level_pack.hpp"
#include "editor/level_editor.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

EditLevel levelTitled(const std::string& title, std::int32_t width)
{
    LevelEditor ed(blankLevel(width, 15));
    ed.placeStart(2, 2);
    ed.line(3, 3, 9, 3, Brush{KindGold, 0});
    LevelProps p = ed.level().props;
    p.title = title;
    p.goldGoalOn = true;
    p.goldGoal = 7;
    ed.setProps(p);
    return ed.level();
}

class OwnLevelPackTest : public ::testing::Test {
protected:
    test::TempDir dir;
    OwnLevelPackState pack;
    std::string path = dir.file("own.dat");

    void SetUp() override { pack.file.path = path; }
    // The pack as a new run reads it.
    OwnLevelPackState reread() const
    {
        OwnLevelPackState again;
        again.file.path = path;
        again.load();
        return again;
    }
};

TEST_F(OwnLevelPackTest, StoredLevelsComeBackInTheirPlaces)
{
    EXPECT_EQ(pack.load(), 0u);
    EXPECT_FALSE(fs::exists(path)); // nothing is written before a save
    std::string error;
    ASSERT_TRUE(pack.store(levelTitled("First", 20), 0, error)) << error;
    ASSERT_TRUE(pack.store(levelTitled("Second", 30), 1, error)) << error;
    ASSERT_TRUE(pack.store(levelTitled("Second, wider", 40), 1, error)) << error;
    EXPECT_FALSE(pack.store(levelTitled("Gap", 20), 3, error));

    OwnLevelPackState again = reread();
    ASSERT_EQ(again.levels.size(), 2u);
    EXPECT_EQ(again.levels[0].notes.title, "First");
    EXPECT_EQ(again.levels[1].notes.title, "Second, wider");
    EXPECT_EQ(again.levels[1].file.width, 40);
    EXPECT_EQ(encodeLevelFile(again.levels[0].file), encodeLevelFile(toLevelFile(levelTitled("First", 20))));
    EXPECT_EQ(again.levels[0].file.startX, 2);

    ASSERT_TRUE(again.remove(0, error)) << error;
    EXPECT_FALSE(again.remove(5, error));
    ASSERT_EQ(reread().levels.size(), 1u);
    EXPECT_EQ(reread().levels[0].notes.title, "Second, wider");
}

TEST_F(OwnLevelPackTest, APackHoldsThirtyLevels)
{
    std::string error;
    for (std::size_t i = 0; i < OwnLevelPack::kMaxLevels; ++i)
        ASSERT_TRUE(pack.store(levelTitled(std::to_string(i), 20), i, error)) << error;
    EXPECT_FALSE(pack.store(levelTitled("one more", 20), OwnLevelPack::kMaxLevels, error));
    EXPECT_NE(error.find("at most 30"), std::string::npos);
    EXPECT_TRUE(pack.store(levelTitled("replaced", 20), 29, error)) << error;
}

TEST_F(OwnLevelPackTest, ADamagedPackIsSetAsideAndNeverWrittenOver)
{
    // A pack that parses but holds a level source that does not.
    test::writeText(path, encodeOwnLevelPack({{"gold 0 0\nkill 0 0\nmap\n@\nend\n", "not a level"}}));
    const std::string damaged = test::readText(path);
    EXPECT_EQ(pack.load(), 0u);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(test::readText(path + ".bad"), damaged);
    std::string error;
    ASSERT_TRUE(pack.store(levelTitled("New", 20), 0, error)) << error;
    EXPECT_EQ(reread().levels.size(), 1u);
    EXPECT_EQ(test::readText(path + ".bad"), damaged);

}

} // namespace
} // namespace burrowix
