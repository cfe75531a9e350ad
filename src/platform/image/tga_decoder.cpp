// TGA pictures: colour-mapped, true-colour and greyscale, plain or run-length encoded. 15-, 16- and
// 32-bit pixels become 24-bit (alpha is dropped); 8-bit pixels stay paletted.

#include <algorithm>

#include "common/le_io.hpp"
#include "platform/image/image_decoders.hpp"

namespace burrowix {

namespace {

constexpr const char* kCorrupted = "corrupted TGA";

bool fail(DecodedImage& image, const char* message)
{
    image.error = message;
    return false;
}

std::uint8_t expand5(unsigned v) { return std::uint8_t((v * 255 + 15) / 31); }

// Reads one pixel of `bytes` bytes as red, green, blue (index in red for paletted pictures).
struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0;
};

Pixel makePixel(const std::uint8_t* p, int bytes)
{
    switch (bytes) {
    case 1:
        return {p[0], p[0], p[0]};
    case 2: {
        const unsigned v = loadLE16(p);
        return {expand5(v >> 10 & 31), expand5(v >> 5 & 31), expand5(v & 31)};
    }
    default:
        return {p[2], p[1], p[0]};
    }
}

} // namespace

bool decodeTga(std::span<const std::uint8_t> file, DecodedImage& image)
{
    ByteReader in(file);
    std::span<const std::uint8_t> h;
    if (!in.bytes(18, h))
        return fail(image, "Not a TGA");
    const int idLength = h[0];
    const int colorMapType = h[1];
    const int imageType = h[2];
    const int mapFirst = loadLE16(&h[3]);
    const int mapLength = loadLE16(&h[5]);
    const int mapEntryBits = h[7];
    const int width = loadLE16(&h[12]);
    const int height = loadLE16(&h[14]);
    const int depth = h[16];
    const int descriptor = h[17];
    if (!in.skip(std::size_t(idLength)))
        return fail(image, kCorrupted);

    const int baseType = imageType & ~8;
    if (imageType > 11 || (baseType != 1 && baseType != 2 && baseType != 3))
        return fail(image, "Unknown TGA image type");
    const bool paletted = baseType == 1 || baseType == 3;
    int pixelBytes;
    if (paletted) {
        if (depth != 8)
            return fail(image, "Unknown TGA image type");
        pixelBytes = 1;
    } else if (depth == 15 || depth == 16) {
        pixelBytes = 2;
    } else if (depth == 24 || depth == 32) {
        pixelBytes = depth / 8;
    } else {
        return fail(image, "Unknown TGA image type");
    }

    if (!image.create(width, height, paletted ? 8 : 24))
        return fail(image, "TGA Create failed");
    if (baseType == 3)
        image.setGreyPalette();

    // The colour map: entries in their own size; only a colour-mapped picture uses it.
    if (colorMapType == 1) {
        const int entryBytes = (mapEntryBits + 7) / 8;
        if (entryBytes < 1 || entryBytes > 4)
            return fail(image, kCorrupted);
        std::span<const std::uint8_t> map;
        if (!in.bytes(std::size_t(mapLength) * std::size_t(entryBytes), map))
            return fail(image, kCorrupted);
        if (baseType == 1) {
            for (int i = 0; i < mapLength; ++i) {
                const Pixel p = makePixel(&map[std::size_t(i) * std::size_t(entryBytes)],
                                          entryBytes == 1 ? 1 : entryBytes == 2 ? 2 : 3);
                image.setPaletteEntry(mapFirst + i, p.r, p.g, p.b);
            }
        }
    } else if (baseType == 1) {
        return fail(image, kCorrupted);
    }

    const bool topDown = (descriptor & 0x20) != 0;
    const bool rightToLeft = (descriptor & 0x10) != 0;
    const std::uint64_t total = std::uint64_t(width) * std::uint64_t(height);
    std::uint64_t done = 0;
    auto put = [&](const std::uint8_t* p) {
        const int x = int(done % std::uint64_t(width));
        const int row = int(done / std::uint64_t(width));
        const int y = topDown ? row : height - 1 - row;
        if (paletted) {
            image.setIndex(x, y, p[0]);
        } else {
            const Pixel px = makePixel(p, pixelBytes);
            image.setRgb(x, y, px.r, px.g, px.b);
        }
        ++done;
    };

    if (imageType < 8) {
        std::span<const std::uint8_t> pixels;
        if (!in.bytes(std::size_t(total) * std::size_t(pixelBytes), pixels))
            return fail(image, kCorrupted);
        for (std::uint64_t i = 0; i < total; ++i)
            put(&pixels[std::size_t(i) * std::size_t(pixelBytes)]);
    } else {
        while (done < total) {
            std::uint8_t packet;
            if (!in.u8(packet))
                return fail(image, kCorrupted);
            const std::uint64_t count = std::min<std::uint64_t>((packet & 0x7F) + 1u, total - done);
            std::span<const std::uint8_t> p;
            if (packet & 0x80) {
                if (!in.bytes(std::size_t(pixelBytes), p))
                    return fail(image, kCorrupted);
                for (std::uint64_t i = 0; i < count; ++i)
                    put(p.data());
            } else {
                if (!in.bytes(std::size_t((packet & 0x7F) + 1) * std::size_t(pixelBytes), p))
                    return fail(image, kCorrupted);
                for (std::uint64_t i = 0; i < count; ++i)
                    put(&p[std::size_t(i) * std::size_t(pixelBytes)]);
            }
        }
    }
    if (rightToLeft)
        image.mirror();
    return true;
}

} // namespace burrowix
