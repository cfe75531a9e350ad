// The Ogg reader on arbitrary bytes from memory: open, then looping and non-looping reads past the
// end, which must come back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/ogg_reader.hpp"

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
