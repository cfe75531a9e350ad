#include "font_rename.hpp"

#include <algorithm>
#include <cstring>

namespace burrowix::mkdata {
namespace {

std::uint32_t be32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
std::uint16_t be16(const std::uint8_t* p) { return std::uint16_t(p[0] << 8 | p[1]); }
void put32(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    v.push_back(std::uint8_t(x >> 24));
    v.push_back(std::uint8_t(x >> 16));
    v.push_back(std::uint8_t(x >> 8));
    v.push_back(std::uint8_t(x));
}
void put16(std::vector<std::uint8_t>& v, std::uint16_t x)
{
    v.push_back(std::uint8_t(x >> 8));
    v.push_back(std::uint8_t(x));
}
void set32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x)
{
    v[at] = std::uint8_t(x >> 24);
    v[at + 1] = std::uint8_t(x >> 16);
    v[at + 2] = std::uint8_t(x >> 8);
    v[at + 3] = std::uint8_t(x);
}

struct Table {
    std::uint32_t tag;
    std::vector<std::uint8_t> bytes;
};

constexpr std::uint32_t tagOf(const char* s) { return std::uint32_t(s[0]) << 24 | std::uint32_t(s[1]) << 16 | std::uint32_t(s[2]) << 8 | std::uint32_t(s[3]); }

bool parseTables(const std::vector<std::uint8_t>& font, std::uint32_t& version, std::vector<Table>& tables)
{
    if (font.size() < 12)
        return false;
    version = be32(font.data());
    if (version != 0x00010000 && version != tagOf("true") && version != tagOf("OTTO"))
        return false;
    const std::size_t count = be16(font.data() + 4);
    if (12 + count * 16 > font.size())
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* rec = font.data() + 12 + i * 16;
        const std::uint64_t offset = be32(rec + 8), length = be32(rec + 12);
        if (offset + length > font.size())
            return false;
        tables.push_back({be32(rec), std::vector<std::uint8_t>(font.begin() + std::ptrdiff_t(offset),
                                                               font.begin() + std::ptrdiff_t(offset + length))});
    }
    return true;
}

bool unicodePlatform(std::uint16_t platform) { return platform == 0 || platform == 3; }

std::vector<std::uint8_t> encodeName(std::uint16_t platform, const std::string& text)
{
    std::vector<std::uint8_t> out;
    for (unsigned char c : text) {
        if (unicodePlatform(platform))
            out.push_back(0);
        out.push_back(c);
    }
    return out;
}

// Replacement text for a name ID, or nullopt to keep the record.
std::optional<std::string> replacement(std::uint16_t nameId, const std::string& family)
{
    switch (nameId) {
    case 1:
    case 4:
    case 6:
    case 16:
    case 18:
        return family;
    case 3:
        return "Burrowix: " + family;
    default:
        return std::nullopt;
    }
}

std::optional<std::vector<std::uint8_t>> rewriteNameTable(const std::vector<std::uint8_t>& name,
                                                          const std::string& family)
{
    if (name.size() < 6)
        return std::nullopt;
    const std::size_t count = be16(name.data() + 2);
    const std::size_t storage = be16(name.data() + 4);
    if (6 + count * 12 > name.size() || storage > name.size())
        return std::nullopt;

    std::vector<std::uint8_t> records, strings;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* r = name.data() + 6 + i * 12;
        const std::uint16_t platform = be16(r), encoding = be16(r + 2), language = be16(r + 4),
                            nameId = be16(r + 6), length = be16(r + 8), offset = be16(r + 10);
        // Typographic/WWS subfamily records that could still carry the old family are dropped;
        // language-tag references (format 1) cannot survive a format-0 table either.
        if (nameId == 21 || nameId == 22 || language >= 0x8000)
            continue;
        std::vector<std::uint8_t> text;
        if (auto newText = replacement(nameId, family)) {
            if (!unicodePlatform(platform) && !(platform == 1 && encoding == 0))
                continue;
            text = encodeName(platform, *newText);
        } else {
            if (storage + std::size_t(offset) + length > name.size())
                return std::nullopt;
            const auto* s = name.data() + storage + offset;
            text.assign(s, s + length);
        }
        put16(records, platform);
        put16(records, encoding);
        put16(records, language);
        put16(records, nameId);
        put16(records, std::uint16_t(text.size()));
        put16(records, std::uint16_t(strings.size()));
        strings.insert(strings.end(), text.begin(), text.end());
        ++kept;
    }
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, std::uint16_t(kept));
    put16(out, std::uint16_t(6 + kept * 12));
    out.insert(out.end(), records.begin(), records.end());
    out.insert(out.end(), strings.begin(), strings.end());
    if (out.size() > 0xFFFF + 6 + kept * 12)
        return std::nullopt;
    return out;
}

} // namespace

std::uint32_t sfntChecksum(const std::uint8_t* data, std::size_t length)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < length; i += 4) {
        std::uint8_t word[4] = {0, 0, 0, 0};
        std::memcpy(word, data + i, std::min<std::size_t>(4, length - i));
        sum += be32(word);
    }
    return sum;
}

std::optional<std::vector<std::uint8_t>> renameFontFamily(const std::vector<std::uint8_t>& font,
                                                          const std::string& family)
{
    std::uint32_t version = 0;
    std::vector<Table> tables;
    if (!parseTables(font, version, tables))
        return std::nullopt;
    std::erase_if(tables, [](const Table& t) { return t.tag == tagOf("DSIG"); });

    bool haveName = false, haveHead = false;
    for (Table& t : tables) {
        if (t.tag == tagOf("name")) {
            auto renamed = rewriteNameTable(t.bytes, family);
            if (!renamed)
                return std::nullopt;
            t.bytes = std::move(*renamed);
            haveName = true;
        } else if (t.tag == tagOf("head")) {
            if (t.bytes.size() < 54)
                return std::nullopt;
            set32(t.bytes, 8, 0); // checkSumAdjustment, recomputed below
            haveHead = true;
        }
    }
    if (!haveName || !haveHead)
        return std::nullopt;
    std::sort(tables.begin(), tables.end(), [](const Table& a, const Table& b) { return a.tag < b.tag; });

    const std::uint16_t count = std::uint16_t(tables.size());
    std::uint16_t power = 1, log2 = 0;
    while (power * 2 <= count) {
        power = std::uint16_t(power * 2);
        ++log2;
    }
    std::vector<std::uint8_t> out;
    put32(out, version);
    put16(out, count);
    put16(out, std::uint16_t(power * 16));
    put16(out, log2);
    put16(out, std::uint16_t(count * 16 - power * 16));
    std::size_t offset = 12 + std::size_t(count) * 16;
    std::size_t headOffset = 0;
    for (const Table& t : tables) {
        put32(out, t.tag);
        put32(out, sfntChecksum(t.bytes.data(), t.bytes.size()));
        put32(out, std::uint32_t(offset));
        put32(out, std::uint32_t(t.bytes.size()));
        if (t.tag == tagOf("head"))
            headOffset = offset;
        offset += (t.bytes.size() + 3) & ~std::size_t(3);
    }
    for (const Table& t : tables) {
        out.insert(out.end(), t.bytes.begin(), t.bytes.end());
        while (out.size() % 4)
            out.push_back(0);
    }
    set32(out, headOffset + 8, 0xB1B0AFBAu - sfntChecksum(out.data(), out.size()));
    return out;
}

std::string fontFamilyName(const std::vector<std::uint8_t>& font, int nameId)
{
    std::uint32_t version = 0;
    std::vector<Table> tables;
    if (!parseTables(font, version, tables))
        return {};
    for (const Table& t : tables) {
        if (t.tag != tagOf("name") || t.bytes.size() < 6)
            continue;
        const std::size_t count = be16(t.bytes.data() + 2), storage = be16(t.bytes.data() + 4);
        for (std::size_t i = 0; i < count && 6 + i * 12 + 12 <= t.bytes.size(); ++i) {
            const std::uint8_t* r = t.bytes.data() + 6 + i * 12;
            if (be16(r + 6) != nameId || be16(r) != 3)
                continue;
            const std::size_t length = be16(r + 8), off = storage + be16(r + 10);
            if (off + length > t.bytes.size())
                return {};
            std::string s;
            for (std::size_t k = 1; k < length; k += 2)
                s.push_back(char(t.bytes[off + k]));
            return s;
        }
    }
    return {};
}

} // namespace burrowix::mkdata
