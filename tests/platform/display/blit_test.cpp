#include "platform/display/blit.hpp"

#include <gtest/gtest.h>

namespace burrowix {
namespace {

// Gives pixel (x, y) the value y * 100 + x + 1 (never 0).
void number(Surface& s)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, std::uint32_t(y * 100 + x + 1));
}

int countNonZero(const Surface& s)
{
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += s.pixel(x, y) != 0;
    return n;
}

TEST(Blit, OpaqueCopyPlacesTheSourceRectangle)
{
    Surface src(4, 3);
    number(src);
    Surface dst(10, 10);
    Rect r{1, 1, 3, 3};
    ASSERT_EQ(blitFast(&dst, 5, 6, &src, &r, false), DisplayResult::Ok);
    EXPECT_EQ(dst.pixel(5, 6), src.pixel(1, 1));
    EXPECT_EQ(dst.pixel(6, 7), src.pixel(2, 2));
    EXPECT_EQ(countNonZero(dst), 4);
}

TEST(Blit, OpaqueCopyOfEveryRowWidthWritesExactlyTheRectangle)
{
    // Short rows are copied in pieces of 8, 4, 2 and 1 pixels, long ones by the library: every
    // width up to past the switch, at every alignment, must write its pixels and no others.
    Surface src(80, 3);
    number(src);
    for (int width = 1; width <= 70; ++width)
        for (int at = 0; at < 3; ++at) {
            Surface dst(80, 5);
            const Rect r{at, 1, at + width, 3};
            ASSERT_EQ(blitFast(&dst, 7 - at, 2, &src, &r, false), DisplayResult::Ok);
            int wrong = 0;
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 80; ++x) {
                    const bool inside = y >= 2 && y < 4 && x >= 7 - at && x < 7 - at + width;
                    const std::uint32_t want = inside ? src.pixel(x - (7 - at) + at, y - 1) : 0u;
                    wrong += dst.pixel(x, y) != want;
                }
            EXPECT_EQ(wrong, 0) << "width " << width << ", from column " << at;
        }
}

TEST(Blit, KeyedCopySkipsKeyPixelsAndUnkeyedCopyDoesNot)
{
    Surface src(3, 1);
    src.setPixel(0, 0, 0x00FF00);
    src.setPixel(1, 0, 0x123456);
    src.setPixel(2, 0, 0x00FF00);
    src.setColorKeyPixel(0x00FF00);
    Surface dst(3, 1);
    fillRect(&dst, nullptr, 0xABCDEF);
    blitFast(&dst, 0, 0, &src, nullptr, true);
    EXPECT_EQ(dst.pixel(0, 0), 0xABCDEFu);
    EXPECT_EQ(dst.pixel(1, 0), 0x123456u);
    EXPECT_EQ(dst.pixel(2, 0), 0xABCDEFu);
    blitFast(&dst, 0, 0, &src, nullptr, false);
    EXPECT_EQ(dst.pixel(0, 0), 0x00FF00u);
}

TEST(Blit, ThroughMaskDrawsOnlyWhereTheMaskHoldsItsKey)
{
    // One sheet holds the picture (cells 0-1) and the mask (cells 2-3), as the Earth sheet does.
    Surface sheet(8, 2);
    number(sheet);
    sheet.setColorKeyPixel(0x00FF00);
    sheet.setPixel(1, 0, 0x00FF00); // a keyed pixel of the picture stays undrawn
    for (int y = 0; y < 2; ++y)
        for (int x = 4; x < 8; ++x)
            sheet.setPixel(x, y, x < 6 ? 0x00FF00 : 0x111111); // mask: left half lets the picture through
    Surface dst(6, 3);
    fillRect(&dst, nullptr, 0xABCDEF);
    const Rect picture{0, 0, 4, 2};
    ASSERT_EQ(blitThroughMask(&dst, 1, 1, &sheet, &picture, &sheet, Rect{4, 0, 8, 2}), DisplayResult::Ok);
    EXPECT_EQ(dst.pixel(1, 1), sheet.pixel(0, 0));
    EXPECT_EQ(dst.pixel(2, 1), 0xABCDEFu) << "source key";
    EXPECT_EQ(dst.pixel(2, 2), sheet.pixel(1, 1));
    EXPECT_EQ(dst.pixel(3, 1), 0xABCDEFu) << "masked off";
    EXPECT_EQ(dst.pixel(4, 2), 0xABCDEFu) << "masked off";
    EXPECT_EQ(dst.pixel(0, 0), 0xABCDEFu);

    // Clipping at the destination's left edge keeps picture and mask aligned.
    fillRect(&dst, nullptr, 0xABCDEF);
    blitThroughMask(&dst, -1, 0, &sheet, &picture, &sheet, Rect{4, 0, 8, 2});
    EXPECT_EQ(dst.pixel(0, 1), sheet.pixel(1, 1)) << "column 1 of the picture, mask column 5 (open)";
    EXPECT_EQ(dst.pixel(1, 1), 0xABCDEFu) << "column 2 of the picture, mask column 6 (closed)";

    // A mask rectangle that runs off the mask surface, or a mask without a key, lets nothing through.
    fillRect(&dst, nullptr, 0xABCDEF);
    blitThroughMask(&dst, 0, 0, &sheet, &picture, &sheet, Rect{6, 0, 10, 2});
    Surface plain(4, 2);
    blitThroughMask(&dst, 0, 0, &sheet, &picture, &plain, Rect{0, 0, 4, 2});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(dst.pixel(x, y), 0xABCDEFu) << x << "," << y;
    EXPECT_EQ(blitThroughMask(&dst, 0, 0, &sheet, &picture, nullptr, Rect{0, 0, 4, 2}), DisplayResult::InvalidParams);
}

TEST(Blit, OrBlitCombinesAndSkipsItsExplicitKey)
{
    Surface src(3, 1);
    src.setPixel(0, 0, 0x000F00);
    src.setPixel(1, 0, 0x0000FF); // the key given below, even though the surface has another key
    src.setPixel(2, 0, 0x100000);
    src.setColorKeyPixel(0x000F00);
    Surface dst(3, 1);
    fillRect(&dst, nullptr, 0x010101);
    ASSERT_EQ(blitOr(&dst, 0, 0, &src, nullptr, 0x0000FF), DisplayResult::Ok);
    EXPECT_EQ(dst.pixel(0, 0), 0x010F01u);
    EXPECT_EQ(dst.pixel(1, 0), 0x010101u);
    EXPECT_EQ(dst.pixel(2, 0), 0x110101u);
}

TEST(Blit, HalfBlitAveragesEachChannelSkipsKeyPixelsAndClips)
{
    Surface src(3, 1);
    src.setPixel(0, 0, 0xFF00FF);
    src.setPixel(1, 0, 0x00FF00); // the key
    src.setPixel(2, 0, 0xFFFFFF);
    src.setColorKeyPixel(0x00FF00);
    Surface dst(4, 1);
    fillRect(&dst, nullptr, 0x01FF03);
    ASSERT_EQ(blitHalf(&dst, 1, 0, &src, nullptr, true), DisplayResult::Ok);
    EXPECT_EQ(dst.pixel(0, 0), 0x01FF03u) << "left of the blit";
    // No channel carries into its neighbour: 0xFF + 0x01 halves to 0x7F, not 0x80 spilling over.
    EXPECT_EQ(dst.pixel(1, 0), 0x7F7F80u);
    EXPECT_EQ(dst.pixel(2, 0), 0x01FF03u) << "a key pixel leaves the field alone";
    EXPECT_EQ(dst.pixel(3, 0), 0x7FFE80u);
    // Hanging over the right edge draws the part that fits and nothing beyond.
    fillRect(&dst, nullptr, 0);
    ASSERT_EQ(blitHalf(&dst, 3, 0, &src, nullptr, false), DisplayResult::Ok);
    EXPECT_EQ(dst.pixel(3, 0), 0x7F007Fu);
    EXPECT_EQ(countNonZero(dst), 1);
    EXPECT_EQ(blitHalf(nullptr, 0, 0, &src, nullptr, false), DisplayResult::InvalidParams);
}

// A 4 x 4 source blitted so that it hangs over each edge of an 8 x 8 destination, and with a
// source rectangle that hangs over each edge of the source.
TEST(Blit, ClipsAtEveryEdgeOfBothSurfaces)
{
    Surface src(4, 4);
    number(src);
    struct Case {
        int x, y;
        Rect srcRect;
        int expectedPixels;
        int probeX, probeY, probeSrcX, probeSrcY;
    } cases[] = {
        {-2, 0, {0, 0, 4, 4}, 8, 0, 0, 2, 0},   // left edge of the destination
        {0, -3, {0, 0, 4, 4}, 4, 0, 0, 0, 3},   // top
        {6, 0, {0, 0, 4, 4}, 8, 7, 3, 1, 3},    // right
        {0, 7, {0, 0, 4, 4}, 4, 3, 7, 3, 0},    // bottom
        {-5, -5, {0, 0, 4, 4}, 0, 0, 0, 0, 0},  // wholly outside
        {9, 2, {0, 0, 4, 4}, 0, 0, 0, 0, 0},    // wholly outside on the right
        {2, 2, {-1, 0, 2, 4}, 8, 3, 2, 0, 0},   // source rectangle left of the source
        {2, 2, {0, -2, 4, 2}, 8, 2, 4, 0, 0},   // above the source
        {2, 2, {2, 0, 9, 4}, 8, 3, 2, 3, 0},    // right of the source
        {2, 2, {0, 3, 4, 40}, 4, 2, 2, 0, 3},   // below the source
        {2, 2, {3, 3, 1, 1}, 0, 0, 0, 0, 0},    // empty (inverted) rectangle
        {2, 2, {7, 7, 9, 9}, 0, 0, 0, 0, 0},    // wholly outside the source
    };
    for (const Case& c : cases) {
        for (bool keyed : {false, true}) {
            Surface dst(8, 8);
            Rect r = c.srcRect;
            ASSERT_EQ(blitFast(&dst, c.x, c.y, &src, &r, keyed), DisplayResult::Ok);
            EXPECT_EQ(countNonZero(dst), c.expectedPixels) << c.x << "," << c.y << " keyed " << keyed;
            if (c.expectedPixels) {
                EXPECT_EQ(dst.pixel(c.probeX, c.probeY), src.pixel(c.probeSrcX, c.probeSrcY))
                    << c.x << "," << c.y;
            }
        }
        Surface dst(8, 8);
        Rect r = c.srcRect;
        blitOr(&dst, c.x, c.y, &src, &r, 0xFFFFFFFF);
        EXPECT_EQ(countNonZero(dst), c.expectedPixels);
    }
    // Extreme coordinates cannot overflow into a visible rectangle.
    Surface dst(8, 8);
    Rect huge{-2147483647, -2147483647, 2147483647, 2147483647};
    blitFast(&dst, 2147483647, 0, &src, &huge, false);
    blitFast(&dst, -2147483647, -2147483647, &src, nullptr, false);
    EXPECT_EQ(countNonZero(dst), 0);
    Rect wide{-2, -2, 2147483647, 2147483647};
    blitFast(&dst, 2, 2, &src, &wide, false);
    EXPECT_EQ(countNonZero(dst), 16);
    EXPECT_EQ(dst.pixel(4, 4), src.pixel(0, 0));
}

TEST(Blit, NullSurfacesDrawNothingAndFillClips)
{
    Surface s(4, 4);
    EXPECT_EQ(blitFast(nullptr, 0, 0, &s, nullptr, true), DisplayResult::InvalidParams);
    EXPECT_EQ(blitFast(&s, 0, 0, nullptr, nullptr, true), DisplayResult::InvalidParams);
    EXPECT_EQ(blitOr(&s, 0, 0, nullptr, nullptr, 0), DisplayResult::InvalidParams);
    EXPECT_EQ(blitStretch(&s, nullptr, nullptr, nullptr, false), DisplayResult::InvalidParams);
    EXPECT_EQ(fillRect(nullptr, nullptr, 1), DisplayResult::InvalidParams);
    Rect r{-10, 2, 2, 100};
    EXPECT_EQ(fillRect(&s, &r, 7), DisplayResult::Ok);
    EXPECT_EQ(countNonZero(s), 4);
    EXPECT_EQ(s.pixel(1, 3), 7u);
}

TEST(Blit, LostAndBusySurfacesReportAndDrawNothing)
{
    Surface src(2, 2);
    number(src);
    Surface dst(2, 2);
    src.markLost();
    EXPECT_EQ(blitFast(&dst, 0, 0, &src, nullptr, false), DisplayResult::SurfaceLost);
    EXPECT_EQ(countNonZero(dst), 0);
    src.restore();
    dst.setBusyFor(2);
    EXPECT_EQ(blitFast(&dst, 0, 0, &src, nullptr, false), DisplayResult::StillDrawing);
    EXPECT_EQ(fillRect(&dst, nullptr, 5), DisplayResult::StillDrawing);
    EXPECT_EQ(countNonZero(dst), 0);
    EXPECT_EQ(blitFast(&dst, 0, 0, &src, nullptr, false), DisplayResult::Ok);
    EXPECT_EQ(countNonZero(dst), 0) << "a restored surface comes back cleared";
}

TEST(Blit, StretchScalesUpDownAndFromOnePixel)
{
    Surface src(2, 2);
    number(src);
    Surface dst(4, 4);
    ASSERT_EQ(blitStretch(&dst, nullptr, &src, nullptr, false), DisplayResult::Ok);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.pixel(x, y), src.pixel(x / 2, y / 2));

    Surface big(6, 3);
    number(big);
    Surface small(3, 1);
    blitStretch(&small, nullptr, &big, nullptr, false);
    EXPECT_EQ(small.pixel(0, 0), big.pixel(0, 0));
    EXPECT_EQ(small.pixel(1, 0), big.pixel(2, 0));
    EXPECT_EQ(small.pixel(2, 0), big.pixel(4, 0));

    // The frame clear: the top-left pixel over everything, opaque even when it is the key.
    Surface screen(80, 60);
    Surface all(3, 3);
    all.setPixel(0, 0, 0x202020);
    all.setColorKeyPixel(0x202020);
    Rect one{0, 0, 1, 1};
    blitStretch(&screen, nullptr, &all, &one, false);
    EXPECT_EQ(screen.pixel(79, 59), 0x202020u);
    EXPECT_EQ(screen.pixel(0, 0), 0x202020u);
    fillRect(&screen, nullptr, 0);
    blitStretch(&screen, nullptr, &all, &one, true);
    EXPECT_EQ(countNonZero(screen), 0);
}

TEST(Blit, StretchClipsBothSurfacesKeepingTheScale)
{
    Surface src(4, 4);
    number(src);
    Surface dst(4, 4);
    // Double size placed so that only its lower-right quarter is on the destination.
    Rect d{-4, -4, 4, 4};
    blitStretch(&dst, &d, &src, nullptr, false);
    EXPECT_EQ(dst.pixel(0, 0), src.pixel(2, 2));
    EXPECT_EQ(dst.pixel(3, 3), src.pixel(3, 3));
    EXPECT_EQ(dst.pixel(2, 1), src.pixel(3, 2));

    // A source rectangle reaching past the source leaves those destination pixels alone.
    Surface dst2(4, 1);
    Rect s{2, 0, 6, 1};
    blitStretch(&dst2, nullptr, &src, &s, false);
    EXPECT_EQ(dst2.pixel(0, 0), src.pixel(2, 0));
    EXPECT_EQ(dst2.pixel(1, 0), src.pixel(3, 0));
    EXPECT_EQ(dst2.pixel(2, 0), 0u);
    EXPECT_EQ(dst2.pixel(3, 0), 0u);
}

} // namespace
} // namespace burrowix

namespace burrowix {
namespace {

// A frame cleared and then covered by a full-screen picture is written once by fillThenBlit; the
// pixels must be those of the two steps, for keyed and opaque pictures of every size.
TEST(FillThenBlit, GivesTheSamePixelsAsAFillFollowedByTheBlit)
{
    std::uint32_t seed = 7;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    };
    struct Shape {
        int w, h;
    };
    for (const Shape shape : {Shape{40, 30}, Shape{50, 30}, Shape{30, 20}, Shape{45, 10}}) {
        for (const bool keyed : {false, true}) {
            for (const bool pictureHasKey : {false, true}) {
                Surface picture(shape.w, shape.h);
                for (int y = 0; y < shape.h; ++y)
                    for (int x = 0; x < shape.w; ++x)
                        picture.setPixel(x, y, (next() % 3 == 0) ? 0u : next());
                if (pictureHasKey)
                    picture.setColorKeyPixel(0);
                const std::uint32_t fill = 0x010101;

                Surface twoSteps(40, 30), onePass(40, 30);
                for (Surface* s : {&twoSteps, &onePass})
                    for (int y = 0; y < 30; ++y)
                        for (int x = 0; x < 40; ++x)
                            s->setPixel(x, y, next()); // last frame's leftovers
                ASSERT_EQ(fillRect(&twoSteps, nullptr, fill), DisplayResult::Ok);
                ASSERT_EQ(blitFast(&twoSteps, 0, 0, &picture, nullptr, keyed), DisplayResult::Ok);
                ASSERT_EQ(fillThenBlit(&onePass, fill, &picture, keyed), DisplayResult::Ok);
                for (int y = 0; y < 30; ++y)
                    for (int x = 0; x < 40; ++x)
                        ASSERT_EQ(onePass.pixel(x, y), twoSteps.pixel(x, y))
                            << shape.w << "x" << shape.h << " keyed " << keyed << " key " << pictureHasKey
                            << " at " << x << "," << y;
            }
        }
    }
    Surface frame(4, 4);
    EXPECT_EQ(fillThenBlit(&frame, 0, nullptr, false), DisplayResult::InvalidParams);
}

} // namespace
} // namespace burrowix
