#include "common/atomic_file.hpp"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace burrowix {
namespace {

// The mode the new file gets: the old file's, or what a plain create would give.
mode_t modeFor(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& produce)
{
    std::vector<char> temp(path.begin(), path.end());
    for (char c : std::string(".XXXXXX"))
        temp.push_back(c);
    temp.push_back('\0');

    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, modeFor(path));
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        ::close(fd);
        ::unlink(temp.data());
        return false;
    }
    bool ok = produce(f);
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fd) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && ::rename(temp.data(), path.c_str()) == 0)
        return true;
    ::unlink(temp.data());
    return false;
}

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    return writeFileAtomically(path, [bytes](std::FILE* f) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    });
}

} // namespace burrowix
