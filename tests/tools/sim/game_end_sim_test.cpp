// The whole program from scripts on the generated data with crafted level packs of small levels:
// a new game through its panels, a won level into the next, deaths and retries up to game over with
// the name typed at once stored in the hall of fame, the won game after the pack's last level, the exit panel and
// the HUD toggle.
#include <gtest/gtest.h>
#include "common/asset_manifest.hpp"

#include <filesystem>

#include "bmp_writer.hpp"
#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "app/pack_info.hpp"
#include "platform/archive/pack_writer.hpp"
#include "support/app_script.hpp"
#include "support/json_fields.hpp"
#include "support/temp_dir.hpp"
#include "world/level_source.hpp"

namespace burrowix {
namespace {

using assets::pictureFile;
using P = assets::PictureId;

#ifdef BURROWIX_DATA_GENERATED

using test::jsonArray;
using test::jsonInt;

namespace fs = std::filesystem;

// A corridor level: the digger at (1, 1) with `row` to its right.
std::string corridor(const std::string& row, int goldGoal)
{
    const std::string wall(row.size() + 3, '#');
    const std::string earth = "#" + std::string(row.size() + 1, ':') + "#";
    return "gold 1 " + std::to_string(goldGoal) + "\nkill 0 0\nmap\n" + wall + "\n#@" + row + "#\n" + earth + "\n" +
           wall + "\nend\n";
}

class GameEndSim : public ::testing::Test {
protected:
    // The generated data with the level pack of `difficulty` replaced by `levels`.
    void craftData(int difficulty, const std::vector<std::string>& levels)
    {
        for (const auto& entry : fs::directory_iterator(BURROWIX_GAME_DIR))
            if (entry.path().extension() == ".pak" || entry.path().extension() == ".ttf")
                fs::copy_file(entry.path(), data.path() / entry.path().filename());
        PackInfo info;
        info.packType = PackInfo::kLevelPack;
        info.title = "Crafted";
        info.themeNumber = difficulty;
        info.packNumber = difficulty;
        info.levelCount = int(levels.size());
        const mkdata::Image cover(4, 4, {10, 20, 30});
        std::vector<PackEntry> entries{{"pak.dsc", encodePackDescription(info)},
                                       {pictureFile(P::PackEmblem), mkdata::encodeBmp24(cover)}};
        for (std::size_t i = 0; i < levels.size(); ++i) {
            std::string error;
            const auto bytes = compileLevelSource(levels[i], error);
            ASSERT_TRUE(bytes) << error;
            entries.push_back({std::to_string(i + 1) + ".ml_", *bytes});
        }
        ASSERT_TRUE(writePackArchive(data.file("levels" + std::to_string(difficulty) + ".pak"), entries));

        // The default hall of fame of a player who has chosen a difficulty before.
        HallOfFame table;
        ASSERT_TRUE(HallOfFameFile{work.file("score.dat")}.write(table, 0));
    }

    // The options' level and difficulty, and `unlocked` levels open in every set.
    void openLevels(int level, int unlocked)
    {
        StoredOptions stored;
        stored.level = level;
        stored.difficulty = difficultyUsed;
        ASSERT_TRUE(writeOptionsFile(work.file("opt.dat"), stored));
        LevelProgress progress;
        progress.unlocked.fill(unlocked);
        ASSERT_TRUE(progress.write(work.file("li.dat")));
    }

    // Runs `script` after the way from the logo into the game; the state lines it printed.
    std::vector<std::string> play(const std::string& script)
    {
        return test::runAppScript(data.path().string(), work.path(),
                                  "frames 2\nkey Esc\nframes 1\nkey Enter\nframes 3\nkey Enter\nframes 2\n" + script);
    }

    void setUp(int difficulty, const std::vector<std::string>& levels, int level = 0, int unlocked = 1)
    {
        difficultyUsed = difficulty;
        craftData(difficulty, levels);
        openLevels(level, unlocked);
    }

    test::TempDir data;
    test::TempDir work;
    int difficultyUsed = 0;
};

// Panels in the state's order.
enum { Controls, LevelStart, Exit, Died, Complete };

std::vector<int> panels(const std::string& state)
{
    return jsonArray(state, "panels");
}

// Each panel is dismissed by two keys (settle, rise) and gone after its rise (15 steps of 40 ms,
// which take two frames each at the default game speed).
const char* const kDismiss = "key Space\nkey Space\nms 1100\n";

TEST_F(GameEndSim, ANewGameShowsItsPanelsPlaysAndWinsIntoTheNextLevelWithProgressSaved)
{
    setUp(0, {corridor("$.....", 1), corridor("$.....", 1)});
    std::string script = "state\n";
    script += kDismiss;
    script += "state\n";
    script += kDismiss;
    script += "ms 800\nstate\n";
    // The nugget at about 150 ms, the HUD hidden and the level-complete panel dropping 600 ms later.
    script += "down Right\nms 1000\nup Right\nms 600\nstate\n";
    script += "ms 300\nkey Space\nkey Space\nms 800\nstate\n"; // about 1100 ms in: keys ignored
    script += "ms 400\nkey Space\nkey Space\nms 1100\nstate\nclose\n";
    const auto s = play(script);
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 1);
    EXPECT_EQ(panels(s[0]), (std::vector<int>{1, 0, 0, 0, 0})) << "the controls first";
    EXPECT_EQ(jsonInt(s[0], "frozen"), 1);
    EXPECT_EQ(panels(s[1]), (std::vector<int>{0, 1, 0, 0, 0})) << "then the level start";
    EXPECT_EQ(panels(s[2]), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(jsonInt(s[2], "frozen"), 0);
    EXPECT_EQ(jsonInt(s[2], "hudShown"), 1);
    EXPECT_EQ(jsonInt(s[2], "hudOffset"), 0) << "the HUD has slid in";
    EXPECT_EQ(jsonInt(s[3], "goldCollected"), 1);
    EXPECT_EQ(jsonInt(s[3], "levelEnding"), 2);
    EXPECT_EQ(panels(s[3])[Complete], 1);
    EXPECT_EQ(panels(s[4])[Complete], 1) << "keys within 1500 ms leave the panel up";
    EXPECT_EQ(jsonInt(s[5], "level"), 1);
    EXPECT_EQ(panels(s[5]), (std::vector<int>{0, 1, 0, 0, 0})) << "the next level's start panel";
    EXPECT_EQ(jsonInt(s[5], "score"), 9);
    LevelProgress saved;
    ASSERT_TRUE(saved.read(work.file("li.dat")));
    EXPECT_EQ(saved.unlockedLevels(0), 2);
}

TEST_F(GameEndSim, DeathsRetryTheLevelAndTheLastOneEndsTheGameWithTheNameStored)
{
    setUp(2, {corridor("$$$$$.", 6)});
    std::string script = kDismiss;
    script += kDismiss;
    script += "ms 600\ndown Right\nms 1500\nup Right\nms 200\n"; // four nuggets or more
    script += "key F9\nms 1200\nstate\n";
    script += kDismiss;
    script += "ms 1000\nstate\n";
    for (int life = 9; life >= 0; --life) {
        script += kDismiss; // the level-start panel
        script += "key F9\nms 1200\n";
        if (life > 0)
            script += kDismiss + std::string("ms 500\n");
    }
    // A name typed at once, without a click on the field.
    script += "state\ntext Digga Dee\nkey Enter\nframes 2\nstate\nclose\n";
    const auto s = play(script);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(panels(s[0])[Died], 1) << "the died panel a second after the death";
    EXPECT_EQ(jsonInt(s[0], "lives"), 10);
    const int score = jsonInt(s[0], "score");
    EXPECT_GT(score, 10);
    EXPECT_EQ(jsonInt(s[1], "dead"), 0) << "the level again";
    EXPECT_EQ(jsonInt(s[1], "lives"), 9);
    EXPECT_EQ(jsonInt(s[1], "score"), score);
    EXPECT_EQ(jsonArray(s[1], "ammunition"), (std::vector<int>{0, 11, 13, 15, 11, 10, 9, 8, 7, 6}));
    EXPECT_EQ(jsonInt(s[2], "screen"), 11) << "the last life lost: game over";
    EXPECT_EQ(jsonInt(s[2], "gameOverKind"), 0);
    EXPECT_EQ(jsonInt(s[2], "nameEntryState"), 1);
    EXPECT_EQ(jsonInt(s[3], "screen"), 0) << "Enter stores the name and goes to the main menu";

    HallOfFame table;
    HallOfFameFile{work.file("score.dat")}.read(table);
    EXPECT_EQ(table.entries[9].score, score) << "above 10, below every other default score";
    EXPECT_EQ(table.entries[9].name, "Digga Dee") << "the field has the focus as it opens";
    EXPECT_EQ(table.entries[10].score, 10);
}

TEST_F(GameEndSim, ThePacksLastLevelWinsTheGameAndTheNextGameStartsAtTheFirstLevel)
{
    setUp(1, {corridor("$.....", 1), corridor("$.....", 1)}, 1, 2);
    std::string script = kDismiss;
    script += "ms 800\ndown Right\nms 1000\nup Right\nms 1600\n";
    script += kDismiss;
    script += "frames 2\nstate\n";
    const auto s = play(script);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 11);
    EXPECT_EQ(jsonInt(s[0], "gameOverKind"), 1) << "the won variant";
    EXPECT_EQ(jsonInt(s[0], "level"), 0);
}

TEST_F(GameEndSim, EscOpensTheExitPanelEscResumesEnterLeavesAndInsertTogglesTheHud)
{
    setUp(2, {corridor("......", 1)});
    std::string script = kDismiss;
    script += kDismiss;
    script += "ms 800\nkey Esc\nms 2000\nstate\nkey Esc\nms 1100\nstate\n";
    script += "key Insert\nstate\nkey Insert\nstate\nms 800\nkey Insert\nstate\n";
    script += "key Esc\nms 2000\nkey Enter\nms 1100\nstate\n";
    const auto s = play(script);
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(panels(s[0])[Exit], 1);
    EXPECT_EQ(jsonInt(s[0], "frozen"), 1);
    EXPECT_EQ(jsonInt(s[0], "cursorVisible"), 1);
    EXPECT_EQ(panels(s[1])[Exit], 0);
    EXPECT_EQ(jsonInt(s[1], "frozen"), 0) << "Esc resumes";
    EXPECT_EQ(jsonInt(s[1], "screen"), 1);
    EXPECT_EQ(jsonInt(s[2], "hudSlide"), -1);
    EXPECT_EQ(jsonInt(s[3], "hudSlide"), -1) << "Insert is ignored while the HUD slides";
    EXPECT_EQ(jsonInt(s[4], "hudShown"), 1);
    EXPECT_EQ(jsonInt(s[4], "hudSlide"), 1);
    EXPECT_EQ(jsonInt(s[5], "screen"), 2) << "Enter leaves for the level choice";
}

#endif

} // namespace
} // namespace burrowix
