#pragma once
// The digger's weapons: laying a bomb, mine, missile, shot, TNT, grenade or time bomb into the grid
// from the live record's ammunition, the TNT's remote, and the bottle's super mode.

#include <cstdint>

#include "world/direction.hpp"

namespace burrowix {

class World;
class Digger;

// Fires the weapon that lays `kind` (14 shot, 19 grenade, 8 mine, 16 TNT, 17 bottle; also 7, 9, 20)
// towards `dir`; a mine goes behind the digger. Nothing at difficulty 0, within the cooldown, for a
// dead digger or without ammunition. With a TNT placed, the TNT key sets it off instead.
void placeWeapon(World& w, Digger& d, std::int32_t kind, Direction dir);

// The ammunition counter a kind uses (-1 for kinds that are no weapon).
int weaponCounter(std::int32_t kind);

} // namespace burrowix
