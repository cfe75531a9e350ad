#include "support/sound_files.hpp"

#include "ogg_vorbis.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace burrowix::test {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

} // namespace

std::vector<std::uint8_t> riffImage(const std::vector<RiffChunk>& chunks, long riffSize)
{
    std::vector<std::uint8_t> body{'W', 'A', 'V', 'E'};
    for (const RiffChunk& c : chunks) {
        body.insert(body.end(), c.id.begin(), c.id.end());
        put32(body, static_cast<std::uint32_t>(c.body.size()));
        body.insert(body.end(), c.body.begin(), c.body.end());
        if (c.body.size() % 2)
            body.push_back(0);
    }
    std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
    put32(out, riffSize >= 0 ? static_cast<std::uint32_t>(riffSize) : static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<std::uint8_t> pcmFormatBody(int channels, int rate, int bits)
{
    std::vector<std::uint8_t> out;
    const int align = channels * bits / 8;
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(channels));
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate * align));
    put16(out, static_cast<std::uint16_t>(align));
    put16(out, static_cast<std::uint16_t>(bits));
    return out;
}

std::vector<std::uint8_t> wavOf16(const std::vector<std::int16_t>& samples, int channels, int rate)
{
    std::vector<std::uint8_t> data;
    for (std::int16_t s : samples)
        put16(data, static_cast<std::uint16_t>(s));
    return riffImage({{"fmt ", pcmFormatBody(channels, rate, 16)}, {"data", data}});
}

std::vector<std::int16_t> sineTone(int frames, int channels, int rate, double hz, double amplitude)
{
    std::vector<std::int16_t> out;
    for (int i = 0; i < frames; ++i) {
        const auto v = static_cast<std::int16_t>(std::lround(amplitude * std::sin(2 * M_PI * hz * i / rate)));
        for (int c = 0; c < channels; ++c)
            out.push_back(v);
    }
    return out;
}

bool writeOgg(const std::string& path, const std::vector<std::int16_t>& samples, int channels, int rate)
{
    std::vector<float> scaled(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        scaled[i] = samples[i] / 32768.0f;
    const std::vector<std::uint8_t> ogg = mkdata::encodeOggVorbis(scaled, channels, rate, 0.4f);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    return !ogg.empty() && file && std::fwrite(ogg.data(), 1, ogg.size(), file.get()) == ogg.size() &&
           std::fclose(file.release()) == 0;
}

} // namespace burrowix::test
