// The program's three files read into and saved from the program-wide records.
#include "app/pack_catalogue.hpp"
#include "app/record_files.hpp"
#include "common/le_io.hpp"
#include "platform/archive/pack_writer.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"
#include "support/described_pack.hpp"
#include "support/program_state.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace burrowix {
namespace {

using test::readBytes;
using test::writeBytes;

class RecordFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::resetProgramState();
        theRecords.optionsPath = dir.file("opt.dat");
        theRecords.progressPath = dir.file("li.dat");
        theRecords.scoreFile.path = dir.file("score.dat");
    }
    void TearDown() override { test::resetProgramState(); }

    void writeLevelPacks()
    {
        for (int n : {0, 1, 2}) {
            ASSERT_TRUE(test::writeDescribedPack(dir.file("l" + std::to_string(n) + ".pak"), test::levelPackInfo(n)));
        }
        theCatalogue.folder = dir.path().string();
        ASSERT_EQ(theCatalogue.build({"l0.pak", "l1.pak", "l2.pak"}), 1);
    }

    test::TempDir dir;
};

TEST_F(RecordFiles, FirstRunHasDefaultsAndSavesExactlyThreeFiles)
{
    theRecords.options.gameSpeed = 3; // whatever was there before: a missing file means defaults
    readOptions();
    readHallOfFame();
    readProgress();
    EXPECT_EQ(theRecords.options.gameSpeed, 15);
    EXPECT_EQ(theRecords.options.musicVolume, 70);
    EXPECT_EQ(theRecords.difficultyPromptPending, 1);
    EXPECT_EQ(theRecords.hallOfFame.entries[0].name, "McBrannok");
    EXPECT_EQ(theRecords.progress.unlockedLevels(0), 1);

    screenFlow.levelNumber = 4;
    theCatalogue.difficulty = 2;
    ASSERT_TRUE(saveRecordFiles());
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"li.dat", "opt.dat", "score.dat"}));
    const std::vector<std::uint8_t> options = readBytes(dir.file("opt.dat"));
    ASSERT_EQ(options.size(), 28u);
    EXPECT_EQ(loadLE32(options.data() + 20), 4u);
    EXPECT_EQ(loadLE32(options.data() + 24), 2u);
    EXPECT_EQ(readBytes(dir.file("li.dat")).size(), 80u);
}

TEST_F(RecordFiles, StoredDifficultySelectsItsLevelPack)
{
    writeLevelPacks();
    ByteWriter w;
    for (std::int32_t v : {0, 1, 17, 54, 92, 12, 1})
        w.i32(v);
    writeBytes(dir.file("opt.dat"), w.data());
    readOptions();
    EXPECT_EQ(theRecords.options.musicEnabled, 0);
    EXPECT_EQ(theRecords.options.gameSpeed, 17);
    EXPECT_EQ(screenFlow.levelNumber, 12);
    EXPECT_EQ(theCatalogue.difficulty, 1);
    EXPECT_EQ(theCatalogue.packCatalogue[theCatalogue.selectedLevelPack].packNumber, 1);
    EXPECT_EQ(theCatalogue.currentPackKind, PackCatalogue::kLevel);
}

TEST_F(RecordFiles, StoredLevelOutsideThePackStartsAtTheFirst)
{
    ByteWriter w;
    for (std::int32_t v : {1, 1, 15, 70, 70, 30, 0})
        w.i32(v);
    writeBytes(dir.file("opt.dat"), w.data());
    readOptions();
    EXPECT_EQ(screenFlow.levelNumber, 0);
}

TEST_F(RecordFiles, NewEntryIsSavedAndReadBack)
{
    readHallOfFame();
    theRecords.difficultyPromptPending = 0;
    insertHallOfFameEntry(16000, "Ada");
    EXPECT_EQ(theRecords.hallOfFame.entries[1].name, "Ada");
    EXPECT_EQ(theRecords.hallOfFame.highlight, 1);
    EXPECT_EQ(theRecords.difficultyPromptPending, 0);
    theRecords.hallOfFame.setDefaults();
    readHallOfFame();
    EXPECT_EQ(theRecords.hallOfFame.entries[1].name, "Ada");
}

// A termination request that arrives during start-up, before the first frame has read the hall of
// fame and the progress, saves the options only: the player's files are not replaced by defaults.
TEST_F(RecordFiles, ACloseBeforeTheRecordsAreReadKeepsTheirFiles)
{
    test::writeText(dir.file("score.dat"), "the player's table");
    test::writeText(dir.file("li.dat"), "the player's progress");
    readOptions();
    ASSERT_TRUE(saveRecordFiles());
    EXPECT_EQ(test::readText(dir.file("score.dat")), "the player's table");
    EXPECT_EQ(test::readText(dir.file("li.dat")), "the player's progress");
    EXPECT_EQ(readBytes(dir.file("opt.dat")).size(), 28u);
}

TEST_F(RecordFiles, FailedSavesAreReportedWithTheirReasonAndKeepTheOldFiles)
{
    app.reset();
    theRecords.hallOfFameRead = theRecords.progressRead = true;
    test::writeText(dir.file("score.dat"), "old table");
    std::filesystem::permissions(dir.file("score.dat"), std::filesystem::perms::owner_read);
    theRecords.optionsPath = dir.file("gone/opt.dat");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveRecordFiles());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "burrowix: cannot save " + dir.file("score.dat") +
                        ": Permission denied; the old file is kept\n"
                        "burrowix: cannot save " + dir.file("gone/opt.dat") +
                        ": No such file or directory; the old file is kept\n");
    EXPECT_EQ(app.exitStatus, 1);
    const std::vector<std::uint8_t> old = readBytes(dir.file("score.dat"));
    EXPECT_EQ(std::string(old.begin(), old.end()), "old table");
    EXPECT_EQ(readBytes(dir.file("li.dat")).size(), 80u); // the others are still saved

    std::filesystem::permissions(dir.file("score.dat"), std::filesystem::perms::owner_all);
    theRecords.optionsPath = dir.file("opt.dat");
    app.exitStatus = 0;
    EXPECT_TRUE(saveRecordFiles());
    EXPECT_EQ(app.exitStatus, 0);
    app.reset();
}

} // namespace
} // namespace burrowix
