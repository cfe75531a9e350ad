#pragma once
// Baseline JFIF output (8-bit YCbCr, Huffman coding, no progression) through libjpeg.
#include "image.hpp"

#include <cstdint>
#include <vector>

namespace burrowix::mkdata {

// Empty on failure.
std::vector<std::uint8_t> encodeJpeg(const Image& image, int quality = 92);

} // namespace burrowix::mkdata
