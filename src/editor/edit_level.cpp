#include "editor/edit_level.hpp"

#include <algorithm>

namespace burrowix {

namespace {

std::int32_t clampWidth(std::int32_t w) { return std::clamp(w, kMinEditWidth, kMaxEditWidth); }
std::int32_t clampHeight(std::int32_t h) { return std::clamp(h, kMinEditHeight, kMaxEditHeight); }

// One line of at most kMaxNoteLength bytes without blanks round it: control characters become
// spaces. A source holds a note so, and reads it back the same.
std::string noteLine(const std::string& note)
{
    std::string out = note.substr(0, kMaxNoteLength);
    for (char& ch : out)
        if (std::uint8_t(ch) < 32 || ch == 127)
            ch = ' ';
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

} // namespace

EditLevel blankLevel(std::int32_t width, std::int32_t height)
{
    EditLevel level;
    level.width = clampWidth(width);
    level.height = clampHeight(height);
    level.cells.resize(std::size_t(level.width) * std::size_t(level.height));
    for (std::int32_t y = 0; y < level.height; ++y)
        for (std::int32_t x = 0; x < level.width; ++x) {
            const bool border = x == 0 || y == 0 || x == level.width - 1 || y == level.height - 1;
            level.cells[level.index(x, y)] = border ? kBorderWall : Brush{};
        }
    level.blocks.assign(std::size_t(level.blocksAcross()) * std::size_t(level.blocksDown()), 0);
    return level;
}

EditLevel resizedLevel(const EditLevel& level, std::int32_t width, std::int32_t height)
{
    EditLevel out = blankLevel(width, height);
    const std::int32_t keepW = std::min(out.width, level.width), keepH = std::min(out.height, level.height);
    for (std::int32_t y = 0; y < keepH; ++y)
        for (std::int32_t x = 0; x < keepW; ++x)
            out.cells[out.index(x, y)] = level.at(x, y);
    const std::int32_t keepAcross = std::min(out.blocksAcross(), level.blocksAcross());
    const std::int32_t keepDown = std::min(out.blocksDown(), level.blocksDown());
    for (std::int32_t by = 0; by < keepDown; ++by)
        for (std::int32_t bx = 0; bx < keepAcross; ++bx)
            out.blocks[std::size_t(by * out.blocksAcross() + bx)] = level.blocks[std::size_t(by * level.blocksAcross() + bx)];
    out.props = sanitizedProps(level.props, out.width, out.height);
    return out;
}

Brush storedBrush(std::int32_t kind, std::int32_t param)
{
    return {kind, kindHasParam(kind) ? param : 0};
}

LevelProps sanitizedProps(const LevelProps& props, std::int32_t width, std::int32_t height)
{
    LevelProps out = props;
    if (out.startX < 0 || out.startY < 0 || out.startX >= width || out.startY >= height)
        out.startX = out.startY = kNoStart;
    out.theme = std::clamp(out.theme, 0, kEditThemes - 1);
    out.goldGoal = std::clamp(out.goldGoal, 0, 99);
    out.killGoal = std::clamp(out.killGoal, 0, 99);
    out.title = noteLine(out.title);
    out.hint = noteLine(out.hint);
    return out;
}

LevelFile toLevelFile(const EditLevel& level)
{
    LevelFile file;
    file.width = level.width;
    file.height = level.height;
    file.kinds.reserve(level.cells.size());
    file.params.reserve(level.cells.size());
    for (const Brush& b : level.cells) {
        file.kinds.push_back(b.kind);
        file.params.push_back(kindHasParam(b.kind) ? b.param : 0);
    }
    file.blocks = level.blocks;
    const LevelProps& p = level.props;
    file.startX = p.startX;
    file.startY = p.startY;
    file.goldGoalOn = p.goldGoalOn;
    file.goldGoal = p.goldGoal;
    file.killGoalOn = p.killGoalOn;
    file.killGoal = p.killGoal;
    file.reserved1 = p.reserved1;
    file.reserved2 = p.reserved2;
    file.reserved3 = p.reserved3;
    return file;
}

LevelNotes toLevelNotes(const EditLevel& level)
{
    return {level.props.title, level.props.hint, level.props.theme};
}

std::optional<EditLevel> fromLevelFile(const LevelFile& file, const LevelNotes& notes, std::string& error)
{
    if (std::string problem = levelSizeProblem(file.width, file.height); !problem.empty()) {
        error = problem;
        return std::nullopt;
    }
    if (file.width > kMaxEditWidth || file.height > kMaxEditHeight) {
        error = "the level is " + std::to_string(file.width) + " x " + std::to_string(file.height) +
                " cells; the editor holds at most " + std::to_string(kMaxEditWidth) + " x " +
                std::to_string(kMaxEditHeight);
        return std::nullopt;
    }
    const std::size_t cells = std::size_t(file.width) * std::size_t(file.height);
    if (file.kinds.size() != cells || file.params.size() != cells) {
        error = "the level's cells do not fill its grid";
        return std::nullopt;
    }
    EditLevel level;
    level.width = file.width;
    level.height = file.height;
    level.cells.reserve(cells);
    for (std::size_t i = 0; i < cells; ++i)
        level.cells.push_back(storedBrush(file.kinds[i], file.params[i]));
    level.blocks.assign(std::size_t(level.blocksAcross()) * std::size_t(level.blocksDown()), 0);
    std::copy_n(file.blocks.begin(), std::min(file.blocks.size(), level.blocks.size()), level.blocks.begin());
    LevelProps& p = level.props;
    p.startX = file.startX;
    p.startY = file.startY;
    // Any switch but 0 reads as on, and goals are kept to 0..99 (sanitizedProps): what the editor
    // writes back can be won.
    p.goldGoalOn = file.goldGoalOn != 0;
    p.goldGoal = file.goldGoal;
    p.killGoalOn = file.killGoalOn != 0;
    p.killGoal = file.killGoal;
    p.title = notes.title;
    p.hint = notes.hint;
    p.theme = notes.theme < 0 ? 0 : notes.theme;
    p.reserved1 = file.reserved1;
    p.reserved2 = file.reserved2;
    p.reserved3 = file.reserved3;
    p = sanitizedProps(p, level.width, level.height);
    return level;
}

} // namespace burrowix
