#pragma once
// A picture surface in memory: a rectangle of pixels with an optional source colour key. The game's
// surfaces are 32-bit (pixel 0x00RRGGBB); 16-bit (5-6-5) surfaces exist for pixel-format queries
// and fills, while blits work between 32-bit surfaces only.
//
// A surface can be "lost", as video memory can be when the display is taken away: every operation
// on it then reports DisplayResult::SurfaceLost until it is restored, and restoring leaves its
// contents undefined (here: black), so its owner reloads the picture.

#include <cstdint>
#include <vector>

#include "platform/display/display_result.hpp"
#include "platform/image/pixel_memory.hpp"

namespace burrowix {

struct Display;

class Surface {
public:
    // Zeroed pixels. Width and height must be positive; bitsPerPixel is 32 or 16.
    Surface(int width, int height, int bitsPerPixel = 32);
    // A 32-bit surface that takes over `pixels`, width * height words row after row (as a decoded
    // picture holds them), so loading a picture neither clears nor copies its memory.
    Surface(int width, int height, PixelWords&& pixels);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    // Rows of a 32-bit surface; pitchWords() 32-bit words apart.
    std::uint32_t* row(int y) { return words_.data() + static_cast<std::size_t>(y) * pitchWords_; }
    const std::uint32_t* row(int y) const
    {
        return words_.data() + static_cast<std::size_t>(y) * pitchWords_;
    }
    int pitchWords() const { return pitchWords_; }
    // The first 32-bit word of the surface memory.
    std::uint32_t firstWord() const { return words_[0]; }

    // Pixel access in the surface's own pixel values; outside the surface reads 0 and writes nothing.
    std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t value);
    // The surface's pixel value for a packed RGB colour.
    std::uint32_t mapRgb(std::uint32_t rgb) const;

    bool hasColorKey() const { return hasKey_; }
    std::uint32_t colorKey() const { return key_; }
    void setColorKeyPixel(std::uint32_t pixel)
    {
        key_ = pixel;
        hasKey_ = true;
    }
    void clearColorKey() { hasKey_ = false; }

    // Loss and restore.
    bool isLost() const { return lost_; }
    void markLost() { lost_ = true; }
    // Gives the surface its memory back (cleared); Ok also when it was not lost.
    DisplayResult restore();

    // Makes the next `count` operations that check the surface report StillDrawing, as a busy
    // device would; tests use it to exercise the retry paths.
    void setBusyFor(int count) { busy_ = count; }
    // The state every operation checks first: SurfaceLost, StillDrawing (consuming one busy
    // report) or Ok.
    DisplayResult checkReady() const;

    // Set by the display that registered the surface; null for free-standing surfaces.
    Display* owner() const { return owner_; }
    void setOwner(Display* d) { owner_ = d; }

private:
    int width_;
    int height_;
    int bitsPerPixel_;
    int pitchWords_;
    PixelWords words_;
    std::uint32_t key_ = 0;
    bool hasKey_ = false;
    bool lost_ = false;
    mutable int busy_ = 0;
    Display* owner_ = nullptr;
};

} // namespace burrowix
