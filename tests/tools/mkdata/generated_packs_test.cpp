// Opens the packs the build generated and checks every picture the game loads: the right pack,
// decodable by the game's own loaders, at the asset manifest's size, transparent exactly where the game needs it and
// with content where the game reads content.
#include "generator.hpp"

#include "common/asset_manifest.hpp"

#include "app/pack_info.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/image/bmp_reader.hpp"
#include "platform/image/load_image.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace burrowix::mkdata {
namespace {

constexpr std::uint32_t kBlack = 0x000000, kGreen = 0x00FF00, kBlue = 0x0000FF, kCyan = 0x00FFFF;

struct Entry {
    std::string name;
    std::uint32_t key;
    int width, height;
};

// Every picture of one kind of pack, from the asset manifest.
std::vector<Entry> entriesOf(assets::PicturePack pack)
{
    std::vector<Entry> entries;
    for (const assets::PictureAsset& p : assets::kPictures)
        if (p.pack == pack)
            entries.push_back({p.file, assets::keyRgb(p.key), p.width, p.height});
    return entries;
}

const std::vector<Entry>& standardEntries()
{
    static const std::vector<Entry> entries = entriesOf(assets::PicturePack::Standard);
    return entries;
}

const std::vector<Entry>& themeEntries()
{
    static const std::vector<Entry> entries = entriesOf(assets::PicturePack::Theme);
    return entries;
}

const char* member(P picture) { return assets::pictureFile(picture); }

bool isJpeg(const std::string& name) { return name.size() > 4 && name.substr(name.size() - 4) == ".jpg"; }

class GeneratedData : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef BURROWIX_DATA_GENERATED
        GTEST_SKIP() << "this build does not generate the game data (BURROWIX_DATA=OFF)";
#endif
        dir_ = BURROWIX_GAME_DIR;
    }

    std::string path(const std::string& file) const { return (std::filesystem::path(dir_) / file).string(); }

    std::optional<Bitmap> decode(PackArchive& pack, const std::string& name)
    {
        const int index = pack.findMember(name);
        if (index < 0)
            return std::nullopt;
        if (isJpeg(name)) {
            auto copy = pack.extractByName(name);
            if (!copy)
                return std::nullopt;
            auto bitmap = decodeImageFile(*copy, ImageFormat::Jpeg);
            pack.removeTempFiles();
            return bitmap;
        }
        std::vector<std::uint8_t> bytes;
        if (!pack.readMember(index, bytes))
            return std::nullopt;
        Bitmap bitmap;
        std::string message;
        if (!readBmp(bytes, bitmap, message))
            return std::nullopt;
        return bitmap;
    }

    std::string dir_;
};

// ---- pixel helpers ----

int countNonKey(const Bitmap& b, std::uint32_t key, int x, int y, int w, int h)
{
    int n = 0;
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            n += b.at(xx, yy) != key;
    return n;
}

bool allKey(const Bitmap& b, std::uint32_t key, int x, int y, int w, int h) { return countNonKey(b, key, x, y, w, h) == 0; }

bool sameRect(const Bitmap& b, int x0, int y0, int x1, int y1, int w, int h)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (b.at(x0 + x, y0 + y) != b.at(x1 + x, y1 + y))
                return false;
    return true;
}

// A pixel close to the key that is not the key: what anti-aliasing against the key would leave.
bool nearKey(std::uint32_t p, std::uint32_t key)
{
    if (p == key)
        return false;
    const int r = int(p >> 16 & 255), g = int(p >> 8 & 255), b = int(p & 255);
    const int kr = int(key >> 16 & 255), kg = int(key >> 8 & 255), kb = int(key & 255);
    return std::abs(r - kr) < 8 && std::abs(g - kg) < 8 && std::abs(b - kb) < 8;
}

// Cells with content (at least `minPixels` non-key pixels) and, along a run of frames, no two
// neighbouring frames identical.
void expectAnimatedRow(const Bitmap& b, std::uint32_t key, int row, int frames, int cell = 40, int minPixels = 40,
                       int firstCol = 0, const std::string& what = "")
{
    for (int f = 0; f < frames; ++f)
        EXPECT_GE(countNonKey(b, key, (firstCol + f) * cell, row * cell, cell, cell), minPixels)
            << what << " row " << row << " frame " << f;
    for (int f = 1; f < frames; ++f)
        EXPECT_FALSE(sameRect(b, (firstCol + f - 1) * cell, row * cell, (firstCol + f) * cell, row * cell, cell, cell))
            << what << " row " << row << " frames " << f - 1 << " and " << f << " are identical";
}

TEST_F(GeneratedData, EveryStandardPictureIsInTheStandardPackDecodesAtItsManifestSize)
{
    PackArchive pack(path("standart.pak"));
    ASSERT_GT(pack.memberCount(), 0);
    EXPECT_TRUE(pack.isWellFormed());
    EXPECT_EQ(pack.findMember("pak.dsc"), -1);
    std::set<std::string> pictures;
    for (int i = 0; i < pack.memberCount(); ++i) {
        const std::string& n = pack.member(i)->name;
        if (n.ends_with(".bmp") || n.ends_with(".jpg"))
            pictures.insert(n);
    }
    EXPECT_EQ(pictures.size(), standardEntries().size()) << "the pack holds the manifest's pictures and no others";
    for (const Entry& e : standardEntries()) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(pictures.count(e.name));
        auto b = decode(pack, e.name);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->width, e.width);
        EXPECT_EQ(b->height, e.height);
        if (isJpeg(e.name) || e.name == member(P::Clear)) // all.bmp is one flat near-black colour on purpose
            continue;
        int fringe = 0;
        for (std::uint32_t p : b->pixels)
            fringe += nearKey(p, e.key);
        EXPECT_EQ(fringe, 0) << "pixels within a hair of the key colour";
    }
}

TEST_F(GeneratedData, ThemeAndLevelPacksCarryTheirDescriptionsAndPictures)
{
    std::set<std::string> standardNames;
    for (const Entry& e : standardEntries())
        standardNames.insert(e.name);
    for (int t = 0; t < kThemeCount; ++t) {
        SCOPED_TRACE(themePackFileName(t));
        PackArchive pack(path(themePackFileName(t)));
        EXPECT_TRUE(pack.isWellFormed());
        std::vector<std::uint8_t> dsc;
        ASSERT_TRUE(pack.readMember(pack.findMember("pak.dsc"), dsc));
        const std::string title = themeTitle(t);
        std::vector<std::uint8_t> expected = {2, 0, 0, 0, std::uint8_t(title.size()), 0, 0, 0};
        expected.insert(expected.end(), title.begin(), title.end());
        for (int v : {t, 0, 0, 0})
            expected.insert(expected.end(), {std::uint8_t(v), 0, 0, 0});
        EXPECT_EQ(dsc, expected);
        EXPECT_EQ(pack.memberCount(), 8);
        for (const Entry& e : themeEntries()) {
            SCOPED_TRACE(e.name);
            auto b = decode(pack, e.name);
            ASSERT_TRUE(b);
            EXPECT_EQ(b->width, e.width);
            EXPECT_EQ(b->height, e.height);
            if (!isJpeg(e.name)) {
                const auto fringe = std::count_if(b->pixels.begin(), b->pixels.end(),
                                                  [&](std::uint32_t p) { return nearKey(p, e.key); });
                EXPECT_EQ(fringe, 0);
            }
        }
        // Only the background bands of looks 3 and 4 replace a standard picture, as a theme slot.
        for (int i = 0; i < pack.memberCount(); ++i)
            if (pack.member(i)->name != member(P::BlockBackground)) {
                EXPECT_FALSE(standardNames.count(pack.member(i)->name)) << pack.member(i)->name;
            }
    }
    for (int p = 0; p < kLevelPackCount; ++p) {
        SCOPED_TRACE(levelPackFileName(p));
        PackArchive pack(path(levelPackFileName(p)));
        EXPECT_TRUE(pack.isWellFormed());
        std::vector<std::uint8_t> dsc;
        ASSERT_TRUE(pack.readMember(pack.findMember("pak.dsc"), dsc));
        const PackInfo info = parsePackDescription(dsc);
        EXPECT_EQ(dsc.size(), 24 + levelPackTitle(p).size());
        EXPECT_EQ(info.packType, PackInfo::kLevelPack);
        EXPECT_EQ(info.title, levelPackTitle(p));
        EXPECT_EQ(info.packNumber, p);
        EXPECT_EQ(info.themeNumber, p);
        EXPECT_EQ(info.levelCount, 30);
        EXPECT_EQ(info.reserved, 0);
        auto emblem = decode(pack, member(P::PackEmblem));
        ASSERT_TRUE(emblem);
        EXPECT_GT(countNonKey(*emblem, kBlack, 0, 0, emblem->width, emblem->height), 1000);
        for (int i = 0; i < pack.memberCount(); ++i)
            EXPECT_FALSE(standardNames.count(pack.member(i)->name)) << pack.member(i)->name;
    }
    for (const char* font : {"Grf01z_c.ttf", "Grf02z_c.ttf", "Grf01z_c-OFL.txt", "Grf02z_c-OFL.txt"})
        EXPECT_TRUE(std::filesystem::exists(path(font))) << font;
}

TEST_F(GeneratedData, DiggerSheetsHaveEveryPoseWhereTheGameLooksAndNothingElse)
{
    PackArchive pack(path("standart.pak"));
    for (const char* name : {member(P::Digger), member(P::SuperDigger), member(P::HitDigger)}) {
        SCOPED_TRACE(name);
        auto b = decode(pack, name);
        ASSERT_TRUE(b);
        ASSERT_EQ(b->height, 800);
        for (int col : {0, 1, 2, 3, 5, 7}) {
            expectAnimatedRow(*b, kBlack, 0, 1, 40, 200);
            for (int row = 0; row < 14; ++row)
                EXPECT_GE(countNonKey(*b, kBlack, col * 40, row * 40, 40, 40), 200) << col << "," << row;
            for (int row = 1; row < 6; ++row)
                EXPECT_FALSE(sameRect(*b, col * 40, (row - 1) * 40, col * 40, row * 40, 40, 40)) << "walk " << col;
            for (int row = 14; row < 20; ++row)
                EXPECT_TRUE(allKey(*b, kBlack, col * 40, row * 40, 40, 40));
        }
        for (int row : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13})
            EXPECT_GE(countNonKey(*b, kBlack, 160, row * 40, 40, 40), 200) << "throw row " << row;
        EXPECT_TRUE(allKey(*b, kBlack, 160, 400, 40, 80)) << "throw rows 10 and 11 are never used";
        for (int row = 0; row < 8; ++row)
            EXPECT_GE(countNonKey(*b, kBlack, 240, row * 40, 40, 40), 200) << "idle row " << row;
        for (int row : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 19})
            EXPECT_GE(countNonKey(*b, kBlack, 320, row * 40, 40, 40), 200) << "push row " << row;
        EXPECT_TRUE(sameRect(*b, 320, 0, 320, 14 * 40, 40, 40)) << "row 14 repeats the first push-left frame";
        EXPECT_TRUE(sameRect(*b, 320, 200, 320, 19 * 40, 40, 40)) << "row 19 repeats the first push-right frame";
        // The preview's small digger has a cell of its own; nothing else is drawn in that cell.
        EXPECT_GE(countNonKey(*b, kBlack, 320, 400, 20, 20), 120) << "level-preview digger";
        EXPECT_EQ(countNonKey(*b, kBlack, 320, 400, 40, 40), countNonKey(*b, kBlack, 320, 400, 20, 20));
        // Pushing faces the stone at the cell edge: nose and claws are drawn whole, not cut by it
        // (the super-mode halo may touch the edge).
        for (int row = 0; row < 10 && std::string(name) != member(P::SuperDigger); ++row) {
            const int edge = row < 5 ? 0 : 39;
            EXPECT_EQ(countNonKey(*b, kBlack, 320 + edge, row * 40, 1, 40), 0) << "push row " << row;
        }
    }
}

TEST_F(GeneratedData, SpriteSheetsAnimateInEveryCellTheGameReads)
{
    PackArchive pack(path("standart.pak"));
    auto sheet = [&](const std::string& name) {
        auto b = decode(pack, name);
        EXPECT_TRUE(b) << name;
        return b ? *b : Bitmap{};
    };
    const Bitmap gold = sheet(member(P::Gold));
    expectAnimatedRow(gold, kBlack, 0, 19, 40, 200, 0, "gold");
    EXPECT_FALSE(sameRect(gold, 18 * 40, 0, 19 * 40, 0, 40, 40));
    expectAnimatedRow(sheet(member(P::Bomb)), kBlack, 0, 10, 40, 200, 0, "bomb");
    expectAnimatedRow(sheet(member(P::Mine)), kBlack, 0, 7, 40, 150, 0, "mine");
    expectAnimatedRow(sheet(member(P::Heart)), kBlack, 0, 2, 40, 300, 0, "heart");
    expectAnimatedRow(sheet(member(P::Tnt)), kBlack, 0, 6, 40, 300, 0, "tnt");
    expectAnimatedRow(sheet(member(P::Grenade)), kBlack, 0, 12, 40, 200, 0, "grenade");
    expectAnimatedRow(sheet(member(P::BottlePickup)), kBlack, 0, 16, 40, 300, 0, "bottle");
    const Bitmap exp = sheet(member(P::Explosion));
    ASSERT_GE(exp.height, 240) << "three variants of both blasts";
    for (int row = 0; row < 6; ++row) {
        expectAnimatedRow(exp, kBlack, row, 11, 40, 20, 0, "explosion");
        EXPECT_LT(countNonKey(exp, kBlack, 440, row * 40, 40, 40), countNonKey(exp, kBlack, 160, row * 40, 40, 40) / 4)
            << "the last frame is almost empty";
        // At its height the fire reaches every edge of its cell, so the cells of one blast merge.
        for (auto [x, y] : {std::pair{120, 20}, {159, 20}, {140, 0}, {140, 39}})
            EXPECT_NE(exp.at(x, row * 40 + y), kBlack) << "row " << row << " edge " << x << "," << y;
    }
    EXPECT_FALSE(sameRect(exp, 80, 0, 80, 40, 40, 40)) << "the super-mode blast looks different";
    EXPECT_FALSE(sameRect(exp, 80, 0, 80, 80, 40, 40)) << "the variants differ";
    EXPECT_FALSE(sameRect(exp, 80, 80, 80, 160, 40, 40)) << "the variants differ";
    const Bitmap shot = sheet(member(P::Shots));
    for (int dir = 0; dir < 4; ++dir)
        for (int row = 0; row < 3; ++row)
            EXPECT_GE(countNonKey(shot, kBlack, dir * 40, row * 40, 40, 40), 60) << dir << "," << row;
    // Flying left, the trail's bright end is at its cell's left edge.
    EXPECT_GT(countNonKey(shot, kBlack, 0, 40, 8, 40), countNonKey(shot, kBlack, 32, 40, 8, 40));
    for (int k = 1; k <= 6; ++k) {
        const Bitmap gem = sheet(member(assets::kMineralSlots[k - 1]));
        expectAnimatedRow(gem, kBlack, 0, 16, 40, 150, 0, "mineral twinkle");
        if (k <= 3)
            expectAnimatedRow(gem, kBlack, 1, 16, 40, 40, 0, "mineral cycle");
    }
    for (const char* box : {member(P::MinesPickup), member(P::ShotsPickup), member(P::GrenadesPickup), member(P::TntPickup)})
        expectAnimatedRow(sheet(box), kGreen, 0, 3, 40, 300, 0, box);

    const Bitmap crawler = sheet(member(P::Crawler));
    for (int row = 0; row < 15; ++row)
        expectAnimatedRow(crawler, kGreen, row, 8, 40, 200, 0, "crawler");
    const Bitmap crawler2 = sheet(member(P::CrawlerSecondLook));
    for (int row = 0; row < 5; ++row)
        expectAnimatedRow(crawler2, kGreen, row, 8, 40, 200, 0, "crawler look 3");
    expectAnimatedRow(crawler2, kGreen, 5, 12, 40, 200, 0, "hatching");
    expectAnimatedRow(crawler2, kGreen, 6, 11, 40, 200, 0, "hatchling");
    EXPECT_TRUE(allKey(crawler2, kGreen, 480, 200, 160, 40)) << "unused hatching cells";
    const Bitmap walker = sheet(member(P::Walker));
    for (int row = 0; row < 6; ++row)
        expectAnimatedRow(walker, kBlack, row, 10, 40, 150, 0, "walker");
    const Bitmap stalker = sheet(member(P::Stalker));
    for (int row = 0; row < 8; ++row)
        expectAnimatedRow(stalker, kGreen, row, 6, 40, 200, 0, "stalker");
    EXPECT_FALSE(sameRect(stalker, 0, 0, 0, 80, 40, 40)) << "Stalker looks differ";
    const Bitmap tmp = sheet(member(P::Placeholder));
    EXPECT_GT(countNonKey(tmp, kBlack, 0, 0, 40, 40), 0);
    EXPECT_GT(countNonKey(tmp, kBlack, 0, 0, 40, 40), 0);
}

TEST_F(GeneratedData, InterfacePicturesAreTransparentExactlyWhereTheGameLooksThrough)
{
    PackArchive pack(path("standart.pak"));
    auto pic = [&](const std::string& name) {
        auto b = decode(pack, name);
        EXPECT_TRUE(b) << name;
        return b ? *b : Bitmap{};
    };
    const Bitmap chback = pic(member(P::LevelChoiceFrame));
    ASSERT_EQ(chback.width, 800);
    ASSERT_EQ(chback.height, 600);
    EXPECT_TRUE(allKey(chback, kGreen, 180, 118, 440, 340)) << "preview window";
    EXPECT_EQ(countNonKey(chback, kGreen, 0, 0, 800, 600), 800 * 600 - 440 * 340) << "opaque frame outside it";
    EXPECT_TRUE(allKey(chback, kBlack, 47, 119, 65, 63));
    EXPECT_TRUE(allKey(chback, kBlack, 687, 119, 65, 63));

    const Bitmap lens = pic(member(P::Magnifier));
    int inside = 0, insideKey = 0, rim = 0;
    for (int y = 34; y < 194; ++y)
        for (int x = 34; x < 194; ++x) {
            const double d = std::hypot(x + 0.5 - 114, y + 0.5 - 114);
            if (d < 78) {
                ++inside;
                insideKey += lens.at(x, y) == kBlack;
            }
        }
    EXPECT_EQ(insideKey, inside) << "lens interior";
    for (int a = 0; a < 360; a += 5)
        rim += lens.at(int(114 + 88 * std::cos(a * M_PI / 180)), int(114 + 88 * std::sin(a * M_PI / 180))) != kBlack;
    EXPECT_EQ(rim, 72) << "rim all round";
    EXPECT_NE(lens.at(36, 36), kBlack) << "corner of the square outside the round lens is masked";
    EXPECT_GT(countNonKey(lens, kBlack, 194, 194, 111, 44), 200) << "handle";

    const Bitmap fone = pic(member(P::Dimming));
    EXPECT_EQ(countNonKey(fone, kGreen, 0, 0, 20, 20), 200);

    const Bitmap eyes = pic(member(P::Eyes));
    for (int cx : {69, 122}) {
        EXPECT_NE(eyes.at(cx, 95), kGreen);
        EXPECT_GT(eyes.at(cx - 19, 95) & 0xFF, 150u) << "eye white wide enough for the pupil";
        EXPECT_GT(eyes.at(cx, 95 - 16) & 0xFF, 150u);
    }
    // The closed lid hides every eye-white pixel of its square; half-closed lids hide less; the open
    // lid hides nothing.
    int whites = 0, hidden[4] = {0, 0, 0, 0};
    for (int y = 0; y < 51; ++y)
        for (int x = 0; x < 51; ++x) {
            if (eyes.at(44 + x, 70 + y) == kGreen || (eyes.at(44 + x, 70 + y) & 0xFF) < 150)
                continue; // not eye white
            ++whites;
            for (int k = 0; k < 4; ++k)
                hidden[k] += eyes.at(200 + x, 51 * k + y) != kGreen;
        }
    EXPECT_GT(whites, 800);
    EXPECT_EQ(hidden[0], whites) << "closed lid";
    EXPECT_GT(hidden[1], hidden[2]);
    EXPECT_GT(hidden[2], 0);
    EXPECT_EQ(hidden[3], 0) << "open lid";
    EXPECT_GT(countNonKey(eyes, kGreen, 0, 200, 19, 19), 150) << "pupil";
    // Shared pictures show in every theme: their rock and lids keep neutral tones, neither the warm
    // brown of one theme nor the blue of another.
    auto channelSpread = [](const Bitmap& b, std::uint32_t key, int x0, int y0, int w, int h) {
        double sum[3] = {0, 0, 0};
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) {
                const std::uint32_t p = b.at(x, y);
                if (p == key)
                    continue;
                for (int c = 0; c < 3; ++c)
                    sum[c] += (p >> (8 * c)) & 0xFF;
                ++n;
            }
        if (n == 0)
            return 255.0;
        return (*std::max_element(sum, sum + 3) - *std::min_element(sum, sum + 3)) / n;
    };
    EXPECT_LT(channelSpread(eyes, kGreen, 200, 0, 51, 51), 8) << "closed lid";
    EXPECT_LT(channelSpread(pic(member(P::NeutralBlockBackground)), kGreen, 0, 0, 800, 400), 8) << "shared background bands";
    EXPECT_TRUE(allKey(eyes, kGreen, 19, 200, 181, 19));

    const Bitmap msg = pic(member(P::MessagePanels));
    for (int wingX : {0, 180, 270}) {
        EXPECT_TRUE(allKey(msg, kGreen, wingX + 51, 393 + 114, 28, 28)) << "lamp window of wing " << wingX;
        EXPECT_GT(countNonKey(msg, kGreen, wingX, 393, 90, 167), 9000);
    }
    for (auto [x, y] : {std::pair{165, 0}, {0, 0}, {330, 0}, {0, 145}})
        EXPECT_TRUE(countNonKey(msg, kGreen, x, y, 165, 145) == 165 * 145) << "opaque text picture at " << x << "," << y;
    for (int f = 0; f < 7; ++f)
        EXPECT_GT(countNonKey(msg, kGreen, 52 * f, 314, 52, 79), 200) << "lantern " << f;
    EXPECT_GT(countNonKey(msg, kGreen, 499, 316, 145, 57), 6000) << "level plate";

    const Bitmap controls = pic(member(P::ControlsBoard));
    EXPECT_GT(countNonKey(controls, kGreen, 0, 0, 493, 301), 493 * 301 * 9 / 10);
    EXPECT_TRUE(countNonKey(controls, kGreen, 20, 301 + 10, 453, 103) == 453 * 103) << "overlay hides the weapon lines";

    const Bitmap sel = pic(member(P::WeaponSelector));
    for (int w = 0; w < 5; ++w)
        EXPECT_GT(countNonKey(sel, kBlue, 40 * w, 0, 40, 40), 1000);
    EXPECT_GT(countNonKey(sel, kBlue, 200, 0, 38, 31), 300);
    EXPECT_TRUE(allKey(sel, kBlue, 200, 31, 38, 9));
    EXPECT_TRUE(allKey(sel, kBlue, 219, 40, 19, 158));
    for (int f = 1; f < 3; ++f)
        EXPECT_FALSE(sameRect(sel, 73 * (f - 1), 40, 73 * f, 40, 73, 158)) << "strip frames move";

    const Bitmap pan2 = pic(member(P::ScorePanel));
    for (int h = 2; h <= 5; ++h)
        EXPECT_FALSE(sameRect(pan2, 0, 57 * h, 0, 57 * (h + 1), 152, 57)) << "health " << h;

    const Bitmap digits = pic(member(P::DigitFont));
    for (int d = 0; d < 10; ++d) {
        EXPECT_GT(countNonKey(digits, kBlue, d * 20, 0, 20, 32), 40) << d;
        EXPECT_GT(countNonKey(digits, kBlue, d * 20, 32, 20, 32), 40) << d;
        EXPECT_GT(countNonKey(digits, kBlue, d * 16, 64, 16, 26), 30) << d;
        EXPECT_GT(countNonKey(digits, kBlue, d * 14, 90, 14, 24), 25) << d;
    }
    EXPECT_GT(countNonKey(digits, kBlue, 200, 32, 20, 32), 40) << "style-1 cell 10";
    EXPECT_TRUE(allKey(digits, kBlue, 200, 0, 20, 32));

    const Bitmap levels = pic(member(P::LevelDigits));
    for (int n = 0; n < 30; ++n)
        EXPECT_GT(countNonKey(levels, kBlack, (n % 10) * 65, (n / 10) * 63, 65, 63), 200) << "level " << n + 1;
    for (int c = 0; c < 6; ++c)
        EXPECT_GT(countNonKey(levels, kBlack, c * 65, 189, 65, 63), 150) << "row 3 cell " << c;

    const Bitmap sign = pic(member(P::StartMarker));
    for (int n = 0; n < 9; ++n) {
        EXPECT_TRUE(allKey(sign, kBlack, 63 * n + 21, 21, 20, 20)) << "centre of frame " << n;
        EXPECT_GT(countNonKey(sign, kBlack, 63 * n, 0, 63, 63), 400);
    }
    const Bitmap gauges = pic(member(P::Gauges));
    expectAnimatedRow(gauges, kBlack, 0, 1, 69, 1000);
    for (int n = 1; n < 10; ++n)
        EXPECT_FALSE(sameRect(gauges, 0, 69 * (n - 1), 0, 69 * n, 82, 69)) << n;

    const Bitmap pointer = pic(member(P::YouPointer));
    for (int f = 0; f < 11; ++f) {
        const int x = (f < 6 ? f : f - 6) * 100, y = f < 6 ? 0 : 100;
        EXPECT_GT(countNonKey(pointer, kGreen, x + 84, y + 84, 16, 16), 20) << "arrow tip of frame " << f;
    }
    for (const char* name : {member(P::PointerNormal), member(P::PointerPressed)}) {
        const Bitmap m = pic(name);
        for (int f = 0; f < m.width / 40; ++f)
            EXPECT_NE(m.at(40 * f, 0), kGreen) << name << " frame " << f << ": the tip is the top-left pixel";
    }
    const Bitmap prompt = pic(member(P::NamePrompt));
    for (int y : {52, 131}) {
        const std::uint32_t p = prompt.at(300, y);
        EXPECT_GT((p >> 16 & 255) + (p >> 8 & 255) + (p & 255), 600u) << "light name field";
    }
    const Bitmap pan = pic(member(P::ExitPanel));
    EXPECT_EQ(countNonKey(pan, kGreen, 0, 53, 80, 66), 80 * 66) << "hides the Yes/No buttons";

    for (const char* name : {member(P::Switch), member(P::ArrowLeft), member(P::ArrowRight), member(P::ArrowUp), member(P::ArrowDown),
                             member(P::ScrollUp), member(P::ScrollDown)}) {
        const Bitmap b = pic(name);
        ASSERT_EQ(b.height % 3, 0) << name;
        const int h = b.height / 3;
        EXPECT_FALSE(sameRect(b, 0, 0, 0, h, b.width, h)) << name << ": down differs from up";
        EXPECT_FALSE(sameRect(b, 0, 0, 0, 2 * h, b.width, h)) << name << ": hover differs from up";
    }
    for (const auto& [normalPicture, hoverPicture] :
         {std::pair{P::NewGame, P::NewGameHover}, {P::Options, P::OptionsHover},
          {P::HallOfFameButton, P::HallOfFameButtonHover}, {P::Help, P::HelpHover}, {P::Exit, P::ExitHover}, {P::Editor, P::EditorHover},
          {P::MainMenuButton, P::MainMenuButtonHover}, {P::Start, P::StartHover}, {P::Hard, P::HardHover},
          {P::Medium, P::MediumHover}, {P::Easy, P::EasyHover}, {P::GameSpeedCaption, P::GameSpeedCaptionHover},
          {P::Minus, P::MinusHover}, {P::Plus, P::PlusHover}, {P::SoundCaption, P::SoundCaptionHover},
          {P::SoundVolumeCaption, P::SoundVolumeCaptionHover}, {P::MusicCaption, P::MusicCaptionHover},
          {P::MusicVolumeCaption, P::MusicVolumeCaptionHover}, {P::ExitYes, P::ExitYesHover},
          {P::ExitNo, P::ExitNoHover}, {P::GameOverMainMenu, P::GameOverMainMenuHover},
          {P::GameWonMainMenu, P::GameWonMainMenuHover}, {P::PanelYes, P::PanelYesHover},
          {P::PanelNo, P::PanelNoHover}, {P::Controls, P::ControlsHover}, {P::Defaults, P::DefaultsHover},
          {P::Watch, P::WatchHover}, {P::FullScreenCaption, P::FullScreenCaptionHover},
          {P::ScalingCaption, P::ScalingCaptionHover}}) {
        const char* const stem = member(normalPicture);
        const Bitmap normal = pic(stem), hover = pic(member(hoverPicture));
        ASSERT_EQ(normal.width, hover.width) << stem;
        ASSERT_EQ(normal.height, hover.height) << stem;
        EXPECT_NE(normal.pixels, hover.pixels) << stem << ": hover looks different";
        EXPECT_GT(countNonKey(normal, kGreen, 0, 0, normal.width, normal.height), normal.width * normal.height / 20)
            << stem << ": caption painted in";
    }
    const Bitmap caption = pic(member(P::SoundCaption));
    EXPECT_TRUE(allKey(caption, kGreen, 0, 0, 44, 40)) << "the check box lies over the left 44 px";
}

TEST_F(GeneratedData, HelpPagesKeepTheirTextWhereItCanBeScrolledTo)
{
    PackArchive pack(path("standart.pak"));
    auto last = decode(pack, member(P::HelpPage8));
    ASSERT_TRUE(last);
    int bright = 0;
    for (int y = 240; y < 375; ++y)
        for (int x = 0; x < 256; ++x) {
            const std::uint32_t p = last->at(x, y);
            bright += std::max({p >> 16 & 255, p >> 8 & 255, p & 255}) > 60;
        }
    EXPECT_EQ(bright, 0) << "page 8 below row 240 is never shown";
    for (int k = 1; k <= 7; ++k) {
        auto page = decode(pack, member(assets::kHelpPages[k - 1]));
        ASSERT_TRUE(page);
        int text = 0;
        for (std::uint32_t p : page->pixels)
            text += (p >> 16 & 255) > 120;
        EXPECT_GT(text, 2000) << "page " << k << " carries text";
    }
}

// Mean grey value (0-255) of the cell's non-key pixels.
double meanValue(const Bitmap& b, std::uint32_t key, int x0, int y0)
{
    double sum = 0;
    int n = 0;
    for (int y = y0; y < y0 + 40; ++y)
        for (int x = x0; x < x0 + 40; ++x)
            if (const std::uint32_t p = b.at(x, y); p != key) {
                const double v = 0.299 * ((p >> 16) & 0xFF) + 0.587 * ((p >> 8) & 0xFF) + 0.114 * (p & 0xFF); // 0x00RRGGBB
                if (v < 20) // the one-pixel drop shadow is not part of the object
                    continue;
                sum += v;
                ++n;
            }
    return n ? sum / n : 0;
}

TEST_F(GeneratedData, ThemeSheetsFollowTheCellLayout)
{
    PackArchive standard(path("standart.pak"));
    const auto gold = decode(standard, member(P::Gold));
    ASSERT_TRUE(gold);
    const double goldValue = meanValue(*gold, kBlack, 19 * 40, 0);
    for (int t = 0; t < kThemeCount; ++t) {
        SCOPED_TRACE(themePackFileName(t));
        PackArchive pack(path(themePackFileName(t)));
        auto grass = decode(pack, member(P::Earth));
        ASSERT_TRUE(grass);
        for (int m = 0; m < 5; ++m)
            EXPECT_EQ(countNonKey(*grass, kGreen, 0, 40 * m, 40, 40), 1600) << "earth " << m;
        EXPECT_EQ(countNonKey(*grass, kGreen, 200, 0, 40, 40), 1600) << "loose earth";
        EXPECT_FALSE(sameRect(*grass, 0, 0, 200, 0, 40, 40));
        // Bite masks grow from the side the digger comes from.
        for (int b = 0; b < 3; ++b) {
            const int x = 40 * (1 + b);
            EXPECT_NE(grass->at(x + 39, 20), kGreen) << "left: eaten from the right";
            EXPECT_EQ(grass->at(x + 1, 20), kGreen);
            EXPECT_NE(grass->at(x + 20, 40 + 39), kGreen) << "up: eaten from the bottom";
            EXPECT_EQ(grass->at(x + 20, 40 + 1), kGreen);
            EXPECT_NE(grass->at(x + 1, 80 + 20), kGreen) << "right: eaten from the left";
            EXPECT_EQ(grass->at(x + 38, 80 + 20), kGreen);
            EXPECT_NE(grass->at(x + 20, 120 + 1), kGreen) << "down: eaten from the top";
            EXPECT_EQ(grass->at(x + 20, 120 + 38), kGreen);
            EXPECT_LT(countNonKey(*grass, kGreen, x, 0, 40, 40), countNonKey(*grass, kGreen, x + 40, 0, 40, 40));
        }
        auto stone = decode(pack, member(P::Stone));
        ASSERT_TRUE(stone);
        for (int m = 0; m < 5; ++m)
            expectAnimatedRow(*stone, kGreen, m, 5, 40, 500, 0, "stone");
        expectAnimatedRow(*stone, kGreen, 5, 11, 40, 500, 0, "egg stone");
        // Gold and the deadly stones must differ without colour too: gold clearly lighter, and the
        // Egg no brighter than gold either, so it passes for a stone.
        for (int m = 0; m < 5; ++m)
            EXPECT_GT(goldValue - meanValue(*stone, kGreen, 0, 40 * m), 25) << "stone look " << m;
        EXPECT_GT(goldValue - meanValue(*stone, kGreen, 0, 200), 25) << "egg stone";
        EXPECT_EQ(stone->at(0, 0), kGreen);
        auto wall = decode(pack, member(P::Wall));
        ASSERT_TRUE(wall);
        for (int c = 3; c < 11; ++c)
            EXPECT_EQ(countNonKey(*wall, kGreen, 40 * c, 0, 40, 40), 1600) << "flat wall " << c;
        EXPECT_EQ(wall->at(0, 0), kGreen);
        EXPECT_NE(wall->at(39, 0), kGreen);
        EXPECT_EQ(wall->at(40, 0), kGreen);
        EXPECT_EQ(wall->at(79, 0), kGreen);
        EXPECT_NE(wall->at(80, 0), kGreen);
        EXPECT_EQ(wall->at(119, 0), kGreen);
        auto preview = decode(pack, member(P::PreviewSprites));
        ASSERT_TRUE(preview);
        for (int col : {4, 12, 17, 21, 22})
            EXPECT_TRUE(allKey(*preview, kGreen, col * 20, 0, 20, 180)) << "column " << col;
        for (auto [col, rows] : {std::pair{0, 5}, {1, 5}, {2, 4}, {6, 5}, {13, 9}, {18, 4}})
            for (int r = 0; r < rows; ++r)
                EXPECT_GT(countNonKey(*preview, kGreen, col * 20, r * 20, 20, 20), 40) << col << "," << r;
    }
}

} // namespace
} // namespace burrowix::mkdata
