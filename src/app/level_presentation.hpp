#pragma once

namespace burrowix {

// What a level start shows and records before the world is built: the world stops (`frozen`), and
// the live record is copied as the level-start record that a lost life restores.
void beginLevelPresentation(int levelIndex);

} // namespace burrowix
