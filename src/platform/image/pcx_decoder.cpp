// PCX pictures: run-length encoded scan lines of up to 4 planes. Supported layouts: 1 bit with 1 to
// 4 planes, 2 or 4 bits with 1 plane (header palette), 8 bits with 1 plane (256-colour palette at
// the end of the file) and 8 bits with 3 or 4 planes (true colour; a fourth plane is dropped).

#include <algorithm>
#include <vector>

#include "common/le_io.hpp"
#include "platform/image/image_decoders.hpp"

namespace burrowix {

namespace {

bool fail(DecodedImage& image, const char* message)
{
    image.error = message;
    return false;
}

} // namespace

bool decodePcx(std::span<const std::uint8_t> file, DecodedImage& image)
{
    if (file.size() < 128 || file[0] != 10)
        return fail(image, "Error: Not a PCX file");
    if (file[2] != 1)
        return fail(image, "PCX file has unknown encoding scheme");
    const int bits = file[3];
    const int xMin = loadLE16(&file[4]), yMin = loadLE16(&file[6]);
    const int xMax = loadLE16(&file[8]), yMax = loadLE16(&file[10]);
    const int planes = file[65];
    const int bytesPerLine = loadLE16(&file[66]);
    if (planes > 4)
        return fail(image, "Can't handle image with more than 4 planes");
    const bool planar1 = bits == 1 && planes >= 1;
    const bool packed = (bits == 2 || bits == 4 || bits == 8) && planes == 1;
    const bool trueColour = bits == 8 && planes >= 3;
    if (!planar1 && !packed && !trueColour)
        return fail(image, "Can't handle bits per pixel image with planes.");

    const std::int64_t width = std::int64_t(xMax) - xMin + 1;
    const std::int64_t height = std::int64_t(yMax) - yMin + 1;
    if (width <= 0 || height <= 0 || std::int64_t(bytesPerLine) * 8 < width * bits)
        return fail(image, "corrupted PCX");

    // The 256-colour palette: the last 769 bytes, starting with its signature.
    const std::uint8_t* vgaPalette = nullptr;
    if (bits == 8 && planes == 1) {
        if (file.size() < 128 + 769 || file[file.size() - 769] != 0x0C)
            return fail(image, "bad color map signature");
        vgaPalette = &file[file.size() - 768];
    }

    const int depth = trueColour ? 24 : planar1 ? planes : bits;
    if (!image.create(width, height, depth))
        return fail(image, "corrupted PCX");
    if (vgaPalette) {
        for (int i = 0; i < 256; ++i)
            image.setPaletteEntry(i, vgaPalette[i * 3], vgaPalette[i * 3 + 1], vgaPalette[i * 3 + 2]);
    } else if (bits == 1 && planes == 1) {
        image.setPaletteEntry(0, 0, 0, 0);
        image.setPaletteEntry(1, 255, 255, 255);
    } else if (!trueColour) {
        for (int i = 0; i < 16; ++i)
            image.setPaletteEntry(i, file[16 + i * 3], file[17 + i * 3], file[18 + i * 3]);
    }

    // Decode every scan line (all planes of one row) into `line`, then spread it into the picture.
    const std::size_t lineBytes = std::size_t(bytesPerLine) * std::size_t(planes);
    std::vector<std::uint8_t> line(lineBytes);
    const std::size_t dataEnd = vgaPalette ? file.size() - 769 : file.size();
    std::size_t pos = 128;
    const std::uint64_t totalBytes = std::uint64_t(lineBytes) * std::uint64_t(height);
    std::uint64_t produced = 0;
    std::uint8_t runValue = 0;
    std::uint64_t runLeft = 0;

    for (int y = 0; y < height; ++y) {
        std::size_t i = 0;
        while (i < lineBytes) {
            if (runLeft == 0) {
                if (pos >= dataEnd)
                    return fail(image, "corrupted PCX");
                const std::uint8_t b = file[pos++];
                if ((b & 0xC0) == 0xC0) {
                    if (pos >= dataEnd)
                        return fail(image, "corrupted PCX");
                    runLeft = b & 0x3F;
                    runValue = file[pos++];
                    if (runLeft > totalBytes - produced)
                        return fail(image, "repeat count spans end of image");
                    continue; // a run of length 0 adds nothing
                }
                runLeft = 1;
                runValue = b;
            }
            line[i++] = runValue;
            --runLeft;
            ++produced;
        }

        for (int x = 0; x < width; ++x) {
            if (trueColour) {
                image.setRgb(x, y, line[std::size_t(x)], line[std::size_t(bytesPerLine) + std::size_t(x)],
                             line[2 * std::size_t(bytesPerLine) + std::size_t(x)]);
            } else if (planar1) {
                std::uint32_t index = 0;
                for (int p = 0; p < planes; ++p) {
                    const std::uint8_t byte = line[std::size_t(p) * std::size_t(bytesPerLine) + std::size_t(x >> 3)];
                    index |= std::uint32_t((byte >> (7 - (x & 7))) & 1) << p;
                }
                image.setIndex(x, y, index);
            } else {
                const std::size_t bit = std::size_t(x) * std::size_t(bits);
                const std::uint8_t byte = line[bit >> 3];
                const int shift = 8 - bits - int(bit & 7);
                image.setIndex(x, y, (byte >> shift) & ((1u << bits) - 1));
            }
        }
    }
    return true;
}

} // namespace burrowix
