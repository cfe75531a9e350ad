#include "bmp_writer.hpp"
#include "draw_kit.hpp"
#include "font_rename.hpp"
#include "game_fonts.hpp"
#include "jpeg_writer.hpp"
#include "pack_description.hpp"

#include "app/pack_info.hpp"
#include "common/le_io.hpp"
#include "platform/image/bmp_reader.hpp"
#include "platform/image/load_image.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace burrowix::mkdata {
namespace {

std::uint32_t be32(const std::vector<std::uint8_t>& v, std::size_t at)
{
    return std::uint32_t(v[at]) << 24 | std::uint32_t(v[at + 1]) << 16 | std::uint32_t(v[at + 2]) << 8 | v[at + 3];
}

TEST(MkdataBmpWriter, WritesUncompressed24BitBottomUpRowsPaddedToFourBytes)
{
    Image img(3, 2, {0, 0, 0});
    img.set(0, 0, {255, 0, 0});
    img.set(2, 1, {1, 2, 3});
    const auto bytes = encodeBmp24(img);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12); // 3 pixels = 9 bytes, padded to 12
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(loadLE32(&bytes[2]), bytes.size());
    EXPECT_EQ(loadLE32(&bytes[10]), 54u);
    EXPECT_EQ(loadLE32(&bytes[14]), 40u);
    EXPECT_EQ(loadLE16(&bytes[28]), 24);
    EXPECT_EQ(loadLE32(&bytes[30]), 0u); // BI_RGB
    // The bottom row comes first: its last pixel is (1, 2, 3) stored as blue, green, red.
    EXPECT_EQ(bytes[54 + 6], 3);
    EXPECT_EQ(bytes[54 + 7], 2);
    EXPECT_EQ(bytes[54 + 8], 1);
    EXPECT_EQ(bytes[54 + 12 + 2], 255); // top row, first pixel, red

    Bitmap back;
    std::string message;
    ASSERT_TRUE(readBmp(bytes, back, message)) << message;
    EXPECT_EQ(back.at(0, 0), 0xFF0000u);
    EXPECT_EQ(back.at(2, 1), 0x010203u);
    EXPECT_EQ(back.at(1, 1), 0u);
}

TEST(MkdataJpegWriter, WritesBaselineJfifTheGameDecodes)
{
    Image img(40, 24, {200, 100, 50});
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 24; ++y)
            img.set(x, y, {20, 40, 220});
    const auto bytes = encodeJpeg(img);
    ASSERT_GT(bytes.size(), 100u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    bool baseline = false, progressive = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        baseline |= bytes[i] == 0xFF && bytes[i + 1] == 0xC0;
        progressive |= bytes[i] == 0xFF && (bytes[i + 1] == 0xC2 || bytes[i + 1] == 0xC9 || bytes[i + 1] == 0xCA);
    }
    EXPECT_TRUE(baseline);
    EXPECT_FALSE(progressive);

    test::TempDir dir;
    test::writeBytes(dir.file("a.jpg"), bytes);
    auto decoded = decodeImageFile(dir.file("a.jpg"), ImageFormat::Jpeg);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 40);
    EXPECT_EQ(decoded->height, 24);
    const std::uint32_t left = decoded->at(5, 10), right = decoded->at(35, 10);
    EXPECT_NEAR(int(left & 255), 220, 12);
    EXPECT_NEAR(int(right >> 16), 200, 12);
    EXPECT_EQ(encodeJpeg(img), bytes); // repeatable
}

TEST(MkdataKeyedCanvas, ThresholdsAlphaAndKeepsVisiblePixelsOffTheKey)
{
    Canvas c(4, 1);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, 1, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.4); // under half covered: becomes the key
    cairo_fill(cr);
    cairo_rectangle(cr, 1, 0, 1, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6); // over half: composited over the dark outline tone
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 0, 1, 1);
    cairo_set_source_rgb(cr, 0, 1, 0); // pure key green drawn as art
    cairo_fill(cr);
    cairo_rectangle(cr, 3, 0, 1, 1);
    cairo_set_source_rgb(cr, 0, 0, 0); // pure black drawn as art
    cairo_fill(cr);

    const Image green = c.keyed(kKeyGreen);
    EXPECT_EQ(green.at(0, 0), kKeyGreen);
    const Rgb half = green.at(1, 0);
    EXPECT_NEAR(half.r, 0.6 * 255 + 0.4 * 42, 2);
    EXPECT_NEAR(half.b, 0.6 * 255 + 0.4 * 18, 2);
    EXPECT_NE(green.at(2, 0), kKeyGreen);
    EXPECT_EQ(green.at(3, 0), (Rgb{0, 0, 0}));

    const Image black = c.keyed(kKeyBlack);
    EXPECT_EQ(black.at(0, 0), kKeyBlack);
    EXPECT_EQ(black.at(2, 0), kKeyGreen);
    EXPECT_EQ(black.at(3, 0), (Rgb{8, 8, 8}));
}

// Text drawn before the game's faces are loaded stops the generator instead of falling back to a
// font of the machine, which would make the packs differ between machines.
TEST(MkdataTextDeathTest, TextWithoutTheGamesFacesStopsTheGenerator)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    releaseFaces();
    Canvas c(40, 20);
    EXPECT_DEATH(drawText(c.cr(), Face::Round, 12, "gold", 2, 15, Align::Left, hex(0xFFFFFF), hex(0), 1),
                 "faces were loaded");
    EXPECT_DEATH(textWidth(c.cr(), Face::Sketch, 12, "gold"), "faces were loaded");
}

TEST(MkdataPackDescription, HasTheGamesFieldOrderAndNoExtraBytes)
{
    const auto bytes = packDescription(kThemePackType, "Frost", 1, 0, 0);
    const std::vector<std::uint8_t> expected = {2, 0, 0, 0, 5, 0, 0, 0, 'F', 'r', 'o', 's', 't', 1, 0, 0, 0,
                                                0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(bytes, expected);
    const PackInfo level = parsePackDescription(packDescription(kLevelPackType, "Hard", 2, 2, 30));
    EXPECT_EQ(level.packType, PackInfo::kLevelPack);
    EXPECT_EQ(level.title, "Hard");
    EXPECT_EQ(level.themeNumber, 2);
    EXPECT_EQ(level.packNumber, 2);
    EXPECT_EQ(level.levelCount, 30);
}

TEST(MkdataFontRename, SetsTheFamilyAndKeepsEveryChecksumValid)
{
    std::string error;
    auto fonts = makeGameFonts(error);
    ASSERT_TRUE(fonts) << error;
    for (const GameFont* f : {&fonts->sketch, &fonts->round}) {
        const auto& font = f->bytes;
        EXPECT_EQ(fontFamilyName(font, 1), f->family);
        EXPECT_EQ(fontFamilyName(font, 4), f->family);
        EXPECT_EQ(fontFamilyName(font, 6), f->family);
        for (int id : {16, 18}) { // optional records, renamed when present
            const std::string name = fontFamilyName(font, id);
            EXPECT_TRUE(name.empty() || name == f->family) << id << ": " << name;
        }
        ASSERT_EQ(font.size() % 4, 0u);
        EXPECT_EQ(sfntChecksum(font.data(), font.size()), 0xB1B0AFBAu);
        const std::size_t tables = std::size_t(font[4]) << 8 | font[5];
        std::uint32_t headAdjustment = 0;
        for (std::size_t i = 0; i < tables; ++i) {
            const std::size_t rec = 12 + 16 * i;
            const std::uint32_t tag = be32(font, rec), sum = be32(font, rec + 4), off = be32(font, rec + 8),
                                len = be32(font, rec + 12);
            ASSERT_LE(std::uint64_t(off) + len, font.size());
            std::vector<std::uint8_t> table(font.begin() + off, font.begin() + off + len);
            if (tag == 0x68656164) { // 'head': its checksum is taken with the adjustment zeroed
                headAdjustment = be32(table, 8);
                std::fill(table.begin() + 8, table.begin() + 12, 0);
            }
            EXPECT_EQ(sfntChecksum(table.data(), table.size()), sum) << "table " << i;
            EXPECT_NE(tag, 0x44534947u); // no stale signature
        }
        EXPECT_NE(headAdjustment, 0u);
        EXPECT_NE(f->licenceText.find("SIL OPEN FONT LICENSE"), std::string::npos);
    }
}

TEST(MkdataFontRename, RefusesWhatIsNotAFont)
{
    EXPECT_FALSE(renameFontFamily({}, "X"));
    EXPECT_FALSE(renameFontFamily({0, 1, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0}, "X")); // directory past the end
    std::vector<std::uint8_t> noTables = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(renameFontFamily(noTables, "X")); // no name or head table
    std::vector<std::uint8_t> text(64, 'a');
    EXPECT_FALSE(renameFontFamily(text, "X"));
}

TEST(MkdataFontLicence, TakesTheLicenceBodyOfADebianCopyrightFile)
{
    const std::string copyright = "Format: x\n\nFiles: *\nCopyright: 2011 Someone\nLicense: OFL-1.1\n"
                                  " Line one.\n .\n Line two.\n\nFiles: debian/*\nLicense: other\n Nope\n";
    EXPECT_EQ(licenceFromDebianCopyright(copyright), "Line one.\n\nLine two.\n");
}

} // namespace
} // namespace burrowix::mkdata
