#pragma once
// Replacing a file so that readers see either the whole old file or the whole new one, never a mix:
// the bytes go to a temporary file in the same folder, are flushed to disk, the temporary file is
// renamed over the old one and the folder flushed too. On any failure the old file is untouched, the
// temporary file is gone and errno says why.
//
// What stands at the path decides how: a symbolic link is followed (the file it points to is
// replaced beside itself, the link stays); a device or a pipe is written into as it is; a folder or
// anything else that is not a regular file is refused (EISDIR, EINVAL), and so is a file its owner
// made read-only (EACCES), even for root.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <string>

namespace burrowix {

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// For output produced piece by piece: `produce` writes into the open temporary file and returns
// false to abandon the replacement.
bool writeFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& produce);

// Removes what writes to `path` left behind when their process was killed before the rename: the
// regular files named `path` + "." + six letters or digits, beside `path` and, when `path` is a
// symbolic link, beside the file it points to. Returns how many were removed.
int removeAbandonedTemporaries(const std::string& path);

} // namespace burrowix
