#include "platform/system/temp_files.hpp"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace burrowix {

namespace {

constexpr const char* kPrivatePrefix = "burrowix-";

std::string privateFolder; // with its trailing '/', empty when none is in use

std::string sharedTemporaryFolder()
{
    const char* env = std::getenv("TMPDIR");
    std::string folder = env && *env ? env : "/tmp";
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

// The process id in a private folder's name "burrowix-<pid>-XXXXXX", or 0 when it is not one.
pid_t ownerOf(const std::string& name)
{
    const std::size_t prefix = std::strlen(kPrivatePrefix);
    if (name.compare(0, prefix, kPrivatePrefix) != 0)
        return 0;
    const std::size_t dash = name.find('-', prefix);
    if (dash == std::string::npos || dash == prefix || dash > prefix + 9 || name.size() != dash + 7)
        return 0;
    pid_t pid = 0;
    for (std::size_t i = prefix; i < dash; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

void removeFoldersOfEndedProcesses(const std::string& base)
{
    DIR* dir = ::opendir(base.c_str());
    if (!dir)
        return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t pid = ownerOf(entry->d_name);
        if (pid <= 0 || pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH)
            continue;
        struct stat st {};
        const std::string path = base + entry->d_name;
        if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
            stale.push_back(path);
    }
    ::closedir(dir);
    for (const std::string& path : stale) {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
}

} // namespace

std::string temporaryFolder()
{
    return privateFolder.empty() ? sharedTemporaryFolder() : privateFolder;
}

bool usePrivateTemporaryFolder()
{
    const std::string base = sharedTemporaryFolder();
    removeFoldersOfEndedProcesses(base);
    std::string pattern = base + kPrivatePrefix + std::to_string(::getpid()) + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return false;
    privateFolder = pattern + "/";
    return true;
}

void removePrivateTemporaryFolder()
{
    if (privateFolder.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(privateFolder, ignored);
    privateFolder.clear();
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
