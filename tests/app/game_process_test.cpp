// The game executable end to end without a display (SDL's dummy video driver): a start-up that
// cannot go on keeps its message and says on standard error what is missing and where, with exit
// status 1; a termination request goes through the close and destroy work and ends the program with
// status 0.

#include <algorithm>
#include "common/asset_manifest.hpp"
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/test_packs.hpp"
#include "common/le_io.hpp"
#include "records/hall_of_fame.hpp"
#include "support/temp_dir.hpp"

extern char** environ;

namespace burrowix {
namespace {

using assets::pictureFile;
using P = assets::PictureId;

const std::string kGame = std::string(BURROWIX_GAME_DIR) + "/burrowix";

// Starts the game in `folder` with its standard error going to `errPath`; the temporary folder is
// `folder` unless `tmp` names another.
pid_t startGame(const std::string& folder, const std::string& errPath, const std::string& tmp = "")
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> env{"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "TMPDIR=" + (tmp.empty() ? folder : tmp)};
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("SDL_", 0) != 0 && std::string(*e).rfind("TMPDIR=", 0) != 0)
            env.push_back(*e);
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(kGame.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, kGame.c_str(), &actions, nullptr, argv, envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits up to `seconds` for the game; its exit status, or -1 when it did not end normally in time.
int waitForGame(pid_t pid, int seconds)
{
    for (int i = 0; i < seconds * 20; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        usleep(50000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

using test::readText;

class GameProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(kGame))
            GTEST_SKIP() << "the game is not built";
    }
    test::TempDir dir;
    test::TempDir logs;
};

TEST_F(GameProcess, NoPacksSayWhereTheyWereLookedFor)
{
    const pid_t pid = startGame(dir.path().string(), logs.file("err"));
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitForGame(pid, 20), 1);
    EXPECT_EQ(readText(logs.file("err")),
              "burrowix: cannot start: no pack archives (*.pak) in the folder " + dir.path().string() + "\n");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Each broken set-up keeps its message and adds, on one line, the pack or folder and the reason.
TEST_F(GameProcess, StartupFailuresSayWhatIsMissingAndWhere)
{
    struct Case {
        const char* name;
        std::string leftOut; // a picture the standard pack goes without
        std::function<void()> breakIt;
        std::string tmp;
        std::string message;
        std::vector<std::string> said;
    };
    const std::string standard = dir.file("standart.pak");
    const std::vector<Case> cases = {
        {"missing picture", pictureFile(P::Clear), [] {}, "", "DDLoadBitmap1 FAILED",
         {"standart.pak has no member \"all.bmp\""}},
        {"no standard pack", "", [&] { std::filesystem::remove(standard); }, "",
         "DDLoadBitmap1 FAILED", {standard, "No such file or directory"}},
        {"empty standard pack", "", [&] { std::filesystem::resize_file(standard, 0); }, "",
         "DDLoadBitmap1 FAILED", {standard, "holds no members", "(0 bytes)"}},
        {"cut standard pack", "",
         [&] { std::filesystem::resize_file(standard, std::filesystem::file_size(standard) / 2); },
         "", "DDLoadBitmap1 FAILED", {standard, "holds no members"}},
        {"no temporary folder", "", [] {}, "/nonexistent", "DDLoadBitmap1 FAILED",
         {"temporary folder /nonexistent/", "No such file or directory"}},
        {"no level pack", pictureFile(P::PackEmblem), [&] { std::filesystem::remove(dir.file("level.pak")); }, "",
         "sys 26", {"\"pack1.bmp\"", "no level pack", dir.path().string()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directory(dir.path());
        test::TestPackOptions packs;
        packs.missing = c.leftOut;
        ASSERT_TRUE(test::writeTestPacks(dir.path().string(), packs));
        c.breakIt();
        const pid_t pid = startGame(dir.path().string(), logs.file("err"), c.tmp);
        ASSERT_GT(pid, 0);
        EXPECT_EQ(waitForGame(pid, 20), 1);
        const std::string err = readText(logs.file("err"));
        EXPECT_NE(err.find("Burrowix v.1.0: " + c.message), std::string::npos) << err;
        const std::size_t line = err.find("burrowix: cannot start: ");
        ASSERT_NE(line, std::string::npos) << err;
        const std::string detail = err.substr(line, err.find('\n', line) - line);
        for (const std::string& part : c.said)
            EXPECT_NE(detail.find(part), std::string::npos) << part << " in: " << detail;
    }
}

TEST_F(GameProcess, TerminationClosesThroughTheCloseAndDestroyWork)
{
    ASSERT_TRUE(test::writeTestPacks(dir.path().string()));
    test::writeText(dir.file("back1.wav"), "x");
    const pid_t pid = startGame(dir.path().string(), logs.file("err"));
    ASSERT_GT(pid, 0);
    usleep(700000);
    kill(pid, SIGTERM);
    EXPECT_EQ(waitForGame(pid, 20), 0) << readText(logs.file("err"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("back1.wav")));
    // The three record files are saved beside the packs, and nothing else is left.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"level.pak", "li.dat", "opt.dat", "score.dat", "standart.pak",
                                               "theme.pak"}));
}

// The files in `folder` whose names match `keep`.
std::vector<std::string> namesIn(const std::string& folder, const std::function<bool(const std::string&)>& keep)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (keep(entry.path().filename().string()))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool isSaveTemporary(const std::string& name)
{
    for (const std::string base : {"score.dat.", "opt.dat.", "li.dat."})
        if (name.size() == base.size() + 6 && name.rfind(base, 0) == 0)
            return true;
    return false;
}

// Waits until the game has made its private temporary folder in `tmp` (it has then cleaned up after
// earlier runs); false when it did not within 10 s (a start under the sanitizers, beside other
// tests on a busy machine, can take a few seconds).
bool waitForPrivateFolder(pid_t pid, const std::string& tmp)
{
    const std::string prefix = "burrowix-" + std::to_string(pid) + "-";
    for (int i = 0; i < 2000; ++i) {
        if (!namesIn(tmp, [&](const std::string& n) { return n.rfind(prefix, 0) == 0; }).empty())
            return true;
        usleep(5000);
    }
    return false;
}

// The game killed at random moments of its close (which saves the three files): every file is whole,
// the old one or the new one, and the next start leaves no temporary file of an earlier run.
TEST_F(GameProcess, KilledWhileSavingLeavesWholeFilesAndTheNextStartCleansUp)
{
    ASSERT_TRUE(test::writeTestPacks(dir.path().string()));
    test::TempDir tmp;
    const std::string folder = dir.path().string();
    // Old files hold values the game clamps on reading, so what it saves differs from them.
    struct Record {
        std::string name;
        std::vector<std::uint8_t> old, saved;
    };
    std::vector<Record> records(3);
    {
        test::TempDir scratch;
        HallOfFame table;
        HallOfFameFile file{scratch.file("s")};
        ASSERT_TRUE(file.write(table, 7));
        records[0] = {"score.dat", test::readBytes(file.path), {}};
        ASSERT_TRUE(file.write(table, 2));
        records[0].saved = test::readBytes(file.path);
    }
    ByteWriter oldOptions, savedOptions, oldProgress, savedProgress;
    for (std::int32_t v : {1, 1, 5, 70, 70, 0, 0})
        oldOptions.i32(v);
    for (std::int32_t v : {1, 1, 10, 70, 70, 0, 0})
        savedOptions.i32(v);
    for (std::int32_t k = 0; k < 10; ++k) {
        oldProgress.i32(k), oldProgress.i32(0);
        savedProgress.i32(k), savedProgress.i32(1);
    }
    records[1] = {"opt.dat", oldOptions.data(), savedOptions.data()};
    records[2] = {"li.dat", oldProgress.data(), savedProgress.data()};
    auto writeOldFiles = [&] {
        for (const Record& r : records)
            test::writeBytes(dir.file(r.name), r.old);
    };

    // One whole close first: how long it takes sets the range of the kills.
    writeOldFiles();
    pid_t pid = startGame(folder, logs.file("err"), tmp.path().string());
    ASSERT_TRUE(waitForPrivateFolder(pid, tmp.path().string()));
    usleep(300000);
    const auto before = std::chrono::steady_clock::now();
    kill(pid, SIGTERM);
    ASSERT_EQ(waitForGame(pid, 20), 0) << readText(logs.file("err"));
    const auto closeMicros = std::chrono::duration_cast<std::chrono::microseconds>(
                                 std::chrono::steady_clock::now() - before).count();
    for (const Record& r : records)
        EXPECT_EQ(test::readBytes(dir.file(r.name)), r.saved) << r.name;

    std::mt19937 random(12345);
    int newFiles = 0, oldFiles = 0, leftovers = 0;
    for (int run = 0; run < 50; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        writeOldFiles();
        pid = startGame(folder, logs.file("err"), tmp.path().string());
        ASSERT_TRUE(waitForPrivateFolder(pid, tmp.path().string()));
        // What the previous run left is gone before this one goes on.
        EXPECT_EQ(namesIn(folder, isSaveTemporary), std::vector<std::string>{});
        EXPECT_EQ(namesIn(tmp.path().string(), [](const std::string&) { return true; }).size(), 1u);
        usleep(250000);
        kill(pid, SIGTERM);
        usleep(static_cast<useconds_t>(std::uniform_int_distribution<long>(0, closeMicros)(random)));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        for (const Record& r : records) {
            const std::vector<std::uint8_t> now = test::readBytes(dir.file(r.name));
            EXPECT_TRUE(now == r.old || now == r.saved) << r.name << " is neither old nor new";
            (now == r.saved ? newFiles : oldFiles) += 1;
        }
        leftovers += !namesIn(folder, isSaveTemporary).empty();
    }
    std::printf("close: %ld us; after the kills: %d new files, %d old, %d runs left a temporary save\n",
                static_cast<long>(closeMicros), newFiles, oldFiles, leftovers);

    // A last run cleans up after the last kill and leaves nothing behind in either folder.
    pid = startGame(folder, logs.file("err"), tmp.path().string());
    ASSERT_TRUE(waitForPrivateFolder(pid, tmp.path().string()));
    usleep(250000);
    kill(pid, SIGTERM);
    EXPECT_EQ(waitForGame(pid, 20), 0);
    EXPECT_EQ(namesIn(folder, [](const std::string&) { return true; }),
              (std::vector<std::string>{"level.pak", "li.dat", "opt.dat", "score.dat", "standart.pak", "theme.pak"}));
    EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
}

// A second copy in a folder that another copy uses says so and stops without touching the files; a
// copy that was killed leaves nothing that blocks the next start.
TEST_F(GameProcess, ASecondCopyInTheSameFolderIsRefusedAndADeadCopyBlocksNothing)
{
    ASSERT_TRUE(test::writeTestPacks(dir.path().string()));
    test::TempDir tmp;
    const std::string folder = dir.path().string();
    const pid_t first = startGame(folder, logs.file("err1"), tmp.path().string());
    ASSERT_TRUE(waitForPrivateFolder(first, tmp.path().string()));
    test::writeText(dir.file("opt.dat"), "theirs");

    const pid_t second = startGame(folder, logs.file("err2"), tmp.path().string());
    ASSERT_GT(second, 0);
    EXPECT_EQ(waitForGame(second, 20), 1);
    const std::string err = readText(logs.file("err2"));
    EXPECT_NE(err.find("burrowix: cannot start: another copy of the game is running in the folder " + folder),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("Burrowix is already running in this folder"), std::string::npos) << err;
    EXPECT_EQ(readText(dir.file("opt.dat")), "theirs") << "the second copy neither read nor wrote";

    kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    const pid_t third = startGame(folder, logs.file("err3"), tmp.path().string());
    ASSERT_TRUE(waitForPrivateFolder(third, tmp.path().string())) << readText(logs.file("err3"));
    usleep(300000);
    kill(third, SIGTERM);
    EXPECT_EQ(waitForGame(third, 20), 0) << readText(logs.file("err3"));
}

} // namespace
} // namespace burrowix
