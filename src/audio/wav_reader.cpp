#include "audio/wav_reader.hpp"

#include <algorithm>

#include "audio/riff_wave.hpp"

namespace burrowix {

int WavReader::open(const std::string& path)
{
    close(0);
    std::uint64_t size = 0;
    file_ = openRegularFile(path, &size);
    if (!file_)
        return 1;
    std::FILE* f = file_.get();
    const RiffReadAt readAt = [f](std::uint64_t offset, void* dest, std::size_t count) {
        return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0 && std::fread(dest, 1, count, f) == count;
    };
    WaveLayout layout;
    if (!walkWaveChunks(readAt, size, layout))
        return close(1);
    format = layout.format;
    dataOffset_ = layout.dataOffset;
    chunkLength_ = layout.dataLength;
    rewind();
    return 0;
}

void WavReader::rewind()
{
    dataLength = chunkLength_;
    position = 0;
    if (file_)
        fseeko(file_.get(), static_cast<off_t>(dataOffset_), SEEK_SET);
}

std::uint32_t WavReader::read(std::uint8_t* dest, std::uint32_t count, int)
{
    if (!file_ || position >= dataLength)
        return 0;
    const std::uint32_t n = std::min(count, dataLength - position);
    const auto got = static_cast<std::uint32_t>(std::fread(dest, 1, n, file_.get()));
    position += got;
    return got;
}

int WavReader::close(int code)
{
    file_.reset();
    return code;
}

} // namespace burrowix
