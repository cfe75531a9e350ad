// The three theme packs (Clay, Frost, Ember): backgrounds, earth, stones, walls and the small
// preview versions; plus the standard pack's shared background bands.
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

ThemeLook themeLook(int theme)
{
    switch (theme) {
    case 1:
        return {hex(0x142233), hex(0x22364C), hex(0x0C1622), hex(0x9DB7C9), hex(0xE4F0F8), hex(0x6A8499), hex(0xCFE2EE),
                hex(0xB8D4E8), hex(0x7A98B0), hex(0x5C6F86), hex(0x8296AE), hex(0x3A4A5E), hex(0xB0C4D8), hex(0xFFFFFF)};
    case 2:
        return {hex(0x1E0E0C), hex(0x341814), hex(0x120806), hex(0x7A2E1E), hex(0x9C4430), hex(0x4E1A10), hex(0xB0684A),
                hex(0x3A3436), hex(0x242022), hex(0x2A2230), hex(0x4A3E56), hex(0x18121E), hex(0x8A6A9A), hex(0xFF7A2E)};
    default:
        return {hex(pal::rock1), hex(pal::rock2), hex(pal::tunnel), hex(pal::earth), hex(pal::earthLight),
                hex(pal::earthShadow), hex(pal::pebble), hex(pal::stone), hex(pal::stoneShadow), hex(pal::wall),
                hex(pal::wallLight), hex(pal::wallShadow), hex(pal::rivet), hex(0x6E8A3A)};
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
            setColor(cr, theme == 2 ? withAlpha(look.accent, 0.55) : dark);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
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

void earthCell(cairo_t* cr, const ThemeLook& look, int theme, int m, bool loose)
{
    RandomGenerator r;
    r.state = std::uint32_t(300 + theme * 13 + m * 5);
    const Color base = vary(look.earth, m);
    cairo_rectangle(cr, 0, 0, 40, 40);
    setColor(cr, base);
    cairo_fill(cr);
    // Pebbles wrap around the cell edges so the earth tiles seamlessly.
    for (int i = 0; i < 9; ++i) {
        const double x = rnd(r) * 40, y = rnd(r) * 40, rx = 1.5 + rnd(r) * 2.5, ry = 1 + rnd(r) * 1.8;
        const bool light = i % 3 != 0;
        for (int dx = -40; dx <= 40; dx += 40)
            for (int dy = -40; dy <= 40; dy += 40) {
                pathEllipse(cr, x + dx, y + dy, rx, ry);
                setColor(cr, light ? vary(look.pebble, m) : vary(look.earthShadow, m));
                cairo_fill(cr);
                if (light) {
                    pathEllipse(cr, x + dx + 0.6, y + dy + 0.8, rx, ry * 0.5);
                    setColor(cr, withAlpha(look.earthShadow, 0.6));
                    cairo_fill(cr);
                }
            }
    }
    if (m == 1 || m == 3) {
        // Some positions carry moss, frost or embers.
        for (int i = 0; i < 4; ++i) {
            const double x = 4 + rnd(r) * 32, y = 4 + rnd(r) * 32;
            pathEllipse(cr, x, y, 1.3, 1.3);
            setColor(cr, withAlpha(look.accent, 0.8));
            cairo_fill(cr);
        }
    }
    if (theme == 2 && !loose) {
        // Volcanic earth: glowing cracks, kept inside the cell so the tiles still meet cleanly.
        cairo_new_path(cr);
        const double x0 = 8 + 4 * m, y0 = 10 + 3 * (m % 3);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x0 + 7, y0 + 5);
        cairo_line_to(cr, x0 + 5, y0 + 13);
        cairo_line_to(cr, x0 + 13, y0 + 18);
        setColor(cr, withAlpha(look.accent, 0.9));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    if (theme == 1 && !loose) {
        // Frozen earth: a crust of snow along the cell's top edge stays inside the cell.
        for (int i = 0; i < 3; ++i) {
            pathEllipse(cr, 8 + i * 12 + m, 6 + (i % 2) * 20, 4, 1.6);
            setColor(cr, withAlpha(look.accent, 0.85));
            cairo_fill(cr);
        }
    }
    if (loose) {
        // Loose earth: clods with dark cracks between them.
        setColor(cr, vary(look.earthShadow, m));
        cairo_set_line_width(cr, 2);
        cairo_new_path(cr);
        cairo_move_to(cr, 2, 14);
        cairo_line_to(cr, 14, 18);
        cairo_line_to(cr, 22, 8);
        cairo_line_to(cr, 38, 12);
        cairo_move_to(cr, 14, 18);
        cairo_line_to(cr, 18, 30);
        cairo_line_to(cr, 6, 36);
        cairo_move_to(cr, 18, 30);
        cairo_line_to(cr, 34, 28);
        cairo_line_to(cr, 38, 36);
        cairo_stroke(cr);
        for (auto [x, y] : {std::pair{8.0, 7.0}, {28.0, 19.0}, {10.0, 25.0}, {27.0, 34.0}})
            highlight(cr, x, y, 5, 3, 0.25);
        cairo_rectangle(cr, 1, 1, 38, 38);
        setColor(cr, withAlpha(vary(look.earthShadow, m), 0.8));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

// Bite masks: the eaten part in the tunnel colour, growing from the side the digger comes from;
// the rest stays transparent.
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
    cairo_fill_preserve(cr);
    setColor(cr, withAlpha(look.earthShadow, 1));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void stoneCell(cairo_t* cr, const ThemeLook& look, int m, double turn, double outline = 2)
{
    const Color base = vary(look.stone, m);
    cairo_save(cr);
    cairo_translate(cr, 20, 22);
    cairo_rotate(cr, turn * 2 * M_PI);
    cairo_new_path(cr);
    static const double radii[8] = {15, 14, 16, 13.5, 15.5, 14, 15.5, 13};
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

void eggStoneCell(cairo_t* cr, double turn, double outline = 2)
{
    // The second stone set, also the dormant egg: a round, speckled, egg-like stone that rocks.
    cairo_save(cr);
    cairo_translate(cr, 20, 23);
    cairo_rotate(cr, turn * 2 * M_PI);
    pathEllipse(cr, 0, 0, 13, 15);
    fillShaded(cr, hex(pal::egg), outline, 0.3);
    for (auto [x, y, r] : {std::tuple{-5.0, -6.0, 2.2}, {4.0, -9.0, 1.6}, {5.0, 4.0, 2.5}, {-6.0, 6.0, 1.5}, {0.0, 10.0, 1.3}, {-1.0, -1.0, 1.2}}) {
        pathEllipse(cr, x, y, r, r * 0.8);
        setColor(cr, hex(pal::eggSpots));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    highlight(cr, 15, 15, 4, 5, 0.6);
}

void wallCell(cairo_t* cr, const ThemeLook& look, int column)
{
    const int shape = std::min(column, 3);
    cairo_new_path(cr);
    const double r = 16;
    // Rounded corners show where stones roll off.
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
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 40);
    cairo_pattern_add_color_stop_rgb(g, 0, look.wallLight.r, look.wallLight.g, look.wallLight.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, look.wall.r, look.wall.g, look.wall.b);
    cairo_pattern_add_color_stop_rgb(g, 1, look.wall.r, look.wall.g, look.wall.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_clip(cr);
    // Bricks: the joints meet the cell edges at the same places on every flat wall.
    setColor(cr, look.wallDark);
    cairo_set_line_width(cr, 2);
    for (double y : {13.0, 26.0, 39.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 40, y);
    }
    cairo_move_to(cr, 20, 0);
    cairo_line_to(cr, 20, 13);
    cairo_move_to(cr, 0, 13);
    cairo_line_to(cr, 0, 26);
    cairo_move_to(cr, 40, 13);
    cairo_line_to(cr, 40, 26);
    cairo_move_to(cr, 20, 26);
    cairo_line_to(cr, 20, 39);
    cairo_stroke(cr);
    setColor(cr, withAlpha(look.wallLight, 0.8));
    cairo_set_line_width(cr, 1);
    // Brick highlights run to the cell edge where the brick continues into the next cell.
    cairo_move_to(cr, 0, 1);
    cairo_line_to(cr, 19, 1);
    cairo_move_to(cr, 21, 1);
    cairo_line_to(cr, 40, 1);
    cairo_move_to(cr, 1, 14.5);
    cairo_line_to(cr, 39, 14.5);
    cairo_move_to(cr, 0, 27.5);
    cairo_line_to(cr, 19, 27.5);
    cairo_move_to(cr, 21, 27.5);
    cairo_line_to(cr, 40, 27.5);
    cairo_stroke(cr);
    for (auto [x, y] : {std::pair{10.0, 6.5}, {30.0, 6.5}, {10.0, 32.5}, {30.0, 32.5}}) {
        pathEllipse(cr, x, y, 1.4, 1.4);
        setColor(cr, look.rivet);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    if (shape != 3) {
        cairo_new_path(cr);
        if (shape == 0 || shape == 1)
            cairo_arc(cr, r, r, r - 1, M_PI, 1.5 * M_PI);
        cairo_new_sub_path(cr);
        if (shape == 1 || shape == 2)
            cairo_arc(cr, 40 - r, r, r - 1, 1.5 * M_PI, 2 * M_PI);
        setColor(cr, hex(pal::outline));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    if (column < 4)
        return;
    // Decorations embedded in flat walls.
    const Color bone = hex(0xE8DCC0);
    cairo_save(cr);
    cairo_translate(cr, 20, 20);
    switch (column - 3) {
    case 1: // fossil shell
        cairo_new_path(cr);
        for (int i = 0; i < 40; ++i) {
            const double a = i * 0.35, rr = 1 + i * 0.22;
            cairo_line_to(cr, std::cos(a) * rr, std::sin(a) * rr);
        }
        setColor(cr, bone);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    case 2: // skull
        pathEllipse(cr, 0, -2, 8, 7);
        fillShaded(cr, bone, 1.5);
        pathRoundRect(cr, -4, 3, 8, 5, 1);
        fillShaded(cr, bone, 1.5);
        for (int s = -1; s <= 1; s += 2) {
            pathEllipse(cr, s * 3.2, -2, 2, 2.2);
            setColor(cr, hex(pal::outline));
            cairo_fill(cr);
        }
        break;
    case 3: // pipe
        pathRoundRect(cr, -20, -4, 40, 8, 2);
        fillShaded(cr, hex(0xB87333), 1.5);
        pathRoundRect(cr, -4, -6, 8, 12, 1.5);
        fillShaded(cr, hex(0xD08A4A), 1.5);
        break;
    case 4: // crystal vein
        for (int i = -1; i <= 1; ++i) {
            cairo_save(cr);
            cairo_rotate(cr, i * 0.5);
            cairo_new_path(cr);
            cairo_move_to(cr, -2.5, 6);
            cairo_line_to(cr, -2.5, -5);
            cairo_line_to(cr, 0, -9);
            cairo_line_to(cr, 2.5, -5);
            cairo_line_to(cr, 2.5, 6);
            cairo_close_path(cr);
            fillShaded(cr, hex(0x9FE0FF), 1.2);
            cairo_restore(cr);
        }
        break;
    case 5: // bones
        for (int s = -1; s <= 1; s += 2) {
            cairo_save(cr);
            cairo_rotate(cr, s * 0.6);
            pathRoundRect(cr, -10, -1.8, 20, 3.6, 1.8);
            fillShaded(cr, bone, 1.2);
            for (int e = -1; e <= 1; e += 2) {
                pathEllipse(cr, e * 10, -2, 2.2, 2.2);
                fillShaded(cr, bone, 1.2);
                pathEllipse(cr, e * 10, 2, 2.2, 2.2);
                fillShaded(cr, bone, 1.2);
            }
            cairo_restore(cr);
        }
        break;
    case 6: // old boot
        cairo_new_path(cr);
        cairo_move_to(cr, -6, -9);
        cairo_line_to(cr, 2, -9);
        cairo_line_to(cr, 2, 2);
        cairo_line_to(cr, 10, 4);
        cairo_line_to(cr, 10, 9);
        cairo_line_to(cr, -6, 9);
        cairo_close_path(cr);
        fillShaded(cr, hex(0x6A4A2A), 1.5);
        break;
    default: // rune
        cairo_new_path(cr);
        cairo_move_to(cr, -4, -9);
        cairo_line_to(cr, -4, 9);
        cairo_move_to(cr, -4, -9);
        cairo_line_to(cr, 5, -3);
        cairo_line_to(cr, -4, 2);
        cairo_move_to(cr, -4, 2);
        cairo_line_to(cr, 6, 9);
        setColor(cr, hex(0x7FE0FF));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        break;
    }
    cairo_restore(cr);
}

} // namespace

namespace {

// The standard pack's two extra bands suit every theme: a neutral dark rock.
ThemeLook sharedLook()
{
    ThemeLook look = themeLook(0);
    look.rockBase = hex(0x2A2420);
    look.rockLight = hex(0x3E3530);
    look.rockDark = hex(0x16120F);
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
        withGrid(addPicture(out, "backgr.jpg", c.opaque(), kKeyGreen, Format::Jpeg), 200, 200);
    }
    {
        Canvas c(240, 200);
        for (int m = 0; m < 5; ++m)
            inCell(c.cr(), 0, m, [&] { earthCell(c.cr(), look, theme, m, false); });
        for (int b = 0; b < 4; ++b)
            for (int d = 0; d < 4; ++d)
                inCell(c.cr(), 1 + b, d, [&] { biteMask(c.cr(), look, b, d); });
        inCell(c.cr(), 5, 0, [&] { earthCell(c.cr(), look, theme, 0, true); });
        withGrid(addPicture(out, "grass.bmp", c.keyed(kKeyGreen), kKeyGreen), 40, 40);
    }
    {
        Canvas c(440, 240);
        for (int m = 0; m < 5; ++m)
            for (int f = 0; f < 5; ++f)
                inCell(c.cr(), f, m, [&] { stoneCell(c.cr(), look, m, f / 5.0); });
        for (int f = 0; f < 11; ++f)
            inCell(c.cr(), f, 5, [&] { eggStoneCell(c.cr(), f / 11.0); });
        withGrid(addPicture(out, "stone.bmp", c.keyed(kKeyGreen), kKeyGreen), 40, 40);
    }
    {
        Canvas c(440, 40);
        for (int col = 0; col < 11; ++col)
            inCell(c.cr(), col, 0, [&] { wallCell(c.cr(), look, col); });
        withGrid(addPicture(out, "wall01.bmp", c.keyed(kKeyGreen), kKeyGreen), 40, 40);
    }
    {
        Canvas c(460, 180);
        previewSheet(c.cr(), look, theme);
        withGrid(addPicture(out, "smallback20.bmp", c.keyed(kKeyGreen), kKeyGreen), 20, 20);
    }
    {
        Canvas c(500, 100);
        const ThemeLook shared = sharedLook();
        for (int m = 0; m < 5; ++m) {
            cairo_save(c.cr());
            cairo_rectangle(c.cr(), 100 * m, 0, 100, 100);
            cairo_clip(c.cr());
            // Tile column 0 of band m at half scale.
            if (m < 3)
                backgroundBand(c.cr(), look, m, theme, 100 * m, 0, 0.5);
            else
                backgroundBand(c.cr(), shared, m, 9, 100 * m, 0, 0.5);
            cairo_restore(c.cr());
        }
        withGrid(addPicture(out, "backgrsmall.bmp", c.opaque(), kKeyGreen), 100, 100);
    }
    return out;
}

void addSharedBackground(PictureList& out)
{
    const ThemeLook shared = sharedLook();
    Canvas c(800, 400);
    backgroundBand(c.cr(), shared, 3, 9, 0, 0, 1.0);
    backgroundBand(c.cr(), shared, 4, 9, 0, 200, 1.0);
    withGrid(addPicture(out, "backgr_.jpg", c.opaque(), kKeyBlack, Format::Jpeg), 200, 200);
}

Picture levelPackEmblem(int pack)
{
    static const char* const names[] = {"EASY", "MEDIUM", "HARD"};
    static const std::uint32_t colors[] = {0x7CC850, 0xF2C230, 0xE2384A};
    Canvas c(200, 100);
    cairo_t* cr = c.cr();
    drawWoodPlate(cr, 2, 2, 196, 96, false, 14);
    drawCaption(cr, Face::Round, 40, names[pack], 100, 50, 170, hex(colors[pack]), hex(pal::outline), 2.5);
    Picture p{"pack1.bmp", c.keyed(kKeyBlack), kKeyBlack, Format::Bmp, 0, 0, {}};
    return p;
}

} // namespace burrowix::mkdata
