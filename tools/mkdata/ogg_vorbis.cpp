#include "ogg_vorbis.hpp"

#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace burrowix::mkdata {

namespace {

constexpr long kStreamSerial = 0x42524F57;  // fixed, so the output does not depend on the run
constexpr int kChunkFrames = 1024;

void append(std::vector<std::uint8_t>& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

} // namespace

std::vector<std::uint8_t> encodeOggVorbis(const std::vector<float>& samples, int channels, long rate, float quality)
{
    std::vector<std::uint8_t> out;
    if (channels < 1)
        return out;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        vorbis_info_clear(&info);
        return out;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "burrowix-mkdata");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, kStreamSerial);

    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        append(out, page);

    const std::size_t width = static_cast<std::size_t>(channels);
    const std::size_t frameCount = samples.size() / width;
    std::size_t at = 0;
    bool done = false;
    while (!done) {
        const std::size_t n = std::min<std::size_t>(kChunkFrames, frameCount - at);
        if (n == 0) {
            vorbis_analysis_wrote(&dsp, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t c = 0; c < width; ++c)
                    buffer[c][i] = samples[width * (at + i) + c];
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            at += n;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    append(out, page);
                    if (ogg_page_eos(&page))
                        done = true;
                }
            }
        }
        if (n == 0 && !done) {
            while (ogg_stream_flush(&stream, &page) != 0)
                append(out, page);
            done = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

namespace {

struct MemoryFile {
    const std::vector<std::uint8_t>* bytes;
    std::size_t position = 0;
};

std::size_t readMemory(void* dest, std::size_t size, std::size_t count, void* source)
{
    auto* file = static_cast<MemoryFile*>(source);
    const std::size_t want = size * count;
    const std::size_t n = std::min(want, file->bytes->size() - file->position);
    std::memcpy(dest, file->bytes->data() + file->position, n);
    file->position += n;
    return size ? n / size : 0;
}

int seekMemory(void* source, ogg_int64_t offset, int whence)
{
    auto* file = static_cast<MemoryFile*>(source);
    const auto size = static_cast<ogg_int64_t>(file->bytes->size());
    ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(file->position) : size;
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > size)
        return -1;
    file->position = static_cast<std::size_t>(target);
    return 0;
}

long tellMemory(void* source) { return static_cast<long>(static_cast<MemoryFile*>(source)->position); }

} // namespace

std::optional<DecodedSound> decodeOggVorbis(const std::vector<std::uint8_t>& bytes)
{
    MemoryFile file{&bytes};
    OggVorbis_File vf;
    const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0)
        return std::nullopt;
    DecodedSound out;
    const vorbis_info* info = ov_info(&vf, 0);
    out.channels = info->channels;
    out.rate = info->rate;
    out.streams = static_cast<int>(ov_streams(&vf));
    const ogg_int64_t total = ov_pcm_total(&vf, 0);
    if (total > 0)
        out.samples.reserve(static_cast<std::size_t>(total) * static_cast<std::size_t>(out.channels));
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n <= 0 || section != 0)
            break;
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < out.channels; ++c)
                out.samples.push_back(pcm[c][i]);
    }
    ov_clear(&vf);
    return out;
}

} // namespace burrowix::mkdata
