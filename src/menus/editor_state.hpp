#pragma once
// The editor screen's state: the level being edited with its history, the tool and what it paints,
// the view's zoom and scroll, and where the level came from. It outlives the screen, so leaving for
// test play (or the main menu) and coming back finds the editor where it was.

#include <cstdint>
#include <string>

#include "editor/edit_work.hpp"
#include "editor/level_editor.hpp"
#include "menus/editor_props_panel.hpp"

namespace burrowix {

enum class EditTool : std::int32_t { Draw, Line, Rectangle, FilledRectangle, Fill, Pick, Start, Block };

// The zoom steps of the level view, in pixels per cell.
inline constexpr int kEditorZooms[] = {40, 20, 10};

struct EditorScreenState {
    LevelEditor editor;
    EditTool tool = EditTool::Draw;
    Brush brush{KindStone, 0};
    std::int32_t blockLook = 0;
    int cellSize = 40;
    // The properties panel over the screen (title, hint, theme, goals, size) while it is open.
    EditorPropsPanel props;
    // The work in progress in the player folder; read at the first entry, kept on leaving, at
    // close and a while after a change.
    EditWorkKeeper work;
    bool workOpened = false;
    // The level pixel (at the current cell size) shown at the view's top-left corner.
    int scrollX = 0, scrollY = 0;
    // The own level the edited one was opened from or last saved as; -1 for a level not saved yet.
    int ownIndex = -1;
    // The difficulty test play starts at (0 easy .. 2 hard).
    int difficulty = 1;
    // The theme pack selected when the editor was entered: put back on leaving, as the view
    // selects the edited level's own theme.
    int themeBefore = -1;
    // A blank level of this size is what "New" makes.
    std::int32_t newWidth = kMinEditWidth, newHeight = kMinEditHeight;

    // The view is being dragged with the right or middle button from this pointer and scroll.
    bool dragging = false;
    int dragX = 0, dragY = 0, dragScrollX = 0, dragScrollY = 0;
    // A line or rectangle waits for its second corner, held down from this cell.
    bool shaping = false;
    std::int32_t anchorX = 0, anchorY = 0;
    // The cell under the pointer; -1 off the level.
    std::int32_t hoverX = -1, hoverY = -1;

    // The check line as of `checkedRevision`, so the checks run once per change.
    std::uint64_t checkedRevision = ~std::uint64_t(0);
    std::string checkLine;
    // The outcome of the last save, export or open, shown under the checks.
    std::string message;
    // The level's revision when it was last saved, opened or made; another one has unsaved changes.
    std::uint64_t savedRevision = 0;
    // "New" or "Open" was refused once for unsaved changes; the same command again discards them.
    int discardAsked = -1;

    void reset() { *this = EditorScreenState{}; }
};

extern EditorScreenState editorScreen;

} // namespace burrowix
