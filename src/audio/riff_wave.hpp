#pragma once
// The RIFF WAVE chunk walk: from byte 12, chunk after chunk (identifier, little-endian length, body
// padded to an even length), to the first "fmt " and the first "data" chunk. Every length is checked
// against the bytes present, so a damaged file fails instead of reading past its end.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "audio/wave_format.hpp"

namespace burrowix {

// Where the two chunks of a WAVE file lie.
struct WaveLayout {
    WaveFormat format;
    std::uint64_t dataOffset = 0;
    std::uint32_t dataLength = 0;
};

// Reads `count` bytes at `offset` of the file into `dest`; false when they are not all there.
using RiffReadAt = std::function<bool(std::uint64_t offset, void* dest, std::size_t count)>;

// Walks a file of `fileSize` bytes. False when it is no RIFF WAVE, its "fmt " body is shorter than
// 14 bytes, or the walk ends (at the RIFF size or the end of the file) before both chunks were found.
bool walkWaveChunks(const RiffReadAt& readAt, std::uint64_t fileSize, WaveLayout& layout);

// A WAVE file image in memory, as the effect bank keeps it.
struct WaveImage {
    WaveFormat format;
    const std::uint8_t* samples = nullptr;
    std::uint32_t length = 0;
};

bool parseWaveImage(const std::uint8_t* data, std::size_t size, WaveImage& image);

} // namespace burrowix
