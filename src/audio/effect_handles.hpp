#pragma once
// The sound effects the world plays, by handle: an index into the effect bank, -1 while the effect
// is not loaded. Every play site goes through playEffect, which plays only when sound effects are
// on, the device is open and the handle is valid, so the game's random draws never depend on
// whether a sound is heard.

#include <functional>

namespace burrowix {

struct EffectHandles {
    int nugget = -1;
    int mineral1 = -1;
    int mineral2 = -1;
    int mineral3 = -1;
    int life = -1;
    int addWeapon1 = -1;
    int addWeapon2 = -1;
    int addWeapon3 = -1;
    int explosion = -1;
    int winner = -1;
    int weaponChange = -1;
    int stoneFall = -1;
    int nuggetFall = -1;
    int mine = -1;
    int shot = -1;
    int tnt = -1;
    int grenade = -1;
    int bottle = -1;
    int menu = -1;

    // The effect bank's player; empty until the bank exists.
    std::function<void(int handle, int flags)> player;

    void reset() { *this = EffectHandles{}; }
};

extern EffectHandles theEffects;

// Plays an effect when sound is on, the device is open and the handle is 0 or more.
void playEffect(int handle, int flags = 0);

} // namespace burrowix
