#include "contact_sheet.hpp"

#include "draw_kit.hpp"

#include <cairo.h>

#include <string>

namespace burrowix::mkdata {

bool writeContactSheet(const Picture& picture, const std::string& pngPath)
{
    const int margin = 28;
    const Image& img = picture.image;
    const int w = img.width + margin * 2, h = img.height + margin * 2;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_paint(cr);

    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < img.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + std::ptrdiff_t(y + margin) * stride);
        for (int x = 0; x < img.width; ++x) {
            Rgb c = img.at(x, y);
            if (picture.format == Format::Bmp && c == picture.key) {
                const bool dark = ((x / 8) + (y / 8)) % 2;
                c = dark ? Rgb{92, 92, 100} : Rgb{140, 140, 150};
            }
            row[x + margin] = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
        }
    }
    cairo_surface_mark_dirty(surface);

    cairo_set_line_width(cr, 1);
    double labelSize = 12;
    Color labelColor{1, 1, 1, 1};
    auto label = [&](double x, double y, const std::string& text) {
        drawText(cr, Face::Sketch, labelSize, text, x, y, Align::Left, labelColor);
    };
    label(4, 12, picture.name + "  " + std::to_string(img.width) + "x" + std::to_string(img.height));

    if (picture.cellW > 0 && picture.cellH > 0) {
        const int cols = img.width / picture.cellW, rows = img.height / picture.cellH;
        cairo_set_source_rgba(cr, 1, 0.3, 1, 0.55);
        for (int c = 0; c <= cols; ++c) {
            cairo_move_to(cr, margin + c * picture.cellW + 0.5, margin);
            cairo_line_to(cr, margin + c * picture.cellW + 0.5, margin + rows * picture.cellH);
        }
        for (int r = 0; r <= rows; ++r) {
            cairo_move_to(cr, margin, margin + r * picture.cellH + 0.5);
            cairo_line_to(cr, margin + cols * picture.cellW, margin + r * picture.cellH + 0.5);
        }
        cairo_stroke(cr);
        labelColor = {1, 0.8, 1, 1};
        labelSize = 11;
        for (int c = 0; c < cols; ++c)
            label(margin + c * picture.cellW + 2, margin - 3, std::to_string(c));
        for (int r = 0; r < rows; ++r)
            label(2, margin + r * picture.cellH + 12, std::to_string(r));
    }
    labelSize = 11;
    labelColor = {0.6, 1, 1, 1};
    for (const Region& r : picture.regions) {
        cairo_set_source_rgba(cr, 0.2, 1, 1, 0.9);
        cairo_rectangle(cr, margin + r.x + 0.5, margin + r.y + 0.5, r.w - 1, r.h - 1);
        cairo_stroke(cr);
        label(margin + r.x + 2, margin + r.y + r.h + 9, r.name);
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

} // namespace burrowix::mkdata
