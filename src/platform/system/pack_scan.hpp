#pragma once
// Finding the pack archives: the regular files of a folder whose names end in ".pak" in any case,
// sorted by name so that every run sees them in the same order.

#include <string>
#include <vector>

namespace burrowix {

// Bare file names; empty when the folder cannot be read.
std::vector<std::string> findPackFiles(const std::string& folder = ".");

} // namespace burrowix
