// The pack archive tool: commands round-trip real files byte for byte, and failed commands leave
// the archive as it was.
#include "pak_cli.hpp"
#include "platform/archive/pack_writer.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

namespace burrowix {
namespace {

using test::readBytes;
using test::writeBytes;

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result pak(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = runPakTool(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::uint8_t> noise(std::size_t n, std::uint32_t seed)
{
    std::vector<std::uint8_t> v(n);
    for (auto& b : v) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(seed >> 24);
    }
    return v;
}

std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

class PakTool : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string archive = dir.file("data.pak");
    std::vector<std::uint8_t> picture = noise(300000, 1), sound = noise(1234, 2), text = bytesOf("line\n");
    std::string picturePath = dir.file("Pic.BMP"), soundPath = dir.file("snd.wav"), textPath = dir.file("pak.dsc");

    void SetUp() override
    {
        writeBytes(picturePath, picture);
        writeBytes(soundPath, sound);
        writeBytes(textPath, text);
    }
    std::set<std::string> files()
    {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.insert(e.path().filename().string());
        return names;
    }
    // One line on stderr with the tool's prefix, status 1, and the archive (if any) unchanged.
    void expectFailureKeeps(const std::vector<std::string>& args, const std::vector<std::uint8_t>& archiveBytes)
    {
        const std::set<std::string> before = files();
        const Result r = pak(args);
        EXPECT_EQ(r.code, 1) << args[0] << ' ' << r.err;
        EXPECT_EQ(r.err.rfind("burrowix-pak: ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(readBytes(archive), archiveBytes) << args[0] << ' ' << r.err;
        EXPECT_EQ(files(), before) << "a failed command left or removed a file";
    }
};

TEST_F(PakTool, CommandsRoundTripFilesByteForByte)
{
    ASSERT_EQ(pak({"create", archive, picturePath, textPath}).code, 0);
    EXPECT_EQ(readBytes(archive), buildPackArchive({{"Pic.BMP", picture}, {"pak.dsc", text}}));

    const Result listed = pak({"list", archive});
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(listed.out, "    0     300000          8 Pic.BMP\n"
                          "    1          5     300008 pak.dsc\n");

    const Result toStdout = pak({"extract", archive, "pic.bmp"});
    ASSERT_EQ(toStdout.code, 0) << toStdout.err;
    EXPECT_EQ(bytesOf(toStdout.out), picture);
    ASSERT_EQ(pak({"extract", archive, "PAK.DSC", "-o", dir.file("copy.txt")}).code, 0);
    EXPECT_EQ(readBytes(dir.file("copy.txt")), text);

    // Several files in one call, one of them named by a backslashed path.
    const std::string dosPath = dir.file("old\\snd2.wav");
    writeBytes(dosPath, sound);
    ASSERT_EQ(pak({"add", archive, soundPath, dosPath}).code, 0);
    EXPECT_EQ(readBytes(archive),
              buildPackArchive({{"Pic.BMP", picture}, {"pak.dsc", text}, {"snd.wav", sound}, {"snd2.wav", sound}}));

    ASSERT_EQ(pak({"remove", archive, "PIC.bmp", "snd2.wav"}).code, 0);
    EXPECT_EQ(readBytes(archive), buildPackArchive({{"pak.dsc", text}, {"snd.wav", sound}}));
    ASSERT_EQ(pak({"remove", archive, "pak.dsc", "snd.wav"}).code, 0);
    EXPECT_EQ(readBytes(archive), std::vector<std::uint8_t>(8, 0));

    // add creates a missing archive; create replaces an existing one outright.
    const std::string fresh = dir.file("fresh.pak");
    ASSERT_EQ(pak({"add", fresh, textPath}).code, 0);
    EXPECT_EQ(readBytes(fresh), buildPackArchive({{"pak.dsc", text}}));
    ASSERT_EQ(pak({"create", fresh, soundPath}).code, 0);
    EXPECT_EQ(readBytes(fresh), buildPackArchive({{"snd.wav", sound}}));
    EXPECT_EQ(files(), (std::set<std::string>{"Pic.BMP", "snd.wav", "pak.dsc", "copy.txt", "old\\snd2.wav",
                                              "data.pak", "fresh.pak"}));
}

TEST_F(PakTool, FailedCommandsLeaveTheArchiveIntact)
{
    ASSERT_EQ(pak({"create", archive, picturePath, textPath}).code, 0);
    const std::vector<std::uint8_t> good = readBytes(archive);

    expectFailureKeeps({"add", archive, soundPath, dir.file("missing.wav")}, good);
    expectFailureKeeps({"add", archive, textPath}, good);
    std::filesystem::create_directories(dir.file("up"));
    writeBytes(dir.file("up/PIC.bmp"), text);
    expectFailureKeeps({"add", archive, soundPath, dir.file("up/PIC.bmp")}, good);
    std::filesystem::create_directories(dir.file("sub"));
    writeBytes(dir.file("sub/snd.wav"), text);
    expectFailureKeeps({"add", archive, soundPath, dir.file("sub/snd.wav")}, good);
    expectFailureKeeps({"add", archive, dir.file("sub")}, good);
    expectFailureKeeps({"add", archive, dir.file("sub") + "/.."}, good);
    expectFailureKeeps({"remove", archive, "pak.dsc", "nothing"}, good);
    expectFailureKeeps({"extract", archive, "nothing"}, good);
    expectFailureKeeps({"extract", archive, "pak.dsc", "-o", dir.file("no/such/folder/x")}, good);
    expectFailureKeeps({"create", archive, soundPath, dir.file("missing.wav")}, good);
    expectFailureKeeps({"create", archive, soundPath, dir.file("sub/snd.wav")}, good);

    // An archive of only empty members would read back as empty.
    writeBytes(dir.file("empty"), {});
    expectFailureKeeps({"create", archive, dir.file("empty")}, good);
    ASSERT_EQ(pak({"add", archive, dir.file("empty")}).code, 0);
    const std::vector<std::uint8_t> withEmpty = readBytes(archive);
    expectFailureKeeps({"remove", archive, "Pic.bmp", "pak.dsc"}, withEmpty);
}

TEST_F(PakTool, DamagedOrForeignArchivesAreListedButNeverRewritten)
{
    std::vector<std::uint8_t> cut = buildPackArchive({{"Pic.BMP", picture}, {"pak.dsc", text}});
    cut.resize(cut.size() - 3);
    writeBytes(archive, cut);
    const Result listed = pak({"list", archive});
    EXPECT_EQ(listed.code, 1);
    EXPECT_EQ(listed.out, "    0     300000          8 Pic.BMP\n");
    expectFailureKeeps({"add", archive, soundPath}, cut);
    expectFailureKeeps({"remove", archive, "pic.bmp"}, cut);
    expectFailureKeeps({"extract", archive, "pak.dsc"}, cut);

    // A member whose data runs past the end is not handed out half.
    std::vector<std::uint8_t> shortData = buildPackArchive({{"a", bytesOf("abc")}});
    shortData[shortData.size() - 4] = 200; // the size field of the only entry
    writeBytes(archive, shortData);
    expectFailureKeeps({"extract", archive, "a", "-o", dir.file("a.out")}, shortData);

    const std::vector<std::uint8_t> foreign = bytesOf("#!/bin/sh\necho not an archive\n");
    writeBytes(archive, foreign);
    expectFailureKeeps({"add", archive, soundPath}, foreign);
    expectFailureKeeps({"list", dir.file("absent.pak")}, foreign);
    EXPECT_FALSE(std::filesystem::exists(dir.file("absent.pak")));
}

TEST_F(PakTool, UsageErrorsAndHelp)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"frobnicate", archive}, {"list"}, {"list", archive, "extra"},
          {"extract", archive}, {"extract", archive, "a", "-x", "f"}, {"add", archive}, {"remove", archive}}) {
        const Result r = pak(args);
        EXPECT_EQ(r.code, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.err.rfind("burrowix-pak: ", 0), 0u);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
    for (const char* flag : {"-h", "--help"}) {
        const Result r = pak({flag});
        EXPECT_EQ(r.code, 0);
        EXPECT_NE(r.out.find("usage: burrowix-pak"), std::string::npos);
        EXPECT_EQ(r.err, "");
    }
    EXPECT_FALSE(std::filesystem::exists(archive));
}

} // namespace
} // namespace burrowix

namespace burrowix {
namespace {

// Member names are shown escaped: a newline or an escape sequence in a name can neither fake a line
// of the listing nor reach the terminal.
TEST(PakCliListing, ShowsControlCharactersAndBackslashesEscaped)
{
    EXPECT_EQ(printableName("plain.bmp"), "plain.bmp");
    EXPECT_EQ(printableName("a\nb"), "a\\x0ab");
    EXPECT_EQ(printableName("\x1b[2Jx"), "\\x1b[2Jx");
    EXPECT_EQ(printableName("back\\slash"), "back\\x5cslash");
    EXPECT_EQ(printableName("\xc3\xa9"), "\\xc3\\xa9");
}

} // namespace
} // namespace burrowix
