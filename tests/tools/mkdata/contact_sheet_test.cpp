#include "contact_sheet.hpp"
#include "draw_kit.hpp"
#include "game_fonts.hpp"
#include "generator.hpp"

#include "common/asset_manifest.hpp"
#include "support/temp_dir.hpp"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace burrowix::mkdata {
namespace {

std::uint32_t pixelAt(cairo_surface_t* s, int x, int y)
{
    const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                             std::ptrdiff_t(y) * cairo_image_surface_get_stride(s));
    return row[x] & 0xFFFFFF;
}

TEST(MkdataContactSheet, ShowsThePictureAtFullSizeWithKeyPixelsAsACheckerboard)
{
    Picture p{"test.bmp", Image(80, 40, kKeyGreen), kKeyGreen, Format::Bmp, 40, 40, {{"r", 0, 0, 10, 10}}};
    p.image.set(60, 20, {200, 10, 10});
    test::TempDir dir;
    std::string error;
    auto fonts = makeGameFonts(error);
    ASSERT_TRUE(fonts) << error;
    ASSERT_TRUE(loadFaces(fonts->sketch.bytes, fonts->round.bytes));
    const bool written = writeContactSheet(p, dir.file("s.png"));
    releaseFaces();
    ASSERT_TRUE(written);
    cairo_surface_t* s = cairo_image_surface_create_from_png(dir.file("s.png").c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    const int margin = (cairo_image_surface_get_width(s) - 80) / 2;
    EXPECT_GT(margin, 0);
    EXPECT_EQ(cairo_image_surface_get_height(s), 40 + 2 * margin);
    EXPECT_EQ(pixelAt(s, margin + 60, margin + 20), 0xC80A0Au) << "picture pixels 1:1";
    // Key pixels become two different greys, never the key itself.
    const std::uint32_t a = pixelAt(s, margin + 44, margin + 3), b = pixelAt(s, margin + 52, margin + 3);
    EXPECT_NE(a, 0x00FF00u);
    EXPECT_NE(a, b);
    cairo_surface_destroy(s);
}

TEST(MkdataContactSheet, TheGeneratorWritesOneSheetPerPictureAndASpectrogramPerSound)
{
    test::TempDir out, sheets;
    std::string error;
    ASSERT_TRUE(generateData({out.path().string(), sheets.path().string(), ""}, error)) << error;
    int count = 0, sounds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(sheets.path())) {
        const bool png = entry.path().extension() == ".png";
        const bool sound = entry.path().filename().string().rfind("sound-", 0) == 0;
        count += png && !sound;
        sounds += png && sound;
    }
    EXPECT_EQ(count, 136 + 3 * 7 + 3);
    EXPECT_EQ(sounds, assets::kEffectCount + assets::kMusicTrackCount);
    EXPECT_TRUE(std::filesystem::exists(sheets.path() / "sound-explosion01.wav.png"));
    EXPECT_TRUE(std::filesystem::exists(sheets.path() / "sound-back4.ogg.png"));
    EXPECT_TRUE(std::filesystem::exists(sheets.path() / "standart-h1.bmp.png"));
    EXPECT_TRUE(std::filesystem::exists(sheets.path() / "theme2-grass.bmp.png"));
    EXPECT_TRUE(std::filesystem::exists(sheets.path() / "levels1-pack1.bmp.png"));
}

} // namespace
} // namespace burrowix::mkdata
