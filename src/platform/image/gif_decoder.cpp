// GIF pictures: the first image of the file, decoded with the variable-length LZW method into a
// paletted picture (its local colour table, else the global one).

#include <algorithm>
#include <array>

#include "common/le_io.hpp"
#include "platform/image/image_decoders.hpp"

namespace burrowix {

namespace {

constexpr const char* kReadError = "Read Error";
constexpr const char* kCorrupted = "corrupted GIF";

// Hands out the bytes of the image's data sub-blocks one at a time.
class SubBlockReader {
public:
    explicit SubBlockReader(ByteReader& in) : in_(in) {}

    // -1 at the block terminator; -2 when the file ends first.
    int next()
    {
        if (ended_)
            return -1;
        if (left_ == 0) {
            std::uint8_t len;
            if (!in_.u8(len))
                return -2;
            if (len == 0) {
                ended_ = true;
                return -1;
            }
            left_ = len;
        }
        std::uint8_t b;
        if (!in_.u8(b))
            return -2;
        --left_;
        return b;
    }

    // Skips what is left of the data, up to and including the terminator.
    bool finish()
    {
        for (;;) {
            const int b = next();
            if (b == -1)
                return true;
            if (b == -2)
                return false;
        }
    }

private:
    ByteReader& in_;
    int left_ = 0;
    bool ended_ = false;
};

bool skipSubBlocks(ByteReader& in)
{
    for (;;) {
        std::uint8_t len;
        if (!in.u8(len))
            return false;
        if (len == 0)
            return true;
        if (!in.skip(len))
            return false;
    }
}

bool fail(DecodedImage& image, const char* message)
{
    image.error = message;
    return false;
}

// Row order of an interlaced image: every 8th row from 0, every 8th from 4, every 4th from 2,
// every 2nd from 1.
class RowOrder {
public:
    RowOrder(int height, bool interlaced) : height_(height), interlaced_(interlaced) {}
    int row() const { return row_; }
    void advance()
    {
        static constexpr int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        if (!interlaced_) {
            ++row_;
            return;
        }
        row_ += step[pass_];
        while (row_ >= height_ && pass_ < 3) {
            ++pass_;
            row_ = start[pass_];
        }
        if (row_ >= height_)
            row_ = height_;
    }
    bool done() const { return row_ >= height_; }

private:
    int height_;
    bool interlaced_;
    int row_ = 0;
    int pass_ = 0;
};

bool decodeImageData(ByteReader& in, DecodedImage& image, bool interlaced, int minCodeSize)
{
    constexpr int kMaxCodes = 4096;
    std::array<std::uint16_t, kMaxCodes> prefix{};
    std::array<std::uint8_t, kMaxCodes> suffix{};
    std::array<std::uint8_t, kMaxCodes + 1> stack{};

    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    int oldCode = -1;
    std::uint8_t firstChar = 0;
    for (int i = 0; i < clearCode; ++i)
        suffix[std::size_t(i)] = std::uint8_t(i);

    SubBlockReader data(in);
    std::uint32_t bitBuffer = 0;
    int bitCount = 0;
    RowOrder order(image.height(), interlaced);
    int x = 0;
    const int width = image.width();

    while (!order.done()) {
        while (bitCount < codeSize) {
            const int b = data.next();
            if (b == -2)
                return fail(image, kReadError);
            if (b == -1)
                return true; // data ended early: the rest of the picture stays at index 0
            bitBuffer |= std::uint32_t(b) << bitCount;
            bitCount += 8;
        }
        const int code = int(bitBuffer & ((1u << codeSize) - 1));
        bitBuffer >>= codeSize;
        bitCount -= codeSize;

        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
            oldCode = -1;
            continue;
        }
        if (code == endCode)
            break;

        int sp = 0;
        int cur = code;
        if (oldCode == -1) {
            if (code >= clearCode)
                return fail(image, kCorrupted);
            firstChar = std::uint8_t(code);
            stack[std::size_t(sp++)] = firstChar;
        } else {
            if (code > nextCode || (code == nextCode && nextCode >= kMaxCodes))
                return fail(image, kCorrupted);
            if (code == nextCode) {
                stack[std::size_t(sp++)] = firstChar;
                cur = oldCode;
            }
            while (cur >= clearCode) {
                if (sp >= kMaxCodes)
                    return fail(image, kCorrupted);
                stack[std::size_t(sp++)] = suffix[std::size_t(cur)];
                cur = prefix[std::size_t(cur)];
            }
            firstChar = std::uint8_t(cur);
            stack[std::size_t(sp++)] = firstChar;
            if (nextCode < kMaxCodes) {
                prefix[std::size_t(nextCode)] = std::uint16_t(oldCode);
                suffix[std::size_t(nextCode)] = firstChar;
                ++nextCode;
                if (nextCode == (1 << codeSize) && codeSize < 12)
                    ++codeSize;
            }
        }
        oldCode = code;

        while (sp > 0 && !order.done()) {
            image.setIndex(x, order.row(), stack[std::size_t(--sp)]);
            if (++x == width) {
                x = 0;
                order.advance();
            }
        }
    }
    if (!data.finish())
        return fail(image, kReadError);
    return true;
}

bool readColorTable(ByteReader& in, int entries, std::array<std::uint8_t, 768>& table)
{
    std::span<const std::uint8_t> bytes;
    if (!in.bytes(std::size_t(entries) * 3, bytes))
        return false;
    std::copy(bytes.begin(), bytes.end(), table.begin());
    return true;
}

} // namespace

bool decodeGif(std::span<const std::uint8_t> file, DecodedImage& image)
{
    ByteReader in(file);
    std::span<const std::uint8_t> signature;
    if (!in.bytes(6, signature))
        return fail(image, kReadError);
    if (signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' || signature[3] != '8')
        return fail(image, "Not a GIF");
    std::uint16_t screenWidth, screenHeight;
    std::uint8_t flags, background, aspect;
    if (!in.u16(screenWidth) || !in.u16(screenHeight) || !in.u8(flags) || !in.u8(background) ||
        !in.u8(aspect))
        return fail(image, kReadError);

    std::array<std::uint8_t, 768> globalTable{};
    int globalEntries = 0;
    if (flags & 0x80) {
        globalEntries = 2 << (flags & 7);
        if (!readColorTable(in, globalEntries, globalTable))
            return fail(image, kReadError);
    }

    for (;;) {
        std::uint8_t kind;
        if (!in.u8(kind))
            return fail(image, kReadError);
        if (kind == ';')
            return fail(image, "GIF has no image");
        if (kind == '!') {
            std::uint8_t label;
            if (!in.u8(label) || !skipSubBlocks(in))
                return fail(image, kReadError);
            continue;
        }
        if (kind != ',')
            return fail(image, kCorrupted);

        std::uint16_t left, top, width, height;
        std::uint8_t imageFlags;
        if (!in.u16(left) || !in.u16(top) || !in.u16(width) || !in.u16(height) || !in.u8(imageFlags))
            return fail(image, kReadError);
        std::array<std::uint8_t, 768> localTable{};
        const std::array<std::uint8_t, 768>* table = &globalTable;
        int entries = globalEntries;
        if (imageFlags & 0x80) {
            entries = 2 << (imageFlags & 7);
            if (!readColorTable(in, entries, localTable))
                return fail(image, kReadError);
            table = &localTable;
        }
        std::uint8_t minCodeSize;
        if (!in.u8(minCodeSize))
            return fail(image, kReadError);
        if (minCodeSize < 1 || minCodeSize > 8)
            return fail(image, kCorrupted);

        int bits = 1;
        while ((1 << bits) < entries)
            ++bits;
        bits = std::max(bits, int(minCodeSize));
        if (!image.create(width, height, bits))
            return fail(image, "GIF Create failed");
        for (int i = 0; i < entries; ++i)
            image.setPaletteEntry(i, (*table)[std::size_t(i) * 3], (*table)[std::size_t(i) * 3 + 1],
                                  (*table)[std::size_t(i) * 3 + 2]);
        return decodeImageData(in, image, (imageFlags & 0x40) != 0, minCodeSize);
    }
}

} // namespace burrowix
