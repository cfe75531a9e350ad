#pragma once
// Loudness and level measurements of generated sounds, taken with libebur128 (EBU R 128 / ITU-R
// BS.1770): integrated, short-term (3 s) and momentary (400 ms) loudness in LUFS, true peak in dBTP.
#include <cstddef>
#include <vector>

namespace burrowix::mkdata {

struct SoundLevels {
    double seconds = 0;
    double integrated = 0;    // LUFS; -inf for sounds shorter than one 400 ms gating block
    double shortTermMax = 0;  // LUFS, loudest 3 s window
    double momentaryMax = 0;  // LUFS, loudest 400 ms window
    double truePeak = 0;      // dBTP, loudest of the channels
    double range = 0;         // loudness range, LU (0 for sounds shorter than one 3 s window)
    double dcOffset = 0;      // mean sample value, full scale = 1
};

// `samples` are interleaved frames of `channels` channels at 44100 Hz, full scale = 1.
SoundLevels measureLevels(const std::vector<float>& samples, int channels);

// Integrated loudness alone (LUFS), cheaper than measureLevels for repeated levelling.
double integratedLoudness(const std::vector<float>& samples, int channels);

double decibelsToGain(double db);

// How a mono sound fares on small speakers: its loudest 400 ms window (LUFS) after a 12 dB/octave
// high-pass at `cutoffHz`, which removes what such speakers cannot play.
inline constexpr double kSmallSpeakerCutoff = 250.0;
double highPassedMomentaryMax(const std::vector<float>& mono, double cutoffHz = kSmallSpeakerCutoff);

} // namespace burrowix::mkdata
