// Temporary folder and unique temporary files.
#include "platform/system/temp_files.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace burrowix {
namespace {

class TmpDirEnv {
public:
    explicit TmpDirEnv(const char* value)
    {
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        if (value)
            ::setenv("TMPDIR", value, 1);
        else
            ::unsetenv("TMPDIR");
    }
    ~TmpDirEnv()
    {
        if (old_)
            ::setenv("TMPDIR", old_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> old_;
};

TEST(TemporaryFolder, ComesFromTmpdirWithOneTrailingSlashAndFallsBackToTmp)
{
    {
        TmpDirEnv env("/some/where");
        EXPECT_EQ(temporaryFolder(), "/some/where/");
    }
    {
        TmpDirEnv env("/some/where/");
        EXPECT_EQ(temporaryFolder(), "/some/where/");
    }
    {
        TmpDirEnv env("");
        EXPECT_EQ(temporaryFolder(), "/tmp/");
    }
    {
        TmpDirEnv env(nullptr);
        EXPECT_EQ(temporaryFolder(), "/tmp/");
    }
}

TEST(TemporaryFile, IsNewPrivateAndNamedRuTmp)
{
    test::TempDir dir;
    TmpDirEnv env(dir.path().c_str());
    std::set<std::string> seen;
    for (int i = 0; i < 20; ++i) {
        const std::string path = makeTemporaryFile();
        ASSERT_FALSE(path.empty());
        EXPECT_TRUE(seen.insert(path).second) << "name handed out twice: " << path;
        const std::string name = path.substr(path.rfind('/') + 1);
        EXPECT_EQ(path.substr(0, path.size() - name.size()), temporaryFolder());
        EXPECT_EQ(name.size(), 12u);
        EXPECT_EQ(name.substr(0, 2), "ru");
        EXPECT_EQ(name.substr(8), ".tmp");
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        EXPECT_EQ(st.st_size, 0);
    }

    std::string path = "stale";
    const int fd = createTemporaryFile(path);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::write(fd, "abc", 3), 3);
    ::close(fd);
    EXPECT_EQ(test::readBytes(path).size(), 3u);
}

TEST(TemporaryFile, FailsCleanlyInAMissingFolder)
{
    test::TempDir dir;
    TmpDirEnv env((dir.path() / "absent").c_str());
    EXPECT_EQ(makeTemporaryFile(), "");
    std::string path = "stale";
    EXPECT_EQ(createTemporaryFile(path), -1);
    EXPECT_EQ(path, "");
}

} // namespace
} // namespace burrowix
