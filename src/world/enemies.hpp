#pragma once
// The enemy pass: once per running frame every resting Crawler, Walker and Stalker takes its next
// step. Crawlers follow walls with the wall on their right; Walkers and Stalkers wander with random
// turns. An enemy stepping into the digger hurts it, one stepping onto a mine is blown up.

#include "world/direction.hpp"

namespace burrowix {

class World;
class Digger;
class Cell;

// Visits the grid from the second row's second cell to the end of the last row but one.
void enemyPass(World& w, Digger& d);
// Moves the enemy at i one cell in direction dir (or sets off the mine, hurts the digger, or
// explodes against a digger in super mode).
void enemyMove(World& w, Digger& d, Direction dir, int i);

} // namespace burrowix
