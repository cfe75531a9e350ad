#include "platform/system/regular_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace burrowix {

FilePtr openRegularFile(const std::string& path, std::uint64_t* size)
{
    // Non-blocking so that opening a pipe cannot hang; blocking again once it is known to be a file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FilePtr(nullptr, &std::fclose);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FilePtr(nullptr, &std::fclose);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (size)
        *size = static_cast<std::uint64_t>(st.st_size);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f)
        ::close(fd);
    return FilePtr(f, &std::fclose);
}

std::string nonRegularKind(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode))
        return "";
    if (S_ISFIFO(st.st_mode))
        return "a named pipe";
    if (S_ISDIR(st.st_mode))
        return "a folder";
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return "a device";
    if (S_ISSOCK(st.st_mode))
        return "a socket";
    return "something other than a file";
}

bool reportIfNotRegularFile(const std::string& path)
{
    const std::string kind = nonRegularKind(path);
    if (kind.empty())
        return false;
    std::fprintf(stderr, "burrowix: %s is %s, not a regular file; it is treated as missing\n", path.c_str(), kind.c_str());
    return true;
}

bool readRegularFilePrefix(const std::string& path, std::size_t limit, std::string& text, bool& cut)
{
    text.clear();
    cut = false;
    FilePtr f = openRegularFile(path);
    if (!f)
        return false;
    // One byte past the limit tells a file of exactly `limit` bytes from a longer one.
    text.resize(limit + 1);
    const std::size_t got = std::fread(text.data(), 1, text.size(), f.get());
    cut = got > limit;
    text.resize(cut ? limit : got);
    return true;
}

} // namespace burrowix
