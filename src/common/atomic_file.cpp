#include "common/atomic_file.hpp"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
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

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The temporary name replaceRegularFile gives a new version of a file named `base`.
bool isTemporaryNameOf(const std::string& name, const std::string& base)
{
    if (name.size() != base.size() + 7 || name.compare(0, base.size(), base) != 0 || name[base.size()] != '.')
        return false;
    return std::all_of(name.begin() + static_cast<long>(base.size()) + 1, name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

int removeTemporariesBeside(const std::string& path)
{
    const std::string folder = folderOf(path);
    const std::string base = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!isTemporaryNameOf(name, base))
            continue;
        const std::string full = folder + "/" + name;
        struct stat st {};
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(full.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

// Flushes the folder holding `path`, so that a rename in it survives a power cut.
void syncFolderOf(const std::string& path)
{
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Devices and pipes cannot be replaced: what is produced is written into them as they are. Never
// blocking: a pipe nobody reads fails at once (ENXIO) and one that is full fails the write, instead
// of holding the program for ever.
bool writeInPlace(const std::string& path, const std::function<bool(std::FILE*)>& produce)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        ::close(fd);
        return false;
    }
    bool ok = produce(f);
    ok = std::fflush(f) == 0 && ok;
    const int savedErrno = errno;
    ok = std::fclose(f) == 0 && ok;
    if (!ok && errno == 0)
        errno = savedErrno;
    return ok;
}

bool replaceRegularFile(const std::string& path, const std::function<bool(std::FILE*)>& produce)
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
        const int saved = errno;
        ::close(fd);
        ::unlink(temp.data());
        errno = saved;
        return false;
    }
    errno = 0;
    bool ok = produce(f);
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fd) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok && ::rename(temp.data(), path.c_str()) == 0) {
        syncFolderOf(path);
        return true;
    }
    const int saved = errno ? errno : EIO;
    ::unlink(temp.data());
    errno = saved;
    return false;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& produce)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT && replaceRegularFile(path, produce);
    if (S_ISLNK(st.st_mode)) {
        // The file the link points to is the one rewritten, beside itself; the link stays.
        char target[PATH_MAX];
        if (!::realpath(path.c_str(), target))
            return false;
        return writeFileAtomically(target, produce);
    }
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode))
        return writeInPlace(path, produce);
    if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return false;
    }
    // A file its owner made read-only is left alone, whoever runs the program.
    if ((st.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return false;
    }
    return replaceRegularFile(path, produce);
}

int removeAbandonedTemporaries(const std::string& path)
{
    int removed = removeTemporariesBeside(path);
    struct stat st {};
    char target[PATH_MAX];
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), target))
        removed += removeTemporariesBeside(target);
    return removed;
}

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    return writeFileAtomically(path, [bytes](std::FILE* f) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    });
}

} // namespace burrowix
