// Test play through the whole program and the game's own data: a level made with the editing model
// is played from the main menu in its theme, won, and the main menu is back; the kept solution
// verifies with the replay tool on the level's source, and the player's files are as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/replay_store.hpp"
#include "editor/edit_files.hpp"
#include "editor/level_editor.hpp"
#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "sim_runner.hpp"
#include "support/app_script.hpp"
#include "support/json_fields.hpp"
#include "support/temp_dir.hpp"
#include "world/replay_file.hpp"

namespace burrowix {
namespace {

#ifdef BURROWIX_DATA_GENERATED

namespace fs = std::filesystem;
using test::jsonInt;

TEST(TestPlaySim, AWonTestPlayComesBackToTheMenuAndItsSolutionVerifies)
{
    test::TempDir work;
    HallOfFame table;
    table.score = 500;
    table.lives = 4;
    ASSERT_TRUE(HallOfFameFile{work.file("score.dat")}.write(table, 0));
    ASSERT_TRUE(writeOptionsFile(work.file("opt.dat"), StoredOptions{}));
    ASSERT_TRUE(LevelProgress{}.write(work.file("li.dat")));
    const auto before = std::vector{test::readBytes(work.file("score.dat")), test::readBytes(work.file("opt.dat")),
                                    test::readBytes(work.file("li.dat"))};

    LevelEditor ed;
    ed.placeStart(2, 2);
    ed.line(4, 2, 4, 2, Brush{KindGold, 0});
    LevelProps p = ed.level().props;
    p.goldGoalOn = true;
    p.goldGoal = 1;
    p.theme = 2;
    ed.setProps(p);
    const std::string source = work.file("made.txt");
    std::string why;
    ASSERT_TRUE(writeEditLevelSource(source, ed.level(), why)) << why;

    // Past the logo to the main menu; the test play at Medium: the level-start panel, right to the
    // nugget, the level-complete panel.
    const auto s = test::runAppScript(BURROWIX_GAME_DIR, work.path(),
                                      "frames 2\nkey Esc\nframes 2\nstate\ntestplay " + source +
                                          " 1\nframes 3\nstate\nms 1100\nkey Space\nkey Space\nms 1100\n"
                                          "down Right\nms 1000\nup Right\nms 3200\nkey Space\nkey Space\n"
                                          "ms 1500\nstate\n");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(jsonInt(s[1], "screen"), 1);
    EXPECT_EQ(jsonInt(s[1], "difficulty"), 1);
    EXPECT_EQ(jsonInt(s[1], "score"), 0) << "a new game's record";
    EXPECT_NE(s[1].find("\"theme\":\"theme2.pak\""), std::string::npos) << "in the level's theme: " << s[1];
    EXPECT_EQ(jsonInt(s[2], "screen"), 0) << "back where it started: " << s[2];
    EXPECT_EQ(jsonInt(s[2], "difficulty"), 0);
    EXPECT_EQ(jsonInt(s[2], "score"), jsonInt(s[0], "score")) << "the player's game is back";
    EXPECT_EQ(jsonInt(s[2], "lives"), jsonInt(s[0], "lives"));
    EXPECT_EQ(s[2].substr(s[2].find("\"theme\"")).substr(0, 20), s[0].substr(s[0].find("\"theme\"")).substr(0, 20));
    const auto after = std::vector{test::readBytes(work.file("score.dat")), test::readBytes(work.file("opt.dat")),
                                   test::readBytes(work.file("li.dat"))};
    EXPECT_EQ(after, before) << "the close saved the player's files unchanged";

    std::vector<fs::path> kept;
    for (const fs::directory_entry& e : fs::directory_iterator(work.path() / "replays"))
        if (e.is_regular_file())
            kept.push_back(e.path());
    ASSERT_EQ(kept.size(), 1u) << "one solution and nothing else";
    EXPECT_EQ(kept[0].filename().string().rfind("own-", 0), 0u) << kept[0];
    std::istringstream none;
    std::ostringstream out, err;
    EXPECT_EQ(runSimTool({"replay", kept[0].string(), "--data", BURROWIX_GAME_DIR, "--level", source}, none, out, err),
              0)
        << out.str() << err.str();
}

#endif

} // namespace
} // namespace burrowix
