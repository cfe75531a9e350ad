#pragma once
// The level being edited and the tools that change it: draw (a stroke of cells joined by lines),
// line, rectangle, fill, pick, the start position, background blocks, the props and resizing. Every
// stroke or command is one undo step; cells outside the level are skipped.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/edit_history.hpp"
#include "editor/edit_level.hpp"

namespace burrowix {

class LevelEditor {
public:
    LevelEditor() : level_(blankLevel(kMinEditWidth, kMinEditHeight)) {}
    explicit LevelEditor(EditLevel level) : level_(std::move(level)) {}

    const EditLevel& level() const { return level_; }
    // Starts over with `level`; the history is forgotten.
    void load(EditLevel level);

    // Draw: a stroke paints every cell the pointer passes, the gaps between its points joined by
    // lines, and ends as one step.
    void beginStroke(std::int32_t x, std::int32_t y, Brush brush);
    void strokeTo(std::int32_t x, std::int32_t y);
    void endStroke();
    bool inStroke() const { return stroke_.has_value(); }

    void line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, Brush brush);
    // The rectangle with these corners, its outline or filled.
    void rectangle(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, Brush brush, bool filled);
    // Every cell joined to (x, y) through sides that holds what (x, y) holds.
    void fill(std::int32_t x, std::int32_t y, Brush brush);
    // What the cell holds; nullopt outside the level.
    std::optional<Brush> pick(std::int32_t x, std::int32_t y) const;

    // The digger starts at (x, y), which is emptied for him.
    void placeStart(std::int32_t x, std::int32_t y);
    // The background block over cell (x, y) shows `look`.
    void paintBlock(std::int32_t x, std::int32_t y, std::int32_t look);
    // New props, made safe (sanitizedProps).
    void setProps(const LevelProps& props);
    // The level at another size (resizedLevel).
    void resize(std::int32_t width, std::int32_t height);

    bool undo();
    bool redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::size_t undoDepth() const { return history_.undoDepth(); }

    // Counts every change, undo and redo, so a view or the checks know when to look again.
    std::uint64_t revision() const { return revision_; }

private:
    // Paints one cell into `step`, when it is inside and holds something else.
    void paint(EditStep& step, std::int32_t x, std::int32_t y, Brush brush);
    void paintLine(EditStep& step, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, Brush brush);
    void commit(EditStep step);

    struct Stroke {
        EditStep step;
        std::int32_t x, y;
        Brush brush;
    };

    EditLevel level_;
    EditHistory history_;
    std::optional<Stroke> stroke_;
    std::uint64_t revision_ = 0;
};

} // namespace burrowix
