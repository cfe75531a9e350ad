#include "platform/archive/pack_writer.hpp"

#include "common/atomic_file.hpp"
#include "common/le_io.hpp"
#include "platform/archive/file_range_copy.hpp"
#include "platform/archive/member_names.hpp"

#include <set>

namespace burrowix {
namespace {

constexpr std::uint64_t kHeaderSize = 8;
constexpr std::uint64_t kMaxOffset = 0xFFFFFFFFu;

std::vector<std::uint8_t> headerBytes(std::size_t count, std::uint32_t dataSize)
{
    ByteWriter w;
    w.u32(static_cast<std::uint32_t>(count));
    w.u32(dataSize);
    return w.data();
}

std::vector<std::uint8_t> directoryBytes(const std::vector<std::string>& names,
                                         const std::vector<std::uint32_t>& offsets,
                                         const std::vector<std::uint32_t>& sizes)
{
    ByteWriter w;
    for (std::size_t i = 0; i < names.size(); ++i) {
        w.u32(static_cast<std::uint32_t>(names[i].size() + 1));
        w.bytes(names[i]);
        w.data().push_back(0);
        w.u32(offsets[i]);
        w.u32(sizes[i]);
    }
    return w.data();
}

bool writeAll(std::FILE* f, const std::vector<std::uint8_t>& bytes)
{
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
}

} // namespace

bool planPackLayout(const std::vector<std::string>& names, const std::vector<std::uint64_t>& sizes,
                    std::vector<std::uint32_t>& offsets, bool uniqueNames)
{
    offsets.clear();
    if (names.size() != sizes.size() || names.size() > kMaxOffset)
        return false;
    std::set<std::string> seen;
    std::uint64_t end = kHeaderSize;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!isSafeMemberName(names[i]) || (!seen.insert(upperCaseName(names[i])).second && uniqueNames))
            return false;
        if (sizes[i] > kMaxOffset - end)
            return false;
        offsets.push_back(static_cast<std::uint32_t>(end));
        end += sizes[i];
    }
    // A data area of 0 bytes reads back as an archive without members.
    if (!names.empty() && end == kHeaderSize) {
        offsets.clear();
        return false;
    }
    return true;
}

std::vector<std::uint8_t> buildPackArchive(const std::vector<PackEntry>& entries)
{
    std::vector<std::string> names;
    std::vector<std::uint64_t> sizes;
    for (const PackEntry& e : entries) {
        names.push_back(e.name);
        sizes.push_back(e.bytes.size());
    }
    std::vector<std::uint32_t> offsets;
    if (!planPackLayout(names, sizes, offsets))
        return {};

    std::vector<std::uint32_t> sizes32;
    std::uint64_t dataSize = 0;
    for (std::uint64_t s : sizes) {
        sizes32.push_back(static_cast<std::uint32_t>(s));
        dataSize += s;
    }
    std::vector<std::uint8_t> out = headerBytes(entries.size(), static_cast<std::uint32_t>(dataSize));
    for (const PackEntry& e : entries)
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    const std::vector<std::uint8_t> directory = directoryBytes(names, offsets, sizes32);
    out.insert(out.end(), directory.begin(), directory.end());
    return out;
}

bool writePackArchive(const std::string& path, const std::vector<PackEntry>& entries)
{
    const std::vector<std::uint8_t> bytes = buildPackArchive(entries);
    return !bytes.empty() && writeFileAtomically(path, bytes);
}

bool writePackArchiveFrom(const std::string& path, const std::vector<PackSource>& sources, bool uniqueNames)
{
    std::vector<std::string> names;
    std::vector<std::uint64_t> sizes;
    std::vector<std::uint32_t> sizes32;
    std::uint64_t dataSize = 0;
    for (const PackSource& s : sources) {
        if (!s.file && s.size > 0)
            return false;
        names.push_back(s.name);
        sizes.push_back(s.size);
        sizes32.push_back(s.size);
        dataSize += s.size;
    }
    std::vector<std::uint32_t> offsets;
    if (!planPackLayout(names, sizes, offsets, uniqueNames))
        return false;

    return writeFileAtomically(path, [&](std::FILE* out) {
        if (!writeAll(out, headerBytes(sources.size(), static_cast<std::uint32_t>(dataSize))))
            return false;
        const ChunkSink sink = [out](const std::uint8_t* bytes, std::size_t count) {
            return std::fwrite(bytes, 1, count, out) == count;
        };
        for (const PackSource& s : sources) {
            const RangeCopyResult r = copyFileRange(s.file, s.offset, s.size, sink);
            if (r.sinkFailed || r.copied != s.size)
                return false;
        }
        return writeAll(out, directoryBytes(names, offsets, sizes32));
    });
}

} // namespace burrowix
