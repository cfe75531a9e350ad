#pragma once
// One copy of the game per folder: the folder that holds the saves is locked for the life of the
// program, so a second copy started in it can tell and stop before it reads or writes anything. The
// lock is the kernel's on the folder itself, so it ends with the process however the process ends:
// a copy that died leaves nothing behind that blocks the next start.

#include <string>

namespace burrowix {

class FolderLock {
public:
    enum class Result {
        Held,       // this copy holds the folder
        InUse,      // another process holds it
        Unavailable // the folder cannot be locked (missing, or a file system without locks)
    };

    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Result acquire(const std::string& folder);
    void release();

private:
    int fd_ = -1;
};

} // namespace burrowix
