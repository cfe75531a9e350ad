#include "world/replay_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/temp_dir.hpp"
#include "world/level_file.hpp"

namespace burrowix {
namespace {

using test::TempDir;

Replay sampleReplay()
{
    Replay r;
    ReplayHeader& h = r.header;
    h.levelHash = 0x0123456789ABCDEFull;
    h.pack = 2;
    h.level = 29;
    h.difficulty = 2;
    h.gameSpeed = 19;
    h.seed = 0xDEADBEEF;
    h.date = 5'000'000'000; // past 2038
    h.player = "Ann O'Nym";
    h.result = ReplayResult::Won;
    h.score = -12;
    h.frames = 300'000;
    h.gridHash = 0xFEDCBA9876543210ull;
    h.startScore = 4500;
    h.startLives = 3;
    h.startAmmunition = {10, 0, 3, 1, 2, 0, 0, 7, 0, 9};
    // Runs of 0, 1, 6, 7, 127, 128 and many thousand frames, every action, and step changes.
    r.changes = {{0, ReplayChange::Press, 2},       {1, ReplayChange::Release, 2},
                 {7, ReplayChange::Press, 12},      {14, ReplayChange::Step, 25},
                 {14, ReplayChange::Press, 0},      {141, ReplayChange::Release, 0},
                 {269, ReplayChange::Step, 3'000},  {200'000, ReplayChange::Press, 11}};
    for (std::uint32_t a = 0; a < kReplayActions; ++a)
        r.changes.push_back({200'000 + a, ReplayChange::Press, a});
    return r;
}

TEST(ReplayFile, EveryFieldAndChangeReadsBackFromMemoryAndFromDisk)
{
    const Replay r = sampleReplay();
    const std::vector<std::uint8_t> bytes = encodeReplay(r);
    std::string error;
    const std::optional<Replay> back = parseReplay(bytes, r.header.levelHash, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, r);

    TempDir dir;
    ASSERT_TRUE(writeReplayFile(dir.file("best.rpl"), r));
    const std::optional<Replay> fromDisk = readReplayFile(dir.file("best.rpl"), std::nullopt, &error);
    ASSERT_TRUE(fromDisk) << error;
    EXPECT_EQ(*fromDisk, r);

    // An empty attempt: no input at all.
    Replay empty;
    const std::optional<Replay> none = parseReplay(encodeReplay(empty));
    ASSERT_TRUE(none);
    EXPECT_EQ(*none, empty);
}

TEST(ReplayFile, ChangesCostOneByteUnlessTheirRunIsLong)
{
    Replay r;
    r.header.frames = 10'000;
    for (std::uint32_t f = 0; f < 3'000; f += 3)
        r.changes.push_back({f, f % 2 ? ReplayChange::Release : ReplayChange::Press, 4});
    const std::size_t headerBytes = encodeReplay(Replay{}).size() - 1;
    // A thousand one-byte changes, then the end mark with its run of 7,003 frames (1 + 2 bytes).
    EXPECT_EQ(encodeReplay(r).size(), headerBytes + 1'000 + 3);

    // What nothing can follow is left out: a press after the last frame.
    r.changes.push_back({10'000, ReplayChange::Press, 1});
    const std::optional<Replay> back = parseReplay(encodeReplay(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->changes.size(), 1'000u);
}

TEST(ReplayFile, TheRecorderKeepsEveryActionAndOnlyTheStepsThatChange)
{
    ReplayRecorder rec(15); // steps of 26 ms
    rec.press(3);
    rec.frameRan(26);
    rec.frameRan(26);
    rec.press(kReplayActions); // pausing is no replay action
    rec.press(-1);
    rec.release(3);
    rec.frameRan(27);
    rec.frameRan(26);
    const std::vector<ReplayChange> expected = {{0, ReplayChange::Press, 3},
                                                {2, ReplayChange::Release, 3},
                                                {2, ReplayChange::Step, 27},
                                                {3, ReplayChange::Step, 26}};
    EXPECT_EQ(rec.changes(), expected);
    EXPECT_EQ(rec.frames(), 4u);

    Replay r;
    r.header.gameSpeed = 15;
    r.header.frames = rec.frames();
    r.changes = rec.changes();
    const std::optional<Replay> back = parseReplay(encodeReplay(r));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->changes, expected);
}

// The byte offsets of a replay with an empty name.
constexpr std::size_t kVersionAt = 4, kDifficultyAt = 16, kSpeedAt = 17, kNameAt = 30, kResultAt = 31,
                      kFramesAt = 36, kInputLengthAt = 96, kInputAt = 100;

std::vector<std::uint8_t> plainReplayBytes()
{
    Replay r;
    r.header.levelHash = 77;
    r.header.frames = 50;
    r.changes = {{3, ReplayChange::Press, 1}, {9, ReplayChange::Release, 1}};
    return encodeReplay(r); // input: 3 bytes and the end mark
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = std::uint8_t(v >> (8 * i));
}

TEST(ReplayFile, DamagedAndForeignFilesAreRefusedWithTheirReason)
{
    const std::vector<std::uint8_t> good = plainReplayBytes();
    ASSERT_EQ(good.size(), kInputAt + 4);
    ASSERT_TRUE(parseReplay(good, 77u));

    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"another magic", [](auto& b) { b[0] = 'X'; }, "not a replay"},
        {"a later version", [](auto& b) { b[kVersionAt] = 2; }, "version 2 is not known"},
        {"difficulty 3", [](auto& b) { b[kDifficultyAt] = 3; }, "difficulty 3"},
        {"game speed 9", [](auto& b) { b[kSpeedAt] = 9; }, "game speed 9"},
        {"result 3", [](auto& b) { b[kResultAt] = 3; }, "result 3"},
        {"a name past the end", [](auto& b) { b[kNameAt] = 200; }, "ends in its header"},
        {"the input's length past the end", [](auto& b) { put32(b, kInputLengthAt, 5); }, "past the end"},
        {"a byte after the input", [](auto& b) { b.push_back(0); }, "bytes follow the input"},
        {"more frames than the runs", [](auto& b) { put32(b, kFramesAt, 51); }, "add up to 50 frames, not 51"},
        {"fewer frames than the runs", [](auto& b) { put32(b, kFramesAt, 40); }, "go past"},
        {"an unknown action", [](auto& b) { b[kInputAt] = 3 << 5 | 13; }, "unknown input change"},
        {"a released end mark", [](auto& b) { b[kInputAt + 2] |= 0x10; }, "unknown input change"},
        {"an end mark before the end", [](auto& b) { b[kInputAt + 2] = 14; b.pop_back(); put32(b, kInputLengthAt, 3); }, "add up to"},
        {"a change after the last frame", [](auto& b) { put32(b, kFramesAt, 9); b[kInputAt + 2] = 0x0E; }, "after the last frame"},
        {"a step shorter than the speed's", [](auto& b) { b[kSpeedAt] = 19; b[kInputAt] = 3 << 5 | 15; b[kInputAt + 1] = 21; b[kInputAt + 2] = 14; b[kInputAt + 3] = 0;}, "step of 21 ms"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        c.damage(bytes);
        std::string error;
        EXPECT_FALSE(parseReplay(bytes, std::nullopt, &error)) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
    }

    std::string error;
    EXPECT_FALSE(parseReplay(good, 78u, &error));
    EXPECT_NE(error.find("another level"), std::string::npos) << error;

    // Cut anywhere, the file is refused.
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(parseReplay(std::span(good).first(n))) << "cut to " << n << " bytes";
}

// The fuzzer starts from these; a change of the format must keep them readable.
TEST(ReplayFile, TheFuzzSeedsAreReplays)
{
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(BURROWIX_SOURCE_DIR) /
                                                                 "fuzz/seeds/fuzz_replay")) {
        std::string error;
        EXPECT_TRUE(readReplayFile(entry.path().string(), std::nullopt, &error)) << entry.path() << ": " << error;
        ++seen;
    }
    EXPECT_GE(seen, 2);
}

TEST(ReplayFile, OnlyRegularFilesOfReplaySizeAreRead)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(readReplayFile(dir.file("missing.rpl"), std::nullopt, &error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos) << error;
    EXPECT_FALSE(readReplayFile(dir.path().string(), std::nullopt, &error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
}

TEST(ReplayFile, TheLevelsFingerprintSeesEveryPartOfTheLevel)
{
    LevelFile level;
    level.width = 2;
    level.height = 1;
    level.kinds = {1, 2};
    level.params = {0, 0};
    level.blocks = {5};
    const std::uint64_t base = levelContentHash(level);
    EXPECT_EQ(levelContentHash(level), base);
    LevelFile other = level;
    other.kinds[1] = 3;
    EXPECT_NE(levelContentHash(other), base);
    other = level;
    other.startX = 1;
    EXPECT_NE(levelContentHash(other), base);
    other = level;
    other.killGoal = 4;
    EXPECT_NE(levelContentHash(other), base);
}

} // namespace
} // namespace burrowix
