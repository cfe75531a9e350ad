#pragma once
// The editor's level view: where it lies on the screen, which cell a screen point shows, scrolling
// kept inside the level, the zoom steps, and drawing the part of the level the view shows.

#include <cstdint>

#include "platform/display/display_result.hpp"

namespace burrowix {

class Surface;
struct EditorScreenState;
class EditorTiles;

inline constexpr Rect kEditorViewRect{0, 84, 600, 536};

// The cell under screen point (x, y); false outside the view or the level.
bool editorCellAt(const EditorScreenState& s, int x, int y, std::int32_t& cx, std::int32_t& cy);
// The scroll kept so the view shows no more than one cell beyond the level's edges; a level smaller
// than the view is centred in it.
void clampEditorScroll(EditorScreenState& s);
// Scrolls by (dx, dy) pixels, clamped.
void scrollEditorView(EditorScreenState& s, int dx, int dy);
// The next zoom step (40, 20, 10, 40, ...), keeping the cell in the view's middle where it was.
void cycleEditorZoom(EditorScreenState& s);

// The background blocks, the cells, the start and the pointer's outline in the view; only the
// cells the view shows are drawn.
void drawEditorView(const EditorScreenState& s, const EditorTiles& tiles, Surface* target);

} // namespace burrowix
