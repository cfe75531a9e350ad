#include <gtest/gtest.h>

#include "menus/editor_state.hpp"
#include "menus/editor_view.hpp"

namespace burrowix {
namespace {

constexpr int kViewW = kEditorViewRect.right - kEditorViewRect.left;
constexpr int kViewH = kEditorViewRect.bottom - kEditorViewRect.top;

EditorScreenState editing(std::int32_t w, std::int32_t h, int cellSize)
{
    EditorScreenState s;
    s.editor.load(blankLevel(w, h));
    s.cellSize = cellSize;
    clampEditorScroll(s);
    return s;
}

TEST(EditorView, PointsMapToTheCellsUnderThemAtEveryZoomAndNothingOutsideTheLevel)
{
    EditorScreenState s = editing(100, 100, 40);
    s.scrollX = 85;
    s.scrollY = 40;
    clampEditorScroll(s);
    std::int32_t cx = 0, cy = 0;
    ASSERT_TRUE(editorCellAt(s, kEditorViewRect.left, kEditorViewRect.top, cx, cy));
    EXPECT_EQ(cx, 2);
    EXPECT_EQ(cy, 1);
    ASSERT_TRUE(editorCellAt(s, kEditorViewRect.left + 34, kEditorViewRect.top + 39, cx, cy));
    EXPECT_EQ(cx, 2) << "the last pixel of a cell still belongs to it";
    ASSERT_TRUE(editorCellAt(s, kEditorViewRect.left + 35, kEditorViewRect.top + 40, cx, cy));
    EXPECT_EQ(cx, 3);
    EXPECT_EQ(cy, 2);
    EXPECT_FALSE(editorCellAt(s, kEditorViewRect.right, kEditorViewRect.top + 5, cx, cy)) << "the palette";
    EXPECT_FALSE(editorCellAt(s, 10, kEditorViewRect.top - 1, cx, cy)) << "the toolbar";

    s.scrollX = s.scrollY = -1000;
    clampEditorScroll(s);
    EXPECT_EQ(s.scrollX, -40) << "one cell beyond the edge at most";
    EXPECT_FALSE(editorCellAt(s, kEditorViewRect.left + 10, kEditorViewRect.top + 10, cx, cy));
    EXPECT_EQ(cx, -1) << "left of the level is not column 0";

    EditorScreenState tiny = editing(20, 15, 10);
    EXPECT_EQ(tiny.scrollX, -(kViewW - 200) / 2) << "a small level stands centred";
    EXPECT_EQ(tiny.scrollY, -(kViewH - 150) / 2);
    ASSERT_TRUE(editorCellAt(tiny, kEditorViewRect.left + (kViewW - 200) / 2 + 199,
                             kEditorViewRect.top + (kViewH - 150) / 2, cx, cy));
    EXPECT_EQ(cx, 19);
    EXPECT_EQ(cy, 0);
}

TEST(EditorView, ScrollingStopsAtTheFarEdgesAndZoomKeepsTheMiddleCell)
{
    EditorScreenState s = editing(200, 200, 40);
    scrollEditorView(s, 100000, 100000);
    EXPECT_EQ(s.scrollX, 200 * 40 + 40 - kViewW);
    EXPECT_EQ(s.scrollY, 200 * 40 + 40 - kViewH);

    s.scrollX = 3000;
    s.scrollY = 2000;
    auto middle = [&] {
        std::int32_t cx = 0, cy = 0;
        editorCellAt(s, kEditorViewRect.left + kViewW / 2, kEditorViewRect.top + kViewH / 2, cx, cy);
        return std::pair{cx, cy};
    };
    const auto before = middle();
    cycleEditorZoom(s);
    EXPECT_EQ(s.cellSize, 20);
    EXPECT_EQ(middle(), before);
    cycleEditorZoom(s);
    EXPECT_EQ(s.cellSize, 10);
    EXPECT_EQ(middle(), before);
    cycleEditorZoom(s);
    EXPECT_EQ(s.cellSize, 40) << "the zoom comes round";
    EXPECT_EQ(middle(), before);
}

} // namespace
} // namespace burrowix
