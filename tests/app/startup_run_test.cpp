// A whole run of the program without a window: start-up from the packs in the working folder, the
// logo, a key to the main menu, and the close that saves the three record files and nothing else.
#include "app/frame_dispatch.hpp"
#include "common/asset_manifest.hpp"
#include "app/frame_test_support.hpp"
#include "app/main_loop.hpp"
#include "app/pack_catalogue.hpp"
#include "app/startup.hpp"
#include "app/test_packs.hpp"
#include "bmp_writer.hpp"
#include "menus/menu_screens.hpp"
#include "platform/display/display.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/text/font_files.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"
#include "support/program_state.hpp"
#include "support/temp_dir.hpp"
#include "support/tmpdir_env.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace burrowix {
namespace {

using assets::pictureFile;
using P = assets::PictureId;

namespace fs = std::filesystem;

std::vector<std::string> filesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs with the working folder and the temporary folder of the test's own.
class StartupRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldFolder = fs::current_path();
        fs::current_path(work.path());
        theDisplay.reset();
    }
    void TearDown() override
    {
        releaseApplication();
        theDisplay.reset();
        test::resetProgramState();
        fs::current_path(oldFolder);
    }

    // Counts the presented frames and keeps the last one's top-left pixel (the presenter itself goes
    // with the display when the window closes).
    class Presenter : public FramePresenter {
    public:
        explicit Presenter(StartupRun& run) : run_(run) {}
        DisplayResult present(const Surface& back) override
        {
            ++run_.frames;
            run_.lastCorner = back.pixel(0, 0);
            run_.lastProbe = back.pixel(run_.probeX, run_.probeY);
            return DisplayResult::Ok;
        }

    private:
        StartupRun& run_;
    };

    int start()
    {
        registerMenuScreens();
        return InitApplication({&clock, &events, nullptr, std::make_unique<Presenter>(*this)});
    }

    test::TempDir work;
    test::TempDir temp;
    test::TmpDirEnv tmpEnv{temp.path().string()};
    fs::path oldFolder;
    ManualClock clock{1000};
    test::ScriptedEvents events{clock};
    int frames = 0;
    std::uint32_t lastCorner = 0;
    int probeX = 0, probeY = 0;
    std::uint32_t lastProbe = 0;
};

TEST_F(StartupRun, LogoThenMainMenuThenCloseSavesExactlyTheThreeFiles)
{
    ASSERT_TRUE(test::writeTestPacks(work.path().string()));
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(app.currentScreen, ScreenLogo);
    // The display's first cleared frame, then the logo (red), shown before start-up ends.
    EXPECT_EQ(frames, 2);
    EXPECT_GT(lastCorner >> 16 & 0xFF, 200u);
    EXPECT_LT(lastCorner & 0xFF, 50u) << std::hex << lastCorner;
    EXPECT_EQ(app.frameInterval, 25); // no "opt.dat": speed 15
    EXPECT_EQ(app.soundOn, 1);
    EXPECT_EQ(theCatalogue.packCatalogue.size(), 2u);

    app.appActive = 1;
    events.at(3000, {MessageType::KeyDown, 'A'});
    events.at(4000, {MessageType::Close});
    EXPECT_EQ(runMessageLoop(), 0);

    EXPECT_EQ(app.currentScreen, ScreenMainMenu);
    // The last frame showed the main menu's (blue) picture.
    EXPECT_GT(lastCorner & 0xFF, 200u);
    EXPECT_LT(lastCorner >> 16 & 0xFF, 50u) << std::hex << lastCorner;
    EXPECT_EQ(theRecords.hallOfFame.lives, 10);
    EXPECT_EQ(theRecords.hallOfFame.ammunition[3], 15);
    // The logo and the main menu do not move: their frames are presented once each, after input.
    ASSERT_GE(frames, 3);
    EXPECT_EQ(filesIn(work.path()), (std::vector<std::string>{"level.pak", "li.dat", "opt.dat", "score.dat",
                                                              "standart.pak", "theme.pak"}));
    EXPECT_EQ(fs::file_size(work.path() / "opt.dat"), 28u);
    EXPECT_EQ(fs::file_size(work.path() / "li.dat"), 80u);
    EXPECT_TRUE(filesIn(temp.path()).empty()) << "temporary copies left behind";
}

// The toolkit's parts of start-up and close: the font files are in the font table from start-up to
// the close, the fonts and the pointer shapes exist from the first frame, and the pointer is drawn
// over everything else in a menu frame.
TEST_F(StartupRun, FontsAndThePointerLiveFromStartUpToClose)
{
    for (const GameFont& f : kGameFonts) {
        const fs::path generated = fs::path(BURROWIX_GAME_DIR) / f.file;
        if (!fs::exists(generated))
            GTEST_SKIP() << "the game's fonts are not generated";
        fs::copy_file(generated, work.path() / f.file);
    }
    ASSERT_TRUE(test::writeTestPacks(work.path().string()));
    for (P sheet : {P::PointerNormal, P::PointerPressed})
        test::writeBytes((work.path() / pictureFile(sheet)).string(),
                         mkdata::encodeBmp24(mkdata::Image(assets::pictureAsset(sheet).width,
                                                           assets::frameHeight(sheet), {250, 10, 250})));
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(theFontFiles.files.size(), 2u);
    EXPECT_EQ(theFonts.count(), 0);

    app.appActive = 1;
    probeX = 110;
    probeY = 110;
    events.at(3000, {MessageType::KeyDown, 'A'});
    events.at(3500, {MessageType::MouseMove, 0, mousePosition(100, 100)});
    events.at(4000, {MessageType::Quit, 0});
    runMessageLoop();

    EXPECT_EQ(app.currentScreen, ScreenMainMenu);
    ASSERT_EQ(theFonts.count(), 2);
    EXPECT_EQ(theFonts.font(kFontLarge)->faceName, "Graffiti2CTT");
    EXPECT_GT(theFonts.font(kFontLarge)->cellHeight, theFonts.font(kFontSmall)->cellHeight);
    ASSERT_EQ(theGui.pointer.shapes.size(), 2u);
    EXPECT_EQ(theGui.pointer.shapes[0].framesPerRow, 9);
    EXPECT_EQ(theGui.pointer.shapes[1].lastFrame, 3);
    EXPECT_EQ(theGui.pointer.current, kPointerNormal);
    EXPECT_EQ(pixel32ToRgb(lastProbe), packRgb(250, 10, 250));

    // After a display loss the pointer's sheets are loaded again.
    loseAllSurfaces(theDisplay);
    restoreAllSurfaces(theDisplay);
    ASSERT_EQ(theGui.pointer.shapes.size(), 2u);
    const Surface* sheet = theGui.pictures.pictureSurface(theGui.pointer.shapes[0].picture);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(pixel32ToRgb(sheet->pixel(5, 5)), packRgb(250, 10, 250));

    dispatch::closeWork();
    EXPECT_TRUE(theFontFiles.files.empty());
    EXPECT_EQ(theFonts.count(), 0);
}

TEST_F(StartupRun, LogoLeavesByItselfAfterEightSeconds)
{
    ASSERT_TRUE(test::writeTestPacks(work.path().string()));
    ASSERT_EQ(start(), 0);
    app.appActive = 1;
    events.at(1000 + 8000, {MessageType::MouseMove, 0});
    events.at(1000 + 8100, {MessageType::Close});
    runMessageLoop();
    EXPECT_EQ(app.currentScreen, ScreenMainMenu);
    // The logo's picture went with it; the main menu's came.
    EXPECT_FALSE(thePictures.interfaceImages[kLogoImage]);
}

TEST_F(StartupRun, NoPacksEndWithTheFolderNamedAndStatusOneButNoFile)
{
    testing::internal::CaptureStderr();
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "burrowix: cannot start: no pack archives (*.pak) in the folder " + fs::current_path().string() + "\n");
    EXPECT_EQ(runMessageLoop(), 1);
    EXPECT_TRUE(filesIn(work.path()).empty());
}

TEST_F(StartupRun, MissingLogoStopsStartUpWithItsNumber)
{
    ASSERT_TRUE(test::writeTestPacks(work.path().string(), {pictureFile(P::Logo)}));
    testing::internal::CaptureStderr();
    ASSERT_EQ(start(), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("sys 9"), std::string::npos) << err;
    EXPECT_NE(err.find("standart.pak has no member \"logo.jpg\""), std::string::npos) << err;
    EXPECT_EQ(runMessageLoop(), 1);
    EXPECT_FALSE(theDisplay.isSetUp());
}

TEST_F(StartupRun, StoredOptionsSetThePaceAndSwitches)
{
    ASSERT_TRUE(test::writeTestPacks(work.path().string()));
    const std::vector<std::uint8_t> options{0, 0, 0, 0, 1, 0, 0, 0, 19, 0, 0, 0};
    test::writeBytes((work.path() / "opt.dat").string(), options);
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(app.musicOn, 0);
    EXPECT_EQ(app.soundOn, 1);
    EXPECT_EQ(app.frameInterval, 21);
    EXPECT_EQ(theRecords.options.soundVolume, 70); // short file: the rest keeps the defaults
}

} // namespace
} // namespace burrowix
