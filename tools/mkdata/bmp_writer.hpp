#pragma once
// Windows bitmap output: 24 bits per pixel, uncompressed, rows bottom-up and padded to 4 bytes, so
// key colours survive exactly.
#include "image.hpp"

#include <cstdint>
#include <vector>

namespace burrowix::mkdata {

std::vector<std::uint8_t> encodeBmp24(const Image& image);

} // namespace burrowix::mkdata
