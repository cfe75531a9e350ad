#pragma once
// What the editor screen calls in the parts built beside it: the properties panel (title, hint,
// theme, goals, size), the work-in-progress file and test play. Each is a function pointer that
// stays null until its part registers itself, and the screen leaves the action out while it is.

#include "editor/edit_level.hpp"

namespace burrowix {

struct EditorPanelHooks {
    // Opens the properties panel over the editor for `level`'s props and size; the panel applies
    // what the player confirms through the editor (setProps, resize).
    void (*openProperties)(class LevelEditor& editor) = nullptr;
    // Keeps the level being edited, so it is there again after the editor is left or the program
    // closes; and reads it back (false when there is none).
    void (*keepWorkInProgress)(const EditLevel& level, int ownIndex) = nullptr;
    bool (*readWorkInProgress)(EditLevel& level, int& ownIndex) = nullptr;
    // Starts test play of `level` at `difficulty` (0 easy .. 2 hard); Esc there comes back to the
    // editor screen.
    void (*startTestPlay)(const EditLevel& level, int difficulty) = nullptr;
};

extern EditorPanelHooks editorPanelHooks;

} // namespace burrowix
