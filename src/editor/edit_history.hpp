#pragma once
// The editor's undo and redo: one step per stroke or command, holding what it changed (cells, blocks,
// the props, or the whole level for a resize), so a step undoes and redoes exactly.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "editor/edit_level.hpp"

namespace burrowix {

struct CellChange {
    std::int32_t index;
    Brush before, after;
};

struct BlockChange {
    std::int32_t index;
    std::int32_t before, after;
};

struct EditStep {
    std::vector<CellChange> cells;
    std::vector<BlockChange> blocks;
    std::optional<LevelProps> propsBefore, propsAfter;
    std::shared_ptr<const EditLevel> levelBefore, levelAfter; ///< a step that replaced the whole level

    bool empty() const { return cells.empty() && blocks.empty() && !propsBefore && !levelBefore; }
    void undo(EditLevel& level) const;
    void redo(EditLevel& level) const;
};

class EditHistory {
public:
    // Steps kept for undo; older ones are forgotten.
    static constexpr std::size_t kDepth = 128;

    // Keeps a step that was already applied; the steps that could be redone are dropped.
    void push(EditStep step);
    bool undo(EditLevel& level);
    bool redo(EditLevel& level);
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    std::size_t undoDepth() const { return done_.size(); }
    void clear();

private:
    std::deque<EditStep> done_;
    std::vector<EditStep> undone_;
};

} // namespace burrowix
