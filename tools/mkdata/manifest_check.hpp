#pragma once
// The drawn pictures of a pack held against the asset manifest before the pack is written.
#include "picture.hpp"

#include <string>

namespace burrowix::mkdata {

// "" when `pictures` are exactly the manifest's pictures of `pack`, each once, in its format and at
// its size; otherwise what is wrong with the first one that is not.
std::string checkAgainstManifest(const PictureList& pictures, assets::PicturePack pack);

} // namespace burrowix::mkdata
