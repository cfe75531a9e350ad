#include "platform/image/bmp_reader.hpp"

#include <SDL.h>

#include <cstring>
#include <memory>

#include "common/le_io.hpp"
#include "platform/image/decoded_image.hpp"

namespace burrowix {

namespace {

bool fail(std::string& error, const char* message)
{
    error = message;
    return false;
}

} // namespace

bool checkBmpHeader(std::span<const std::uint8_t> file, std::string& error)
{
    if (file.size() < 26 || file[0] != 'B' || file[1] != 'M')
        return fail(error, "Not a BMP");
    const std::uint32_t dataOffset = loadLE32(&file[10]);
    const std::uint32_t headerSize = loadLE32(&file[14]);
    std::int64_t width, height;
    int planes, bits;
    std::uint32_t compression = 0, colorsUsed = 0;
    if (headerSize == 12) {
        width = loadLE16(&file[18]);
        height = loadLE16(&file[20]);
        planes = loadLE16(&file[22]);
        bits = loadLE16(&file[24]);
    } else if (headerSize >= 40 && headerSize <= 124) {
        if (file.size() < 14 + std::size_t(headerSize))
            return fail(error, "corrupted BMP");
        width = std::int32_t(loadLE32(&file[18]));
        height = std::int32_t(loadLE32(&file[22]));
        planes = loadLE16(&file[26]);
        bits = loadLE16(&file[28]);
        compression = loadLE32(&file[30]);
        colorsUsed = loadLE32(&file[46]);
    } else {
        return fail(error, "corrupted BMP");
    }
    if (height < 0)
        height = -height;
    if (width <= 0 || height <= 0 || planes != 1)
        return fail(error, "corrupted BMP");
    if (std::uint64_t(width) * std::uint64_t(height) * 4 > DecodedImage::kMaxBytes)
        return fail(error, "BMP too large");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return fail(error, "corrupted BMP");
    const bool knownCompression = compression == 0 || (compression == 1 && bits == 8) ||
                                  (compression == 2 && bits == 4) ||
                                  (compression == 3 && (bits == 16 || bits == 32));
    if (!knownCompression)
        return fail(error, "unsupported BMP compression");
    if (bits <= 8 && colorsUsed > (1u << bits))
        return fail(error, "corrupted BMP");
    if (dataOffset < 14 + headerSize || dataOffset > file.size())
        return fail(error, "corrupted BMP");
    if (compression == 0 || compression == 3) {
        const std::uint64_t rowBytes = ((std::uint64_t(width) * std::uint64_t(bits) + 31) / 32) * 4;
        if (dataOffset + rowBytes * std::uint64_t(height) > file.size())
            return fail(error, "corrupted BMP");
    }
    return true;
}

namespace {

// The game's own pictures are uncompressed 24-bit bitmaps; reading them directly is many times
// quicker than SDL's general loader and converter, which handle every other kind. The header has
// passed checkBmpHeader, so the pixel rows lie inside the file.
bool readPlain24(std::span<const std::uint8_t> file, Bitmap& out)
{
    const std::uint32_t headerSize = loadLE32(&file[14]);
    if (headerSize < 40 || loadLE16(&file[28]) != 24 || loadLE32(&file[30]) != 0)
        return false;
    const std::uint32_t dataOffset = loadLE32(&file[10]);
    const std::int32_t rawHeight = std::int32_t(loadLE32(&file[22]));
    const int width = std::int32_t(loadLE32(&file[18]));
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const std::size_t rowBytes = ((std::size_t(width) * 24 + 31) / 32) * 4;
    out.width = width;
    out.height = height;
    out.pixels.resize(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const int fileRow = rawHeight < 0 ? y : height - 1 - y;
        const std::uint8_t* src = file.data() + dataOffset + std::size_t(fileRow) * rowBytes;
        std::uint32_t* dst = out.pixels.data() + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x, src += 3)
            dst[x] = std::uint32_t(src[0]) | std::uint32_t(src[1]) << 8 | std::uint32_t(src[2]) << 16;
    }
    return true;
}

} // namespace

bool readBmp(std::span<const std::uint8_t> file, Bitmap& out, std::string& error)
{
    if (!checkBmpHeader(file, error))
        return false;
    if (readPlain24(file, out))
        return true;
    SDL_RWops* rw = SDL_RWFromConstMem(file.data(), int(file.size()));
    if (!rw)
        return fail(error, "corrupted BMP");
    SDL_Surface* loaded = SDL_LoadBMP_RW(rw, 1);
    if (!loaded) {
        error = SDL_GetError();
        return false;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!converted) {
        error = SDL_GetError();
        return false;
    }
    out.width = converted->w;
    out.height = converted->h;
    out.pixels.resize(std::size_t(out.width) * std::size_t(out.height));
    SDL_LockSurface(converted);
    for (int y = 0; y < out.height; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(converted->pixels) + std::size_t(y) * std::size_t(converted->pitch);
        std::uint32_t* dst = out.pixels.data() + std::size_t(y) * std::size_t(out.width);
        std::memcpy(dst, row, std::size_t(out.width) * 4);
        for (int x = 0; x < out.width; ++x)
            dst[x] &= 0x00FFFFFFu;
    }
    SDL_UnlockSurface(converted);
    SDL_FreeSurface(converted);
    return true;
}

} // namespace burrowix
