#pragma once
// The editor's tools and commands on the state: what a press and a release in the view do with the
// tool in hand, and the one-key shortcuts.

#include <cstdint>

#include "menus/editor_state.hpp"

namespace burrowix {

// The tool's name as the toolbar and the status line show it.
const char* toolName(EditTool tool);

// A left press on cell (x, y) of the level: a stroke begins, a shape is anchored, or the one-click
// tools (fill, pick, start, block) act at once.
void editorToolDown(EditorScreenState& s, std::int32_t x, std::int32_t y);
// The release ends a stroke, or draws the line or rectangle to (x, y) (to the last cell the pointer
// was on when it is off the level).
void editorToolUp(EditorScreenState& s, std::int32_t x, std::int32_t y);

// The commands the toolbar and the keys share.
enum class EditorCommand { Undo, Redo, Zoom, Save, Export, Open, New, Size, Properties, Difficulty, TestPlay };
void runEditorCommand(EditorScreenState& s, EditorCommand command);
// A key's tool or command; false when the key is none of them.
bool editorShortcut(EditorScreenState& s, std::uint32_t key, bool control);

// The names of the test play difficulties, 0 easy .. 2 hard.
const char* difficultyName(int difficulty);

} // namespace burrowix
