// The Ogg reader on arbitrary bytes from memory: open, then looping and non-looping reads past the
// end, which must come back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/ogg_reader.hpp"

// libvorbisfile itself keeps a few bytes on some malformed streams; that is the library's, not the
// reader's, so the leak check leaves it out.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libvorbisfile.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    burrowix::OggReader reader;
    if (reader.openMemory(data, size) != 0)
        return 0;
    std::vector<std::uint8_t> out(65536);
    reader.read(out.data(), static_cast<std::uint32_t>(out.size()), 1);
    reader.rewind();
    reader.read(out.data(), static_cast<std::uint32_t>(out.size()), 0);
    return 0;
}
