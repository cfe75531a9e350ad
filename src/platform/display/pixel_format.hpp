#pragma once
// Colours: the game passes RGB triples packed with red in the lowest byte (0x00BBGGRR). Surfaces
// hold their own pixel values: 0x00RRGGBB in 32-bit surfaces, 5-6-5 in 16-bit ones.

#include <cstdint>

namespace burrowix {

constexpr std::uint32_t packRgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}

// A colour written 0xRRGGBB (as the asset manifest gives the colour keys) in packRgb's order.
constexpr std::uint32_t packHexRgb(std::uint32_t rgb)
{
    return packRgb(rgb >> 16, rgb >> 8, rgb);
}
static_assert(packHexRgb(0x00FFFF) == packRgb(0, 255, 255) && packHexRgb(0x0000FF) == packRgb(0, 0, 255));

constexpr std::uint32_t rgbToPixel32(std::uint32_t rgb)
{
    return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
}

constexpr std::uint32_t rgbToPixel16(std::uint32_t rgb)
{
    const std::uint32_t r = rgb & 0xFF, g = rgb >> 8 & 0xFF, b = rgb >> 16 & 0xFF;
    return (r >> 3) << 11 | (g >> 2) << 5 | (b >> 3);
}

constexpr std::uint32_t pixel32ToRgb(std::uint32_t pixel) { return rgbToPixel32(pixel); }

} // namespace burrowix
