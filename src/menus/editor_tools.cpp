#include "menus/editor_tools.hpp"

#include <cctype>
#include <iterator>

#include "app/test_play.hpp"
#include "menus/editor_saving.hpp"
#include "menus/editor_view.hpp"
#include "platform/system/messages.hpp"

namespace burrowix {

namespace {

struct ToolKey {
    EditTool tool;
    char key;
    const char* name;
};
constexpr ToolKey kToolKeys[] = {
    {EditTool::Draw, 'D', "draw"},   {EditTool::Line, 'L', "line"},
    {EditTool::Rectangle, 'R', "rectangle"}, {EditTool::FilledRectangle, 'E', "filled rectangle"},
    {EditTool::Fill, 'F', "fill"},   {EditTool::Pick, 'P', "pick"},
    {EditTool::Start, 'S', "start"}, {EditTool::Block, 'B', "block"},
};

struct CommandKey {
    EditorCommand command;
    char key;
    bool control;
};
constexpr CommandKey kCommandKeys[] = {
    {EditorCommand::Undo, 'Z', true},      {EditorCommand::Redo, 'Y', true},  {EditorCommand::Save, 'S', true},
    {EditorCommand::Zoom, 'Z', false},     {EditorCommand::Export, 'X', false}, {EditorCommand::Open, 'O', false},
    {EditorCommand::New, 'N', false},      {EditorCommand::Size, 'W', false}, {EditorCommand::Properties, 'I', false},
    {EditorCommand::Difficulty, 'K', false}, {EditorCommand::TestPlay, 'T', false},
};

// The sizes "New" makes, in the order the size command steps through them.
struct NewSize {
    std::int32_t width, height;
};
constexpr NewSize kNewSizes[] = {{20, 15}, {40, 22}, {60, 40}, {100, 100}, {200, 200}};

void testPlay(EditorScreenState& s)
{
    s.message = startTestPlay(s.editor.level(), s.difficulty, -1, s.ownIndex < 0 ? 0 : s.ownIndex);
}

void nextNewSize(EditorScreenState& s)
{
    std::size_t next = 0;
    for (std::size_t i = 0; i < std::size(kNewSizes); ++i)
        if (kNewSizes[i].width == s.newWidth && kNewSizes[i].height == s.newHeight)
            next = (i + 1) % std::size(kNewSizes);
    s.newWidth = kNewSizes[next].width;
    s.newHeight = kNewSizes[next].height;
    s.message = "New makes " + std::to_string(s.newWidth) + " x " + std::to_string(s.newHeight);
}

} // namespace

const char* toolName(EditTool tool)
{
    for (const ToolKey& t : kToolKeys)
        if (t.tool == tool)
            return t.name;
    return "";
}

const char* difficultyName(int difficulty)
{
    static constexpr const char* kNames[] = {"easy", "medium", "hard"};
    return difficulty >= 0 && difficulty < 3 ? kNames[difficulty] : "";
}

void editorToolDown(EditorScreenState& s, std::int32_t x, std::int32_t y)
{
    LevelEditor& e = s.editor;
    switch (s.tool) {
    case EditTool::Draw: e.beginStroke(x, y, s.brush); break;
    case EditTool::Line:
    case EditTool::Rectangle:
    case EditTool::FilledRectangle:
        s.shaping = true;
        s.anchorX = x;
        s.anchorY = y;
        break;
    case EditTool::Fill: e.fill(x, y, s.brush); break;
    case EditTool::Pick:
        if (auto held = e.pick(x, y)) {
            s.brush = *held;
            s.tool = EditTool::Draw;
        }
        break;
    case EditTool::Start: e.placeStart(x, y); break;
    case EditTool::Block: e.paintBlock(x, y, s.blockLook); break;
    }
}

void editorToolUp(EditorScreenState& s, std::int32_t x, std::int32_t y)
{
    LevelEditor& e = s.editor;
    if (e.inStroke()) {
        e.endStroke();
        return;
    }
    if (!s.shaping)
        return;
    s.shaping = false;
    if (!e.level().inside(x, y))
        return;
    if (s.tool == EditTool::Line)
        e.line(s.anchorX, s.anchorY, x, y, s.brush);
    else if (s.tool == EditTool::Rectangle || s.tool == EditTool::FilledRectangle)
        e.rectangle(s.anchorX, s.anchorY, x, y, s.brush, s.tool == EditTool::FilledRectangle);
}

void runEditorCommand(EditorScreenState& s, EditorCommand command)
{
    // Starting over on another level asks first when this one has unsaved changes: the same
    // command again goes ahead.
    const bool startsOver = command == EditorCommand::New || command == EditorCommand::Open;
    if (startsOver && unsavedChanges(s) && s.discardAsked != int(command)) {
        s.discardAsked = int(command);
        s.message = std::string("unsaved changes: ") + (command == EditorCommand::New ? "N" : "O") +
                    " again discards them, Ctrl+S saves";
        return;
    }
    s.discardAsked = -1;
    switch (command) {
    case EditorCommand::Undo: s.editor.undo(); break;
    case EditorCommand::Redo: s.editor.redo(); break;
    case EditorCommand::Zoom: cycleEditorZoom(s); break;
    case EditorCommand::Save: saveEditedLevel(s); break;
    case EditorCommand::Export: exportEditedLevel(s); break;
    case EditorCommand::Open: openNextOwnLevel(s); break;
    case EditorCommand::New: newBlankLevel(s); break;
    case EditorCommand::Size: nextNewSize(s); break;
    case EditorCommand::Properties:
        openEditorProps(s.props, s.editor);
        break;
    case EditorCommand::Difficulty: s.difficulty = (s.difficulty + 1) % 3; break;
    case EditorCommand::TestPlay: testPlay(s); break;
    }
    clampEditorScroll(s);
}

bool editorShortcut(EditorScreenState& s, std::uint32_t key, bool control)
{
    for (const CommandKey& c : kCommandKeys)
        if (std::uint32_t(c.key) == key && c.control == control) {
            runEditorCommand(s, c.command);
            return true;
        }
    if (control)
        return false;
    for (const ToolKey& t : kToolKeys)
        if (std::uint32_t(t.key) == key) {
            s.tool = t.tool;
            s.shaping = false;
            return true;
        }
    return false;
}

} // namespace burrowix
