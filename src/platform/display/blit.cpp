#include "platform/display/blit.hpp"

#include <algorithm>
#include <cstring>

#include "platform/display/pixel_rows.hpp"

namespace burrowix {

namespace {

// Checks both surfaces and returns the first failure.
DisplayResult checkPair(const Surface* dst, const Surface* src)
{
    if (!dst || !src || dst->bitsPerPixel() != 32 || src->bitsPerPixel() != 32)
        return DisplayResult::InvalidParams;
    DisplayResult r = dst->checkReady();
    if (r != DisplayResult::Ok)
        return r;
    return src == dst ? DisplayResult::Ok : src->checkReady();
}

// The part of a same-size copy that lies inside both surfaces. Works in 64 bits so that extreme
// coordinates cannot overflow.
struct Clipped {
    int srcX, srcY, dstX, dstY, width, height;
};

bool clipCopy(const Surface& dst, int x, int y, const Surface& src, const Rect* srcRect, Clipped& out)
{
    const Rect s = srcRect ? *srcRect : src.bounds();
    if (s.empty())
        return false;
    std::int64_t sl = s.left, st = s.top, sr = s.right, sb = s.bottom;
    std::int64_t dx = x, dy = y;
    if (sl < 0) {
        dx -= sl;
        sl = 0;
    }
    if (st < 0) {
        dy -= st;
        st = 0;
    }
    sr = std::min<std::int64_t>(sr, src.width());
    sb = std::min<std::int64_t>(sb, src.height());
    if (dx < 0) {
        sl -= dx;
        dx = 0;
    }
    if (dy < 0) {
        st -= dy;
        dy = 0;
    }
    const std::int64_t w = std::min<std::int64_t>(sr - sl, dst.width() - dx);
    const std::int64_t h = std::min<std::int64_t>(sb - st, dst.height() - dy);
    if (w <= 0 || h <= 0)
        return false;
    out = {int(sl), int(st), int(dx), int(dy), int(w), int(h)};
    return true;
}

// Copies a short row of two surfaces that do not overlap in fixed-size pieces the compiler moves
// in registers: a cell's row is 40 pixels, where a library call costs more than the copy.
void copyShortRow(std::uint32_t* d, const std::uint32_t* s, std::size_t n)
{
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        std::memcpy(d + i, s + i, 32);
    if (n - i >= 4) {
        std::memcpy(d + i, s + i, 16);
        i += 4;
    }
    if (n - i >= 2) {
        std::memcpy(d + i, s + i, 8);
        i += 2;
    }
    if (n - i == 1)
        d[i] = s[i];
}

constexpr int kShortRow = 64;

} // namespace

DisplayResult blitFast(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                       bool useSourceKey)
{
    const DisplayResult r = checkPair(dst, src);
    if (r != DisplayResult::Ok)
        return r;
    Clipped c;
    if (!clipCopy(*dst, x, y, *src, srcRect, c))
        return DisplayResult::Ok;

    if (useSourceKey && src->hasColorKey()) {
        // Within one surface the rows may overlap, which only the plain loop walks as before.
        const KeyedRowFn copyRow = src == dst ? plainPixelRows().keyedCopy : pixelRows().keyedCopy;
        const std::uint32_t key = src->colorKey();
        for (int j = 0; j < c.height; ++j)
            copyRow(dst->row(c.dstY + j) + c.dstX, src->row(c.srcY + j) + c.srcX, std::size_t(c.width), key);
        return DisplayResult::Ok;
    }
    const std::size_t bytes = static_cast<std::size_t>(c.width) * 4;
    // Rows are walked so that a copy within one surface never reads a row it already overwrote.
    if (src == dst && c.dstY > c.srcY) {
        for (int j = c.height - 1; j >= 0; --j)
            std::memmove(dst->row(c.dstY + j) + c.dstX, src->row(c.srcY + j) + c.srcX, bytes);
    } else if (src != dst && c.width <= kShortRow) {
        for (int j = 0; j < c.height; ++j)
            copyShortRow(dst->row(c.dstY + j) + c.dstX, src->row(c.srcY + j) + c.srcX, std::size_t(c.width));
    } else {
        for (int j = 0; j < c.height; ++j)
            std::memmove(dst->row(c.dstY + j) + c.dstX, src->row(c.srcY + j) + c.srcX, bytes);
    }
    return DisplayResult::Ok;
}

DisplayResult blitHalf(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect, bool useSourceKey)
{
    const DisplayResult r = checkPair(dst, src);
    if (r != DisplayResult::Ok)
        return r;
    Clipped c;
    if (!clipCopy(*dst, x, y, *src, srcRect, c))
        return DisplayResult::Ok;
    const bool keyed = useSourceKey && src->hasColorKey();
    const std::uint32_t key = src->colorKey();
    // Halving each byte before adding keeps the channels from carrying into each other.
    constexpr std::uint32_t kHalfMask = 0xFEFEFEFEu;
    for (int j = 0; j < c.height; ++j) {
        const std::uint32_t* s = src->row(c.srcY + j) + c.srcX;
        std::uint32_t* d = dst->row(c.dstY + j) + c.dstX;
        for (int i = 0; i < c.width; ++i)
            if (!keyed || s[i] != key)
                d[i] = ((s[i] & kHalfMask) >> 1) + ((d[i] & kHalfMask) >> 1);
    }
    return DisplayResult::Ok;
}

DisplayResult fillThenBlit(Surface* dst, std::uint32_t fill, const Surface* src, bool useSourceKey)
{
    const DisplayResult r = checkPair(dst, src);
    if (r != DisplayResult::Ok)
        return r;
    const bool keyed = useSourceKey && src->hasColorKey();
    const std::uint32_t key = src->colorKey();
    const int covered = std::min(dst->width(), src->width());
    for (int y = 0; y < dst->height(); ++y) {
        std::uint32_t* d = dst->row(y);
        int x = 0;
        if (y < src->height()) {
            const std::uint32_t* s = src->row(y);
            if (keyed) {
                pixelRows().overFill(d, s, std::size_t(covered), key, fill);
                x = covered;
            } else {
                std::memmove(d, s, std::size_t(covered) * 4);
                x = covered;
            }
        }
        pixelRows().fill(d + x, std::size_t(dst->width() - x), fill);
    }
    return DisplayResult::Ok;
}

DisplayResult blitOr(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                     std::uint32_t sourceKey)
{
    const DisplayResult r = checkPair(dst, src);
    if (r != DisplayResult::Ok)
        return r;
    Clipped c;
    if (!clipCopy(*dst, x, y, *src, srcRect, c))
        return DisplayResult::Ok;
    const OrRowFn orRow = src == dst ? plainPixelRows().orOnto : pixelRows().orOnto;
    for (int j = 0; j < c.height; ++j)
        orRow(dst->row(c.dstY + j) + c.dstX, src->row(c.srcY + j) + c.srcX, std::size_t(c.width), sourceKey);
    return DisplayResult::Ok;
}

DisplayResult blitThroughMask(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                              const Surface* mask, const Rect& maskRect)
{
    DisplayResult r = checkPair(dst, src);
    if (r != DisplayResult::Ok)
        return r;
    if (!mask || mask->bitsPerPixel() != 32)
        return DisplayResult::InvalidParams;
    r = mask == src || mask == dst ? DisplayResult::Ok : mask->checkReady();
    if (r != DisplayResult::Ok)
        return r;
    const Rect s = srcRect ? *srcRect : src->bounds();
    Clipped c;
    if (!mask->hasColorKey() || !clipCopy(*dst, x, y, *src, &s, c))
        return DisplayResult::Ok;
    const std::uint32_t maskKey = mask->colorKey();
    const bool srcKeyed = src->hasColorKey();
    const std::uint32_t srcKey = src->colorKey();
    // Mask coordinates follow the clipped source: the same offset from each rectangle's corner.
    const std::int64_t mx0 = std::int64_t(maskRect.left) + (c.srcX - std::int64_t(s.left));
    const std::int64_t my0 = std::int64_t(maskRect.top) + (c.srcY - std::int64_t(s.top));
    for (int j = 0; j < c.height; ++j) {
        const std::int64_t my = my0 + j;
        if (my < 0 || my >= mask->height() || my >= maskRect.bottom)
            continue;
        const std::uint32_t* sp = src->row(c.srcY + j) + c.srcX;
        const std::uint32_t* mp = mask->row(int(my));
        std::uint32_t* d = dst->row(c.dstY + j) + c.dstX;
        for (int i = 0; i < c.width; ++i) {
            const std::int64_t mx = mx0 + i;
            if (mx < 0 || mx >= mask->width() || mx >= maskRect.right || mp[mx] != maskKey)
                continue;
            const std::uint32_t p = sp[i];
            if (!srcKeyed || p != srcKey)
                d[i] = p;
        }
    }
    return DisplayResult::Ok;
}

DisplayResult fillRect(Surface* dst, const Rect* rect, std::uint32_t pixel)
{
    if (!dst)
        return DisplayResult::InvalidParams;
    const DisplayResult r = dst->checkReady();
    if (r != DisplayResult::Ok)
        return r;
    const Rect want = rect ? *rect : dst->bounds();
    const int l = std::max(want.left, 0), t = std::max(want.top, 0);
    const int rr = std::min(want.right, dst->width()), b = std::min(want.bottom, dst->height());
    if (rr <= l || b <= t)
        return DisplayResult::Ok;
    if (dst->bitsPerPixel() == 32) {
        const FillRowFn fillRow = pixelRows().fill;
        for (int y = t; y < b; ++y)
            fillRow(dst->row(y) + l, std::size_t(rr - l), pixel);
    } else {
        for (int y = t; y < b; ++y)
            for (int x = l; x < rr; ++x)
                dst->setPixel(x, y, pixel);
    }
    return DisplayResult::Ok;
}

void stretchPixels(const PixelView& dst, const Rect& dstRect, const ConstPixelView& src,
                   const Rect& srcRect, const std::uint32_t* key)
{
    if (dstRect.empty() || srcRect.empty())
        return;
    const std::int64_t dw = std::int64_t(dstRect.right) - dstRect.left;
    const std::int64_t dh = std::int64_t(dstRect.bottom) - dstRect.top;
    const std::int64_t sw = std::int64_t(srcRect.right) - srcRect.left;
    const std::int64_t sh = std::int64_t(srcRect.bottom) - srcRect.top;
    const std::int64_t x0 = std::max<std::int64_t>(dstRect.left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(dstRect.right, dst.width);
    const std::int64_t y0 = std::max<std::int64_t>(dstRect.top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(dstRect.bottom, dst.height);
    if (x1 <= x0 || y1 <= y0)
        return;

    // A one-pixel source (the frame clear) is a fill.
    if (sw == 1 && sh == 1) {
        if (srcRect.left < 0 || srcRect.top < 0 || srcRect.left >= src.width || srcRect.top >= src.height)
            return;
        const std::uint32_t p = src.pixels[std::size_t(srcRect.top) * src.pitch + srcRect.left];
        if (key && p == *key)
            return;
        const FillRowFn fillRow = pixelRows().fill;
        for (std::int64_t y = y0; y < y1; ++y)
            fillRow(dst.pixels + std::size_t(y) * dst.pitch + x0, std::size_t(x1 - x0), p);
        return;
    }

    // Source coordinate of destination column X: srcRect.left + (X - dstRect.left) * sw / dw, kept
    // exactly as quotient and remainder while stepping.
    const std::int64_t qxStep = sw / dw, rxStep = sw % dw;
    const std::int64_t qyStep = sh / dh, ryStep = sh % dh;
    const std::int64_t ry0 = (y0 - dstRect.top) * sh;
    std::int64_t qy = srcRect.top + ry0 / dh, ry = ry0 % dh;
    const std::int64_t rx0 = (x0 - dstRect.left) * sw;
    const std::int64_t qxStart = srcRect.left + rx0 / dw, rxStart = rx0 % dw;

    for (std::int64_t y = y0; y < y1; ++y) {
        if (qy >= 0 && qy < src.height) {
            const std::uint32_t* s = src.pixels + std::size_t(qy) * src.pitch;
            std::uint32_t* d = dst.pixels + std::size_t(y) * dst.pitch;
            std::int64_t qx = qxStart, rx = rxStart;
            for (std::int64_t x = x0; x < x1; ++x) {
                if (qx >= 0 && qx < src.width) {
                    const std::uint32_t p = s[qx];
                    if (!key || p != *key)
                        d[x] = p;
                }
                qx += qxStep;
                rx += rxStep;
                if (rx >= dw) {
                    rx -= dw;
                    ++qx;
                }
            }
        }
        qy += qyStep;
        ry += ryStep;
        if (ry >= dh) {
            ry -= dh;
            ++qy;
        }
    }
}

DisplayResult blitStretch(Surface* dst, const Rect* dstRect, const Surface* src, const Rect* srcRect,
                          bool useSourceKey)
{
    const DisplayResult r = checkPair(dst, src);
    if (r != DisplayResult::Ok)
        return r;
    const Rect d = dstRect ? *dstRect : dst->bounds();
    const Rect s = srcRect ? *srcRect : src->bounds();
    const std::uint32_t key = src->colorKey();
    stretchPixels({dst->row(0), dst->width(), dst->height(), dst->pitchWords()}, d,
                  {src->row(0), src->width(), src->height(), src->pitchWords()}, s,
                  useSourceKey && src->hasColorKey() ? &key : nullptr);
    return DisplayResult::Ok;
}

} // namespace burrowix
