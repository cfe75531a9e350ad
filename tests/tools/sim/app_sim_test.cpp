// The whole program run headless from scripts on the generated data: the screen flow from the logo
// through the menus, the level choice's navigation and its guards, help scrolling, the exit with the
// three files saved, and the script errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "menus/help_state.hpp"
#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "sim_runner.hpp"
#include "support/json_fields.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

#ifdef BURROWIX_DATA_GENERATED

using test::jsonInt;
using test::jsonText;

class AppSim : public ::testing::Test {
protected:
    // Runs `script` in the work folder; the state lines it printed.
    std::vector<std::string> run(const std::string& script, int expectedStatus = 0)
    {
        std::istringstream in(script);
        std::ostringstream out;
        status = runSimTool({"app", BURROWIX_GAME_DIR, "--work", work.path().string()}, in, out, errors);
        EXPECT_EQ(status, expectedStatus) << errors.str();
        std::vector<std::string> lines;
        std::istringstream s(out.str());
        for (std::string line; std::getline(s, line);)
            lines.push_back(line);
        return lines;
    }

    // A player who has chosen a difficulty already, with the options' stored level and difficulty.
    void returningPlayer(int level, int difficulty, int unlocked = 1)
    {
        HallOfFame table;
        HallOfFameFile score{work.file("score.dat")};
        ASSERT_TRUE(score.write(table, 0));
        StoredOptions stored;
        stored.level = level;
        stored.difficulty = difficulty;
        ASSERT_TRUE(writeOptionsFile(work.file("opt.dat"), stored));
        LevelProgress progress;
        for (int set = 0; set < 3; ++set)
            progress.unlocked[std::size_t(set)] = unlocked;
        ASSERT_TRUE(progress.write(work.file("li.dat")));
    }

    test::TempDir work;
    std::ostringstream errors;
    int status = 0;
};

// Frames enough for a level slide (480 pixels at 20 a frame) and the capture after it.
const char* const kSlide = "frames 30\n";

TEST_F(AppSim, CountsBeyondTheBoundAndAFolderAsScriptAreRefused)
{
    run("frames 1000001\n", 2);
    EXPECT_NE(errors.str().find("line 1: frames runs at most 1000000 frames"), std::string::npos) << errors.str();
    run("ms 41000001\n", 2);
    EXPECT_NE(errors.str().find("line 1: ms runs at most 41000000 ms"), std::string::npos) << errors.str();

    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(runSimTool({"app", BURROWIX_GAME_DIR, "--script", work.path().string()}, in, out, err), 2);
    EXPECT_EQ(err.str(), work.path().string() + ": not a script file: a folder\n");
}

TEST_F(AppSim, TheLogoGivesWayToTheMainMenuByKeyByClickAndAfterEightSeconds)
{
    const auto byKey = run("frames 3\nstate\nkey Space\nframes 1\nstate\n");
    ASSERT_EQ(byKey.size(), 2u);
    EXPECT_EQ(jsonInt(byKey[0], "screen"), 8);
    EXPECT_EQ(jsonInt(byKey[0], "cursorVisible"), 0);
    EXPECT_EQ(jsonInt(byKey[1], "screen"), 0);
    EXPECT_EQ(jsonInt(byKey[1], "cursorVisible"), 1);

    const auto byClick = run("frames 3\nclick 400 300\nframes 1\nstate\n");
    EXPECT_EQ(jsonInt(byClick.at(0), "screen"), 0);

    const auto byTime = run("frames 1\nms 7900\nstate\nms 200\nstate\n");
    EXPECT_EQ(jsonInt(byTime.at(0), "screen"), 8);
    EXPECT_EQ(jsonInt(byTime.at(1), "screen"), 0);
}

TEST_F(AppSim, LevelStepsStopAtThePacksEndsAndWaitForTheSlide)
{
    returningPlayer(27, 0);
    const auto s = run(std::string("frames 2\nkey Esc\nframes 1\nkey Enter\nframes 3\nstate\n") +
                       "key PageDown\nframes 1\nstate\n" + kSlide + "state\nkey Right\nframes 1\nstate\n" +
                       "key Home\n" + kSlide + "state\nkey Home\nkey Left\nframes 1\nstate\n" +
                       "key Right\nframes 2\nkey Right\n" + kSlide + "state\nkey Right\n" + kSlide +
                       "key PageUp\n" + kSlide + "state\n");
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 2);
    EXPECT_EQ(jsonInt(s[0], "level"), 27);
    EXPECT_EQ(jsonInt(s[0], "previewSnapshotState"), 0) << "captured on the first frame after the main menu";
    EXPECT_EQ(jsonInt(s[1], "level"), 29) << "Page Down from 27 is clamped at 29";
    EXPECT_NE(s[1].find("\"previewOrigin\":[680,158]"), std::string::npos) << s[1];
    EXPECT_NE(s[2].find("\"previewOrigin\":[220,158]"), std::string::npos) << s[2];
    EXPECT_EQ(jsonInt(s[3], "level"), 29) << "Right at the last level does nothing";
    EXPECT_NE(s[3].find("\"previewOrigin\":[220,158]"), std::string::npos);
    EXPECT_EQ(jsonInt(s[4], "level"), 0);
    EXPECT_EQ(jsonInt(s[5], "level"), 0) << "Home and Left at level 0 do nothing";
    EXPECT_NE(s[5].find("\"previewOrigin\":[220,158]"), std::string::npos);
    EXPECT_EQ(jsonInt(s[6], "level"), 1) << "a key during the slide is ignored";
    EXPECT_EQ(jsonInt(s[7], "level"), 0) << "Page Up from 2 stops at 0";
}

TEST_F(AppSim, ALockedLevelCannotBeStartedAndAnUnlockedOneStartsTheGame)
{
    returningPlayer(3, 1, 2);
    const auto s = run("frames 2\nkey Esc\nframes 1\nkey Enter\nframes 3\nkey Enter\nframes 1\nstate\n"
                       "key End\nframes 30\nstate\nkey Enter\nframes 2\nstate\n");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 2) << "level 4 of a set with 2 unlocked stays locked";
    EXPECT_EQ(jsonInt(s[1], "level"), 1) << "End goes to the last unlocked level";
    EXPECT_EQ(jsonInt(s[2], "screen"), 1);
    EXPECT_EQ(jsonText(s[2], "music"), "back3.ogg") << "the game track of difficulty 1";
    EXPECT_NE(s[2].find("\"ammunition\":[0,7,9,10,7,6,5,4,3,2]"), std::string::npos) << s[2];
}

// Harder packs lie upwards, as Hard is the difficulty dialog's top button: Up and the upper arrow
// step to the next pack, whose preview comes down from above; Down and the lower arrow go back.
TEST_F(AppSim, UpAndDownStepThroughTheLevelPacksAndTheirThemes)
{
    returningPlayer(0, 0);
    const auto s = run("frames 2\nkey Esc\nframes 1\nkey Enter\nframes 3\nkey Down\nframes 1\nstate\n"
                       "key Up\nframes 1\nstate\nframes 30\nkey Up\nframes 30\nkey Up\nframes 30\nstate\n"
                       "click 400 508\nframes 30\nstate\nclick 400 58\nframes 1\nstate\n");
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(jsonInt(s[0], "difficulty"), 0) << "no pack below the first";
    EXPECT_EQ(jsonInt(s[1], "difficulty"), 1);
    EXPECT_EQ(jsonText(s[1], "pack"), "levels1.pak");
    EXPECT_NE(s[1].find("\"previewOrigin\":[220,-202]"), std::string::npos) << s[1];
    EXPECT_EQ(jsonInt(s[2], "difficulty"), 2) << "no pack above the last";
    EXPECT_EQ(jsonText(s[2], "pack"), "levels2.pak");
    EXPECT_EQ(jsonText(s[2], "theme"), "theme2.pak");
    EXPECT_EQ(jsonInt(s[3], "difficulty"), 1) << "the lower arrow: the easier pack";
    EXPECT_EQ(jsonInt(s[4], "difficulty"), 2) << "the upper arrow: the harder pack";
    EXPECT_NE(s[4].find("\"previewOrigin\":[220,-202]"), std::string::npos) << s[4];
}

TEST_F(AppSim, HelpScrollsAPageASecondWhileHeldStopsAtItsLastLineAndStartsAtTheTopOnTheNextVisit)
{
    std::string script = "frames 2\nkey Esc\nframes 1\nkey F1\nframes 1\nstate\n";
    script += "down Down\nms 1000\nstate\n";             // held for a second: about a page
    script += "ms 20000\nup Down\nstate\nkey Down\nframes 1\nstate\n"; // far past the end: it stops
    script += "wheel 2\nframes 1\nstate\nwheel -5\nframes 1\nstate\n"; // the wheel, away and back
    script += "press 712 100\nms 1000\nrelease 712 100\nframes 1\nstate\n"; // the up arrow held
    for (int i = 0; i < 300; ++i)
        script += "key Up\n";
    script += "frames 1\nstate\nkey Down\nkey Esc\nframes 1\nkey F1\nframes 1\nstate\n";
    const auto s = run(script);
    ASSERT_EQ(s.size(), 9u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 7);
    EXPECT_EQ(jsonInt(s[0], "helpLine"), 1);
    const int last = jsonInt(s[0], "helpLastLine");
    // The generated text ends well before the strip does, and needs more than one window.
    EXPECT_GT(last, 100);
    EXPECT_LT(last, 250) << "no scrolling into the blank rest of the strip";
    EXPECT_GE(jsonInt(s[1], "helpLine"), 1 + 33);
    EXPECT_LE(jsonInt(s[1], "helpLine"), 1 + 42);
    EXPECT_EQ(jsonInt(s[2], "helpLine"), last);
    EXPECT_EQ(jsonInt(s[3], "helpLine"), last) << "a press at the end stays there";
    EXPECT_EQ(jsonInt(s[4], "helpLine"), last - 2 * kHelpLinesPerNotch);
    EXPECT_EQ(jsonInt(s[5], "helpLine"), last) << "turning back stops at the end too";
    EXPECT_GE(jsonInt(s[6], "helpLine"), last - 42);
    EXPECT_LE(jsonInt(s[6], "helpLine"), last - 33);
    EXPECT_EQ(jsonInt(s[7], "helpLine"), 1);
    EXPECT_EQ(jsonInt(s[8], "helpLine"), 1);
}

TEST_F(AppSim, ExitYesEndsTheProgramWithTheThreeFilesSaved)
{
    const auto s = run("frames 2\nkey Esc\nframes 1\nkey Esc\nframes 1\nstate\nkey Enter\nstate\n");
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 10);
    EXPECT_EQ(jsonInt(s[1], "ended"), 1);
    EXPECT_EQ(std::filesystem::file_size(work.file("opt.dat")), 28u);
    EXPECT_EQ(std::filesystem::file_size(work.file("li.dat")), 80u);
    EXPECT_TRUE(std::filesystem::exists(work.file("score.dat")));

    run("frames 2\nkey Esc\nframes 1\nkey Esc\nframes 1\nkey Esc\nframes 1\nstate\n");
    EXPECT_EQ(errors.str(), "");
}

std::string jsonList(const std::string& json, const std::string& name)
{
    const std::size_t at = json.find("\"" + name + "\":[");
    if (at == std::string::npos)
        return "?";
    const std::size_t from = at + name.size() + 4;
    return json.substr(from, json.find(']', from) - from);
}

TEST_F(AppSim, TheFirstVisitAsksForTheDifficultyOnceAndHardSelectsItsPackAndTheme)
{
    // New game by click; the dialog drops in; Hard.
    const auto s = run("frames 2\nkey Esc\nframes 1\nclick 110 455\nframes 2\nstate\nframes 40\nstate\n"
                       "click 450 190\nframes 2\nstate\nkey Esc\nframes 1\nkey Enter\nframes 5\nstate\n");
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 2);
    EXPECT_EQ(jsonInt(s[0], "difficultyDialogState"), 2);
    EXPECT_LT(jsonInt(s[0], "dialogY"), 0) << "the panel starts above the screen";
    EXPECT_EQ(jsonList(s[1], "widgets"), "\"LC00\",\"LC01\",\"LC02\"");
    EXPECT_EQ(jsonInt(s[1], "dialogY"), 135) << "it came to rest";
    EXPECT_EQ(jsonInt(s[2], "difficulty"), 2);
    EXPECT_EQ(jsonText(s[2], "pack"), "levels2.pak");
    EXPECT_EQ(jsonText(s[2], "theme"), "theme2.pak");
    EXPECT_EQ(jsonInt(s[2], "difficultyPromptPending"), 0);
    EXPECT_EQ(jsonList(s[2], "widgets"),
              "\"LevelMinus\",\"LevelPlus\",\"PackMinus\",\"PackPlus\",\"ImageMainMenuLC\",\"ImageStart\"");
    EXPECT_EQ(jsonInt(s[3], "difficultyDialogState"), 0) << "the second visit asks no more";

    // Stored in "score.dat": the next run does not ask either.
    const auto again = run("frames 2\nkey Esc\nframes 1\nkey Enter\nframes 40\nstate\n");
    EXPECT_EQ(jsonInt(again.at(0), "difficultyDialogState"), 1);
    EXPECT_EQ(jsonInt(again.at(0), "difficulty"), 2);
}

TEST_F(AppSim, OptionsChangeTheGaugesTheEffectsAndTheMusicAndAreSavedAtClose)
{
    // Options by click; speed +1 twice; music volume -1; sound off, then a sound volume step does
    // nothing; music off.
    const auto s = run("frames 2\nkey Esc\nframes 1\nclick 270 455\nframes 2\nstate\n"
                       "click 680 170\nclick 680 170\nclick 610 452\nframes 1\nstate\n"
                       "click 405 200\nclick 680 312\nclick 405 341\nframes 1\nstate\nshot " +
                       work.file("options.png") + "\nclose\n");
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(jsonInt(s[0], "screen"), 3);
    EXPECT_EQ(jsonInt(s[1], "gameSpeed"), 17);
    EXPECT_EQ(jsonInt(s[1], "frameInterval"), 23);
    EXPECT_EQ(jsonInt(s[1], "musicVolume"), 59);
    EXPECT_EQ(jsonInt(s[2], "soundEnabled"), 0);
    EXPECT_EQ(jsonInt(s[2], "soundVolume"), 70) << "no volume step while the sound is off";
    EXPECT_EQ(jsonInt(s[2], "musicEnabled"), 0);
    EXPECT_EQ(jsonText(s[2], "music"), "") << "no track plays with the music off";

    const std::vector<std::uint8_t> opt = test::readBytes(work.file("opt.dat"));
    ASSERT_EQ(opt.size(), 28u);
    auto field = [&](int i) { return int(opt[std::size_t(4 * i)] | opt[std::size_t(4 * i + 1)] << 8); };
    EXPECT_EQ(field(0), 0) << "music";
    EXPECT_EQ(field(1), 0) << "sound";
    EXPECT_EQ(field(2), 17) << "speed";
    EXPECT_EQ(field(3), 70) << "sound volume";
    EXPECT_EQ(field(4), 59) << "music volume";
}

TEST_F(AppSim, TheExitScreensYesClosesAndNoReturnsToTheMainMenu)
{
    const auto no = run("frames 2\nkey Esc\nframes 1\nclick 720 455\nframes 1\nstate\nclick 650 260\nframes 1\nstate\n");
    ASSERT_EQ(no.size(), 2u);
    EXPECT_EQ(jsonInt(no[0], "screen"), 10);
    EXPECT_EQ(jsonList(no[0], "widgets"), "\"ExitYes\",\"ExitNo\"");
    EXPECT_EQ(jsonInt(no[1], "screen"), 0);

    std::filesystem::remove(work.file("opt.dat"));
    const auto yes = run("frames 2\nkey Esc\nframes 1\nclick 720 455\nframes 1\nclick 245 260\nstate\n");
    EXPECT_EQ(jsonInt(yes.at(0), "ended"), 1);
    EXPECT_TRUE(std::filesystem::exists(work.file("opt.dat")));
}

TEST_F(AppSim, ScriptErrorsNameTheLine)
{
    run("frames 1\n\n# a comment\nfly 3\n", 2);
    EXPECT_NE(errors.str().find("line 4: unknown command \"fly\""), std::string::npos) << errors.str();
    errors.str("");
    run("frames x\n", 2);
    EXPECT_NE(errors.str().find("line 1: frames needs one count"), std::string::npos) << errors.str();
    errors.str("");
    run("click 900 10\n", 2);
    EXPECT_NE(errors.str().find("line 1: click needs X Y"), std::string::npos) << errors.str();
    errors.str("");
    run("key Nope\n", 2);
    EXPECT_NE(errors.str().find("line 1: key needs one key name"), std::string::npos) << errors.str();
    errors.str("");
    run("close\nframes 1\n", 2);
    EXPECT_NE(errors.str().find("line 2: the program has ended"), std::string::npos) << errors.str();
}

#endif

} // namespace
} // namespace burrowix
