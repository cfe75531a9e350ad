#include "records/own_levels.hpp"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <span>

#include "common/atomic_file.hpp"
#include "common/set_aside.hpp"
#include "platform/system/regular_file.hpp"

namespace burrowix {

namespace {

constexpr std::string_view kFirstLine = "burrowix own levels 1\n";
constexpr std::string_view kLevelWord = "level ";
// The largest file a full pack can be.
constexpr std::uint64_t kLargestFile = OwnLevelPack::kMaxLevels * (OwnLevelPack::kMaxSourceBytes + 32) + 64;

} // namespace

std::optional<OwnLevelPack> parseOwnLevelPack(std::string_view bytes, std::string& reason)
{
    if (!bytes.starts_with(kFirstLine)) {
        reason = "it does not start with \"" + std::string(kFirstLine.substr(0, kFirstLine.size() - 1)) + "\"";
        return std::nullopt;
    }
    OwnLevelPack pack;
    std::size_t pos = kFirstLine.size();
    while (pos < bytes.size()) {
        const std::string n = std::to_string(pack.sources.size() + 1);
        if (pack.sources.size() == OwnLevelPack::kMaxLevels) {
            reason = "it holds more than " + std::to_string(OwnLevelPack::kMaxLevels) + " levels";
            return std::nullopt;
        }
        const std::size_t eol = bytes.find('\n', pos);
        const std::string_view line = bytes.substr(pos, eol == std::string_view::npos ? bytes.npos : eol - pos);
        std::size_t length = 0;
        const char* digits = line.data() + std::min(line.size(), kLevelWord.size());
        const auto r = std::from_chars(digits, line.data() + line.size(), length);
        // The length as encodeOwnLevelPack writes it: digits only, no leading zero.
        const bool leadingZero = r.ptr - digits > 1 && *digits == '0';
        if (eol == std::string_view::npos || !line.starts_with(kLevelWord) || r.ec != std::errc() ||
            r.ptr != line.data() + line.size() || leadingZero) {
            reason = "the line before level " + n + " is not \"level\" and its length";
            return std::nullopt;
        }
        if (length > OwnLevelPack::kMaxSourceBytes) {
            reason = "level " + n + " is longer than any level";
            return std::nullopt;
        }
        const std::size_t start = eol + 1;
        if (bytes.size() - start < length + 1) {
            reason = "level " + n + " runs past the end of the file";
            return std::nullopt;
        }
        if (bytes[start + length] != '\n') {
            reason = "level " + n + " is not as long as its line says";
            return std::nullopt;
        }
        pack.sources.emplace_back(bytes.substr(start, length));
        pos = start + length + 1;
    }
    return pack;
}

std::string encodeOwnLevelPack(const OwnLevelPack& pack)
{
    std::string out(kFirstLine);
    for (const std::string& source : pack.sources) {
        out += kLevelWord;
        out += std::to_string(source.size());
        out += '\n';
        out += source;
        out += '\n';
    }
    return out;
}

OwnLevelsFile::Read OwnLevelsFile::read(OwnLevelPack& pack, std::string& reason) const
{
    pack.sources.clear();
    std::uint64_t size = 0;
    FilePtr f = openRegularFile(path, &size);
    if (!f) {
        reportIfNotRegularFile(path);
        return Read::Missing;
    }
    if (size > kLargestFile) {
        reason = "it is larger than any pack of levels";
        return Read::Damaged;
    }
    std::string bytes(std::size_t(size), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
        reason = "it cannot be read whole";
        return Read::Damaged;
    }
    std::optional<OwnLevelPack> parsed = parseOwnLevelPack(bytes, reason);
    if (!parsed)
        return Read::Damaged;
    pack = std::move(*parsed);
    return Read::Read;
}

bool OwnLevelsFile::write(const OwnLevelPack& pack, std::string& reason) const
{
    const std::string bytes = encodeOwnLevelPack(pack);
    if (writeFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())))
        return true;
    reason = std::strerror(errno);
    return false;
}

std::string OwnLevelsFile::setAside(std::string& reason) const
{
    return setFileAside(path, reason);
}

} // namespace burrowix
