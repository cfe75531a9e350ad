#include <gtest/gtest.h>

#include <filesystem>

#include "records/own_levels.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

using test::TempDir;

TEST(OwnLevels, EveryPackReadsBackAsWritten)
{
    // Sources with anything in them: line breaks at the end or none, the header's own words, NUL bytes.
    const OwnLevelPack pack{{"gold 0 0\nkill 0 0\nmap\n@\nend\n", "", "level 3\nburrowix own levels 1\n",
                             std::string("a\0b", 3), "no line break"}};
    std::string reason;
    const auto back = parseOwnLevelPack(encodeOwnLevelPack(pack), reason);
    ASSERT_TRUE(back) << reason;
    EXPECT_EQ(*back, pack);
    EXPECT_EQ(parseOwnLevelPack(encodeOwnLevelPack({}), reason), OwnLevelPack{});

    TempDir dir;
    const OwnLevelsFile file{dir.file("own.dat")};
    OwnLevelPack read{{"left over"}};
    EXPECT_EQ(file.read(read, reason), OwnLevelsFile::Read::Missing);
    EXPECT_TRUE(read.sources.empty());
    ASSERT_TRUE(file.write(pack, reason)) << reason;
    EXPECT_EQ(file.read(read, reason), OwnLevelsFile::Read::Read) << reason;
    EXPECT_EQ(read, pack);
}

TEST(OwnLevels, DamageIsNamed)
{
    const std::string good = encodeOwnLevelPack({{"abc", "de"}});
    std::string full = "burrowix own levels 1\n";
    for (int i = 0; i < 31; ++i)
        full += "level 1\nx\n";
    for (const auto& [bytes, words] : std::initializer_list<std::pair<std::string, const char*>>{
             {"", "does not start with"},
             {"burrowix own levels 2\n", "does not start with"},
             {good.substr(0, good.size() - 1), "level 2 runs past the end"},
             {good.substr(0, good.size() - 4), "before level 2"},
             {good + "level x\n", "before level 3"},
             {good + "level 2", "before level 3"},
             {good + "levels 2\nab\n", "before level 3"},
             {good + "level -1\n\n", "before level 3"},
             {good + "level 01\nx\n", "before level 3"},
             {good + "level 99999999999999999999\n", "before level 3"},
             {good + "level 2000000\n", "level 3 is longer"},
             {good + "level 1\nab\n", "level 3 is not as long"},
             {full, "more than 30 levels"},
         }) {
        std::string reason;
        EXPECT_FALSE(parseOwnLevelPack(bytes, reason)) << bytes;
        EXPECT_NE(reason.find(words), std::string::npos) << reason << " for " << bytes;
    }
}

TEST(OwnLevels, ADamagedFileIsSetAsideBesideEarlierOnes)
{
    TempDir dir;
    const OwnLevelsFile file{dir.file("own.dat")};
    test::writeText(dir.file("own.dat"), "garbage");
    test::writeText(dir.file("own.dat.bad"), "set aside before");
    OwnLevelPack pack;
    std::string reason;
    EXPECT_EQ(file.read(pack, reason), OwnLevelsFile::Read::Damaged);
    EXPECT_NE(reason.find("does not start with"), std::string::npos);
    EXPECT_EQ(test::readText(dir.file("own.dat")), "garbage"); // reading changes nothing
    EXPECT_EQ(file.setAside(reason), dir.file("own.dat.bad2"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("own.dat")));
    EXPECT_EQ(test::readText(dir.file("own.dat.bad")), "set aside before");
    EXPECT_EQ(test::readText(dir.file("own.dat.bad2")), "garbage");
    EXPECT_EQ(file.setAside(reason), ""); // nothing left to move
    EXPECT_FALSE(reason.empty());

    // A folder in its place reads as missing and is never written over.
    std::filesystem::create_directory(dir.file("own.dat"));
    EXPECT_EQ(file.read(pack, reason), OwnLevelsFile::Read::Missing);
    EXPECT_FALSE(file.write({{"x"}}, reason));
}

} // namespace
} // namespace burrowix
