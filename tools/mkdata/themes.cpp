// The three theme packs (Clay, Frost, Ember): backgrounds, earth, stones, walls and the small
// preview versions; plus the standard pack's neutral background bands.
#include "art.hpp"
#include "picture_groups.hpp"
#include "common/random.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace burrowix::mkdata {
namespace {

struct ThemeLook {
    Color rockBase, rockLight, rockDark;      // background
    Color earth, earthLight, earthShadow, pebble;
    Color stone, stoneDark;
    Color wall, wallLight, wallDark, rivet;
    Color accent;                             // moss, frost or glowing cracks
};

// The palettes keep one brightness ladder in every theme: near-black tunnels, mid-tone earth, light
// walls and stones on one rung above the earth (stones with a lit edge), and the collectibles
// brightest.
ThemeLook themeLook(int theme)
{
    switch (theme) {
    case 1:
        return {hex(0x142233), hex(0x22364C), hex(0x0C1622), hex(0x4A657A), hex(0x6C8AA2), hex(0x36506A), hex(0x86A2B8),
                hex(0x86A8C6), hex(0x34485E), hex(0x7C8EA4), hex(0xA8BACE), hex(0x4A5A70), hex(0xB0C4D8), hex(0xFFFFFF)};
    case 2:
        return {hex(0x1E0E0C), hex(0x341814), hex(0x120806), hex(0x8C4228), hex(0xA4543A), hex(0x62281A), hex(0xAA6A4C),
                hex(0x908A9A), hex(0x3A3640), hex(0x887E92), hex(0xB0A6BC), hex(0x4A4256), hex(0x8A6A9A), hex(0xFF7A2E)};
    default:
        return {hex(pal::rock1), hex(pal::rock2), hex(pal::tunnel), hex(0x7E5230), hex(0x946236), hex(0x62401F),
                hex(0xA27C58), hex(0x8896A6), hex(pal::stoneShadow), hex(0x88847E), hex(0xB2AEA6), hex(0x5C5852),
                hex(pal::rivet), hex(0x6E8A3A)};
    }
}

// Each of the five level positions shifts the theme a little: lighter or darker, other features.
Color vary(Color c, int m)
{
    static const double shift[5] = {0, 0.12, -0.12, 0.06, -0.2};
    return shift[m] >= 0 ? lighter(c, shift[m]) : darker(c, -shift[m]);
}

double rnd(RandomGenerator& r) { return r.draw() / 32767.0; }

// Background band: four 200 x 200 tiles that fit each other on every side. A texture shared by the
// four tiles wraps around the tile edges; each tile adds its own features away from the edges.
void backgroundBand(cairo_t* cr, const ThemeLook& look, int m, int theme, double ox, double oy, double scale)
{
    RandomGenerator shared;
    shared.state = std::uint32_t(1000 + theme * 17 + m * 101);
    // Backgrounds stay dark and calm behind the sprites: the position looks vary only a little.
    const Color base = mix(look.rockBase, vary(look.rockBase, m), 0.4);
    const Color light = mix(mix(look.rockLight, vary(look.rockLight, m), 0.4), base, 0.3);
    const Color dark = look.rockDark;
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, 800, 200);
    setColor(cr, base);
    cairo_fill(cr);
    struct Blob {
        double x, y, rx, ry, shade;
    };
    std::vector<Blob> blobs;
    for (int i = 0; i < 34; ++i)
        blobs.push_back({rnd(shared) * 200, rnd(shared) * 200, 6 + rnd(shared) * 16, 4 + rnd(shared) * 10, rnd(shared)});
    // The shared layer is drawn once and copied into every tile, so the tile edges match exactly.
    cairo_surface_t* layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 200, 200);
    {
        cairo_t* lc = cairo_create(layer);
        for (const Blob& b : blobs)
            for (int dx = -200; dx <= 200; dx += 200)
                for (int dy = -200; dy <= 200; dy += 200) {
                    pathEllipse(lc, b.x + dx, b.y + dy, b.rx, b.ry);
                    setColor(lc, mix(light, dark, b.shade * 0.7));
                    cairo_fill_preserve(lc);
                    setColor(lc, withAlpha(dark, 0.8));
                    cairo_set_line_width(lc, 1.5);
                    cairo_stroke(lc);
                    highlight(lc, b.x + dx - b.rx * 0.3, b.y + dy - b.ry * 0.35, b.rx * 0.5, b.ry * 0.4, 0.12);
                }
        cairo_destroy(lc);
    }
    for (int tile = 0; tile < 4; ++tile) {
        cairo_save(cr);
        cairo_rectangle(cr, tile * 200, 0, 200, 200);
        cairo_clip(cr);
        cairo_translate(cr, tile * 200, 0);
        cairo_set_source_surface(cr, layer, 0, 0);
        cairo_paint(cr);
        RandomGenerator own;
        own.state = std::uint32_t(5000 + theme * 31 + m * 7 + tile * 1301);
        // Cracks and a few larger rocks inside the tile.
        for (int i = 0; i < 3; ++i) {
            double x = 30 + rnd(own) * 140, y = 30 + rnd(own) * 140;
            cairo_new_path(cr);
            cairo_move_to(cr, x, y);
            for (int k = 0; k < 5; ++k) {
                x = std::clamp(x + (rnd(own) - 0.5) * 30, 20.0, 180.0);
                y = std::clamp(y + (rnd(own) - 0.3) * 22, 20.0, 180.0);
                cairo_line_to(cr, x, y);
            }
            if (theme == 2) {
                // Ember: a crack that glows: a wide soft halo that lights the rock round it, an
                // orange body and a white-hot core wide enough to survive the JPEG.
                static const struct {
                    std::uint32_t rgb;
                    double alpha, width;
                } glow[] = {{0xC83A14, 0.12, 16}, {0xE0501A, 0.2, 10}, {0xFF6A24, 0.4, 6},
                            {0xFF8A30, 1.0, 3.4}, {0xFFD070, 1.0, 1.8}, {0xFFF4D0, 1.0, 0.9}};
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
                for (const auto& layer : glow) {
                    setColor(cr, hex(layer.rgb, layer.alpha));
                    cairo_set_line_width(cr, layer.width);
                    cairo_stroke_preserve(cr);
                }
                cairo_new_path(cr);
            } else {
                setColor(cr, dark);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
            }
        }
        for (int i = 0; i < 5; ++i) {
            const double r = 8 + rnd(own) * 12;
            const double x = 40 + rnd(own) * 120, y = 40 + rnd(own) * 120;
            pathEllipse(cr, x, y, r * 1.3, r);
            setColor(cr, mix(light, base, 0.4));
            cairo_fill_preserve(cr);
            setColor(cr, dark);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            highlight(cr, x - r * 0.4, y - r * 0.4, r * 0.6, r * 0.4, 0.15);
        }
        if (theme == 1)
            for (int i = 0; i < 4; ++i)
                sparkle(cr, 25 + rnd(own) * 150, 25 + rnd(own) * 150, 2 + rnd(own) * 2, withAlpha(look.accent, 0.35));
        cairo_restore(cr);
    }
    cairo_surface_destroy(layer);
    cairo_restore(cr);
}

// Value noise that wraps every 40 px: random values on a grid of `step` pixels, blended smoothly in
// between. With no waves or lines in it, nothing shows the cell's period. Returns about -1..1.
class WrappedNoise {
public:
    WrappedNoise(std::uint32_t seed, int step) : step_(step), nodes_(40 / step)
    {
        RandomGenerator r;
        r.state = seed;
        values_.resize(std::size_t(nodes_ * nodes_));
        for (double& v : values_)
            v = rnd(r) * 2 - 1;
    }
    double at(int x, int y) const
    {
        const double fx = double(x) / step_, fy = double(y) / step_;
        const int x0 = int(fx), y0 = int(fy);
        const double tx = smooth(fx - x0), ty = smooth(fy - y0);
        const double top = node(x0, y0) + (node(x0 + 1, y0) - node(x0, y0)) * tx;
        const double bottom = node(x0, y0 + 1) + (node(x0 + 1, y0 + 1) - node(x0, y0 + 1)) * tx;
        return top + (bottom - top) * ty;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double node(int x, int y) const { return values_[std::size_t((y % nodes_) * nodes_ + x % nodes_)]; }
    int step_, nodes_;
    std::vector<double> values_;
};

// Draws `paint` nine times around the cell so marks near an edge continue in the neighbour.
void wrapped(const std::function<void(double, double)>& paint)
{
    for (int dx = -40; dx <= 40; dx += 40)
        for (int dy = -40; dy <= 40; dy += 40)
            paint(dx, dy);
}

// The ground of an earth cell: an even grain of single pixels and 2-pixel clumps over a faint
// 8-pixel mottle, painted pixel by pixel so it wraps exactly at the cell edges.
void earthGround(cairo_t* cr, Color base, Color light, Color shadow, std::uint32_t seed, double contrast)
{
    const WrappedNoise clumps(seed, 2), mottle(seed * 7 + 3, 8);
    RandomGenerator grain;
    grain.state = seed * 13 + 5;
    cairo_surface_t* ground = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 40);
    unsigned char* data = cairo_image_surface_get_data(ground);
    const int stride = cairo_image_surface_get_stride(ground);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const double v = (rnd(grain) * 2 - 1) * 0.45 + clumps.at(x, y) * 0.4 + mottle.at(x, y) * 0.25;
            const double t = std::clamp(v, -1.0, 1.0) * contrast;
            const Color c = t >= 0 ? mix(base, light, t) : mix(base, shadow, -t);
            auto* px = reinterpret_cast<std::uint32_t*>(data + y * stride) + x;
            *px = 0xFF000000u | std::uint32_t(c.r * 255 + 0.5) << 16 | std::uint32_t(c.g * 255 + 0.5) << 8 |
                  std::uint32_t(c.b * 255 + 0.5);
        }
    cairo_surface_mark_dirty(ground);
    cairo_save(cr);
    cairo_set_source_surface(cr, ground, 0, 0);
    cairo_rectangle(cr, 0, 0, 40, 40);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(ground);
}

// Earth looks differ a little in tone only, so every look stays on the theme's earth step.
Color earthTone(Color c, int m)
{
    static const double shift[5] = {0, 0.04, -0.06, 0.02, -0.09};
    return shift[m] >= 0 ? lighter(c, shift[m]) : darker(c, -shift[m]);
}

void earthCell(cairo_t* cr, const ThemeLook& look, int theme, int m, bool loose)
{
    RandomGenerator r;
    r.state = std::uint32_t(300 + theme * 13 + m * 5 + (loose ? 77 : 0));
    const Color base = earthTone(look.earth, m);
    const Color light = earthTone(look.earthLight, m), shadow = earthTone(look.earthShadow, m);
    earthGround(cr, base, light, shadow, std::uint32_t(900 + theme * 41 + m * 13 + (loose ? 5 : 0)), 0.75);
    // A few small scattered features, no larger than a pebble: they must not form a pattern that
    // repeats visibly from cell to cell.
    const Color pebble = mix(earthTone(look.pebble, m), base, 0.55);
    const int pebbles = 1 + (m + theme) % 2;
    for (int i = 0; i < pebbles; ++i) {
        const double x = 4 + rnd(r) * 32, y = 4 + rnd(r) * 32;
        const double rx = 1.3 + rnd(r) * 1.0, ry = rx * (0.6 + rnd(r) * 0.25);
        pathEllipse(cr, x + 0.6, y + 0.8, rx, ry);
        setColor(cr, withAlpha(shadow, 0.8));
        cairo_fill(cr);
        pathEllipse(cr, x, y, rx, ry);
        setColor(cr, pebble);
        cairo_fill(cr);
    }
    if (!loose && theme == 1) {
        // Frost: a few faint rime glints. Every earth cell shows the same tile, so anything that
        // stands out of the grain repeats on a 40-pixel lattice that shows as the field scrolls.
        const Color fleck = hex(0xE4F0F8);
        for (int i = 0; i < 2 + m % 2; ++i) {
            const double x = rnd(r) * 40, y = rnd(r) * 40;
            wrapped([&](double dx, double dy) {
                pathEllipse(cr, x + dx, y + dy, 0.8, 0.8);
                setColor(cr, withAlpha(fleck, 0.2));
                cairo_fill(cr);
            });
        }
    }
    if (loose) {
        // Loose earth: separate clods with dark gaps and lit tops, clearly not solid ground.
        static const double clods[][4] = {{9, 9, 9, 7}, {28, 8, 10, 7.5}, {8, 27, 8.5, 8}, {25, 26, 11, 9},
                                          {18, 17, 6, 5}, {35, 36, 6, 4.5}};
        for (const auto& k : clods) {
            pathEllipse(cr, k[0], k[1], k[2], k[3]);
            setColor(cr, darker(shadow, 0.25));
            cairo_set_line_width(cr, 2.2);
            cairo_stroke_preserve(cr);
            setColor(cr, mix(base, light, 0.25));
            cairo_fill(cr);
            highlight(cr, k[0] - k[2] * 0.3, k[1] - k[3] * 0.35, k[2] * 0.5, k[3] * 0.4, 0.3);
        }
    }
}

// Bite masks: the eaten part (in the tunnel colour) grows from the side the digger comes from; the
// rest stays transparent. The game draws the earth only through the transparent part, so the tunnel
// background shows through the bite.
void biteMask(cairo_t* cr, const ThemeLook& look, int b, int dir)
{
    static const double depth[4] = {15, 25, 35, 40};
    cairo_save(cr);
    // Drawn for a digger coming from the right (heading left), then turned.
    static const double angles[4] = {0, M_PI / 2, M_PI, -M_PI / 2};
    cairo_translate(cr, 20, 20);
    cairo_rotate(cr, angles[dir]);
    cairo_translate(cr, -20, -20);
    const double d = depth[b];
    cairo_new_path(cr);
    cairo_move_to(cr, 41, -1);
    if (b == 3) {
        cairo_line_to(cr, -1, -1);
        cairo_line_to(cr, -1, 41);
    } else {
        for (int i = 0; i <= 8; ++i) {
            const double y = -1 + i * 42.0 / 8;
            const double bite = (i % 2 ? 3.5 : 0) + std::sin(i * 1.7 + b) * 1.5;
            cairo_line_to(cr, 40 - d + bite, y);
        }
    }
    cairo_line_to(cr, 41, 41);
    cairo_close_path(cr);
    setColor(cr, darker(look.rockBase, 0.1));
    cairo_fill(cr);
    cairo_restore(cr);
}

void stoneCell(cairo_t* cr, const ThemeLook& look, int m, double turn, double outline = 2)
{
    // The looks differ a little in tone only, so every look stays on the stones' rung: above the
    // earth, level with the walls, below the gold.
    static const double shift[5] = {0, 0.015, -0.02, 0.008, -0.03};
    const Color base = shift[m] >= 0 ? lighter(look.stone, shift[m]) : darker(look.stone, -shift[m]);
    cairo_save(cr);
    cairo_translate(cr, 20, 22);
    cairo_rotate(cr, turn * 2 * M_PI);
    cairo_new_path(cr);
    static const double radii[8] = {17, 16, 17.5, 15.5, 17, 16, 17.5, 15.5};
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        const double rr = radii[(i + m) % 8];
        if (i == 0)
            cairo_move_to(cr, std::cos(a) * rr, std::sin(a) * rr);
        else
            cairo_line_to(cr, std::cos(a) * rr, std::sin(a) * rr);
    }
    cairo_close_path(cr);
    cairo_restore(cr);
    fillShaded(cr, base, outline, 0.35);
    // A lit edge along the top left, inside the outline: the stone stands out on a dark tunnel.
    cairo_save(cr);
    cairo_translate(cr, 20, 22);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 14.2, M_PI * 0.95, M_PI * 1.62);
    setColor(cr, withAlpha(lighter(base, 0.6), 0.9));
    cairo_set_line_width(cr, 1.6 * outline / 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    // A crack and a fleck that turn with the stone so the roll reads.
    cairo_save(cr);
    cairo_translate(cr, 20, 22);
    cairo_rotate(cr, turn * 2 * M_PI);
    cairo_new_path(cr);
    cairo_move_to(cr, -8, -3);
    cairo_line_to(cr, -2, 1);
    cairo_line_to(cr, 3, -2);
    cairo_line_to(cr, 9, 3);
    setColor(cr, look.stoneDark);
    cairo_set_line_width(cr, 1.6 * outline / 2);
    cairo_stroke(cr);
    pathEllipse(cr, 3, 7, 2.2, 1.6);
    setColor(cr, lighter(base, 0.3));
    cairo_fill(cr);
    cairo_restore(cr);
    highlight(cr, 14, 15, 5, 3.5, 0.5);
}

void eggStoneCell(cairo_t* cr, const ThemeLook& look, double turn, double outline = 2)
{
    // The second stone set, also the dormant egg: a round, speckled stone in the theme's own stone
    // tones, a little warmer and smoother than the ordinary stones, that rocks.
    const Color base = mix(look.stone, hex(pal::egg), 0.2);
    cairo_save(cr);
    cairo_translate(cr, 20, 23);
    cairo_rotate(cr, turn * 2 * M_PI);
    pathEllipse(cr, 0, 0, 14, 15.5);
    fillShaded(cr, base, outline, 0.35);
    for (auto [x, y, r] : {std::tuple{-5.0, -6.0, 2.2}, {4.0, -9.0, 1.6}, {5.0, 4.0, 2.5}, {-6.0, 6.0, 1.5}, {0.0, 10.0, 1.3}, {-1.0, -1.0, 1.2}}) {
        pathEllipse(cr, x, y, r, r * 0.8);
        setColor(cr, look.stoneDark);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    highlight(cr, 15, 15, 4, 5, 0.45);
}

// The outline of a wall cell: flat top, or rounded top corners where stones roll off.
void wallShapePath(cairo_t* cr, int shape)
{
    const double r = 16;
    cairo_new_path(cr);
    if (shape == 0 || shape == 1) {
        cairo_move_to(cr, 0, r);
        cairo_arc(cr, r, r, r, M_PI, 1.5 * M_PI);
    } else {
        cairo_move_to(cr, 0, 0);
    }
    if (shape == 1 || shape == 2) {
        cairo_line_to(cr, 40 - r, 0);
        cairo_arc(cr, 40 - r, r, r, 1.5 * M_PI, 2 * M_PI);
    } else {
        cairo_line_to(cr, 40, 0);
    }
    cairo_line_to(cr, 40, 40);
    cairo_line_to(cr, 0, 40);
    cairo_close_path(cr);
}

// A find set into a flat wall (decorations 1-7): fossil, skull, pipe, crystal vein, bones, old
// boot, rune. Each is a bold silhouette about 28 px across with the sprites' dark outline and one
// lit side, so it reads at 40 px as a thing and not a smudge; the colours are muted towards the
// wall so it stays part of the rock.
void wallFind(cairo_t* cr, const ThemeLook& look, int find)
{
    const Color bone = mix(hex(0xE8DCC0), look.wall, 0.2);
    const Color groove = darker(look.wallDark, 0.45);
    cairo_save(cr);
    cairo_translate(cr, 20, 21);
    switch (find) {
    case 1: // an ammonite: a pale shell with a dark spiral and ribs
        pathEllipse(cr, 0, 0, 12, 11);
        fillShaded(cr, bone, 2, 0.3);
        cairo_new_path(cr);
        for (int i = 0; i < 60; ++i) {
            const double a = i * 0.26, rr = 1 + i * 0.165;
            cairo_line_to(cr, std::cos(a) * rr, std::sin(a) * rr * 0.92);
        }
        setColor(cr, groove);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
        for (int i = 0; i < 10; ++i) {
            const double a = i * 0.63;
            cairo_move_to(cr, std::cos(a) * 7.5, std::sin(a) * 7);
            cairo_line_to(cr, std::cos(a) * 10.8, std::sin(a) * 9.9);
        }
        setColor(cr, withAlpha(groove, 0.7));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    case 2: { // a skull: dome, eye holes, nose and teeth
        cairo_new_path(cr);
        cairo_arc(cr, 0, -2, 11, M_PI * 0.9, M_PI * 2.1);
        cairo_line_to(cr, 7, 8);
        cairo_line_to(cr, -7, 8);
        cairo_close_path(cr);
        fillShaded(cr, bone, 2, 0.3);
        for (int s = -1; s <= 1; s += 2) {
            pathEllipse(cr, s * 4.4, 0, 3.2, 3.4);
            setColor(cr, hex(pal::outline));
            cairo_fill(cr);
        }
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 3.5);
        cairo_line_to(cr, -1.6, 6);
        cairo_line_to(cr, 1.6, 6);
        cairo_close_path(cr);
        cairo_fill(cr);
        for (int t = -2; t <= 2; ++t) {
            cairo_move_to(cr, t * 2.6, 8);
            cairo_line_to(cr, t * 2.6, 11);
        }
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        break;
    }
    case 3: { // a rusty pipe running through the block, with a flange and a bolt
        const Color rust = mix(hex(0xB0653A), look.wall, 0.15);
        pathRoundRect(cr, -19, -5, 38, 10, 2);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, -5, 0, 5);
        const Color lit = lighter(rust, 0.35), low = darker(rust, 0.35);
        cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
        cairo_pattern_add_color_stop_rgb(g, 0.45, rust.r, rust.g, rust.b);
        cairo_pattern_add_color_stop_rgb(g, 1, low.r, low.g, low.b);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        setColor(cr, hex(pal::outline));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        pathRoundRect(cr, -4, -8.5, 8, 17, 1.5);
        fillShaded(cr, darker(rust, 0.1), 2, 0.35);
        for (int s = -1; s <= 1; s += 2) {
            pathEllipse(cr, 0, s * 5.5, 1.3, 1.3);
            setColor(cr, lighter(rust, 0.5));
            cairo_fill(cr);
        }
        break;
    }
    case 4: // a vein of bright crystals in a dark crack
        cairo_new_path(cr);
        cairo_move_to(cr, -16, 9);
        cairo_line_to(cr, -5, 4);
        cairo_line_to(cr, 4, 6);
        cairo_line_to(cr, 16, -2);
        setColor(cr, groove);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
        for (int i = -1; i <= 1; ++i) {
            cairo_save(cr);
            cairo_translate(cr, i * 8, i == 1 ? 2 : 5);
            cairo_rotate(cr, i * 0.4);
            const double h = i == 0 ? 17 : 13;
            cairo_new_path(cr);
            cairo_move_to(cr, -3, 1);
            cairo_line_to(cr, -3, -h + 5);
            cairo_line_to(cr, 0, -h);
            cairo_line_to(cr, 3, -h + 5);
            cairo_line_to(cr, 3, 1);
            cairo_close_path(cr);
            fillShaded(cr, mix(hex(0x8FE0FF), look.wall, 0.15), 1.6, 0.3);
            cairo_move_to(cr, -1, -1);
            cairo_line_to(cr, -1, -h + 5);
            setColor(cr, withAlpha(hex(0xFFFFFF), 0.7));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        break;
    case 5: // crossed bones
        for (int s = -1; s <= 1; s += 2) {
            cairo_save(cr);
            cairo_rotate(cr, s * 0.62);
            pathRoundRect(cr, -11, -2.2, 22, 4.4, 2.2);
            fillShaded(cr, bone, 1.6);
            for (int e = -1; e <= 1; e += 2)
                for (int k = -1; k <= 1; k += 2) {
                    pathEllipse(cr, e * 11, k * 2.4, 2.8, 2.8);
                    fillShaded(cr, bone, 1.6);
                }
            cairo_restore(cr);
        }
        break;
    case 6: { // an old boot, toe to the right, sole and laces
        const Color leather = mix(hex(0x7A4A28), look.wall, 0.1);
        cairo_new_path(cr);
        cairo_move_to(cr, -9, -13);
        cairo_line_to(cr, 1, -13);
        cairo_line_to(cr, 2, -1);
        cairo_curve_to(cr, 8, -1, 14, 1, 14, 6);
        cairo_line_to(cr, 14, 9);
        cairo_line_to(cr, -10, 9);
        cairo_close_path(cr);
        fillShaded(cr, leather, 2, 0.35);
        pathRoundRect(cr, -11, 8, 26, 4, 1.5);
        fillShaded(cr, darker(leather, 0.45), 2, 0.2);
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, -7, -9 + k * 3.5);
            cairo_line_to(cr, 0, -10 + k * 3.5);
        }
        setColor(cr, bone);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        highlight(cr, -5, -6, 2.5, 5, 0.35);
        break;
    }
    default: { // a rune cut deep into the rock, its groove lit by the theme's own light
        auto rune = [&] {
            cairo_new_path(cr);
            cairo_move_to(cr, -5, -12);
            cairo_line_to(cr, -5, 12);
            cairo_move_to(cr, -5, -12);
            cairo_line_to(cr, 7, -4);
            cairo_line_to(cr, -5, 3);
            cairo_line_to(cr, 8, 12);
        };
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_save(cr);
        cairo_translate(cr, 0.9, 1.1); // the lit lower lip of the cut
        rune();
        setColor(cr, withAlpha(lighter(look.wallLight, 0.3), 0.8));
        cairo_set_line_width(cr, 4.6);
        cairo_stroke(cr);
        cairo_restore(cr);
        rune();
        setColor(cr, groove);
        cairo_set_line_width(cr, 4.6);
        cairo_stroke_preserve(cr);
        setColor(cr, withAlpha(look.accent, 0.9));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        break;
    }
    }
    cairo_restore(cr);
}

// Bedrock: big irregular blocks with hairline cracks and a mottled surface, no rivets. The joints
// meet the cell edges at the same places on every flat wall, so flat walls tile with each other.
void wallCell(cairo_t* cr, const ThemeLook& look, int column)
{
    const int shape = std::min(column, 3);
    // Block corners; the points on the cell edges are shared with the neighbours.
    static const double blocks[][5][2] = {
        {{0, 0}, {13, 0}, {15, 12}, {0, 15}, {0, 15}},
        {{13, 0}, {40, 0}, {40, 15}, {24, 18}, {15, 12}},
        {{0, 15}, {15, 12}, {24, 18}, {21, 31}, {0, 29}},
        {{24, 18}, {40, 15}, {40, 29}, {33, 33}, {21, 31}},
        {{0, 29}, {21, 31}, {27, 40}, {0, 40}, {0, 40}},
        {{21, 31}, {33, 33}, {40, 29}, {40, 40}, {27, 40}},
    };
    static const double shade[6] = {0.05, -0.06, 0.1, -0.02, -0.08, 0.04};
    cairo_save(cr);
    wallShapePath(cr, shape);
    cairo_clip(cr);
    for (int b = 0; b < 6; ++b) {
        cairo_new_path(cr);
        for (int i = 0; i < 5; ++i)
            cairo_line_to(cr, blocks[b][i][0], blocks[b][i][1]);
        cairo_close_path(cr);
        const Color face = shade[b] >= 0 ? lighter(look.wall, shade[b]) : darker(look.wall, -shade[b]);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 40);
        const Color top = mix(face, look.wallLight, 0.35);
        cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
        cairo_pattern_add_color_stop_rgb(g, 1, face.r, face.g, face.b);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        setColor(cr, darker(look.wallDark, 0.2));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    // Chips and pits on the faces, drawn so they continue across the cell edges.
    RandomGenerator r;
    r.state = 777;
    for (int i = 0; i < 7; ++i) {
        const double x = rnd(r) * 40, y = rnd(r) * 40, rr = 0.8 + rnd(r) * 1.4;
        wrapped([&](double dx, double dy) {
            pathEllipse(cr, x + dx, y + dy, rr * 1.4, rr);
            setColor(cr, withAlpha(look.wallDark, 0.55));
            cairo_fill(cr);
            pathEllipse(cr, x + dx + 0.4, y + dy + 0.8, rr * 1.1, rr * 0.5);
            setColor(cr, withAlpha(look.wallLight, 0.45));
            cairo_fill(cr);
        });
    }
    cairo_restore(cr);
    if (shape != 3) {
        cairo_new_path(cr);
        if (shape == 0 || shape == 1)
            cairo_arc(cr, 16, 16, 15, M_PI, 1.5 * M_PI);
        cairo_new_sub_path(cr);
        if (shape == 1 || shape == 2)
            cairo_arc(cr, 24, 16, 15, 1.5 * M_PI, 2 * M_PI);
        setColor(cr, hex(pal::outline));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    if (column >= 4)
        wallFind(cr, look, column - 3);
}

} // namespace

namespace {

// The standard pack's two extra bands, for theme packs without bands of their own: a neutral dark
// stone grey, neither warm nor cold.
ThemeLook sharedLook()
{
    ThemeLook look = themeLook(0);
    look.rockBase = hex(0x252629);
    look.rockLight = hex(0x36383C);
    look.rockDark = hex(0x131416);
    return look;
}

void previewSheet(cairo_t* cr, const ThemeLook& look, int theme)
{
    auto cell = [&](int col, int row, const std::function<void()>& paint) {
        inCell(cr, col, row, 20, 20, [&] {
            cairo_scale(cr, 0.5, 0.5);
            paint();
        });
    };
    for (int m = 0; m < 5; ++m) {
        cell(0, m, [&] { earthCell(cr, look, theme, m, false); });
        cell(1, m, [&] { stoneCell(cr, look, m, 0, 2); });
        cell(6, m, [&] {
            if (m == 4)
                drawHatchling(cr, 0);
            else
                drawCrawlerFront(cr, m, 0);
        });
    }
    for (int s = 0; s < 4; ++s) {
        cell(2, s, [&] { wallCell(cr, look, s); });
        cell(18, s, [&] { drawStalker(cr, s, false, 0); });
    }
    cell(3, 0, [&] { drawNugget(cr); });
    cell(5, 0, [&] { earthCell(cr, look, theme, 0, true); });
    cell(7, 0, [&] { drawBomb(cr, 0.3); });
    cell(8, 0, [&] { drawMine(cr, 6); });
    cell(9, 0, [&] { drawShot(cr); });
    cell(10, 0, [&] { drawHeart(cr, 1.1); });
    cell(11, 0, [&] { drawWalker(cr, Heading::Down, true, 0); });
    for (int t = 0; t < 9; ++t)
        cell(13, t, [&] { drawMineral(cr, t % 6, 0, false); });
    cell(14, 0, [&] { drawShot(cr); });
    for (int w = 0; w < 8; ++w)
        cell(15, w, [&] {
            if (w == 1 || w == 3 || w == 4 || w == 6)
                drawAmmoBox(cr, w, 0);
            else if (w == 7)
                drawBottle(cr, 0.2);
            else
                drawText(cr, Face::Round, 26, "?", 20, 30, Align::Center, hex(0x909090));
        });
    cell(16, 0, [&] { drawTnt(cr, 0); });
    cell(19, 0, [&] { drawGrenade(cr, 0); });
    cell(20, 0, [&] { drawBomb(cr, 0.6); });
}

} // namespace

PictureList themePictures(int theme)
{
    const ThemeLook look = themeLook(theme);
    PictureList out;
    {
        Canvas c(800, 600);
        for (int m = 0; m < 3; ++m)
            backgroundBand(c.cr(), look, m, theme, 0, 200 * m, 1.0);
        withGrid(addPicture(out, file(P::Background), c.opaque(), kKeyGreen, Format::Jpeg), 200, 200);
    }
    {
        Canvas c(240, 200);
        for (int m = 0; m < 5; ++m)
            inCell(c.cr(), 0, m, [&] { earthCell(c.cr(), look, theme, m, false); });
        for (int b = 0; b < 4; ++b)
            for (int d = 0; d < 4; ++d)
                inCell(c.cr(), 1 + b, d, [&] { biteMask(c.cr(), look, b, d); });
        inCell(c.cr(), 5, 0, [&] { earthCell(c.cr(), look, theme, 0, true); });
        withGrid(addPicture(out, file(P::Earth), c.keyed(kKeyGreen), kKeyGreen), 40, 40);
    }
    {
        Canvas c(440, 240);
        for (int m = 0; m < 5; ++m)
            for (int f = 0; f < 5; ++f)
                inCell(c.cr(), f, m, [&] { stoneCell(c.cr(), look, m, f / 5.0); });
        for (int f = 0; f < 11; ++f)
            inCell(c.cr(), f, 5, [&] { eggStoneCell(c.cr(), look, f / 11.0); });
        const Color tint = darker(look.rockDark, 0.35);
        const Rgb shadow{std::uint8_t(tint.r * 255), std::uint8_t(tint.g * 255), std::uint8_t(tint.b * 255)};
        withGrid(addPicture(out, file(P::Stone), c.keyedWithShadow(kKeyGreen, shadow), kKeyGreen), 40, 40);
    }
    {
        Canvas c(440, 40);
        for (int col = 0; col < 11; ++col)
            inCell(c.cr(), col, 0, [&] { wallCell(c.cr(), look, col); });
        withGrid(addPicture(out, file(P::Wall), c.keyed(kKeyGreen), kKeyGreen), 40, 40);
    }
    {
        Canvas c(460, 180);
        previewSheet(c.cr(), look, theme);
        withGrid(addPicture(out, file(P::PreviewSprites), c.keyed(kKeyGreen), kKeyGreen), 20, 20);
    }
    {
        Canvas c(500, 100);
        for (int m = 0; m < 5; ++m) {
            cairo_save(c.cr());
            cairo_rectangle(c.cr(), 100 * m, 0, 100, 100);
            cairo_clip(c.cr());
            // Tile column 0 of band m at half scale.
            backgroundBand(c.cr(), look, m, theme, 100 * m, 0, 0.5);
            cairo_restore(c.cr());
        }
        withGrid(addPicture(out, file(P::PreviewBackground), c.opaque(), kKeyGreen), 100, 100);
    }
    {
        // The theme's own bands for looks 3 and 4; the standard pack's neutral ones remain for
        // theme packs that have none.
        Canvas c(800, 400);
        for (int m = 3; m < 5; ++m)
            backgroundBand(c.cr(), look, m, theme, 0, 200 * (m - 3), 1.0);
        withGrid(addPicture(out, file(P::BlockBackground), c.opaque(), kKeyGreen, Format::Jpeg), 200, 200);
    }
    return out;
}

void addSharedBackground(PictureList& out)
{
    const ThemeLook shared = sharedLook();
    Canvas c(800, 400);
    backgroundBand(c.cr(), shared, 3, 9, 0, 0, 1.0);
    backgroundBand(c.cr(), shared, 4, 9, 0, 200, 1.0);
    withGrid(addPicture(out, file(P::NeutralBlockBackground), c.opaque(), kKeyBlack, Format::Jpeg), 200, 200);
}

Picture levelPackEmblem(int pack)
{
    static const char* const names[] = {"EASY", "MEDIUM", "HARD"};
    static const std::uint32_t colors[] = {0x7CC850, 0xF2C230, 0xE2384A};
    Canvas c(200, 100);
    cairo_t* cr = c.cr();
    drawWoodPlate(cr, 2, 2, 196, 96, false, 14);
    drawCaption(cr, Face::Round, 40, names[pack], 100, 50, 170, hex(colors[pack]), hex(pal::outline), 2.5);
    Picture p{file(P::PackEmblem), c.keyed(kKeyBlack), kKeyBlack, Format::Bmp, 0, 0, {}};
    return p;
}

} // namespace burrowix::mkdata
