#include "platform/archive/file_range_copy.hpp"

#include <sys/types.h>
#include <vector>

namespace burrowix {

RangeCopyResult copyFileRange(std::FILE* from, std::uint64_t offset, std::uint64_t length,
                              const ChunkSink& sink)
{
    RangeCopyResult result;
    if (length == 0)
        return result;
    if (offset > static_cast<std::uint64_t>(INT64_MAX) || ::fseeko(from, static_cast<off_t>(offset), SEEK_SET) != 0)
        return result;
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(length < kCopyChunkSize ? length : kCopyChunkSize));
    while (result.copied < length) {
        const std::uint64_t left = length - result.copied;
        const std::size_t want = left < chunk.size() ? static_cast<std::size_t>(left) : chunk.size();
        const std::size_t got = std::fread(chunk.data(), 1, want, from);
        if (got > 0) {
            if (!sink(chunk.data(), got)) {
                result.sinkFailed = true;
                break;
            }
            result.copied += got;
        }
        if (got < want)
            break;
    }
    return result;
}

} // namespace burrowix
