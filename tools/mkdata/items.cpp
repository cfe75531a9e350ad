// Collectibles, weapons and interface props.
#include "art.hpp"

#include <cmath>

namespace burrowix::mkdata {
namespace {

constexpr double kTau = 2 * M_PI;

void nuggetPath(cairo_t* cr)
{
    // A lumpy nugget of several knobs: its bumpy outline tells it from the smooth, round stones.
    cairo_new_path(cr);
    cairo_move_to(cr, 7, 31);
    cairo_curve_to(cr, 3, 27, 6, 21, 11, 21);
    cairo_curve_to(cr, 11, 15, 17, 12, 21, 15);
    cairo_curve_to(cr, 24, 10, 31, 12, 30, 17);
    cairo_curve_to(cr, 36, 18, 37, 25, 33, 28);
    cairo_curve_to(cr, 36, 32, 31, 36, 27, 34);
    cairo_curve_to(cr, 22, 37, 16, 36, 14, 34);
    cairo_curve_to(cr, 10, 36, 6, 35, 7, 31);
    cairo_close_path(cr);
}

} // namespace

void drawNugget(cairo_t* cr, double glint)
{
    nuggetPath(cr);
    fillShaded(cr, lighter(hex(pal::gold), 0.36), 2, 0.14);
    // Facets and a fixed highlight.
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 18);
    cairo_line_to(cr, 18, 25);
    cairo_line_to(cr, 28, 17);
    cairo_move_to(cr, 18, 25);
    cairo_line_to(cr, 20, 33);
    cairo_move_to(cr, 18, 25);
    cairo_line_to(cr, 9, 28);
    setColor(cr, mix(hex(pal::goldShadow), hex(pal::gold), 0.4));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    highlight(cr, 16, 20, 5, 3, 0.8);
    if (glint >= 0) {
        // A bright band sweeping across, clipped to the nugget, and a star riding on it.
        cairo_save(cr);
        nuggetPath(cr);
        cairo_clip(cr);
        const double x = 3 + glint * 30;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 3, 40);
        cairo_line_to(cr, x + 5, 0);
        cairo_line_to(cr, x + 10, 0);
        cairo_line_to(cr, x + 2, 40);
        cairo_close_path(cr);
        setColor(cr, hex(pal::goldLight, 0.9));
        cairo_fill(cr);
        cairo_restore(cr);
        const double st = std::sin(glint * M_PI);
        sparkle(cr, x + 3, 22 - glint * 4, 2 + st * 5, hex(pal::glint));
    }
}

namespace {

// A thin light arc along the top-left inside an outline: hazards keep a bright edge on dark
// tunnels without a fringe around the sprite.
void litEdge(cairo_t* cr, double cx, double cy, double rx, double ry, Color c)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, M_PI * 0.95, M_PI * 1.6);
    cairo_restore(cr);
    setColor(cr, withAlpha(c, 0.9));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

} // namespace

void drawBomb(cairo_t* cr, double fusePhase)
{
    pathEllipse(cr, 19, 26, 11.5, 11.5);
    fillShaded(cr, hex(0x505C72), 2, 0.4);
    litEdge(cr, 19, 26, 9.6, 9.6, hex(0xB8C8E0));
    highlight(cr, 15, 21, 4.5, 3.5, 0.7);
    pathRoundRect(cr, 22, 12, 7, 5, 1.5);
    fillShaded(cr, hex(0x7C828A), 2);
    // The fuse burns down a little and sways; the spark flickers.
    const double burn = fusePhase;
    cairo_new_path(cr);
    cairo_move_to(cr, 26, 13);
    const double endX = 33 - burn * 1.5 + std::sin(fusePhase * kTau) * 0.8, endY = 6 + burn * 1.5;
    cairo_curve_to(cr, 29, 9, 31, 10, endX, endY);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, 3.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 26, 13);
    cairo_curve_to(cr, 29, 9, 31, 10, endX, endY);
    setColor(cr, hex(0xCDB88A));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    const double flick = 0.5 + 0.5 * std::sin(fusePhase * kTau * 3);
    sparkle(cr, endX, endY, 4 + flick * 2.5, hex(0xFF9A2E));
    sparkle(cr, endX, endY, 2 + flick * 1.5, hex(0xFFF3B0));
    for (int i = 0; i < 3; ++i) {
        const double a = fusePhase * kTau * 2 + i * 2.1;
        const double r = 4 + std::fmod(fusePhase * 3 + i * 0.33, 1.0) * 3;
        pathEllipse(cr, endX + std::cos(a) * r, endY + std::sin(a) * r, 0.9, 0.9);
        fillFlat(cr, hex(0xFFD65A), 0);
    }
}

void drawMine(cairo_t* cr, int lightState)
{
    cairo_save(cr);
    cairo_translate(cr, 20, 36);
    cairo_scale(cr, 1.12, 1.25);
    cairo_translate(cr, -20, -36);
    pathEllipse(cr, 20, 33, 15, 4.5);
    fillShaded(cr, hex(0x646A48), 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 7, 32);
    cairo_curve_to(cr, 8, 22, 32, 22, 33, 32);
    cairo_close_path(cr);
    fillShaded(cr, hex(0x86905E), 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 9.5, 30.5);
    cairo_curve_to(cr, 11, 25, 20, 24.2, 26, 25.2);
    setColor(cr, withAlpha(hex(0xE0E8B0), 0.85));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    pathRoundRect(cr, 17, 21, 6, 4, 1.5);
    fillShaded(cr, hex(0x9AA0A8), 1.5);
    // Three lights whose on/off pattern differs in every state.
    static const int patterns[7] = {1, 2, 4, 3, 6, 5, 7};
    const int bits = patterns[lightState % 7];
    const double xs[3] = {11, 20, 29};
    for (int i = 0; i < 3; ++i) {
        const bool on = bits & (1 << i);
        pathEllipse(cr, xs[i], 29.5, 2.2, 1.8);
        fillFlat(cr, on ? hex(i == 1 ? 0xFF4A3A : 0xFFB03A) : hex(0x5A2A20), 1);
        if (on)
            sparkle(cr, xs[i], 29.5, 3.2, hex(0xFFF3B0, 0.9));
    }
    cairo_restore(cr);
}

void drawHeart(cairo_t* cr, double scale)
{
    cairo_save(cr);
    cairo_translate(cr, 20, 23);
    cairo_scale(cr, scale, scale);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 13);
    cairo_curve_to(cr, -8, 7, -15, 1, -14, -6);
    cairo_curve_to(cr, -13, -13, -3, -14, 0, -6);
    cairo_curve_to(cr, 3, -14, 13, -13, 14, -6);
    cairo_curve_to(cr, 15, 1, 8, 7, 0, 13);
    cairo_close_path(cr);
    fillShaded(cr, hex(0xE2384A), 2 / scale, 0.35);
    highlight(cr, -7, -7, 4, 3, 0.8);
    cairo_restore(cr);
}

void drawTnt(cairo_t* cr, int lampState)
{
    for (int i = 0; i < 3; ++i) {
        pathRoundRect(cr, 6 + i * 6.5, 14, 7, 22, 2);
        fillShaded(cr, hex(0xC8372D), 2);
    }
    pathRoundRect(cr, 5, 22, 21, 5, 1);
    fillShaded(cr, hex(0xEAD9B0), 1.5);
    drawText(cr, Face::Round, 6.5, "TNT", 15.5, 26.8, Align::Center, hex(0x7E1F24));
    // Remote detonator with an antenna and a lamp that blinks in six patterns.
    pathRoundRect(cr, 26, 24, 10, 12, 2);
    fillShaded(cr, hex(0x5A5F66), 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 33, 24);
    cairo_line_to(cr, 35, 13);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    static const double levels[6] = {1, 0.2, 0.7, 0, 1, 0.45};
    const double on = levels[lampState % 6];
    pathEllipse(cr, 35, 12, 2.2, 2.2);
    fillFlat(cr, mix(hex(0x6A1A14), hex(0xFF4A3A), on), 1);
    if (on > 0.6)
        sparkle(cr, 35, 12, 4, hex(0xFFD0A0));
    pathEllipse(cr, 31, 29, 2, 2);
    fillFlat(cr, lampState % 2 ? hex(0x7CE07C) : hex(0x2C6A2C), 1);
}

void drawGrenade(cairo_t* cr, double turn)
{
    const double a = turn * kTau;
    pathEllipse(cr, 20, 27, 10.5, 10.5);
    fillShaded(cr, hex(0x5F7A3A), 2, 0.35);
    // Grooves and the lever turn with the roll.
    cairo_save(cr);
    cairo_translate(cr, 20, 27);
    cairo_rotate(cr, a);
    for (int i = -1; i <= 1; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, -9, i * 5);
        cairo_line_to(cr, 9, i * 5);
        setColor(cr, hex(0x3A4A22));
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
    }
    pathRoundRect(cr, -3, -15, 6, 5, 1);
    fillShaded(cr, hex(0x9AA0A8), 1.5);
    pathEllipse(cr, 5, -14, 2.5, 2.5);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
    highlight(cr, 16, 22, 4, 3, 0.6);
}

void drawShot(cairo_t* cr)
{
    radialGlow(cr, 24, 20, 14, hex(0x9FE8FF, 0.9));
    pathEllipse(cr, 24, 20, 8, 5);
    fillShaded(cr, hex(0x7FD4FF), 2);
    pathEllipse(cr, 26, 19, 3.5, 2);
    fillFlat(cr, hex(0xFFFFFF), 0);
    sparkle(cr, 31, 20, 5, hex(0xFFFFFF));
}

void drawBottle(cairo_t* cr, double phase)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 17, 8);
    cairo_line_to(cr, 23, 8);
    cairo_line_to(cr, 23, 16);
    cairo_curve_to(cr, 32, 19, 33, 36, 20, 37);
    cairo_curve_to(cr, 7, 36, 8, 19, 17, 16);
    cairo_close_path(cr);
    fillShaded(cr, hex(0xB8E0F0, 1), 2, 0.2);
    // Glowing liquid with bubbles rising in a loop.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 20, 28, 9.5, 0, 2 * M_PI);
    cairo_clip(cr);
    const double wave = std::sin(phase * kTau) * 1.5;
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 24 + wave);
    cairo_curve_to(cr, 14, 22 - wave, 26, 26 + wave, 32, 23 - wave);
    cairo_line_to(cr, 32, 40);
    cairo_line_to(cr, 8, 40);
    cairo_close_path(cr);
    const Color liquid = mix(hex(0xFF5AC8), hex(0xB05AFF), 0.5 + 0.5 * std::sin(phase * kTau));
    setColor(cr, liquid);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double t = std::fmod(phase + i * 0.25, 1.0);
        pathEllipse(cr, 14 + i * 4, 36 - t * 12, 1.2 + i % 2 * 0.6, 1.2 + i % 2 * 0.6);
        fillFlat(cr, hex(0xFFE0F8), 0);
    }
    cairo_restore(cr);
    pathRoundRect(cr, 16, 5, 8, 5, 1.5);
    fillShaded(cr, hex(0x9C6A3A), 1.5);
    highlight(cr, 15, 22, 2, 5, 0.8);
    sparkle(cr, 28, 12, 2 + 2 * std::fabs(std::sin(phase * M_PI * 2)), hex(0xFFF3B0));
}

Color mineralColor(int type)
{
    // Type 0 is an orange fire opal, so only the emerald (type 5) is green.
    static const std::uint32_t colors[] = {0xF08A2A, 0xE0203A, 0x3A8AF0, 0xE8F4FF, 0xA35AE0, 0x1FB89A};
    return hex(colors[type < 0 || type > 5 ? 0 : type]);
}

void drawMineral(cairo_t* cr, int type, double phase, bool cycling)
{
    const Color c = mineralColor(type);
    const bool precious = type == 1 || type == 3 || type == 5;
    cairo_save(cr);
    cairo_translate(cr, 20, 25);
    // Precious gems are cut stones; the others rough crystals.
    if (precious) {
        const double w = cycling ? 11 * std::fabs(std::cos(phase * M_PI)) + 3 : 13;
        cairo_new_path(cr);
        cairo_move_to(cr, -w, -3);
        cairo_line_to(cr, -w * 0.55, -10);
        cairo_line_to(cr, w * 0.55, -10);
        cairo_line_to(cr, w, -3);
        cairo_line_to(cr, 0, 12);
        cairo_close_path(cr);
        fillShaded(cr, c, 2, 0.4);
        cairo_new_path(cr);
        cairo_move_to(cr, -w, -3);
        cairo_line_to(cr, w, -3);
        cairo_move_to(cr, -w * 0.3, -10);
        cairo_line_to(cr, -w * 0.35, -3);
        cairo_line_to(cr, 0, 12);
        cairo_line_to(cr, w * 0.35, -3);
        cairo_line_to(cr, w * 0.3, -10);
        setColor(cr, darker(c, 0.35));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    } else {
        const double tilt = cycling ? std::sin(phase * kTau) * 0.25 : 0;
        // A cluster of three prisms growing from one base.
        for (int i : {-1, 1, 0}) {
            cairo_save(cr);
            cairo_translate(cr, 0, 9);
            cairo_rotate(cr, i * 0.5 + tilt);
            const double h = i == 0 ? 24 : 17, w = i == 0 ? 5 : 4;
            cairo_new_path(cr);
            cairo_move_to(cr, -w, 2);
            cairo_line_to(cr, -w, 2 - h);
            cairo_line_to(cr, 0, -3 - h);
            cairo_line_to(cr, w, 2 - h);
            cairo_line_to(cr, w, 2);
            cairo_close_path(cr);
            fillShaded(cr, c, 1.8, 0.4);
            cairo_new_path(cr);
            cairo_move_to(cr, 0, 2);
            cairo_line_to(cr, 0, -3 - h);
            setColor(cr, lighter(c, 0.35));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        if (cycling) {
            const Color shimmer = lighter(c, 0.5 + 0.4 * std::sin(phase * kTau));
            pathEllipse(cr, std::sin(phase * kTau) * 3, -3, 1.6, 4);
            fillFlat(cr, withAlpha(shimmer, 1), 0);
        }
    }
    cairo_restore(cr);
    if (!cycling) {
        // Twinkle: a star at a spot and size that depend on the frame.
        const int f = int(phase * 16 + 0.5) % 16;
        const double sx = 12 + (f * 7 % 16), sy = 15 + (f * 5 % 13);
        sparkle(cr, sx, sy, 1.5 + (f % 4) * 1.4, hex(0xFFFFFF));
    } else {
        sparkle(cr, 20 + std::cos(phase * kTau) * 8, 22 + std::sin(phase * kTau) * 6, 3, hex(0xFFFFFF));
    }
    if (precious)
        highlight(cr, 16, 19, 3.5, 2.2, 0.9);
}

void drawAmmoBox(cairo_t* cr, int weapon, double bounce)
{
    cairo_save(cr);
    cairo_translate(cr, 0, -bounce);
    pathRoundRect(cr, 5, 21, 30, 16, 2);
    fillShaded(cr, hex(pal::wood), 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 27);
    cairo_line_to(cr, 35, 27);
    setColor(cr, hex(pal::woodDark));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    drawScrew(cr, 9, 32, 1.6);
    drawScrew(cr, 31, 32, 1.6);
    // What the box holds peeks out of the top.
    cairo_save(cr);
    switch (weapon) {
    case 1:
        cairo_translate(cr, 0, -12);
        cairo_scale(cr, 1, 0.9);
        drawMine(cr, 6);
        break;
    case 3:
        for (int i = 0; i < 3; ++i) {
            pathRoundRect(cr, 11 + i * 7, 11, 5, 12, 2.5);
            fillShaded(cr, hex(0x7FD4FF), 1.6);
        }
        break;
    case 4:
        cairo_translate(cr, -6, -10);
        cairo_scale(cr, 0.6, 0.6);
        cairo_translate(cr, 10, 14);
        drawGrenade(cr, 0);
        cairo_translate(cr, 22, 0);
        drawGrenade(cr, 0.25);
        break;
    default:
        for (int i = 0; i < 4; ++i) {
            pathRoundRect(cr, 9 + i * 6, 9, 5.5, 14, 1.5);
            fillShaded(cr, hex(0xC8372D), 1.6);
        }
        break;
    }
    cairo_restore(cr);
    pathRoundRect(cr, 14, 23, 12, 3, 1);
    fillFlat(cr, hex(pal::brass), 1);
    cairo_restore(cr);
    if (bounce > 0)
        sparkle(cr, 32, 12, 2 + bounce, hex(0xFFFFFF));
}

void drawWeaponIcon(cairo_t* cr, int hudWeapon)
{
    switch (hudWeapon) {
    case 0:
        drawShot(cr);
        break;
    case 1:
        drawGrenade(cr, 0.05);
        break;
    case 2:
        drawMine(cr, 6);
        break;
    case 3:
        drawTnt(cr, 0);
        break;
    default:
        drawBottle(cr, 0.2);
        break;
    }
}

// ---- interface props ----

void drawScrew(cairo_t* cr, double x, double y, double r)
{
    pathEllipse(cr, x, y, r, r);
    fillShaded(cr, hex(pal::brass), 1);
    cairo_new_path(cr);
    cairo_move_to(cr, x - r * 0.6, y - r * 0.6);
    cairo_line_to(cr, x + r * 0.6, y + r * 0.6);
    setColor(cr, hex(pal::brassDark));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void drawWoodPlate(cairo_t* cr, double x, double y, double w, double h, bool hover, double radius)
{
    if (hover) {
        pathRoundRect(cr, x + 1, y + 1, w - 2, h - 2, radius);
        setColor(cr, hex(pal::glow));
        cairo_fill(cr);
    }
    const double in = hover ? 4 : 3;
    pathRoundRect(cr, x + in, y + in, w - 2 * in, h - 2 * in, radius);
    fillShaded(cr, hover ? lighter(hex(pal::wood), 0.18) : hex(pal::wood), 2, 0.25);
    // Grain lines.
    cairo_save(cr);
    pathRoundRect(cr, x + in + 2, y + in + 2, w - 2 * in - 4, h - 2 * in - 4, radius);
    cairo_clip(cr);
    setColor(cr, withAlpha(hex(pal::woodDark), 0.55));
    cairo_set_line_width(cr, 1);
    for (int i = 1; i < 5; ++i) {
        const double gy = y + h * i / 5.0;
        cairo_new_path(cr);
        cairo_move_to(cr, x, gy);
        cairo_curve_to(cr, x + w * 0.3, gy - 2, x + w * 0.6, gy + 2, x + w, gy - 1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    pathRoundRect(cr, x + in + 1.5, y + in + 1.5, w - 2 * in - 3, h - 2 * in - 3, radius - 1);
    setColor(cr, hex(pal::brass));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    if (w > 40 && h > 24) {
        drawScrew(cr, x + in + 6, y + in + 6, 2.2);
        drawScrew(cr, x + w - in - 6, y + in + 6, 2.2);
        drawScrew(cr, x + in + 6, y + h - in - 6, 2.2);
        drawScrew(cr, x + w - in - 6, y + h - in - 6, 2.2);
    }
}

void drawParchment(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.4, y + h * 0.35, 0, x + w / 2, y + h / 2, std::max(w, h) * 0.75);
    const Color a = hex(pal::parchment), b = hex(pal::parchmentDark);
    cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void drawBrassFrame(cairo_t* cr, double x, double y, double w, double h, double t)
{
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_rectangle(cr, x + t, y + t, w - 2 * t, h - 2 * t);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fillShaded(cr, hex(pal::brass), 1.5, 0.3);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void drawInset(cairo_t* cr, double x, double y, double w, double h)
{
    pathRoundRect(cr, x, y, w, h, 4);
    setColor(cr, hex(0x1A120C));
    cairo_fill_preserve(cr);
    setColor(cr, hex(pal::brassDark));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void drawLantern(cairo_t* cr, double x, double y, double scale, bool lit)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    if (lit)
        radialGlow(cr, 0, 8, 14, hex(0xFFD65A, 0.8));
    pathRoundRect(cr, -6, -2, 12, 17, 3);
    fillShaded(cr, lit ? hex(0xFFE680) : hex(0x8E6F2A), 2);
    pathRoundRect(cr, -8, -5, 16, 4, 1.5);
    fillShaded(cr, hex(pal::brass), 1.5);
    pathRoundRect(cr, -8, 14, 16, 4, 1.5);
    fillShaded(cr, hex(pal::brass), 1.5);
    cairo_new_path(cr);
    cairo_arc(cr, 0, -6, 4, M_PI, 2 * M_PI);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    if (lit)
        sparkle(cr, 0, 7, 4, hex(0xFFFFFF));
    cairo_restore(cr);
}

} // namespace burrowix::mkdata
