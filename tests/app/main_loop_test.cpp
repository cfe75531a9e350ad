#include "app/main_loop.hpp"

#include <filesystem>
#include <unistd.h>

#include "app/window_procedure.hpp"
#include "frame_test_support.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

using MainLoopTest = test::ShellFixture;

TEST(MainLoopWait, WaitsExactlyUntilTheNextFrameIsDue)
{
    EXPECT_EQ(msUntilNextFrame(1000, 1000, 25), 26);
    EXPECT_EQ(msUntilNextFrame(1020, 1000, 25), 6);
    EXPECT_EQ(msUntilNextFrame(1026, 1000, 25), 0);
    EXPECT_EQ(msUntilNextFrame(1100, 1000, 25), 0);
    EXPECT_EQ(msUntilNextFrame(5, 0xFFFFFFF0u, 25), 5);
    EXPECT_EQ(msUntilNextFrame(1000, 1000, 0), 1);
    EXPECT_EQ(msUntilNextFrame(1000, 1000, -5), 0);
}

TEST_F(MainLoopTest, PacedFramesWithoutSpinningUntilTheWindowCloses)
{
    app.frameInterval = 25;
    clock.set(1000);
    app.lastFrameTime = 1000;
    events.at(1300, {MessageType::Close});
    EXPECT_EQ(runMessageLoop(), 0);
    ASSERT_FALSE(frames.empty());
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], 1000u + 26u * (i + 1)) << i;
    EXPECT_EQ(frames.size(), 11u); // 1026 ... 1286
    for (int w : events.waits)
        EXPECT_GT(w, 0) << "never a busy pass";
    EXPECT_FALSE(theDisplay.isSetUp()) << "closing released the display";
}

TEST_F(MainLoopTest, MinimisedWindowBlocksAndCatchesUpAtOnceWhenRestored)
{
    app.frameInterval = 25;
    clock.set(0);
    app.lastFrameTime = 0;
    events.at(30, {MessageType::Activate, 0x10000});
    events.at(5000, {MessageType::Activate, 1});
    events.at(5001, {MessageType::Close});
    runMessageLoop();
    // One frame at 26, none while minimised, one at once on restoring.
    EXPECT_EQ(frames, (std::vector<Ticks>{26, 5000}));
    EXPECT_NE(std::find(events.waits.begin(), events.waits.end(), -1), events.waits.end());
}

TEST_F(MainLoopTest, MousePositionIsStoredAndCloseRunsOnce)
{
    WindowProc({MessageType::MouseMove, 0, mousePosition(123, 456)});
    EXPECT_EQ(app.mouseX, 123);
    EXPECT_EQ(app.mouseY, 456);
    WindowProc({MessageType::RightButtonDown, 0, mousePosition(7, 8)});
    EXPECT_EQ(app.mouseX, 7);

    test::TempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    test::writeText("back1.wav", "x");
    WindowProc({MessageType::Close});
    WindowProc({MessageType::Close});
    EXPECT_FALSE(std::filesystem::exists("back1.wav"));
    std::filesystem::current_path(old);

    Message m;
    int quits = 0;
    while (events.poll(m))
        quits += m.type == MessageType::Quit;
    EXPECT_EQ(quits, 1);
}

} // namespace
} // namespace burrowix
