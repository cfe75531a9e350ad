#include "platform/display/display.hpp"

#include <gtest/gtest.h>

#include "platform/display/blit.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/image/bitmap.hpp"

namespace burrowix {
namespace {

// Records what reaches the screen; can be told to report a loss or a busy device.
class RecordingPresenter : public FramePresenter {
public:
    struct Log {
        int presents = 0;
        int restores = 0;
        std::uint32_t lastCorner = 0xDEAD;
        std::vector<DisplayResult> script; // results to report before Ok
    };
    explicit RecordingPresenter(Log& log) : log_(log) {}
    DisplayResult present(const Surface& back) override
    {
        ++log_.presents;
        log_.lastCorner = back.pixel(0, 0);
        if (!log_.script.empty()) {
            DisplayResult r = log_.script.front();
            log_.script.erase(log_.script.begin());
            return r;
        }
        return DisplayResult::Ok;
    }
    DisplayResult restoreDevice() override
    {
        ++log_.restores;
        return DisplayResult::Ok;
    }

private:
    Log& log_;
};

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display.reset();
        ASSERT_EQ(setUpDisplay(display, std::make_unique<RecordingPresenter>(log)), DisplayResult::Ok);
    }
    void TearDown() override { display.reset(); }

    Display display;
    RecordingPresenter::Log log;
};

TEST_F(DisplayTest, SetUpClearsAndPresentsOnce)
{
    EXPECT_EQ(log.presents, 1);
    EXPECT_EQ(log.lastCorner, 0u);
    ASSERT_TRUE(display.backBuffer);
    EXPECT_EQ(display.backBuffer->width(), 800);
    EXPECT_EQ(display.backBuffer->height(), 600);
}

TEST(ColorMatch, LeavesPixelZeroAndReturnsTheSurfacesValue)
{
    Surface s(4, 2);
    s.setPixel(0, 0, 0x00ABCDEF);
    EXPECT_EQ(colorMatch(&s, packRgb(0, 255, 0)), 0x0000FF00u);
    EXPECT_EQ(colorMatch(&s, packRgb(0, 0, 255)), 0x000000FFu);
    EXPECT_EQ(colorMatch(&s, packRgb(255, 0, 0)), 0x00FF0000u);
    EXPECT_EQ(s.pixel(0, 0), 0x00ABCDEFu);
    EXPECT_EQ(colorMatch(&s, std::nullopt), 0x00ABCDEFu);

    setColorKey(&s, packRgb(0, 255, 255));
    EXPECT_TRUE(s.hasColorKey());
    EXPECT_EQ(s.colorKey(), 0x0000FFFFu);
    EXPECT_EQ(s.pixel(0, 0), 0x00ABCDEFu);
}

TEST(ColorMatch, SixteenBitSurfaceKeepsOnlyTheLowBits)
{
    Surface s(4, 1, 16);
    s.setPixel(0, 0, 0x1234);
    s.setPixel(1, 0, 0xFFFF); // shares the first 32-bit word with pixel 0
    EXPECT_EQ(colorMatch(&s, packRgb(0, 255, 0)), 0x07E0u);
    EXPECT_EQ(colorMatch(&s, packRgb(255, 255, 255)), 0xFFFFu);
    EXPECT_EQ(colorMatch(&s, std::nullopt), 0x1234u);
    EXPECT_EQ(s.pixel(0, 0), 0x1234u);
    EXPECT_EQ(s.pixel(1, 0), 0xFFFFu);
}

TEST(ColorMatch, FailsWithAllOnesOnLostOrMissingSurfacesAndWaitsOutBusyOnes)
{
    Surface s(2, 2);
    s.markLost();
    EXPECT_EQ(colorMatch(&s, packRgb(0, 255, 0)), 0xFFFFFFFFu);
    EXPECT_EQ(colorMatch(nullptr, packRgb(0, 255, 0)), 0xFFFFFFFFu);
    s.restore();
    s.setBusyFor(3);
    EXPECT_EQ(colorMatch(&s, packRgb(0, 255, 0)), 0x0000FF00u);
}

TEST(CopyBitmap, StretchesOverTheWholeSurface)
{
    Bitmap bmp{2, 1, {0x111111, 0x222222}};
    Surface s(4, 2);
    ASSERT_EQ(copyBitmapToSurface(&s, &bmp, 0, 0, 0, 0), DisplayResult::Ok);
    EXPECT_EQ(s.pixel(0, 0), 0x111111u);
    EXPECT_EQ(s.pixel(1, 1), 0x111111u);
    EXPECT_EQ(s.pixel(2, 0), 0x222222u);
    EXPECT_EQ(s.pixel(3, 1), 0x222222u);

    // Larger than the surface: shrinks; a source part: only that part.
    Bitmap wide{4, 1, {1, 2, 3, 4}};
    Surface one(2, 1);
    copyBitmapToSurface(&one, &wide, 0, 0, 0, 0);
    EXPECT_EQ(one.pixel(0, 0), 1u);
    EXPECT_EQ(one.pixel(1, 0), 3u);
    copyBitmapToSurface(&one, &wide, 2, 0, 2, 1);
    EXPECT_EQ(one.pixel(0, 0), 3u);
    EXPECT_EQ(one.pixel(1, 0), 4u);

    // A lost surface is restored first.
    one.markLost();
    EXPECT_EQ(copyBitmapToSurface(&one, &wide, 0, 0, 1, 1), DisplayResult::Ok);
    EXPECT_EQ(one.pixel(1, 0), 1u);

    EXPECT_NE(copyBitmapToSurface(nullptr, &wide, 0, 0, 0, 0), DisplayResult::Ok);
    EXPECT_NE(copyBitmapToSurface(&one, nullptr, 0, 0, 0, 0), DisplayResult::Ok);
    Bitmap broken{3, 3, {1}};
    EXPECT_NE(copyBitmapToSurface(&one, &broken, 0, 0, 0, 0), DisplayResult::Ok);
}

TEST_F(DisplayTest, PresentRetriesWhileBusyAndRestoresOnLoss)
{
    log.presents = 0;
    log.script = {DisplayResult::StillDrawing, DisplayResult::StillDrawing};
    presentFrame(display);
    EXPECT_EQ(log.presents, 3);

    log.presents = 0;
    log.script = {DisplayResult::SurfaceLost};
    presentFrame(display);
    EXPECT_EQ(log.restores, 1);
    EXPECT_EQ(log.presents, 2) << "the lost flip plus the restore's one flip, no second attempt";

    log.presents = 0;
    log.script = {DisplayResult::Failed};
    presentFrame(display);
    EXPECT_EQ(log.presents, 1);
}

TEST_F(DisplayTest, RestoreAfterSimulatedLossRunsTheStepsInOrderAndReloadsPictures)
{
    auto picture = createBlankSurface(display, 2, 2);
    Bitmap source{2, 2, {5, 6, 7, 8}};
    copyBitmapToSurface(picture.get(), &source, 0, 0, 0, 0);
    setColorKey(picture.get(), packRgb(0, 255, 0));
    fillRect(display.backBuffer.get(), nullptr, 0x777777);

    std::vector<std::string> order;
    display.restoreSteps.restoreSnapshot = [&] { order.push_back("snapshot"); };
    display.restoreSteps.rebuildScreenSurfaces = [&] { order.push_back("screens"); };
    display.restoreSteps.reloadPictures = [&] {
        order.push_back("pictures");
        copyBitmapToSurface(picture.get(), &source, 0, 0, 0, 0);
        setColorKey(picture.get(), packRgb(0, 255, 0));
        return DisplayResult::Ok;
    };

    loseAllSurfaces(display);
    Surface* back = display.backBuffer.get();
    EXPECT_EQ(blitFast(back, 0, 0, picture.get(), nullptr, true), DisplayResult::SurfaceLost);

    log.presents = 0;
    EXPECT_EQ(restoreAllSurfaces(display), DisplayResult::Ok);
    EXPECT_EQ(order, (std::vector<std::string>{"snapshot", "screens", "pictures"}));
    EXPECT_EQ(log.presents, 1);
    EXPECT_EQ(log.lastCorner, 0u) << "the back buffer is cleared to black before the flip";
    EXPECT_EQ(picture->pixel(1, 1), 8u);
    EXPECT_EQ(picture->colorKey(), 0x0000FF00u);
    EXPECT_EQ(blitFast(back, 0, 0, picture.get(), nullptr, true), DisplayResult::Ok);
    EXPECT_EQ(back->pixel(1, 0), 6u);
}

TEST_F(DisplayTest, RestoreStopsWhenTheDeviceCannotBeRestored)
{
    class Refusing : public FramePresenter {
    public:
        DisplayResult present(const Surface&) override { return DisplayResult::Ok; }
        DisplayResult restoreDevice() override { return DisplayResult::Failed; }
    };
    setUpDisplay(display, std::make_unique<Refusing>());
    bool reloaded = false;
    display.restoreSteps.reloadPictures = [&] {
        reloaded = true;
        return DisplayResult::Ok;
    };
    loseAllSurfaces(display);
    EXPECT_EQ(restoreAllSurfaces(display), DisplayResult::Failed);
    EXPECT_FALSE(reloaded);
    EXPECT_TRUE(display.backBuffer->isLost());
}

TEST_F(DisplayTest, ReleaseRunsItsStepsOnceAndIsSafeTwice)
{
    int pictures = 0, effects = 0;
    display.releaseSteps.releasePictures = [&] { ++pictures; };
    display.releaseSteps.shutDownEffects = [&] { ++effects; };
    auto blank = createBlankSurface(display, 3, 3);
    releaseDisplay(display);
    releaseDisplay(display);
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(effects, 1);
    EXPECT_FALSE(display.isSetUp());
    presentFrame(display); // nothing to present, nothing happens
    EXPECT_EQ(createBlankSurface(display, 0, 5), nullptr);
    blank.reset(); // unregisters from the display without touching freed memory
    EXPECT_TRUE(display.surfaces.empty());
}

} // namespace
} // namespace burrowix
