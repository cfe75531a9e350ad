// The player's own levels through the whole program: a level made with the editing model and saved
// into the player folder is found one step past the last pack in the level choice, plays and wins
// there without opening anything in the shipped packs; a damaged pack is set aside and not offered.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/own_level_pack.hpp"
#include "editor/edit_checks.hpp"
#include "editor/level_editor.hpp"
#include "support/app_script.hpp"
#include "support/json_fields.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

#ifdef BURROWIX_DATA_GENERATED

using test::jsonInt;

class OwnLevelsSim : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A returning player on Hard with one level open in every pack.
        test::writeHardPlayerFolder(work.path());
    }

    std::vector<std::string> run(const std::string& script)
    {
        return test::runAppScript(BURROWIX_GAME_DIR, work.path(), script);
    }

    test::TempDir work;
};

// From the main menu to the level choice, then Up twice: past Hard, into the own levels.
const char* const kToOwnLevels = "frames 2\nkey Esc\nframes 1\nkey Enter\nframes 40\nkey Up\nframes 40\n"
                                 "key Up\nframes 40\n";
// Start the level, dismiss the controls and level-start panels, take the nugget to the right.
const char* const kPlayTheNugget = "key Enter\nframes 80\nkey Space\nkey Space\nms 1100\nkey Space\nkey Space\n"
                                   "ms 1100\ndown Right\nms 1000\nup Right\nms 600\n";

TEST_F(OwnLevelsSim, ALevelMadeAndSavedIsFoundInTheLevelChoiceAndPlayed)
{
    LevelEditor ed;
    ed.placeStart(2, 2);
    ed.line(3, 2, 3, 2, Brush{KindGold, 0});
    LevelProps p = ed.level().props;
    p.title = "Tiny";
    p.goldGoalOn = true;
    p.goldGoal = 1;
    ed.setProps(p);
    ASSERT_TRUE(editChecks(ed.level()).empty()) << editChecks(ed.level()).front();
    OwnLevelPackState pack;
    pack.file.path = work.file(kOwnLevelsFileName);
    std::string error;
    ASSERT_TRUE(pack.store(ed.level(), 0, error)) << error;
    const auto progressBefore = test::readBytes(work.file("li.dat"));

    const auto s = run(std::string(kToOwnLevels) + "state\n" + kPlayTheNugget + "state\nms 1500\nkey Space\n"
                       "key Space\nms 1500\nstate\n");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 2);
    EXPECT_EQ(jsonInt(s[0], "difficulty"), 2) << "the own levels are played at the difficulty chosen";
    EXPECT_NE(s[1].find("\"goldCollected\":1"), std::string::npos) << s[1];
    EXPECT_NE(s[1].find("\"digger\":[3,2]"), std::string::npos) << "the own level, not Hard's first: " << s[1];
    EXPECT_EQ(jsonInt(s[2], "screen"), 11) << "its only level won: the set is done";
    EXPECT_EQ(test::readBytes(work.file("li.dat")), progressBefore) << "nothing opened in the shipped packs";
}

TEST_F(OwnLevelsSim, ADamagedPackIsSetAsideAndNotOffered)
{
    test::writeText(work.file(kOwnLevelsFileName), "burrowix own levels 1\nlevel 5\nabc");
    const auto s = run(std::string(kToOwnLevels) + "key Enter\nframes 80\nstate\n");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 1);
    EXPECT_EQ(s[0].find("\"digger\":[2,2]"), std::string::npos) << "Hard's first level, not an own one";
    EXPECT_FALSE(std::filesystem::exists(work.file(kOwnLevelsFileName)));
    EXPECT_EQ(test::readText(work.file(std::string(kOwnLevelsFileName) + ".bad")),
              "burrowix own levels 1\nlevel 5\nabc");
}

#endif

} // namespace
} // namespace burrowix
