#include "audio/ogg_reader.hpp"

#include <algorithm>
#include <climits>
#include <cstring>

namespace burrowix {

namespace {

std::size_t fileRead(void* dest, std::size_t size, std::size_t count, void* source)
{
    return std::fread(dest, size, count, static_cast<std::FILE*>(source));
}
int fileSeek(void* source, ogg_int64_t offset, int whence)
{
    return fseeko(static_cast<std::FILE*>(source), static_cast<off_t>(offset), whence);
}
long fileTell(void* source) { return static_cast<long>(ftello(static_cast<std::FILE*>(source))); }

struct MemorySource {
    std::vector<std::uint8_t>* bytes;
    std::size_t* pos;
};

} // namespace

int OggReader::open(const std::string& path)
{
    return openStream(openRegularFile(path));
}

int OggReader::openStream(FilePtr file)
{
    close(1);
    file_ = std::move(file);
    if (!file_)
        return 1;
    return openDecoder(file_.get(), ov_callbacks{fileRead, fileSeek, nullptr, fileTell});
}

int OggReader::openMemory(const std::uint8_t* data, std::size_t size)
{
    close(1);
    memory_.bytes.assign(data, data + size);
    memory_.pos = 0;
    const ov_callbacks callbacks{
        [](void* dest, std::size_t size, std::size_t count, void* source) -> std::size_t {
            auto* m = static_cast<Memory*>(source);
            if (size == 0)
                return 0;
            const std::size_t n = std::min(count, (m->bytes.size() - m->pos) / size);
            if (n != 0)
                std::memcpy(dest, m->bytes.data() + m->pos, n * size);
            m->pos += n * size;
            return n;
        },
        [](void* source, ogg_int64_t offset, int whence) -> int {
            auto* m = static_cast<Memory*>(source);
            const ogg_int64_t base = whence == SEEK_SET ? 0
                                     : whence == SEEK_CUR ? ogg_int64_t(m->pos)
                                                          : ogg_int64_t(m->bytes.size());
            const ogg_int64_t to = base + offset;
            if (to < 0 || to > ogg_int64_t(m->bytes.size()))
                return -1;
            m->pos = static_cast<std::size_t>(to);
            return 0;
        },
        nullptr,
        [](void* source) -> long { return static_cast<long>(static_cast<Memory*>(source)->pos); },
    };
    return openDecoder(&memory_, callbacks);
}

int OggReader::openDecoder(void* source, ov_callbacks callbacks)
{
    if (ov_open_callbacks(source, &decoder_, nullptr, 0, callbacks) != 0)
        return close(2);
    decoderOpen_ = true;
    const vorbis_info* info = ov_info(&decoder_, 0);
    if (!info || info->channels < 1 || info->channels > 255 || info->rate < 1)
        return close(2);
    format = pcm16Format(info->channels, static_cast<std::uint32_t>(info->rate));
    const ogg_int64_t samples = ov_pcm_total(&decoder_, 0);
    const ogg_int64_t bytes = samples < 0 ? 0 : samples * info->channels * 2;
    dataLength = static_cast<std::uint32_t>(std::min<ogg_int64_t>(bytes, UINT32_MAX));
    rewind();
    return 0;
}

void OggReader::rewind()
{
    position = 0;
    if (decoderOpen_)
        ov_pcm_seek(&decoder_, 0);
}

std::uint32_t OggReader::decode(std::uint8_t* dest, std::uint32_t count, bool& failed)
{
    std::uint32_t got = 0;
    int holes = 0;
    while (got < count && position < dataLength) {
        int bitstream = 0;
        const long n = ov_read(&decoder_, reinterpret_cast<char*>(dest + got),
                               static_cast<int>(std::min<std::uint32_t>(count - got, INT_MAX)), 0, 2, 1, &bitstream);
        if (n == OV_HOLE && ++holes < 64)
            continue;
        if (n <= 0) {
            failed = true;
            break;
        }
        position += static_cast<std::uint32_t>(n);
        got += static_cast<std::uint32_t>(n);
    }
    return got;
}

std::uint32_t OggReader::read(std::uint8_t* dest, std::uint32_t count, int loop)
{
    if (!decoderOpen_) {
        std::memset(dest, 0, count);
        return 0;
    }
    std::uint32_t got = 0;
    bool failed = false;
    got += decode(dest, count, failed);
    // Each pass after a rewind must deliver something, so the loop always ends.
    while (got < count && loop && !failed) {
        rewind();
        const std::uint32_t pass = decode(dest + got, count - got, failed);
        if (pass == 0)
            break;
        got += pass;
    }
    if (got < count)
        std::memset(dest + got, 0, count - got);
    return got;
}

int OggReader::close(int code)
{
    if (decoderOpen_)
        ov_clear(&decoder_);
    decoderOpen_ = false;
    file_.reset();
    memory_ = {};
    return code;
}

} // namespace burrowix
