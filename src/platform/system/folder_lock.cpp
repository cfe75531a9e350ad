#include "platform/system/folder_lock.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace burrowix {

FolderLock::~FolderLock()
{
    release();
}

FolderLock::Result FolderLock::acquire(const std::string& folder)
{
    release();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Result::Unavailable;
    // Each open of the folder is its own lock holder, so this also tells two holders in one process
    // apart. Never waits: a held folder is reported at once.
    int r;
    do
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    while (r != 0 && errno == EINTR);
    if (r == 0) {
        fd_ = fd;
        return Result::Held;
    }
    const int why = errno;
    ::close(fd);
    errno = why;
    return why == EWOULDBLOCK ? Result::InUse : Result::Unavailable;
}

void FolderLock::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace burrowix
