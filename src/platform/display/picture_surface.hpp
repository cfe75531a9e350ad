#pragma once
// Picture surfaces: a surface holding one picture loaded by name (through the pack archives), and
// reloading it into the same surface after a display loss.

#include <memory>
#include <string_view>

#include "platform/display/display.hpp"

namespace burrowix {

// A surface of the picture's size holding the picture; null when it cannot be loaded.
std::unique_ptr<Surface> loadBitmapSurface(Display& display, std::string_view name);

// Loads the picture again and scales it over the existing surface. Failed when it cannot be loaded.
DisplayResult reloadBitmap(Surface* surface, std::string_view name);

} // namespace burrowix
