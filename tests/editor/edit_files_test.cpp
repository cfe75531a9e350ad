#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <sys/stat.h>

#include "editor/edit_files.hpp"
#include "editor/edit_palette.hpp"
#include "editor/level_editor.hpp"
#include "level_cli.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

namespace fs = std::filesystem;

// A level that uses every palette entry, the start, blocks, both goals and every note.
EditLevel everything()
{
    LevelEditor ed;
    ed.resize(33, 21);
    std::int32_t x = 1, y = 1;
    for (const PaletteItem& e : editPalette()) {
        ed.line(x, y, x, y, e.brush);
        if (++x == 32)
            x = 1, ++y;
    }
    ed.placeStart(4, 9);
    ed.paintBlock(30, 20, 4);
    ed.paintBlock(0, 0, 2);
    LevelProps p = ed.level().props;
    p.title = "Deep; and narrow"; // ';' starts no comment in a title
    p.hint = "  dig left first  ";
    p.theme = 2;
    p.goldGoalOn = true;
    p.goldGoal = 1;
    p.killGoalOn = true;
    p.killGoal = 3;
    p.reserved2 = 7;
    ed.setProps(p);
    return ed.level();
}

TEST(EditFiles, TheSourceReadsBackToTheSameLevelAndCompilesWithTheTool)
{
    const EditLevel level = everything();
    ASSERT_GT(editPalette().size(), 30u);
    const std::string text = editLevelSource(level);
    std::string error;
    const auto back = editLevelFromSource(text, error);
    ASSERT_TRUE(back) << error << "\n" << text;
    EXPECT_EQ(level.props.hint, "dig left first"); // outer blanks are not part of a note
    EXPECT_EQ(*back, level) << text;

    test::TempDir dir;
    ASSERT_TRUE(writeEditLevelSource(dir.file("mine.txt"), level, error)) << error;
    std::ostringstream out, err;
    ASSERT_EQ(runLevelTool({"compile", dir.file("mine.txt"), dir.file("mine.ml_")}, out, err), 0) << err.str();
    // The compiled level holds the same cells, blocks, start and goals; the notes live in the source.
    const auto compiled = readEditLevel(dir.file("mine.ml_"), error);
    ASSERT_TRUE(compiled) << error;
    EXPECT_EQ(compiled->cells, level.cells);
    EXPECT_EQ(compiled->blocks, level.blocks);
    EXPECT_EQ(toLevelFile(*compiled).kinds, toLevelFile(level).kinds);
    EXPECT_EQ(encodeLevelFile(toLevelFile(*compiled)), encodeLevelFile(toLevelFile(level)));
    EXPECT_EQ(compiled->props.title, "");
    const auto source = readEditLevel(dir.file("mine.txt"), error);
    ASSERT_TRUE(source) << error;
    EXPECT_EQ(*source, level);
}

TEST(EditFiles, ALevelWithoutStartStillCompiles)
{
    const EditLevel blank = LevelEditor().level();
    std::string error;
    const auto back = editLevelFromSource(editLevelSource(blank), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, blank);
}

TEST(EditFiles, ShippedLevelsComeInAndGoOutUnchanged)
{
    const fs::path levels = fs::path(BURROWIX_SOURCE_DIR) / "data/levels";
    for (const char* name : {"pack0/1.txt", "pack1/17.txt", "pack2/30.txt"}) {
        std::string error;
        const auto level = readEditLevel((levels / name).string(), error);
        ASSERT_TRUE(level) << error;
        std::string text = test::readText(levels / name);
        const auto original = parseLevelSource(text, error);
        ASSERT_TRUE(original) << error;
        const auto again = parseLevelSource(editLevelSource(*level), error);
        ASSERT_TRUE(again) << error;
        EXPECT_EQ(encodeLevelFile(*again), encodeLevelFile(*original)) << name;
    }
}

TEST(EditFiles, BadInputSaysWhy)
{
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(readEditLevel(dir.file("missing.txt"), error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(readEditLevel(dir.path().string(), error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0600), 0);
    EXPECT_FALSE(readEditLevel(dir.file("pipe.txt"), error)); // refused, never waiting for a writer
    test::writeText(dir.file("broken.txt"), "gold 1 1\nkill 0 0\nmap\n#@#\n##\nend\n");
    EXPECT_FALSE(readEditLevel(dir.file("broken.txt"), error));
    EXPECT_NE(error.find("map row 1"), std::string::npos) << error;

    // Too wide for the editor, though the game could load it.
    std::string wide = "gold 0 0\nkill 0 0\nstart 1 1\nmap\n" + std::string(201, '#') + "\nend\n";
    EXPECT_FALSE(editLevelFromSource(wide, error));
    EXPECT_NE(error.find("at most 200 x 200"), std::string::npos) << error;
    EXPECT_FALSE(editLevelFromBytes(std::vector<std::uint8_t>(8, 0xff), error));
    EXPECT_FALSE(error.empty());

    // A failed write keeps the old file.
    test::writeText(dir.file("kept.txt"), "old");
    ::chmod(dir.file("kept.txt").c_str(), 0444);
    EXPECT_FALSE(writeEditLevelSource(dir.file("kept.txt"), LevelEditor().level(), error));
    EXPECT_EQ(test::readText(dir.file("kept.txt")), "old");
    EXPECT_NE(error.find("kept.txt"), std::string::npos);
}

TEST(LevelSourceNotes, TitleHintAndThemeLines)
{
    std::string error;
    LevelNotes notes;
    const char* map = "gold 0 0\nkill 0 0\nmap\n@\nend\n";
    ASSERT_TRUE(parseLevelSource(std::string("title  A; b \nhint x\ntheme 1\n") + map, error, &notes)) << error;
    EXPECT_EQ(notes, (LevelNotes{"A; b", "x", 1}));
    ASSERT_TRUE(parseLevelSource(map, error, &notes));
    EXPECT_EQ(notes, LevelNotes{});
    for (const auto& [text, message] : std::initializer_list<std::pair<std::string, const char*>>{
             {"title a\ntitle b\n", "second \"title\""},
             {"hint " + std::string(201, 'x') + "\n", "longer than 200"},
             {"theme 7\n", "theme 7 is not 0..6"},
             {"theme\n", "takes 1 numbers"},
             {"title a\tb\n", "the title holds a control character"},
         }) {
        EXPECT_FALSE(parseLevelSource(text + map, error, &notes)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
    // A title with line breaks is written as one line.
    const auto level = parseLevelSource(map, error);
    ASSERT_TRUE(level);
    ASSERT_TRUE(parseLevelSource(decompileLevel(*level, {"a\nmap\nb", "", -1}), error, &notes)) << error;
    EXPECT_EQ(notes.title, "a map b");
}

} // namespace
} // namespace burrowix
