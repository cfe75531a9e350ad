#include "platform/system/temp_files.hpp"

#include <cstdlib>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <vector>

namespace burrowix {

std::string temporaryFolder()
{
    const char* env = std::getenv("TMPDIR");
    std::string folder = env && *env ? env : "/tmp";
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

int createTemporaryFile(std::string& path)
{
    const std::string pattern = temporaryFolder() + "ruXXXXXX.tmp";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkstemps opens with O_EXCL and mode 0600; the last four characters (".tmp") are kept.
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) {
        path.clear();
        return -1;
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    path.assign(name.data());
    return fd;
}

std::string makeTemporaryFile()
{
    std::string path;
    const int fd = createTemporaryFile(path);
    if (fd >= 0)
        ::close(fd);
    return path;
}

} // namespace burrowix
