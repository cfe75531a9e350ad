#pragma once
// Replacing a file so that readers see either the whole old file or the whole new one, never a mix:
// the bytes go to a temporary file in the same folder, are flushed to disk, and the temporary file is
// renamed over the old one. On any failure the old file is untouched and the temporary file is gone.

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

} // namespace burrowix
