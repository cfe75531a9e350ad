// Reading pack archives: the directory of honest, lying and cut-off files, name lookup, and the
// temporary copies members are extracted to.
#include "archive_test_support.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/archive/pack_writer.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace burrowix {
namespace {

using test::bytesOf;
using test::filesIn;
using test::rawEntry;
using test::readBytes;
using test::writeBytes;

std::vector<std::string> names(const PackArchive& a)
{
    std::vector<std::string> out;
    for (int i = 0; i < a.memberCount(); ++i)
        out.push_back(a.member(i)->name);
    return out;
}

// Header fields as given, then the data, then whatever entries `entries` writes.
template <typename Entries>
std::vector<std::uint8_t> rawArchive(std::int32_t count, std::uint32_t dataSize, const std::string& data, Entries entries)
{
    ByteWriter w;
    w.i32(count);
    w.u32(dataSize);
    w.bytes(data);
    entries(w);
    return w.data();
}

class PackArchiveRead : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScopedTmpDir tmp{dir.file("tmp")};
    std::string pakPath = dir.file("test.pak");
    const std::vector<PackEntry> sample = {
        {"pak.dsc", bytesOf("description")}, {"1.ml_", bytesOf("level one")}, {"back1.ogg", bytesOf("OggS...")}};

    void writeSample() { writeBytes(pakPath, buildPackArchive(sample)); }
};

TEST_F(PackArchiveRead, ListsAndReadsAWellFormedArchiveInBothOpenModes)
{
    writeSample();
    for (bool hold : {false, true}) {
        PackArchive a(pakPath, hold);
        EXPECT_EQ(a.heldOpen(), hold);
        EXPECT_TRUE(a.isWellFormed());
        EXPECT_EQ(a.dataSize(), 27u);
        EXPECT_EQ(names(a), (std::vector<std::string>{"pak.dsc", "1.ml_", "back1.ogg"}));
        EXPECT_EQ(a.member(1)->offset, 19u);
        EXPECT_EQ(a.member(1)->size, 9u);
        EXPECT_EQ(a.member(3), nullptr);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(a.readMember(1, bytes));
        EXPECT_EQ(bytes, bytesOf("level one"));
        EXPECT_FALSE(a.readMember(-1, bytes));
        // Views share one mapping and make no copy.
        const PackArchive::MemberView one = a.viewMember(1), last = a.viewMember(2);
        ASSERT_TRUE(one.file);
        EXPECT_EQ(std::vector<std::uint8_t>(one.data, one.data + one.size), bytesOf("level one"));
        EXPECT_EQ(std::vector<std::uint8_t>(last.data, last.data + last.size), bytesOf("OggS..."));
        EXPECT_EQ(one.file, last.file);
        EXPECT_FALSE(a.viewMember(3).file);
        EXPECT_FALSE(a.viewMember(-1).file);
        EXPECT_TRUE(filesIn(dir.file("tmp")).empty());
    }
}

TEST_F(PackArchiveRead, LookupIgnoresAsciiCaseAndTheFirstOfTwoEqualNamesWins)
{
    writeBytes(pakPath, rawArchive(3, 6, "aabbcc", [](ByteWriter& w) {
                   rawEntry(w, 8, std::string("pak.dsc\0", 8), 8, 2);
                   rawEntry(w, 8, std::string("PAK.DSC\0", 8), 10, 2);
                   rawEntry(w, 3, std::string("\xe9t\0", 3), 12, 2);
               }));
    PackArchive a(pakPath);
    ASSERT_EQ(a.memberCount(), 3);
    EXPECT_EQ(a.findMember("PAK.DSC"), 0);
    EXPECT_EQ(a.findMember("Pak.Dsc"), 0);
    EXPECT_EQ(a.findMember("pak.ds"), -1);
    EXPECT_EQ(a.findMember("\xe9T"), 2);
    EXPECT_EQ(a.findMember("\xc9T"), -1) << "only a..z change case";
    const auto path = a.extractByName("PAK.dsc");
    ASSERT_TRUE(path);
    EXPECT_EQ(readBytes(*path), bytesOf("aa"));
    EXPECT_FALSE(a.extractByName("missing"));
}

TEST_F(PackArchiveRead, LyingHeadersAndEntriesStopAtTheFirstEntryThatDoesNotFit)
{
    auto twoEntries = [](ByteWriter& w) {
        rawEntry(w, 2, std::string("a\0", 2), 8, 2);
        rawEntry(w, 2, std::string("b\0", 2), 10, 2);
    };
    auto secondEntry = [](std::uint32_t nameLength, std::string name) {
        return [=](ByteWriter& w) {
            rawEntry(w, 2, std::string("a\0", 2), 8, 2);
            rawEntry(w, nameLength, name, 10, 2);
        };
    };
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::vector<std::string> names;
        bool wellFormed = false;
    };
    const Case cases[] = {
        {"count larger than the directory", rawArchive(50, 4, "1234", twoEntries), {"a", "b"}},
        {"count smaller than the directory", rawArchive(1, 4, "1234", twoEntries), {"a"}},
        {"negative count", rawArchive(-3, 4, "1234", twoEntries), {}},
        {"dataSize 0 with members", rawArchive(2, 0, "", twoEntries), {}},
        {"dataSize past the end", rawArchive(2, 4000, "1234", twoEntries), {}},
        {"nameLength 0", rawArchive(2, 4, "1234", secondEntry(0, "")), {"a"}},
        {"nameLength past the end", rawArchive(2, 4, "1234", secondEntry(0xFFFFFFF0u, "b")), {"a"}},
        {"name without terminator", rawArchive(2, 4, "1234", secondEntry(3, "bcd")), {"a", "bcd"}, true},
        {"name with an early zero", rawArchive(2, 4, "1234", secondEntry(4, std::string("b\0cd", 4))), {"a", "b"}, true},
    };
    for (const Case& c : cases) {
        writeBytes(pakPath, c.bytes);
        PackArchive a(pakPath);
        EXPECT_EQ(names(a), c.names) << c.what;
        EXPECT_EQ(a.isWellFormed(), c.wellFormed) << c.what;
    }

    // Members whose data runs past the end give only the bytes that are there.
    const std::vector<std::uint8_t> file = rawArchive(3, 4, "abcd", [](ByteWriter& w) {
        rawEntry(w, 2, std::string("x\0", 2), 6, 1000);
        rawEntry(w, 2, std::string("y\0", 2), 5000, 10);
        rawEntry(w, 2, std::string("z\0", 2), 8, 0xFFFFFFFFu);
    });
    writeBytes(pakPath, file);
    PackArchive a(pakPath);
    const auto x = a.extractByName("x"), y = a.extractByName("y");
    ASSERT_TRUE(x && y);
    EXPECT_EQ(readBytes(*x), std::vector<std::uint8_t>(file.begin() + 6, file.end()));
    EXPECT_TRUE(readBytes(*y).empty());
    std::vector<std::uint8_t> z;
    ASSERT_TRUE(a.readMember(2, z));
    EXPECT_EQ(z, std::vector<std::uint8_t>(file.begin() + 8, file.end()));
    auto viewed = [&a](int i) {
        const PackArchive::MemberView v = a.viewMember(i);
        return std::vector<std::uint8_t>(v.data, v.data + v.size);
    };
    EXPECT_EQ(viewed(0), std::vector<std::uint8_t>(file.begin() + 6, file.end()));
    EXPECT_TRUE(viewed(1).empty());
    EXPECT_EQ(viewed(2), z);
}

TEST_F(PackArchiveRead, EveryPrefixOfAnArchiveListsOnlyItsWholeEntries)
{
    writeSample();
    const std::vector<std::uint8_t> full = readBytes(pakPath);
    // Where each directory entry ends: after the data, 12 bytes of fields plus the name and its zero.
    std::vector<std::size_t> entryEnds;
    std::size_t pos = 8 + 27;
    for (const PackEntry& e : sample)
        entryEnds.push_back(pos += 12 + e.name.size() + 1);
    ASSERT_EQ(entryEnds.back(), full.size());

    for (std::size_t len = 0; len <= full.size(); ++len) {
        writeBytes(pakPath, std::vector<std::uint8_t>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(len)));
        PackArchive a(pakPath);
        const int whole = static_cast<int>(std::count_if(entryEnds.begin(), entryEnds.end(), [&](std::size_t end) { return end <= len; }));
        ASSERT_EQ(a.memberCount(), whole) << "prefix of " << len << " bytes";
        for (int i = 0; i < whole; ++i)
            EXPECT_EQ(a.member(i)->name, sample[static_cast<std::size_t>(i)].name);
        EXPECT_EQ(a.isWellFormed(), len == 0 || len == full.size()) << len;
        EXPECT_EQ(a.extractAll(), whole);
        a.removeTempFiles();
    }
    EXPECT_TRUE(filesIn(tmp.folder()).empty());
}

TEST_F(PackArchiveRead, ReadingNeverWritesOrCreatesTheArchive)
{
    const std::string missing = dir.file("absent.pak");
    {
        PackArchive a(missing, true);
        EXPECT_EQ(a.memberCount(), 0);
        EXPECT_FALSE(a.extractByIndex(0));
    }
    EXPECT_FALSE(std::filesystem::exists(missing));

    for (const std::vector<std::uint8_t>& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{1, 2, 3}, buildPackArchive(sample)}) {
        writeBytes(pakPath, bytes);
        ::chmod(pakPath.c_str(), 0444);
        struct stat before {}, after {};
        ASSERT_EQ(::stat(pakPath.c_str(), &before), 0);
        for (bool hold : {false, true}) {
            PackArchive a(pakPath, hold);
            a.extractAll(true);
            a.extractAll(false);
        }
        ASSERT_EQ(::stat(pakPath.c_str(), &after), 0);
        EXPECT_EQ(readBytes(pakPath), bytes);
        EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
        EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
        ::chmod(pakPath.c_str(), 0644);
    }
}

TEST_F(PackArchiveRead, CopiesAreMadeOnceRemovedAndRemadeWhenTheyVanish)
{
    writeSample();
    PackArchive a(pakPath);
    const auto first = a.extractByName("1.ml_");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->rfind(tmp.folder() + "/ru", 0), 0u) << *first;
    EXPECT_EQ(readBytes(*first), bytesOf("level one"));
    // A second request hands out the same copy, whatever name style it asks for.
    EXPECT_EQ(a.extractByName("1.ML_", false), first);
    EXPECT_EQ(filesIn(tmp.folder()).size(), 1u);

    ::unlink(first->c_str());
    const auto again = a.extractByIndex(1);
    ASSERT_TRUE(again);
    EXPECT_EQ(readBytes(*again), bytesOf("level one"));

    const auto named = a.extractByName("pak.dsc", false);
    ASSERT_TRUE(named);
    EXPECT_EQ(*named, tmp.folder() + "/pak.dsc");
    EXPECT_EQ(readBytes(*named), bytesOf("description"));
    EXPECT_EQ(a.extractAll(), 3);
    EXPECT_EQ(filesIn(tmp.folder()).size(), 3u);

    a.removeTempFileByName("PAK.DSC");
    EXPECT_FALSE(a.member(0)->extracted);
    EXPECT_EQ(filesIn(tmp.folder()).size(), 2u);
    a.removeTempFiles();
    EXPECT_TRUE(filesIn(tmp.folder()).empty());
    EXPECT_FALSE(a.member(1)->extracted || a.member(2)->extracted);
    {
        PackArchive b(pakPath, true);
        b.extractAll();
        EXPECT_EQ(filesIn(tmp.folder()).size(), 3u);
    }
    EXPECT_TRUE(filesIn(tmp.folder()).empty()) << "destruction removes the copies";
}

TEST_F(PackArchiveRead, NamedCopiesNeverLeaveTheFolderNorFollowPlantedLinksOrPipes)
{
    const std::string unsafe[] = {"../escape", "sub/x", "sub\\y", "..", "."};
    writeBytes(pakPath, rawArchive(5, 5, "12345", [&](ByteWriter& w) {
                   for (std::uint32_t i = 0; i < 5; ++i)
                       rawEntry(w, static_cast<std::uint32_t>(unsafe[i].size() + 1), unsafe[i] + '\0', 8 + i, 1);
               }));
    PackArchive a(pakPath);
    ASSERT_EQ(a.memberCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(a.extractByIndex(i, false)) << a.member(i)->name;
        EXPECT_TRUE(a.extractByIndex(i, true)) << "a unique copy is always safe";
    }
    a.removeTempFiles();
    EXPECT_TRUE(filesIn(tmp.folder()).empty());
    EXPECT_EQ(filesIn(dir.path().string()), (std::set<std::string>{"test.pak", "tmp"}));

    writeSample();
    const std::string victim = dir.file("victim");
    writeBytes(victim, bytesOf("keep me"));
    ASSERT_EQ(::symlink(victim.c_str(), (tmp.folder() + "/pak.dsc").c_str()), 0);
    ASSERT_EQ(::mkfifo((tmp.folder() + "/1.ml_").c_str(), 0600), 0);
    PackArchive b(pakPath);
    EXPECT_FALSE(b.extractByName("pak.dsc", false));
    EXPECT_FALSE(b.extractByName("1.ml_", false));
    EXPECT_EQ(readBytes(victim), bytesOf("keep me"));
}

TEST_F(PackArchiveRead, FailedCopiesLeaveNothingBehind)
{
    writeSample();
    {
        // No temporary folder: the copy cannot be created, and the held handle is given up.
        test::ScopedTmpDir gone(dir.file("tmp2"));
        std::filesystem::remove(gone.folder());
        PackArchive a(pakPath, true);
        EXPECT_FALSE(a.extractByIndex(0));
        EXPECT_FALSE(a.heldOpen());
        EXPECT_FALSE(a.member(0)->extracted);
        std::filesystem::create_directories(gone.folder());
        EXPECT_TRUE(a.extractByIndex(0)) << "later operations open the file themselves";
    }

    // A copy that cannot be written in full (here: past the file size limit) is deleted.
    const std::vector<std::uint8_t> big(100000, 0x5A);
    writeBytes(pakPath, buildPackArchive({{"big.bin", big}}));
    PackArchive a(pakPath);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto copy = a.extractByIndex(0);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(copy);
    EXPECT_FALSE(a.member(0)->extracted);
    EXPECT_TRUE(filesIn(tmp.folder()).empty());
    const auto retry = a.extractByIndex(0);
    ASSERT_TRUE(retry);
    EXPECT_EQ(readBytes(*retry), big);
}

} // namespace
} // namespace burrowix
