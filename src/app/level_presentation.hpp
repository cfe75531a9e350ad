#pragma once

namespace burrowix {

// What a level start shows and records before the world is built: on the game screen the controls
// panel (the first level of a new game) or the level-start panel with the HUD hidden; everywhere the
// world stops (`frozen`) and the live record is copied as the level-start record that a lost life
// restores.
void beginLevelPresentation(int levelIndex);

} // namespace burrowix
