#include "loudness.hpp"

#include "synth_kit.hpp"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace burrowix::mkdata {

double decibelsToGain(double db) { return std::pow(10.0, db / 20.0); }

double integratedLoudness(const std::vector<float>& samples, int channels)
{
    double loudness = -std::numeric_limits<double>::infinity();
    ebur128_state* state = ebur128_init(static_cast<unsigned>(channels), kSampleRate, EBUR128_MODE_I);
    if (!state)
        return loudness;
    ebur128_add_frames_float(state, samples.data(), samples.size() / static_cast<std::size_t>(channels));
    if (ebur128_loudness_global(state, &loudness) != EBUR128_SUCCESS)
        loudness = -std::numeric_limits<double>::infinity();
    ebur128_destroy(&state);
    return loudness;
}

SoundLevels measureLevels(const std::vector<float>& samples, int channels)
{
    SoundLevels out;
    const double minusInf = -std::numeric_limits<double>::infinity();
    out.integrated = out.shortTermMax = out.momentaryMax = out.truePeak = minusInf;
    const std::size_t frameCount = samples.size() / static_cast<std::size_t>(channels);
    out.seconds = static_cast<double>(frameCount) / kSampleRate;
    if (frameCount == 0)
        return out;

    std::unique_ptr<ebur128_state, void (*)(ebur128_state*)> state(
        ebur128_init(static_cast<unsigned>(channels), kSampleRate,
                     EBUR128_MODE_I | EBUR128_MODE_S | EBUR128_MODE_M | EBUR128_MODE_LRA | EBUR128_MODE_TRUE_PEAK),
        [](ebur128_state* s) { ebur128_destroy(&s); });
    if (!state)
        return out;
    // Windows are read every 10 ms; the state starts from silence, so a sound shorter than a window
    // is measured as that sound followed by nothing, as a listener hears it.
    const std::size_t hop = kSampleRate / 100;
    for (std::size_t at = 0; at < frameCount; at += hop) {
        const std::size_t n = std::min(hop, frameCount - at);
        ebur128_add_frames_float(state.get(), samples.data() + at * static_cast<std::size_t>(channels), n);
        double m = minusInf, s = minusInf;
        if (ebur128_loudness_momentary(state.get(), &m) == EBUR128_SUCCESS)
            out.momentaryMax = std::max(out.momentaryMax, m);
        if (ebur128_loudness_shortterm(state.get(), &s) == EBUR128_SUCCESS)
            out.shortTermMax = std::max(out.shortTermMax, s);
    }
    double integrated = minusInf;
    if (ebur128_loudness_global(state.get(), &integrated) == EBUR128_SUCCESS)
        out.integrated = integrated;
    double range = 0;
    if (ebur128_loudness_range(state.get(), &range) == EBUR128_SUCCESS && std::isfinite(range))
        out.range = range;
    double peak = 0;
    for (int c = 0; c < channels; ++c) {
        double p = 0;
        if (ebur128_true_peak(state.get(), static_cast<unsigned>(c), &p) == EBUR128_SUCCESS)
            peak = std::max(peak, p);
    }
    out.truePeak = peak > 0 ? 20.0 * std::log10(peak) : minusInf;
    double sum = 0;
    for (float v : samples)
        sum += v;
    out.dcOffset = sum / static_cast<double>(samples.size());
    return out;
}

double highPassedMomentaryMax(const std::vector<float>& mono, double cutoffHz)
{
    std::vector<float> filtered = mono;
    filter(filtered, FilterMode::HighPass, {cutoffHz, cutoffHz, 0}, 0.7071);
    return measureLevels(filtered, 1).momentaryMax;
}

} // namespace burrowix::mkdata
