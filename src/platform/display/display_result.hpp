#pragma once
// Result codes of display operations and the rectangle type every blit takes.

#include <cstdint>

namespace burrowix {

// 0 is success, as the callers test it; the others name the failures callers react to.
enum class DisplayResult : int {
    Ok = 0,
    SurfaceLost = 1,   // the surface's memory is gone: restore every surface
    StillDrawing = 2,  // the surface is busy: try the same operation again
    InvalidParams = 3, // a null or unsuitable surface
    Failed = 4,        // any other failure
};

// Left and top inclusive, right and bottom exclusive. A rectangle whose right is not beyond its
// left (or bottom beyond top) is empty.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
};

} // namespace burrowix
