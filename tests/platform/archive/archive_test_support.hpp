#pragma once
// Shared pieces of the pack archive tests: a private temporary folder for copies, hand-made archive
// bytes and a look at what a folder holds.

#include "common/le_io.hpp"
#include "support/temp_dir.hpp"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace burrowix::test {

// Points $TMPDIR at a fresh folder for the life of the object, so tests can see every copy made.
class ScopedTmpDir {
public:
    explicit ScopedTmpDir(const std::string& folder) : folder_(folder)
    {
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        std::filesystem::create_directories(folder_);
        ::setenv("TMPDIR", folder_.c_str(), 1);
    }
    ~ScopedTmpDir()
    {
        if (old_)
            ::setenv("TMPDIR", old_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    ScopedTmpDir(const ScopedTmpDir&) = delete;
    ScopedTmpDir& operator=(const ScopedTmpDir&) = delete;

    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    std::optional<std::string> old_;
};

inline std::set<std::string> filesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

inline std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

// One directory entry as raw bytes: nameLength, the name bytes exactly as given, offset, size.
inline void rawEntry(ByteWriter& w, std::uint32_t nameLength, const std::string& nameBytes, std::uint32_t offset,
                     std::uint32_t size)
{
    w.u32(nameLength);
    w.bytes(nameBytes);
    w.u32(offset);
    w.u32(size);
}

} // namespace burrowix::test
