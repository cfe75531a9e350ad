// Ogg Vorbis on arbitrary bytes through the reader the game plays music with: the reader chosen for
// a ".ogg" file, opened over a file in memory through the same file calls as a real file (no file
// per input), then read as the music stream fills and refills its ring: looping requests of
// several sizes, a rewind, and a non-looping read past the end, all of which must come back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "audio/ogg_reader.hpp"
#include "audio/sound_reader.hpp"

// libvorbisfile itself keeps a few bytes on some malformed streams; that is the library's, not the
// reader's, so the leak check leaves it out. The allocations are made inside libvorbis, whose frames
// the sanitizer's fast unwinder often cannot walk past (the system library has no frame pointers),
// so the stack may name libvorbis alone.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libvorbisfile.so\nleak:libvorbis.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::unique_ptr<burrowix::SoundReader> reader = burrowix::createReaderForFile("back1.ogg");
    auto* ogg = dynamic_cast<burrowix::OggReader*>(reader.get());
    if (!ogg)
        __builtin_trap();
    std::FILE* f = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!f || ogg->openStream(burrowix::FilePtr(f, &std::fclose)) != 0)
        return 0;
    // A fill and two refills of a looping ring (small ones: the decoding behind them is the same),
    // their sizes varied by the input's last byte so that some end inside a packet and some past
    // the end of a short stream.
    std::vector<std::uint8_t> out(8192);
    const std::uint32_t odd = 1 + data[size - 1] * 31u;
    reader->read(out.data(), static_cast<std::uint32_t>(out.size()), 1);
    reader->read(out.data(), odd, 1);
    reader->read(out.data(), static_cast<std::uint32_t>(out.size()) - odd % 4096, 1);
    reader->rewind();
    reader->read(out.data(), 4096, 0);
    reader->read(out.data(), 4096, 0);
    return 0;
}
