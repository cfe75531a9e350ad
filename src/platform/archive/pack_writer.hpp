#pragma once
// Writing whole pack archives. The layout (all integers 32-bit little-endian):
//   count, dataSize, the members' bytes back to back from offset 8 in directory order, then one
//   directory entry per member: nameLength (name bytes + 1), the name with its zero byte, offset, size.
// Names must be safe bare file names (see isSafeMemberName) and unique without regard to case; the
// whole file, data and offsets, must stay within 32-bit offsets; and at least one member must hold
// bytes, since an archive whose data area is empty reads back as having no members at all.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace burrowix {

struct PackEntry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// The archive's bytes; empty when the entries break one of the rules above. No entries at all give
// the 8-byte empty archive.
std::vector<std::uint8_t> buildPackArchive(const std::vector<PackEntry>& entries);

// Builds the archive and replaces `path` with it atomically; false (old file untouched) on failure.
bool writePackArchive(const std::string& path, const std::vector<PackEntry>& entries);

// A member whose bytes are streamed from an open file: `size` bytes from `offset` on.
struct PackSource {
    std::string name;
    std::FILE* file = nullptr;
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
};

// Writes an archive of these members to `path` atomically, copying each member's bytes in chunks.
// False (old file untouched) when the rules are broken, a source delivers fewer bytes than its size,
// or writing fails.
// `uniqueNames` = false lets names repeat (for rewriting an archive that already holds repeats).
bool writePackArchiveFrom(const std::string& path, const std::vector<PackSource>& sources,
                          bool uniqueNames = true);

// Checks the rules above for planned members (names and sizes) and gives the offsets they would get;
// false when such an archive cannot be written.
bool planPackLayout(const std::vector<std::string>& names, const std::vector<std::uint64_t>& sizes,
                    std::vector<std::uint32_t>& offsets, bool uniqueNames = true);

} // namespace burrowix
