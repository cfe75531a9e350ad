#pragma once
// Windows bitmap files, read once their headers have passed a sanity check (sizes, depth,
// compression, and pixel data present in the file), so that a damaged or hostile file is refused
// before any decoder trusts its numbers. Uncompressed 24-bit files are read directly, every other
// kind by SDL.

#include <cstdint>
#include <span>
#include <string>

#include "platform/image/bitmap.hpp"

namespace burrowix {

// False with `error` set when the headers are not those of a bitmap the game can use.
bool checkBmpHeader(std::span<const std::uint8_t> file, std::string& error);

// Decodes a bitmap file into 32-bit pixels; false with `error` set on failure.
bool readBmp(std::span<const std::uint8_t> file, Bitmap& out, std::string& error);

} // namespace burrowix
