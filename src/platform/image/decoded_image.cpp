#include "platform/image/decoded_image.hpp"

#include <algorithm>
#include <new>
#include <utility>

namespace burrowix {

namespace {

int normalisedBits(int requested)
{
    return requested < 2 ? 1 : requested <= 4 ? 4 : requested <= 8 ? 8 : 24;
}

std::uint64_t rowBytesFor(std::int64_t width, int bits)
{
    return ((std::uint64_t(width) * std::uint64_t(bits) + 31) / 32) * 4;
}

} // namespace

bool DecodedImage::fits(std::int64_t width, std::int64_t height, int bitsRequested)
{
    if (width <= 0 || height <= 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return false;
    // Both the rows here and the 32-bit picture made from them must stay within the limit.
    return rowBytesFor(width, normalisedBits(bitsRequested)) * std::uint64_t(height) <= kMaxBytes &&
           std::uint64_t(width) * std::uint64_t(height) * 4 <= kMaxBytes;
}

bool DecodedImage::create(std::int64_t width, std::int64_t height, int bitsRequested)
{
    width_ = height_ = bits_ = 0;
    rowBytes_ = 0;
    palette_.clear();
    rows_.clear();
    if (!fits(width, height, bitsRequested))
        return false;
    const int bits = normalisedBits(bitsRequested);
    try {
        palette_.assign(bits == 24 ? 0 : std::size_t(1) << bits, PaletteEntry{});
        rows_.assign(std::size_t(rowBytesFor(width, bits)) * std::size_t(height), 0);
    } catch (const std::bad_alloc&) {
        palette_.clear();
        rows_.clear();
        return false;
    }
    width_ = int(width);
    height_ = int(height);
    bits_ = bits;
    rowBytes_ = std::size_t(rowBytesFor(width, bits));
    return true;
}

void DecodedImage::setPaletteEntry(int i, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    if (i >= 0 && i < paletteSize())
        palette_[std::size_t(i)] = {b, g, r, 0};
}

PaletteEntry DecodedImage::paletteEntry(int i) const
{
    return i >= 0 && i < paletteSize() ? palette_[std::size_t(i)] : PaletteEntry{};
}

void DecodedImage::setGreyPalette()
{
    for (int i = 0; i < paletteSize(); ++i) {
        const auto v = std::uint8_t(i * 255 / std::max(paletteSize() - 1, 1));
        setPaletteEntry(i, v, v, v);
    }
}

std::uint8_t* DecodedImage::row(int y)
{
    if (y < 0 || y >= height_)
        return nullptr;
    return rows_.data() + std::size_t(height_ - 1 - y) * rowBytes_;
}

const std::uint8_t* DecodedImage::row(int y) const
{
    return const_cast<DecodedImage*>(this)->row(y);
}

void DecodedImage::setIndex(int x, int y, std::uint32_t index)
{
    std::uint8_t* r = row(y);
    if (!r || x < 0 || x >= width_ || bits_ == 24)
        return;
    switch (bits_) {
    case 8:
        r[x] = std::uint8_t(index);
        break;
    case 4: {
        std::uint8_t& b = r[x >> 1];
        b = (x & 1) ? std::uint8_t((b & 0xF0) | (index & 0x0F)) : std::uint8_t((b & 0x0F) | (index & 0x0F) << 4);
        break;
    }
    default: {
        std::uint8_t& b = r[x >> 3];
        const std::uint8_t mask = std::uint8_t(0x80 >> (x & 7));
        b = (index & 1) ? std::uint8_t(b | mask) : std::uint8_t(b & ~mask);
    }
    }
}

std::uint32_t DecodedImage::index(int x, int y) const
{
    const std::uint8_t* r = row(y);
    if (!r || x < 0 || x >= width_ || bits_ == 24)
        return 0;
    switch (bits_) {
    case 8:
        return r[x];
    case 4:
        return (x & 1) ? r[x >> 1] & 0x0F : r[x >> 1] >> 4;
    default:
        return (r[x >> 3] >> (7 - (x & 7))) & 1;
    }
}

void DecodedImage::setRgb(int x, int y, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    std::uint8_t* r = row(y);
    if (!r || x < 0 || x >= width_ || bits_ != 24)
        return;
    std::uint8_t* p = r + std::size_t(x) * 3;
    p[0] = blue;
    p[1] = green;
    p[2] = red;
}

void DecodedImage::mirror()
{
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* r = row(y);
        if (bits_ == 24) {
            for (int a = 0, b = width_ - 1; a < b; ++a, --b)
                std::swap_ranges(r + std::size_t(a) * 3, r + std::size_t(a) * 3 + 3, r + std::size_t(b) * 3);
        } else {
            for (int a = 0, b = width_ - 1; a < b; ++a, --b) {
                const std::uint32_t ia = index(a, y), ib = index(b, y);
                setIndex(a, y, ib);
                setIndex(b, y, ia);
            }
        }
    }
}

Bitmap DecodedImage::toBitmap() const
{
    Bitmap out;
    if (!valid())
        return out;
    out.width = width_;
    out.height = height_;
    out.pixels.resize(std::size_t(width_) * std::size_t(height_));
    std::uint32_t* d = out.pixels.data();
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* r = row(y);
        if (bits_ == 24) {
            for (int x = 0; x < width_; ++x, r += 3)
                *d++ = std::uint32_t(r[2]) << 16 | std::uint32_t(r[1]) << 8 | r[0];
        } else {
            for (int x = 0; x < width_; ++x) {
                const PaletteEntry& e = palette_[index(x, y)];
                *d++ = std::uint32_t(e.red) << 16 | std::uint32_t(e.green) << 8 | e.blue;
            }
        }
    }
    return out;
}

} // namespace burrowix
