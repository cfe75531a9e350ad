#pragma once
// Uncompressed RIFF WAVE files, found by the same chunk walk as the effects. `read` delivers what is
// left of the data and never loops or pads.

#include <cstdio>

#include "audio/sound_reader.hpp"
#include "platform/system/regular_file.hpp"

namespace burrowix {

class WavReader : public SoundReader {
public:
    ~WavReader() override { close(0); }
    int open(const std::string& path) override;
    void rewind() override;
    std::uint32_t read(std::uint8_t* dest, std::uint32_t count, int loop) override;
    int close(int code) override;

private:
    FilePtr file_{nullptr, std::fclose};
    std::uint64_t dataOffset_ = 0;
    std::uint32_t chunkLength_ = 0;
};

} // namespace burrowix
