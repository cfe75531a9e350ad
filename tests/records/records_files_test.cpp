// The three record files: options, hall of fame and level progress, byte for byte.
#include "common/le_io.hpp"
#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <chrono>

namespace burrowix {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

std::vector<std::uint8_t> ints(std::initializer_list<std::int32_t> values)
{
    ByteWriter w;
    for (std::int32_t v : values)
        w.i32(v);
    return w.data();
}

TEST(OptionsFile, RoundTripsSevenFieldsInOrder)
{
    TempDir dir;
    const std::string path = dir.file(kOptionsFileName);
    StoredOptions s;
    s.options = {0, 1, 19, 94, 4};
    s.level = 7;
    s.difficulty = 2;
    ASSERT_TRUE(writeOptionsFile(path, s));
    EXPECT_EQ(readBytes(path), ints({0, 1, 19, 94, 4, 7, 2}));
    EXPECT_EQ(readBytes(path).size(), kOptionsFileSize);

    StoredOptions back;
    ASSERT_TRUE(readOptionsFile(path, back));
    EXPECT_EQ(back.options.gameSpeed, 19);
    EXPECT_EQ(back.options.musicVolume, 4);
    EXPECT_EQ(back.level, 7);
    EXPECT_EQ(back.difficulty, 2);
}

TEST(OptionsFile, MissingFileKeepsDefaultsAndShortFileKeepsLaterFields)
{
    TempDir dir;
    StoredOptions s;
    EXPECT_FALSE(readOptionsFile(dir.file("none.dat"), s));
    EXPECT_EQ(s.options.musicEnabled, 1);
    EXPECT_EQ(s.options.soundEnabled, 1);
    EXPECT_EQ(s.options.gameSpeed, 15);
    EXPECT_EQ(s.options.soundVolume, 70);
    EXPECT_EQ(s.options.musicVolume, 70);

    // Two whole values and half of the third: speed keeps its earlier value. Out-of-range values
    // stay as stored.
    std::vector<std::uint8_t> bytes = ints({0, -5, 99});
    bytes.resize(10);
    writeBytes(dir.file("short.dat"), bytes);
    s.options.gameSpeed = 12;
    ASSERT_TRUE(readOptionsFile(dir.file("short.dat"), s));
    EXPECT_EQ(s.options.musicEnabled, 0);
    EXPECT_EQ(s.options.soundEnabled, -5);
    EXPECT_EQ(s.options.gameSpeed, 12);
}

TEST(LevelProgressFile, RoundTripsAndUnlocksOnlyFromTheLastUnlockedLevel)
{
    TempDir dir;
    const std::string path = dir.file(kProgressFileName);
    LevelProgress p;
    EXPECT_EQ(p.unlockedLevels(0), 1);
    p.recordWin(1, 0);
    EXPECT_EQ(p.unlockedLevels(1), 2);
    p.recordWin(1, 0); // an earlier level again: nothing new
    EXPECT_EQ(p.unlockedLevels(1), 2);
    p.recordWin(1, 1);
    EXPECT_EQ(p.unlockedLevels(1), 3);
    p.recordWin(12, 0); // no such set: nothing happens
    EXPECT_EQ(p.unlockedLevels(12), 1);
    EXPECT_EQ(p.unlockedLevels(-1), 1);

    ASSERT_TRUE(p.write(path));
    const std::vector<std::uint8_t> bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 80u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 24), ints({0, 1, 1, 3, 2, 1}));

    LevelProgress back;
    back.unlocked[1] = 0;
    ASSERT_TRUE(back.read(path));
    EXPECT_EQ(back.unlocked, p.unlocked);
    EXPECT_EQ(back.setIds, p.setIds);

    // A short file: what is there is read, the rest stays.
    writeBytes(dir.file("short.dat"), ints({5, 9, 6}));
    LevelProgress partial;
    ASSERT_TRUE(partial.read(dir.file("short.dat")));
    EXPECT_EQ(partial.setIds[0], 5);
    EXPECT_EQ(partial.unlocked[0], 9);
    EXPECT_EQ(partial.setIds[1], 6);
    EXPECT_EQ(partial.unlocked[1], 1);
    EXPECT_EQ(partial.setIds[2], 2);
}

TEST(HallOfFame, FreshTableHasTheDefaultsAndAsksForDifficulty)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    r.entries[0].name = "changed";
    EXPECT_EQ(file.read(r), 1);
    EXPECT_EQ(r.entries[0].name, "McBrannok");
    EXPECT_EQ(r.entries[0].score, 20000);
    EXPECT_EQ(r.entries[9].name, "Brannok in da House");
    EXPECT_EQ(r.entries[9].score, 10);
    EXPECT_EQ(r.entries[12].name, "A13");
    EXPECT_EQ(r.highlight, 0);
    EXPECT_EQ(r.levelValueA[89], 10);
    EXPECT_EQ(r.levelValueC[0], 1);
}

TEST(HallOfFame, FileLayoutIsExactAndRoundTrips)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    r.levelValueA[0] = 111;
    r.levelValueB[0] = 222;
    r.levelValueC[0] = 333;
    r.entries[16].score = 77; // reserved words are written as 0
    ASSERT_TRUE(file.write(r, 0));
    const std::vector<std::uint8_t> bytes = readBytes(file.path);

    std::size_t names = 0;
    for (const HallEntry& e : r.entries)
        names += e.name.size();
    EXPECT_EQ(bytes.size(), 1080 + 20 * 8 + names + 4);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 12), ints({333, 111, 222}));
    ByteWriter first;
    first.i32(20000);
    first.i32(9);
    first.bytes(std::string("McBrannok"));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 1080, bytes.begin() + 1080 + 17), first.data());

    HallOfFame back;
    back.setDefaults();
    back.levelValueA[0] = 0;
    EXPECT_EQ(file.read(back), 0);
    EXPECT_EQ(back.levelValueA[0], 111);
    EXPECT_EQ(back.entries[16].score, 0);
    for (int i = 0; i < HallOfFame::kEntries; ++i)
        EXPECT_EQ(back.entries[i].name, r.entries[i].name);
}

TEST(HallOfFame, DamagedEntryThirteenResetsEverything)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    r.levelValueB[5] = 999;
    r.entries[0].name = "Keep?";
    r.entries[13].name = "AB"; // damaged
    ASSERT_TRUE(file.write(r, 0));
    HallOfFame back;
    EXPECT_EQ(file.read(back), 1);
    EXPECT_EQ(back.entries[0].name, "McBrannok");
    EXPECT_EQ(back.levelValueB[5], 10);
}

TEST(HallOfFame, PromptValueIsClamped)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    for (auto [stored, expected] : {std::pair{-1, 2}, {3, 2}, {2, 2}, {0, 0}, {1, 1}}) {
        ASSERT_TRUE(file.write(r, stored));
        HallOfFame back;
        EXPECT_EQ(file.read(back), expected) << stored;
    }
}

TEST(HallOfFame, LongAndLyingNameLengthsAreSafe)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    r.entries[3].name = std::string(150, 'x');
    ASSERT_TRUE(file.write(r, 0));
    HallOfFame back;
    file.read(back);
    EXPECT_EQ(back.entries[3].name, std::string(99, 'x'));
    EXPECT_EQ(back.entries[4].name, "Brannokberg"); // the 51 extra bytes were skipped
    EXPECT_EQ(back.highlight, 0);

    // A name length of 0x7FFFFFFF: read what is there, quickly, keep the rest as it was.
    std::vector<std::uint8_t> bytes = readBytes(file.path);
    storeLE32(bytes.data() + 1080 + 4, 0x7FFFFFFF);
    writeBytes(file.path, bytes);
    HallOfFame lying;
    lying.entries[13].name = "ZZZ";
    const auto start = std::chrono::steady_clock::now();
    file.read(lying);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // The name is what could be read, up to the first zero byte (inside entry 1's score).
    EXPECT_EQ(lying.entries[0].name.rfind("McBrannok", 0), 0u);
    EXPECT_LE(lying.entries[0].name.size(), 99u);
    EXPECT_EQ(lying.entries[13].name, "ZZZ");
}

TEST(HallOfFame, InsertingPlacesEqualScoresBelowAndPushesRowsDown)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    EXPECT_EQ(r.findRank(10), -1);  // equal to the last row: no place
    EXPECT_EQ(r.findRank(15734), 2); // equal goes below
    EXPECT_EQ(r.highlight, 2);

    EXPECT_EQ(file.insertEntry(r, 25000, "Top", 1), 1);
    EXPECT_EQ(r.entries[0].name, "Top");
    EXPECT_EQ(r.entries[1].name, "McBrannok");
    EXPECT_EQ(r.entries[10].name, "Brannok in da House"); // old row 9, kept but not shown
    EXPECT_EQ(r.entries[11].name, "A13");
    EXPECT_EQ(r.highlight, 0);

    // The file holds exactly what memory holds.
    HallOfFame back;
    file.read(back);
    EXPECT_EQ(back.entries[0].score, 25000);
    EXPECT_EQ(back.entries[10].score, 10);
}

TEST(HallOfFame, InsertKeepsTheTableWhenTheFileCannotBeWritten)
{
    TempDir dir;
    HallOfFameFile file{dir.file("missing-folder/score.dat")};
    HallOfFame r;
    file.insertEntry(r, 9000, "Player", 0);
    EXPECT_EQ(r.entries[3].name, "Player");
    EXPECT_EQ(r.entries[3].score, 9000);
    EXPECT_EQ(r.highlight, 3);
}

} // namespace
} // namespace burrowix
