#include <gtest/gtest.h>

#include "platform/display/keyless_squares.hpp"
#include "platform/display/surface.hpp"

namespace burrowix {
namespace {

TEST(KeylessSquares, OnlyTheNotedSheetWithItsKeyAndWholeSquaresCount)
{
    // A 3 x 2 sheet of 10 px squares and a ragged 5 px column; one key pixel in square (1, 0) at
    // its last pixel, one in (0, 1) at its first.
    Surface sheet(35, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 35; ++x)
            sheet.setPixel(x, y, 0x102030u);
    sheet.setPixel(19, 9, 0xFF00FFu);
    sheet.setPixel(0, 10, 0xFF00FFu);
    sheet.setColorKeyPixel(0xFF00FFu);
    KeylessSquares t;
    t.note(&sheet, 10);
    EXPECT_TRUE(t.has(&sheet, 0, 0));
    EXPECT_FALSE(t.has(&sheet, 1, 0));
    EXPECT_TRUE(t.has(&sheet, 2, 0));
    EXPECT_FALSE(t.has(&sheet, 0, 1));
    EXPECT_TRUE(t.has(&sheet, 1, 1));
    EXPECT_FALSE(t.has(&sheet, 3, 0)) << "the ragged column is no whole square";
    EXPECT_FALSE(t.has(&sheet, 0, 2));
    EXPECT_FALSE(t.has(&sheet, -1, 0));

    Surface other(35, 20);
    EXPECT_FALSE(t.has(&other, 0, 0)) << "another sheet";
    sheet.setColorKeyPixel(0x102030u);
    EXPECT_FALSE(t.has(&sheet, 0, 0)) << "a new key makes the table stale";
    sheet.clearColorKey();
    EXPECT_FALSE(t.has(&sheet, 0, 0));
    t.note(&sheet, 10);
    EXPECT_TRUE(t.has(&sheet, 1, 0)) << "without a key every square draws whole";
    sheet.markLost();
    EXPECT_FALSE(t.has(&sheet, 0, 0)) << "a lost sheet draws nothing";
    t.note(nullptr, 10);
    EXPECT_FALSE(t.has(nullptr, 0, 0));
}

} // namespace
} // namespace burrowix
