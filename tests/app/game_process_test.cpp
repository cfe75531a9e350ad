// The game executable end to end without a display (SDL's dummy video driver): no packs end it
// silently, a missing "all.bmp" ends start-up with the fatal message, and a termination request
// goes through the close and destroy work and ends the program with status 0.

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/test_packs.hpp"
#include "support/temp_dir.hpp"

extern char** environ;

namespace burrowix {
namespace {

const std::string kGame = std::string(BURROWIX_GAME_DIR) + "/burrowix";

// Starts the game in `folder` with its standard error going to `errPath`.
pid_t startGame(const std::string& folder, const std::string& errPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> env{"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "TMPDIR=" + folder};
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

std::string readText(const std::string& path)
{
    const auto bytes = test::readBytes(path);
    return {bytes.begin(), bytes.end()};
}

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

TEST_F(GameProcess, NoPacksEndSilently)
{
    const pid_t pid = startGame(dir.path().string(), logs.file("err"));
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitForGame(pid, 20), 0);
    EXPECT_EQ(readText(logs.file("err")), "");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(GameProcess, MissingClearPictureIsFatalWithItsMessage)
{
    ASSERT_TRUE(test::writeTestPacks(dir.path().string(), {"all.bmp"}));
    const pid_t pid = startGame(dir.path().string(), logs.file("err"));
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitForGame(pid, 20), 0);
    EXPECT_NE(readText(logs.file("err")).find("Burrowix v.1.0: DDLoadBitmap1 FAILED"), std::string::npos)
        << readText(logs.file("err"));
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

} // namespace
} // namespace burrowix
