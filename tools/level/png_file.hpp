#pragma once
// Saving a surface as a PNG picture.

#include <string>

namespace burrowix {

class Surface;

bool writeSurfacePng(const Surface& surface, const std::string& path);

} // namespace burrowix
