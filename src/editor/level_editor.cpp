#include "editor/level_editor.hpp"

#include <algorithm>
#include <cstdlib>

namespace burrowix {

void LevelEditor::load(EditLevel level)
{
    stroke_.reset();
    history_.clear();
    level_ = std::move(level);
    ++revision_;
}

void LevelEditor::paint(EditStep& step, std::int32_t x, std::int32_t y, Brush brush)
{
    if (!level_.inside(x, y))
        return;
    Brush& cell = level_.cells[level_.index(x, y)];
    brush = storedBrush(brush.kind, brush.param);
    if (cell == brush)
        return;
    step.cells.push_back({std::int32_t(level_.index(x, y)), cell, brush});
    cell = brush;
}

void LevelEditor::paintLine(EditStep& step, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                            Brush brush)
{
    // Ends far outside the level are pulled in first, so a wild point costs a few hundred steps at
    // most; the cells outside are skipped anyway.
    const auto near = [](std::int32_t v, std::int32_t size) { return std::clamp(v, -size, 2 * size); };
    x0 = near(x0, level_.width), x1 = near(x1, level_.width);
    y0 = near(y0, level_.height), y1 = near(y1, level_.height);
    // Every cell of the line, each step going to the neighbour (sideways or diagonal) nearest to it.
    const std::int64_t dx = std::abs(std::int64_t(x1) - x0), dy = -std::abs(std::int64_t(y1) - y0);
    const std::int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    std::int64_t err = dx + dy;
    for (;;) {
        paint(step, x0, y0, brush);
        if (x0 == x1 && y0 == y1)
            return;
        const std::int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void LevelEditor::commit(EditStep step)
{
    if (step.empty())
        return;
    history_.push(std::move(step));
    ++revision_;
}

void LevelEditor::beginStroke(std::int32_t x, std::int32_t y, Brush brush)
{
    endStroke();
    stroke_ = Stroke{{}, x, y, brush};
    paint(stroke_->step, x, y, brush);
    ++revision_;
}

void LevelEditor::strokeTo(std::int32_t x, std::int32_t y)
{
    if (!stroke_)
        return;
    paintLine(stroke_->step, stroke_->x, stroke_->y, x, y, stroke_->brush);
    stroke_->x = x;
    stroke_->y = y;
    ++revision_;
}

void LevelEditor::endStroke()
{
    if (!stroke_)
        return;
    EditStep step = std::move(stroke_->step);
    stroke_.reset();
    commit(std::move(step));
}

void LevelEditor::line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, Brush brush)
{
    endStroke();
    EditStep step;
    paintLine(step, x0, y0, x1, y1, brush);
    commit(std::move(step));
}

void LevelEditor::rectangle(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, Brush brush,
                            bool filled)
{
    endStroke();
    EditStep step;
    const std::int32_t left = std::min(x0, x1), right = std::max(x0, x1);
    const std::int32_t top = std::min(y0, y1), bottom = std::max(y0, y1);
    const std::int32_t fromX = std::max(left, 0), toX = std::min(right, level_.width - 1);
    const std::int32_t fromY = std::max(top, 0), toY = std::min(bottom, level_.height - 1);
    for (std::int32_t y = fromY; y <= toY; ++y)
        for (std::int32_t x = fromX; x <= toX; ++x)
            if (filled || x == left || x == right || y == top || y == bottom)
                paint(step, x, y, brush);
    commit(std::move(step));
}

void LevelEditor::fill(std::int32_t x, std::int32_t y, Brush brush)
{
    endStroke();
    if (!level_.inside(x, y))
        return;
    const Brush from = level_.at(x, y);
    if (from == storedBrush(brush.kind, brush.param))
        return;
    EditStep step;
    // Cells are painted as they are found, so each one enters the list once.
    std::vector<std::pair<std::int32_t, std::int32_t>> todo{{x, y}};
    paint(step, x, y, brush);
    const auto visit = [&](std::int32_t nx, std::int32_t ny) {
        if (level_.inside(nx, ny) && level_.at(nx, ny) == from) {
            paint(step, nx, ny, brush);
            todo.emplace_back(nx, ny);
        }
    };
    while (!todo.empty()) {
        const auto [cx, cy] = todo.back();
        todo.pop_back();
        visit(cx + 1, cy);
        visit(cx - 1, cy);
        visit(cx, cy + 1);
        visit(cx, cy - 1);
    }
    commit(std::move(step));
}

std::optional<Brush> LevelEditor::pick(std::int32_t x, std::int32_t y) const
{
    if (!level_.inside(x, y))
        return std::nullopt;
    return level_.at(x, y);
}

void LevelEditor::placeStart(std::int32_t x, std::int32_t y)
{
    endStroke();
    if (!level_.inside(x, y))
        return;
    EditStep step;
    paint(step, x, y, Brush{KindEmpty, 0});
    if (level_.props.startX != x || level_.props.startY != y) {
        step.propsBefore = level_.props;
        level_.props.startX = x;
        level_.props.startY = y;
        step.propsAfter = level_.props;
    }
    commit(std::move(step));
}

void LevelEditor::paintBlock(std::int32_t x, std::int32_t y, std::int32_t look)
{
    endStroke();
    if (!level_.inside(x, y) || look < 0 || look >= kBlockLooks)
        return;
    const std::int32_t b = (y / kBlockCells) * level_.blocksAcross() + x / kBlockCells;
    std::int32_t& block = level_.blocks[std::size_t(b)];
    if (block == look)
        return;
    EditStep step;
    step.blocks.push_back({b, block, look});
    block = look;
    commit(std::move(step));
}

void LevelEditor::setProps(const LevelProps& props)
{
    endStroke();
    const LevelProps safe = sanitizedProps(props, level_.width, level_.height);
    if (safe == level_.props)
        return;
    EditStep step;
    step.propsBefore = level_.props;
    step.propsAfter = safe;
    level_.props = safe;
    commit(std::move(step));
}

void LevelEditor::resize(std::int32_t width, std::int32_t height)
{
    endStroke();
    EditLevel next = resizedLevel(level_, width, height);
    if (next == level_)
        return;
    EditStep step;
    step.levelBefore = std::make_shared<const EditLevel>(std::move(level_));
    level_ = std::move(next);
    step.levelAfter = std::make_shared<const EditLevel>(level_);
    commit(std::move(step));
}

bool LevelEditor::undo()
{
    endStroke();
    if (!history_.undo(level_))
        return false;
    ++revision_;
    return true;
}

bool LevelEditor::redo()
{
    endStroke();
    if (!history_.redo(level_))
        return false;
    ++revision_;
    return true;
}

} // namespace burrowix
