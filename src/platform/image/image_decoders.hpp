#pragma once
// The picture decoders. Each fills `image` and returns true, or returns false with image.error set
// to its message. GIF, TGA and PCX decode from bytes in memory; JPEG reads an open file.

#include <cstdint>
#include <cstdio>
#include <span>

#include "platform/image/decoded_image.hpp"

namespace burrowix {

bool decodeGif(std::span<const std::uint8_t> data, DecodedImage& image);
bool decodeTga(std::span<const std::uint8_t> data, DecodedImage& image);
bool decodePcx(std::span<const std::uint8_t> data, DecodedImage& image);
bool decodeJpeg(std::FILE* file, DecodedImage& image);

} // namespace burrowix
