#pragma once
// The building blocks every sound effect is made from: oscillators with pitch glides, seeded noise,
// a sweepable resonant filter, envelopes and mixing, all on mono float buffers at 44100 Hz.
#include <cstdint>
#include <vector>

namespace burrowix::mkdata {

inline constexpr int kSampleRate = 44100;
using Samples = std::vector<float>;

int frames(double seconds);

enum class Wave { Sine, Triangle, Square, Saw, Pulse25 };

// A value that glides exponentially from `from` to `to` over `seconds` (then stays at `to`); used for
// pitches and filter cut-offs, which the ear hears on a log scale.
struct Glide {
    double from = 0, to = 0, seconds = 0;
    double at(double t) const;
};

// An oscillator of `seconds` length whose frequency follows `pitch`. Band-limited enough for effects:
// the square, saw and pulse shapes are softened with a short polynomial step at each edge.
Samples tone(Wave wave, Glide pitch, double seconds);
inline Samples tone(Wave wave, double hz, double seconds) { return tone(wave, {hz, hz, 0}, seconds); }

// Two-operator FM: a sine carrier at `hz` modulated at `hz * ratio` with an index that decays from
// `index` to zero with the time constant `indexDecay`: bells, chimes and metal.
Samples fmBell(double hz, double ratio, double index, double indexDecay, double seconds);

// One mode of a struck body: a sine at `hz` that starts at `amplitude` and decays with time constant
// `decay` (seconds).
struct Mode {
    double hz = 0, amplitude = 0, decay = 0;
};
// A struck body as a sum of decaying modes: wood, stone and metal differ in their mode frequencies
// and in how fast the upper modes die. `detune` multiplies every frequency (1 = as given).
Samples struck(const std::vector<Mode>& modes, double seconds, double detune = 1.0);

// A small seeded generator for the effects' own scatter (grain times, pop sizes): every sound comes
// out the same on every run, and nothing here touches the game's random sequence.
struct Scatter {
    std::uint32_t state;
    explicit Scatter(std::uint32_t seed) : state(seed ? seed : 1u) {}
    // Uniform in [0, 1).
    double next();
    double between(double lo, double hi) { return lo + (hi - lo) * next(); }
};

// White noise from a fixed seed, so every run makes the same sound.
Samples noise(double seconds, std::uint32_t seed);

enum class FilterMode { LowPass, BandPass, HighPass };
// A state-variable filter whose cut-off follows `cutoff`; `q` above 0.7 rings at the cut-off.
void filter(Samples& s, FilterMode mode, Glide cutoff, double q);

// Attack ramp, then an exponential decay with time constant `decay` (seconds); a release at the end
// of the buffer would cut the tail, so the decay alone shapes it.
void envelope(Samples& s, double attack, double decay);
// Attack, hold at full level, then a linear release to zero.
void envelopeAhr(Samples& s, double attack, double hold, double release);
// Amplitude wobble (0..depth) at `hz`.
void tremolo(Samples& s, double hz, double depth);

// Adds `src * gain` into `dst` starting at `atSeconds`, growing `dst` as needed.
void mixInto(Samples& dst, const Samples& src, double atSeconds, double gain = 1.0);
void scale(Samples& s, double gain);
// Soft saturation for grit (drive 1 = mild).
void saturate(Samples& s, double drive);

// Takes out the sound's mean (its DC offset) under a Hann-shaped window, so that both ends stay at
// zero; struck modes and rounded peaks leave short sounds with an offset a high-pass cannot remove.
void removeMean(Samples& s);

// Removes DC with a gentle high-pass and fades the first and last milliseconds so that neither end
// clicks.
void finishEffect(Samples& s, double fadeInMs = 2.0, double fadeOutMs = 8.0);

} // namespace burrowix::mkdata
