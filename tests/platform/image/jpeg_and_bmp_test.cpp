#include <SDL.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>

#include "image_fixtures.hpp"
#include "platform/image/bmp_reader.hpp"
#include "platform/image/image_decoders.hpp"
#include "platform/image/load_image.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

using test::Bytes;

// Compresses `samples` (w * h * components) at the best quality.
Bytes encodeJpeg(int w, int h, int components, J_COLOR_SPACE space, const Bytes& samples)
{
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&samples[std::size_t(info.next_scanline) * std::size_t(w * components)]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes result(out, out + size);
    std::free(out);
    return result;
}

bool decodeJpegBytes(const Bytes& bytes, DecodedImage& image)
{
    std::FILE* f = fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "rb");
    const bool ok = decodeJpeg(f, image);
    std::fclose(f);
    return ok;
}

bool near(std::uint32_t pixel, int r, int g, int b, int tolerance = 3)
{
    return std::abs(int(pixel >> 16 & 255) - r) <= tolerance && std::abs(int(pixel >> 8 & 255) - g) <= tolerance &&
           std::abs(int(pixel & 255) - b) <= tolerance;
}

// A bitmap's pixels as an ordinary vector, to compare with expected values.
std::vector<std::uint32_t> plainPixels(const Bitmap& bitmap)
{
    return {bitmap.pixels.begin(), bitmap.pixels.end()};
}

TEST(JpegDecoder, ColourGreyAndCmykPictures)
{
    // 16 x 16: left half red, right half blue (flat blocks keep the colours close to exact).
    Bytes rgb;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            rgb.insert(rgb.end(), {std::uint8_t(x < 8 ? 255 : 0), 0, std::uint8_t(x < 8 ? 0 : 255)});
    DecodedImage image;
    ASSERT_TRUE(decodeJpegBytes(encodeJpeg(16, 16, 3, JCS_RGB, rgb), image)) << image.error;
    EXPECT_EQ(image.bitsPerPixel(), 24);
    Bitmap bmp = image.toBitmap();
    EXPECT_TRUE(near(bmp.at(2, 3), 255, 0, 0)) << std::hex << bmp.at(2, 3);
    EXPECT_TRUE(near(bmp.at(13, 12), 0, 0, 255)) << std::hex << bmp.at(13, 12);

    Bytes grey(16 * 8, 40);
    grey.insert(grey.end(), 16 * 8, 200);
    ASSERT_TRUE(decodeJpegBytes(encodeJpeg(16, 16, 1, JCS_GRAYSCALE, grey), image)) << image.error;
    EXPECT_EQ(image.bitsPerPixel(), 8);
    EXPECT_EQ(image.paletteEntry(77).red, 77);
    EXPECT_EQ(image.paletteEntry(77).blue, 77);
    EXPECT_NEAR(int(image.index(5, 2)), 40, 2);
    EXPECT_NEAR(int(image.index(5, 14)), 200, 2);

    // CMYK bytes c0 c1 c2 k become blue c2*k/255, green c1*k/255, red c0*k/255.
    Bytes cmyk;
    for (int i = 0; i < 16 * 16; ++i)
        cmyk.insert(cmyk.end(), {200, 100, 50, 128});
    ASSERT_TRUE(decodeJpegBytes(encodeJpeg(16, 16, 4, JCS_CMYK, cmyk), image)) << image.error;
    EXPECT_EQ(image.bitsPerPixel(), 24);
    bmp = image.toBitmap();
    EXPECT_TRUE(near(bmp.at(7, 7), 200 * 128 / 255, 100 * 128 / 255, 50 * 128 / 255)) << std::hex << bmp.at(7, 7);
}

TEST(JpegDecoder, BrokenDataFailsWithTheLibrarysMessage)
{
    DecodedImage image;
    const Bytes notJpeg{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
    EXPECT_FALSE(decodeJpegBytes(notJpeg, image));
    EXPECT_NE(image.error.find("Not a JPEG file"), std::string::npos) << image.error;

    Bytes grey(64 * 64, 128);
    const Bytes good = encodeJpeg(64, 64, 1, JCS_GRAYSCALE, grey);
    const Bytes cut(good.begin(), good.begin() + 40); // inside the headers
    EXPECT_FALSE(decodeJpegBytes(cut, image));
    EXPECT_FALSE(image.error.empty());
    // A frame header claiming 65000 x 65000 is refused before anything is allocated for it.
    Bytes huge = good;
    for (std::size_t i = 0; i + 9 < huge.size(); ++i) {
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) { // start of frame: length, precision, height, width
            huge[i + 5] = 0xFD;
            huge[i + 6] = 0xE8;
            huge[i + 7] = 0xFD;
            huge[i + 8] = 0xE8;
            break;
        }
    }
    EXPECT_FALSE(decodeJpegBytes(huge, image));
    EXPECT_EQ(image.error, "JPEG Create failed");

    // Cut inside the picture data: the library pads the rest, as it does for every reader.
    const Bytes cutData(good.begin(), good.end() - 20);
    EXPECT_TRUE(decodeJpegBytes(cutData, image)) << image.error;
}

TEST(BmpReader, ReadsBitmapsThroughTheHeaderCheck)
{
    const std::vector<std::uint32_t> pixels{0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xABCDEF, 0x000001};
    const Bytes file = test::makeBmp24(3, 2, pixels);
    Bitmap bmp;
    std::string error;
    ASSERT_TRUE(readBmp(file, bmp, error)) << error;
    ASSERT_EQ(bmp.width, 3);
    ASSERT_EQ(bmp.height, 2);
    EXPECT_EQ(plainPixels(bmp), pixels);
}

// Plain 24-bit files are read without SDL: the pixels must be those SDL's own loader gives, for every
// row padding and for rows stored top-down as well as bottom-up.
TEST(BmpReader, DirectReadingMatchesTheGeneralLoader)
{
    auto throughSdl = [](const Bytes& file) {
        SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromConstMem(file.data(), int(file.size())), 1);
        SDL_Surface* rgb = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
        std::vector<std::uint32_t> pixels;
        for (int y = 0; rgb && y < rgb->h; ++y)
            for (int x = 0; x < rgb->w; ++x)
                pixels.push_back(static_cast<const std::uint32_t*>(rgb->pixels)[y * rgb->pitch / 4 + x] & 0xFFFFFF);
        SDL_FreeSurface(rgb);
        SDL_FreeSurface(loaded);
        return pixels;
    };
    for (int w = 1; w <= 5; ++w) {
        for (const bool topDown : {false, true}) {
            const int h = 3;
            std::vector<std::uint32_t> pixels;
            for (int i = 0; i < w * h; ++i)
                pixels.push_back(std::uint32_t(i * 0x10305 + w * 0x70000) & 0xFFFFFF);
            Bytes file = test::makeBmp24(w, h, pixels);
            if (topDown) {
                // The same picture with its rows in file order and a negative height.
                const int row = (w * 3 + 3) & ~3;
                Bytes flipped(file.begin(), file.begin() + 54);
                for (int y = h - 1; y >= 0; --y)
                    flipped.insert(flipped.end(), file.begin() + 54 + y * row, file.begin() + 54 + (y + 1) * row);
                const std::uint32_t negative = std::uint32_t(-h);
                for (int k = 0; k < 4; ++k)
                    flipped[22 + k] = std::uint8_t(negative >> (8 * k));
                file = flipped;
            }
            Bitmap bmp;
            std::string error;
            ASSERT_TRUE(readBmp(file, bmp, error)) << error;
            EXPECT_EQ(bmp.width, w);
            EXPECT_EQ(bmp.height, h);
            EXPECT_EQ(plainPixels(bmp), pixels) << "width " << w << (topDown ? " top-down" : " bottom-up");
            EXPECT_EQ(plainPixels(bmp), throughSdl(file)) << "width " << w << (topDown ? " top-down" : " bottom-up");
        }
    }
}

TEST(BmpReader, HeaderCheckRefusesDamagedOrHugeFiles)
{
    const Bytes good = test::makeBmp24(3, 2, std::vector<std::uint32_t>(6, 7));
    std::string error;
    EXPECT_TRUE(checkBmpHeader(good, error)) << error;
    auto patched = [&](std::size_t at, std::uint32_t v) {
        Bytes b = good;
        b[at] = std::uint8_t(v);
        b[at + 1] = std::uint8_t(v >> 8);
        b[at + 2] = std::uint8_t(v >> 16);
        b[at + 3] = std::uint8_t(v >> 24);
        return b;
    };
    Bitmap bmp;
    const Bytes bad[] = {
        Bytes(good.begin(), good.end() - 1), // pixel data cut short
        Bytes(good.begin(), good.begin() + 20),
        patched(0, 0x4D42 ^ 0x0101),          // signature
        patched(18, 0),                       // width 0
        patched(18, 100000),                  // width beyond the data
        patched(18, 40000), // with a patched height: 40000 x 40000 is over the limit
        patched(10, 5000),                    // pixel data offset past the end
        patched(14, 41),                      // unknown header size
        patched(28, 7),                       // 7 bits per pixel
        patched(30, 4),                       // JPEG compression inside a bitmap
    };
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        Bytes b = bad[i];
        if (i == 5) {
            b[22] = 0x40;
            b[23] = 0x9C; // height 40000
        }
        error.clear();
        EXPECT_FALSE(readBmp(b, bmp, error)) << i;
        EXPECT_FALSE(error.empty()) << i;
    }
}

// --- loadImage ---------------------------------------------------------------------------------

TEST(LoadImage, PicksTheDecoderByTheTextAnywhereInTheName)
{
    EXPECT_EQ(imageFormatForName("logo.jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForName("HELP.JPEG"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForName("photo.jpg.bmp"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForName("a.Gif"), ImageFormat::Gif);
    EXPECT_EQ(imageFormatForName("a.tga"), ImageFormat::Tga);
    EXPECT_EQ(imageFormatForName("a.pcx"), ImageFormat::Pcx);
    EXPECT_EQ(imageFormatForName("a.bmp"), std::nullopt);
    EXPECT_EQ(imageFormatForName("jpg"), std::nullopt);
}

TEST(LoadImage, ReadsEachKindFromPlainFiles)
{
    test::TempDir dir;
    const std::string bmpPath = dir.file("one.bmp");
    test::writeBytes(bmpPath, test::makeBmp24(1, 1, {0x102030}));
    std::string error;
    auto bmp = loadImage(bmpPath, &error);
    ASSERT_TRUE(bmp) << error;
    EXPECT_EQ(bmp->at(0, 0), 0x102030u);

    const std::string gifPath = dir.file("two.gif");
    test::writeBytes(gifPath, test::makeGif(2, 1, 2, {1, 3}));
    auto gif = loadImage(gifPath, &error);
    ASSERT_TRUE(gif) << error;
    EXPECT_EQ(gif->at(1, 0), 0x090F15u);

    // A bitmap whose name mentions ".jpg" goes to the JPEG decoder, and fails there.
    const std::string odd = dir.file("photo.jpg.bmp");
    test::writeBytes(odd, test::makeBmp24(1, 1, {0x102030}));
    EXPECT_FALSE(loadImage(odd, &error));
    EXPECT_NE(error.find("JPEG"), std::string::npos) << error;

    EXPECT_FALSE(loadImage(dir.file("missing.bmp"), &error));
    EXPECT_FALSE(loadImage(dir.file("missing.tga"), &error));
}

} // namespace
} // namespace burrowix
