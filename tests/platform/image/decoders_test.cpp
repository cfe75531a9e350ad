#include "platform/image/image_decoders.hpp"

#include <gtest/gtest.h>

#include "image_fixtures.hpp"

namespace burrowix {
namespace {

using test::Bytes;

std::uint32_t rgb(int r, int g, int b) { return std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b); }

std::vector<std::uint8_t> pattern(int w, int h, int modulo)
{
    std::vector<std::uint8_t> v(std::size_t(w * h));
    for (int i = 0; i < w * h; ++i)
        v[std::size_t(i)] = std::uint8_t((i * 7 + i / w) % modulo);
    return v;
}

// --- GIF ---------------------------------------------------------------------------------------

TEST(GifDecoder, DecodesEveryPaletteDepthPlainAndInterlaced)
{
    for (int tableBits : {1, 2, 4, 8}) {
        for (bool interlaced : {false, true}) {
            const int w = 13, h = 11;
            const auto indices = pattern(w, h, 1 << tableBits);
            const Bytes file = test::makeGif(w, h, tableBits, indices, interlaced);
            DecodedImage image;
            ASSERT_TRUE(decodeGif(file, image)) << image.error << " bits " << tableBits;
            ASSERT_EQ(image.width(), w);
            ASSERT_EQ(image.height(), h);
            const Bitmap bmp = image.toBitmap();
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const int i = indices[std::size_t(y * w + x)];
                    ASSERT_EQ(bmp.at(x, y), rgb(i * 3 & 255, i * 5 & 255, i * 7 & 255))
                        << x << "," << y << " bits " << tableBits << " interlaced " << interlaced;
                }
        }
    }
}

TEST(GifDecoder, LongRepetitiveDataFillsAndResetsTheCodeTable)
{
    // Enough data to fill the 4096-entry table several times, with long runs and noise mixed.
    const int w = 300, h = 200;
    std::vector<std::uint8_t> indices(std::size_t(w * h));
    std::uint32_t state = 12345;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        state = state * 1103515245u + 12345u;
        indices[i] = (i / 500) % 2 ? std::uint8_t(state >> 16) : std::uint8_t(i % 3);
    }
    const Bytes file = test::makeGif(w, h, 8, indices);
    DecodedImage image;
    ASSERT_TRUE(decodeGif(file, image)) << image.error;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(image.index(x, y), indices[std::size_t(y * w + x)]) << x << "," << y;
}

TEST(GifDecoder, MalformedFilesFailWithTheirMessages)
{
    const Bytes good = test::makeGif(4, 4, 2, pattern(4, 4, 4));
    DecodedImage image;
    Bytes notGif = good;
    notGif[3] = '7';
    EXPECT_FALSE(decodeGif(notGif, image));
    for (std::size_t cut : {std::size_t(3), std::size_t(12), std::size_t(20), good.size() - 8}) {
        Bytes shortFile(good.begin(), good.begin() + long(cut));
        image.error.clear();
        EXPECT_FALSE(decodeGif(shortFile, image)) << cut;
        EXPECT_EQ(image.error, "Read Error") << cut;
    }
    // A code that refers to a table entry not yet made.
    Bytes broken{'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x81, 0, 0, 0, 0, 0, 255, 255, 255, 1, 1, 1, 2, 3, 4,
                 ',', 0, 0, 0, 0, 2, 0, 1, 0, 0, 2, 2, 0x3C, 0x00, 0, ';'};
    // Codes (3 bits): 4 (clear), then 7, which does not exist yet.
    EXPECT_FALSE(decodeGif(broken, image));
    EXPECT_EQ(image.error, "corrupted GIF");
}

// --- TGA ---------------------------------------------------------------------------------------

TEST(TgaDecoder, TrueColourDepthsPlainAndRunLength)
{
    // 3 x 2 picture: top row red, green, blue; bottom row white, black, grey.
    const std::uint32_t expect[2][3] = {{rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)},
                                        {rgb(255, 255, 255), 0, rgb(132, 132, 132)}};
    auto pixel = [](int depth, std::uint32_t c) {
        const int r = int(c >> 16 & 255), g = int(c >> 8 & 255), b = int(c & 255);
        if (depth == 16) {
            const unsigned v = unsigned(r * 31 / 255) << 10 | unsigned(g * 31 / 255) << 5 | unsigned(b * 31 / 255);
            return Bytes{std::uint8_t(v), std::uint8_t(v >> 8)};
        }
        Bytes p{std::uint8_t(b), std::uint8_t(g), std::uint8_t(r)};
        if (depth == 32)
            p.push_back(0x80);
        return p;
    };
    for (int depth : {16, 24, 32}) {
        for (bool rle : {false, true}) {
            for (int descriptor : {0x00, 0x20}) {
                Bytes f = test::tgaHeader(rle ? 10 : 2, 3, 2, depth, descriptor | (depth == 32 ? 8 : 0));
                const int rows[2] = {descriptor ? 0 : 1, descriptor ? 1 : 0};
                for (int r : rows) {
                    Bytes rowBytes;
                    for (int x = 0; x < 3; ++x) {
                        const Bytes p = pixel(depth, expect[r][x]);
                        rowBytes.insert(rowBytes.end(), p.begin(), p.end());
                    }
                    if (rle)
                        test::tgaRaw(f, rowBytes, 3);
                    else
                        f.insert(f.end(), rowBytes.begin(), rowBytes.end());
                }
                DecodedImage image;
                ASSERT_TRUE(decodeTga(f, image)) << image.error;
                EXPECT_EQ(image.bitsPerPixel(), 24);
                const Bitmap bmp = image.toBitmap();
                for (int y = 0; y < 2; ++y)
                    for (int x = 0; x < 3; ++x)
                        EXPECT_EQ(bmp.at(x, y), expect[y][x])
                            << "depth " << depth << " rle " << rle << " desc " << descriptor << " at " << x << "," << y;
            }
        }
    }
}

TEST(TgaDecoder, ColourMappedGreyscaleRunsAcrossRowsAndMirroring)
{
    // Colour-mapped, run-length: one run spans both rows.
    Bytes f = test::tgaHeader(9, 2, 2, 8, 0x20, 3);
    const Bytes map{0, 0, 255, 0, 255, 0, 255, 0, 0}; // red, green, blue as b, g, r
    f.insert(f.end(), map.begin(), map.end());
    test::tgaRaw(f, {2}, 1);
    test::tgaRun(f, 3, {1});
    DecodedImage image;
    ASSERT_TRUE(decodeTga(f, image)) << image.error;
    EXPECT_EQ(image.bitsPerPixel(), 8);
    Bitmap bmp = image.toBitmap();
    EXPECT_EQ(bmp.at(0, 0), rgb(0, 0, 255));
    EXPECT_EQ(bmp.at(1, 0), rgb(0, 255, 0));
    EXPECT_EQ(bmp.at(1, 1), rgb(0, 255, 0));

    // Greyscale, plain and run-length, right to left and bottom-up.
    for (int type : {3, 11}) {
        Bytes g = test::tgaHeader(type, 3, 1, 8, 0x10);
        if (type == 3) {
            g.insert(g.end(), {10, 20, 30});
        } else {
            test::tgaRaw(g, {10, 20}, 2);
            test::tgaRun(g, 1, {30});
        }
        ASSERT_TRUE(decodeTga(g, image)) << image.error;
        EXPECT_EQ(image.paletteEntry(200).red, 200);
        bmp = image.toBitmap();
        EXPECT_EQ(bmp.at(0, 0), rgb(30, 30, 30));
        EXPECT_EQ(bmp.at(2, 0), rgb(10, 10, 10));
    }
}

TEST(TgaDecoder, MalformedFilesFailWithTheirMessages)
{
    DecodedImage image;
    EXPECT_FALSE(decodeTga(Bytes(17, 0), image));
    EXPECT_EQ(image.error, "Not a TGA");
    for (int type : {0, 4, 12, 32}) {
        EXPECT_FALSE(decodeTga(test::tgaHeader(type, 2, 2, 24, 0), image)) << type;
        EXPECT_EQ(image.error, "Unknown TGA image type");
    }
    EXPECT_FALSE(decodeTga(test::tgaHeader(2, 2, 2, 12, 0), image));
    EXPECT_EQ(image.error, "Unknown TGA image type");
    EXPECT_FALSE(decodeTga(test::tgaHeader(2, 65535, 65535, 24, 0), image));
    EXPECT_EQ(image.error, "TGA Create failed");
    EXPECT_FALSE(decodeTga(test::tgaHeader(2, 0, 5, 24, 0), image));
    EXPECT_EQ(image.error, "TGA Create failed");

    Bytes plain = test::tgaHeader(2, 2, 2, 24, 0);
    plain.insert(plain.end(), 11, 0x40); // one byte short
    EXPECT_FALSE(decodeTga(plain, image));
    EXPECT_EQ(image.error, "corrupted TGA");
    Bytes rle = test::tgaHeader(10, 2, 2, 24, 0);
    test::tgaRun(rle, 3, {1, 2, 3});
    EXPECT_FALSE(decodeTga(rle, image)) << "pixels missing";
    EXPECT_EQ(image.error, "corrupted TGA");
    // A run longer than the picture is cut at the end instead of writing past it.
    Bytes longRun = test::tgaHeader(10, 2, 1, 24, 0);
    test::tgaRun(longRun, 128, {1, 2, 3});
    EXPECT_TRUE(decodeTga(longRun, image)) << image.error;
}

// --- PCX ---------------------------------------------------------------------------------------

TEST(PcxDecoder, EightBitWithPaletteAndTrueColour)
{
    const int w = 5, h = 3;
    Bytes f = test::pcxHeader(w, h, 8, 1, 6);
    std::vector<std::uint8_t> all;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 6; ++x)
            all.push_back(std::uint8_t(x < w ? (y == 1 ? 0xC5 : x * 40 + y) : 0));
    test::pcxEncode(f, all); // row 1 is one run of 0xC5 across the padding byte
    f.push_back(0x0C);
    for (int i = 0; i < 256; ++i)
        f.insert(f.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)});
    DecodedImage image;
    ASSERT_TRUE(decodePcx(f, image)) << image.error;
    EXPECT_EQ(image.bitsPerPixel(), 8);
    Bitmap bmp = image.toBitmap();
    EXPECT_EQ(bmp.at(3, 0), rgb(120, 135, 60));
    EXPECT_EQ(bmp.at(4, 1), rgb(0xC5, 255 - 0xC5, 0xC5 / 2));
    EXPECT_EQ(bmp.at(2, 2), rgb(82, 173, 41));

    // True colour, 3 and 4 planes (the fourth is ignored).
    for (int planes : {3, 4}) {
        Bytes t = test::pcxHeader(2, 2, 8, planes, 2);
        std::vector<std::uint8_t> raw;
        for (int y = 0; y < 2; ++y)
            for (int p = 0; p < planes; ++p)
                for (int x = 0; x < 2; ++x)
                    raw.push_back(std::uint8_t(p * 100 + y * 10 + x));
        test::pcxEncode(t, raw);
        ASSERT_TRUE(decodePcx(t, image)) << image.error;
        bmp = image.toBitmap();
        EXPECT_EQ(bmp.at(1, 1), rgb(11, 111, 211));
        EXPECT_EQ(bmp.at(0, 0), rgb(0, 100, 200));
    }
}

TEST(PcxDecoder, OneBitPlanesAndPackedDepths)
{
    // Monochrome: 0 black, 1 white.
    Bytes mono = test::pcxHeader(10, 1, 1, 1, 2);
    test::pcxEncode(mono, {0b10100000, 0b01000000});
    DecodedImage image;
    ASSERT_TRUE(decodePcx(mono, image)) << image.error;
    Bitmap bmp = image.toBitmap();
    EXPECT_EQ(bmp.at(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(bmp.at(1, 0), 0u);
    EXPECT_EQ(bmp.at(2, 0), rgb(255, 255, 255));
    EXPECT_EQ(bmp.at(9, 0), rgb(255, 255, 255));

    // Four planes of 1 bit: 16 colours from the header palette; pixel x gets index x.
    Bytes ega = test::pcxHeader(16, 1, 1, 4, 2);
    std::vector<std::uint8_t> raw;
    for (int p = 0; p < 4; ++p) {
        std::uint16_t bits = 0;
        for (int x = 0; x < 16; ++x)
            if (x >> p & 1)
                bits |= std::uint16_t(0x8000 >> x);
        raw.push_back(std::uint8_t(bits >> 8));
        raw.push_back(std::uint8_t(bits));
    }
    test::pcxEncode(ega, raw);
    ASSERT_TRUE(decodePcx(ega, image)) << image.error;
    bmp = image.toBitmap();
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(bmp.at(x, 0), rgb(x * 16, 255 - x * 16, x)) << x;

    // Packed 4 bits and 2 bits per pixel, one plane.
    Bytes four = test::pcxHeader(3, 1, 4, 1, 2);
    test::pcxEncode(four, {0x1F, 0x30});
    ASSERT_TRUE(decodePcx(four, image)) << image.error;
    EXPECT_EQ(image.index(0, 0), 1u);
    EXPECT_EQ(image.index(1, 0), 15u);
    EXPECT_EQ(image.index(2, 0), 3u);
    Bytes two = test::pcxHeader(4, 1, 2, 1, 2);
    test::pcxEncode(two, {0b00011011, 0});
    ASSERT_TRUE(decodePcx(two, image)) << image.error;
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(image.index(x, 0), std::uint32_t(x));
}

TEST(PcxDecoder, MalformedFilesFailWithTheirMessages)
{
    DecodedImage image;
    auto expectError = [&](const Bytes& f, const char* message) {
        image.error.clear();
        EXPECT_FALSE(decodePcx(f, image));
        EXPECT_EQ(image.error, message);
    };
    Bytes f = test::pcxHeader(4, 4, 8, 3, 4);
    f[0] = 9;
    expectError(f, "Error: Not a PCX file");
    expectError(Bytes(100, 10), "Error: Not a PCX file");
    f = test::pcxHeader(4, 4, 8, 3, 4);
    f[2] = 2;
    expectError(f, "PCX file has unknown encoding scheme");
    expectError(test::pcxHeader(4, 4, 8, 5, 4), "Can't handle image with more than 4 planes");
    expectError(test::pcxHeader(4, 4, 2, 2, 4), "Can't handle bits per pixel image with planes.");
    expectError(test::pcxHeader(4, 4, 8, 2, 4), "Can't handle bits per pixel image with planes.");
    expectError(test::pcxHeader(4, 4, 24, 1, 12), "Can't handle bits per pixel image with planes.");

    Bytes noSignature = test::pcxHeader(2, 2, 8, 1, 2);
    noSignature.insert(noSignature.end(), 4 + 769, 1);
    expectError(noSignature, "bad color map signature");

    Bytes spans = test::pcxHeader(2, 2, 8, 3, 2); // 12 bytes of image
    spans.insert(spans.end(), {0xCD, 7});         // a run of 13
    expectError(spans, "repeat count spans end of image");

    Bytes truncated = test::pcxHeader(2, 2, 8, 3, 2);
    truncated.insert(truncated.end(), {1, 2, 3, 0xC3});
    expectError(truncated, "corrupted PCX");
    Bytes narrow = test::pcxHeader(20, 2, 8, 1, 4); // 4 bytes cannot hold 20 pixels
    narrow.insert(narrow.end(), 800, 0x0C);
    expectError(narrow, "corrupted PCX");
}

// --- shared ------------------------------------------------------------------------------------

TEST(DecodedImage, NormalisesDepthsAndRefusesHugePictures)
{
    DecodedImage image;
    const int cases[][2] = {{0, 1}, {1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}, {9, 24}, {32, 24}};
    for (const auto& c : cases) {
        ASSERT_TRUE(image.create(3, 2, c[0]));
        EXPECT_EQ(image.bitsPerPixel(), c[1]);
        EXPECT_EQ(image.paletteSize(), c[1] == 24 ? 0 : 1 << c[1]);
        EXPECT_EQ(image.rowBytes() % 4, 0u);
    }
    EXPECT_TRUE(image.create(4096, 4096, 24));  // exactly 64 MiB as 32-bit pixels
    EXPECT_FALSE(image.create(4096, 4097, 24));
    EXPECT_FALSE(image.create(1, 0x7FFFFFFF, 1));
    EXPECT_FALSE(image.create(-1, 5, 8));
    EXPECT_FALSE(image.valid());
    // Writes outside the picture are ignored.
    ASSERT_TRUE(image.create(2, 2, 8));
    image.setIndex(2, 0, 9);
    image.setIndex(0, -1, 9);
    image.setRgb(0, 0, 1, 2, 3);
    EXPECT_EQ(image.index(0, 0), 0u);
}

} // namespace
} // namespace burrowix
