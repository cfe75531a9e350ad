#pragma once
// Little-endian 32-bit integers in memory and in files. Every binary format of the game is built from
// these; no structure is ever read by copying its memory layout.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace burrowix {

inline std::uint32_t loadLE32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

inline void storeLE32(std::uint8_t* p, std::uint32_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p[2] = std::uint8_t(v >> 16);
    p[3] = std::uint8_t(v >> 24);
}

inline std::uint16_t loadLE16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

// Reads one value from a stream; false (value untouched) when fewer than 4 bytes remain.
bool readLE32(std::FILE* f, std::uint32_t& value);
bool readLE32(std::FILE* f, std::int32_t& value);
bool writeLE32(std::FILE* f, std::uint32_t value);

// A bounds-checked cursor over bytes in memory. Every read fails cleanly past the end and leaves the
// position where it was.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool seek(std::size_t pos)
    {
        if (pos > bytes_.size())
            return false;
        pos_ = pos;
        return true;
    }
    bool skip(std::size_t n) { return n <= remaining() && seek(pos_ + n); }

    bool u32(std::uint32_t& v)
    {
        if (remaining() < 4)
            return false;
        v = loadLE32(bytes_.data() + pos_);
        pos_ += 4;
        return true;
    }
    bool i32(std::int32_t& v)
    {
        std::uint32_t u;
        if (!u32(u))
            return false;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool u16(std::uint16_t& v)
    {
        if (remaining() < 2)
            return false;
        v = loadLE16(bytes_.data() + pos_);
        pos_ += 2;
        return true;
    }
    bool u8(std::uint8_t& v)
    {
        if (remaining() < 1)
            return false;
        v = bytes_[pos_++];
        return true;
    }
    // A view of the next n bytes, consumed.
    bool bytes(std::size_t n, std::span<const std::uint8_t>& out)
    {
        if (n > remaining())
            return false;
        out = bytes_.subspan(pos_, n);
        pos_ += n;
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Collects little-endian output in memory.
class ByteWriter {
public:
    void u32(std::uint32_t v)
    {
        std::uint8_t b[4];
        storeLE32(b, v);
        out_.insert(out_.end(), b, b + 4);
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void bytes(std::span<const std::uint8_t> b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void bytes(const std::string& s) { out_.insert(out_.end(), s.begin(), s.end()); }

    const std::vector<std::uint8_t>& data() const { return out_; }
    std::vector<std::uint8_t>& data() { return out_; }

private:
    std::vector<std::uint8_t> out_;
};

} // namespace burrowix
