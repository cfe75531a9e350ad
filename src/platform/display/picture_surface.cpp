#include "platform/display/picture_surface.hpp"

#include "platform/image/load_image.hpp"

namespace burrowix {

std::unique_ptr<Surface> loadBitmapSurface(Display& display, std::string_view name)
{
    const std::optional<Bitmap> bitmap = loadImage(name);
    if (!bitmap)
        return nullptr;
    std::unique_ptr<Surface> surface = createBlankSurface(display, bitmap->width, bitmap->height);
    if (!surface || copyBitmapToSurface(surface.get(), &*bitmap, 0, 0, 0, 0) != DisplayResult::Ok)
        return nullptr;
    return surface;
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
