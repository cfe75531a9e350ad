// Changing pack archives: adding and removing members keeps the exact layout, refusals change
// nothing, and the object's state follows the new file.
#include "archive_test_support.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/archive/pack_writer.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace burrowix {
namespace {

using test::bytesOf;
using test::filesIn;
using test::readBytes;
using test::writeBytes;

class PackArchiveWrite : public ::testing::TestWithParam<bool> {
protected:
    test::TempDir dir;
    test::ScopedTmpDir tmp{dir.file("tmp")};
    std::string pakPath = dir.file("game.pak");
    bool hold() const { return GetParam(); }

    std::string source(const std::string& name, const std::string& content)
    {
        const std::string path = dir.file(name);
        writeBytes(path, bytesOf(content));
        return path;
    }
};

TEST_P(PackArchiveWrite, AddAndRemoveKeepTheExactLayout)
{
    const std::string a = source("a.bmp", "AAAA"), b = source("b.wav", "BBBBBBB"), c = source("c.ogg", "C");
    PackArchive pak(pakPath, hold());
    EXPECT_EQ(pak.addFile(a), 0) << "a missing archive is created";
    EXPECT_EQ(pak.addFile(b), 1);
    EXPECT_EQ(pak.addFile(c), 2);
    EXPECT_EQ(readBytes(pakPath), buildPackArchive({{"a.bmp", bytesOf("AAAA")}, {"b.wav", bytesOf("BBBBBBB")},
                                                    {"c.ogg", bytesOf("C")}}));
    EXPECT_EQ(pak.dataSize(), 12u);
    EXPECT_TRUE(pak.isWellFormed());

    EXPECT_EQ(pak.removeMember(1), 2);
    EXPECT_EQ(readBytes(pakPath), buildPackArchive({{"a.bmp", bytesOf("AAAA")}, {"c.ogg", bytesOf("C")}}));
    EXPECT_EQ(pak.member(1)->offset, 12u);

    const std::string d = source("d.jpg", "DDD");
    EXPECT_EQ(pak.addFile(d), 2);
    EXPECT_EQ(readBytes(pakPath), buildPackArchive({{"a.bmp", bytesOf("AAAA")}, {"c.ogg", bytesOf("C")},
                                                    {"d.jpg", bytesOf("DDD")}}));
    // The object reads from the new file, held open or not.
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(pak.readMember(2, bytes));
    EXPECT_EQ(bytes, bytesOf("DDD"));

    EXPECT_EQ(pak.removeMemberByName("A.BMP"), 2);
    EXPECT_EQ(pak.removeMember(1), 1);
    EXPECT_EQ(pak.removeMemberByName("c.ogg"), 0);
    EXPECT_EQ(readBytes(pakPath), std::vector<std::uint8_t>(8, 0));
    EXPECT_EQ(pak.dataSize(), 0u);

    PackArchive reread(pakPath);
    EXPECT_EQ(reread.memberCount(), 0);
    EXPECT_TRUE(reread.isWellFormed());
    EXPECT_EQ(filesIn(dir.path().string()), (std::set<std::string>{"a.bmp", "b.wav", "c.ogg", "d.jpg", "game.pak", "tmp"}))
        << "no temporary file of the rewrite may stay";
}

TEST_P(PackArchiveWrite, TakesTheBaseNameAfterEitherSeparator)
{
    std::filesystem::create_directories(dir.file("sub"));
    const std::string backslashed = source("dos\\PIC.BMP", "pic");
    const std::string nested = source("sub/x.bin", "x");
    PackArchive pak(pakPath, hold());
    EXPECT_EQ(pak.addFiles({backslashed, nested}), 0);
    EXPECT_EQ(pak.member(0)->name, "PIC.BMP");
    EXPECT_EQ(pak.member(1)->name, "x.bin");
    const std::vector<std::uint8_t> before = readBytes(pakPath);

    // Refusals leave the file alone: a taken name (in any case), a repeat within one call, a file that
    // is not there or not a regular file, and a name that is no bare file name.
    const std::string clash = source("pic.bmp", "other");
    EXPECT_EQ(pak.addFile(clash), -1);
    EXPECT_EQ(pak.addFiles({source("n1", "1"), dir.file("sub") + "/../n1"}), -1);
    EXPECT_EQ(pak.addFile(dir.file("nothing-here")), -1);
    EXPECT_EQ(pak.addFile(dir.file("sub")), -1);
    EXPECT_EQ(pak.addFile(dir.file("sub") + "/"), -1);
    EXPECT_EQ(pak.addFile(dir.file("sub") + "/.."), -1);
    EXPECT_EQ(pak.addFiles({}), -1);
    EXPECT_EQ(readBytes(pakPath), before);
    EXPECT_EQ(pak.memberCount(), 2);
}

TEST_P(PackArchiveWrite, TemporaryCopiesFollowTheirMembersThroughRewrites)
{
    writeBytes(pakPath, buildPackArchive({{"keep", bytesOf("k")}, {"drop", bytesOf("dd")}, {"last", bytesOf("l")}}));
    PackArchive pak(pakPath, hold());
    const auto keep = pak.extractByName("keep");
    const auto drop = pak.extractByName("drop");
    const auto last = pak.extractByName("last");
    ASSERT_TRUE(keep && drop && last);

    EXPECT_EQ(pak.addFile(source("new", "n")), 3);
    EXPECT_EQ(pak.extractByName("keep"), keep);
    EXPECT_EQ(pak.removeMemberByName("drop"), 3);
    EXPECT_FALSE(std::filesystem::exists(*drop)) << "the removed member's copy is deleted";
    EXPECT_EQ(pak.extractByName("last"), last) << "a member that moved keeps its copy";
    EXPECT_EQ(readBytes(*last), bytesOf("l"));
    pak.removeTempFiles();
    EXPECT_TRUE(filesIn(tmp.folder()).empty());
}

TEST_P(PackArchiveWrite, ViewsKeepTheOldBytesAndNewViewsSeeTheRewrite)
{
    writeBytes(pakPath, buildPackArchive({{"drop", bytesOf("dd")}, {"last", bytesOf("ll")}}));
    PackArchive pak(pakPath, hold());
    const PackArchive::MemberView before = pak.viewMember(1);
    ASSERT_TRUE(before.file);
    EXPECT_EQ(pak.removeMemberByName("drop"), 1);
    EXPECT_EQ(std::string(before.data, before.data + before.size), "ll");
    const PackArchive::MemberView after = pak.viewMember(0);
    ASSERT_TRUE(after.file);
    EXPECT_NE(after.file, before.file);
    EXPECT_EQ(std::string(after.data, after.data + after.size), "ll");
    EXPECT_FALSE(pak.viewMember(1).file);
}

TEST_P(PackArchiveWrite, RefusesToWriteFromAStaleOrUnreadableDirectory)
{
    writeBytes(pakPath, buildPackArchive({{"one", bytesOf("1")}, {"two", bytesOf("22")}}));
    PackArchive pak(pakPath, hold());
    const std::vector<std::uint8_t> changed = buildPackArchive({{"other", bytesOf("xyz")}});
    writeBytes(pakPath, changed);
    EXPECT_EQ(pak.addFile(source("three", "3")), -1);
    EXPECT_EQ(pak.removeMember(0), 2);
    EXPECT_EQ(readBytes(pakPath), changed);

    // An archive path that is a folder is neither read nor replaced.
    std::filesystem::create_directories(dir.file("folder.pak"));
    PackArchive folder(dir.file("folder.pak"), hold());
    EXPECT_EQ(folder.memberCount(), 0);
    EXPECT_EQ(folder.addFile(source("three", "3")), -1);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.pak")));

    // Out-of-range removals change nothing.
    PackArchive fresh(pakPath, hold());
    EXPECT_EQ(fresh.removeMember(-1), 1);
    EXPECT_EQ(fresh.removeMember(1), 1);
    EXPECT_EQ(fresh.removeMemberByName("nope"), 1);
    EXPECT_FALSE(fresh.removeMembers({0, 5}));
    EXPECT_EQ(readBytes(pakPath), changed);
}

TEST_P(PackArchiveWrite, RewritingRepairsDamageAndKeepsRepeatedNames)
{
    // A directory with a repeated name and a member that runs past the end of the file.
    ByteWriter w;
    w.u32(3);
    w.u32(6);
    w.bytes(std::string("aabbcc"));
    test::rawEntry(w, 4, std::string("dup\0", 4), 8, 2);
    test::rawEntry(w, 4, std::string("DUP\0", 4), 10, 2);
    test::rawEntry(w, 5, std::string("long\0", 5), 12, 100);
    const std::vector<std::uint8_t> damaged = w.data();
    writeBytes(pakPath, damaged);

    PackArchive pak(pakPath, hold());
    EXPECT_FALSE(pak.isWellFormed());
    EXPECT_EQ(pak.removeMemberByName("dup"), 2);
    // "long" keeps only the bytes that were there: the tail of the old data and directory.
    std::vector<std::uint8_t> longBytes(damaged.begin() + 12, damaged.end());
    EXPECT_EQ(readBytes(pakPath), buildPackArchive({{"DUP", bytesOf("bb")}, {"long", longBytes}}));
    EXPECT_TRUE(pak.isWellFormed());
    EXPECT_EQ(pak.findMember("dup"), 0);
}

TEST_P(PackArchiveWrite, AnArchiveOfOnlyEmptyMembersIsNeverWritten)
{
    const std::string empty = source("empty", "");
    PackArchive pak(pakPath, hold());
    EXPECT_EQ(pak.addFile(empty), -1) << "it would read back as having no members";
    EXPECT_FALSE(std::filesystem::exists(pakPath));
    EXPECT_EQ(pak.addFiles({empty, source("full", "f")}), 0);
    EXPECT_EQ(pak.removeMemberByName("full"), 2) << "removal would leave only an empty member";
    EXPECT_EQ(pak.removeMembers({0, 1}), true);
    EXPECT_EQ(readBytes(pakPath), std::vector<std::uint8_t>(8, 0));
}

TEST_P(PackArchiveWrite, LargeMembersAreCopiedIntact)
{
    std::vector<std::uint8_t> big(3 * 1024 * 1024 + 17);
    std::uint32_t x = 12345;
    for (auto& b : big) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    writeBytes(dir.file("big.bin"), big);
    PackArchive pak(pakPath, hold());
    ASSERT_EQ(pak.addFile(source("small", "s")), 0);
    ASSERT_EQ(pak.addFile(dir.file("big.bin")), 1);
    ASSERT_EQ(pak.addFile(source("after", "a")), 2);
    ASSERT_EQ(pak.removeMember(0), 2);
    const auto copy = pak.extractByName("big.bin");
    ASSERT_TRUE(copy);
    EXPECT_EQ(readBytes(*copy), big);
    EXPECT_EQ(readBytes(pakPath), buildPackArchive({{"big.bin", big}, {"after", bytesOf("a")}}));
}

INSTANTIATE_TEST_SUITE_P(OpenModes, PackArchiveWrite, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "HeldOpen" : "OpenedPerOperation"; });

} // namespace
} // namespace burrowix
