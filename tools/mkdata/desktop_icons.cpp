#include "desktop_icons.hpp"

#include <cairo.h>

#include <cmath>

#include "art.hpp"

namespace burrowix::mkdata {

namespace {

// Draws the icon into a size x size canvas.
void drawIcon(cairo_t* cr, int size)
{
    const double s = size;
    // The badge: a dark tunnel opening with a warm rim.
    cairo_new_path(cr);
    cairo_arc(cr, s / 2, s / 2, s * 0.47, 0, 2 * M_PI);
    cairo_pattern_t* earth = cairo_pattern_create_radial(s * 0.45, s * 0.4, s * 0.05, s / 2, s / 2, s * 0.5);
    cairo_pattern_add_color_stop_rgb(earth, 0, 0.36, 0.25, 0.16);
    cairo_pattern_add_color_stop_rgb(earth, 1, 0.14, 0.09, 0.06);
    cairo_set_source(cr, earth);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(earth);
    cairo_set_line_width(cr, s * 0.04);
    setColor(cr, hex(pal::brass));
    cairo_stroke(cr);

    // Brannok's face, drawn for the badge in a 40 x 40 space: ears, head, muzzle, big eyes with a
    // glint, nose, and the miner's helmet with its lamp lit.
    cairo_save(cr);
    cairo_arc(cr, s / 2, s / 2, s * 0.45, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_scale(cr, s / 40.0, s / 40.0);
    const double line = 1.1;
    const Color fur = hex(pal::fur), belly = hex(pal::belly);
    for (double ex : {9.0, 31.0}) {
        pathEllipse(cr, ex, 20, 3.6, 4);
        fillShaded(cr, darker(fur, 0.15), line);
    }
    pathEllipse(cr, 20, 24, 13, 12);
    fillShaded(cr, fur, line);
    pathEllipse(cr, 20, 29.5, 7.5, 6);
    fillShaded(cr, belly, line * 0.8, 0.15);
    for (double ex : {14.6, 25.4}) {
        pathEllipse(cr, ex, 21.5, 3.3, 3.6);
        fillFlat(cr, hex(0xFFFFFF), line * 0.8);
        pathEllipse(cr, ex + 0.5, 22.2, 2.0, 2.3);
        fillFlat(cr, hex(0x20140C), 0);
        pathEllipse(cr, ex + 1.2, 21.2, 0.75, 0.75);
        fillFlat(cr, hex(0xFFFFFF), 0);
    }
    pathEllipse(cr, 20, 27.2, 2.8, 2.1);
    fillShaded(cr, hex(pal::nose), line * 0.8);
    cairo_new_path(cr);
    cairo_arc(cr, 20, 16.5, 13.5, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillShaded(cr, hex(pal::helmet), line);
    pathRoundRect(cr, 5, 15.2, 30, 3.4, 1.6);
    fillShaded(cr, darker(hex(pal::helmet), 0.15), line);
    radialGlow(cr, 20, 9, 7, withAlpha(hex(pal::lamp), 0.6));
    pathEllipse(cr, 20, 9, 3.6, 3.3);
    fillFlat(cr, hex(pal::lamp), line * 0.8);
    sparkle(cr, 20, 8.8, 2.6, hex(0xFFFFFF));
    cairo_restore(cr);
}

} // namespace

bool writeDesktopIcons(const std::string& dir, std::string& error)
{
    for (const int size : kIconSizes) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(surface);
        drawIcon(cr, size);
        cairo_destroy(cr);
        const std::string path = dir + "/burrowix-" + std::to_string(size) + ".png";
        const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
        cairo_surface_destroy(surface);
        if (status != CAIRO_STATUS_SUCCESS) {
            error = "cannot write " + path + ": " + cairo_status_to_string(status);
            return false;
        }
    }
    return true;
}

} // namespace burrowix::mkdata
