#pragma once
// A picture as the decoders produce it: 1, 4, 8 or 24 bits per pixel, rows stored bottom-up and padded
// to four bytes, 24-bit pixels as blue, green, red, a palette of 2, 16 or 256 entries for the paletted
// depths, and the text of the last decoding error. Every write is bounds-checked, and pictures whose
// rows (or whose 32-bit form) would take more than 64 MiB are refused.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image/bitmap.hpp"

namespace burrowix {

struct PaletteEntry {
    std::uint8_t blue = 0, green = 0, red = 0, reserved = 0;
};

// Format codes of the decoders.
enum class ImageFormat : int { Gif = 1, Jpeg = 2, Tga = 6, Pcx = 7 };

class DecodedImage {
public:
    // The largest picture the game or its tools draw is a few MiB; 64 MiB leaves room and keeps a
    // tiny hostile file from costing hundreds of megabytes.
    static constexpr std::uint64_t kMaxBytes = 64ull << 20;

    // Makes a zeroed image; the depth is normalised (below 2 → 1, up to 4 → 4, up to 8 → 8, else 24).
    // False, and no image, for a non-positive size, one over the limit, or when memory runs out.
    bool create(std::int64_t width, std::int64_t height, int bitsRequested);
    // Whether create would accept the size, without allocating anything.
    static bool fits(std::int64_t width, std::int64_t height, int bitsRequested);

    bool valid() const { return width_ > 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bits_; }
    std::size_t rowBytes() const { return rowBytes_; }
    int paletteSize() const { return static_cast<int>(palette_.size()); }

    void setPaletteEntry(int i, std::uint8_t r, std::uint8_t g, std::uint8_t b);
    PaletteEntry paletteEntry(int i) const;
    void setGreyPalette(); // entry i = (i, i, i) over the whole palette

    // Row y of the picture counted from the top, or null outside the picture.
    std::uint8_t* row(int y);
    const std::uint8_t* row(int y) const;

    // Pixel writes in picture coordinates (y from the top); ignored outside the picture.
    void setIndex(int x, int y, std::uint32_t index);
    std::uint32_t index(int x, int y) const;
    void setRgb(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b);

    // Reverses every row (for pictures stored right to left).
    void mirror();

    // The picture as 32-bit 0x00RRGGBB, top row first.
    Bitmap toBitmap() const;

    std::string error;

private:
    int width_ = 0;
    int height_ = 0;
    int bits_ = 0;
    std::size_t rowBytes_ = 0;
    std::vector<PaletteEntry> palette_;
    std::vector<std::uint8_t> rows_;
};

} // namespace burrowix
