// The level editor through the whole program: opened from the main menu's button, a small level
// made by clicks and keys and saved with Ctrl+S is in the own pack, and the level choice offers it
// one step past Hard, where it plays as it was drawn.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/own_level_pack.hpp"
#include "support/app_script.hpp"
#include "support/json_fields.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

#ifdef BURROWIX_DATA_GENERATED

using test::jsonInt;

class EditorSim : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::writeHardPlayerFolder(work.path());
    }

    test::TempDir work;
};

// The editor's new 20 x 15 level at 40 px stands at the view's top-left: cell (x, y) is centred on
// (20 + 40x, 104 + 40y). The palette's gold is its eighth entry, at (760, 156).
const char* const kMakeALevel = "frames 2\nkey Esc\nframes 1\nclick 400 535\nframes 2\nstate\n"
                                "key S\nclick 100 184\nclick 760 156\nclick 140 184\n"
                                "down Control\nkey S\nup Control\nframes 2\nstate\n";
const char* const kToOwnLevels = "key Esc\nframes 2\nkey Enter\nframes 40\nkey Up\nframes 40\nkey Up\nframes 40\n";
const char* const kPlayTheNugget = "key Enter\nframes 80\nkey Space\nkey Space\nms 1100\nkey Space\nkey Space\n"
                                   "ms 1100\ndown Right\nms 1000\nup Right\nms 600\n";

TEST_F(EditorSim, ALevelMadeInTheEditorIsSavedAndPlayedFromTheLevelChoice)
{
    const auto s = test::runAppScript(BURROWIX_GAME_DIR, work.path(),
                                      std::string(kMakeALevel) + kToOwnLevels + kPlayTheNugget + "state\n");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 12) << "the Editor button opens the editor";
    EXPECT_EQ(jsonInt(s[1], "screen"), 12) << "S, the clicks and Ctrl+S stay in the editor";

    OwnLevelPackState pack;
    pack.file.path = work.file(kOwnLevelsFileName);
    ASSERT_EQ(pack.load(), 1u) << "Ctrl+S saved one level";
    EXPECT_EQ(pack.levels[0].file.startX, 2);
    EXPECT_EQ(pack.levels[0].file.startY, 2);

    EXPECT_NE(s[2].find("\"goldCollected\":1"), std::string::npos) << s[2];
    EXPECT_NE(s[2].find("\"digger\":[3,2]"), std::string::npos) << "the own level as drawn: " << s[2];
}

TEST_F(EditorSim, TheEditorShowsTheLevelInItsOwnThemeAndPutsTheOldOneBackOnLeaving)
{
    // Work kept from last time in the second theme, while the player's game (Hard) is in the third.
    {
        std::ofstream wip(work.file("editor.wip"));
        wip << "; burrowix editor work 1\n; own none\n; view 40 0 0\ngold 0 0\nkill 0 0\ntheme 1\nstart 2 2\nmap\n"
            << std::string(20, '#') << "\n";
        for (int row = 0; row < 13; ++row)
            wip << "#" << std::string(18, ':') << "#\n";
        wip << std::string(20, '#') << "\nend\n";
    }
    const auto s = test::runAppScript(BURROWIX_GAME_DIR, work.path(),
                                      "frames 2\nkey Esc\nframes 1\nstate\nclick 400 535\nframes 2\nstate\n"
                                      "key Esc\nframes 2\nstate\n");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(jsonInt(s[1], "screen"), 12);
    const auto theme = [](const std::string& state) {
        const std::size_t at = state.find("\"theme\":");
        return at == std::string::npos ? std::string() : state.substr(at, state.find(',', at) - at);
    };
    EXPECT_EQ(theme(s[0]), "\"theme\":\"theme2.pak\"") << s[0];
    EXPECT_EQ(theme(s[1]), "\"theme\":\"theme1.pak\"") << "the editor took the level's theme: " << s[1];
    EXPECT_EQ(theme(s[2]), theme(s[0])) << "and gave the player's back";
    EXPECT_FALSE(std::filesystem::exists(work.file("editor.wip.bad"))) << "the work was read";
}

TEST_F(EditorSim, WhatThePropertiesPanelChangedIsKeptWhenTheProgramClosesInTheEditor)
{
    // The start put at cell (2, 2), then I, a title typed (after a key press, as typing brings one:
    // the panel takes no characters before its first key) and OK, then the window closed.
    const auto s = test::runAppScript(BURROWIX_GAME_DIR, work.path(),
                                      "frames 2\nkey Esc\nframes 1\nclick 400 535\nframes 2\nkey S\nclick 100 184\n"
                                      "key I\nframes 1\nkey Right\ntext Deep dig\nclick 300 485\nframes 1\nstate\nclose\n");
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 12) << "OK closed the panel, the editor stayed";
    const std::vector<std::uint8_t> bytes = test::readBytes(work.file("editor.wip"));
    const std::string wip(bytes.begin(), bytes.end());
    EXPECT_NE(wip.find("\ntitle Deep dig\n"), std::string::npos) << wip;
    EXPECT_NE(wip.find("\n#:@:"), std::string::npos) << "the start in the map: " << wip;
    EXPECT_EQ(wip.rfind("; burrowix editor work 1\n", 0), 0u) << "the work file's own first line";
}

#endif

} // namespace
} // namespace burrowix
