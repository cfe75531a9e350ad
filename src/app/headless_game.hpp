#pragma once
// The program without a window, for tools and scripted runs: a display whose frames go nowhere,
// the pack catalogue of a folder with the level pack of one difficulty and its theme, and every
// picture start-up loads.

#include <string>

namespace burrowix {

// Sets everything up from the packs in `folder`; "" on success, else what went wrong.
std::string openGameHeadless(const std::string& folder, int difficulty);

// Releases what openGameHeadless set up.
void closeGameHeadless();

} // namespace burrowix
