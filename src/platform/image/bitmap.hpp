#pragma once
// A decoded picture, ready for a surface to take over or copy: top-down rows of 32-bit 0x00RRGGBB
// pixels.

#include <cstdint>

#include "platform/image/pixel_memory.hpp"

namespace burrowix {

struct Bitmap {
    int width = 0;
    int height = 0;
    PixelWords pixels; // width * height, row after row from the top

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

} // namespace burrowix
