#pragma once
// Opening an existing regular file for reading without being caught by what else may lie at a
// path: a pipe or device would block or never end, so only regular files are opened.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace burrowix {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The open file, or null when the path is missing, unreadable or not a regular file. `size`, when
// given, receives the file's size.
FilePtr openRegularFile(const std::string& path, std::uint64_t* size = nullptr);

// What lies at `path` when it exists but is no regular file ("a named pipe", "a folder", ...);
// "" for a regular file or a missing path.
std::string nonRegularKind(const std::string& path);

// One line on standard error when `path` exists but is no regular file, saying it is treated as
// missing; nothing otherwise. True when it said so.
bool reportIfNotRegularFile(const std::string& path);

// The first `limit` bytes of a regular file: false when it cannot be opened as one. `cut` tells
// whether the file held more.
bool readRegularFilePrefix(const std::string& path, std::size_t limit, std::string& text, bool& cut);

} // namespace burrowix
