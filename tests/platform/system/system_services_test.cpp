#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/display/display.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/fatal_error.hpp"
#include "platform/system/pack_scan.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

TEST(Clock, ElapsedTestIsSignedStrictAndSurvivesWrapAround)
{
    EXPECT_FALSE(elapsedMoreThan(1025, 1000, 25));
    EXPECT_TRUE(elapsedMoreThan(1026, 1000, 25));
    EXPECT_TRUE(elapsedMoreThan(5, 0xFFFFFFF0u, 20)) << "21 ms across the wrap";
    EXPECT_FALSE(elapsedMoreThan(4, 0xFFFFFFF0u, 20));
    EXPECT_TRUE(elapsedMoreThan(1000, 1000, -1)) << "a negative interval passes at once";
    EXPECT_FALSE(elapsedMoreThan(1000, 1000, 0));

    ManualClock clock(0xFFFFFFFEu);
    clock.sleep(5);
    EXPECT_EQ(clock.ticks(), 3u);
}

TEST(PackScan, FindsRegularPakFilesInAnyCaseSorted)
{
    test::TempDir dir;
    for (const char* name : {"zeta.pak", "Alpha.PAK", "beta.Pak", "notes.txt", "pak", "x.pak.bak", ".pak"})
        test::writeText(dir.file(name), "x");
    std::filesystem::create_directory(dir.file("folder.pak"));
    std::filesystem::create_symlink(dir.file("zeta.pak"), dir.file("link.pak"));
    std::filesystem::create_symlink(dir.file("nothing"), dir.file("dangling.pak"));
    EXPECT_EQ(findPackFiles(dir.path().string()),
              (std::vector<std::string>{".pak", "Alpha.PAK", "beta.Pak", "link.pak", "zeta.pak"}));
    EXPECT_TRUE(findPackFiles(dir.file("missing")).empty());
}

TEST(FatalError, ReleasesTheDisplayReportsTheBoundedTextAndReturnsTheStatus)
{
    class Quiet : public FramePresenter {
    public:
        DisplayResult present(const Surface&) override { return DisplayResult::Ok; }
    };
    setUpDisplay(theDisplay, std::make_unique<Quiet>());
    int released = 0;
    theDisplay.releaseSteps.releasePictures = [&] { ++released; };

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(FatalError(nullptr, 7, "sys %d", 9), 7);
    const std::string first = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(first, "Burrowix v.1.0: sys 9\n");
    EXPECT_EQ(released, 1);
    EXPECT_FALSE(theDisplay.isSetUp());

    const std::string longText(300, 'x');
    ::testing::internal::CaptureStderr();
    FatalError(nullptr, 0, "%s", longText.c_str());
    const std::string second = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(second, "Burrowix v.1.0: " + std::string(127, 'x') + "\n");
    EXPECT_EQ(released, 1) << "releasing twice does nothing more";
    theDisplay.reset();
}

} // namespace
} // namespace burrowix
