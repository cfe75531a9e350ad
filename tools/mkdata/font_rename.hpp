#pragma once
// Renaming a TrueType font: the family, full, PostScript and unique names in its 'name' table
// (IDs 1, 3, 4, 6, 16, 18) are replaced, the table directory's
// checksums and the head table's checkSumAdjustment are recomputed, and a digital signature (which
// would no longer match) is dropped. Everything else is kept byte for byte.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace burrowix::mkdata {

// nullopt when the input is not a well-formed TrueType/OpenType file with 'name' and 'head' tables.
std::optional<std::vector<std::uint8_t>> renameFontFamily(const std::vector<std::uint8_t>& font,
                                                          const std::string& family);

// The checksum of a table as the sfnt directory stores it (big-endian 32-bit words, zero-padded).
std::uint32_t sfntChecksum(const std::uint8_t* data, std::size_t length);

// The family (name ID 1, Windows or Unicode platform) of a font, for checks; empty when absent.
std::string fontFamilyName(const std::vector<std::uint8_t>& font, int nameId = 1);

} // namespace burrowix::mkdata
