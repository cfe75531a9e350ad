#pragma once
// Plans the digger's way through a level for scripted runs: the cells it may walk or dig through, avoiding what blocks,
// hurts or would fall on it.

#include <vector>

namespace burrowix {

class World;

// The directions (0 left, 1 up, 2 right, 3 down) of a shortest way from cell `from` to cell `to`, entering only earth,
// tunnel, gold, minerals, hearts and pickups (and `to` itself, whatever it holds), and never stepping down out of a
// cell with something that falls resting on top of it. Empty when `from` is `to` or when there is no such way; `found`
// tells the two apart.
std::vector<int> planWalk(const World& w, int from, int to, bool& found);

} // namespace burrowix
