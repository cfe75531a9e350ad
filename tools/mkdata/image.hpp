#pragma once
// A plain 24-bit RGB picture in memory, top row first: what every writer and check works on.
#include <cstdint>
#include <vector>

namespace burrowix::mkdata {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kKeyBlack{0, 0, 0};
inline constexpr Rgb kKeyGreen{0, 255, 0};
inline constexpr Rgb kKeyBlue{0, 0, 255};
inline constexpr Rgb kKeyCyan{0, 255, 255};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes

    Image() = default;
    Image(int w, int h, Rgb fill = {}) : width(w), height(h), rgb(std::size_t(w) * std::size_t(h) * 3)
    {
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = fill.r;
            rgb[i + 1] = fill.g;
            rgb[i + 2] = fill.b;
        }
    }
    Rgb at(int x, int y) const
    {
        const std::uint8_t* p = &rgb[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
        return {p[0], p[1], p[2]};
    }
    void set(int x, int y, Rgb c)
    {
        std::uint8_t* p = &rgb[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }
    // Copies `src` with its top-left at (dx, dy), clipped to this picture.
    void paste(const Image& src, int dx, int dy)
    {
        for (int y = 0; y < src.height; ++y)
            for (int x = 0; x < src.width; ++x)
                if (dx + x >= 0 && dy + y >= 0 && dx + x < width && dy + y < height)
                    set(dx + x, dy + y, src.at(x, y));
    }
    // Copies the rectangle (sx, sy, w, h) of `src` to (dx, dy).
    void copyRect(const Image& src, int sx, int sy, int w, int h, int dx, int dy)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                set(dx + x, dy + y, src.at(sx + x, sy + y));
    }
};

} // namespace burrowix::mkdata
