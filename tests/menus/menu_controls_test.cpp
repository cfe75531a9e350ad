// The options controls and the help window: values, bounds, clicks and what the gauges and the
// page strip show, checked against rows a reader can compare with the screens' rules.
#include <gtest/gtest.h>

#include <vector>

#include "app/screen_flow.hpp"
#include "app/sound_controls.hpp"
#include "audio/effect_handles.hpp"
#include "menus/help_state.hpp"
#include "menus/options_controls.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"

namespace burrowix {
namespace {

class OptionsControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.reset();
        theRecords.reset();
        theEffects.reset();
        app.soundOn = app.soundAvailable = app.musicOn = 1;
        theEffects.effectMenu = 4;
        theEffects.player = [this](int handle, int) { played.push_back(handle); };
    }
    void TearDown() override
    {
        theEffects.reset();
        app.reset();
        theRecords.reset();
        stopMusicTrack();
    }
    Options& options() { return theRecords.options; }
    std::vector<int> played;
};

TEST_F(OptionsControls, TheDefaultsShowGaugeFramesFiveFiveAndSix)
{
    EXPECT_EQ(gameSpeedFrame(), 5);
    EXPECT_EQ(soundVolumeFrame(), 5);
    EXPECT_EQ(musicVolumeFrame(), 6);
}

TEST_F(OptionsControls, SpeedStepsStopAtTenAndNineteenAndStillClick)
{
    options().gameSpeed = 19;
    gameSpeedPlus();
    EXPECT_EQ(options().gameSpeed, 19);
    EXPECT_EQ(app.frameInterval, 21);
    for (int i = 0; i < 12; ++i)
        gameSpeedMinus();
    EXPECT_EQ(options().gameSpeed, 10);
    EXPECT_EQ(app.frameInterval, 30);
    EXPECT_EQ(played.size(), 13u) << "every press clicks, also at a bound";
    EXPECT_EQ(gameSpeedFrame(), 0);
}

TEST_F(OptionsControls, VolumeStepsReachTheirRangesAndShowTheirFrames)
{
    struct Row {
        int presses;
        int sound, soundFrame, music, musicFrame;
    };
    // From the defaults 70 / 70: sound moves by 8 within 30..94, music by 11 within 4..92.
    const Row rows[] = {{1, 78, 6, 81, 7}, {2, 86, 7, 92, 8}, {5, 94, 8, 92, 8}};
    for (const Row& row : rows) {
        options().soundVolume = options().musicVolume = 70;
        for (int i = 0; i < row.presses; ++i) {
            soundVolumePlus();
            musicVolumePlus();
        }
        EXPECT_EQ(options().soundVolume, row.sound) << row.presses;
        EXPECT_EQ(soundVolumeFrame(), row.soundFrame) << row.presses;
        EXPECT_EQ(options().musicVolume, row.music) << row.presses;
        EXPECT_EQ(musicVolumeFrame(), row.musicFrame) << row.presses;
    }
    for (int i = 0; i < 12; ++i) {
        soundVolumeMinus();
        musicVolumeMinus();
    }
    EXPECT_EQ(options().soundVolume, 30);
    EXPECT_EQ(options().musicVolume, 4);
}

TEST_F(OptionsControls, VolumeStepsDoNothingWhileTheirSwitchIsOff)
{
    setSoundSwitch(false);
    setMusicSwitch(false);
    EXPECT_EQ(app.soundOn, 0);
    EXPECT_EQ(app.musicOn, 0);
    EXPECT_STREQ(musicTrackPlaying(), "");
    app.soundOn = 1; // a click would be heard if one were made
    soundVolumePlus();
    musicVolumeMinus();
    EXPECT_EQ(options().soundVolume, 70);
    EXPECT_EQ(options().musicVolume, 70);
    EXPECT_TRUE(played.empty());

    setMusicSwitch(true);
    EXPECT_STREQ(musicTrackPlaying(), "back1.ogg");
    EXPECT_EQ(options().musicEnabled, 1);
    EXPECT_TRUE(played.empty()) << "the switches make no click";
}

TEST(HelpWindow, TheWindowRunsDownThePageStripTenRowsALine)
{
    struct Row {
        int line, page, firstRow;
    };
    const Row rows[] = {{1, 0, 0}, {2, 0, 10}, {38, 0, 370}, {39, 1, 5}, {250, 6, 240}, {0, 0, 0}, {400, 6, 240}};
    for (const Row& row : rows) {
        const HelpWindow w = helpWindow(row.line);
        EXPECT_EQ(w.page, row.page) << "line " << row.line;
        EXPECT_EQ(w.firstRow, row.firstRow) << "line " << row.line;
    }
}

TEST(HelpWindow, TheLastLineBringsTheLastTextRowJustIntoTheWindow)
{
    EXPECT_EQ(helpLastLine(-1), 1) << "blank pages do not scroll";
    EXPECT_EQ(helpLastLine(300), 1) << "text that fits one window";
    for (int row : {400, 1000, 1001, 2009, 2500}) {
        const int line = helpLastLine(row);
        const HelpWindow w = helpWindow(line);
        const int bottom = w.page * 375 + w.firstRow + 375; // one past the window's last row
        EXPECT_GT(bottom, row) << "row " << row << " shows at line " << line;
        EXPECT_LE(bottom - row, 12 + 10) << "row " << row << ": no more blank than the margin and a line";
    }
    EXPECT_EQ(helpLastLine(5000), 250) << "never past the strip";
}

TEST(ScreenMusic, TheGameScreenHasTheDifficultysTrackAndEveryOtherScreenTheMenuTrack)
{
    struct Row {
        int from, to, difficulty;
        const char* track; // null: the music stays
    };
    const Row rows[] = {
        {ScreenLevelChoice, ScreenGame, 0, "back2.ogg"}, {ScreenLevelChoice, ScreenGame, 1, "back3.ogg"},
        {ScreenLevelChoice, ScreenGame, 2, "back4.ogg"}, {ScreenLevelChoice, ScreenGame, 3, nullptr},
        {ScreenGame, ScreenLevelChoice, 1, "back1.ogg"}, {ScreenGame, ScreenGameOver, 0, "back1.ogg"},
        {ScreenLevelChoice, ScreenOptions, 0, nullptr},  {ScreenGame, ScreenGame, 0, nullptr},
    };
    for (const Row& row : rows) {
        const char* track = musicTrackForChange(row.from, row.to, row.difficulty);
        if (row.track)
            EXPECT_STREQ(track, row.track) << row.from << " -> " << row.to;
        else
            EXPECT_EQ(track, nullptr) << row.from << " -> " << row.to;
    }
}

} // namespace
} // namespace burrowix
