#pragma once
// Drawing between surfaces. Every operation clips to both surfaces, draws nothing (and reports
// InvalidParams) for a null surface, and draws nothing for an empty rectangle, so a bad rectangle
// can never read or write outside a picture. A lost surface reports SurfaceLost, a busy one
// StillDrawing; nothing is drawn then.
//
// A null source rectangle means the whole source surface; a null destination rectangle the whole
// destination surface.

#include <cstdint>

#include "platform/display/display_result.hpp"
#include "platform/display/surface.hpp"

namespace burrowix {

// Copies srcRect of src to (x, y) of dst at the same size. With useSourceKey, source pixels equal
// to the source's colour key are skipped (a source without a key is copied opaquely).
DisplayResult blitFast(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                       bool useSourceKey);

// Like blitFast, but each drawn pixel is averaged half and half with the destination pixel, so
// what lies beneath shows through.
DisplayResult blitHalf(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect, bool useSourceKey);

// Like an unkeyed blitFast, but each drawn pixel is ORed onto the destination; source pixels equal
// to sourceKey are skipped.
DisplayResult blitOr(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                     std::uint32_t sourceKey);

// Copies srcRect of src to (x, y) of dst, but only where the same-sized maskRect of mask holds the
// mask's colour key; source pixels equal to the source's key are skipped too. Mask pixels outside
// the mask surface, or a mask without a key, let nothing through.
DisplayResult blitThroughMask(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                              const Surface* mask, const Rect& maskRect);

// Fills the whole of dst with `fill` and copies src over it at (0, 0) (skipping its colour-key pixels
// when useSourceKey), writing each pixel once: the same picture as fillRect followed by blitFast.
DisplayResult fillThenBlit(Surface* dst, std::uint32_t fill, const Surface* src, bool useSourceKey);

// Fills a rectangle with one pixel value.
DisplayResult fillRect(Surface* dst, const Rect* rect, std::uint32_t pixel);

// Scales srcRect of src onto dstRect of dst (nearest pixel). Destination pixels whose source pixel
// lies outside the source surface are left alone.
DisplayResult blitStretch(Surface* dst, const Rect* dstRect, const Surface* src, const Rect* srcRect,
                          bool useSourceKey);

// The scaling loop on plain pixel rows, shared with the bitmap copy. Rows are `pitch` pixels apart.
struct PixelView {
    std::uint32_t* pixels;
    int width;
    int height;
    int pitch;
};
struct ConstPixelView {
    const std::uint32_t* pixels;
    int width;
    int height;
    int pitch;
};
void stretchPixels(const PixelView& dst, const Rect& dstRect, const ConstPixelView& src,
                   const Rect& srcRect, const std::uint32_t* key);

} // namespace burrowix
