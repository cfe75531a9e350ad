#include "common/atomic_file.hpp"
#include "common/le_io.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace burrowix {
namespace {

using test::readBytes;
using test::TempDir;

TEST(LittleEndian, WritesAndReadsThroughMemoryAndFiles)
{
    ByteWriter w;
    w.u32(0x04030201);
    w.i32(-2);
    EXPECT_EQ(w.data(), (std::vector<std::uint8_t>{1, 2, 3, 4, 0xFE, 0xFF, 0xFF, 0xFF}));

    ByteReader r(w.data());
    std::uint32_t u = 0;
    std::int32_t s = 0;
    EXPECT_TRUE(r.u32(u));
    EXPECT_TRUE(r.i32(s));
    EXPECT_EQ(u, 0x04030201u);
    EXPECT_EQ(s, -2);
    EXPECT_FALSE(r.u32(u));
    EXPECT_EQ(r.position(), 8u);

    TempDir dir;
    std::FILE* f = std::fopen(dir.file("x").c_str(), "w+b");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(writeLE32(f, 0xA1B2C3D4));
    std::fputc(7, f);
    std::rewind(f);
    EXPECT_TRUE(readLE32(f, u));
    EXPECT_EQ(u, 0xA1B2C3D4u);
    u = 5;
    EXPECT_FALSE(readLE32(f, u)); // one byte left: not a value
    EXPECT_EQ(u, 5u);
    std::fclose(f);
}

TEST(LittleEndian, ReaderRefusesToRunPastTheEnd)
{
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    ByteReader r(bytes);
    std::span<const std::uint8_t> view;
    EXPECT_FALSE(r.bytes(4, view));
    EXPECT_TRUE(r.skip(1));
    EXPECT_FALSE(r.skip(3));
    std::uint16_t v16 = 0;
    EXPECT_TRUE(r.u16(v16));
    EXPECT_EQ(v16, 0x0302);
    EXPECT_EQ(r.remaining(), 0u);
    EXPECT_FALSE(r.seek(4));
}

TEST(AtomicFile, ReplacesWholeFileAndKeepsItsMode)
{
    TempDir dir;
    const std::string path = dir.file("score.dat");
    const std::vector<std::uint8_t> first{1, 2, 3}, second{9, 8};
    ASSERT_TRUE(writeFileAtomically(path, first));
    EXPECT_EQ(readBytes(path), first);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(path, second));
    EXPECT_EQ(readBytes(path), second);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Only the file itself is left: no temporary files behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, FailureKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("opt.dat");
    const std::vector<std::uint8_t> old{5, 5, 5};
    ASSERT_TRUE(writeFileAtomically(path, old));
    EXPECT_FALSE(writeFileAtomically(path, [](std::FILE* f) {
        std::fputs("partial", f);
        return false;
    }));
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    // A folder that does not exist cannot receive the file.
    EXPECT_FALSE(writeFileAtomically(dir.file("missing/opt.dat"), old));
}

TEST(AtomicFile, FollowsLinksWritesDevicesAndPipesInPlaceAndRefusesTheRest)
{
    TempDir dir;
    const std::vector<std::uint8_t> bytes{'h', 'i', '\n'};

    // A link: the file it points to gets the new bytes, the link stays a link.
    const std::string real = dir.file("real.pak"), link = dir.file("link.pak");
    ASSERT_TRUE(writeFileAtomically(real, std::vector<std::uint8_t>{1}));
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(writeFileAtomically(link, bytes));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), bytes);

    // A link to a device: the device is written, not replaced by a file.
    const std::string toNull = dir.file("null");
    std::filesystem::create_symlink("/dev/null", toNull);
    ASSERT_TRUE(writeFileAtomically(toNull, bytes));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_TRUE(std::filesystem::is_symlink(toNull));

    // A pipe: its reader gets the bytes, the pipe stays a pipe.
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    EXPECT_TRUE(writeFileAtomically(fifo, bytes));
    std::vector<std::uint8_t> received(16);
    received.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(readEnd, received.data(), 16))));
    ::close(readEnd);
    EXPECT_EQ(received, bytes);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    // A folder is refused with a reason.
    errno = 0;
    EXPECT_FALSE(writeFileAtomically(dir.path().string(), bytes));
    EXPECT_EQ(errno, EISDIR);
}

TEST(AtomicFile, APipeThatNobodyReadsOrThatIsFullFailsAtOnceInsteadOfBlocking)
{
    TempDir dir;
    const std::string fifo = dir.file("opt.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    errno = 0;
    EXPECT_FALSE(writeFileAtomically(fifo, std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(errno, ENXIO);

    // A reader that never reads: more than the pipe holds cannot be written.
    const int readEnd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    EXPECT_FALSE(writeFileAtomically(fifo, std::vector<std::uint8_t>(4 << 20, 7)));
    ::close(readEnd);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST(AtomicFile, AFileItsOwnerMadeReadOnlyIsLeftAloneEvenForRoot)
{
    TempDir dir;
    const std::string path = dir.file("score.dat");
    const std::vector<std::uint8_t> old{7, 7};
    ASSERT_TRUE(writeFileAtomically(path, old));
    ::chmod(path.c_str(), 0444);
    errno = 0;
    EXPECT_FALSE(writeFileAtomically(path, std::vector<std::uint8_t>{1}));
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, AbandonedTemporariesOfAFileAreRemovedAndNothingElse)
{
    namespace fs = std::filesystem;
    TempDir dir;
    fs::create_directory(dir.path() / "real");
    test::writeText(dir.file("score.dat"), "kept");
    for (const char* name : {"score.dat.Ab12Cd", "score.dat.000000", "opt.dat.123456", "real/opt.dat.zZ9xY8"})
        test::writeText(dir.file(name), "half");
    for (const char* name : {"score.dat.abc", "score.dat.ABCDEFG", "score.dat.ab-cd_", "xscore.dat.123456",
                             "score.dat.bad", "real/opt.dat"})
        test::writeText(dir.file(name), "other");
    fs::create_directory(dir.path() / "score.dat.QQQQQQ");
    fs::create_symlink("real/opt.dat", dir.path() / "opt.dat");

    EXPECT_EQ(removeAbandonedTemporaries(dir.file("score.dat")), 2);
    EXPECT_EQ(removeAbandonedTemporaries(dir.file("opt.dat")), 2); // beside the link and its file
    EXPECT_EQ(removeAbandonedTemporaries(dir.file("li.dat")), 0);
    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
        left.push_back(entry.path().lexically_relative(dir.path()).string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"opt.dat", "real", "real/opt.dat", "score.dat", "score.dat.ABCDEFG",
                                              "score.dat.QQQQQQ", "score.dat.ab-cd_", "score.dat.abc",
                                              "score.dat.bad", "xscore.dat.123456"}));
}

} // namespace
} // namespace burrowix
