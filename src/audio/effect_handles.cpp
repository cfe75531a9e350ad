#include "audio/effect_handles.hpp"

#include "audio/effect_bank.hpp"
#include "common/random.hpp"
#include "state/app_state.hpp"

namespace burrowix {

EffectHandles theEffects;

namespace {

struct EffectRow {
    int EffectHandles::*handle;
    const char* name;
    const char* file;
};

// Loading order; the handles are the bank's indices. Two rows share the name "nugget01".
constexpr EffectRow kEffectTable[] = {
    {&EffectHandles::effectExplosion, "explosion01", "explosion01.wav"},
    {&EffectHandles::effectStoneFall, "stone01", "stonefall.wav"},
    {&EffectHandles::effectNuggetFall, "nugget01", "nuggetfall.wav"},
    {&EffectHandles::effectNugget, "nugget01", "nugget01.wav"},
    {&EffectHandles::effectMineral1, "mineral01", "mineral01.wav"},
    {&EffectHandles::effectMineral2, "mineral02", "mineral02.wav"},
    {&EffectHandles::effectMineral3, "mineral03", "mineral03.wav"},
    {&EffectHandles::effectAddWeapon1, "addweapon01", "addweapon01.wav"},
    {&EffectHandles::effectAddWeapon2, "addweapon02", "addweapon02.wav"},
    {&EffectHandles::effectAddWeapon3, "addweapon03", "addweapon03.wav"},
    {&EffectHandles::effectMine, "mine01", "mine01.wav"},
    {&EffectHandles::effectShot, "shot01", "shot01.wav"},
    {&EffectHandles::effectGrenade, "grenade01", "grenade01.wav"},
    {&EffectHandles::effectTnt, "tnt01", "tnt01.wav"},
    {&EffectHandles::effectBottle, "bottle01", "bottle01.wav"},
    {&EffectHandles::effectLife, "life01", "life01.wav"},
    {&EffectHandles::effectLoser, "loser01", "loser01.wav"},
    {&EffectHandles::effectWinner, "winner01", "winner01.wav"},
    {&EffectHandles::effectInfo, "info01", "info01.wav"},
    {&EffectHandles::effectWeaponChange, "weaponchange01", "weaponchange01.wav"},
    {&EffectHandles::effectMenu, "menu01", "menu01.wav"},
    {&EffectHandles::effectNothing, "nothing01", "nothing01.wav"},
    {&EffectHandles::effectDig1, "dig01", "dig01.wav"},
    {&EffectHandles::effectDig2, "dig02", "dig02.wav"},
    {&EffectHandles::effectDig3, "dig03", "dig03.wav"},
};

} // namespace

bool soundWouldPlay()
{
    return app.soundOn && app.soundAvailable;
}

void playEffect(int handle, int loop)
{
    if (!soundWouldPlay() || handle < 0)
        return;
    if (theEffects.player)
        theEffects.player(handle, loop);
    else
        effectBank.playEffect(handle, loop);
}

void playOneOfThree(int first, int second, int third)
{
    if (!soundWouldPlay())
        return;
    const int r = random(3);
    playEffect(r == 0 ? first : r == 1 ? second : third);
}

void playDigEffect()
{
    if (!soundWouldPlay())
        return;
    // Steps of one or two through the three variants, the step taken from a hash of the count, so
    // the order is irregular but the same variant never plays twice in a row.
    const unsigned step = 1 + ((++theEffects.digCount * 2654435761u) >> 31);
    const unsigned v = theEffects.lastDig = (theEffects.lastDig + step) % 3;
    playEffect(v == 0 ? theEffects.effectDig1 : v == 1 ? theEffects.effectDig2 : theEffects.effectDig3);
}

void loadEffectTable()
{
    for (const EffectRow& row : kEffectTable)
        theEffects.*row.handle = effectBank.loadEffect(row.name, row.file);
}

void reloadEffectTable()
{
    effectBank.releaseAllEffects();
    loadEffectTable();
}

} // namespace burrowix
