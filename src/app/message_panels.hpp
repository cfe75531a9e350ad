#pragma once
// The five message panels of the game screen (controls, level start, exit, died, level complete):
// starting them, their shared drop / wobble / rise animation, their drawing piece by piece from
// "message.bmp" and "controls.bmp", what each does when it has risen away, and how keys and clicks
// move them on.

#include <cstdint>

#include "state/level_presentation_state.hpp"

namespace burrowix {

class Surface;

// The panel starts dropping from where the panel position is.
void StartPanel(PanelId which);

// Animates and draws the panels that are up, in the frame's order: level complete, died, exit,
// level start, controls. Runs the end action of a panel that has risen away.
void runMessagePanels(Surface* backBuffer);

// Draws panel kind 0 (level start), 1 (exit), 2 (died) or 3 (level complete) at (290, panelY).
void DrawMessagePanel(int kind, Surface* backBuffer);

// The see-through pattern over the whole screen behind a panel.
void drawDimming(Surface* backBuffer);

// The panel rules for a key-down on the game screen; true when a rule took the key.
bool panelKeyDown(std::uint32_t key);
// The same rules for a left click (without the exit panel's Enter and Esc).
bool panelMouseDown();

// Esc during play: the exit panel drops (or, when play was already frozen, rises again at once).
void openExitPanel();
// The exit panel's choice (its buttons, Enter and Esc): rise away, then leave for the level choice
// or go on playing.
void closeExitPanel(bool leaveLevel);

} // namespace burrowix
