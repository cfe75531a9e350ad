#pragma once
// Opening an existing regular file for reading without being caught by what else may lie at a
// path: a pipe or device would block or never end, so only regular files are opened.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace burrowix {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The open file, or null when the path is missing, unreadable or not a regular file. `size`, when
// given, receives the file's size.
FilePtr openRegularFile(const std::string& path, std::uint64_t* size = nullptr);

} // namespace burrowix
