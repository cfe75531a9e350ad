#include "platform/text/glyph_blend.hpp"

#include <algorithm>

namespace burrowix {

namespace {

constexpr std::uint32_t kHalfCoverage = 128;

std::uint32_t mixChannel(std::uint32_t ink, std::uint32_t under, std::uint32_t a, int shift)
{
    const std::uint32_t i = ink >> shift & 0xFF, u = under >> shift & 0xFF;
    return ((i * a + u * (255 - a) + 127) / 255) << shift;
}

} // namespace

void blendGlyphs(Surface& target, int x, int y, const GlyphCoverage& coverage, std::uint32_t rgb)
{
    if (target.bitsPerPixel() != 32 || !coverage.pixels)
        return;
    const int x0 = std::max(0, -x), y0 = std::max(0, -y);
    const int x1 = std::min(coverage.width, target.width() - x);
    const int y1 = std::min(coverage.height, target.height() - y);
    const std::uint32_t ink = target.mapRgb(rgb);
    const bool keyed = target.hasColorKey();
    const std::uint32_t key = target.colorKey();
    for (int j = y0; j < y1; ++j) {
        const std::uint32_t* src = coverage.pixels + static_cast<std::ptrdiff_t>(j) * coverage.pitchWords;
        std::uint32_t* dst = target.row(y + j) + x;
        for (int i = x0; i < x1; ++i) {
            const std::uint32_t a = src[i] >> 24;
            if (a == 0)
                continue;
            const std::uint32_t under = dst[i];
            if (a == 255 || (keyed && under == key)) {
                if (a >= kHalfCoverage)
                    dst[i] = ink;
                continue;
            }
            std::uint32_t mixed = mixChannel(ink, under, a, 16) | mixChannel(ink, under, a, 8) |
                                  mixChannel(ink, under, a, 0);
            if (keyed && mixed == key)
                mixed ^= 1;
            dst[i] = mixed;
        }
    }
}

} // namespace burrowix
