#pragma once
// The heads-up display of the game screen: the weapon column (at the difficulties with weapons)
// with its counters and the gliding selector, the score strip with the lives, the health strip and
// the goals box. All three pieces slide off the screen together, one step every 50 ms. A piece the
// digger is under is drawn see-through, its counts solid.

namespace burrowix {

class Surface;
class World;
class Digger;

// One frame of the HUD: its slide (which, at the end of a won level, starts the level-complete
// panel) and its drawing.
void runHud(World& w, const Digger& d, Surface* backBuffer);

// Insert: hides a shown HUD or shows a hidden one; nothing while it slides.
void toggleHud();

// The selector rests beside the current weapon (a new level starts with it there).
void restWeaponSelector();

} // namespace burrowix
