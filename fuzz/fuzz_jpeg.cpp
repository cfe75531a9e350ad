// JPEG decoding through the library's error handler on arbitrary bytes, read from a memory stream.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "platform/image/image_decoders.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::FILE* f = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!f)
        return 0;
    burrowix::DecodedImage image;
    if (burrowix::decodeJpeg(f, image))
        (void)image.toBitmap();
    std::fclose(f);
    return 0;
}
