#pragma once
// The sound effects by handle: an index into the effect bank, -1 while the effect is not loaded.
// Every play site goes through playEffect, which plays only when sound effects are on, the device is
// open and the handle is valid. Effects chosen at random draw their number only when the sound would
// be heard (soundWouldPlay), from the looks and sounds generator, never from the rules' own.

#include <functional>

namespace burrowix {

struct EffectHandles {
    int effectExplosion = -1;
    int effectStoneFall = -1;
    int effectNuggetFall = -1;
    int effectNugget = -1;
    int effectMineral1 = -1;
    int effectMineral2 = -1;
    int effectMineral3 = -1;
    int effectAddWeapon1 = -1;
    int effectAddWeapon2 = -1;
    int effectAddWeapon3 = -1;
    int effectMine = -1;
    int effectShot = -1;
    int effectGrenade = -1;
    int effectTnt = -1;
    int effectBottle = -1;
    int effectLife = -1;
    int effectLoser = -1;
    int effectWinner = -1;
    int effectInfo = -1;
    int effectWeaponChange = -1;
    int effectMenu = -1;
    // A weapon fired where it cannot go.
    int effectNothing = -1;
    int effectDig1 = -1;
    int effectDig2 = -1;
    int effectDig3 = -1;
    // Digs played so far and the variant (0..2) of the last one (see playDigEffect).
    unsigned digCount = 0;
    unsigned lastDig = 0;

    // Replaces the effect bank as the player when set (tests record the effects played).
    std::function<void(int handle, int loop)> player;

    void reset() { *this = EffectHandles{}; }
};

extern EffectHandles theEffects;

// Sound effects are on and the device is open.
bool soundWouldPlay();

// Plays an effect when soundWouldPlay() and the handle is 0 or more.
void playEffect(int handle, int loop = 0);

// Plays one of three effects, drawing random(3) only when the sound would play.
void playOneOfThree(int first, int second, int third);

// Plays one of the three digging sounds, never the same one twice running. The choice comes from a
// count of digs, not from the game's random sequence, so that sound settings cannot change the rules.
void playDigEffect();

// Loads the effect table into the bank in its order, setting every handle.
void loadEffectTable();
// Releases the bank's effects, then loads the table again.
void reloadEffectTable();

} // namespace burrowix
