#pragma once
// Copying a byte range of an open file in fixed-size chunks, so that large members never have to sit
// in memory whole.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace burrowix {

constexpr std::size_t kCopyChunkSize = 64 * 1024;

// Receives one chunk; returns false to stop the copy.
using ChunkSink = std::function<bool(const std::uint8_t* bytes, std::size_t count)>;

struct RangeCopyResult {
    std::uint64_t copied = 0; // bytes read and accepted by the sink
    bool sinkFailed = false;  // the sink refused a chunk
};

// Reads up to `length` bytes from `offset` of `from` and hands them to `sink`. Stops early at the end
// of the file, on a read error, or when the sink refuses a chunk.
RangeCopyResult copyFileRange(std::FILE* from, std::uint64_t offset, std::uint64_t length,
                              const ChunkSink& sink);

// The part of a `size`-byte range at `offset` that lies inside a file of `fileSize` bytes.
inline std::uint64_t bytesPresent(std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize)
{
    if (offset >= fileSize)
        return 0;
    return size < fileSize - offset ? size : fileSize - offset;
}

} // namespace burrowix
