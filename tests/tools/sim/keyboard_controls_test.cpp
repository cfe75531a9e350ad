// The whole program by keys alone: the focus moving through every menu's buttons and the options'
// widgets, from the logo to a started level; the pointer taking the focus back; and pausing play,
// which leaves the level exactly where it stopped however long it lasts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "support/app_script.hpp"
#include "support/json_fields.hpp"
#include "support/program_state.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

#ifdef BURROWIX_DATA_GENERATED

using test::jsonInt;
using test::jsonText;

class KeyboardControls : public ::testing::Test {
protected:
    // Each run starts from the program's first state (the random numbers, the watching eyes), as a new
    // program would.
    std::vector<std::string> run(const std::string& script)
    {
        test::resetProgramState();
        return test::runAppScript(BURROWIX_GAME_DIR, work.path(), script);
    }

    // A player who has chosen a difficulty before: no difficulty dialog.
    void returningPlayer(int difficulty)
    {
        HallOfFame table;
        ASSERT_TRUE(HallOfFameFile{work.file("score.dat")}.write(table, 0));
        StoredOptions stored;
        stored.difficulty = difficulty;
        ASSERT_TRUE(writeOptionsFile(work.file("opt.dat"), stored));
        LevelProgress progress;
        progress.unlocked.fill(1);
        ASSERT_TRUE(progress.write(work.file("li.dat")));
    }

    test::TempDir work;
};

// From the logo to the main menu by a key.
const std::string kToMainMenu = "frames 2\nkey Esc\nframes 1\n";

std::string focus(const std::string& state)
{
    return jsonText(state, "focus");
}

int option(const std::string& state, const std::string& name)
{
    return jsonInt(state.substr(state.find("\"options\":")), name);
}

TEST_F(KeyboardControls, ArrowsMoveTheFocusOverTheMainMenuAndEnterFollowsIt)
{
    const auto s = run(kToMainMenu + "state\nkey Right\nstate\nkey Right\nkey Right\nkey Left\nstate\n" +
                       "key Left\nkey Left\nstate\nkey Up\nkey Up\nstate\nkey Enter\nframes 1\nstate\n");
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(focus(s[0]), "") << "no focus until a key moves it";
    EXPECT_EQ(focus(s[1]), "Image01") << "the first key focuses the first button";
    EXPECT_EQ(focus(s[2]), "Image02");
    EXPECT_EQ(focus(s[3]), "Image06") << "Left from the first button wraps to the last, the editor's";
    EXPECT_EQ(focus(s[4]), "Image04") << "Up moves as Left does";
    EXPECT_EQ(jsonInt(s[5], "screen"), 7) << "Enter activates the focused Help, not the New Game of old";
}

TEST_F(KeyboardControls, EveryOptionsWidgetAnswersTheKeysAndThePointerTakesTheFocusBack)
{
    std::string script = kToMainMenu + "key Tab\nkey Tab\nkey Space\nframes 1\nstate\n";
    script += "key Down\nstate\nkey Right\nstate\n";                    // game speed
    script += "key Down\nkey Space\nstate\nkey Space\n";                // sound switch, off and on
    script += "key Down\nkey Left\nkey Left\nstate\n";                  // sound volume
    script += "key Down\nkey Enter\nstate\nkey Enter\n";                // music switch
    script += "key Down\nkey Left\nstate\n";                            // music volume
    script += "key Down\nkey Space\nstate\nkey Down\nkey Enter\nstate\n";  // the display switches
    script += "key Down\nstate\nkey Down\nkey Down\nkey Up\nstate\nmove 700 20\nstate\n"; // round, then the mouse
    script += "key Down\nkey Up\nkey Enter\nframes 1\nstate\n";
    const auto s = run(script);
    ASSERT_EQ(s.size(), 13u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 3) << "Tab twice and Space: Options";
    EXPECT_EQ(focus(s[1]), "GameSpeed");
    EXPECT_EQ(option(s[2], "gameSpeed"), option(s[1], "gameSpeed") + 1) << "Right on a gauge's row steps it";
    EXPECT_EQ(focus(s[2]), "GameSpeed") << "and keeps the focus on the row";
    EXPECT_EQ(focus(s[3]), "SoundTxt");
    EXPECT_EQ(option(s[3], "soundEnabled"), 1 - option(s[1], "soundEnabled"));
    EXPECT_EQ(focus(s[4]), "Sound");
    EXPECT_LT(option(s[4], "soundVolume"), option(s[1], "soundVolume"));
    EXPECT_EQ(focus(s[5]), "MusicTxt");
    EXPECT_EQ(option(s[5], "musicEnabled"), 1 - option(s[1], "musicEnabled"));
    EXPECT_EQ(focus(s[6]), "Music");
    EXPECT_LT(option(s[6], "musicVolume"), option(s[1], "musicVolume"));
    EXPECT_EQ(focus(s[7]), "FullScreenTxt");
    EXPECT_EQ(jsonInt(s[1], "fullScreen"), 1) << "a first start is full screen";
    EXPECT_EQ(jsonInt(s[7], "fullScreen"), 0);
    EXPECT_EQ(focus(s[8]), "ScalingTxt");
    EXPECT_EQ(jsonText(s[1], "scaling"), "fit");
    EXPECT_EQ(jsonText(s[8], "scaling"), "integer");
    EXPECT_EQ(focus(s[9]), "ImageControls");
    EXPECT_EQ(focus(s[10]), "ImageMainMenu") << "Down past the last row wraps, Up comes back";
    EXPECT_EQ(focus(s[11]), "") << "moving the mouse hands the focus back to the pointer";
    EXPECT_EQ(jsonInt(s[11], "screen"), 3);
    EXPECT_EQ(jsonInt(s[12], "screen"), 0) << "Down focuses the first row again, Up wraps to Main Menu";
}

TEST_F(KeyboardControls, TheDisplaySwitchesAreSavedAndTheNextStartReadsThemBack)
{
    const std::string toDisplayRows = kToMainMenu + "key Tab\nkey Tab\nkey Space\nframes 1\n" +
                                      "key Up\nkey Up\nkey Up\nstate\n";
    const auto first = run(toDisplayRows + "key Space\nkey Up\nkey Space\nstate\n");
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(focus(first[0]), "ScalingTxt") << "the display rows come just before Controls and Main Menu";
    EXPECT_EQ(jsonText(first[1], "scaling"), "integer");
    EXPECT_EQ(jsonInt(first[1], "fullScreen"), 0);
    std::ifstream saved(work.file("settings.ini"));
    std::stringstream text;
    text << saved.rdbuf();
    EXPECT_NE(text.str().find("display = window"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("scaling = integer"), std::string::npos) << text.str();

    const auto second = run(toDisplayRows + "key Enter\nstate\n");
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(jsonInt(second[0], "fullScreen"), 0) << "read back at the start";
    EXPECT_EQ(jsonText(second[0], "scaling"), "integer");
    EXPECT_EQ(jsonText(second[1], "scaling"), "fit") << "the switch shows the setting read, so one press turns it off";
}

TEST_F(KeyboardControls, TheHallOfFameHelpAndExitScreensAreLeftByTheirFocusedButtons)
{
    std::string script = kToMainMenu + "key Left\nkey Left\nkey Left\nkey Left\nkey Enter\nframes 1\nstate\n"; // Hall of fame
    script += "key Down\nstate\nkey Space\nframes 1\nstate\n";
    script += "key Left\nkey Left\nkey Left\nkey Enter\nframes 1\nkey Down\nkey Tab\nstate\nkey Enter\nframes 1\nstate\n";
    script += "key Esc\nframes 1\nkey Right\nkey Right\nstate\nkey Enter\nframes 1\nstate\n";
    const auto s = run(script);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 6);
    EXPECT_EQ(focus(s[1]), "ImageMainMenu");
    EXPECT_EQ(jsonInt(s[2], "screen"), 0);
    EXPECT_EQ(jsonInt(s[3], "screen"), 7);
    EXPECT_EQ(jsonInt(s[3], "helpLine"), 2) << "on the help the arrows still scroll";
    EXPECT_EQ(focus(s[3]), "ImageMainMenu") << "and Tab reaches the button";
    EXPECT_EQ(jsonInt(s[4], "screen"), 0);
    EXPECT_EQ(jsonInt(s[5], "screen"), 10);
    EXPECT_EQ(focus(s[5]), "ExitNo");
    EXPECT_EQ(jsonInt(s[6], "screen"), 0) << "Enter on No goes back instead of closing";
}

TEST_F(KeyboardControls, ANewPlayerChoosesADifficultyAndStartsALevelByKeys)
{
    std::string script = kToMainMenu + "key Right\nkey Space\nframes 3\nms 1500\nstate\n";
    script += "key Down\nstate\nkey Down\nstate\nkey Enter\nframes 2\nstate\n";
    script += "key Up\nms 1000\nstate\nkey Down\nms 1000\nstate\n";
    script += "key Tab\nstate\nkey Tab\nkey Space\nframes 2\nstate\n";
    const auto s = run(script);
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 2);
    EXPECT_EQ(jsonInt(s[0], "difficultyDialogState"), 2);
    EXPECT_EQ(focus(s[1]), "LC00") << "Hard is the dialog's top button";
    EXPECT_EQ(focus(s[2]), "LC01") << "Down goes towards Easy";
    EXPECT_EQ(jsonInt(s[3], "difficultyDialogState"), 0);
    EXPECT_EQ(jsonInt(s[3], "difficulty"), 1);
    EXPECT_EQ(jsonInt(s[4], "difficulty"), 2) << "Up on the level choice goes towards Hard, as in the dialog";
    EXPECT_EQ(jsonInt(s[5], "difficulty"), 1) << "and Down towards Easy";
    EXPECT_EQ(focus(s[6]), "ImageMainMenuLC");
    EXPECT_EQ(jsonInt(s[7], "screen"), 1) << "Tab to Start and Space: the level starts";
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(KeyboardControls, KeysAreChangedOnTheControlsScreenRefusedWhenTakenAndRestoredByDefaults)
{
    const std::string toControls = kToMainMenu + "key Tab\nkey Tab\nkey Space\nframes 1\nkey Up\nkey Up\n" +
                                   "key Enter\nframes 1\nstate\n";
    // Move right takes D; D for Move down is refused, Esc cancels; Esc again leaves for the options.
    const auto s = run(toControls + "key Down\nkey Down\nkey Enter\nkey D\nframes 1\n" +
                       "key Down\nkey Enter\nkey D\nkey Esc\nframes 1\nstate\nkey Esc\nframes 1\nstate\n");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 4) << "Controls, reached from its button on the options";
    EXPECT_EQ(jsonInt(s[1], "screen"), 4) << "Esc while a row waits only cancels the wait";
    EXPECT_EQ(jsonInt(s[2], "screen"), 3);
    const std::string saved = fileText(work.file("settings.ini"));
    EXPECT_NE(saved.find("key.right = D\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("key.down = Down\n"), std::string::npos) << "a taken key is refused:\n" << saved;
    EXPECT_NE(saved.find("display = fullscreen"), std::string::npos) << "the window's lines stay";

    // Up from the first row wraps to the buttons: Options back, then Defaults.
    const auto d = run(toControls + "key Up\nstate\nkey Up\nstate\nkey Enter\nframes 1\nstate\n");
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(focus(d[1]), "ImageOptionsBack");
    EXPECT_EQ(focus(d[2]), "ImageDefaults");
    EXPECT_EQ(jsonInt(d[3], "screen"), 4);
    const std::string restored = fileText(work.file("settings.ini"));
    EXPECT_NE(restored.find("key.right = Right\n"), std::string::npos) << restored;
}

// The window's settings and the keys come from one reading of the file: a folder in its place is
// reported once, and the game starts with the defaults.
TEST_F(KeyboardControls, TheSettingsFileIsReadOnceAtTheStart)
{
    std::filesystem::create_directory(work.file("settings.ini"));
    ::testing::internal::CaptureStderr();
    const auto s = run(kToMainMenu + "state\n");
    const std::string errors = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 0);
    EXPECT_EQ(jsonInt(s[0], "fullScreen"), 1);
    std::size_t reports = 0;
    for (std::size_t at = errors.find("not a regular file"); at != std::string::npos;
         at = errors.find("not a regular file", at + 1))
        ++reports;
    EXPECT_EQ(reports, 1u) << errors;
}

// Into the first level and past its two panels, then a walk to the right.
const std::string kIntoPlay = kToMainMenu + "key Enter\nframes 3\nkey Enter\nframes 2\n" +
                              "key Space\nkey Space\nms 1100\nkey Space\nkey Space\nms 1100\nms 800\n" +
                              "down Right\nframes 15\n";
// Timed in whole frames (26 ms apart at the default speed): frames identical to the last are not
// counted by "frames", so a count would not say how far the game went.
const std::string kRestOfPlay = "ms 1040\nup Right\ndown Down\nms 780\nup Down\nms 520\nstate\ndigest\n";

// The state line without the clock, the frame count and the effects played since the last one.
std::string withoutClock(const std::string& state)
{
    const std::size_t effects = state.find(",\"effects\":");
    const std::size_t options = state.find(",\"options\":");
    return state.substr(state.find("\"ended\""), effects - state.find("\"ended\"")) + state.substr(options);
}

TEST_F(KeyboardControls, APauseOfAMinuteContinuesExactlyWhereItStopped)
{
    returningPlayer(1);
    const auto straight = run(kIntoPlay + kRestOfPlay);
    const auto paused = run(kIntoPlay + "state\nkey P\nms 52\nstate\nms 59956\nstate\nkey P\nstate\n" +
                            kRestOfPlay);
    ASSERT_EQ(straight.size(), 2u);
    ASSERT_EQ(paused.size(), 6u);
    EXPECT_EQ(jsonInt(paused[0], "paused"), 0);
    EXPECT_EQ(jsonInt(paused[1], "paused"), 1);
    EXPECT_EQ(jsonInt(paused[2], "paused"), 1);
    EXPECT_EQ(withoutClock(paused[1]), withoutClock(paused[2])) << "nothing changes in a minute of pause";
    EXPECT_EQ(jsonInt(paused[3], "paused"), 0) << "any key resumes";
    EXPECT_EQ(jsonInt(paused[3], "lives"), jsonInt(paused[0], "lives"));
    EXPECT_EQ(withoutClock(paused[4]), withoutClock(straight[0]));
    EXPECT_EQ(paused[5], straight[1]) << "the same screen as a run that never paused";
}

TEST_F(KeyboardControls, AKeyBoundInTheSettingsFileMovesTheDiggerAndTheOldKeyNoLonger)
{
    returningPlayer(0);
    {
        std::ofstream settings(work.file("settings.ini"));
        settings << "display = window\nkey.right = D\nkey.left = Right\n";
    }
    const std::string enter = kToMainMenu + "key Enter\nframes 3\nkey Enter\nframes 2\n" +
                              "key Space\nkey Space\nms 1100\nkey Space\nkey Space\nms 1900\n";
    const auto s = run(enter + "state\ndown D\nframes 20\nup D\nframes 10\nstate\n");
    ASSERT_EQ(s.size(), 2u);
    const std::vector<int> start = test::jsonArray(s[0], "digger");
    const std::vector<int> moved = test::jsonArray(s[1], "digger");
    ASSERT_EQ(start.size(), 2u);
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_GT(moved[0], start[0]) << "D moves right";
    EXPECT_EQ(moved[1], start[1]);

    const auto back = run(enter + "state\ndown Right\nframes 20\nup Right\nframes 10\nstate\n");
    ASSERT_EQ(back.size(), 2u);
    EXPECT_LT(test::jsonArray(back[1], "digger")[0], test::jsonArray(back[0], "digger")[0])
        << "Right is the move to the left now";
}

TEST_F(KeyboardControls, LosingTheFocusPausesPlayButNotAPanel)
{
    returningPlayer(0);
    const auto s = run(kToMainMenu + "key Enter\nframes 3\nkey Enter\nframes 2\nkey P\nstate\nunfocus\nstate\n" +
                       "key Space\nkey Space\nms 1100\nkey Space\nkey Space\nms 1900\nunfocus\nframes 1\nstate\n" +
                       "key Esc\nframes 1\nstate\n");
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 1);
    EXPECT_EQ(jsonInt(s[0], "paused"), 0) << "P while a panel is up does not pause";
    EXPECT_EQ(jsonInt(s[1], "paused"), 0);
    EXPECT_EQ(jsonInt(s[2], "paused"), 1) << "play loses the focus: paused";
    EXPECT_EQ(jsonInt(s[3], "paused"), 0) << "Esc resumes and only resumes";
    EXPECT_EQ(jsonInt(s[3], "frozen"), 0) << "no exit panel";
}

#endif

} // namespace
} // namespace burrowix
