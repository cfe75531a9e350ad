// A level won while the program is killed: the win writes "li.dat" as the level-complete panel
// starts, and a kill -9 anywhere in that write leaves the old file or the new one, whole; what the
// killed write left beside it is gone at the next start.

#include "app/game_screen_fixture.hpp"

#include "app/level_end.hpp"
#include "app/record_files.hpp"
#include "common/le_io.hpp"
#include "records/level_progress.hpp"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace burrowix::test {
namespace {

using LevelWinKill = GameScreenFixture;

// Everything in `folder` but the packs.
std::vector<std::string> filesBesidePacks(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() != ".pak")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Wins the loaded level in a child process: the child says when it is about to, the parent kills it
// `delayMicros` later (never, for a negative delay) and waits for it to end.
void winInChild(long delayMicros)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(ready[0]);
        const char byte = 1;
        (void)!::write(ready[1], &byte, 1);
        beginLevelComplete(*world.theWorld);
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    if (delayMicros >= 0) {
        ::usleep(static_cast<useconds_t>(delayMicros));
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
}

TEST_F(LevelWinKill, AKillDuringTheWinsSaveLeavesAWholeFileAndTheNextStartCleansUp)
{
    startGame(0, {corridorLevel("$.....", "gold 1 1\nkill 0 0"), corridorLevel("$.....", "gold 1 1\nkill 0 0")});
    const std::string path = theRecords.progressPath;
    LevelProgress progress = theRecords.progress;
    ASSERT_TRUE(progress.write(path));
    const std::vector<std::uint8_t> old = readBytes(path);
    progress.recordWin(0, 0);
    test::TempDir scratch;
    ASSERT_TRUE(progress.write(scratch.file("li.dat")));
    const std::vector<std::uint8_t> won = readBytes(scratch.file("li.dat"));
    ASSERT_NE(old, won);
    theRecords.progress.recordWin(0, 0);

    // One whole win first: how long it takes sets the range of the kills.
    const auto before = std::chrono::steady_clock::now();
    winInChild(-1);
    const long winMicros = static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - before).count());
    ASSERT_EQ(readBytes(path), won);

    std::mt19937 random(4711);
    int wonFiles = 0, oldFiles = 0, leftovers = 0;
    for (int run = 0; run < 50; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        writeBytes(path, old);
        winInChild(std::uniform_int_distribution<long>(0, winMicros)(random));
        const std::vector<std::uint8_t> now = readBytes(path);
        EXPECT_TRUE(now == old || now == won) << "li.dat is neither old nor new";
        (now == won ? wonFiles : oldFiles) += 1;
        // The next start removes a half-written temporary the kill left.
        leftovers += filesBesidePacks(dir.path().string()) != std::vector<std::string>{"li.dat"};
        removeAbandonedRecordTemporaries();
        EXPECT_EQ(filesBesidePacks(dir.path().string()), std::vector<std::string>{"li.dat"});
    }
    std::printf("win: %ld us; after the kills: %d new files, %d old, %d runs left a temporary save\n", winMicros,
                wonFiles, oldFiles, leftovers);
}

} // namespace
} // namespace burrowix::test
