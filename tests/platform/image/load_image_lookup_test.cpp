#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/archive/open_packs.hpp"
#include "image_fixtures.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/archive/pack_writer.hpp"
#include "platform/image/load_image.hpp"
#include "support/temp_dir.hpp"
#include "support/tmpdir_env.hpp"

namespace burrowix {
namespace {

// Points the archives' temporary copies at a folder of the test's own, so that leftovers can be
// counted, and restores the open packs afterwards.
class LoadImageLookup : public ::testing::Test {
protected:
    void TearDown() override
    {
        standardPack = nullptr;
        currentPack = nullptr;
    }
    int leftovers() const
    {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(tmp_.path()))
            n += e.path().filename().string().rfind("ru", 0) == 0;
        return n;
    }

    test::TempDir tmp_;
    test::TmpDirEnv tmpEnv_{tmp_.path().string()};
    test::TempDir data_;
};

TEST_F(LoadImageLookup, LevelPackFirstThenStandardPackThenDisk)
{
    const std::string standardPath = data_.file("standart.pak");
    const std::string levelPath = data_.file("level.pak");
    ASSERT_TRUE(writePackArchive(standardPath, {{"both.bmp", test::makeBmp24(1, 1, {0x000001})},
                                                {"std.gif", test::makeGif(1, 1, 1, {1})}}));
    ASSERT_TRUE(writePackArchive(levelPath, {{"BOTH.BMP", test::makeBmp24(1, 1, {0x000002})}}));
    const std::string diskName = data_.file("disk.bmp");
    test::writeBytes(diskName, test::makeBmp24(1, 1, {0x000003}));

    PackArchive standard(standardPath);
    PackArchive level(levelPath);
    standardPack = &standard;
    currentPack = &level;

    std::string error;
    auto both = loadImage("both.bmp", &error);
    ASSERT_TRUE(both) << error;
    EXPECT_EQ(both->at(0, 0), 2u);
    auto fromStandard = loadImage("Std.GIF", &error);
    ASSERT_TRUE(fromStandard) << error;
    EXPECT_EQ(fromStandard->at(0, 0), 0x030507u);
    auto fromDisk = loadImage(diskName, &error);
    ASSERT_TRUE(fromDisk) << error;
    EXPECT_EQ(fromDisk->at(0, 0), 3u);
    EXPECT_FALSE(loadImage("nowhere.bmp", &error));
    EXPECT_EQ(leftovers(), 0);

    currentPack = nullptr;
    both = loadImage("both.bmp", &error);
    ASSERT_TRUE(both) << error;
    EXPECT_EQ(both->at(0, 0), 1u);
    EXPECT_EQ(leftovers(), 0);
}

TEST_F(LoadImageLookup, ABatchGivesWhatLoadingOneByOneGives)
{
    const std::string standardPath = data_.file("standart.pak");
    const std::string levelPath = data_.file("level.pak");
    std::vector<std::uint32_t> big(300 * 400);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = std::uint32_t(i * 40503u) & 0xFFFFFF;
    ASSERT_TRUE(writePackArchive(standardPath, {{"both.bmp", test::makeBmp24(1, 1, {0x000001})},
                                                {"big.bmp", test::makeBmp24(300, 400, big)},
                                                {"std.gif", test::makeGif(1, 1, 1, {1})},
                                                {"broken.bmp", {'B', 'M', 0, 0}}}));
    ASSERT_TRUE(writePackArchive(levelPath, {{"both.bmp", test::makeBmp24(1, 1, {0x000002})}}));
    PackArchive standard(standardPath);
    PackArchive level(levelPath);
    standardPack = &standard;
    currentPack = &level;

    // Names repeat (one copy serves both) and some cannot be loaded.
    const std::vector<std::string_view> names{"both.bmp", "big.bmp", "std.gif", "nowhere.bmp",
                                              "broken.bmp", "big.bmp", "both.bmp"};
    const std::vector<std::optional<Bitmap>> batch = loadImages(names);
    ASSERT_EQ(batch.size(), names.size());
    EXPECT_EQ(leftovers(), 0);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::optional<Bitmap> single = loadImage(names[i]);
        ASSERT_EQ(batch[i].has_value(), single.has_value()) << names[i];
        if (!single)
            continue;
        EXPECT_EQ(batch[i]->width, single->width) << names[i];
        EXPECT_EQ(batch[i]->height, single->height) << names[i];
        EXPECT_TRUE(batch[i]->pixels == single->pixels) << names[i];
    }
    EXPECT_FALSE(batch[3]);
    EXPECT_FALSE(batch[4]);
    EXPECT_EQ(batch[0]->at(0, 0), 2u);
    EXPECT_EQ(batch[1]->at(299, 399), big.back());
    EXPECT_EQ(leftovers(), 0);
}

} // namespace
} // namespace burrowix
