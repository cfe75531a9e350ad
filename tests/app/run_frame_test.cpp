#include "app/run_frame.hpp"

#include <algorithm>

#include "app/main_loop.hpp"

#include "app/frame_dispatch.hpp"
#include "app/screen_table.hpp"
#include "app/window_procedure.hpp"
#include "frame_test_support.hpp"
#include "platform/display/blit.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/image/image_fixtures.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {
namespace {

using RunFrameTest = test::ShellFixture;

// The first tick after `last` at which RunFrame presents, trying every tick from `last` on.
Ticks firstFrameTick(ManualClock& clock, std::vector<Ticks>& frames, Ticks last, int interval)
{
    app.lastFrameTime = last;
    app.frameInterval = interval;
    frames.clear();
    for (Ticks t = last; t != last + 1000; ++t) {
        clock.set(t);
        RunFrame();
        if (!frames.empty())
            return frames[0];
    }
    return 0;
}

TEST_F(RunFrameTest, FramesRunOnlyWhenMoreThanTheIntervalHasPassed)
{
    EXPECT_EQ(firstFrameTick(clock, frames, 1000, frameIntervalForSpeed(15)), 1026u);
    EXPECT_EQ(app.lastFrameTime, 1026u);
    EXPECT_EQ(firstFrameTick(clock, frames, 1000, frameIntervalForSpeed(10)), 1031u);
    EXPECT_EQ(firstFrameTick(clock, frames, 1000, frameIntervalForSpeed(19)), 1022u);
    EXPECT_EQ(firstFrameTick(clock, frames, 0xFFFFFFF0u, 25), 10u) << "across the tick wrap-around";

    // Speed 40: interval 0, a frame whenever the tick has moved on, never twice in one tick.
    app.frameInterval = frameIntervalForSpeed(40);
    app.lastFrameTime = 500;
    clock.set(500);
    frames.clear();
    RunFrame();
    EXPECT_TRUE(frames.empty());
    clock.set(501);
    RunFrame();
    RunFrame();
    EXPECT_EQ(frames.size(), 1u);

    // Speed 45: a negative interval, a frame on every call.
    app.frameInterval = frameIntervalForSpeed(45);
    frames.clear();
    RunFrame();
    RunFrame();
    RunFrame();
    EXPECT_EQ(frames.size(), 3u);
}

TEST_F(RunFrameTest, TheFrameStartsFromTheClearPixelOfAllBmp)
{
    fillRect(theDisplay.backBuffer.get(), nullptr, 0x123456);
    clock.set(100);
    RunFrame();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(recorder->lastCorner, 0x203040u);
    EXPECT_EQ(theDisplay.backBuffer->pixel(799, 599), 0x203040u);

    // Even when that pixel is the picture's colour key.
    clearPicture->setColorKeyPixel(0x203040);
    clock.set(200);
    fillRect(theDisplay.backBuffer.get(), nullptr, 0x123456);
    RunFrame();
    EXPECT_EQ(theDisplay.backBuffer->pixel(400, 300), 0x203040u);
}

TEST_F(RunFrameTest, LostSurfacesDropTheFrameAndBusyOnesAreRetried)
{
    int restores = 0;
    theDisplay.restoreSteps.reloadPictures = [&] {
        ++restores;
        clearPicture->setPixel(0, 0, 0x203040);
        return DisplayResult::Ok;
    };
    app.lastFrameTime = 0;
    clock.set(100);
    loseAllSurfaces(theDisplay);
    frames.clear();
    RunFrame();
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(app.lastFrameTime, 0u) << "a dropped frame leaves the pacing alone";
    EXPECT_EQ(frames, std::vector<Ticks>{100}) << "only the restore's own black flip";
    EXPECT_EQ(recorder->lastCorner, 0u);

    RunFrame();
    EXPECT_EQ(app.lastFrameTime, 100u);
    EXPECT_EQ(recorder->lastCorner, 0x203040u);

    clock.set(200);
    theDisplay.backBuffer->setBusyFor(3);
    RunFrame();
    EXPECT_EQ(app.lastFrameTime, 200u);

    // Any other failure of the clear ends the frame too.
    app.clearPicture = nullptr;
    clock.set(300);
    RunFrame();
    EXPECT_EQ(app.lastFrameTime, 200u);
}

TEST_F(RunFrameTest, SnapshotIsRebuiltTenFramesAfterARestore)
{
    startSnapshotCountdownOnRestore();
    loseAllSurfaces(theDisplay);
    clock.set(100);
    RunFrame();
    EXPECT_EQ(app.snapshotCountdown, 1);
    for (int i = 2; i <= 9; ++i) {
        clock.advance(31);
        RunFrame();
        EXPECT_EQ(app.snapshotCountdown, i);
    }
    clock.advance(31);
    RunFrame();
    EXPECT_EQ(app.snapshotCountdown, 0);
    clock.advance(31);
    RunFrame();
    EXPECT_EQ(app.snapshotCountdown, 0);
}

TEST_F(RunFrameTest, FirstFrameInitialisesOnceAndStartsTheLogoTime)
{
    app.firstFrame = 1;
    clock.set(5000);
    RunFrame();
    EXPECT_EQ(app.firstFrame, 0);
    EXPECT_EQ(app.screenEnterTime, 5000u) << "the first frame starts at once, without a pause";
    clock.set(5060);
    RunFrame();
    EXPECT_EQ(app.screenEnterTime, 5000u);
}

} // namespace
} // namespace burrowix

namespace burrowix {
namespace {

// A screen number no real screen uses.
constexpr int kTestScreen = 9;
int drawsOfTestScreen = 0;

class StillScreenTest : public test::ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        theGui.reset();
        drawsOfTestScreen = 0;
        ScreenEntry entry;
        entry.still = true;
        entry.drawFrame = [](Surface* back) {
            ++drawsOfTestScreen;
            fillRect(back, nullptr, 0x445566);
        };
        registerScreen(kTestScreen, entry);
        app.currentScreen = kTestScreen;
    }
    void TearDown() override
    {
        registerScreen(kTestScreen, ScreenEntry{});
        theGui.reset();
        ShellFixture::TearDown();
    }
    // Runs one due frame at `t`.
    void frameAt(Ticks t)
    {
        clock.set(t);
        RunFrame();
    }
};

TEST_F(StillScreenTest, ComposesAndPresentsOnlyAfterSomethingChanged)
{
    frameAt(100);
    EXPECT_EQ(frames.size(), 1u);
    EXPECT_EQ(drawsOfTestScreen, 1);
    frameAt(200);
    frameAt(300);
    EXPECT_EQ(frames.size(), 1u) << "nothing changed: nothing presented";
    EXPECT_EQ(drawsOfTestScreen, 1) << "nor composed";
    EXPECT_EQ(app.lastFrameTime, 300u) << "the pacing goes on as if the frames ran";
    EXPECT_EQ(theDisplay.backBuffer->pixel(5, 5), 0x445566u) << "the back buffer keeps the frame";

    // Input, a change of screen or a lost display each bring one new frame.
    WindowProc(Message{MessageType::MouseMove, 0, 0});
    frameAt(400);
    frameAt(500);
    EXPECT_EQ(drawsOfTestScreen, 2);
    EXPECT_EQ(frames, (std::vector<Ticks>{100, 400}));

    loseAllSurfaces(theDisplay);
    frameAt(600);
    frameAt(700);
    frameAt(800);
    EXPECT_EQ(drawsOfTestScreen, 3) << "the frame after the restore is composed";
}

TEST_F(StillScreenTest, ThingsThatMoveByThemselvesKeepComposing)
{
    frameAt(100);
    // The name field's caret blinks: the screen composes every frame while a name is entered.
    screenFlow.nameEntryState = 1;
    frameAt(200);
    frameAt(300);
    EXPECT_EQ(drawsOfTestScreen, 3);
    screenFlow.nameEntryState = 0;
    frameAt(400);
    EXPECT_EQ(drawsOfTestScreen, 3);

    // Screens that are not still compose every frame, as the game screen does.
    ScreenEntry moving;
    moving.drawFrame = [](Surface*) { ++drawsOfTestScreen; };
    registerScreen(kTestScreen, moving);
    frameAt(500);
    frameAt(600);
    EXPECT_EQ(drawsOfTestScreen, 5);
}

// An animated pointer on a still screen: a frame is presented when its next picture is due, and only
// then, drawn over the kept screen without composing it, with the pixels a whole frame would give.
TEST_F(StillScreenTest, APointerFrameRepaintsOnlyThePointerWithTheWholeFramesPixels)
{
    // A sheet of two 8 x 8 frames: frame 0 red with a keyed (green) corner, frame 1 blue.
    std::vector<std::uint32_t> sheet(16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            sheet[std::size_t(y * 16 + x)] = x >= 8 ? 0x0000FF : x < 2 && y < 2 ? 0x00FF00 : 0xFF0000;
    const std::string path = recordsDir.file("pointer.bmp");
    test::writeBytes(path, test::makeBmp24(16, 8, sheet));
    ASSERT_EQ(theGui.pointer.addShape(theDisplay, path.c_str(), 8, 8, 1, 2, 2), 0);
    theGui.pointer.current = 0;
    app.cursorVisible = 1;
    app.mouseX = 796; // partly off the right edge
    app.mouseY = 50;
    app.frameChanged = 1;

    auto screenAt = [&](Ticks t) {
        frameAt(t);
        const Surface& back = *theDisplay.backBuffer;
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                pixels.push_back(back.pixel(x, y));
        return pixels;
    };
    screenAt(100);
    EXPECT_EQ(drawsOfTestScreen, 1);
    screenAt(150);
    EXPECT_EQ(frames.size(), 2u);
    EXPECT_EQ(drawsOfTestScreen, 1) << "the screen under the pointer was not composed again";
    EXPECT_EQ(theDisplay.backBuffer->pixel(799, 55), 0x0000FFu);
    screenAt(230);
    EXPECT_EQ(frames.size(), 2u) << "the pointer's picture shows for more than 100 ms";
    const std::vector<std::uint32_t> pointerOnly = screenAt(280);
    EXPECT_EQ(frames.size(), 3u);
    EXPECT_EQ(drawsOfTestScreen, 1);
    EXPECT_EQ(theDisplay.backBuffer->pixel(794, 48), 0x445566u) << "the keyed corner shows the screen";
    EXPECT_EQ(theDisplay.backBuffer->pixel(799, 55), 0xFF0000u);
    EXPECT_EQ(theDisplay.backBuffer->pixel(793, 55), 0x445566u);

    // The same moment composed whole.
    theGui.pointer.frame = 1;
    theGui.pointer.lastChange = 150;
    app.frameChanged = 1;
    app.lastFrameTime = 200;
    EXPECT_EQ(screenAt(280), pointerOnly);
    EXPECT_EQ(drawsOfTestScreen, 2);

    // The next pointer frame again only repaints the pointer; a still pointer never needs a frame.
    screenAt(400);
    EXPECT_EQ(drawsOfTestScreen, 2);
    EXPECT_EQ(theDisplay.backBuffer->pixel(799, 55), 0x0000FFu);
    theGui.pointer.shapes[0].lastFrame = 0;
    screenAt(600);
    EXPECT_EQ(frames.size(), 5u);

    // Moving the mouse composes the whole screen, leaving nothing of the pointer behind.
    theGui.pointer.shapes[0].lastFrame = 1;
    WindowProc(Message{MessageType::MouseMove, 0, 0});
    app.mouseX = 100;
    screenAt(700);
    EXPECT_EQ(drawsOfTestScreen, 3);
    EXPECT_EQ(theDisplay.backBuffer->pixel(799, 55), 0x445566u);
}

// With nothing due, the loop waits for input or the next timed change instead of waking every frame.
TEST_F(StillScreenTest, TheLoopSleepsUntilInputOrThePointersNextPicture)
{
    app.frameInterval = 25;
    clock.set(1000);
    app.lastFrameTime = 1000;
    events.at(2600, {MessageType::KeyDown, 'A'});
    events.at(4000, {MessageType::Close});
    runMessageLoop();
    EXPECT_EQ(frames, (std::vector<Ticks>{1026, 2600})) << "input brings its frame at once";
    EXPECT_LE(events.waits.size(), 12u);
    EXPECT_EQ(*std::max_element(events.waits.begin(), events.waits.end()), kStillScreenWait);
}

TEST_F(StillScreenTest, AnAnimatedPointerWakesTheLoopExactlyForItsNextPicture)
{
    theGui.pointer.shapes.push_back(PointerShape{8, 8, 1, 2, 0, 0, -1});
    theGui.pointer.current = 0;
    app.cursorVisible = 1;
    app.frameInterval = 25;
    clock.set(1000);
    app.lastFrameTime = 1000;
    events.at(1500, {MessageType::Close});
    ASSERT_TRUE(theDisplay.isSetUp());
    runMessageLoop();
    ASSERT_EQ(frames.size(), 5u);
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], 1026u + 101u * i) << i;
    EXPECT_EQ(drawsOfTestScreen, 1);
}

} // namespace
} // namespace burrowix
