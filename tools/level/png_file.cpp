#include "png_file.hpp"

#include <cairo.h>

#include "platform/display/surface.hpp"

namespace burrowix {

bool writeSurfacePng(const Surface& surface, const std::string& path)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, surface.width(), surface.height());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return false;
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < surface.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(y) * std::size_t(stride));
        const std::uint32_t* src = surface.row(y);
        for (int x = 0; x < surface.width(); ++x)
            row[x] = src[x] & 0x00FFFFFFu;
    }
    cairo_surface_mark_dirty(image);
    const bool ok = cairo_surface_write_to_png(image, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(image);
    return ok;
}

} // namespace burrowix
