#pragma once
// Explosions: marking cells as exploding, the chain reaction through explosive neighbours, clearing
// what was destroyed, hurting the digger and checking whether the level is won. The explosion
// picture then plays over the marked cells (renderCell). Neighbours outside the grid are skipped.

#include <cstdint>

namespace burrowix {

class World;
class Digger;

// The cell at i and its eight destructible neighbours, then 50 chain passes.
void explodeAround(World& w, Digger& d, int i);
// Cell i (unless 0) and cell j if destructible, drawn with explosion row `row`, then 10 chain passes.
void explodePair(World& w, Digger& d, int i, int j, int row);
// Cell i alone when it holds something an explosion destroys; no chain.
void explodeSingle(World& w, Digger& d, int i);
// explodeSingle over the 14 x 9 block inside the screen's border.
void screenBlast(World& w, Digger& d);
// The digger's death: its cell regardless, its destructible neighbours, 40 chain passes that also
// run through shots; every marked cell is emptied.
void deathExplosion(World& w, int i);

// The blast row of the cell the digger died in: drawn as an ordinary blast with his death pose
// over it when the explosion sheet has one.
inline constexpr std::int32_t kDeathBlastRow = 2;

// Kinds whose explosion spreads to their neighbours.
bool isChainKind(std::int32_t kind, bool withShots);

} // namespace burrowix
