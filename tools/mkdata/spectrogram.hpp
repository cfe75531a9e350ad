#pragma once
// A spectrogram PNG of a sound, for reviewing sounds by eye: time runs left to right, frequency
// bottom to top on a log scale (30 Hz to 20 kHz), level in colour from -90 dB (black) to 0 dB
// (white), with a waveform strip underneath.
#include <string>
#include <vector>

namespace burrowix::mkdata {

// `samples` are interleaved frames of `channels` channels at 44100 Hz; the channels are averaged.
bool writeSpectrogram(const std::vector<float>& samples, int channels, const std::string& pngPath);

} // namespace burrowix::mkdata
