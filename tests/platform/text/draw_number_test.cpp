#include <gtest/gtest.h>

#include "platform/text/draw_number.hpp"

namespace burrowix {
namespace {

constexpr std::uint32_t kBlueKey = 0x0000FF;
constexpr std::uint32_t kUntouched = 0x123456;

// A digit sheet whose every pixel names its own place, (y << 12) | x, so a drawn pixel tells which
// sheet pixel was copied. No pixel equals the blue key (x never reaches 255).
struct Sheet {
    Surface surface{220, 114};
    Sheet()
    {
        for (int y = 0; y < 114; ++y)
            for (int x = 0; x < 220; ++x)
                surface.setPixel(x, y, static_cast<std::uint32_t>(y) << 12 | static_cast<std::uint32_t>(x));
        surface.setColorKeyPixel(kBlueKey);
    }
};

std::uint32_t sheetPixel(int x, int y) { return static_cast<std::uint32_t>(y) << 12 | static_cast<std::uint32_t>(x); }

struct Screen {
    Surface surface{800, 600};
    Screen()
    {
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                surface.setPixel(x, y, kUntouched);
    }
};

TEST(DrawNumberTest, DigitsAreRightAlignedOnTheOnesDigit)
{
    Sheet sheet;
    Screen screen;
    drawNumber(&screen.surface, &sheet.surface, 123456, 700, 10, 0);
    // Ones digit 6 at x 700; each step is 22 pixels; the leading 1 at 590.
    EXPECT_EQ(screen.surface.pixel(700, 10), sheetPixel(6 * 20, 0));
    EXPECT_EQ(screen.surface.pixel(719, 41), sheetPixel(6 * 20 + 19, 31));
    EXPECT_EQ(screen.surface.pixel(678, 10), sheetPixel(5 * 20, 0));
    EXPECT_EQ(screen.surface.pixel(590, 10), sheetPixel(1 * 20, 0));
    EXPECT_EQ(screen.surface.pixel(589, 10), kUntouched);
    EXPECT_EQ(screen.surface.pixel(698, 10), kUntouched); // the gap
    EXPECT_EQ(screen.surface.pixel(720, 10), kUntouched);
    EXPECT_EQ(screen.surface.pixel(700, 42), kUntouched);
}

TEST(DrawNumberTest, StylesUseTheirBandsAndStyleOneMarksSingleDigits)
{
    Sheet sheet;
    Screen screen;
    drawNumber(&screen.surface, &sheet.surface, 7, 100, 100, 1);
    EXPECT_EQ(screen.surface.pixel(78, 100), sheetPixel(200, 32));
    EXPECT_EQ(screen.surface.pixel(100, 100), sheetPixel(140, 32));
    EXPECT_EQ(screen.surface.pixel(77, 100), kUntouched);

    drawNumber(&screen.surface, &sheet.surface, 12, 300, 100, 1); // two digits: no mark
    EXPECT_EQ(screen.surface.pixel(278, 100), sheetPixel(20, 32));

    drawNumber(&screen.surface, &sheet.surface, 90, 400, 200, 2);
    EXPECT_EQ(screen.surface.pixel(400, 200), sheetPixel(0, 64));
    EXPECT_EQ(screen.surface.pixel(383, 225), sheetPixel(9 * 16, 89));
    EXPECT_EQ(screen.surface.pixel(400, 226), kUntouched);

    drawNumber(&screen.surface, &sheet.surface, 40, 500, 300, 3);
    EXPECT_EQ(screen.surface.pixel(486, 300), sheetPixel(4 * 14, 90)); // no gap in style 3
    EXPECT_EQ(screen.surface.pixel(513, 323), sheetPixel(13, 113));
}

TEST(DrawNumberTest, CellsAreClippedAtTheEdgesOneByOne)
{
    Sheet sheet;
    Screen screen;
    // Ones digit at x 5, tens digit at x -12 (16 + 1 per step): its right part still shows.
    drawNumber(&screen.surface, &sheet.surface, 123, 5, -10, 2);
    EXPECT_EQ(screen.surface.pixel(5, 0), sheetPixel(3 * 16, 74));
    EXPECT_EQ(screen.surface.pixel(0, 0), sheetPixel(2 * 16 + 12, 74));
    // Bottom edge.
    drawNumber(&screen.surface, &sheet.surface, 8, 600, 590, 0);
    EXPECT_EQ(screen.surface.pixel(600, 599), sheetPixel(8 * 20, 9));
}

TEST(DrawNumberTest, OutOfRangeValuesAndStylesDrawNothing)
{
    Sheet sheet;
    Screen screen;
    drawNumber(&screen.surface, &sheet.surface, 1000000, 700, 10, 0);
    drawNumber(&screen.surface, &sheet.surface, -5, 700, 10, 0);
    drawNumber(&screen.surface, &sheet.surface, 5, 700, 10, 4);
    drawNumber(&screen.surface, &sheet.surface, 5, 700, 10, -1);
    drawNumber(&screen.surface, nullptr, 5, 700, 10, 0);
    for (int x = 600; x < 800; ++x)
        ASSERT_EQ(screen.surface.pixel(x, 20), kUntouched);
    drawNumber(&screen.surface, &sheet.surface, 999999, 700, 10, 0);
    EXPECT_EQ(screen.surface.pixel(590, 10), sheetPixel(9 * 20, 0));
    drawNumber(&screen.surface, &sheet.surface, 0, 100, 10, 0);
    EXPECT_EQ(screen.surface.pixel(100, 10), sheetPixel(0, 0));
}

} // namespace
} // namespace burrowix
