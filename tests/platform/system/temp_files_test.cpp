// Temporary folder and unique temporary files.
#include "platform/system/temp_files.hpp"
#include "support/temp_dir.hpp"
#include "support/tmpdir_env.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

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

} // namespace
} // namespace burrowix
