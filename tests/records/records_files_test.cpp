// The three record files: options, hall of fame and level progress, byte for byte.
#include "common/le_io.hpp"
#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

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

    // Two whole values and half of the third: speed keeps its earlier value.
    std::vector<std::uint8_t> bytes = ints({0, -5, 99});
    bytes.resize(10);
    writeBytes(dir.file("short.dat"), bytes);
    s.options.gameSpeed = 12;
    ASSERT_TRUE(readOptionsFile(dir.file("short.dat"), s));
    EXPECT_EQ(s.options.musicEnabled, 0);
    EXPECT_EQ(s.options.soundEnabled, -5);
    EXPECT_EQ(s.options.gameSpeed, 12);
}

TEST(OptionsFile, ValuesOutsideTheirRangesAreClamped)
{
    TempDir dir;
    const std::string path = dir.file(kOptionsFileName);
    struct Case {
        std::vector<std::uint8_t> file;
        std::int32_t speed, effects, music, level, difficulty;
    };
    const Case cases[] = {
        {ints({1, 1, -1000000, -1, 101, -3, -1}), 10, 0, 100, 0, 0},
        {ints({1, 1, 40, INT32_MAX, INT32_MIN, 30, 7}), 19, 100, 0, 0, 2},
        {ints({1, 1, INT32_MIN, 100, 0, 29, 2}), 10, 100, 0, 29, 2},
        {ints({1, 1, 10, 0, 100, 0, 0}), 10, 0, 100, 0, 0},
    };
    for (const Case& c : cases) {
        writeBytes(path, c.file);
        StoredOptions s;
        ASSERT_TRUE(readOptionsFile(path, s));
        EXPECT_EQ(s.options.gameSpeed, c.speed);
        EXPECT_EQ(s.options.soundVolume, c.effects);
        EXPECT_EQ(s.options.musicVolume, c.music);
        EXPECT_EQ(s.level, c.level);
        EXPECT_EQ(s.difficulty, c.difficulty);
    }
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

    // Unlocked counts outside 1..30 are clamped; set ids are carried as they are.
    writeBytes(dir.file("odd.dat"), ints({0, INT32_MAX, 1, -5, 2, 0, 3, 31, -7, 30, 5, INT32_MIN}));
    LevelProgress odd;
    ASSERT_TRUE(odd.read(dir.file("odd.dat")));
    EXPECT_EQ(std::vector<std::int32_t>(odd.unlocked.begin(), odd.unlocked.begin() + 6),
              (std::vector<std::int32_t>{30, 1, 1, 30, 30, 1}));
    EXPECT_EQ(odd.setIds[4], -7);
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

TEST(HallOfFame, LongNamesAreCutToNinetyNineBytesOnWriting)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    r.entries[3].name = std::string(150, 'x');
    ASSERT_TRUE(file.write(r, 0));
    HallOfFame back;
    file.read(back);
    EXPECT_EQ(back.entries[3].name, std::string(99, 'x'));
    EXPECT_EQ(back.entries[4].name, "Brannokberg");
    EXPECT_FALSE(std::filesystem::exists(file.path + ".bad"));
}

TEST(HallOfFame, FileThatDoesNotParseIsSetAsideAndDefaultsUsed)
{
    TempDir dir;
    HallOfFameFile file{dir.file("score.dat")};
    HallOfFame r;
    r.entries[0] = {31337, "Ada"};
    ASSERT_TRUE(file.write(r, 0));
    const std::vector<std::uint8_t> good = readBytes(file.path);
    constexpr std::size_t kFirstLength = 1080 + 4;

    auto withLength = [&](std::uint32_t length) {
        std::vector<std::uint8_t> bytes = good;
        storeLE32(bytes.data() + kFirstLength, length);
        return bytes;
    };
    std::vector<std::uint8_t> noise(1388);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 151 + 7);
    const std::vector<std::vector<std::uint8_t>> damaged = {
        withLength(0xFFFFFFFF), withLength(100),     withLength(200),
        withLength(100000),     withLength(0x7FFFFFFF), {good.begin(), good.end() - 1},
        {good.begin(), good.begin() + 500}, {}, noise,
    };
    for (std::size_t n = 0; n < damaged.size(); ++n) {
        writeBytes(file.path, damaged[n]);
        std::filesystem::remove(file.path + ".bad");
        HallOfFame back;
        back.score = 4242; // the running values are not part of the file
        testing::internal::CaptureStderr();
        EXPECT_EQ(file.read(back), 1) << n;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("score.dat.bad"), std::string::npos) << n << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << n;
        EXPECT_EQ(back.entries[0].name, "McBrannok") << n;
        EXPECT_EQ(back.entries[0].score, 20000) << n;
        EXPECT_EQ(back.score, 4242);
        EXPECT_FALSE(std::filesystem::exists(file.path)) << n;
        EXPECT_EQ(readBytes(file.path + ".bad"), damaged[n]) << n; // kept, byte for byte
    }

    // The largest lengths a good file has, 0 and 99, read cleanly; bytes after the table are ignored.
    r.entries[1].name.clear();
    r.entries[2].name = std::string(99, 'n');
    ASSERT_TRUE(file.write(r, 0));
    std::vector<std::uint8_t> longer = readBytes(file.path);
    longer.push_back(0x55);
    writeBytes(file.path, longer);
    std::filesystem::remove(file.path + ".bad");
    HallOfFame back;
    testing::internal::CaptureStderr();
    EXPECT_EQ(file.read(back), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(back.entries[0].name, "Ada");
    EXPECT_EQ(back.entries[1].name, "");
    EXPECT_EQ(back.entries[2].name, std::string(99, 'n'));
    EXPECT_FALSE(std::filesystem::exists(file.path + ".bad"));
}

TEST(RecordFileReading, APipeInPlaceOfAFileIsReportedAndReadsAsMissingWithoutBlocking)
{
    TempDir dir;
    for (const char* name : {"opt.dat", "li.dat", "score.dat"})
        ASSERT_EQ(::mkfifo(dir.file(name).c_str(), 0600), 0);
    testing::internal::CaptureStderr();
    StoredOptions options;
    EXPECT_FALSE(readOptionsFile(dir.file("opt.dat"), options));
    LevelProgress progress;
    EXPECT_FALSE(progress.read(dir.file("li.dat")));
    HallOfFame table;
    HallOfFameFile{dir.file("score.dat")}.read(table);
    const std::string err = testing::internal::GetCapturedStderr();
    HallOfFame defaults;
    defaults.setDefaults();
    EXPECT_EQ(table.entries[0].name, defaults.entries[0].name);
    for (const char* name : {"opt.dat is a named pipe", "li.dat is a named pipe", "score.dat is a named pipe"})
        EXPECT_NE(err.find(name), std::string::npos) << err;

    // Saving into them does not wait for a reader either.
    EXPECT_FALSE(writeOptionsFile(dir.file("opt.dat"), options));
    EXPECT_FALSE(progress.write(dir.file("li.dat")));
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
