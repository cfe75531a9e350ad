#include <gtest/gtest.h>

#include <filesystem>

#include "app/own_level_pack.hpp"
#include "editor/edit_files.hpp"
#include "menus/editor_saving.hpp"
#include "menus/editor_tools.hpp"
#include "platform/system/messages.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

constexpr Brush kGold{KindGold, 0};

EditorScreenState editing()
{
    EditorScreenState s;
    s.editor.load(blankLevel(20, 15));
    s.savedRevision = s.editor.revision();
    return s;
}

int count(const EditLevel& level, Brush brush)
{
    return int(std::count(level.cells.begin(), level.cells.end(), brush));
}

TEST(EditorTools, ShapesTakeTheirCornersFromThePressAndTheRelease)
{
    EditorScreenState s = editing();
    s.brush = kGold;
    editorShortcut(s, 'L', false);
    editorToolDown(s, 2, 2);
    EXPECT_EQ(count(s.editor.level(), kGold), 0) << "nothing until the release";
    editorToolUp(s, 6, 2);
    EXPECT_EQ(count(s.editor.level(), kGold), 5);

    editorShortcut(s, 'R', false);
    editorToolDown(s, 2, 4);
    editorToolUp(s, 5, 7);
    EXPECT_EQ(count(s.editor.level(), kGold), 5 + 12) << "an outline of 4 x 4";
    editorShortcut(s, 'E', false);
    editorToolDown(s, 10, 4);
    editorToolUp(s, 12, 6);
    EXPECT_EQ(count(s.editor.level(), kGold), 5 + 12 + 9) << "filled 3 x 3";

    editorToolDown(s, 14, 4);
    editorToolUp(s, -1, -1);
    EXPECT_EQ(count(s.editor.level(), kGold), 26) << "released off the level: no shape";
    EXPECT_FALSE(s.shaping);

    // Three steps taken, undone by Ctrl+Z, redone by Ctrl+Y; Z alone zooms.
    editorShortcut(s, 'Z', true);
    EXPECT_EQ(count(s.editor.level(), kGold), 17);
    editorShortcut(s, 'Y', true);
    EXPECT_EQ(count(s.editor.level(), kGold), 26);
    editorShortcut(s, 'Z', false);
    EXPECT_EQ(s.cellSize, 20);
    EXPECT_EQ(count(s.editor.level(), kGold), 26);
}

TEST(EditorTools, StrokesPickAndTheOneClickTools)
{
    EditorScreenState s = editing();
    s.brush = kGold;
    editorToolDown(s, 1, 1);
    s.editor.strokeTo(8, 1);
    editorToolUp(s, 8, 1);
    EXPECT_EQ(count(s.editor.level(), kGold), 8);
    EXPECT_TRUE(s.editor.undo());
    EXPECT_EQ(count(s.editor.level(), kGold), 0) << "one stroke, one step";
    EXPECT_TRUE(s.editor.redo());

    editorShortcut(s, 'P', false);
    editorToolDown(s, 0, 0);
    EXPECT_EQ(s.brush, kBorderWall) << "picked the border wall";
    EXPECT_EQ(s.tool, EditTool::Draw) << "and paints with it";

    editorShortcut(s, 'S', false);
    editorToolDown(s, 4, 5);
    EXPECT_EQ(s.editor.level().props.startX, 4);
    EXPECT_EQ(s.editor.level().props.startY, 5);
    editorShortcut(s, 'B', false);
    s.blockLook = 3;
    editorToolDown(s, 6, 6);
    EXPECT_EQ(s.editor.level().blocks[std::size_t(1 * s.editor.level().blocksAcross() + 1)], 3);

    editorShortcut(s, 'F', false);
    s.brush = Brush{KindEmpty, 0};
    editorToolDown(s, 10, 10);
    EXPECT_EQ(count(s.editor.level(), s.brush), 18 * 13 - 8) << "all the earth inside, beside the start emptied before; not the gold";
}

TEST(EditorTools, StartingOverAsksOnceWhenTheLevelHasUnsavedChanges)
{
    EditorScreenState s = editing();
    s.newWidth = 40;
    runEditorCommand(s, EditorCommand::New);
    EXPECT_EQ(s.editor.level().width, 40) << "nothing to lose: at once";

    s.editor.placeStart(3, 3);
    runEditorCommand(s, EditorCommand::New);
    EXPECT_TRUE(s.editor.level().props.hasStart()) << "the first New only asks";
    EXPECT_NE(s.message.find("unsaved"), std::string::npos) << s.message;
    runEditorCommand(s, EditorCommand::Open);
    EXPECT_TRUE(s.editor.level().props.hasStart()) << "another command asks anew";
    runEditorCommand(s, EditorCommand::New);
    runEditorCommand(s, EditorCommand::New);
    EXPECT_FALSE(s.editor.level().props.hasStart()) << "asked twice in a row: discarded";
    EXPECT_FALSE(unsavedChanges(s));
}

TEST(EditorSaving, ExportNamesComeFromTheTitle)
{
    EXPECT_EQ(exportFileStem("The Deep Mine 2"), "the-deep-mine-2");
    EXPECT_EQ(exportFileStem("  ../../etc/passwd "), "etc-passwd") << "no folders";
    EXPECT_EQ(exportFileStem("!!!"), "level");
    EXPECT_EQ(exportFileStem(""), "level");
    EXPECT_EQ(exportFileStem(std::string(100, 'a')).size(), 40u);
}

// The own pack and the export folder in a temporary player folder.
class EditorSavingTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::filesystem::path was = std::filesystem::current_path();

    void SetUp() override
    {
        std::filesystem::current_path(dir.path());
        ownLevelPack.reset();
        ownLevelPack.file.path = dir.file("own.dat");
    }
    void TearDown() override
    {
        ownLevelPack.reset();
        std::filesystem::current_path(was);
    }
};

TEST_F(EditorSavingTest, SavingKeepsItsPlaceInTheOwnPackAndOpeningStepsThroughIt)
{
    EditorScreenState s = editing();
    EXPECT_FALSE(openNextOwnLevel(s));
    EXPECT_EQ(s.message, "no own levels yet");
    s.editor.placeStart(3, 3);
    ASSERT_TRUE(saveEditedLevel(s)) << s.message;
    EXPECT_EQ(s.ownIndex, 0);
    s.editor.line(5, 5, 9, 5, kGold);
    ASSERT_TRUE(saveEditedLevel(s));
    EXPECT_EQ(ownLevelPack.levels.size(), 1u) << "saved over the level it came from";

    s.newWidth = 30;
    newBlankLevel(s);
    EXPECT_EQ(s.ownIndex, -1);
    EXPECT_EQ(s.editor.level().width, 30);
    ASSERT_TRUE(saveEditedLevel(s));
    EXPECT_EQ(s.ownIndex, 1);
    EXPECT_EQ(ownLevelPack.levels.size(), 2u);

    ASSERT_TRUE(openNextOwnLevel(s));
    EXPECT_EQ(s.ownIndex, 0) << "after the last comes the first";
    EXPECT_EQ(count(s.editor.level(), kGold), 5);
    EXPECT_FALSE(s.editor.canUndo()) << "an opened level starts a new history";
    ASSERT_TRUE(openNextOwnLevel(s));
    EXPECT_EQ(s.editor.level().width, 30);
}

TEST_F(EditorSavingTest, TheExportedSourceReadsBackAsTheSameLevel)
{
    EditorScreenState s = editing();
    s.editor.placeStart(2, 2);
    s.editor.rectangle(4, 4, 8, 8, kGold, true);
    LevelProps p = s.editor.level().props;
    p.title = "Gold Box";
    p.goldGoalOn = true;
    p.goldGoal = 20;
    s.editor.setProps(p);
    ASSERT_TRUE(exportEditedLevel(s)) << s.message;
    const std::filesystem::path file = dir.path() / "levels" / "gold-box.txt";
    EXPECT_NE(s.message.find(file.filename().string()), std::string::npos) << s.message;
    std::string error;
    const auto back = readEditLevel(file.string(), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, s.editor.level());
}

} // namespace
} // namespace burrowix
