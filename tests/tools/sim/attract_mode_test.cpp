// The main menu left alone: after 30 s without input it plays the shipped solutions' replays on the
// game screen, one after another, until a key or click or their end, and the main menu comes back
// with the player's records and level choice as they were; input keeps it from starting, and
// without replays beside the packs the main menu just stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "sim_runner.hpp"
#include "support/json_fields.hpp"
#include "support/program_state.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

#ifdef BURROWIX_DATA_GENERATED

namespace fs = std::filesystem;
using test::jsonInt;
using test::jsonText;

constexpr int kMainMenu = 0;
constexpr int kGame = 1;

class AttractMode : public ::testing::Test {
protected:
    std::vector<std::string> run(const std::string& script, const std::string& data = BURROWIX_GAME_DIR)
    {
        test::resetProgramState();
        std::istringstream in(script);
        std::ostringstream out, errors;
        EXPECT_EQ(runSimTool({"app", data, "--work", work.path().string()}, in, out, errors), 0) << errors.str();
        std::vector<std::string> lines;
        std::istringstream s(out.str());
        for (std::string line; std::getline(s, line);)
            lines.push_back(line);
        return lines;
    }

    // A player on level 4 of the middle pack, with the first two levels of every pack open and a
    // score in the hall of fame.
    void returningPlayer()
    {
        HallOfFame table;
        table.entries[0].name = "Ada";
        table.entries[0].score = 4321;
        ASSERT_TRUE(HallOfFameFile{work.file("score.dat")}.write(table, 0));
        StoredOptions stored;
        stored.level = 3;
        stored.difficulty = 1;
        ASSERT_TRUE(writeOptionsFile(work.file("opt.dat"), stored));
        LevelProgress progress;
        progress.unlocked.fill(2);
        ASSERT_TRUE(progress.write(work.file("li.dat")));
    }

    void expectRecordsUnchanged()
    {
        LevelProgress progress;
        ASSERT_TRUE(progress.read(work.file("li.dat")));
        for (int set = 0; set < 3; ++set)
            EXPECT_EQ(progress.unlockedLevels(set), 2) << "pack " << set;
        HallOfFame table;
        HallOfFameFile{work.file("score.dat")}.read(table);
        EXPECT_EQ(table.entries[0].name, "Ada");
        EXPECT_EQ(table.entries[0].score, 4321);
        StoredOptions stored;
        ASSERT_TRUE(readOptionsFile(work.file("opt.dat"), stored));
        EXPECT_EQ(stored.level, 3);
        EXPECT_EQ(stored.difficulty, 1);
    }

    test::TempDir work;
};

const std::string kToMainMenu = "frames 2\nkey Esc\nframes 1\n";

TEST_F(AttractMode, ThirtySecondsIdlePlaysAReplayAndAKeyOrClickBringsTheMainMenuBack)
{
    returningPlayer();
    const auto s = run(kToMainMenu + "state\nms 29500\nstate\nms 1000\nstate\nms 3000\nstate\n" +
                       "key Space\nframes 2\nstate\nms 31000\nstate\nclick 400 300\nframes 2\nstate\n");
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(jsonInt(s[0], "screen"), kMainMenu);
    EXPECT_EQ(jsonInt(s[1], "screen"), kMainMenu) << "not yet: 29.5 s";
    EXPECT_EQ(jsonInt(s[2], "screen"), kGame) << s[2];
    EXPECT_EQ(jsonInt(s[2], "replay"), 1);
    EXPECT_EQ(jsonText(s[2], "pack"), "levels0.pak") << "the first shipped solution";
    EXPECT_EQ(jsonInt(s[2], "level"), 0);
    EXPECT_EQ(jsonInt(s[3], "replay"), 1) << "it plays on by itself";

    // Space, which would change a watched replay's speed, ends this one.
    EXPECT_EQ(jsonInt(s[4], "screen"), kMainMenu) << s[4];
    EXPECT_EQ(jsonInt(s[4], "replay"), 0);
    for (const char* field : {"level", "difficulty", "score", "lives"})
        EXPECT_EQ(jsonInt(s[4], field), jsonInt(s[0], field)) << field;
    EXPECT_EQ(jsonText(s[4], "pack"), jsonText(s[0], "pack"));

    // The next idle time plays the next solution; a click ends it.
    EXPECT_EQ(jsonInt(s[5], "replay"), 1) << s[5];
    EXPECT_EQ(jsonInt(s[5], "level"), 1) << "another replay than the first";
    EXPECT_EQ(jsonInt(s[6], "screen"), kMainMenu) << s[6];
    EXPECT_EQ(jsonInt(s[6], "replay"), 0);
    EXPECT_EQ(jsonText(s[6], "pack"), jsonText(s[0], "pack"));
    expectRecordsUnchanged();
}

TEST_F(AttractMode, InputBeforeThirtySecondsKeepsTheMainMenu)
{
    returningPlayer();
    const auto s = run(kToMainMenu + "ms 20000\nmove 100 100\nms 20000\nstate\nms 10000\nkey Right\nms 20000\nstate\n");
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(jsonInt(s[0], "screen"), kMainMenu) << "a pointer move starts the wait again";
    EXPECT_EQ(jsonInt(s[0], "replay"), 0);
    EXPECT_EQ(jsonInt(s[1], "screen"), kMainMenu) << "and so does a key";
    EXPECT_EQ(jsonInt(s[1], "replay"), 0);
}

TEST_F(AttractMode, AReplayPlayedToItsEndOpensNoLevelAndTheMainMenuComesBack)
{
    returningPlayer();
    // The second solution is of a level the player has not won: its win must not open the third.
    const auto s = run(kToMainMenu + "ms 31000\nkey Esc\nframes 2\nms 31000\nstate\nms 20000\nstate\n");
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(jsonInt(s[0], "replay"), 1) << s[0];
    EXPECT_EQ(jsonInt(s[0], "level"), 1);
    EXPECT_EQ(jsonInt(s[1], "screen"), kMainMenu) << s[1];
    EXPECT_EQ(jsonInt(s[1], "replay"), 0);
    expectRecordsUnchanged();
}

TEST_F(AttractMode, WithoutReplaysBesideThePacksTheMainMenuStays)
{
    test::TempDir data;
    for (const fs::directory_entry& entry : fs::directory_iterator(BURROWIX_GAME_DIR))
        if (entry.is_regular_file())
            fs::create_symlink(entry.path(), data.path() / entry.path().filename());
    const auto s = run(kToMainMenu + "ms 65000\nstate\n", data.path().string());
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(jsonInt(s[0], "screen"), kMainMenu);
    EXPECT_EQ(jsonInt(s[0], "replay"), 0);
}

#endif

} // namespace
} // namespace burrowix
