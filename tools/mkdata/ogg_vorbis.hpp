#pragma once
// Music tracks as Ogg Vorbis: encoding with libvorbisenc into one logical stream with a fixed serial
// number (so two builds write the same bytes), and decoding with libvorbisfile for the checks.
#include <cstdint>
#include <optional>
#include <vector>

namespace burrowix::mkdata {

// Interleaved frames of `channels` samples at `rate` Hz, full scale = 1; `quality` as libvorbisenc's
// VBR quality (0.4 is about 128 kbit/s for stereo music). Empty when the encoder refuses the format.
std::vector<std::uint8_t> encodeOggVorbis(const std::vector<float>& samples, int channels, long rate,
                                          float quality);

struct DecodedSound {
    int channels = 0;
    long rate = 0;
    int streams = 0;              // logical streams in the file
    std::vector<float> samples;   // interleaved, from the first logical stream
};

std::optional<DecodedSound> decodeOggVorbis(const std::vector<std::uint8_t>& bytes);

} // namespace burrowix::mkdata
