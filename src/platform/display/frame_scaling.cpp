#include "platform/display/frame_scaling.hpp"

#include <algorithm>
#include <cstring>

namespace burrowix {

const char* scalingModeName(ScalingMode mode)
{
    return mode == ScalingMode::Integer ? "integer" : "fit";
}

Rect placePicture(int windowW, int windowH, int pictureW, int pictureH, ScalingMode mode)
{
    if (windowW <= 0 || windowH <= 0 || pictureW <= 0 || pictureH <= 0)
        return {};
    int w = 0, h = 0;
    const int whole = std::min(windowW / pictureW, windowH / pictureH);
    if (mode == ScalingMode::Integer && whole >= 1) {
        w = pictureW * whole;
        h = pictureH * whole;
    } else if (std::int64_t(windowW) * pictureH <= std::int64_t(windowH) * pictureW) {
        // The window is narrower than the picture's shape: full width, bars above and below.
        w = windowW;
        h = int(std::int64_t(windowW) * pictureH / pictureW);
    } else {
        h = windowH;
        w = int(std::int64_t(windowH) * pictureW / pictureH);
    }
    w = std::max(w, 1);
    h = std::max(h, 1);
    const int x = (windowW - w) / 2;
    const int y = (windowH - h) / 2;
    return {x, y, x + w, y + h};
}

Size windowedSize(int desktopW, int desktopH, int pictureW, int pictureH)
{
    if (pictureW <= 0 || pictureH <= 0)
        return {};
    const int whole = std::max(1, std::min(desktopW / pictureW, desktopH / pictureH));
    return {pictureW * whole, pictureH * whole};
}

namespace {

// The first window row (relative to dest) whose source row is at least `pictureRow`.
int firstWindowRowOf(int pictureRow, int pictureH, int destH)
{
    // Window row r shows picture row r * pictureH / destH; solve for the smallest such r.
    return int((std::int64_t(pictureRow) * destH + pictureH - 1) / pictureH);
}

} // namespace

RowRange windowRowsFor(RowRange rows, int pictureH, const Rect& dest)
{
    if (dest.empty() || pictureH <= 0)
        return {};
    const int top = firstWindowRowOf(std::clamp(rows.top, 0, pictureH), pictureH, dest.height());
    const int bottom = firstWindowRowOf(std::clamp(rows.bottom, 0, pictureH), pictureH, dest.height());
    return {dest.top + top, dest.top + bottom};
}

void makeColumnMap(int pictureW, const Rect& dest, int* xMap)
{
    const int w = dest.width();
    for (int x = 0; x < w; ++x)
        xMap[x] = int(std::int64_t(x) * pictureW / w);
}

void scaleRows(const std::uint32_t* picture, int pictureW, int pictureH, int picturePitch, RowRange rows,
               std::uint32_t* window, int windowPitch, const Rect& dest, const int* xMap)
{
    if (dest.empty() || pictureW <= 0 || pictureH <= 0)
        return;
    const RowRange target = windowRowsFor(rows, pictureH, dest);
    const int w = dest.width();
    const std::uint32_t* lastSource = nullptr;
    std::uint32_t* lastRow = nullptr;
    for (int y = target.top; y < target.bottom; ++y) {
        const int sy = int(std::int64_t(y - dest.top) * pictureH / dest.height());
        const std::uint32_t* src = picture + std::size_t(sy) * std::size_t(picturePitch);
        std::uint32_t* out = window + std::size_t(y) * std::size_t(windowPitch) + dest.left;
        if (src == lastSource) {
            // Rows repeated by enlarging are copied from the row above.
            std::memcpy(out, lastRow, std::size_t(w) * sizeof(std::uint32_t));
        } else if (w == pictureW) {
            std::memcpy(out, src, std::size_t(w) * sizeof(std::uint32_t));
        } else {
            for (int x = 0; x < w; ++x)
                out[x] = src[xMap[x]];
        }
        lastSource = src;
        lastRow = out;
    }
}

} // namespace burrowix
