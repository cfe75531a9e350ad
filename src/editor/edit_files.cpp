#include "editor/edit_files.hpp"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <vector>

#include "common/atomic_file.hpp"
#include "platform/system/regular_file.hpp"

namespace burrowix {

namespace {

// Level sources are a few tens of kilobytes at most (200 x 200 cells and their lines); anything
// far larger is not one.
constexpr std::size_t kMaxSourceBytes = 4 << 20;

bool endsWithLevelFileName(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& ch : tail)
        ch = char(std::tolower(std::uint8_t(ch)));
    return tail == ".ml_";
}

} // namespace

std::string editLevelSource(const EditLevel& level)
{
    return decompileLevel(toLevelFile(level), toLevelNotes(level));
}

std::optional<EditLevel> editLevelFromSource(std::string_view text, std::string& error)
{
    LevelNotes notes;
    const std::optional<LevelFile> file = parseLevelSource(text, error, &notes);
    if (!file)
        return std::nullopt;
    return fromLevelFile(*file, notes, error);
}

std::optional<EditLevel> editLevelFromBytes(std::span<const std::uint8_t> bytes, std::string& error)
{
    const std::optional<LevelFile> file = parseLevelFile(bytes, &error);
    if (!file)
        return std::nullopt;
    return fromLevelFile(*file, {}, error);
}

std::optional<EditLevel> readEditLevel(const std::string& path, std::string& error)
{
    // Only a regular file: opening a named pipe would wait for a writer.
    std::uint64_t size = 0;
    FilePtr f = openRegularFile(path, &size);
    if (!f) {
        const int why = errno;
        const std::string kind = nonRegularKind(path);
        error = path + ": " + (kind.empty() ? std::string(std::strerror(why)) : "not a regular file but " + kind);
        return std::nullopt;
    }
    if (size > kMaxSourceBytes) {
        error = path + ": larger than any level";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
        error = path + ": cannot be read whole";
        return std::nullopt;
    }
    std::optional<EditLevel> level =
        endsWithLevelFileName(path)
            ? editLevelFromBytes(bytes, error)
            : editLevelFromSource(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
    if (!level)
        error = path + ": " + error;
    return level;
}

bool writeEditLevelSource(const std::string& path, const EditLevel& level, std::string& error)
{
    const std::string text = editLevelSource(level);
    if (writeFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())))
        return true;
    error = path + ": " + std::strerror(errno);
    return false;
}

} // namespace burrowix
