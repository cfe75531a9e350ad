#pragma once
// Review sheets: a picture at 1:1 with its transparent (key) pixels shown as a checkerboard, a
// labelled grid over sprite sheets and the regions the game reads outlined and named.
#include "picture.hpp"

#include <string>

namespace burrowix::mkdata {

// The labels are set in the game's sketch face, so the faces must be loaded (loadFaces).
bool writeContactSheet(const Picture& picture, const std::string& pngPath);

} // namespace burrowix::mkdata
