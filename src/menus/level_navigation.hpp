#pragma once
// The level choice's operations: stepping through the levels of the pack with the preview sliding
// in, stepping through the level packs, and starting the chosen level when it is unlocked.

namespace burrowix {

void levelStepBack(int n);
void levelStepForward(int n);
void levelFirst();
void levelLastUnlocked();

// The ammunition of the difficulty, the click, and the game screen when the level is unlocked.
void startGame();

// Connects the pack catalogue's level-set steps to the preview (its slide and its rebuild).
void connectPackNavigation();

} // namespace burrowix
