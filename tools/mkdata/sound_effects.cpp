#include "sound_effects.hpp"

#include "loudness.hpp"

#include <algorithm>
#include <cmath>

namespace burrowix::mkdata {

namespace {

double midiHz(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

// Note numbers used by the jingles and chimes; the jingles are in C major / A minor like the level
// music.
enum Key : int { A3 = 57, C4 = 60, E4 = 64, G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76, G5 = 79,
                 A5 = 81, B5 = 83, C6 = 84, D6 = 86, E6 = 88, G6 = 91, A6 = 93, C7 = 96, D7 = 98, E7 = 100 };

Samples shaped(Samples s, double attack, double decay)
{
    envelope(s, attack, decay);
    return s;
}

// A short burst of band-passed noise: the basic click of every mechanism.
Samples click(double centreHz, double seconds, double decay, std::uint32_t seed, double q = 1.5)
{
    Samples s = noise(seconds, seed);
    filter(s, FilterMode::BandPass, {centreHz, centreHz, 0}, q);
    envelope(s, 0.0005, decay);
    return s;
}

// A pitched body that drops in pitch: thuds and the low end of booms.
Samples thump(double fromHz, double toHz, double seconds, double decay)
{
    Samples s = tone(Wave::Sine, {fromHz, toHz, seconds * 0.6}, seconds);
    envelope(s, 0.002, decay);
    return s;
}

// A bell-like note with a few inharmonic partials: chimes, crystals and coins.
Samples chime(double hz, double seconds, double decay, double brightness)
{
    Samples s = fmBell(hz, 3.5, 1.6 * brightness, 0.05, seconds);
    mixInto(s, tone(Wave::Sine, hz * 2.0, seconds), 0, 0.25);
    envelope(s, 0.001, decay);
    return s;
}

// A plucked, slightly hollow synth note for the jingles.
Samples pluck(Wave wave, double hz, double seconds, double decay, double brightness)
{
    Samples s = tone(wave, hz, seconds);
    filter(s, FilterMode::LowPass, {hz * 8.0 * brightness, hz * 2.5, decay * 2}, 0.9);
    envelope(s, 0.004, decay);
    return s;
}

Samples explosion()
{
    constexpr double kLength = 1.1;
    Samples body = noise(kLength, 11);
    filter(body, FilterMode::LowPass, {2400, 140, 0.7}, 0.8);
    envelope(body, 0.003, 0.28);
    saturate(body, 2.0);
    Samples out = body;
    mixInto(out, thump(95, 32, kLength, 0.35), 0, 0.9);
    // Crumble: small debris clicks thinning out after the blast.
    std::uint32_t seed = 101;
    for (int i = 0; i < 34; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double at = 0.08 + 0.85 * std::pow((seed >> 8) / 16777216.0, 1.6);
        const double centre = 500 + 1400 * ((seed >> 4) % 1000) / 1000.0;
        mixInto(out, click(centre, 0.04, 0.008, seed, 2.5), at, 0.55 * (1.0 - at / kLength));
    }
    return out;
}

Samples stoneFall()
{
    Samples out = thump(120, 48, 0.3, 0.07);
    Samples dust = noise(0.3, 21);
    filter(dust, FilterMode::LowPass, {900, 250, 0.1}, 0.7);
    envelope(dust, 0.001, 0.045);
    mixInto(out, dust, 0, 0.9);
    mixInto(out, click(1600, 0.05, 0.01, 22), 0.012, 0.25);
    return out;
}

Samples nuggetFall()
{
    Samples out = thump(170, 110, 0.3, 0.05);
    for (double partial : {610.0, 1375.0, 2210.0})
        mixInto(out, shaped(tone(Wave::Sine, partial, 0.3), 0.0008, 0.055 + 40.0 / partial), 0, 0.35);
    mixInto(out, click(3000, 0.02, 0.004, 31), 0, 0.4);
    return out;
}

Samples coin()
{
    Samples out = pluck(Wave::Square, midiHz(B5), 0.09, 0.2, 0.9);
    mixInto(out, pluck(Wave::Square, midiHz(E6), 0.36, 0.14, 0.9), 0.075);
    mixInto(out, chime(midiHz(E7), 0.36, 0.1, 0.4), 0.075, 0.35);
    return out;
}

Samples mineral(int variant)
{
    if (variant == 2) {
        Samples out = chime(midiHz(A6), 0.42, 0.16, 1.0);
        mixInto(out, chime(midiHz(E7), 0.33, 0.15, 1.0), 0.09);
        return out;
    }
    const double hz = midiHz(variant == 0 ? A6 : D7);
    Samples out = chime(hz, 0.42, 0.14, 1.0);
    mixInto(out, chime(hz * 1.5, 0.42, 0.09, 0.5), 0, 0.3);
    return out;
}

// Gun-like mechanical handling: a slide back, a lock forward, in three variations.
Samples addWeapon(int variant)
{
    Samples out;
    if (variant == 0) {
        mixInto(out, click(2200, 0.06, 0.012, 41), 0.0, 0.9);
        mixInto(out, thump(240, 150, 0.1, 0.03), 0.0, 0.4);
        mixInto(out, click(3400, 0.06, 0.01, 42), 0.17, 1.0);
        mixInto(out, thump(300, 180, 0.25, 0.05), 0.17, 0.55);
    } else if (variant == 1) {
        for (int i = 0; i < 3; ++i)
            mixInto(out, click(2800 + 300 * i, 0.03, 0.006, 51 + i), 0.05 * i, 0.7);
        mixInto(out, click(1800, 0.08, 0.018, 55), 0.2, 1.0);
        mixInto(out, thump(220, 120, 0.3, 0.06), 0.2, 0.6);
    } else {
        Samples slide = noise(0.18, 61);
        filter(slide, FilterMode::BandPass, {1200, 4200, 0.18}, 3.0);
        envelopeAhr(slide, 0.02, 0.1, 0.06);
        mixInto(out, thump(200, 130, 0.12, 0.035), 0.0, 0.5);
        mixInto(out, slide, 0.02, 0.5);
        mixInto(out, click(3800, 0.07, 0.012, 62), 0.22, 1.0);
        mixInto(out, chime(1850, 0.25, 0.05, 0.6), 0.22, 0.18);
    }
    return out;
}

Samples mineLaid()
{
    Samples out = click(4200, 0.03, 0.004, 71);
    mixInto(out, thump(180, 120, 0.2, 0.05), 0.06, 0.6);
    for (double partial : {330.0, 745.0, 1290.0})
        mixInto(out, shaped(tone(Wave::Sine, partial, 0.2), 0.001, 0.05), 0.06, 0.25);
    mixInto(out, click(1600, 0.04, 0.01, 72), 0.06, 0.5);
    return out;
}

Samples shot()
{
    Samples out = tone(Wave::Square, {1900, 210, 0.18}, 0.24);
    filter(out, FilterMode::LowPass, {7000, 900, 0.2}, 1.2);
    envelope(out, 0.001, 0.075);
    mixInto(out, click(5000, 0.03, 0.004, 81, 0.8), 0, 0.6);
    return out;
}

Samples grenadeThrow()
{
    Samples out = noise(0.32, 91);
    filter(out, FilterMode::BandPass, {500, 2600, 0.3}, 2.2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double x = static_cast<double>(i) / out.size();
        out[i] = static_cast<float>(out[i] * std::sin(3.14159265 * x) * std::sin(3.14159265 * x));
    }
    return out;
}

Samples tntPlaced()
{
    Samples hiss = noise(0.28, 101);
    filter(hiss, FilterMode::HighPass, {3500, 3500, 0}, 0.7);
    envelopeAhr(hiss, 0.01, 0.2, 0.07);
    Samples out = hiss;
    scale(out, 0.35);
    std::uint32_t seed = 7;
    for (int i = 0; i < 9; ++i) {
        seed = seed * 1664525u + 1013904223u;
        mixInto(out, click(5000, 0.01, 0.0015, seed), 0.01 + 0.025 * i + ((seed >> 20) % 10) * 0.001, 0.5);
    }
    for (int i = 0; i < 2; ++i) {
        Samples beep = tone(Wave::Square, 1760, 0.06);
        filter(beep, FilterMode::LowPass, {5000, 5000, 0}, 0.7);
        envelopeAhr(beep, 0.003, 0.045, 0.01);
        mixInto(out, beep, 0.3 + 0.08 * i, 0.28);
    }
    return out;
}

Samples bottle()
{
    Samples out;
    // Two gulps: a rising resonance over a soft low thump.
    for (int i = 0; i < 2; ++i) {
        Samples gulp = noise(0.14, 111 + i);
        filter(gulp, FilterMode::BandPass, {260, 620, 0.1}, 6.0);
        envelope(gulp, 0.01, 0.045);
        mixInto(out, gulp, 0.16 * i, 1.2);
        mixInto(out, thump(140, 230, 0.12, 0.04), 0.16 * i, 0.4);
    }
    // Shimmer: a fast rising arpeggio of soft bells with a wobble.
    const int keys[] = {C6, E6, G6, C7, E7, G6 + 12};
    for (int i = 0; i < 6; ++i) {
        Samples bell = chime(midiHz(keys[i]), 0.5, 0.2, 0.5);
        tremolo(bell, 14, 0.5);
        mixInto(out, bell, 0.34 + 0.07 * i, 0.22);
    }
    return out;
}

Samples lifeGained()
{
    Samples out;
    const int keys[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i)
        mixInto(out, pluck(Wave::Pulse25, midiHz(keys[i]), i == 3 ? 0.45 : 0.16, i == 3 ? 0.16 : 0.08, 1.0), 0.075 * i);
    mixInto(out, chime(midiHz(C7), 0.4, 0.12, 0.3), 0.225, 0.25);
    return out;
}

// A sad little phrase in A minor: a falling line that sinks onto the tonic with a wavering tail.
Samples loser()
{
    Samples out;
    const int keys[] = {E5, D5, C5, B4};
    for (int i = 0; i < 4; ++i)
        mixInto(out, pluck(Wave::Triangle, midiHz(keys[i]), 0.3, 0.16, 0.7), 0.24 * i, 0.8);
    Samples last = tone(Wave::Triangle, midiHz(A4), 1.05);
    // A slow vibrato that widens as the note dies.
    Samples wobble = tone(Wave::Triangle, {midiHz(A4) * 1.012, midiHz(A4) * 0.985, 1.0}, 1.05);
    mixInto(last, wobble, 0, 0.5);
    filter(last, FilterMode::LowPass, {2600, 700, 1.0}, 0.8);
    envelope(last, 0.01, 0.38);
    mixInto(out, last, 0.96, 0.85);
    Samples low = shaped(tone(Wave::Sine, midiHz(A3), 1.05), 0.03, 0.4);
    mixInto(low, shaped(tone(Wave::Sine, midiHz(E4), 1.05), 0.03, 0.4), 0, 0.6);
    mixInto(out, low, 0.96, 0.45);
    return out;
}

// A short brassy fanfare in C major: a pickup triplet and a held major chord.
Samples winner()
{
    Samples out;
    auto brass = [](double hz, double seconds, double decay) {
        Samples s = tone(Wave::Saw, hz, seconds);
        mixInto(s, tone(Wave::Saw, hz * 1.004, seconds), 0, 0.7);
        filter(s, FilterMode::LowPass, {hz * 2, hz * 7, 0.05}, 1.1);
        envelope(s, 0.012, decay);
        return s;
    };
    const int pickup[] = {G4, C5, E5};
    for (int i = 0; i < 3; ++i)
        mixInto(out, brass(midiHz(pickup[i]), 0.16, 0.12), 0.11 * i, 0.6);
    mixInto(out, brass(midiHz(G5), 0.26, 0.2), 0.33, 0.6);
    mixInto(out, brass(midiHz(E5), 0.26, 0.2), 0.33, 0.4);
    for (int key : {C6, G5, E5, C5}) {
        Samples held = brass(midiHz(key), 1.4, 0.5);
        mixInto(out, held, 0.6, key == C6 ? 0.55 : 0.35);
    }
    mixInto(out, chime(midiHz(C7), 1.0, 0.3, 0.4), 0.6, 0.15);
    return out;
}

Samples infoBlip()
{
    Samples out = tone(Wave::Sine, {880, 1320, 0.05}, 0.2);
    envelopeAhr(out, 0.005, 0.08, 0.11);
    mixInto(out, shaped(tone(Wave::Sine, 2640, 0.2), 0.003, 0.04), 0, 0.15);
    return out;
}

Samples weaponChange()
{
    Samples out;
    for (int i = 0; i < 3; ++i)
        mixInto(out, click(3000 - 400 * i, 0.045, 0.007, 131 + i, 2.0), 0.04 * i, 1.0);
    mixInto(out, thump(400, 260, 0.06, 0.015), 0.08, 0.35);
    return out;
}

// A fire that does nothing: a dull, muffled double knock sliding down, clearly no shot or throw.
Samples nothingHappens()
{
    // Each knock has faded to under 1% by its end, so neither ends in a click.
    Samples out = thump(330, 170, 0.16, 0.03);
    mixInto(out, thump(260, 140, 0.13, 0.025), 0.07, 0.7);
    Samples puff = noise(0.08, 151);
    filter(puff, FilterMode::LowPass, {900, 500, 0.08}, 0.7);
    envelope(puff, 0.002, 0.02);
    mixInto(out, puff, 0, 0.4);
    filter(out, FilterMode::LowPass, {2000, 2000, 0}, 0.7);
    return out;
}

Samples menuClick()
{
    Samples out = tone(Wave::Sine, {1500, 900, 0.03}, 0.11);
    envelope(out, 0.001, 0.022);
    mixInto(out, click(2500, 0.02, 0.003, 141, 1.0), 0, 0.3);
    filter(out, FilterMode::LowPass, {6000, 6000, 0}, 0.7);
    return out;
}

// Rounds off the few sample peaks above `knee` so that they approach `ceiling` without reaching it;
// clicks and thuds keep their punch while the level around them can rise to the target.
void squeezePeaks(Samples& s, double knee, double ceiling)
{
    for (float& v : s) {
        const double a = std::abs(v);
        if (a > knee)
            v = static_cast<float>(std::copysign(knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee)), v));
    }
}

// Brings the loudest 400 ms window to the effect's target; when the peaks would then pass the
// ceiling, they are rounded off and the level measured again.
void level(SoundEffect& e)
{
    finishEffect(e.samples);
    const double target = e.accent ? kAccentLoudness : kEffectLoudness;
    const double ceiling = kEffectPeakCeiling - 0.3;
    for (int pass = 0; pass < 6; ++pass) {
        const SoundLevels now = measureLevels(e.samples, 1);
        const double gainDb = target - now.momentaryMax;
        if (now.truePeak + gainDb <= ceiling) {
            scale(e.samples, decibelsToGain(gainDb));
            return;
        }
        scale(e.samples, decibelsToGain(gainDb));
        squeezePeaks(e.samples, decibelsToGain(ceiling - 4.0), decibelsToGain(ceiling - 0.3));
    }
    // Still too peaky: keep the ceiling and let the report show the shortfall.
    const SoundLevels now = measureLevels(e.samples, 1);
    scale(e.samples, decibelsToGain(std::min(target - now.momentaryMax, ceiling - now.truePeak)));
}

} // namespace

std::vector<SoundEffect> makeSoundEffects()
{
    std::vector<SoundEffect> effects = {
        {"explosion01.wav", explosion(), true},
        {"stonefall.wav", stoneFall()},
        {"nuggetfall.wav", nuggetFall()},
        {"nugget01.wav", coin()},
        {"mineral01.wav", mineral(0)},
        {"mineral02.wav", mineral(1)},
        {"mineral03.wav", mineral(2)},
        {"addweapon01.wav", addWeapon(0)},
        {"addweapon02.wav", addWeapon(1)},
        {"addweapon03.wav", addWeapon(2)},
        {"mine01.wav", mineLaid()},
        {"shot01.wav", shot()},
        {"grenade01.wav", grenadeThrow()},
        {"tnt01.wav", tntPlaced()},
        {"bottle01.wav", bottle()},
        {"life01.wav", lifeGained()},
        {"loser01.wav", loser(), true},
        {"winner01.wav", winner(), true},
        {"info01.wav", infoBlip()},
        {"weaponchange01.wav", weaponChange()},
        {"menu01.wav", menuClick()},
        {"nothing01.wav", nothingHappens()},
    };
    for (SoundEffect& e : effects)
        level(e);
    return effects;
}

} // namespace burrowix::mkdata
