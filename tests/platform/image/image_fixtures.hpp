#pragma once
// Small picture files made by the tests themselves: GIF (with a real LZW encoder), TGA and PCX
// writers covering the layouts the decoders accept, and a bitmap writer.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace burrowix::test {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& b, unsigned v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
inline void put32(Bytes& b, std::uint32_t v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// LZW-compresses indices as GIF image data (with the minimum code size byte and sub-blocks).
inline Bytes gifLzw(const std::vector<std::uint8_t>& indices, int minCodeSize)
{
    Bytes out{std::uint8_t(minCodeSize)};
    Bytes packed;
    std::uint32_t bits = 0;
    int count = 0;
    int codeSize = minCodeSize + 1;
    auto emit = [&](int code) {
        bits |= std::uint32_t(code) << count;
        count += codeSize;
        while (count >= 8) {
            packed.push_back(std::uint8_t(bits));
            bits >>= 8;
            count -= 8;
        }
    };
    const int clear = 1 << minCodeSize;
    std::map<std::pair<int, int>, int> table;
    int next = clear + 2;
    emit(clear);
    int current = -1;
    for (std::uint8_t c : indices) {
        if (current < 0) {
            current = c;
            continue;
        }
        auto it = table.find({current, c});
        if (it != table.end()) {
            current = it->second;
            continue;
        }
        emit(current);
        if (next < 4096) {
            table[{current, c}] = next++;
            if (next - 1 == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        } else {
            emit(clear);
            table.clear();
            next = clear + 2;
            codeSize = minCodeSize + 1;
        }
        current = c;
    }
    if (current >= 0)
        emit(current);
    emit(clear + 1);
    if (count > 0)
        packed.push_back(std::uint8_t(bits));
    for (std::size_t i = 0; i < packed.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, packed.size() - i);
        out.push_back(std::uint8_t(n));
        out.insert(out.end(), packed.begin() + long(i), packed.begin() + long(i + n));
    }
    out.push_back(0);
    return out;
}

// A GIF with a global table of 2^tableBits colours (palette entry i = (i*3, i*5, i*7) mod 256).
// `indices` are in display order; with `interlaced` they are stored in interlaced row order.
inline Bytes makeGif(int w, int h, int tableBits, const std::vector<std::uint8_t>& indices,
                     bool interlaced = false, bool withExtension = true)
{
    Bytes b{'G', 'I', 'F', '8', '9', 'a'};
    put16(b, unsigned(w));
    put16(b, unsigned(h));
    b.push_back(std::uint8_t(0x80 | (tableBits - 1)));
    b.push_back(0);
    b.push_back(0);
    for (int i = 0; i < (1 << tableBits); ++i) {
        b.push_back(std::uint8_t(i * 3));
        b.push_back(std::uint8_t(i * 5));
        b.push_back(std::uint8_t(i * 7));
    }
    if (withExtension) {
        const Bytes ext{'!', 0xF9, 4, 0, 0, 0, 0, 0};
        b.insert(b.end(), ext.begin(), ext.end());
    }
    b.push_back(',');
    put16(b, 0);
    put16(b, 0);
    put16(b, unsigned(w));
    put16(b, unsigned(h));
    b.push_back(interlaced ? 0x40 : 0);
    std::vector<std::uint8_t> stored;
    if (interlaced) {
        const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < h; y += step[pass])
                stored.insert(stored.end(), indices.begin() + y * w, indices.begin() + (y + 1) * w);
    } else {
        stored = indices;
    }
    const Bytes data = gifLzw(stored, std::max(2, tableBits));
    b.insert(b.end(), data.begin(), data.end());
    b.push_back(';');
    return b;
}

inline Bytes tgaHeader(int type, int w, int h, int depth, int descriptor, int mapLength = 0,
                       int mapBits = 24)
{
    Bytes b;
    b.push_back(3); // id length: the id bytes follow the header
    b.push_back(mapLength ? 1 : 0);
    b.push_back(std::uint8_t(type));
    put16(b, 0);
    put16(b, unsigned(mapLength));
    b.push_back(std::uint8_t(mapLength ? mapBits : 0));
    put16(b, 0);
    put16(b, 0);
    put16(b, unsigned(w));
    put16(b, unsigned(h));
    b.push_back(std::uint8_t(depth));
    b.push_back(std::uint8_t(descriptor));
    b.push_back('i');
    b.push_back('d');
    b.push_back('!');
    return b;
}

// Run-length packets for TGA: a run of `n` copies of `pixel` or raw pixels.
inline void tgaRun(Bytes& b, int n, const Bytes& pixel)
{
    b.push_back(std::uint8_t(0x80 | (n - 1)));
    b.insert(b.end(), pixel.begin(), pixel.end());
}
inline void tgaRaw(Bytes& b, const Bytes& pixels, int n)
{
    b.push_back(std::uint8_t(n - 1));
    b.insert(b.end(), pixels.begin(), pixels.end());
}

// PCX: header plus run-length encoded lines (each line's planes one after another).
inline Bytes pcxHeader(int w, int h, int bits, int planes, int bytesPerLine)
{
    Bytes b(128, 0);
    b[0] = 10;
    b[1] = 5;
    b[2] = 1;
    b[3] = std::uint8_t(bits);
    b[8] = std::uint8_t(w - 1);
    b[9] = std::uint8_t((w - 1) >> 8);
    b[10] = std::uint8_t(h - 1);
    b[11] = std::uint8_t((h - 1) >> 8);
    for (int i = 0; i < 16; ++i) { // header palette: entry i = (i*16, 255 - i*16, i)
        b[16 + i * 3] = std::uint8_t(i * 16);
        b[17 + i * 3] = std::uint8_t(255 - i * 16);
        b[18 + i * 3] = std::uint8_t(i);
    }
    b[65] = std::uint8_t(planes);
    b[66] = std::uint8_t(bytesPerLine);
    b[67] = std::uint8_t(bytesPerLine >> 8);
    return b;
}
inline void pcxEncode(Bytes& out, const std::vector<std::uint8_t>& raw)
{
    for (std::size_t i = 0; i < raw.size();) {
        std::size_t n = 1;
        while (i + n < raw.size() && raw[i + n] == raw[i] && n < 63)
            ++n;
        if (n > 1 || (raw[i] & 0xC0) == 0xC0)
            out.push_back(std::uint8_t(0xC0 | n));
        out.push_back(raw[i]);
        i += n;
    }
}

// A bottom-up 24-bit bitmap of 0x00RRGGBB pixels (top row first in `pixels`).
inline Bytes makeBmp24(int w, int h, const std::vector<std::uint32_t>& pixels)
{
    const int row = (w * 3 + 3) & ~3;
    Bytes b{'B', 'M'};
    put32(b, std::uint32_t(54 + row * h));
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, std::uint32_t(w));
    put32(b, std::uint32_t(h));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, std::uint32_t(row * h));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = pixels[std::size_t(y * w + x)];
            b.push_back(std::uint8_t(p));
            b.push_back(std::uint8_t(p >> 8));
            b.push_back(std::uint8_t(p >> 16));
        }
        for (int pad = w * 3; pad < row; ++pad)
            b.push_back(0);
    }
    return b;
}

} // namespace burrowix::test
