#include "sound_effects.hpp"

#include "common/asset_manifest.hpp"
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

// A burst of short band-passed noise grains scattered over [from, to) seconds with falling size:
// gravel, crumbling earth, debris and the sputter of a fuse.
Samples grains(int count, double from, double to, double loHz, double hiHz, double grainDecay, std::uint32_t seed,
               double thinning = 1.0)
{
    Samples out;
    Scatter r(seed);
    for (int i = 0; i < count; ++i) {
        const double at = from + (to - from) * std::pow(r.next(), thinning);
        const double centre = r.between(loHz, hiHz);
        const double size = r.between(0.35, 1.0) * (1.0 - 0.7 * (at - from) / std::max(1e-6, to - from));
        mixInto(out, click(centre, grainDecay * 6, grainDecay, r.state | 1u, 2.0), at, size);
    }
    return out;
}

// A broadband crack, a roar that sweeps down through 2 kHz-200 Hz, a low body and a sizzling tail
// with debris falling back.
Samples explosion()
{
    constexpr double kLength = 1.1;
    Samples out;
    Samples crack = noise(0.05, 9);
    filter(crack, FilterMode::HighPass, {900, 900, 0}, 0.7);
    envelope(crack, 0.0003, 0.009);
    mixInto(out, crack, 0, 0.8);

    Samples roar = noise(kLength, 11);
    filter(roar, FilterMode::BandPass, {2000, 220, 0.55}, 0.9);
    envelope(roar, 0.004, 0.24);
    saturate(roar, 5.0);
    // The grit of the saturation stays in the roar's band instead of hissing above it.
    filter(roar, FilterMode::LowPass, {4000, 900, 0.5}, 0.7);
    mixInto(out, roar, 0.002, 0.9);

    mixInto(out, thump(90, 38, 0.8, 0.22), 0, 0.55);

    Samples sizzle = noise(kLength, 13);
    filter(sizzle, FilterMode::HighPass, {3200, 5200, 0.8}, 0.8);
    envelopeAhr(sizzle, 0.12, 0.25, 0.6);
    Samples crackle = grains(60, 0.15, 1.0, 2500, 7000, 0.0015, 17, 1.3);
    Samples tail = sizzle;
    scale(tail, 0.12);
    mixInto(tail, crackle, 0, 0.5);
    mixInto(out, tail, 0.05, 1.0);
    mixInto(out, grains(30, 0.1, 0.9, 500, 1900, 0.008, 101, 1.6), 0, 0.5);
    out.resize(static_cast<std::size_t>(frames(kLength)));
    return out;
}

// A rock knock in the 300-900 Hz band and a short gravel crunch over a dull thump.
Samples stoneFall()
{
    Samples out = thump(110, 55, 0.32, 0.04);
    scale(out, 0.4);
    mixInto(out, struck({{340, 0.7, 0.03}, {520, 0.6, 0.022}, {810, 0.45, 0.014}, {1130, 0.2, 0.008}}, 0.3), 0.001, 0.9);
    Samples knock = noise(0.06, 21);
    filter(knock, FilterMode::BandPass, {650, 450, 0.04}, 1.2);
    envelope(knock, 0.0005, 0.012);
    mixInto(out, knock, 0, 0.9);
    mixInto(out, grains(26, 0.008, 0.2, 1200, 3600, 0.003, 23, 1.4), 0.004, 0.55);
    out.resize(static_cast<std::size_t>(frames(0.32)));
    return out;
}

// A heavy, damped metal clunk: a short low-mid body and inharmonic partials that die fast.
Samples nuggetFall()
{
    Samples out = thump(150, 95, 0.3, 0.035);
    scale(out, 0.5);
    mixInto(out, struck({{265, 0.6, 0.05}, {640, 0.55, 0.035}, {1090, 0.6, 0.03}, {1730, 0.45, 0.022},
                         {2470, 0.3, 0.014}, {3390, 0.15, 0.008}}, 0.3), 0, 0.8);
    Samples hit = noise(0.04, 31);
    filter(hit, FilterMode::BandPass, {900, 900, 0}, 0.9);
    envelope(hit, 0.0004, 0.006);
    mixInto(out, hit, 0, 0.8);
    // A second, smaller knock as the nugget settles.
    mixInto(out, struck({{270, 0.5, 0.03}, {655, 0.3, 0.02}, {1110, 0.2, 0.014}}, 0.15), 0.075, 0.45);
    return out;
}

// Gold: two small heavy pieces clinking together, then a softer third, warm rather than shrill.
Samples goldClink()
{
    const std::vector<Mode> gold = {{1870, 0.8, 0.09}, {2540, 0.5, 0.07}, {3980, 0.4, 0.05}, {5510, 0.25, 0.03}};
    Samples out;
    mixInto(out, struck(gold, 0.4), 0, 0.8);
    mixInto(out, click(4200, 0.01, 0.0015, 35), 0, 0.5);
    mixInto(out, struck(gold, 0.32, 1.07), 0.07, 0.6);
    mixInto(out, click(4600, 0.01, 0.0015, 36), 0.07, 0.35);
    mixInto(out, struck(gold, 0.2, 0.96), 0.16, 0.3);
    mixInto(out, shaped(tone(Wave::Sine, 620, 0.3), 0.001, 0.05), 0, 0.25);
    out.resize(static_cast<std::size_t>(frames(0.4)));
    return out;
}

// Three crystals that cannot be mistaken for each other: one clear glass ping, a quick rising
// sparkle of three glints, and a deeper two-note chime.
Samples mineral(int variant)
{
    if (variant == 0) {
        const double f = midiHz(A6);
        return struck({{f, 0.8, 0.2}, {f * 2.32, 0.35, 0.09}, {f * 4.25, 0.2, 0.04}, {f * 6.1, 0.1, 0.02}}, 0.42);
    }
    if (variant == 1) {
        Samples out;
        const int keys[] = {C7, E7, A6 + 12};
        for (int i = 0; i < 3; ++i) {
            const double f = midiHz(keys[i]);
            mixInto(out, struck({{f, 0.7, 0.05 + 0.05 * i}, {f * 2.7, 0.25, 0.02}}, 0.3), 0.045 * i, 0.8);
            mixInto(out, click(7000, 0.008, 0.001, 45 + i), 0.045 * i, 0.25);
        }
        out.resize(static_cast<std::size_t>(frames(0.4)));
        return out;
    }
    Samples out = chime(midiHz(E6), 0.45, 0.12, 0.8);
    mixInto(out, chime(midiHz(B5), 0.33, 0.13, 0.7), 0.11, 0.9);
    out.resize(static_cast<std::size_t>(frames(0.45)));
    return out;
}

// A wood knock: a few short, widely spaced modes and a dry strike.
Samples woodKnock(double pitch, double seconds, std::uint32_t seed)
{
    Samples out = struck({{210 * pitch, 0.8, 0.025}, {560 * pitch, 0.6, 0.016}, {1020 * pitch, 0.35, 0.009},
                          {1650 * pitch, 0.15, 0.005}}, seconds);
    mixInto(out, click(2400 * pitch, 0.02, 0.002, seed, 1.0), 0, 0.35);
    return out;
}

// Weapon pickups: a leather ammunition pouch with its brass buckle, a wooden crate lid with its
// contents rattling, and a brass cartridge clip snapped home.
Samples addWeapon(int variant)
{
    Samples out;
    if (variant == 0) {
        Samples rustle = noise(0.16, 41);
        filter(rustle, FilterMode::BandPass, {700, 1500, 0.14}, 1.4);
        envelopeAhr(rustle, 0.03, 0.06, 0.07);
        mixInto(out, rustle, 0, 0.7);
        mixInto(out, grains(10, 0.0, 0.14, 900, 2200, 0.004, 42), 0, 0.3);
        mixInto(out, thump(190, 120, 0.15, 0.03), 0.16, 0.7);
        mixInto(out, struck({{2350, 0.6, 0.04}, {3620, 0.4, 0.03}, {5100, 0.2, 0.02}}, 0.25), 0.17, 0.5);
        mixInto(out, struck({{2420, 0.4, 0.03}, {3700, 0.3, 0.02}}, 0.2), 0.25, 0.3);
    } else if (variant == 1) {
        mixInto(out, woodKnock(0.7, 0.2, 51), 0, 1.0);
        mixInto(out, grains(16, 0.07, 0.3, 500, 1600, 0.005, 52), 0, 0.45);
        mixInto(out, woodKnock(0.62, 0.3, 53), 0.23, 1.1);
        mixInto(out, thump(160, 100, 0.25, 0.04), 0.23, 0.6);
    } else {
        Samples slide = noise(0.14, 61);
        filter(slide, FilterMode::BandPass, {1500, 3800, 0.14}, 2.5);
        envelopeAhr(slide, 0.02, 0.08, 0.04);
        mixInto(out, slide, 0, 0.45);
        mixInto(out, click(3400, 0.05, 0.006, 62), 0.15, 0.9);
        mixInto(out, struck({{1180, 0.6, 0.12}, {2870, 0.45, 0.07}, {4450, 0.25, 0.04}}, 0.3), 0.15, 0.55);
        mixInto(out, thump(260, 170, 0.2, 0.035), 0.15, 0.5);
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

// A sputtering fuse: irregular pops and spits over a faint crackle, then the remote's two beeps.
Samples tntPlaced()
{
    Samples out;
    Scatter r(7);
    for (double at = 0.005; at < 0.28;) {
        const double size = r.between(0.25, 1.0);
        mixInto(out, click(r.between(1800, 5200), 0.02, r.between(0.0015, 0.004), r.state | 1u, 1.8), at, size);
        // Now and then a pop comes with a spit of sparks right after it.
        if (r.next() < 0.3)
            mixInto(out, grains(4, 0.0, 0.02, 4000, 8000, 0.0008, r.state | 1u), at + 0.004, 0.4 * size);
        at += r.between(0.012, 0.045);
    }
    Samples bed = noise(0.28, 101);
    filter(bed, FilterMode::HighPass, {3000, 3000, 0}, 0.7);
    envelopeAhr(bed, 0.01, 0.22, 0.05);
    mixInto(out, bed, 0, 0.015);
    for (int i = 0; i < 2; ++i) {
        Samples beep = tone(Wave::Square, 1760, 0.06);
        filter(beep, FilterMode::LowPass, {5000, 5000, 0}, 0.7);
        envelopeAhr(beep, 0.003, 0.045, 0.01);
        mixInto(out, beep, 0.3 + 0.08 * i, 0.2);
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

// A brass ratchet: four pawl clicks on a ringing brass wheel, the last one landing home.
Samples weaponChange()
{
    Samples out;
    const std::vector<Mode> brass = {{1460, 0.5, 0.03}, {2330, 0.45, 0.02}, {3870, 0.3, 0.012}, {5200, 0.15, 0.006}};
    for (int i = 0; i < 4; ++i) {
        const double at = 0.026 * i;
        mixInto(out, click(3300 + 250 * i, 0.02, 0.0018, 131 + i, 1.5), at, i == 3 ? 0.8 : 0.5);
        mixInto(out, struck(brass, 0.08, 1.0 + 0.015 * i), at, i == 3 ? 0.9 : 0.45);
    }
    mixInto(out, thump(420, 300, 0.06, 0.012), 0.078, 0.35);
    out.resize(static_cast<std::size_t>(frames(0.16)));
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

// The menu buttons are wooden: one small dry knock.
Samples menuClick() { return woodKnock(1.6, 0.1, 141); }

// Digging: a soft crumble of earth, a little different each time. Variants differ in grain seed,
// pitch and length so that a run of digs does not sound like one sample repeated.
Samples dig(int variant)
{
    const double seconds = 0.16 + 0.02 * variant;
    Samples out = noise(seconds, 151 + variant);
    filter(out, FilterMode::LowPass, {1400.0 - 150.0 * variant, 500.0, seconds * 0.6}, 0.8);
    filter(out, FilterMode::LowPass, {2400, 2400, 0}, 0.7);
    envelopeAhr(out, 0.012, 0.03, seconds - 0.05);
    scale(out, 0.35);
    Samples crumbs = grains(14 + 3 * variant, 0.0, seconds * 0.8, 400 + 100 * variant, 1500 - 100 * variant, 0.004,
                            157 + 11 * variant, 1.2);
    filter(crumbs, FilterMode::LowPass, {3000, 3000, 0}, 0.7);
    mixInto(out, crumbs, 0, 0.6);
    mixInto(out, thump(150 - 15 * variant, 100, 0.08, 0.02), 0, 0.35);
    out.resize(static_cast<std::size_t>(frames(seconds)));
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

// Brings the loudest 400 ms window to the tier's loudness; when the peaks would then pass the
// ceiling, they are rounded off and the level measured again.
void level(SoundEffect& e)
{
    finishEffect(e.samples);
    const double target = tierLoudness(e.tier);
    const double ceiling = kEffectPeakCeiling - 0.3;
    for (int pass = 0; pass < 10; ++pass) {
        const SoundLevels now = measureLevels(e.samples, 1);
        const double gainDb = target - now.momentaryMax;
        if (now.truePeak + gainDb <= ceiling) {
            scale(e.samples, decibelsToGain(gainDb));
            removeMean(e.samples);
            return;
        }
        scale(e.samples, decibelsToGain(gainDb));
        squeezePeaks(e.samples, decibelsToGain(ceiling - 6.0), decibelsToGain(ceiling - 0.3));
    }
    // Still too peaky: keep the ceiling and let the report show the shortfall.
    const SoundLevels now = measureLevels(e.samples, 1);
    scale(e.samples, decibelsToGain(std::min(target - now.momentaryMax, ceiling - now.truePeak)));
    removeMean(e.samples);
}

} // namespace

double tierLoudness(Tier tier)
{
    switch (tier) {
    case Tier::Blast: return -7.0;
    case Tier::Landing: return -10.0;
    case Tier::Pickup: return -14.0;
    case Tier::Interface: return -18.0;
    }
    return -18.0;
}

const char* tierName(Tier tier)
{
    switch (tier) {
    case Tier::Blast: return "blast";
    case Tier::Landing: return "landing";
    case Tier::Pickup: return "pickup";
    case Tier::Interface: return "interface";
    }
    return "?";
}

std::vector<SoundEffect> makeSoundEffects()
{
    using enum Tier;
    using assets::Effect;
    using assets::effectFile;
    std::vector<SoundEffect> effects = {
        {effectFile(Effect::Explosion), explosion(), Blast},
        {effectFile(Effect::StoneFall), stoneFall(), Landing},
        {effectFile(Effect::NuggetFall), nuggetFall(), Landing},
        {effectFile(Effect::Nugget), goldClink(), Pickup},
        {effectFile(Effect::Mineral1), mineral(0), Pickup},
        {effectFile(Effect::Mineral2), mineral(1), Pickup},
        {effectFile(Effect::Mineral3), mineral(2), Pickup},
        {effectFile(Effect::AddWeapon1), addWeapon(0), Pickup},
        {effectFile(Effect::AddWeapon2), addWeapon(1), Pickup},
        {effectFile(Effect::AddWeapon3), addWeapon(2), Pickup},
        {effectFile(Effect::Mine), mineLaid(), Landing},
        {effectFile(Effect::Shot), shot(), Landing},
        {effectFile(Effect::Grenade), grenadeThrow(), Landing},
        {effectFile(Effect::Tnt), tntPlaced(), Landing},
        {effectFile(Effect::Bottle), bottle(), Pickup},
        {effectFile(Effect::Life), lifeGained(), Pickup},
        {effectFile(Effect::Loser), loser(), Landing},
        {effectFile(Effect::Winner), winner(), Landing},
        {effectFile(Effect::Info), infoBlip(), Interface},
        {effectFile(Effect::WeaponChange), weaponChange(), Interface},
        {effectFile(Effect::Menu), menuClick(), Interface},
        {effectFile(Effect::Dig1), dig(0), Interface},
        {effectFile(Effect::Dig2), dig(1), Interface},
        {effectFile(Effect::Dig3), dig(2), Interface},
        {effectFile(Effect::Nothing), nothingHappens(), Interface},
    };
    for (SoundEffect& e : effects)
        level(e);
    return effects;
}

} // namespace burrowix::mkdata
