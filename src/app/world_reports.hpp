#pragma once
// The shell's side of the world's reports: it tells the world what the player holds and whether
// sounds are heard, and after the world acted applies what it reported: the sounds, the level won
// (the panel, the pause, the level progress) and the digger's death (the died panel's start).

namespace burrowix {

class World;
struct Arrows;

// The arrow keys the game screen holds.
Arrows heldArrows();
// Call before the world acts: tells it whether sound effects are heard now.
void prepareWorldForShell(World& w);
// Applies the world's events in the order they happened and empties the list.
void applyWorldEvents(World& w);

} // namespace burrowix
