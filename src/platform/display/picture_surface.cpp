#include "platform/display/picture_surface.hpp"

#include "platform/image/load_image.hpp"

#include <optional>
#include <vector>

namespace burrowix {

namespace {

// The surface takes the decoded pixels as they are: nothing is cleared or copied.
std::unique_ptr<Surface> surfaceFromBitmap(Display& display, std::optional<Bitmap>& bitmap)
{
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 ||
        bitmap->pixels.size() != std::size_t(bitmap->width) * std::size_t(bitmap->height))
        return nullptr;
    auto surface = std::make_unique<Surface>(bitmap->width, bitmap->height, std::move(bitmap->pixels));
    registerSurface(display, surface.get());
    return surface;
}

} // namespace

std::unique_ptr<Surface> loadBitmapSurface(Display& display, std::string_view name)
{
    std::optional<Bitmap> bitmap = loadImage(name);
    return surfaceFromBitmap(display, bitmap);
}

void loadBitmapSurfaces(Display& display, std::span<const PictureRequest> requests)
{
    std::vector<std::string_view> names;
    names.reserve(requests.size());
    for (const PictureRequest& request : requests)
        names.push_back(request.name);
    std::vector<std::optional<Bitmap>> bitmaps = loadImages(names);
    for (std::size_t i = 0; i < requests.size(); ++i)
        *requests[i].slot = surfaceFromBitmap(display, bitmaps[i]);
}

DisplayResult reloadBitmap(Surface* surface, std::string_view name)
{
    if (!surface)
        return DisplayResult::InvalidParams;
    const std::optional<Bitmap> bitmap = loadImage(name);
    if (!bitmap)
        return DisplayResult::Failed;
    return copyBitmapToSurface(surface, &*bitmap, 0, 0, 0, 0);
}

} // namespace burrowix
