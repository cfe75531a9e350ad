// What reaches the window: only changed rows are sent, unchanged frames are skipped, and the picture
// lands where the scaling mode puts it with every window pixel taken from the right game pixel.
#include <gtest/gtest.h>

#include <vector>

#include "platform/display/frame_changes.hpp"
#include "platform/display/frame_scaling.hpp"
#include "platform/display/surface.hpp"

namespace burrowix {
namespace {

TEST(FrameChanges, ReportsTheWholeFrameFirstThenOnlyChangedBandsMerged)
{
    Surface frame(800, 600);
    FrameChangeTracker tracker;
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{0, 600}}));
    EXPECT_TRUE(tracker.changedRows(frame).empty()) << "an identical frame is skipped";

    frame.setPixel(799, 17, 0x123456);   // band 16..24
    frame.setPixel(0, 24, 0x010101);     // the next band: merged with it
    frame.setPixel(400, 599, 0xFFFFFF);  // the last band
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{16, 32}, {592, 600}}));
    EXPECT_TRUE(tracker.changedRows(frame).empty());

    // A pixel set back to what was shown two frames ago is still a change against the last one.
    frame.setPixel(799, 17, 0);
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{16, 24}}));

    tracker.forgetAll();
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{0, 600}}));
}

TEST(FrameChanges, ALimitedCompareLooksOnlyAtTheBandsItTouchesAndOnlyOnce)
{
    Surface frame(800, 600);
    FrameChangeTracker tracker;
    tracker.limitNextTo({100, 110});
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{0, 600}})) << "nothing shown yet: all";

    frame.setPixel(5, 103, 1);
    frame.setPixel(5, 300, 2); // outside the promise: not looked at
    tracker.limitNextTo({100, 110});
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{96, 104}}));
    // Without a limit the next compare sees the rest again, and the kept copy is up to date.
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{296, 304}}));
    tracker.limitNextTo({0, 0});
    frame.setPixel(5, 0, 3);
    EXPECT_TRUE(tracker.changedRows(frame).empty());
    tracker.forgetAll();
    tracker.limitNextTo({0, 8});
    EXPECT_EQ(tracker.changedRows(frame), (std::vector<RowRange>{{0, 600}})) << "a forgotten screen gets all";
}

TEST(FrameChanges, AFrameOfAnotherSizeIsSentWholeAndAnOddHeightEndsInAShortBand)
{
    FrameChangeTracker tracker;
    Surface small(10, 13);
    EXPECT_EQ(tracker.changedRows(small), (std::vector<RowRange>{{0, 13}}));
    small.setPixel(3, 12, 7);
    EXPECT_EQ(tracker.changedRows(small), (std::vector<RowRange>{{8, 13}}));
    Surface other(10, 13);
    other.setPixel(3, 12, 7);
    EXPECT_TRUE(tracker.changedRows(other).empty()) << "same size and pixels: nothing to send";
    Surface wider(11, 13);
    EXPECT_EQ(tracker.changedRows(wider), (std::vector<RowRange>{{0, 13}}));
}

TEST(FrameScaling, PlacesThePictureByModeWithBarsCentred)
{
    struct Row {
        int w, h;
        ScalingMode mode;
        Rect expected;
    };
    const Row rows[] = {
        {800, 600, ScalingMode::Fit, {0, 0, 800, 600}},
        {1920, 1080, ScalingMode::Fit, {240, 0, 1680, 1080}},    // 1.8 x, bars left and right
        {1920, 1080, ScalingMode::Integer, {560, 240, 1360, 840}}, // 1 x only: 2 x would be 1200 high
        {2560, 1440, ScalingMode::Integer, {480, 120, 2080, 1320}}, // 2 x
        {1600, 1300, ScalingMode::Fit, {0, 50, 1600, 1250}},     // taller than 4:3: bars above and below
        {640, 480, ScalingMode::Integer, {0, 0, 640, 480}},      // smaller than the picture: shrunk
        {0, 480, ScalingMode::Fit, {0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        const Rect got = placePicture(r.w, r.h, 800, 600, r.mode);
        EXPECT_EQ(got.left, r.expected.left) << r.w << "x" << r.h;
        EXPECT_EQ(got.top, r.expected.top) << r.w << "x" << r.h;
        EXPECT_EQ(got.right, r.expected.right) << r.w << "x" << r.h;
        EXPECT_EQ(got.bottom, r.expected.bottom) << r.w << "x" << r.h;
    }
}

// Scales a picture whose pixels encode their own position, and checks every window pixel.
void checkScaledCopy(int windowW, int windowH, ScalingMode mode)
{
    const int pw = 40, ph = 30;
    Surface picture(pw, ph);
    for (int y = 0; y < ph; ++y)
        for (int x = 0; x < pw; ++x)
            picture.setPixel(x, y, std::uint32_t(y << 8 | x));
    const Rect dest = placePicture(windowW, windowH, pw, ph, mode);
    std::vector<int> xMap(std::size_t(dest.width()));
    makeColumnMap(pw, dest, xMap.data());
    const std::uint32_t untouched = 0xFF000000u;
    std::vector<std::uint32_t> window(std::size_t(windowW) * windowH, untouched);
    // Two bands, as after a partial change, then the rest: together the whole picture.
    for (RowRange band : {RowRange{0, 7}, RowRange{7, 19}, RowRange{19, 30}})
        scaleRows(picture.row(0), pw, ph, picture.pitchWords(), band, window.data(), windowW, dest, xMap.data());
    for (int y = 0; y < windowH; ++y) {
        for (int x = 0; x < windowW; ++x) {
            const std::uint32_t got = window[std::size_t(y) * windowW + x];
            const bool inside = x >= dest.left && x < dest.right && y >= dest.top && y < dest.bottom;
            if (!inside) {
                ASSERT_EQ(got, untouched) << "bar pixel " << x << "," << y;
                continue;
            }
            const int sx = (x - dest.left) * pw / dest.width();
            const int sy = (y - dest.top) * ph / dest.height();
            ASSERT_EQ(got, std::uint32_t(sy << 8 | sx)) << "window pixel " << x << "," << y;
        }
    }
}

TEST(FrameScaling, EveryWindowPixelShowsItsNearestPictureColumnAndRow)
{
    checkScaledCopy(40, 30, ScalingMode::Fit);      // 1 : 1
    checkScaledCopy(120, 90, ScalingMode::Integer); // 3 x
    checkScaledCopy(97, 61, ScalingMode::Fit);      // fractional, bars left and right
    checkScaledCopy(50, 70, ScalingMode::Fit);      // bars above and below
    checkScaledCopy(31, 17, ScalingMode::Fit);      // shrunk
}

TEST(FrameScaling, WindowRowsOfABandTileTheDestinationWithoutGapsOrOverlap)
{
    const Rect dest = placePicture(1920, 1080, 800, 600, ScalingMode::Fit);
    int next = dest.top;
    for (int top = 0; top < 600; top += 8) {
        const RowRange rows = windowRowsFor({top, top + 8}, 600, dest);
        EXPECT_EQ(rows.top, next);
        next = rows.bottom;
    }
    EXPECT_EQ(next, dest.bottom);
}

} // namespace
} // namespace burrowix
