// Bitmap header check and decoding on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/image/bmp_reader.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    burrowix::Bitmap bitmap;
    std::string error;
    burrowix::readBmp({data, size}, bitmap, error);
    return 0;
}
