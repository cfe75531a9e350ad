#pragma once
// The desktop icons of the installed game: Brannok's face in his helmet on a round badge of earth,
// drawn as vectors at each size so the small ones stay crisp.
#include <string>
#include <vector>

namespace burrowix::mkdata {

inline const std::vector<int> kIconSizes = {48, 64, 128, 256};

// Writes "burrowix-<size>.png" for every size into `dir` (which must exist).
bool writeDesktopIcons(const std::string& dir, std::string& error);

} // namespace burrowix::mkdata
