#pragma once
// Picture surfaces: a surface holding one picture loaded by name (through the pack archives), and
// reloading it into the same surface after a display loss.

#include <memory>
#include <span>
#include <string_view>

#include "platform/display/display.hpp"

namespace burrowix {

// A surface of the picture's size holding the picture; null when it cannot be loaded.
std::unique_ptr<Surface> loadBitmapSurface(Display& display, std::string_view name);

// One picture of a batch: its name and where its surface goes.
struct PictureRequest {
    std::unique_ptr<Surface>* slot;
    std::string_view name;
};

// Loads every request's picture into its slot (null when it cannot be loaded), as loadBitmapSurface
// would one by one, with the decoding spread over all cores.
void loadBitmapSurfaces(Display& display, std::span<const PictureRequest> requests);

// Loads the picture again and scales it over the existing surface. Failed when it cannot be loaded.
DisplayResult reloadBitmap(Surface* surface, std::string_view name);

} // namespace burrowix
