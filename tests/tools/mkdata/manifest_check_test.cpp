// The generator holds what it draws against the asset manifest before writing a pack.
#include "draw_kit.hpp"
#include "game_fonts.hpp"
#include "manifest_check.hpp"
#include "picture_groups.hpp"

#include <gtest/gtest.h>

namespace burrowix::mkdata {
namespace {

using assets::PicturePack;

Picture drawn(P id)
{
    const assets::PictureAsset& row = assets::pictureAsset(id);
    const Format format = std::string_view(row.file).ends_with(".jpg") ? Format::Jpeg : Format::Bmp;
    return {row.file, Image(row.width, row.height), kKeyBlack, format, 0, 0, {}};
}

TEST(ManifestCheck, PassesWhatTheGeneratorDrawsForThemesAndLevelPacks)
{
    // The captions are drawn in the game's own faces, as the generator draws them.
    std::string error;
    auto fonts = makeGameFonts(error);
    ASSERT_TRUE(fonts) << error;
    ASSERT_TRUE(loadFaces(fonts->sketch.bytes, fonts->round.bytes));
    EXPECT_EQ(checkAgainstManifest(themePictures(1), PicturePack::Theme), "");
    EXPECT_EQ(checkAgainstManifest({levelPackEmblem(2)}, PicturePack::Level), "");
}

TEST(ManifestCheck, NamesThePictureAndWhatIsWrongWithIt)
{
    const std::string emblem = assets::pictureFile(P::PackEmblem);
    const int w = assets::pictureAsset(P::PackEmblem).width, h = assets::pictureAsset(P::PackEmblem).height;

    Picture wrongSize = drawn(P::PackEmblem);
    wrongSize.image = Image(w, h + 1);
    EXPECT_EQ(checkAgainstManifest({wrongSize}, PicturePack::Level),
              "\"" + emblem + "\" of the level pack is drawn " + std::to_string(w) + " x " + std::to_string(h + 1) +
                  ", but the asset manifest says " + std::to_string(w) + " x " + std::to_string(h));

    EXPECT_NE(checkAgainstManifest({}, PicturePack::Level).find("\"" + emblem + "\" of the level pack is in the asset "
                                                                 "manifest but not drawn"),
              std::string::npos);
    EXPECT_NE(checkAgainstManifest({drawn(P::PackEmblem), drawn(P::PackEmblem)}, PicturePack::Level).find("twice"),
              std::string::npos);

    // A standard picture drawn for a level pack belongs to another pack.
    EXPECT_NE(checkAgainstManifest({drawn(P::PackEmblem), drawn(P::Logo)}, PicturePack::Level)
                  .find("has no such picture of the level pack"),
              std::string::npos);

    Picture wrongFormat = drawn(P::PackEmblem);
    wrongFormat.format = Format::Jpeg;
    EXPECT_NE(checkAgainstManifest({wrongFormat}, PicturePack::Level).find("encoded as JPEG"), std::string::npos);
}

} // namespace
} // namespace burrowix::mkdata
