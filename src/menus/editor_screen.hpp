#pragma once
// The editor screen's parts that the bench and tests reach: composing its whole picture.

namespace burrowix {

class Surface;

// Draws the whole editor screen (toolbar, level view, palette, status and check lines) from
// `editorScreen`, with the tiles built.
void drawEditorScreen(Surface* target);

// Keeps the editor's work in progress, once it was opened in this run (the close work calls it).
void keepEditorWork();

} // namespace burrowix
