#pragma once
// Sound effects as RIFF WAVE files: PCM, 16-bit, mono, 44100 Hz, an 18-byte format chunk and one
// "data" chunk, with the RIFF size covering exactly what follows it.
#include "synth_kit.hpp"

#include <cstdint>
#include <vector>

namespace burrowix::mkdata {

// Samples are clamped to full scale and rounded to 16 bits.
std::vector<std::uint8_t> encodeWav(const Samples& samples);

} // namespace burrowix::mkdata
