#pragma once
// The colour text is drawn in: disabled text at half strength, highlighted text lifted by half its
// strongest component (capped at 255), otherwise the colour as given. Colours are packed RGB.

#include <algorithm>
#include <cstdint>

#include "platform/display/pixel_format.hpp"

namespace burrowix {

constexpr std::uint32_t textColorFor(std::uint32_t rgb, int highlighted, int enabled)
{
    const std::uint32_t r = rgb & 0xFF, g = rgb >> 8 & 0xFF, b = rgb >> 16 & 0xFF;
    if (!enabled)
        return packRgb(r / 2, g / 2, b / 2);
    if (!highlighted)
        return rgb;
    const std::uint32_t m = std::max({r, g, b}) / 2;
    return packRgb(std::min(r + m, 255u), std::min(g + m, 255u), std::min(b + m, 255u));
}

} // namespace burrowix
