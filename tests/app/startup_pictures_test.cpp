// Start-up's shared pictures: every table slot loaded from the right pack, the colour keys, and the
// message of the first missing essential picture.
#include "app/pack_catalogue.hpp"
#include "common/asset_manifest.hpp"
#include "app/picture_loading.hpp"
#include "app/startup_diagnosis.hpp"
#include "app/test_packs.hpp"
#include "bmp_writer.hpp"
#include "jpeg_writer.hpp"
#include "platform/archive/pack_writer.hpp"
#include "platform/display/display.hpp"
#include "platform/display/pixel_format.hpp"
#include "support/temp_dir.hpp"
#include "support/described_pack.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>


namespace burrowix {
namespace {

using assets::pictureFile;
using P = assets::PictureId;


class NullPresenter : public FramePresenter {
public:
    DisplayResult present(const Surface&) override { return DisplayResult::Ok; }
};

class StartupPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        theDisplay.reset();
        setUpDisplay(theDisplay, std::make_unique<NullPresenter>());
        catalogue.folder = dir.path().string();
    }
    void TearDown() override
    {
        pictures.reset();
        catalogue.reset();
        theDisplay.reset();
    }

    // Every standard picture but `missing`; the theme pack's pictures are (200, 10, 10).
    void writePacks(const std::string& missing = "")
    {
        ASSERT_TRUE(test::writeTestPacks(dir.path().string(), {missing}));
        ASSERT_EQ(catalogue.build({"level.pak", "standart.pak", "theme.pak"}), 1);
    }

    std::uint32_t firstPixel(const Picture& picture) { return picture->pixel(0, 0); }

    test::TempDir dir;
    PackCatalogue catalogue;
    PictureTables pictures;
};

TEST_F(StartupPictures, LoadsEverySlotFromItsPackWithItsKey)
{
    writePacks();
    ASSERT_EQ(loadStartupPictures(theDisplay, catalogue, pictures), "");

    EXPECT_TRUE(pictures.spriteImages[3]);    // gold from the standard pack
    EXPECT_FALSE(pictures.interfaceImages[25]); // loaded when its screen is entered
    EXPECT_FALSE(pictures.interfaceImages[27]);
    // Theme slots come from the theme pack, "pack1.bmp" from the level pack.
    for (int sprite : {0, 1, 2, 4, 5})
        EXPECT_EQ(firstPixel(pictures.spriteImages[sprite]), 0xC80A0Au) << sprite;
    EXPECT_EQ(firstPixel(pictures.interfaceImages[kPackImage]), 0x0102FAu);

    auto keyOf = [](const Picture& p) { return p->hasColorKey() ? p->colorKey() : 0xDEADBEEF; };
    const std::uint32_t black = 0, green = 0x00FF00, blue = 0x0000FF, cyan = 0x00FFFF;
    EXPECT_EQ(keyOf(pictures.allPicture), black);
    EXPECT_EQ(keyOf(pictures.digitsFont), blue);
    EXPECT_EQ(keyOf(pictures.spriteImages[3]), black);
    for (int sprite : {6, 18, 24, 0, 21})
        EXPECT_EQ(keyOf(pictures.spriteImages[sprite]), green) << sprite;
    EXPECT_EQ(keyOf(pictures.interfaceImages[0]), cyan);
    EXPECT_EQ(keyOf(pictures.interfaceImages[20]), cyan);
    EXPECT_EQ(keyOf(pictures.interfaceImages[35]), blue);
    EXPECT_EQ(keyOf(pictures.interfaceImages[45]), green);
    EXPECT_EQ(keyOf(pictures.interfaceImages[9]), black);
    EXPECT_EQ(keyOf(pictures.interfaceImages[kPreviewSpritesImage]), green);
    EXPECT_EQ(keyOf(pictures.addweaponImages[7]), black);
    EXPECT_EQ(keyOf(pictures.addweaponImages[1]), green);
    EXPECT_EQ(keyOf(theDisplay.backBuffer), black);
    EXPECT_EQ(theDisplay.greenPixel, green);
}

TEST_F(StartupPictures, FirstMissingEssentialPictureNamesItself)
{
    const std::pair<const char*, const char*> cases[] = {
        {pictureFile(P::Logo), "sys 9"},
        {pictureFile(P::Digger), "DDLoadBitmap2 FAILED"},
        {pictureFile(P::DigitFont), "DDLoadBitmap Font FAILED"},
        {pictureFile(P::Mineral3), "DDLoadBitmap exppoints FAILED"},
        {pictureFile(P::TntPickup), "DDLoadBitmap addweapon FAILED"},
        {pictureFile(P::Placeholder), "sys 34"},
    };
    for (const auto& [missing, message] : cases) {
        writePacks(missing);
        EXPECT_EQ(loadStartupPictures(theDisplay, catalogue, pictures), message) << missing;
        pictures.reset();
        catalogue.reset();
        catalogue.folder = dir.path().string();
    }
}

// A temporary folder that takes no more bytes (a full disk still lets an empty file be made): the
// reason names the copy into the temporary folder, not a picture that does not decode.
TEST_F(StartupPictures, ACopyThatDoesNotFitTheTemporaryFolderIsNamedAsSuch)
{
    writePacks();
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Files may be made but not written to, as on a full disk; writes fail with an error
        // instead of the signal.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
        const std::string why = describeMissingPicture(catalogue, pictureFile(P::Clear));
        (void)!::write(pipeEnds[1], why.data(), why.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string why;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        why.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(why.rfind("cannot copy \"" + std::string(pictureFile(P::Clear)) + "\" out of pack " + dir.file("standart.pak") + " into the temporary folder ", 0),
              0u)
        << why;
    EXPECT_EQ(why.find("does not decode"), std::string::npos) << why;
    EXPECT_EQ(describeMissingPicture(catalogue, pictureFile(P::Clear)).find("cannot copy"), std::string::npos)
        << "with room the copy is made";
}

TEST_F(StartupPictures, MissingThemePictureIsNotReported)
{
    writePacks(pictureFile(P::Stone)); // the standard pack has none either
    PackInfo theme;
    theme.packType = PackInfo::kThemePack;
    ASSERT_TRUE(test::writeDescribedPack(dir.file("theme.pak"), theme,
                                         {{pictureFile(P::Earth), mkdata::encodeBmp24(mkdata::Image(4, 3, {5, 5, 5}))}}));
    EXPECT_EQ(loadStartupPictures(theDisplay, catalogue, pictures), "");
    EXPECT_FALSE(pictures.spriteImages[1]);
    EXPECT_TRUE(pictures.spriteImages[0]);
}

TEST_F(StartupPictures, SelectingAPackOfAnotherThemeReloadsTheThemePictures)
{
    writePacks();
    PackInfo frost;
    frost.packType = PackInfo::kThemePack;
    frost.themeNumber = 1;
    PackInfo hard = test::levelPackInfo(2, 0);
    hard.themeNumber = 1;
    const auto stone = mkdata::encodeBmp24(mkdata::Image(4, 3, {10, 200, 250}));
    const auto bands = mkdata::encodeJpeg(mkdata::Image(8, 8, {20, 40, 200}));
    ASSERT_TRUE(test::writeDescribedPack(dir.file("frost.pak"), frost,
                                         {{pictureFile(P::Stone), stone}, {pictureFile(P::BlockBackground), bands}}));
    ASSERT_TRUE(test::writeDescribedPack(dir.file("hard.pak"), hard, {{pictureFile(P::PackEmblem), stone}}));
    catalogue.reset();
    ASSERT_EQ(catalogue.build({"frost.pak", "hard.pak", "level.pak", "standart.pak", "theme.pak"}), 1);
    catalogue.hooks.reloadThemePictures = [this] { loadThemePictures(theDisplay, catalogue, pictures); };
    catalogue.hooks.reloadPackPicture = [this] { reloadPackPicture(theDisplay, catalogue, pictures); };
    // The block background of looks 3 and 4 is the theme's own where its pack has one, else the
    // standard pack's (the first theme pack has none). JPEG may shift a colour a little.
    auto bandsAreBlue = [&] {
        const std::uint32_t p = firstPixel(pictures.spriteImages[kSlotBlockBackground]);
        return (p & 0xFF) > 150 && (p >> 16) < 60;
    };
    ASSERT_EQ(loadStartupPictures(theDisplay, catalogue, pictures), "");
    EXPECT_EQ(firstPixel(pictures.spriteImages[1]), 0xC80A0Au);
    EXPECT_FALSE(bandsAreBlue());

    catalogue.useThemePack(); // the old theme is the current pack when the selection changes
    catalogue.difficulty = 2;
    catalogue.selectLevelPackByNumber();
    EXPECT_EQ(firstPixel(pictures.spriteImages[1]), 0x0AC8FAu);
    EXPECT_EQ(firstPixel(pictures.interfaceImages[kPackImage]), 0x0AC8FAu);
    EXPECT_TRUE(bandsAreBlue());

    catalogue.difficulty = 0; // back to a theme without bands: the standard pack's again
    catalogue.selectLevelPackByNumber();
    EXPECT_FALSE(bandsAreBlue());
    EXPECT_TRUE(pictures.spriteImages[kSlotBlockBackground]);
}

TEST_F(StartupPictures, ReloadAfterALossRefillsEveryPictureFromItsPack)
{
    writePacks();
    ASSERT_EQ(loadStartupPictures(theDisplay, catalogue, pictures), "");
    loseAllSurfaces(theDisplay);
    ASSERT_EQ(restoreAllSurfaces(theDisplay), DisplayResult::Ok);
    pictures.spriteImages[1]->setPixel(0, 0, 0);
    pictures.interfaceImages[kPackImage]->setPixel(0, 0, 0);
    pictures.interfaceImages[9]->setPixel(0, 0, 0);
    EXPECT_EQ(reloadAllPictures(catalogue, pictures), DisplayResult::Ok);
    EXPECT_EQ(firstPixel(pictures.spriteImages[1]), 0xC80A0Au);
    EXPECT_EQ(firstPixel(pictures.interfaceImages[kPackImage]), 0x0102FAu);
    EXPECT_NE(firstPixel(pictures.interfaceImages[9]), 0u);
    EXPECT_EQ(pictures.interfaceImages[0]->colorKey(), 0x00FFFFu);
}

} // namespace
} // namespace burrowix
