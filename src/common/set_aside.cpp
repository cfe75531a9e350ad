#include "common/set_aside.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace burrowix {

namespace {

// Renames without replacing what is at `to` (EEXIST then); file systems that cannot rename so
// get a hard link and the old name removed, which fails the same way when `to` exists.
bool renameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    if (::unlink(from.c_str()) == 0)
        return true;
    const int why = errno;
    ::unlink(to.c_str());
    errno = why;
    return false;
}

} // namespace

std::string setFileAside(const std::string& path, std::string& reason)
{
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = path + ".bad" + (n > 1 ? std::to_string(n) : "");
        if (renameNoReplace(path, aside))
            return aside;
        if (errno == EEXIST)
            continue;
        reason = std::strerror(errno);
        return "";
    }
    reason = "every name for it is taken";
    return "";
}

} // namespace burrowix
