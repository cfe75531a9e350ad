#pragma once
// Ogg Vorbis files through libvorbisfile, decoded to little-endian signed 16-bit samples. A looping
// read continues from the first sample inside the same request; a non-looping read fills what lies
// past the end with silence. A decoder that fails, or a file without samples, ends the read with
// silence instead of looping for ever.

#include <cstdio>
#include <vector>

#include <vorbis/vorbisfile.h>

#include "audio/sound_reader.hpp"
#include "platform/system/regular_file.hpp"

namespace burrowix {

class OggReader : public SoundReader {
public:
    ~OggReader() override { close(1); }
    int open(const std::string& path) override;
    // Decodes from an open file, read through the same calls as open() uses (the fuzz target hands
    // in a file over memory, so it reaches what the game reaches without a file per input).
    int openStream(FilePtr file);
    // Decodes from a copy of `size` bytes in memory (used by the fuzz target and the benchmark).
    int openMemory(const std::uint8_t* data, std::size_t size);
    void rewind() override;
    std::uint32_t read(std::uint8_t* dest, std::uint32_t count, int loop) override;
    int close(int code) override;

private:
    int openDecoder(void* source, ov_callbacks callbacks);
    // Decodes until `count` bytes or the end of the data; false when the decoder gave up.
    std::uint32_t decode(std::uint8_t* dest, std::uint32_t count, bool& failed);

    struct Memory {
        std::vector<std::uint8_t> bytes;
        std::size_t pos = 0;
    };

    FilePtr file_{nullptr, std::fclose};
    Memory memory_;
    OggVorbis_File decoder_{};
    bool decoderOpen_ = false;
};

} // namespace burrowix
