#include "menus/editor_toolbar.hpp"

#include <string>

#include "editor/edit_palette.hpp"
#include "menus/editor_tiles.hpp"
#include "platform/display/blit.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"

namespace burrowix {

namespace {

constexpr std::uint32_t kBarColor = 0x1A120C, kButtonColor = 0x3A2A1C, kChosenColor = 0x6A4A2C,
                        kTextColor = 0xE8D8C0, kKeyColor = 0x40C8FF, kFrameColor = 0xFFFFFF;

// One toolbar button: a tool, or a command with its key's caption.
struct ToolButton {
    int x, y, width;
    const char* label;
    const char* key;
    bool isTool;
    EditTool tool;
    EditorCommand command;
};
constexpr int kRowHeight = 26, kRow1 = 2, kRow2 = 29, kRow3 = 56;
constexpr ToolButton kButtons[] = {
    {2, kRow1, 96, "Draw", "D", true, EditTool::Draw, {}},
    {102, kRow1, 96, "Line", "L", true, EditTool::Line, {}},
    {202, kRow1, 96, "Rect", "R", true, EditTool::Rectangle, {}},
    {302, kRow1, 96, "Filled", "E", true, EditTool::FilledRectangle, {}},
    {402, kRow1, 96, "Fill", "F", true, EditTool::Fill, {}},
    {502, kRow1, 96, "Pick", "P", true, EditTool::Pick, {}},
    {602, kRow1, 96, "Start", "S", true, EditTool::Start, {}},
    {702, kRow1, 96, "Block", "B", true, EditTool::Block, {}},
    {2, kRow2, 129, "Undo", "Ctrl+Z", false, {}, EditorCommand::Undo},
    {135, kRow2, 129, "Redo", "Ctrl+Y", false, {}, EditorCommand::Redo},
    {268, kRow2, 129, "Zoom", "Z", false, {}, EditorCommand::Zoom},
    {401, kRow2, 129, "Save", "Ctrl+S", false, {}, EditorCommand::Save},
    {534, kRow2, 129, "Export", "X", false, {}, EditorCommand::Export},
    {667, kRow2, 131, "Open", "O", false, {}, EditorCommand::Open},
    {2, kRow3, 156, "New", "N", false, {}, EditorCommand::New},
    {162, kRow3, 156, "", "W", false, {}, EditorCommand::Size},
    {322, kRow3, 156, "Props", "I", false, {}, EditorCommand::Properties},
    {482, kRow3, 156, "", "K", false, {}, EditorCommand::Difficulty},
    {642, kRow3, 156, "Test", "T", false, {}, EditorCommand::TestPlay},
};

// The palette's grid beside the view.
constexpr int kPaletteX = 608, kPaletteY = 90, kPitch = 44, kColumns = 4, kTile = 40;

// What palette entry `i` is: a cell of editPalette(), then the start, then the five looks.
enum class EntryKind { Cell, Start, Look };
struct Entry {
    EntryKind kind;
    std::size_t index;
};
Entry entryAt(std::size_t i)
{
    const std::size_t cells = editPalette().size();
    if (i < cells)
        return {EntryKind::Cell, i};
    if (i == cells)
        return {EntryKind::Start, 0};
    return {EntryKind::Look, i - cells - 1};
}
std::size_t entryCount()
{
    return editPalette().size() + 1 + std::size_t(kBlockLooks);
}

bool chosen(const EditorScreenState& s, Entry e)
{
    switch (e.kind) {
    case EntryKind::Cell:
        return s.tool != EditTool::Start && s.tool != EditTool::Block && editPalette()[e.index].brush == s.brush;
    case EntryKind::Start: return s.tool == EditTool::Start;
    case EntryKind::Look: return s.tool == EditTool::Block && std::int32_t(e.index) == s.blockLook;
    }
    return false;
}

std::string caption(const EditorScreenState& s, const ToolButton& b)
{
    if (b.isTool)
        return b.label;
    if (b.command == EditorCommand::Size)
        return "Size " + std::to_string(s.newWidth) + "x" + std::to_string(s.newHeight);
    if (b.command == EditorCommand::Difficulty) {
        std::string name = difficultyName(s.difficulty);
        name[0] = char(name[0] - 'a' + 'A');
        return "Play " + name;
    }
    return b.label;
}

void frame(Surface* target, int x, int y, int w, int h, std::uint32_t color)
{
    const Rect sides[] = {{x, y, x + w, y + 2}, {x, y + h - 2, x + w, y + h}, {x, y, x + 2, y + h}, {x + w - 2, y, x + w, y + h}};
    for (const Rect& r : sides)
        fillRect(target, &r, color);
}

} // namespace

void drawEditorToolbar(const EditorScreenState& s, Surface* target)
{
    const Rect bar{0, 0, 800, kRow3 + kRowHeight + 1};
    fillRect(target, &bar, kBarColor);
    for (const ToolButton& b : kButtons) {
        const Rect r{b.x, b.y, b.x + b.width, b.y + kRowHeight - 1};
        fillRect(target, &r, b.isTool && s.tool == b.tool ? kChosenColor : kButtonColor);
        const std::string text = caption(s, b);
        const int keyWidth = textWidth(kFontSmall, b.key);
        const int textX = b.x + (b.width - keyWidth - 4 - textWidth(kFontSmall, text.c_str())) / 2;
        const int midY = b.y + kRowHeight / 2;
        drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, target, textX, midY, text.c_str(), kTextColor);
        drawText(kFontSmall, 0, 1, kAlignEnd, kAlignCentre, target, b.x + b.width - 4, midY, b.key, kKeyColor);
    }
}

void drawEditorPalette(const EditorScreenState& s, const EditorTiles& tiles, Surface* target)
{
    const Rect panel{kPaletteX - 6, kPaletteY - 4, 800, 536};
    fillRect(target, &panel, kBarColor);
    for (std::size_t i = 0; i < entryCount(); ++i) {
        const Entry e = entryAt(i);
        const int x = kPaletteX + int(i % kColumns) * kPitch, y = kPaletteY + int(i / kColumns) * kPitch;
        const Rect square{x, y, x + kTile, y + kTile};
        fillRect(target, &square, 0x000000);
        const Surface* tile = e.kind == EntryKind::Cell    ? tiles.cell(editPalette()[e.index].brush, kTile)
                              : e.kind == EntryKind::Start ? tiles.start(kTile)
                                                           : nullptr;
        if (e.kind == EntryKind::Look) {
            // The look's top-left corner, a cell's worth of it.
            const Rect part{0, 0, kTile, kTile};
            if (const Surface* block = tiles.block(std::int32_t(e.index), kTile))
                blitFast(target, x, y, block, &part, false);
            const std::string n = std::to_string(e.index);
            drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, target, x + kTile / 2, y + kTile / 2, n.c_str(),
                     kTextColor);
        } else if (tile) {
            blitFast(target, x, y, tile, nullptr, true);
        }
        if (chosen(s, e))
            frame(target, x - 3, y - 3, kTile + 6, kTile + 6, kFrameColor);
    }
}

bool editorToolbarClick(EditorScreenState& s, int x, int y)
{
    for (const ToolButton& b : kButtons) {
        if (x < b.x || x >= b.x + b.width || y < b.y || y >= b.y + kRowHeight)
            continue;
        if (b.isTool) {
            s.tool = b.tool;
            s.shaping = false;
        } else {
            runEditorCommand(s, b.command);
        }
        return true;
    }
    return y < kRow3 + kRowHeight;
}

bool editorPaletteClick(EditorScreenState& s, int x, int y)
{
    if (x < kPaletteX || y < kPaletteY)
        return false;
    const std::size_t col = std::size_t((x - kPaletteX) / kPitch), row = std::size_t((y - kPaletteY) / kPitch);
    if (col >= std::size_t(kColumns) || (x - kPaletteX) % kPitch >= kTile || (y - kPaletteY) % kPitch >= kTile)
        return x >= kPaletteX;
    const std::size_t i = row * std::size_t(kColumns) + col;
    if (i >= entryCount())
        return true;
    const Entry e = entryAt(i);
    switch (e.kind) {
    case EntryKind::Cell:
        s.brush = editPalette()[e.index].brush;
        if (s.tool == EditTool::Start || s.tool == EditTool::Block || s.tool == EditTool::Pick)
            s.tool = EditTool::Draw;
        break;
    case EntryKind::Start: s.tool = EditTool::Start; break;
    case EntryKind::Look:
        s.tool = EditTool::Block;
        s.blockLook = std::int32_t(e.index);
        break;
    }
    return true;
}

} // namespace burrowix
