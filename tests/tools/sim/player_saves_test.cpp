// A player's saves in the game folder never reach a run of the whole program: `burrowix-sim app`
// takes only the packs and fonts, so every screen starts from the defaults or from saves a test made.
// The suite runs with odd saves planted in the game folder (see tests/CMakeLists.txt), so any test
// that picked them up would fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/hall_of_fame.hpp"
#include "records/level_progress.hpp"
#include "records/options.hpp"
#include "sim_runner.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

// Saves no fresh start has: Hard at level 17, every level of every set open, a hall of fame whose
// every row scores 999999 under a long name, the difficulty prompt already answered, full screen.
void writeOddSaves(const fs::path& folder, const fs::path& plantedList)
{
    std::ofstream planted(plantedList, std::ios::app);
    const auto absent = [&](const char* name) {
        if (fs::exists(folder / name))
            return false; // never replace what is there: it may be somebody's real save
        planted << name << '\n';
        return true;
    };
    if (absent(kOptionsFileName)) {
        StoredOptions stored;
        stored.options.gameSpeed = 19;
        stored.options.soundVolume = 3;
        stored.level = 17;
        stored.difficulty = 2;
        ASSERT_TRUE(writeOptionsFile((folder / kOptionsFileName).string(), stored));
    }
    if (absent(kProgressFileName)) {
        LevelProgress progress;
        progress.unlocked.fill(LevelProgress::kMaxUnlocked);
        ASSERT_TRUE(progress.write((folder / kProgressFileName).string()));
    }
    if (absent("score.dat")) {
        HallOfFame table;
        for (int i = 0; i < HallOfFame::kShownRows; ++i)
            table.entries[std::size_t(i)] = {999999, "A planted name that no fresh start shows " + std::to_string(i)};
        ASSERT_TRUE(HallOfFameFile{(folder / "score.dat").string()}.write(table, 0));
    }
    if (absent("settings.ini"))
        test::writeText((folder / "settings.ini").string(), "fullscreen = 1\nscaling = integer\n");
}

// Not a check of its own: CTest runs it once before the suite with BURROWIX_PLANT_SAVES naming the
// game folder and the list of what it planted, which the cleanup step removes afterwards.
TEST(PlayerSaves, PlantOddSavesInTheGameFolder)
{
    const char* folder = std::getenv("BURROWIX_PLANT_SAVES");
    const char* list = std::getenv("BURROWIX_PLANTED_LIST");
    if (!folder || !list)
        GTEST_SKIP() << "runs only as the suite's set-up step";
    writeOddSaves(folder, list);
}

#ifdef BURROWIX_DATA_GENERATED

TEST(PlayerSaves, AWholeProgramRunTakesOnlyThePacksAndFontsOfItsDataFolder)
{
    test::TempDir data, work;
    for (const fs::directory_entry& entry : fs::directory_iterator(BURROWIX_GAME_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".pak" || ext == ".ttf")
            fs::create_symlink(entry.path(), data.path() / entry.path().filename());
    }
    // The same pack under an upper-case ending still counts as a pack.
    fs::rename(data.path() / "levels2.pak", data.path() / "levels2.PAK");
    const fs::path list = work.path() / "planted.txt";
    writeOddSaves(data.path(), list);

    std::istringstream script("frames 3\nstate\n");
    std::ostringstream out, err;
    ASSERT_EQ(runSimTool({"app", data.path().string(), "--work", (work.path() / "run").string()}, script, out, err), 0)
        << err.str();

    // What the program saved at close is the fresh start's, not the planted files'.
    const fs::path run = work.path() / "run";
    EXPECT_TRUE(fs::exists(run / "levels2.PAK"));
    EXPECT_FALSE(fs::exists(run / "settings.ini"));
    StoredOptions stored;
    ASSERT_TRUE(readOptionsFile((run / kOptionsFileName).string(), stored));
    EXPECT_EQ(stored.difficulty, 0);
    EXPECT_EQ(stored.level, 0);
    EXPECT_EQ(stored.options.gameSpeed, Options{}.gameSpeed);
    LevelProgress progress;
    ASSERT_TRUE(progress.read((run / kProgressFileName).string()));
    EXPECT_EQ(progress.unlockedLevels(0), 1);
    HallOfFame table;
    HallOfFameFile{(run / "score.dat").string()}.read(table);
    EXPECT_EQ(table.entries[0].score, HallOfFame{}.entries[0].score);
    EXPECT_EQ(table.entries[0].name, HallOfFame{}.entries[0].name);
}

#endif

} // namespace
} // namespace burrowix
