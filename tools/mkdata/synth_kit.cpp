#include "synth_kit.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace burrowix::mkdata {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Smooths the step of a square or saw edge over one sample (polynomial band-limited step).
double polyBlep(double phase, double increment)
{
    if (phase < increment) {
        const double t = phase / increment;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - increment) {
        const double t = (phase - 1.0) / increment;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double wrap(double phase) { return phase - std::floor(phase); }

} // namespace

int frames(double seconds) { return std::max(0, static_cast<int>(std::lround(seconds * kSampleRate))); }

double Glide::at(double t) const
{
    if (seconds <= 0 || t >= seconds || from <= 0 || to <= 0)
        return t >= seconds || from <= 0 ? to : from;
    return from * std::pow(to / from, t / seconds);
}

Samples tone(Wave wave, Glide pitch, double seconds)
{
    Samples out(static_cast<std::size_t>(frames(seconds)));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double inc = std::min(0.45, pitch.at(static_cast<double>(i) / kSampleRate) / kSampleRate);
        double v = 0;
        switch (wave) {
        case Wave::Sine: v = std::sin(kTwoPi * phase); break;
        case Wave::Triangle: v = 1.0 - 4.0 * std::abs(phase - 0.5); break;
        case Wave::Saw: v = 2.0 * phase - 1.0 - polyBlep(phase, inc); break;
        case Wave::Square:
        case Wave::Pulse25: {
            const double width = wave == Wave::Square ? 0.5 : 0.25;
            v = (phase < width ? 1.0 : -1.0) + polyBlep(phase, inc) - polyBlep(wrap(phase + 1.0 - width), inc);
            break;
        }
        }
        out[i] = static_cast<float>(v);
        phase = wrap(phase + inc);
    }
    return out;
}

Samples fmBell(double hz, double ratio, double index, double indexDecay, double seconds)
{
    Samples out(static_cast<std::size_t>(frames(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double mod = index * std::exp(-t / indexDecay) * std::sin(kTwoPi * hz * ratio * t);
        out[i] = static_cast<float>(std::sin(kTwoPi * hz * t + mod));
    }
    return out;
}

Samples struck(const std::vector<Mode>& modes, double seconds, double detune)
{
    Samples out(static_cast<std::size_t>(frames(seconds)));
    for (const Mode& m : modes) {
        const double w = kTwoPi * m.hz * detune / kSampleRate;
        if (m.hz * detune >= 0.45 * kSampleRate)
            continue;
        // Rotating phasor with a per-sample decay: exact and cheaper than sin and exp per sample.
        const double r = std::exp(-1.0 / (m.decay * kSampleRate));
        double c = std::cos(w), s = std::sin(w), re = 1.0, im = 0.0, a = m.amplitude;
        for (float& v : out) {
            v = static_cast<float>(v + a * im);
            const double nre = re * c - im * s;
            im = re * s + im * c;
            re = nre;
            a *= r;
        }
    }
    return out;
}

double Scatter::next()
{
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / 16777216.0;
}

Samples noise(double seconds, std::uint32_t seed)
{
    Samples out(static_cast<std::size_t>(frames(seconds)));
    std::uint32_t x = seed ? seed : 0x9E3779B9u;
    for (float& v : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v = static_cast<float>(static_cast<double>(x) / 2147483648.0 - 1.0);
    }
    return out;
}

void filter(Samples& s, FilterMode mode, Glide cutoff, double q)
{
    const double k = 1.0 / std::max(0.1, q);
    double ic1 = 0, ic2 = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double fc = std::clamp(cutoff.at(static_cast<double>(i) / kSampleRate), 10.0, 0.45 * kSampleRate);
        const double g = std::tan(std::numbers::pi * fc / kSampleRate);
        const double a1 = 1.0 / (1.0 + g * (g + k)), a2 = g * a1, a3 = g * a2;
        const double v0 = s[i];
        const double v3 = v0 - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        const double y = mode == FilterMode::LowPass ? v2 : mode == FilterMode::BandPass ? v1 : v0 - k * v1 - v2;
        s[i] = static_cast<float>(y);
    }
}

void envelope(Samples& s, double attack, double decay)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        s[i] = static_cast<float>(s[i] * a * std::exp(-t / decay));
    }
}

void envelopeAhr(Samples& s, double attack, double hold, double release)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double a = 1.0;
        if (attack > 0 && t < attack)
            a = t / attack;
        else if (t > attack + hold)
            a = std::max(0.0, 1.0 - (t - attack - hold) / release);
        s[i] = static_cast<float>(s[i] * a);
    }
}

void tremolo(Samples& s, double hz, double depth)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        s[i] = static_cast<float>(s[i] * (1.0 - depth * 0.5 * (1.0 - std::cos(kTwoPi * hz * t))));
    }
}

void mixInto(Samples& dst, const Samples& src, double atSeconds, double gain)
{
    const std::size_t start = static_cast<std::size_t>(frames(atSeconds));
    if (dst.size() < start + src.size())
        dst.resize(start + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[start + i] += static_cast<float>(src[i] * gain);
}

void scale(Samples& s, double gain)
{
    for (float& v : s)
        v = static_cast<float>(v * gain);
}

void saturate(Samples& s, double drive)
{
    const double norm = std::tanh(drive);
    for (float& v : s)
        v = static_cast<float>(std::tanh(v * drive) / norm);
}

void removeMean(Samples& s)
{
    if (s.size() < 3)
        return;
    double sum = 0, weights = 0;
    const double n = static_cast<double>(s.size() - 1);
    for (std::size_t i = 0; i < s.size(); ++i) {
        sum += s[i];
        weights += 0.5 - 0.5 * std::cos(kTwoPi * i / n);
    }
    const double per = sum / weights;
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(s[i] - per * (0.5 - 0.5 * std::cos(kTwoPi * i / n)));
}

void finishEffect(Samples& s, double fadeInMs, double fadeOutMs)
{
    const double r = 1.0 - kTwoPi * 20.0 / kSampleRate;
    double x1 = 0, y1 = 0;
    for (float& v : s) {
        const double y = v - x1 + r * y1;
        x1 = v;
        y1 = y;
        v = static_cast<float>(y);
    }
    const std::size_t in = std::min(s.size(), static_cast<std::size_t>(frames(fadeInMs / 1000.0)));
    const std::size_t out = std::min(s.size(), static_cast<std::size_t>(frames(fadeOutMs / 1000.0)));
    for (std::size_t i = 0; i < in; ++i)
        s[i] = static_cast<float>(s[i] * static_cast<double>(i) / in);
    for (std::size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] = static_cast<float>(s[s.size() - 1 - i] * static_cast<double>(i) / out);
}

} // namespace burrowix::mkdata
