#pragma once
// Laying anti-aliased glyph coverage onto a surface without key-coloured fringes. Over ordinary
// pixels the edge coverage blends the text colour with what is there. Over pixels equal to the
// surface's colour key (the transparent parts of a widget buffer) there is nothing to blend with:
// blending would mix the key colour into the edges, and those pixels would show as a green or grey
// halo once the buffer lies over a picture. There a pixel becomes the text colour when the glyph
// covers at least half of it and stays transparent otherwise. No drawn pixel is ever a mix of the
// key, and a blend that happens to land exactly on the key value is nudged off it.

#include <cstdint>

#include "platform/display/surface.hpp"

namespace burrowix {

// Coverage of a rendered line of text: 0..255 per pixel in the top byte of 32-bit words.
struct GlyphCoverage {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitchWords = 0;
};

// Draws `coverage` with its top-left corner at (x, y) of a 32-bit surface in the RGB colour `rgb`,
// clipped to the surface.
void blendGlyphs(Surface& target, int x, int y, const GlyphCoverage& coverage, std::uint32_t rgb);

} // namespace burrowix
