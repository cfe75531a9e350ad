#include "app/own_level_pack.hpp"
#include "app/pack_catalogue.hpp"
#include "app/pack_info.hpp"
#include "common/le_io.hpp"
#include "platform/archive/pack_writer.hpp"
#include "records/records.hpp"
#include "state/screen_flow_state.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace burrowix {
namespace {

using test::TempDir;

PackInfo levelPack(std::int32_t number, std::int32_t theme, std::int32_t levels = 30)
{
    PackInfo info;
    info.packType = PackInfo::kLevelPack;
    info.packNumber = number;
    info.themeNumber = theme;
    info.levelCount = levels;
    info.title = "Levels " + std::to_string(number);
    return info;
}

PackInfo themePack(std::int32_t theme)
{
    PackInfo info;
    info.packType = PackInfo::kThemePack;
    info.themeNumber = theme;
    return info;
}

void writePack(const TempDir& dir, const std::string& name, const PackInfo* info)
{
    std::vector<PackEntry> entries{{"pack1.bmp", {1, 2, 3}}};
    if (info)
        entries.push_back({"pak.dsc", encodePackDescription(*info)});
    ASSERT_TRUE(writePackArchive(dir.file(name), entries));
}

struct Recorder {
    int levelStarts = 0, packPictures = 0, themeReloads = 0, slides = 0, lastSlide = 0;
    bool busy = false;

    CatalogueHooks hooks()
    {
        return {[this] { ++levelStarts; }, [this] { ++packPictures; }, [this] { ++themeReloads; },
                [this] { return busy; }, [this](int direction) { ++slides; lastSlide = direction; }};
    }
};

TEST(PackDescription, ReadsFieldsInFileOrderAndToleratesDamage)
{
    PackInfo info = levelPack(2, 1, 30);
    info.reserved = 99;
    const std::vector<std::uint8_t> bytes = encodePackDescription(info);
    ASSERT_EQ(bytes.size(), 24u + 8u);
    // theme number, then pack number; level count, then the reserved word
    EXPECT_EQ(loadLE32(bytes.data() + 16), 1u);
    EXPECT_EQ(loadLE32(bytes.data() + 20), 2u);
    EXPECT_EQ(loadLE32(bytes.data() + 24), 30u);
    EXPECT_EQ(loadLE32(bytes.data() + 28), 99u);
    const PackInfo back = parsePackDescription(bytes);
    EXPECT_EQ(back.title, info.title);
    EXPECT_EQ(back.packNumber, 2);
    EXPECT_EQ(back.themeNumber, 1);
    EXPECT_EQ(back.levelCount, 30);
    EXPECT_EQ(back.reserved, 99);

    // A zero-length title stores none and the theme number follows at offset 8.
    ByteWriter w;
    for (std::int32_t v : {2, 0, 5, 0, 0, 0})
        w.i32(v);
    const PackInfo untitled = parsePackDescription(w.data());
    EXPECT_FALSE(untitled.title.has_value());
    EXPECT_EQ(untitled.themeNumber, 5);

    // Cut short after the pack number: the rest reads as zero.
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + 22);
    const PackInfo partial = parsePackDescription(cut);
    EXPECT_EQ(partial.themeNumber, 1);
    EXPECT_EQ(partial.packNumber, 0);
    EXPECT_EQ(partial.levelCount, 0);

    // A title length far beyond the bytes: what is there is the title, nothing else is read.
    ByteWriter lying;
    lying.i32(1);
    lying.i32(0x7FFFFFFF);
    lying.bytes(std::string("abc"));
    const PackInfo liar = parsePackDescription(lying.data());
    EXPECT_EQ(liar.packType, 1);
    EXPECT_EQ(liar.title, "abc");
    EXPECT_EQ(liar.themeNumber, 0);
}

TEST(PackCatalogue, CataloguesEveryDescribedPackAndSelectsNumberZero)
{
    TempDir dir;
    const PackInfo standard = themePack(9); // the standard pack may describe itself too
    const PackInfo easy = levelPack(0, 0), hard = levelPack(2, 2), clay = themePack(0);
    writePack(dir, "standart.pak", &standard);
    writePack(dir, "a.pak", &hard);
    writePack(dir, "b.pak", &easy);
    writePack(dir, "c.pak", &clay);
    writePack(dir, "nodesc.pak", nullptr);

    PackCatalogue cat;
    cat.folder = dir.path().string();
    EXPECT_EQ(cat.build({}), 0);
    ASSERT_EQ(cat.build({"a.pak", "b.pak", "c.pak", "nodesc.pak", "standart.pak", "missing.pak"}), 1);
    ASSERT_EQ(cat.packCatalogue.size(), 4u);
    EXPECT_EQ(cat.packCatalogue[3].fileName, "standart.pak");
    EXPECT_EQ(cat.levelPackCount, 2);
    EXPECT_EQ(cat.selectedLevelPack, 1);
    EXPECT_EQ(cat.selectedTheme, 2);
    EXPECT_EQ(cat.themeCount, 2);
    EXPECT_EQ(cat.themeTable[1].themeNumber, 9);
    EXPECT_EQ(cat.themeTable[1].index, 3);
    ASSERT_TRUE(cat.standardPack);
    EXPECT_EQ(cat.currentPackKind, PackCatalogue::kStandard);
    EXPECT_GE(cat.standardPack->findMember("PACK1.BMP"), 0);
}

TEST(PackCatalogue, ThemeTableKeepsItsSevenEntries)
{
    TempDir dir;
    std::vector<std::string> names;
    for (int t = 0; t < 9; ++t) {
        const PackInfo theme = themePack(t);
        names.push_back("t" + std::to_string(t) + ".pak");
        writePack(dir, names.back(), &theme);
    }
    PackCatalogue cat;
    cat.folder = dir.path().string();
    ASSERT_EQ(cat.build(names), 1);
    EXPECT_EQ(cat.packCatalogue.size(), 9u);
    EXPECT_EQ(cat.themeCount, PackCatalogue::kThemeTableSize);
    EXPECT_EQ(cat.themeTable[6].themeNumber, 6);
}

TEST(PackCatalogue, SwitchingPacksReopensTheCurrentArchive)
{
    TempDir dir;
    const PackInfo easy = levelPack(0, 0), clay = themePack(0);
    writePack(dir, "standart.pak", nullptr);
    writePack(dir, "easy.pak", &easy);
    writePack(dir, "clay.pak", &clay);
    PackCatalogue cat;
    cat.folder = dir.path().string();
    ASSERT_EQ(cat.build({"clay.pak", "easy.pak", "standart.pak"}), 1);

    cat.useLevelPack();
    EXPECT_EQ(cat.currentPackKind, PackCatalogue::kLevel);
    EXPECT_EQ(cat.currentPackPath, "easy.pak");
    EXPECT_GE(cat.currentPack->findMember("pak.dsc"), 0);
    cat.useThemePack();
    EXPECT_EQ(cat.currentPackPath, "clay.pak");
    cat.useStandardPack();
    EXPECT_EQ(cat.currentPackKind, PackCatalogue::kStandard);
    EXPECT_TRUE(cat.currentPackPath.empty());
    EXPECT_LT(cat.currentPack->findMember("pak.dsc"), 0);
    cat.copyLevelPackInfo();
    EXPECT_EQ(cat.currentLevelCount, 30);
}

TEST(PackCatalogue, SteppingMovesTheDifficultyByOneWhateverPackItFinds)
{
    TempDir dir;
    const PackInfo p0 = levelPack(0, 0), p2 = levelPack(2, 2), t0 = themePack(0), t2 = themePack(2);
    writePack(dir, "standart.pak", nullptr);
    writePack(dir, "p0.pak", &p0);
    writePack(dir, "p2.pak", &p2);
    writePack(dir, "t0.pak", &t0);
    writePack(dir, "t2.pak", &t2);
    PackCatalogue cat;
    Recorder rec;
    cat.hooks = rec.hooks();
    cat.folder = dir.path().string();
    ASSERT_EQ(cat.build({"p0.pak", "p2.pak", "standart.pak", "t0.pak", "t2.pak"}), 1);
    ASSERT_EQ(cat.levelPackCount, 2);

    rec.busy = true;
    cat.nextLevelPack();
    EXPECT_EQ(rec.slides, 0);
    rec.busy = false;

    cat.nextLevelPack(); // allowed once (0 < 1); finds number 2 two steps away
    EXPECT_EQ(cat.difficulty, 1);
    EXPECT_EQ(cat.selectedLevelPack, 1);
    EXPECT_EQ(cat.selectedTheme, 3); // the standard pack has no description: t2 is record 3
    EXPECT_EQ(rec.lastSlide, +1);
    EXPECT_EQ(rec.themeReloads, 1);
    EXPECT_EQ(rec.levelStarts, 1);
    EXPECT_EQ(rec.packPictures, 1);
    EXPECT_EQ(cat.currentPackKind, PackCatalogue::kLevel);

    cat.nextLevelPack(); // 1 >= levelPackCount - 1: no step
    EXPECT_EQ(rec.slides, 1);

    cat.previousLevelPack(); // from pack 2: looks for 1, then 0
    EXPECT_EQ(cat.difficulty, 0);
    EXPECT_EQ(cat.selectedLevelPack, 0);
    EXPECT_EQ(cat.selectedTheme, 2);
    EXPECT_EQ(rec.lastSlide, -1);
    cat.previousLevelPack();
    EXPECT_EQ(rec.slides, 2);
}

TEST(PackCatalogue, SteppingThroughThreePacksStopsAtTheLast)
{
    TempDir dir;
    std::vector<std::string> names{"standart.pak"};
    writePack(dir, "standart.pak", nullptr);
    for (int n = 0; n < 3; ++n) {
        const PackInfo p = levelPack(n, 0);
        names.push_back("l" + std::to_string(n) + ".pak");
        writePack(dir, names.back(), &p);
    }
    PackCatalogue cat;
    Recorder rec;
    cat.hooks = rec.hooks();
    cat.folder = dir.path().string();
    ASSERT_EQ(cat.build(names), 1);
    for (int step = 0; step < 4; ++step)
        cat.nextLevelPack();
    EXPECT_EQ(cat.difficulty, 2);
    EXPECT_EQ(cat.packCatalogue[cat.selectedLevelPack].packNumber, 2);
    EXPECT_EQ(rec.themeReloads, 0); // every pack uses theme 0

    cat.difficulty = 7; // no such pack: the selection stays
    cat.selectLevelPackByNumber();
    EXPECT_EQ(cat.packCatalogue[cat.selectedLevelPack].packNumber, 2);
    cat.difficulty = 1;
    cat.selectLevelPackByNumber();
    EXPECT_EQ(cat.packCatalogue[cat.selectedLevelPack].packNumber, 1);
}

TEST(PackCatalogue, TheOwnLevelsLieOneStepPastTheLastPackAndAreAllOpen)
{
    TempDir dir;
    std::vector<std::string> names{"standart.pak"};
    writePack(dir, "standart.pak", nullptr);
    for (int n = 0; n < 2; ++n) {
        const PackInfo p = levelPack(n, 0);
        names.push_back("l" + std::to_string(n) + ".pak");
        writePack(dir, names.back(), &p);
    }
    PackCatalogue cat;
    Recorder rec;
    cat.hooks = rec.hooks();
    cat.folder = dir.path().string();
    ASSERT_EQ(cat.build(names), 1);
    theRecords.reset();
    ownLevelPack.reset();
    screenFlow.levelNumber = 9;

    cat.nextLevelPack();
    cat.nextLevelPack(); // no own levels: nothing past the last pack
    EXPECT_FALSE(cat.ownPackSelected);
    EXPECT_EQ(cat.difficulty, 1);

    ownLevelPack.levels.resize(3);
    const int starts = rec.levelStarts;
    cat.nextLevelPack();
    ASSERT_TRUE(cat.ownPackSelected);
    EXPECT_EQ(cat.difficulty, 1); // played at the difficulty chosen before
    EXPECT_EQ(screenFlow.levelNumber, 2); // the level number kept inside the own levels
    EXPECT_EQ(rec.levelStarts, starts + 1);
    EXPECT_EQ(rec.lastSlide, +1);
    cat.copyLevelPackInfo();
    EXPECT_EQ(cat.currentLevelCount, 3);
    EXPECT_EQ(cat.unlockedLevels(), 3);
    cat.nextLevelPack();
    EXPECT_TRUE(cat.ownPackSelected);

    cat.previousLevelPack();
    EXPECT_FALSE(cat.ownPackSelected);
    EXPECT_EQ(rec.lastSlide, -1);
    EXPECT_EQ(cat.packCatalogue[cat.selectedLevelPack].packNumber, 1);
    cat.copyLevelPackInfo();
    EXPECT_EQ(cat.currentLevelCount, 30);
    EXPECT_EQ(cat.unlockedLevels(), theRecords.progress.unlockedLevels(1));
    ownLevelPack.reset();
    screenFlow.reset();
}

} // namespace
} // namespace burrowix
