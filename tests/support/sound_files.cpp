#include "support/sound_files.hpp"

#include <vorbis/vorbisenc.h>

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
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file)
        return false;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0) {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    const auto writePage = [&] {
        std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file.get());
        std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file.get());
    };
    while (ogg_stream_flush(&stream, &page))
        writePage();

    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    std::size_t done = 0;
    bool ended = false;
    while (!ended) {
        const std::size_t n = std::min<std::size_t>(1024, frames - done);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** in = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    in[c][i] = samples[(done + i) * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] / 32768.0f;
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            done += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) {
                    writePage();
                    if (ogg_page_eos(&page))
                        ended = true;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return true;
}

} // namespace burrowix::test
