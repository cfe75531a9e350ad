#include "editor/edit_history.hpp"

namespace burrowix {

void EditStep::undo(EditLevel& level) const
{
    if (levelBefore) {
        level = *levelBefore;
        return;
    }
    // Backwards, so a cell changed twice in one step ends as it was before the first change.
    for (auto c = cells.rbegin(); c != cells.rend(); ++c)
        level.cells[std::size_t(c->index)] = c->before;
    for (auto b = blocks.rbegin(); b != blocks.rend(); ++b)
        level.blocks[std::size_t(b->index)] = b->before;
    if (propsBefore)
        level.props = *propsBefore;
}

void EditStep::redo(EditLevel& level) const
{
    if (levelAfter) {
        level = *levelAfter;
        return;
    }
    for (const CellChange& c : cells)
        level.cells[std::size_t(c.index)] = c.after;
    for (const BlockChange& b : blocks)
        level.blocks[std::size_t(b.index)] = b.after;
    if (propsAfter)
        level.props = *propsAfter;
}

void EditHistory::push(EditStep step)
{
    if (step.empty())
        return;
    undone_.clear();
    done_.push_back(std::move(step));
    while (done_.size() > kDepth)
        done_.pop_front();
}

bool EditHistory::undo(EditLevel& level)
{
    if (done_.empty())
        return false;
    done_.back().undo(level);
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

bool EditHistory::redo(EditLevel& level)
{
    if (undone_.empty())
        return false;
    undone_.back().redo(level);
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return true;
}

void EditHistory::clear()
{
    done_.clear();
    undone_.clear();
}

} // namespace burrowix
