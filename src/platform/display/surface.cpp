#include "platform/display/surface.hpp"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/display/display.hpp"
#include "platform/display/pixel_format.hpp"

namespace burrowix {

Surface::Surface(int width, int height, int bitsPerPixel)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      bitsPerPixel_(bitsPerPixel == 16 ? 16 : 32),
      pitchWords_(static_cast<int>((static_cast<std::int64_t>(width_) * bitsPerPixel_ + 31) / 32)),
      words_(static_cast<std::size_t>(pitchWords_) * static_cast<std::size_t>(height_), 0u)
{
}

Surface::Surface(int width, int height, PixelWords&& pixels)
    : width_(width), height_(height), bitsPerPixel_(32), pitchWords_(width), words_(std::move(pixels))
{
    if (width <= 0 || height <= 0 || words_.size() != std::size_t(width) * std::size_t(height))
        throw std::invalid_argument("surface: the pixels do not fill the size");
}

Surface::~Surface()
{
    if (owner_)
        unregisterSurface(*owner_, this);
}

std::uint32_t Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    if (bitsPerPixel_ == 32)
        return row(y)[x];
    std::uint16_t v;
    std::memcpy(&v, reinterpret_cast<const unsigned char*>(row(y)) + 2 * x, 2);
    return v;
}

void Surface::setPixel(int x, int y, std::uint32_t value)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    if (bitsPerPixel_ == 32) {
        row(y)[x] = value;
        return;
    }
    const std::uint16_t v = static_cast<std::uint16_t>(value);
    std::memcpy(reinterpret_cast<unsigned char*>(row(y)) + 2 * x, &v, 2);
}

std::uint32_t Surface::mapRgb(std::uint32_t rgb) const
{
    return bitsPerPixel_ == 32 ? rgbToPixel32(rgb) : rgbToPixel16(rgb);
}

DisplayResult Surface::restore()
{
    if (lost_) {
        std::fill(words_.begin(), words_.end(), 0u);
        lost_ = false;
    }
    return DisplayResult::Ok;
}

DisplayResult Surface::checkReady() const
{
    if (lost_)
        return DisplayResult::SurfaceLost;
    if (busy_ > 0) {
        --busy_;
        return DisplayResult::StillDrawing;
    }
    return DisplayResult::Ok;
}

} // namespace burrowix
