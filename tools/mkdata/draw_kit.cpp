#include "draw_kit.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace burrowix::mkdata {

Color hex(std::uint32_t rgb, double alpha)
{
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, alpha};
}

Color mix(Color a, Color b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_))
{
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

namespace {

// Keeps a visible pixel from matching the key by accident.
Rgb avoidKey(Rgb c, Rgb key)
{
    if (key == kKeyBlack) {
        if (c.r < 8 && c.g < 8 && c.b < 8)
            return {8, 8, 8};
        return c;
    }
    if (c == key)
        c.g = std::uint8_t(c.g >= 128 ? c.g - 24 : c.g + 24);
    return c;
}

} // namespace

Image Canvas::keyed(Rgb key) const
{
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const Rgb dark = {42, 27, 18};
    Image out(width_, height_, key);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = row[x];
            const unsigned a = p >> 24;
            if (a < 128)
                continue;
            // Premultiplied colour over the dark tone.
            auto ch = [&](unsigned premult, unsigned under) {
                return std::uint8_t(std::min(255u, premult + (255 - a) * under / 255));
            };
            Rgb c{ch((p >> 16) & 255, dark.r), ch((p >> 8) & 255, dark.g), ch(p & 255, dark.b)};
            out.set(x, y, avoidKey(c, key));
        }
    }
    return out;
}

Image Canvas::keyedWithShadow(Rgb key, Rgb shadow, int cell) const
{
    Image img = keyed(key);
    Image out = img;
    auto solid = [&](int x, int y) { return x >= 0 && y >= 0 && !(img.at(x, y) == key); };
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            if (solid(x, y))
                continue;
            // Only from a pixel of the same cell, and never on the cell's last column or row: a
            // shadow must not spill into the next frame or touch what the sprite meets at its edge.
            if (x % cell == cell - 1 || y % cell == cell - 1)
                continue;
            const bool left = x % cell != 0, up = y % cell != 0;
            if ((left && solid(x - 1, y)) || (up && solid(x, y - 1)) || (left && up && solid(x - 1, y - 1)))
                out.set(x, y, avoidKey(shadow, key));
        }
    return out;
}

Image Canvas::opaque(Rgb background) const
{
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::ptrdiff_t(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = row[x];
            const unsigned a = p >> 24;
            auto ch = [&](unsigned premult, unsigned under) {
                return std::uint8_t(std::min(255u, premult + (255 - a) * under / 255));
            };
            out.set(x, y, {ch((p >> 16) & 255, background.r), ch((p >> 8) & 255, background.g),
                           ch(p & 255, background.b)});
        }
    }
    return out;
}

void inCell(cairo_t* cr, int col, int row, int w, int h, const std::function<void()>& paint)
{
    cairo_save(cr);
    cairo_rectangle(cr, col * w, row * h, w, h);
    cairo_clip(cr);
    cairo_translate(cr, col * w, row * h);
    cairo_new_path(cr);
    paint();
    cairo_restore(cr);
}

namespace {
Color gOutline = hex(pal::outline);
} // namespace

OutlineColor::OutlineColor(Color c) : previous_(gOutline) { gOutline = c; }
OutlineColor::~OutlineColor() { gOutline = previous_; }
Color currentOutline() { return gOutline; }

void setColor(cairo_t* cr, Color c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void pathRoundRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void pathEllipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void fillShaded(cairo_t* cr, Color base, double outlineWidth, double contrast)
{
    double x0, y0, x1, y1;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x0 + (x1 - x0) * 0.6, y1);
    const Color light = lighter(base, contrast), shade = darker(base, contrast);
    cairo_pattern_add_color_stop_rgba(g, 0.0, light.r, light.g, light.b, base.a);
    cairo_pattern_add_color_stop_rgba(g, 0.45, base.r, base.g, base.b, base.a);
    cairo_pattern_add_color_stop_rgba(g, 1.0, shade.r, shade.g, shade.b, base.a);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    if (outlineWidth > 0) {
        setColor(cr, withAlpha(gOutline, base.a));
        cairo_set_line_width(cr, outlineWidth);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

void fillFlat(cairo_t* cr, Color base, double outlineWidth)
{
    setColor(cr, base);
    cairo_fill_preserve(cr);
    if (outlineWidth > 0) {
        setColor(cr, withAlpha(gOutline, base.a));
        cairo_set_line_width(cr, outlineWidth);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

void highlight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void radialGlow(cairo_t* cr, double cx, double cy, double radius, Color c)
{
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, c.a);
    cairo_pattern_add_color_stop_rgba(g, 0.5, c.r, c.g, c.b, c.a * 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void sparkle(cairo_t* cr, double cx, double cy, double size, Color c)
{
    if (size <= 0.1)
        return;
    const double w = size * 0.22;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - size);
    cairo_line_to(cr, cx + w, cy - w);
    cairo_line_to(cr, cx + size, cy);
    cairo_line_to(cr, cx + w, cy + w);
    cairo_line_to(cr, cx, cy + size);
    cairo_line_to(cr, cx - w, cy + w);
    cairo_line_to(cr, cx - size, cy);
    cairo_line_to(cr, cx - w, cy - w);
    cairo_close_path(cr);
    setColor(cr, c);
    cairo_fill(cr);
}

// ---- text ----

namespace {

// FreeType reads a memory face from its buffer for as long as the face lives, and cairo may keep a
// face in its caches after we let go of it; so each face owns its buffer and is freed (face, then
// buffer) only when cairo drops it. The FreeType library itself lives as long as the process.
struct FaceData {
    FT_Face face = nullptr;
    std::vector<std::uint8_t> bytes;
};

FT_Library gLibrary = nullptr;
cairo_font_face_t* gFaces[2] = {nullptr, nullptr};
const cairo_user_data_key_t kFaceKey{};

void doneFace(void* data)
{
    auto* d = static_cast<FaceData*>(data);
    FT_Done_Face(d->face);
    delete d;
}

cairo_font_face_t* loadFace(const std::vector<std::uint8_t>& bytes)
{
    auto* d = new FaceData{nullptr, bytes};
    if (FT_New_Memory_Face(gLibrary, d->bytes.data(), FT_Long(d->bytes.size()), 0, &d->face)) {
        delete d;
        return nullptr;
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(d->face, 0);
    if (cairo_font_face_set_user_data(face, &kFaceKey, d, doneFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face);
        FT_Done_Face(d->face);
        delete d;
        return nullptr;
    }
    return face;
}

// Text is set only in the game's own faces: without them cairo would pick a font of the machine,
// and the packs would differ from machine to machine, so drawing text before loadFaces is a fault.
void selectFace(cairo_t* cr, Face face, double px)
{
    cairo_font_face_t* chosen = gFaces[face == Face::Sketch ? 0 : 1];
    if (!chosen) {
        std::fprintf(stderr, "burrowix-mkdata: text drawn before the game's faces were loaded\n");
        std::abort();
    }
    cairo_set_font_face(cr, chosen);
    cairo_set_font_size(cr, px);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

} // namespace

bool loadFaces(const std::vector<std::uint8_t>& sketchFont, const std::vector<std::uint8_t>& roundFont)
{
    releaseFaces();
    if (!gLibrary && FT_Init_FreeType(&gLibrary))
        return false;
    gFaces[0] = loadFace(sketchFont);
    gFaces[1] = loadFace(roundFont);
    return gFaces[0] && gFaces[1];
}

void releaseFaces()
{
    for (cairo_font_face_t*& face : gFaces) {
        if (face)
            cairo_font_face_destroy(face);
        face = nullptr;
    }
}

double textWidth(cairo_t* cr, Face face, double px, const std::string& text)
{
    cairo_save(cr);
    selectFace(cr, face, px);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_restore(cr);
    return e.x_advance;
}

double fitSize(cairo_t* cr, Face face, double px, const std::string& text, double maxWidth)
{
    const double w = textWidth(cr, face, px, text);
    return w > maxWidth && w > 0 ? px * maxWidth / w : px;
}

double drawText(cairo_t* cr, Face face, double px, const std::string& text, double x, double y, Align align,
                Color fill, Color outline, double outlineWidth)
{
    cairo_save(cr);
    selectFace(cr, face, px);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    if (align == Align::Center)
        x -= e.x_advance / 2;
    else if (align == Align::Right)
        x -= e.x_advance;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    if (outlineWidth > 0) {
        setColor(cr, outline);
        cairo_set_line_width(cr, outlineWidth * 2);
        cairo_stroke_preserve(cr);
    }
    setColor(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
    return e.x_advance;
}

void drawCaption(cairo_t* cr, Face face, double px, const std::string& text, double cx, double cy,
                 double maxWidth, Color fill, Color outline, double outlineWidth)
{
    const double size = fitSize(cr, face, px, text, maxWidth);
    cairo_save(cr);
    selectFace(cr, face, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, "H", &e);
    cairo_restore(cr);
    drawText(cr, face, size, text, cx, cy - e.y_bearing / 2, Align::Center, fill, outline, outlineWidth);
}

} // namespace burrowix::mkdata
