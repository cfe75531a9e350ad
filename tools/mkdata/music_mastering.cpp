#include "music_mastering.hpp"

#include "loudness.hpp"
#include "synth_kit.hpp"

#include <algorithm>
#include <cmath>

namespace burrowix::mkdata {

namespace {

// Sample peaks stay this far under the true-peak ceiling, leaving room for the peaks between samples
// and for the encoder's small overshoots.
constexpr double kSampleCeilingDb = kMusicPeakCeiling - 1.0;
constexpr double kAttackSeconds = 0.003, kReleaseSeconds = 0.08;

void scaleAll(std::vector<float>& s, double gain)
{
    for (float& v : s)
        v = static_cast<float>(v * gain);
}

// Gain per frame that keeps every sample under `ceiling`: ramps down over the attack time before a
// peak and recovers over the release time after it, both wrapping round the loop.
void limit(std::vector<float>& stereo, double ceiling)
{
    const std::size_t n = stereo.size() / 2;
    if (n == 0)
        return;
    std::vector<double> gain(n);
    bool any = false;
    for (std::size_t i = 0; i < n; ++i) {
        const double peak = std::max(std::abs(stereo[2 * i]), std::abs(stereo[2 * i + 1]));
        gain[i] = peak > ceiling ? ceiling / peak : 1.0;
        any = any || gain[i] < 1.0;
    }
    if (!any)
        return;
    const double attackStep = 1.0 / (kAttackSeconds * kSampleRate);
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t k = n; k-- > 0;)
            gain[k] = std::min(gain[k], gain[(k + 1) % n] + attackStep);
    const double release = 1.0 - std::exp(-1.0 / (kReleaseSeconds * kSampleRate));
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t k = 0; k < n; ++k) {
            const double before = gain[(k + n - 1) % n];
            gain[k] = std::min(gain[k], before + (1.0 - before) * release);
        }
    for (std::size_t i = 0; i < n; ++i) {
        stereo[2 * i] = static_cast<float>(stereo[2 * i] * gain[i]);
        stereo[2 * i + 1] = static_cast<float>(stereo[2 * i + 1] * gain[i]);
    }
}

// Removes DC and rumble below about 10 Hz (some instrument samples carry an offset). The filter
// runs round the loop twice so that its state at the start is the one the end leaves behind.
void removeDc(std::vector<float>& stereo)
{
    const std::size_t n = stereo.size() / 2;
    const double r = 1.0 - 2.0 * 3.14159265358979 * 10.0 / kSampleRate;
    for (std::size_t c = 0; c < 2; ++c) {
        double x1 = stereo[c], y1 = 0;
        for (int pass = 0; pass < 2; ++pass)
            for (std::size_t i = 0; i < n; ++i) {
                const double x = stereo[2 * i + c];
                const double y = x - x1 + r * y1;
                x1 = x;
                y1 = y;
                if (pass == 1)
                    stereo[2 * i + c] = static_cast<float>(y);
            }
    }
}

} // namespace

void masterLoop(std::vector<float>& stereo)
{
    removeDc(stereo);
    const double ceiling = decibelsToGain(kSampleCeilingDb);
    // Limiting lowers the loudness a little, so level and limit again until it settles.
    for (int pass = 0; pass < 4; ++pass) {
        const double loudness = integratedLoudness(stereo, 2);
        if (!std::isfinite(loudness))
            return;
        scaleAll(stereo, decibelsToGain(kMusicLoudness - loudness));
        limit(stereo, ceiling);
    }
}

LoopSeam measureLoopSeam(const std::vector<float>& samples, int channels)
{
    LoopSeam seam;
    const std::size_t c = static_cast<std::size_t>(channels);
    const std::size_t frameCount = samples.size() / c;
    if (frameCount < 2)
        return seam;
    double sum = 0;
    for (std::size_t i = c; i < frameCount * c; ++i)
        sum += std::abs(samples[i] - samples[i - c]);
    seam.typical = sum / static_cast<double>((frameCount - 1) * c);
    for (std::size_t ch = 0; ch < c; ++ch)
        seam.step = std::max(seam.step, static_cast<double>(std::abs(samples[ch] - samples[(frameCount - 1) * c + ch])));
    return seam;
}

} // namespace burrowix::mkdata
