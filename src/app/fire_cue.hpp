#pragma once
// The puff in front of Brannok after a fire that did nothing: a few grey specks that spread from
// the edge he fired at and fade within a third of a second.

namespace burrowix {

class Surface;
class World;
class Digger;

// How long the puff shows after the failed fire, in milliseconds.
constexpr int kFireCueTime = 300;

void drawFailedFireCue(const World& w, const Digger& d, Surface* target);

} // namespace burrowix
