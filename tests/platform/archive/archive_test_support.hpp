#pragma once
// Shared pieces of the pack archive tests: a private temporary folder for copies, hand-made archive
// bytes and a look at what a folder holds.

#include "common/le_io.hpp"
#include "support/temp_dir.hpp"
#include "support/tmpdir_env.hpp"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace burrowix::test {

// A fresh folder that $TMPDIR points at for the life of the object, so tests can see every copy made.
class ScopedTmpDir {
public:
    explicit ScopedTmpDir(const std::string& folder)
        : folder_((std::filesystem::create_directories(folder), folder)), env_(folder_)
    {
    }

    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    TmpDirEnv env_;
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
