#include "wav_writer.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace burrowix::mkdata {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putId(std::vector<std::uint8_t>& out, const char* id)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(id[i]));
}

} // namespace

std::vector<std::uint8_t> encodeWav(const Samples& samples)
{
    constexpr std::uint32_t kChannels = 1, kBits = 16, kBlockAlign = kChannels * kBits / 8;
    constexpr std::uint32_t kFormatSize = 18;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBlockAlign);
    std::vector<std::uint8_t> out;
    out.reserve(12 + 8 + kFormatSize + 8 + dataSize);
    putId(out, "RIFF");
    put32(out, 4 + 8 + kFormatSize + 8 + dataSize);
    putId(out, "WAVE");
    putId(out, "fmt ");
    put32(out, kFormatSize);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * kBlockAlign);
    put16(out, kBlockAlign);
    put16(out, kBits);
    put16(out, 0);  // no extra format bytes
    putId(out, "data");
    put32(out, dataSize);
    for (float v : samples) {
        const long q = std::lround(std::clamp(static_cast<double>(v), -1.0, 1.0) * 32767.0);
        put16(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(q)) & 0xFFFF);
    }
    return out;
}

} // namespace burrowix::mkdata
