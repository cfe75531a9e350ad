#include "audio/riff_wave.hpp"

#include <algorithm>
#include <cstring>

namespace burrowix {

namespace {

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The format from a "fmt " body of `length` (at least 14) bytes. A body without the bits-per-sample
// field (the old 14-byte record) takes the sample size from the block alignment.
WaveFormat formatFromBody(const std::uint8_t* body, std::uint32_t length)
{
    WaveFormat f;
    f.formatTag = le16(body);
    f.channels = le16(body + 2);
    f.samplesPerSec = le32(body + 4);
    f.avgBytesPerSec = le32(body + 8);
    f.blockAlign = le16(body + 12);
    if (length >= 16)
        f.bitsPerSample = le16(body + 14);
    else if (f.channels != 0)
        f.bitsPerSample = static_cast<std::uint16_t>(f.blockAlign * 8 / f.channels);
    f.extraSize = 0;
    return f;
}

} // namespace

bool walkWaveChunks(const RiffReadAt& readAt, std::uint64_t fileSize, WaveLayout& layout)
{
    std::uint8_t header[12];
    if (fileSize < 12 || !readAt(0, header, 12))
        return false;
    if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0)
        return false;
    // Chunks start before 12 + R - 4, and never past the bytes present.
    const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t(le32(header + 4)) + 8, fileSize);
    bool haveFormat = false;
    bool haveData = false;
    std::uint64_t pos = 12;
    while (pos < end && !(haveFormat && haveData)) {
        std::uint8_t chunk[8];
        if (pos + 8 > fileSize || !readAt(pos, chunk, 8))
            return false;
        const std::uint32_t length = le32(chunk + 4);
        const std::uint64_t body = pos + 8;
        if (body + length > fileSize)
            return false;
        if (!haveFormat && std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 14)
                return false;
            std::uint8_t fmt[16] = {};
            if (!readAt(body, fmt, std::min<std::uint32_t>(length, 16)))
                return false;
            layout.format = formatFromBody(fmt, length);
            haveFormat = true;
        } else if (!haveData && std::memcmp(chunk, "data", 4) == 0) {
            layout.dataOffset = body;
            layout.dataLength = length;
            haveData = true;
        }
        pos = body + ((std::uint64_t(length) + 1) & ~std::uint64_t(1));
    }
    return haveFormat && haveData;
}

bool parseWaveImage(const std::uint8_t* data, std::size_t size, WaveImage& image)
{
    if (!data)
        return false;
    const RiffReadAt readAt = [&](std::uint64_t offset, void* dest, std::size_t count) {
        if (offset > size || count > size - offset)
            return false;
        std::memcpy(dest, data + offset, count);
        return true;
    };
    WaveLayout layout;
    if (!walkWaveChunks(readAt, size, layout))
        return false;
    image.format = layout.format;
    image.samples = data + layout.dataOffset;
    image.length = layout.dataLength;
    return true;
}

} // namespace burrowix
