#pragma once
// The drawing kit every picture is made with: a cairo canvas that is turned into a keyed or opaque
// 24-bit picture, the shared palette, and shape helpers that give every object the same cel-shaded
// look (light from the top left, one shade, one highlight, a dark warm-brown outline).
#include "image.hpp"

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

namespace burrowix::mkdata {

struct Color {
    double r = 0, g = 0, b = 0, a = 1;
};

Color hex(std::uint32_t rgb, double alpha = 1.0);
Color mix(Color a, Color b, double t);
inline Color lighter(Color c, double t) { return mix(c, {1, 1, 1, c.a}, t); }
inline Color darker(Color c, double t) { return mix(c, {0, 0, 0, c.a}, t); }
inline Color withAlpha(Color c, double a) { return {c.r, c.g, c.b, a}; }

namespace pal {
inline constexpr std::uint32_t outline = 0x2A1B12;
inline constexpr std::uint32_t tunnel = 0x241810, rock1 = 0x33231A, rock2 = 0x46311F;
inline constexpr std::uint32_t earth = 0x8A5A32, earthLight = 0xA8703F, earthShadow = 0x5E3A1E, pebble = 0xC79A6B;
inline constexpr std::uint32_t stone = 0x7D8A96, stoneLight = 0xA9B4BE, stoneShadow = 0x4F5963;
inline constexpr std::uint32_t wall = 0x5A5F66, wallLight = 0x7C828A, wallShadow = 0x3C4046, rivet = 0x9AA0A8;
inline constexpr std::uint32_t gold = 0xF2C230, goldLight = 0xFFE680, goldShadow = 0xB8860B, glint = 0xFFFFFF;
inline constexpr std::uint32_t fur = 0xC2773A, belly = 0xF0C99A, nose = 0xE58A8A, helmet = 0xF5C542, lamp = 0xFFF3B0;
inline constexpr std::uint32_t crawler = 0x3FA37A, crawlerDark = 0x2C7A5A;
inline constexpr std::uint32_t walker = 0x8E5BC8, walkerDark = 0x6A3F9E, walkerEyes = 0xFFE14D;
inline constexpr std::uint32_t egg = 0xE8DCC0, eggSpots = 0x9C8E70;
inline constexpr std::uint32_t wood = 0x7A4E2D, woodDark = 0x5A3820, brass = 0xC9A24A, brassDark = 0x8E6F2A;
inline constexpr std::uint32_t parchment = 0xEAD9B0, parchmentDark = 0xCDB88A;
inline constexpr std::uint32_t glow = 0xFFD65A, glowText = 0xFFF4D0;
} // namespace pal

// A transparent ARGB drawing surface.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Pixels at least half covered become opaque (their colour composited over the outline tone);
    // the rest become exactly `key`. A visible pixel that would equal the key is nudged off it.
    Image keyed(Rgb key) const;
    // keyed() plus a one-pixel shadow in `shadow` below and to the right of every shape, kept
    // inside its `cell`-pixel grid cell and off the cell's last column and row, so sprites stand
    // off the ground without a light fringe.
    Image keyedWithShadow(Rgb key, Rgb shadow, int cell = 40) const;
    // Everything composited over `background`.
    Image opaque(Rgb background = {36, 24, 16}) const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Draws `paint` with the origin moved to cell (col, row) of a sheet with w x h cells, clipped to it.
void inCell(cairo_t* cr, int col, int row, int w, int h, const std::function<void()>& paint);
inline void inCell(cairo_t* cr, int col, int row, const std::function<void()>& paint)
{
    inCell(cr, col, row, 40, 40, paint);
}

void setColor(cairo_t* cr, Color c);

// Changes the outline colour used by fillShaded/fillFlat while it lives.
class OutlineColor {
public:
    explicit OutlineColor(Color c);
    ~OutlineColor();
    OutlineColor(const OutlineColor&) = delete;
    OutlineColor& operator=(const OutlineColor&) = delete;
private:
    Color previous_;
};
Color currentOutline();

// Paths.
void pathRoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void pathEllipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Fills the current path with `base` shaded from a lighter top-left to a darker bottom-right, then
// strokes it with the outline colour in user space (width 0 = no outline). The path is consumed.
void fillShaded(cairo_t* cr, Color base, double outlineWidth = 2.0, double contrast = 0.35);
// Flat fill plus outline.
void fillFlat(cairo_t* cr, Color base, double outlineWidth = 2.0);
// A soft round highlight (the light comes from the top left).
void highlight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.55);
// A radial glow, strongest at the centre and fading out.
void radialGlow(cairo_t* cr, double cx, double cy, double radius, Color c);
// A four-pointed sparkle star.
void sparkle(cairo_t* cr, double cx, double cy, double size, Color c);

// The game's own two fonts, used for every caption drawn into pictures.
enum class Face { Sketch, Round };
// Registers the generated font files; must be called before any text is drawn.
bool loadFaces(const std::vector<std::uint8_t>& sketchFont, const std::vector<std::uint8_t>& roundFont);
void releaseFaces();
enum class Align { Left, Center, Right };
// Draws `text` with its baseline at y; outlineWidth 0 = no outline. Returns the advance width.
double drawText(cairo_t* cr, Face face, double px, const std::string& text, double x, double y,
                Align align, Color fill, Color outline = hex(pal::outline), double outlineWidth = 0);
double textWidth(cairo_t* cr, Face face, double px, const std::string& text);
// The largest size up to `px` at which `text` fits into `maxWidth`.
double fitSize(cairo_t* cr, Face face, double px, const std::string& text, double maxWidth);
// Draws text centred horizontally at cx and vertically around cy (by cap height), shrunk to fit.
void drawCaption(cairo_t* cr, Face face, double px, const std::string& text, double cx, double cy,
                 double maxWidth, Color fill, Color outline, double outlineWidth);

} // namespace burrowix::mkdata
