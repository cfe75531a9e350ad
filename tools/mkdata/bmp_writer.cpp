#include "bmp_writer.hpp"

#include "common/le_io.hpp"

namespace burrowix::mkdata {

std::vector<std::uint8_t> encodeBmp24(const Image& image)
{
    const std::uint32_t rowBytes = (std::uint32_t(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * std::uint32_t(image.height);
    const std::uint32_t headerBytes = 14 + 40;

    ByteWriter w;
    w.bytes(std::string("BM"));
    w.u32(headerBytes + pixelBytes);
    w.u32(0); // two reserved 16-bit fields
    w.u32(headerBytes);
    w.u32(40);
    w.i32(image.width);
    w.i32(image.height); // positive: bottom-up rows
    w.data().push_back(1); // planes
    w.data().push_back(0);
    w.data().push_back(24); // bits per pixel
    w.data().push_back(0);
    w.u32(0);          // BI_RGB
    w.u32(pixelBytes);
    w.u32(2835);       // 72 dpi
    w.u32(2835);
    w.u32(0);
    w.u32(0);

    std::vector<std::uint8_t>& out = w.data();
    out.reserve(out.size() + pixelBytes);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = std::uint32_t(image.width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return std::move(out);
}

} // namespace burrowix::mkdata
