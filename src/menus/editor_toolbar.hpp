#pragma once
// The editor's toolbar (the tools with their keys over the commands with theirs) and its palette
// (every cell the level may hold, the start, the five background looks): drawing and clicks.

#include "menus/editor_tools.hpp"

namespace burrowix {

class Surface;
class EditorTiles;

void drawEditorToolbar(const EditorScreenState& s, Surface* target);
void drawEditorPalette(const EditorScreenState& s, const EditorTiles& tiles, Surface* target);
// A click at (x, y): true when a button or palette entry was there and acted.
bool editorToolbarClick(EditorScreenState& s, int x, int y);
bool editorPaletteClick(EditorScreenState& s, int x, int y);

} // namespace burrowix
