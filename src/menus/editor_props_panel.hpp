#pragma once
// The editor's properties panel: a board over the dimmed editor screen for the level's title and
// hint, its theme, the gold and kill goals (each on or off, with an amount 0..99) and its size
// (20..200 across, 15..200 down). Changes stay in the panel until OK: a new size is applied by
// LevelEditor::resize and the props by LevelEditor::setProps, one undo step each; Esc or Cancel
// drops them.
//
// While it is open the panel takes every key, character and mouse message:
//   Tab, Down / Up      the next / previous field (Left and Right too on the OK and Cancel row)
//   Left / Right        in a text: the caret; on the theme, a goal or a size: one less / more
//   Page Down / Up      ten less / more; digits type an amount, Backspace takes one back
//   Home / End, Delete  in a text: the caret to an end, the character after it taken out
//   Space               switches the focused goal on or off, presses the focused button
//   Enter               OK (the settings as they stand)             Esc   Cancel
// The gamepad's d-pad, A, Start, B and X arrive as the arrows, Space, Enter, Esc and Tab. The mouse
// clicks fields, the check boxes, the -/+ and arrow buttons and OK and Cancel; its wheel turns the
// value under the pointer.

#include <array>
#include <cstdint>
#include <string>

#include "editor/edit_level.hpp"
#include "editor/level_editor.hpp"
#include "platform/system/messages.hpp"

namespace burrowix {

class Surface;

enum class PropsField { Title, Hint, Theme, GoldGoal, KillGoal, Width, Height, Ok, Cancel };
inline constexpr int kPropsFieldCount = 9;

inline constexpr std::int32_t kMaxGoal = 99;

struct EditorPropsPanel {
    bool open = false;
    // The settings as they are being edited.
    LevelProps props;
    std::int32_t width = kMinEditWidth, height = kMinEditHeight;
    PropsField focus = PropsField::Title;
    // The caret in the title and in the hint: the number of characters before it.
    std::array<std::size_t, 2> caret{};
    // The digits typed into the focused amount, shown until the focus leaves it or OK; "" for none.
    std::string typed;
    // The themes as the theme packs call them.
    std::array<std::string, kEditThemes> themeNames;
    // Set by the first key-down after opening: a character before it belongs to the key that
    // opened the panel (a shortcut of the screen) and is not typed.
    bool keyDownSeen = false;
    // Where the pointer is, for the hover looks.
    int pointerX = -1, pointerY = -1;
};

// Opens the panel on the editor's level: its props and size, the focus on the title.
void openEditorProps(EditorPropsPanel& panel, const LevelEditor& editor);

// One message for the open panel: true when the panel took it (every key, character and mouse
// message while it is open), false when it is closed. OK changes `editor` and closes the panel,
// Cancel closes it.
bool editorPropsEvent(EditorPropsPanel& panel, const Message& message, LevelEditor& editor);

// Draws the open panel over the screen's picture in `target`: the dimming, the board, the fields.
void drawEditorProps(const EditorPropsPanel& panel, Surface& target);

} // namespace burrowix
