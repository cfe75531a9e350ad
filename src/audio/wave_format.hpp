#pragma once
// The PCM format record every sound buffer and reader describes its samples with (the fields of a
// WAVE "fmt " chunk), and the one format the mixer outputs.

#include <cstdint>

namespace burrowix {

struct WaveFormat {
    std::uint16_t formatTag = 0; // 1 integer PCM, 3 floating-point PCM
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;

    bool operator==(const WaveFormat&) const = default;
};

inline constexpr std::uint16_t kFormatPcm = 1;
inline constexpr std::uint16_t kFormatFloat = 3;

// 44100 Hz, signed 16-bit, stereo: the output device and every static buffer after conversion.
inline constexpr WaveFormat kMixFormat{kFormatPcm, 2, 44100, 176400, 4, 16, 0};

// Integer PCM, 16-bit, with the given channels and rate, block alignment and byte rate filled in.
inline WaveFormat pcm16Format(int channels, std::uint32_t rate)
{
    const auto align = static_cast<std::uint16_t>(2 * channels);
    return {kFormatPcm, static_cast<std::uint16_t>(channels), rate, rate * align, align, 16, 0};
}

} // namespace burrowix
