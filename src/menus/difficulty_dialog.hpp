#pragma once
// The difficulty dialog of the level choice: it drops in on a rope over a dimmed still picture of
// the screen the first time the level choice is visited, and its three buttons choose the
// difficulty once for good (the choice is kept in "score.dat").

namespace burrowix {

class Surface;

// One frame of the open dialog: the still picture, the dimming, the drop and wobble, the pieces.
void drawDifficultyDialog(Surface* backBuffer);
// Shows the three difficulty buttons where the panel is.
void showDifficultyButtons();
// The click of a difficulty button: `difficulty` chosen, the dialog closed, that level pack shown.
void chooseDifficulty(int difficulty);

// The level choice's widgets of the moment: the difficulty buttons while the dialog is open.
void showLevelChoiceWidgets();

} // namespace burrowix
