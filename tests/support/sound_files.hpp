#pragma once
// Small sound files made by the tests themselves: WAV images with chosen chunks, and Ogg Vorbis
// files encoded from given samples.

#include <cstdint>
#include <string>
#include <vector>

namespace burrowix::test {

// One RIFF chunk: identifier and body (written with its pad byte when odd).
struct RiffChunk {
    std::string id;
    std::vector<std::uint8_t> body;
};

// A "RIFF....WAVE" image of the chunks; `riffSize` overrides the size field when not negative.
std::vector<std::uint8_t> riffImage(const std::vector<RiffChunk>& chunks, long riffSize = -1);

// A "fmt " body of 16 bytes for integer PCM.
std::vector<std::uint8_t> pcmFormatBody(int channels, int rate, int bits);

// A plain PCM WAV of 16-bit samples (interleaved).
std::vector<std::uint8_t> wavOf16(const std::vector<std::int16_t>& samples, int channels, int rate);

// Interleaved 16-bit samples of a sine tone.
std::vector<std::int16_t> sineTone(int frames, int channels, int rate, double hz, double amplitude);

// Encodes the samples as Ogg Vorbis into `path`; false on failure.
bool writeOgg(const std::string& path, const std::vector<std::int16_t>& samples, int channels, int rate);

} // namespace burrowix::test
