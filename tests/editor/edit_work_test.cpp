// The editor's work in progress in its file: kept and read back whole, a damaged file set aside
// without ever being written over or removed, and a folder that takes no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "editor/edit_files.hpp"
#include "editor/edit_work.hpp"
#include "level_cli.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

// An editor with a level that differs from a new one in cells, size, start and notes.
void makeSomething(LevelEditor& ed)
{
    ed.resize(27, 18);
    ed.rectangle(2, 2, 6, 5, {KindGold, 0}, true);
    ed.placeStart(3, 8);
    LevelProps p = ed.level().props;
    p.title = "Kept; for later";
    p.theme = 1;
    p.goldGoalOn = true;
    p.goldGoal = 4;
    ed.setProps(p);
}

TEST(EditWork, RoundTripKeepsLevelOwnLevelAndView)
{
    test::TempDir dir;
    EditWorkKeeper keeper(dir.file("editor.wip"));
    LevelEditor ed;
    std::string message, error;
    keeper.open(ed, message);
    EXPECT_EQ(message, "");
    makeSomething(ed);
    const EditWorkPlace place{std::size_t(4), {20, 7, 3}};
    ASSERT_TRUE(keeper.keep(ed, place, error)) << error;

    const std::string text = test::readText(dir.file("editor.wip"));
    EXPECT_TRUE(text.starts_with("; burrowix editor work 1\n; own 5\n; view 20 7 3\n")) << text;

    LevelEditor again;
    EditWorkKeeper reader(dir.file("editor.wip"));
    EXPECT_EQ(reader.open(again, message), place);
    EXPECT_EQ(message, "");
    EXPECT_EQ(again.level(), ed.level());
    EXPECT_FALSE(again.canUndo()) << "the history is not part of the work";

    // The work is a level source the tool compiles as it is.
    std::ostringstream out, err;
    EXPECT_EQ(runLevelTool({"compile", dir.file("editor.wip"), dir.file("w.ml_")}, out, err), 0) << err.str();

    // No own level, and a view past a level made smaller shows its last cells.
    std::string reason;
    auto parsed = parseEditWork(encodeEditWork(ed.level(), {std::nullopt, {10, 500, 17}}), reason);
    ASSERT_TRUE(parsed) << reason;
    EXPECT_EQ(parsed->place, (EditWorkPlace{std::nullopt, {10, 26, 17}}));
}

TEST(EditWork, MissingFileStartsANewLevelAndWritesNothingUntilAChange)
{
    test::TempDir dir;
    EditWorkKeeper keeper(dir.file("editor.wip"));
    LevelEditor ed;
    makeSomething(ed);
    std::string message, error;
    EXPECT_EQ(keeper.open(ed, message), EditWorkPlace{});
    EXPECT_EQ(message, "");
    EXPECT_EQ(ed.level(), blankLevel(kMinEditWidth, kMinEditHeight));
    ASSERT_TRUE(keeper.keep(ed, {}, error));
    EXPECT_FALSE(fs::exists(dir.file("editor.wip"))) << "an untouched new level is not kept";
    // A view moved is kept even without a change of the level.
    ASSERT_TRUE(keeper.keep(ed, {std::nullopt, {40, 1, 0}}, error));
    EXPECT_TRUE(fs::exists(dir.file("editor.wip")));
}

TEST(EditWork, DamagedFilesAreSetAsideNeverOverwrittenAndSayWhy)
{
    struct Row {
        const char* text;
        const char* reason;
    };
    const std::string level = editLevelSource(blankLevel(20, 15));
    const std::string good = "; burrowix editor work 1\n; own none\n; view 40 0 0\n";
    const Row rows[] = {
        {"", "does not start with"},
        {"gold 0 0\n", "does not start with"},
        {"; burrowix editor work 2\n; own none\n; view 40 0 0\n", "does not start with"},
        {"; burrowix editor work 1\n; own 0\n; view 40 0 0\n", "own level's number is not 1..30"},
        {"; burrowix editor work 1\n; own 31\n; view 40 0 0\n", "own level's number is not 1..30"},
        {"; burrowix editor work 1\n; own 03\n; view 40 0 0\n", "own level's number"},
        {"; burrowix editor work 1\n; own\n; view 40 0 0\n", "second line"},
        {"; burrowix editor work 1\n; own none\n; view 40 0\n", "third line"},
        {"; burrowix editor work 1\n; own none\n; view 40 -1 0\n", "third line"},
        {"; burrowix editor work 1\n; own none\n; view 40 0 0 \n", "third line"},
        {"; burrowix editor work 1\n; own none\n; view 30 0 0\n", "cell size 30 is not 40, 20 or 10"},
    };
    for (const Row& row : rows) {
        std::string reason;
        const std::string text = std::string(row.text) + level;
        EXPECT_FALSE(parseEditWork(text, reason)) << row.text;
        EXPECT_NE(reason.find(row.reason), std::string::npos) << row.text << " gave: " << reason;
    }
    std::string reason;
    EXPECT_FALSE(parseEditWork(good + "gold 0 0\nmap\n#\nend\n", reason));
    EXPECT_NE(reason.find("its level does not read"), std::string::npos) << reason;

    // In the folder: the first damaged file goes to .bad, the next to .bad2; neither is touched again.
    test::TempDir dir;
    const std::string path = dir.file("editor.wip");
    test::writeText(path, "first damage");
    test::writeText(dir.file("editor.wip.bad2"), "older");
    LevelEditor ed;
    makeSomething(ed);
    EditWorkKeeper keeper(path);
    std::string message, error;
    testing::internal::CaptureStderr();
    keeper.open(ed, message);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("editor.wip is damaged (it does not start with"), std::string::npos) << message;
    EXPECT_NE(message.find("kept as " + path + ".bad and a new level is started"), std::string::npos) << message;
    EXPECT_NE(said.find(message), std::string::npos) << said;
    EXPECT_EQ(ed.level(), blankLevel(kMinEditWidth, kMinEditHeight));
    EXPECT_EQ(test::readText(path + ".bad"), "first damage");
    EXPECT_FALSE(fs::exists(path));

    test::writeText(path, "second damage");
    keeper.open(ed, message);
    EXPECT_NE(message.find("kept as " + path + ".bad3"), std::string::npos) << message;
    EXPECT_EQ(test::readText(path + ".bad"), "first damage");
    EXPECT_EQ(test::readText(path + ".bad2"), "older");
    EXPECT_EQ(test::readText(path + ".bad3"), "second damage");

    // A folder in the file's place is set aside the same way; then the work can be kept.
    fs::create_directory(path);
    keeper.open(ed, message);
    EXPECT_NE(message.find("not a regular file but a folder"), std::string::npos) << message;
    EXPECT_TRUE(fs::is_directory(path + ".bad4"));
    makeSomething(ed);
    EXPECT_TRUE(keeper.keep(ed, {}, error)) << error;
}

TEST(EditWork, AFolderThatTakesNoFileIsReportedOnceAndTheWorkStaysInMemory)
{
    test::TempDir dir;
    test::writeText(dir.file("plain"), "a file, not a folder");
    EditWorkKeeper keeper(dir.file("plain") + "/editor.wip");
    LevelEditor ed;
    std::string message, error;
    keeper.open(ed, message);
    EXPECT_EQ(message, "");
    makeSomething(ed);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(keeper.keep(ed, {}, error));
    EXPECT_FALSE(keeper.keep(ed, {}, error));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(error.find("cannot keep the level being edited in"), std::string::npos) << error;
    EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;
    EXPECT_EQ(keeper.problem(), error);
    EXPECT_EQ(said, "burrowix: " + error + "\n") << "a reason that repeats is said once";
    EXPECT_EQ(ed.level().width, 27);
}

TEST(EditWork, FromTimeToTimeOnlyAfterAChangeAndTheInterval)
{
    test::TempDir dir;
    const std::string path = dir.file("editor.wip");
    EditWorkKeeper keeper(path);
    LevelEditor ed;
    std::string message;
    keeper.open(ed, message);
    const EditWorkPlace place{};
    EXPECT_FALSE(keeper.keepFromTimeToTime(ed, place, 1000));
    EXPECT_FALSE(keeper.keepFromTimeToTime(ed, place, 1000 + 2 * kEditWorkInterval)) << "nothing changed";
    ed.placeStart(5, 5);
    const Ticks changed = 90000;
    EXPECT_FALSE(keeper.keepFromTimeToTime(ed, place, changed));
    ed.placeStart(6, 5);
    EXPECT_FALSE(keeper.keepFromTimeToTime(ed, place, changed + kEditWorkInterval - 1));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(keeper.keepFromTimeToTime(ed, place, changed + kEditWorkInterval));
    EXPECT_FALSE(keeper.keepFromTimeToTime(ed, place, changed + 3 * kEditWorkInterval));

    std::string reason;
    const auto kept = parseEditWork(test::readText(path), reason);
    ASSERT_TRUE(kept) << reason;
    EXPECT_EQ(kept->level, ed.level());
    // The clock wrapping round is no reason to wait for ever.
    ed.placeStart(7, 5);
    EXPECT_FALSE(keeper.keepFromTimeToTime(ed, place, 0xFFFFF000u));
    EXPECT_TRUE(keeper.keepFromTimeToTime(ed, place, 0xFFFFF000u + Ticks(kEditWorkInterval)));
}

} // namespace
} // namespace burrowix
