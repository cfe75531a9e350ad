#include "audio/effect_handles.hpp"

#include <cstddef>
#include <iterator>

#include "audio/effect_bank.hpp"
#include "common/asset_manifest.hpp"
#include "common/random.hpp"
#include "state/app_state.hpp"

namespace burrowix {

EffectHandles theEffects;

namespace {

struct EffectRow {
    int EffectHandles::*handle;
    assets::Effect effect;
};

// The handle each effect of the manifest sets, in the manifest's loading order.
constexpr EffectRow kEffectTable[] = {
    {&EffectHandles::effectExplosion, assets::Effect::Explosion},
    {&EffectHandles::effectStoneFall, assets::Effect::StoneFall},
    {&EffectHandles::effectNuggetFall, assets::Effect::NuggetFall},
    {&EffectHandles::effectNugget, assets::Effect::Nugget},
    {&EffectHandles::effectMineral1, assets::Effect::Mineral1},
    {&EffectHandles::effectMineral2, assets::Effect::Mineral2},
    {&EffectHandles::effectMineral3, assets::Effect::Mineral3},
    {&EffectHandles::effectAddWeapon1, assets::Effect::AddWeapon1},
    {&EffectHandles::effectAddWeapon2, assets::Effect::AddWeapon2},
    {&EffectHandles::effectAddWeapon3, assets::Effect::AddWeapon3},
    {&EffectHandles::effectMine, assets::Effect::Mine},
    {&EffectHandles::effectShot, assets::Effect::Shot},
    {&EffectHandles::effectGrenade, assets::Effect::Grenade},
    {&EffectHandles::effectTnt, assets::Effect::Tnt},
    {&EffectHandles::effectBottle, assets::Effect::Bottle},
    {&EffectHandles::effectLife, assets::Effect::Life},
    {&EffectHandles::effectLoser, assets::Effect::Loser},
    {&EffectHandles::effectWinner, assets::Effect::Winner},
    {&EffectHandles::effectInfo, assets::Effect::Info},
    {&EffectHandles::effectWeaponChange, assets::Effect::WeaponChange},
    {&EffectHandles::effectMenu, assets::Effect::Menu},
    {&EffectHandles::effectNothing, assets::Effect::Nothing},
    {&EffectHandles::effectDig1, assets::Effect::Dig1},
    {&EffectHandles::effectDig2, assets::Effect::Dig2},
    {&EffectHandles::effectDig3, assets::Effect::Dig3},
};

constexpr bool inManifestOrder()
{
    for (int i = 0; i < assets::kEffectCount; ++i)
        if (static_cast<int>(kEffectTable[i].effect) != i)
            return false;
    return true;
}
static_assert(std::size(kEffectTable) == std::size_t(assets::kEffectCount), "a handle for every effect of the manifest");
static_assert(inManifestOrder(), "the handles are the bank's indices, so the table follows the manifest");

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
    for (const EffectRow& row : kEffectTable) {
        const assets::EffectAsset& asset = assets::kEffects[static_cast<int>(row.effect)];
        theEffects.*row.handle = effectBank.loadEffect(asset.name, asset.file);
    }
}

void reloadEffectTable()
{
    effectBank.releaseAllEffects();
    loadEffectTable();
}

} // namespace burrowix
