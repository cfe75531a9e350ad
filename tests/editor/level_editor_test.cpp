#include <gtest/gtest.h>

#include <algorithm>

#include "editor/edit_checks.hpp"
#include "editor/level_editor.hpp"

namespace burrowix {
namespace {

constexpr Brush kGold{KindGold, 0};
constexpr Brush kStone{KindStone, 0};
constexpr Brush kEarth{KindEarth, 0};
constexpr Brush kEmpty{KindEmpty, 0};

// The cells of a row as map symbols, for readable expectations.
std::string row(const EditLevel& level, std::int32_t y, std::int32_t from, std::int32_t to)
{
    std::string out;
    for (std::int32_t x = from; x <= to; ++x)
        out += levelSymbol(level.at(x, y).kind, level.at(x, y).param);
    return out;
}

int count(const EditLevel& level, Brush b)
{
    return int(std::count(level.cells.begin(), level.cells.end(), b));
}

TEST(LevelEditorTools, ANewLevelIsWalledEarthWithoutStart)
{
    const LevelEditor ed;
    const EditLevel& l = ed.level();
    EXPECT_EQ(l.width, 20);
    EXPECT_EQ(l.height, 15);
    EXPECT_EQ(row(l, 0, 0, 19), std::string(20, '#'));
    EXPECT_EQ(row(l, 7, 0, 19), "#" + std::string(18, ':') + "#");
    EXPECT_EQ(l.blocks.size(), 4u * 3u);
    EXPECT_FALSE(l.props.hasStart());
    EXPECT_FALSE(ed.canUndo());
}

TEST(LevelEditorTools, AStrokeJoinsItsPointsAndIsOneStep)
{
    LevelEditor ed;
    ed.beginStroke(2, 3, kGold);
    ed.strokeTo(8, 3); // a fast pointer: the cells between are painted too
    ed.strokeTo(8, 5);
    ed.strokeTo(-4, 5); // leaves the level: the cells outside are skipped
    ed.endStroke();
    EXPECT_EQ(row(ed.level(), 3, 1, 9), ":$$$$$$$:");
    EXPECT_EQ(row(ed.level(), 4, 7, 9), ":$:");
    EXPECT_EQ(row(ed.level(), 5, 0, 9), "$$$$$$$$$:"); // the border wall at x 0 too
    EXPECT_EQ(ed.undoDepth(), 1u);
    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(ed.level(), LevelEditor().level());
}

TEST(LevelEditorTools, LineRectangleFillAndPick)
{
    LevelEditor ed;
    ed.line(1, 1, 5, 3, kStone); // a shallow diagonal: one cell per column, the same from both ends
    EXPECT_EQ(row(ed.level(), 1, 1, 5), "O::::");
    EXPECT_EQ(row(ed.level(), 2, 1, 5), ":OO::");
    EXPECT_EQ(row(ed.level(), 3, 1, 5), ":::OO");
    EXPECT_EQ(count(ed.level(), kStone), 5);

    ed.rectangle(10, 4, 14, 8, kGold, false);
    EXPECT_EQ(row(ed.level(), 4, 10, 14), "$$$$$");
    EXPECT_EQ(row(ed.level(), 6, 10, 14), "$:::$");
    EXPECT_EQ(count(ed.level(), kGold), 16);
    // Corners outside the level: only the part inside is painted, and a filled one covers it.
    ed.rectangle(17, 12, 30, 30, kEmpty, true);
    EXPECT_EQ(count(ed.level(), kEmpty), 3 * 3);

    // Fill spreads through sides only, over what the first cell holds: the inside of the gold
    // outline, and not past it.
    ed.fill(12, 6, kEmpty);
    EXPECT_EQ(row(ed.level(), 6, 10, 14), "$...$");
    EXPECT_EQ(count(ed.level(), kEmpty), 9 + 9);
    ed.fill(2, 7, kStone); // the earth around everything, as one step
    EXPECT_EQ(count(ed.level(), kEarth), 0);
    EXPECT_EQ(ed.level().at(12, 6), kEmpty);
    ed.undo();
    EXPECT_EQ(count(ed.level(), kStone), 5);

    EXPECT_EQ(ed.pick(10, 4), kGold);
    EXPECT_EQ(ed.pick(0, 0), kBorderWall);
    EXPECT_FALSE(ed.pick(20, 0));
    EXPECT_FALSE(ed.pick(-1, 3));
    // A fill with what the cell holds, or outside, changes nothing and makes no step.
    const std::size_t steps = ed.undoDepth();
    ed.fill(12, 6, kEmpty);
    ed.fill(40, 6, kGold);
    EXPECT_EQ(ed.undoDepth(), steps);
}

TEST(LevelEditorTools, ParametersAreKeptOnlyForKindsThatCarryOne)
{
    LevelEditor ed;
    ed.line(2, 2, 4, 2, Brush{KindWalker, 3});
    EXPECT_EQ(ed.level().at(3, 2), (Brush{KindWalker, 0}));
    ed.line(2, 3, 4, 3, Brush{KindMineral, 5});
    EXPECT_EQ(ed.level().at(3, 3), (Brush{KindMineral, 5}));
}

TEST(LevelEditorTools, StartBlocksAndProps)
{
    LevelEditor ed;
    ed.placeStart(3, 4);
    EXPECT_EQ(ed.level().at(3, 4), kEmpty);
    EXPECT_EQ(ed.level().props.startX, 3);
    ed.placeStart(5, 5);
    ed.undo(); // one step: the start and the emptied cell
    EXPECT_EQ(ed.level().props.startX, 3);
    EXPECT_EQ(ed.level().at(5, 5), kEarth);

    ed.paintBlock(12, 7, 4); // block (2, 1) of 4 x 3
    EXPECT_EQ(ed.level().blocks[1 * 4 + 2], 4);
    ed.paintBlock(12, 7, 5); // no such look
    EXPECT_EQ(ed.level().blocks[1 * 4 + 2], 4);

    LevelProps p = ed.level().props;
    p.title = "Two\nlines";
    p.hint = std::string(500, 'h');
    p.goldGoalOn = true;
    p.goldGoal = 250;
    p.theme = 9;
    p.startX = 25; // outside: no start
    ed.setProps(p);
    const LevelProps& got = ed.level().props;
    EXPECT_EQ(got.title, "Two lines");
    EXPECT_EQ(got.hint.size(), kMaxNoteLength);
    EXPECT_EQ(got.goldGoal, 99);
    EXPECT_EQ(got.theme, 2);
    EXPECT_FALSE(got.hasStart());
    ed.undo();
    EXPECT_EQ(ed.level().props.title, "");
    EXPECT_EQ(ed.level().props.startX, 3);
}

TEST(LevelEditorHistory, EveryStepUndoesAndRedoesExactly)
{
    LevelEditor ed;
    std::vector<EditLevel> states{ed.level()};
    for (int i = 0; i < 110; ++i) {
        const std::int32_t x = 1 + i % 18, y = 1 + (i / 18) % 13;
        switch (i % 5) {
        case 0: ed.line(x, y, 18 - x, 13, Brush{KindWall, i % 4}); break;
        case 1: ed.rectangle(x, y, x + 3, y + 2, kGold, i % 2); break;
        case 2: ed.fill(x, y, Brush{KindMineral, i % 6}); break;
        case 3: ed.placeStart(x, y); break;
        default:
            ed.beginStroke(x, y, kStone);
            ed.strokeTo(x + 4, y + 1);
            ed.endStroke();
        }
        if (ed.level() != states.back())
            states.push_back(ed.level());
    }
    ASSERT_GE(states.size(), 101u);
    ASSERT_EQ(ed.undoDepth(), states.size() - 1);
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        ASSERT_TRUE(ed.undo()) << k;
        ASSERT_EQ(ed.level(), states[k - 1]) << k;
    }
    EXPECT_FALSE(ed.undo());
    for (std::size_t k = 1; k < states.size(); ++k) {
        ASSERT_TRUE(ed.redo());
        ASSERT_EQ(ed.level(), states[k]) << k;
    }
    EXPECT_FALSE(ed.redo());

    // A new step after undoing drops what could be redone.
    ed.undo();
    ed.line(1, 1, 1, 5, kEmpty);
    EXPECT_FALSE(ed.canRedo());
}

TEST(LevelEditorHistory, KeepsTheNewestStepsOnly)
{
    LevelEditor ed;
    for (int i = 0; i < int(EditHistory::kDepth) + 20; ++i)
        ed.line(1 + i % 18, 1, 1 + i % 18, 13, (i / 18) % 2 ? kGold : kStone);
    EXPECT_EQ(ed.undoDepth(), EditHistory::kDepth);
    while (ed.undo()) {
    }
    EXPECT_NE(ed.level(), LevelEditor().level()); // the oldest steps are forgotten
}

TEST(LevelEditorResize, KeepsWhatFitsAndWallsTheNewBorder)
{
    LevelEditor ed;
    ed.line(2, 2, 10, 2, kGold);
    ed.placeStart(15, 10);
    ed.paintBlock(17, 12, 3); // block (3, 2)
    ed.resize(30, 20);
    const EditLevel& big = ed.level();
    EXPECT_EQ(big.width, 30);
    EXPECT_EQ(big.height, 20);
    EXPECT_EQ(row(big, 2, 1, 11), ":$$$$$$$$$:");
    EXPECT_EQ(row(big, 5, 18, 29), ":#:::::::::#"); // the old right border stays, the new one is a wall
    EXPECT_EQ(row(big, 19, 0, 29), std::string(30, '#'));
    EXPECT_EQ(big.props.startX, 15);
    EXPECT_EQ(big.blocks.size(), 6u * 4u);
    EXPECT_EQ(big.blocks[2 * 6 + 3], 3);

    ed.resize(12, 8); // clamped to 20 x 15
    EXPECT_EQ(ed.level().width, 20);
    EXPECT_EQ(ed.level().height, 15);
    ed.resize(1000, 1000);
    EXPECT_EQ(ed.level().width, kMaxEditWidth);
    EXPECT_EQ(ed.level().height, kMaxEditHeight);
    EXPECT_EQ(ed.level().at(5, 2), kGold);
    ed.undo();
    ed.undo();
    EXPECT_EQ(ed.level().width, 30);

    ed.resize(20, 15);
    ed.resize(20, 15); // no change, no step
    const std::size_t steps = ed.undoDepth();
    ed.placeStart(3, 3);
    ed.resize(30, 20);
    ed.placeStart(25, 15);
    ed.resize(20, 15); // the start no longer fits
    EXPECT_FALSE(ed.level().props.hasStart());
    EXPECT_EQ(ed.undoDepth(), steps + 4);
}

TEST(LevelEditorChecks, ReadableLinesFromTheLevelChecker)
{
    LevelEditor ed;
    const auto has = [&](const std::string& line) {
        const auto c = editChecks(ed.level());
        return std::find(c.begin(), c.end(), line) != c.end();
    };
    EXPECT_EQ(editChecks(ed.level()), std::vector<std::string>{"no start position"});
    ed.rectangle(2, 2, 11, 2, kGold, false);
    LevelProps p = ed.level().props;
    p.goldGoalOn = true;
    p.goldGoal = 12;
    p.killGoalOn = true;
    p.killGoal = 1;
    ed.setProps(p);
    EXPECT_TRUE(has("the gold goal is 12 but there are 10 nuggets"));
    EXPECT_TRUE(has("the kill goal is 1 but there are 0 enemies"));
    ed.line(3, 5, 3, 5, Brush{KindEgg, 0});
    ed.placeStart(2, 3);
    p = ed.level().props;
    p.goldGoal = 10;
    ed.setProps(p);
    EXPECT_TRUE(editChecks(ed.level()).empty());
    ed.placeStart(15, 3); // 20 - 8 = 12 is the last column the first view allows
    EXPECT_EQ(editChecks(ed.level()).size(), 1u);
    ed.line(0, 7, 0, 7, kEarth);
    EXPECT_TRUE(has("1 border cells are not walls, the first at (0, 7)"));
    ed.resize(200, 200); // the largest level passes by size, and the start is far from the edge now
    EXPECT_EQ(editChecks(ed.level()), std::vector<std::string>{"1 border cells are not walls, the first at (0, 7)"});
}

} // namespace
} // namespace burrowix
