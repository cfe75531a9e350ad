#include "platform/log/session_log.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace burrowix {
namespace {

using test::TempDir;

using test::readText;

TEST(SessionLog, ProgramLogIsRegisteredAndClosed)
{
    EXPECT_EQ(currentLog, &theSessionLog);
    EXPECT_FALSE(theSessionLog.isOpen());
    EXPECT_EQ(theSessionLog.writeLine("burrowix"), 0);
}

TEST(SessionLog, ClosedLogWritesNothingAnywhere)
{
    TempDir dir;
    SessionLog log;
    EXPECT_NE(currentLog, &log); // only the first log registers itself
    EXPECT_EQ(log.writeLine("x"), 0);
    EXPECT_EQ(log.writeIntLine(3), 0);
    EXPECT_EQ(log.writeFloatLine(1.5), 0);
    EXPECT_EQ(log.writeDateLine(std::tm{}), 0);
    EXPECT_EQ(log.writeErrorLine(0x80004001), 0);
    EXPECT_EQ(log.newLine(), 0);
    EXPECT_EQ(log.close(), 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(SessionLog, OpenWritesHeaderOnceAndFormatsEveryLine)
{
    TempDir dir;
    const std::string path = dir.file("log.txt");
    SessionLog log;
    ASSERT_EQ(log.open(path.c_str()), 1);
    ASSERT_EQ(log.open(path.c_str()), 1);
    std::tm t{};
    t.tm_mday = 5;
    t.tm_mon = 2;
    t.tm_year = 104;
    t.tm_hour = 9;
    t.tm_min = 7;
    t.tm_sec = 3;
    EXPECT_EQ(log.writeDateLine(t), 1);
    EXPECT_EQ(log.writeIntLine(-42), 1);
    EXPECT_EQ(log.writeFloatLine(2.345), 1);
    EXPECT_EQ(log.writeLine(nullptr), 0);
    EXPECT_EQ(log.writeErrorLine(0x88780064), 1);
    EXPECT_EQ(log.writeErrorLine(0x1234), 0);
    EXPECT_EQ(log.close(), 1);

    const std::string text = readText(path);
    // The header's own date line is the current time; check its shape and then the fixed lines.
    ASSERT_EQ(text.rfind("\n\nStart new session\nDate - ", 0), 0u) << text;
    const std::size_t afterHeader = text.find('\n', text.find("Date - ")) + 1;
    EXPECT_EQ(text.substr(afterHeader),
              "Date - 05.03.2004     Time - 09:07.03\n"
              "-42\n"
              "2.35\n"
              "ErrorCode: 0x88780064 [The specified wave format is not supported.]\n"
              "ErrorCode: 0x1234 [\n"
              "Close session\n");
    EXPECT_EQ(text.find("Start new session"), text.rfind("Start new session"));
}

TEST(SessionLog, ReopeningAppends)
{
    TempDir dir;
    const std::string path = dir.file("log.txt");
    SessionLog log;
    ASSERT_EQ(log.open(path.c_str()), 1);
    log.close();
    ASSERT_EQ(log.open(path.c_str()), 1);
    log.close();
    const std::string text = readText(path);
    EXPECT_NE(text.find("Start new session"), text.rfind("Start new session"));
    EXPECT_EQ(log.open(dir.file("missing/log.txt").c_str()), 0);
    EXPECT_FALSE(log.isOpen());
}

} // namespace
} // namespace burrowix
