#include "generator.hpp"
#include "common/asset_manifest.hpp"

#include "picture_groups.hpp"
#include "draw_kit.hpp"
#include "game_fonts.hpp"
#include "platform/archive/pack_archive.hpp"
#include "support/temp_dir.hpp"

#include "world/level_source.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace burrowix::mkdata {
namespace {

TEST(MkdataGenerator, TwoRunsWriteByteIdenticalFiles)
{
    test::TempDir first, second;
    std::string error;
    ASSERT_TRUE(generateData({first.path().string(), "", ""}, error)) << error;
    ASSERT_TRUE(generateData({second.path().string(), "", ""}, error)) << error;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(first.path())) {
        const auto name = entry.path().filename().string();
        EXPECT_EQ(test::readBytes(entry.path().string()), test::readBytes(second.file(name))) << name;
        ++files;
    }
    EXPECT_EQ(files, 12);
}

TEST(MkdataGenerator, CompilesTheLevelSourcesIntoTheirPacks)
{
    const std::filesystem::path sources = std::filesystem::path(BURROWIX_SOURCE_DIR) / "data" / "levels";
    test::TempDir out, levels;
    std::filesystem::create_directories(levels.path() / "pack1");
    std::filesystem::copy_file(sources / "pack0" / "1.txt", levels.path() / "pack1" / "3.txt");
    std::string error;
    ASSERT_TRUE(generateData({out.path().string(), "", levels.path().string()}, error)) << error;
    PackArchive withLevel(out.file(levelPackFileName(1)));
    const int index = withLevel.findMember("3.ml_");
    ASSERT_GE(index, 0);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(withLevel.readMember(index, bytes));
    const auto text = test::readBytes((sources / "pack0" / "1.txt").string());
    EXPECT_EQ(bytes, compileLevelSource(std::string(text.begin(), text.end()), error).value());
    PackArchive without(out.file(levelPackFileName(0)));
    EXPECT_EQ(without.memberCount(), 2);

    // A broken source stops the generation and names itself.
    std::filesystem::create_directories(levels.path() / "pack2");
    test::writeText((levels.path() / "pack2" / "1.txt").string(), "not a level");
    EXPECT_FALSE(generateData({out.path().string(), "", levels.path().string()}, error));
    EXPECT_NE(error.find("1.txt"), std::string::npos) << error;
}

TEST(MkdataThemes, BackgroundTilesMatchEachOtherAtEveryEdge)
{
    std::string error;
    auto fonts = makeGameFonts(error);
    ASSERT_TRUE(fonts) << error;
    ASSERT_TRUE(loadFaces(fonts->sketch.bytes, fonts->round.bytes));
    for (int t = 0; t < kThemeCount; ++t) {
        const PictureList pictures = themePictures(t);
        const Image& bg = pictures.at(0).image;
        ASSERT_EQ(pictures.at(0).name, file(P::Background));
        for (int band = 0; band < 3; ++band)
            for (int tile = 1; tile < 4; ++tile)
                for (int i = 0; i < 200; ++i) {
                    const int y0 = band * 200;
                    // Left and right edge columns, top and bottom edge rows, equal across tiles.
                    ASSERT_EQ(bg.at(tile * 200, y0 + i), bg.at(0, y0 + i)) << t << " " << band << " " << tile;
                    ASSERT_EQ(bg.at(tile * 200 + 199, y0 + i), bg.at(199, y0 + i));
                    ASSERT_EQ(bg.at(tile * 200 + i, y0), bg.at(i, y0));
                    ASSERT_EQ(bg.at(tile * 200 + i, y0 + 199), bg.at(i, y0 + 199));
                }
    }
    releaseFaces();
}

} // namespace
} // namespace burrowix::mkdata
