// Temporary folder and unique temporary files.
#include "platform/system/temp_files.hpp"
#include "support/temp_dir.hpp"
#include "support/tmpdir_env.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace burrowix {
namespace {

using test::TmpDirEnv;

TEST(TemporaryFiles, FolderComesFromTmpdirWithOneTrailingSlash)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/some/where", "/some/where/"}, {"/some/where/", "/some/where/"}, {"", "/tmp/"}, {nullptr, "/tmp/"}};
    for (const auto& [value, expected] : cases) {
        TmpDirEnv env(value);
        EXPECT_EQ(temporaryFolder(), expected) << (value ? value : "(unset)");
    }
}

TEST(TemporaryFiles, EachFileIsNewPrivateAndNamedRuTmpOrNoneAtAll)
{
    test::TempDir dir;
    TmpDirEnv env(dir.path().c_str());
    const std::string a = makeTemporaryFile(), b = makeTemporaryFile();
    ASSERT_NE(a, b);
    for (const std::string& path : {a, b}) {
        const std::string name = path.substr(temporaryFolder().size());
        EXPECT_EQ(path.substr(0, temporaryFolder().size()), temporaryFolder());
        EXPECT_TRUE(name.size() == 12 && name.rfind("ru", 0) == 0 && name.substr(8) == ".tmp") << name;
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
    }

    TmpDirEnv missing((dir.path() / "absent").c_str());
    EXPECT_EQ(makeTemporaryFile(), "");
    std::string path = "stale";
    EXPECT_EQ(createTemporaryFile(path), -1);
    EXPECT_EQ(path, "");
}

// A process id that no longer runs: a child that has ended and been reaped.
pid_t endedProcess()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST(TemporaryFiles, PrivateFolderHoldsTheCopiesAndFoldersOfEndedProcessesGo)
{
    namespace fs = std::filesystem;
    test::TempDir dir;
    TmpDirEnv env(dir.path().c_str());
    const fs::path stale = dir.path() / ("burrowix-" + std::to_string(endedProcess()) + "-aB3dE9");
    const fs::path running = dir.path() / "burrowix-1-x1y2z3"; // process 1 always runs
    const fs::path mine = dir.path() / ("burrowix-" + std::to_string(::getpid()) + "-000000");
    for (const fs::path& folder : {stale, running, mine, dir.path() / "burrowix-12-short", dir.path() / "other"})
        fs::create_directory(folder);
    test::writeText((stale / "ru123456.tmp").string(), "left by a killed run");
    test::writeText((dir.path() / ("burrowix-" + std::to_string(endedProcess()) + "-qqqqqq")).string(), "a file");

    ASSERT_TRUE(usePrivateTemporaryFolder());
    const std::string folder = temporaryFolder();
    EXPECT_FALSE(fs::exists(stale));
    for (const fs::path& kept : {running, mine, dir.path() / "burrowix-12-short", dir.path() / "other"})
        EXPECT_TRUE(fs::is_directory(kept)) << kept;
    EXPECT_EQ(folder.rfind(dir.path().string() + "/burrowix-" + std::to_string(::getpid()) + "-", 0), 0u) << folder;
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    const std::string copy = makeTemporaryFile();
    EXPECT_EQ(copy.rfind(folder, 0), 0u) << copy;

    removePrivateTemporaryFolder();
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(temporaryFolder(), dir.path().string() + "/");
    // A plain file of the pattern is not a folder of ours: left alone.
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1u);

    // Without a usable temporary folder nothing changes.
    TmpDirEnv missing((dir.path() / "absent").c_str());
    EXPECT_FALSE(usePrivateTemporaryFolder());
    EXPECT_EQ(temporaryFolder(), (dir.path() / "absent").string() + "/");
}

} // namespace
} // namespace burrowix
