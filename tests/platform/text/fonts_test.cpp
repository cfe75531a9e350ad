#include <gtest/gtest.h>

#include <algorithm>

#include "platform/display/blit.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/display/surface.hpp"
#include "platform/text/text_color.hpp"
#include "text_test_support.hpp"

namespace burrowix {
namespace {

using test::GameFontsTest;

constexpr std::uint32_t kGreenKey = 0x00FF00; // pixel value of pure green
constexpr std::uint32_t kWhite = packRgb(255, 255, 255);

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1; // right and bottom inclusive
    bool empty() const { return right < 0; }
};

// The bounding box of the pixels that differ from `background`.
Box inkBox(const Surface& s, std::uint32_t background)
{
    Box b;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != background) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

TEST(TextColorTest, DisabledHalvesAndHighlightLifts)
{
    struct Row {
        std::uint32_t rgb;
        int highlighted, enabled;
        std::uint32_t drawn;
    };
    const Row rows[] = {
        {packRgb(200, 100, 50), 0, 1, packRgb(200, 100, 50)},
        {packRgb(200, 100, 50), 0, 0, packRgb(100, 50, 25)},
        {packRgb(200, 100, 50), 1, 0, packRgb(100, 50, 25)}, // disabled wins over highlighted
        {packRgb(200, 100, 50), 1, 1, packRgb(255, 200, 150)},
        {kWhite, 1, 1, kWhite},
        {packRgb(0, 0, 101), 1, 1, packRgb(50, 50, 151)},
    };
    for (const Row& r : rows)
        EXPECT_EQ(textColorFor(r.rgb, r.highlighted, r.enabled), r.drawn) << std::hex << r.rgb;
}

TEST_F(GameFontsTest, FacesAreFoundByNameAndMeasuredFromW)
{
    ASSERT_EQ(theFonts.count(), 2);
    EXPECT_NE(fontFileForFace("graffiti2ctt").find("Grf02z_c.ttf"), std::string::npos);
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(theFonts.font(i)->font, nullptr);
        EXPECT_EQ(theFonts.font(i)->cellWidth, textWidth(i, "W"));
        EXPECT_EQ(theFonts.font(i)->cellHeight, textHeight(i, "W"));
    }
    // 18 and 28 points at 96 dpi: characters 24 and 37 pixels high.
    EXPECT_GE(theFonts.font(0)->cellHeight, 24);
    EXPECT_GT(theFonts.font(1)->cellHeight, theFonts.font(0)->cellHeight);
    EXPECT_GT(textWidth(0, "WWWW"), textWidth(0, "W"));
    EXPECT_EQ(textWidth(0, nullptr), 0);
    EXPECT_EQ(textWidth(7, "W"), 0);
}

TEST_F(GameFontsTest, UnknownFaceFallsBackAndRemovedFilesAreForgotten)
{
    const int index = createFont(nullptr, "NoSuchFace", 18, kFontBold | kFontItalic);
    EXPECT_EQ(index, 2);
    EXPECT_NE(theFonts.font(index)->font, nullptr);
    EXPECT_GT(theFonts.font(index)->cellWidth, 0);

    EXPECT_EQ(removeGameFontFiles(BURROWIX_GAME_DIR), 2);
    EXPECT_EQ(removeGameFontFiles(BURROWIX_GAME_DIR), 0);
    EXPECT_EQ(fontFileForFace("Graffiti1CTT").find("Grf01z_c.ttf"), std::string::npos);
    EXPECT_EQ(addFontFile("/nonexistent/file.ttf"), 0);
}

TEST_F(GameFontsTest, AlignmentPlacesTheTextAroundThePoint)
{
    Surface s(800, 600);
    drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, &s, 400, 300, "Centre", kWhite);
    const Box centred = inkBox(s, 0);
    ASSERT_FALSE(centred.empty());
    // The ink lies inside the text's box, which is centred on the point.
    const int w = textWidth(kFontSmall, "Centre"), h = textHeight(kFontSmall, "Centre");
    EXPECT_GE(centred.left, 400 - w / 2 - 1);
    EXPECT_LE(centred.right, 400 + w / 2 + 1);
    EXPECT_LT(centred.left, 400);
    EXPECT_GT(centred.right, 400);
    EXPECT_LT(std::abs((centred.left + centred.right) / 2 - 400), 6);
    EXPECT_GE(centred.top, 300 - h / 2);
    EXPECT_LE(centred.bottom, 300 + h / 2);

    Surface e(800, 600);
    drawText(kFontSmall, 0, 1, kAlignEnd, kAlignEnd, &e, 400, 300, "Centre", kWhite);
    const Box ended = inkBox(e, 0);
    EXPECT_LE(ended.right, 399);
    EXPECT_LE(ended.bottom, 299);
    EXPECT_GT(ended.right, 400 - w / 4);

    Surface t(800, 600);
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignStart, &t, 10, 20, "Centre", kWhite);
    const Box started = inkBox(t, 0);
    EXPECT_GE(started.left, 10);
    EXPECT_LT(started.left, 10 + w / 4);
    EXPECT_GE(started.top, 20);
}

TEST_F(GameFontsTest, SolidGlyphPixelsCarryTheStateColour)
{
    struct Row {
        int highlighted, enabled;
        std::uint32_t drawn;
    };
    for (const Row r : {Row{0, 1, packRgb(200, 100, 50)}, Row{0, 0, packRgb(100, 50, 25)},
                        Row{1, 1, packRgb(255, 200, 150)}}) {
        Surface s(300, 60);
        drawText(kFontLarge, r.highlighted, r.enabled, 0, 0, &s, 0, 0, "MW", packRgb(200, 100, 50));
        const std::uint32_t want = rgbToPixel32(r.drawn);
        int solid = 0;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                solid += s.pixel(x, y) == want;
        EXPECT_GT(solid, 50) << r.highlighted << r.enabled;
    }
}

TEST_F(GameFontsTest, NothingIsDrawnForBadArguments)
{
    Surface s(100, 50);
    drawText(2, 0, 1, 0, 0, &s, 0, 0, "W", kWhite);
    drawText(-1, 0, 1, 0, 0, &s, 0, 0, "W", kWhite);
    drawText(0, 0, 1, 0, 0, &s, 0, 0, nullptr, kWhite);
    drawText(0, 0, 1, 0, 0, nullptr, 0, 0, "W", kWhite);
    s.markLost();
    drawText(0, 0, 1, 0, 0, &s, 0, 0, "W", kWhite);
    s.restore();
    EXPECT_TRUE(inkBox(s, 0).empty());
    // Partly outside the surface: clipped, not refused.
    drawText(0, 0, 1, kAlignStart, kAlignStart, &s, -10, -5, "WWW", kWhite);
    EXPECT_FALSE(inkBox(s, 0).empty());
}

// Text on a transparent (green-keyed) buffer, as labels and buttons draw it: every pixel is either
// still the key or exactly the text colour, so no green or grey halo appears once the buffer is
// laid over a picture. Over opaque pixels the edges stay anti-aliased.
TEST_F(GameFontsTest, TextOnAKeyedBufferLeavesNoKeyColouredFringe)
{
    for (const std::uint32_t colour : {kWhite, packRgb(20, 20, 20), packRgb(200, 100, 50)}) {
        Surface label(400, 50);
        Rect all{0, 0, 400, 50};
        fillRect(&label, &all, kGreenKey);
        label.setColorKeyPixel(kGreenKey);
        // Left half transparent, right half an opaque dark grey.
        Rect right{200, 0, 400, 50};
        fillRect(&label, &right, 0x303030);
        drawText(kFontLarge, 0, 1, 0, 0, &label, 100, 0, "Hello there", colour);

        const std::uint32_t ink = rgbToPixel32(colour);
        int inkOnKey = 0, edgesOnOpaque = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 400; ++x) {
                const std::uint32_t p = label.pixel(x, y);
                if (x < 200) {
                    ASSERT_TRUE(p == kGreenKey || p == ink) << std::hex << p << " at " << x << "," << y;
                    inkOnKey += p == ink;
                } else if (p != 0x303030 && p != ink) {
                    ++edgesOnOpaque;
                    EXPECT_NE(p, kGreenKey);
                }
            }
        EXPECT_GT(inkOnKey, 100);
        EXPECT_GT(edgesOnOpaque, 20);

        // Laid over a dark picture, the text shows only picture and text colour.
        Surface screen(400, 50);
        blitFast(&screen, 0, 0, &label, nullptr, true);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 200; ++x)
                ASSERT_TRUE(screen.pixel(x, y) == 0 || screen.pixel(x, y) == ink);
    }
}

} // namespace
} // namespace burrowix
