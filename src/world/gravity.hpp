#pragma once
// The gravity pass: once per running frame, stones, gold, loose earth, bombs and grenades fall and
// roll, missiles and shots fly, time bombs count down, and whatever arrives crushes the digger,
// sets off what it lands on or explodes itself, with the landing sounds.

namespace burrowix {

class World;
class Digger;

// Visits the grid from the second row's second cell to the end of the third row from the bottom,
// in increasing order; content moved to a higher index is gliding and is left alone.
void gravityPass(World& w, Digger& d);

// A time bomb goes off this many ms after it was laid.
inline constexpr int kTimeBombDelay = 3000;

} // namespace burrowix
