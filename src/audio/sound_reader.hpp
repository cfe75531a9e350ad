#pragma once
// A sound file opened for decoding: its PCM format, the length of its decoded data, and decoded bytes
// on request. The stream engine feeds its buffers through readers.

#include <cstdint>
#include <memory>
#include <string>

#include "audio/wave_format.hpp"

namespace burrowix {

class SoundReader {
public:
    virtual ~SoundReader() = default;
    // 0 on success, non-zero on failure.
    virtual int open(const std::string& path) { (void)path; return 1; }
    // Back to the first byte of the data.
    virtual void rewind() {}
    // Up to `count` decoded bytes into `dest`; the number delivered.
    virtual std::uint32_t read(std::uint8_t* dest, std::uint32_t count, int loop)
    {
        (void)dest, (void)count, (void)loop;
        return 0;
    }
    // Closes whatever is open and returns `code`.
    virtual int close(int code) { return code; }

    WaveFormat format;
    std::uint32_t dataLength = 0;
    std::uint32_t position = 0;
};

// A reader chosen by the extension after the last dot, ignoring case: "wav" a WavReader; "ogg" and
// "tmp" (pack members arrive as temporary copies) an OggReader; anything else null.
std::unique_ptr<SoundReader> createReaderForFile(const std::string& path);

} // namespace burrowix
