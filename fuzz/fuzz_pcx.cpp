// PCX decoder on arbitrary bytes: must never crash, read or write out of bounds, or hang.
#include <cstddef>
#include <cstdint>

#include "platform/image/image_decoders.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    burrowix::DecodedImage image;
    if (burrowix::decodePcx({data, size}, image))
        (void)image.toBitmap();
    return 0;
}
