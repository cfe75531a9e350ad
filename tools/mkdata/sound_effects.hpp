#pragma once
// The game's 22 sound effects, synthesised from small recipes and levelled to one loudness.
#include "synth_kit.hpp"

#include <string>
#include <vector>

namespace burrowix::mkdata {

// Every effect's loudest 400 ms window is levelled to this many LUFS; explosions and the two jingles
// (accents) to kAccentLoudness. A window shorter than the effects' typical length keeps a 0.1 s click
// from having to be as loud over three seconds as a one-second explosion.
inline constexpr double kEffectLoudness = -18.0;
inline constexpr double kAccentLoudness = -16.0;
// True-peak ceiling for every effect, dBTP.
inline constexpr double kEffectPeakCeiling = -1.0;

struct SoundEffect {
    std::string fileName;  // "explosion01.wav" ...
    Samples samples;       // mono, 44100 Hz, levelled
    bool accent = false;
};

// In the order of the game's effect table.
std::vector<SoundEffect> makeSoundEffects();

} // namespace burrowix::mkdata
