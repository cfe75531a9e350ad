// Whole archives written in one go: exact layout and the names and sizes that are refused.
#include "archive_test_support.hpp"
#include "platform/archive/pack_writer.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace burrowix {
namespace {

using test::bytesOf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(PackWriter, LaysOutHeaderContiguousDataAndDirectory)
{
    const std::vector<std::uint8_t> bytes = buildPackArchive({{"a.bmp", bytesOf("xyz")}, {"pak.dsc", bytesOf("hello")}});
    ByteWriter w;
    w.u32(2);
    w.u32(8);
    w.bytes(std::string("xyzhello"));
    test::rawEntry(w, 6, std::string("a.bmp\0", 6), 8, 3);
    test::rawEntry(w, 8, std::string("pak.dsc\0", 8), 11, 5);
    EXPECT_EQ(bytes, w.data());

    EXPECT_EQ(buildPackArchive({}), std::vector<std::uint8_t>(8, 0));
    // An empty member among others is fine; it takes no data bytes.
    const std::vector<std::uint8_t> withEmpty = buildPackArchive({{"e", {}}, {"f", bytesOf("1")}});
    EXPECT_EQ(loadLE32(withEmpty.data() + 4), 1u);
}

TEST(PackWriter, RefusesUnusableNamesRepeatsAndAnAllEmptyDataArea)
{
    for (const std::string& bad : std::vector<std::string>{"", ".", "..", "a/b", "a\\b", std::string("a\0b", 3)})
        EXPECT_TRUE(buildPackArchive({{bad, bytesOf("x")}}).empty()) << "name accepted: " << bad;
    EXPECT_TRUE(buildPackArchive({{"Pak.Dsc", bytesOf("x")}, {"PAK.DSC", bytesOf("y")}}).empty());
    // Such an archive would read back as having no members.
    EXPECT_TRUE(buildPackArchive({{"a", {}}, {"b", {}}}).empty());

    TempDir dir;
    const std::string path = dir.file("p.pak");
    writeBytes(path, bytesOf("old contents"));
    EXPECT_FALSE(writePackArchive(path, {{"../x", bytesOf("x")}}));
    EXPECT_EQ(readBytes(path), bytesOf("old contents"));
    ASSERT_TRUE(writePackArchive(path, {{"x", bytesOf("x")}}));
    EXPECT_EQ(readBytes(path), buildPackArchive({{"x", bytesOf("x")}}));
}

TEST(PackWriter, StreamsFromFilesAndKeepsTheOldArchiveWhenASourceFallsShort)
{
    TempDir dir;
    const std::string src = dir.file("src.bin");
    std::vector<std::uint8_t> big(200000);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i * 7 + i / 300);
    writeBytes(src, big);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(src.c_str(), "rb"), &std::fclose);
    ASSERT_TRUE(f);

    const std::string path = dir.file("s.pak");
    ASSERT_TRUE(writePackArchiveFrom(path, {{"big", f.get(), 0, 200000}, {"tail", f.get(), 199990, 10}}));
    EXPECT_EQ(readBytes(path),
              buildPackArchive({{"big", big}, {"tail", std::vector<std::uint8_t>(big.end() - 10, big.end())}}));

    const std::vector<std::uint8_t> before = readBytes(path);
    EXPECT_FALSE(writePackArchiveFrom(path, {{"past-end", f.get(), 199990, 11}}));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(test::filesIn(dir.path().string()).size(), 2u) << "a temporary file was left behind";
}

} // namespace
} // namespace burrowix
