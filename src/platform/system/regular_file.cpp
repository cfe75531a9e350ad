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

} // namespace burrowix
