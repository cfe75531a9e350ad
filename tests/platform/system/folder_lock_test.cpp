// One holder per folder: a second lock on a held folder is refused at once, a released or dead
// holder leaves the folder free, and nothing is left in the folder.
#include "platform/system/folder_lock.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace burrowix {
namespace {

TEST(FolderLock, ASecondHolderIsRefusedUntilTheFirstLetsGoOrDies)
{
    test::TempDir dir;
    const std::string folder = dir.path().string();
    {
        FolderLock first, second;
        ASSERT_EQ(first.acquire(folder), FolderLock::Result::Held);
        EXPECT_EQ(second.acquire(folder), FolderLock::Result::InUse);
        first.release();
        EXPECT_EQ(second.acquire(folder), FolderLock::Result::Held);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "the lock leaves no file behind";

    // A holder killed outright frees the folder with its end.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        FolderLock held;
        const char ok = held.acquire(folder) == FolderLock::Result::Held ? 1 : 0;
        (void)!::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 1);
    FolderLock other;
    EXPECT_EQ(other.acquire(folder), FolderLock::Result::InUse);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(other.acquire(folder), FolderLock::Result::Held);
    ::close(ready[0]);
    ::close(ready[1]);

    EXPECT_EQ(FolderLock().acquire(dir.file("missing")), FolderLock::Result::Unavailable);
}

} // namespace
} // namespace burrowix
