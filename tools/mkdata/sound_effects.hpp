#pragma once
// The game's sound effects, synthesised from small recipes and levelled by loudness tier.
#include "synth_kit.hpp"

#include <string>
#include <vector>

namespace burrowix::mkdata {

// Loudness tiers, loudest first. The explosion stands over everything; stones and nuggets landing,
// weapons used and the level jingles come next; what the digger picks up next; interface clicks and
// the digging underneath. Each effect's loudest 400 ms window is levelled to its tier's loudness.
enum class Tier { Blast, Landing, Pickup, Interface };

// LUFS of each tier's loudest 400 ms window, 11 LU from top to bottom. At the default sound volume
// (70: -15 dB) even the interface tier sits above the music at the default music volume.
double tierLoudness(Tier tier);
const char* tierName(Tier tier);

// True-peak ceiling for every effect, dBTP.
inline constexpr double kEffectPeakCeiling = -1.0;
// The gain of an effect voice at the default sound volume, dB.
inline constexpr double kDefaultEffectGainDb = -15.0;

struct SoundEffect {
    std::string fileName;  // "explosion01.wav" ...
    Samples samples;       // mono, 44100 Hz, levelled
    Tier tier = Tier::Pickup;
};

// In the order of the game's effect table.
std::vector<SoundEffect> makeSoundEffects();

} // namespace burrowix::mkdata
