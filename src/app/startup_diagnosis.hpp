#pragma once
// Why start-up cannot go on, in words for standard error: what is missing and where it was looked
// for (the folder, the pack, the member) with the system's reason. The message boxes keep their
// short texts; these lines go beside them.

#include <string>

namespace burrowix {

class PackCatalogue;

// Why the folder yields no pack archives: it cannot be read, or holds no "*.pak" file.
std::string describeMissingPacks(const std::string& folder);

// Why a start-up picture did not load: looked up in the selected level pack for "pack1.bmp",
// in the standard pack otherwise, through the catalogue's archives as the loader does.
std::string describeMissingPicture(const PackCatalogue& catalogue, const std::string& picture);

// Writes "burrowix: cannot start: <why>" on standard error.
void reportStartupFailure(const std::string& why);

} // namespace burrowix
