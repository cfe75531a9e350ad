// Pictures of the game screen: frame clear colour, digit font, HUD panels, message panels, controls
// board, watching eyes and the "this is you" pointer.
#include "art.hpp"
#include "picture_groups.hpp"

#include <algorithm>
#include <cmath>

namespace burrowix::mkdata {
namespace {

constexpr double kTau = 2 * M_PI;

// The path of digit d in a box 10 wide and 16 tall (top left at the origin), drawn as one
// stroke: the HUD digits are drawn from these, not from a font, so they stay clean at 16 px.
void digitPath(cairo_t* cr, int d)
{
    cairo_new_path(cr);
    switch (d) {
    case 0: pathEllipse(cr, 5, 8, 4, 7); break;
    case 1:
        cairo_move_to(cr, 2.2, 4);
        cairo_line_to(cr, 5.8, 1);
        cairo_line_to(cr, 5.8, 15);
        break;
    case 2:
        cairo_arc(cr, 5, 4.9, 3.9, M_PI * 1.05, M_PI * 2.2);
        cairo_line_to(cr, 1.2, 15);
        cairo_line_to(cr, 9, 15);
        break;
    case 3:
        cairo_arc(cr, 5, 4.6, 3.6, M_PI * 1.1, M_PI * 2.5);
        cairo_arc(cr, 5, 11.5, 3.8, M_PI * 1.5, M_PI * 2.85);
        break;
    case 4:
        cairo_move_to(cr, 7, 15);
        cairo_line_to(cr, 7, 1);
        cairo_line_to(cr, 1, 11);
        cairo_line_to(cr, 9.4, 11);
        break;
    case 5:
        cairo_move_to(cr, 8.6, 1);
        cairo_line_to(cr, 2.6, 1);
        cairo_line_to(cr, 2.1, 7.2);
        cairo_arc(cr, 5, 10.6, 4, M_PI * 1.3, M_PI * 2.85);
        break;
    case 6:
        cairo_move_to(cr, 8, 2.2);
        cairo_curve_to(cr, 4.5, 0, 1, 3.5, 1, 11);
        cairo_arc(cr, 5, 11, 4, M_PI, M_PI * 3);
        break;
    case 7:
        cairo_move_to(cr, 1, 1);
        cairo_line_to(cr, 9, 1);
        cairo_line_to(cr, 4, 15);
        break;
    case 8:
        pathEllipse(cr, 5, 4.4, 3.3, 3.4);
        cairo_new_sub_path(cr);
        pathEllipse(cr, 5, 11.3, 3.9, 3.7);
        break;
    default:
        cairo_arc(cr, 5, 5, 4, 0, M_PI * 2);
        cairo_move_to(cr, 9, 5);
        cairo_curve_to(cr, 9, 11, 7, 15, 2.2, 13.8);
        break;
    }
}

// One clean digit centred in a cell: a dark outline stroke, then the body stroke with a light top
// and the base colour below; round caps and joins, no texture.
void drawDigit(cairo_t* cr, int d, double x, double y, int cellW, int cellH, Color fill, Color outline)
{
    const double line = std::max(2.4, cellH * 0.11), rim = 1.4;
    const double sx = (cellW - 1 - line - 2 * rim) / 8.0, sy = (cellH - 2 - line - 2 * rim) / 16.0;
    const double w = 10 * sx * 0.8, h = 16 * sy;
    cairo_save(cr);
    cairo_translate(cr, x + (cellW - w) / 2.0, y + (cellH - h) / 2.0);
    cairo_scale(cr, sx * 0.8, sy);
    digitPath(cr, d);
    cairo_restore(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, outline);
    cairo_set_line_width(cr, line + 2 * rim);
    cairo_stroke_preserve(cr);
    const Color top = lighter(fill, 0.45);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + (cellH - h) / 2.0, 0, y + (cellH + h) / 2.0);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, fill.r, fill.g, fill.b);
    cairo_pattern_add_color_stop_rgb(g, 1, fill.r, fill.g, fill.b);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
}

void digitBand(cairo_t* cr, int y, int cellW, int cellH, Color fill, Color outline, int count)
{
    for (int d = 0; d < count; ++d)
        drawDigit(cr, d % 10, d * cellW, y, cellW, cellH, fill, outline);
}

Picture digitFont()
{
    Canvas c(220, 114);
    cairo_t* cr = c.cr();
    digitBand(cr, 0, 20, 32, hex(0xF0EEE8), hex(pal::outline), 10);
    // Style 1 cell 10: a highlighted "0" that fills the tens place of a one-digit counter.
    digitBand(cr, 32, 20, 32, hex(0xFFE14D), hex(0x7A3A00), 11);
    digitBand(cr, 64, 16, 26, hex(pal::gold), hex(0x5A3A00), 10);
    digitBand(cr, 90, 14, 24, hex(0xFFFFFF), hex(pal::outline), 10);
    Picture p{file(P::DigitFont), c.keyed(kKeyBlue), kKeyBlue, Format::Bmp, 0, 0, {}};
    p.regions = {{"style0", 0, 0, 200, 32}, {"style1", 0, 32, 220, 32}, {"style2", 0, 64, 160, 26}, {"style3", 0, 90, 140, 24}};
    return p;
}

Picture weaponColumn()
{
    Canvas c(104, 342);
    cairo_t* cr = c.cr();
    drawWoodPlate(cr, 0, 0, 104, 342, false, 12);
    const int iconY[5] = {21, 81, 140, 198, 257};
    const int digitY[5] = {24, 84, 144, 202, 261};
    static const char* keys[5] = {"F1", "F2", "F3", "F4", "F5"};
    Picture p;
    for (int i = 0; i < 5; ++i) {
        drawInset(cr, 3, digitY[i] - 1, 45, 34);
        drawInset(cr, 49, iconY[i] - 1, 42, 42);
        cairo_save(cr);
        cairo_translate(cr, 50, iconY[i]);
        drawWeaponIcon(cr, i);
        cairo_restore(cr);
        drawText(cr, Face::Sketch, 11, keys[i], 94, iconY[i] + 50, Align::Right, hex(pal::glowText), hex(pal::outline), 1.2);
        p.regions.push_back({"icon" + std::to_string(i), 50, iconY[i], 40, 40});
        p.regions.push_back({"ammo" + std::to_string(i), 4, digitY[i], 42, 32});
    }
    p.name = file(P::WeaponColumn);
    p.image = c.keyed(kKeyCyan);
    p.key = kKeyCyan;
    return p;
}

Picture weaponSelector()
{
    Canvas c(238, 198);
    cairo_t* cr = c.cr();
    for (int w = 0; w < 5; ++w)
        inCell(cr, w, 0, [&] {
            pathRoundRect(cr, 1, 1, 38, 38, 5);
            setColor(cr, hex(0x3A2A10));
            cairo_fill(cr);
            radialGlow(cr, 20, 20, 22, hex(pal::glow, 0.9));
            drawWeaponIcon(cr, w);
            pathRoundRect(cr, 1.5, 1.5, 37, 37, 5);
            setColor(cr, hex(pal::glow));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        });
    // The selector claw points left at the chosen icon.
    cairo_save(cr);
    cairo_rectangle(cr, 200, 0, 38, 31);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 202, 15.5);
    cairo_line_to(cr, 216, 4);
    cairo_line_to(cr, 216, 10);
    cairo_line_to(cr, 235, 10);
    cairo_line_to(cr, 235, 21);
    cairo_line_to(cr, 216, 21);
    cairo_line_to(cr, 216, 27);
    cairo_close_path(cr);
    fillShaded(cr, hex(pal::brass), 2, 0.35);
    drawScrew(cr, 228, 15.5, 2.5);
    cairo_restore(cr);
    // Gear-and-chain mechanism that turns while the selector travels.
    for (int f = 0; f < 3; ++f) {
        cairo_save(cr);
        cairo_rectangle(cr, 73 * f, 40, 73, 158);
        cairo_clip(cr);
        cairo_translate(cr, 73 * f, 40);
        // Chain down the side.
        for (int k = 0; k < 12; ++k) {
            const double y = 40 + k * 10 + f * 3.3;
            pathEllipse(cr, 12, y, 3, 5);
            setColor(cr, hex(pal::outline));
            cairo_set_line_width(cr, 3.4);
            cairo_stroke(cr);
            pathEllipse(cr, 12, y, 3, 5);
            setColor(cr, hex(pal::rivet));
            cairo_set_line_width(cr, 1.6);
            cairo_stroke(cr);
        }
        cairo_translate(cr, 30, 26);
        cairo_rotate(cr, f * kTau / 24);
        cairo_new_path(cr);
        for (int t = 0; t < 8; ++t) {
            const double a = t * kTau / 8;
            cairo_line_to(cr, std::cos(a - 0.2) * 19, std::sin(a - 0.2) * 19);
            cairo_line_to(cr, std::cos(a - 0.12) * 24, std::sin(a - 0.12) * 24);
            cairo_line_to(cr, std::cos(a + 0.12) * 24, std::sin(a + 0.12) * 24);
            cairo_line_to(cr, std::cos(a + 0.2) * 19, std::sin(a + 0.2) * 19);
        }
        cairo_close_path(cr);
        fillShaded(cr, hex(pal::brass), 2);
        pathEllipse(cr, 0, 0, 6, 6);
        fillShaded(cr, hex(pal::brassDark), 2);
        for (int t = 0; t < 4; ++t) {
            const double a = t * kTau / 4 + 0.4;
            pathEllipse(cr, std::cos(a) * 12, std::sin(a) * 12, 2.5, 2.5);
            setColor(cr, hex(pal::brassDark));
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    Picture p{file(P::WeaponSelector), c.keyed(kKeyBlue), kKeyBlue, Format::Bmp, 0, 0, {}};
    for (int w = 0; w < 5; ++w)
        p.regions.push_back({"marker" + std::to_string(w), 40 * w, 0, 40, 40});
    p.regions.push_back({"selector", 200, 0, 38, 31});
    for (int f = 0; f < 3; ++f)
        p.regions.push_back({"strip" + std::to_string(f), 73 * f, 40, 73, 158});
    return p;
}

// A HUD caption: the round face in the parchment's colour with a dark outline, as large as fits
// (at least 11 px of capital height on every caption).
void hudCaption(cairo_t* cr, const std::string& text, double cx, double cy, double maxWidth)
{
    drawCaption(cr, Face::Round, 19, text, cx, cy, maxWidth, hex(pal::parchment), hex(pal::outline), 2);
}

Picture scorePanel()
{
    Canvas c(245, 399);
    cairo_t* cr = c.cr();
    drawWoodPlate(cr, 0, 0, 245, 57, false, 10);
    hudCaption(cr, "SCORE", 31, 28, 50);
    drawInset(cr, 57, 7, 89, 32);
    drawInset(cr, 202, 7, 38, 32);
    cairo_save(cr);
    cairo_translate(cr, 153, 3);
    cairo_scale(cr, 1.05, 1.05);
    drawHeart(cr, 0.9);
    cairo_restore(cr);
    Picture p;
    p.regions = {{"score", 59, 10, 85, 26}, {"lives", 204, 10, 33, 26}};
    for (int h = 0; h <= 5; ++h) {
        const double y = 57.0 * (h + 1);
        drawWoodPlate(cr, 0, y, 152, 57, false, 10);
        hudCaption(cr, "HEALTH", 35, y + 28.5, 54);
        for (int u = 0; u < 5; ++u) {
            pathRoundRect(cr, 66 + u * 16, y + 16, 13, 25, 3);
            const bool on = u < h;
            fillShaded(cr, on ? mix(hex(0xE2384A), hex(0x7CC850), u / 4.0) : hex(0x3A2A20), 1.5);
        }
        if (h >= 1)
            p.regions.push_back({"health" + std::to_string(h), 0, int(y), 152, 57});
    }
    p.name = file(P::ScorePanel);
    p.image = c.keyed(kKeyCyan);
    p.key = kKeyCyan;
    return p;
}

Picture goalsBox()
{
    // Rows 188-219 below the box hold the field shown over a number field whose goal is off: the
    // same inset with a dim dash, so an unused goal reads as "none", not as a missing number.
    Canvas c(237, 220);
    cairo_t* cr = c.cr();
    drawInset(cr, 1, 189, 54, 30);
    pathRoundRect(cr, 17, 201.5, 22, 5, 2.5);
    setColor(cr, mix(hex(pal::parchment), hex(0x1A120C), 0.45));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 237, 188);
    cairo_clip(cr);
    drawWoodPlate(cr, 0, 0, 237, 188, false, 14);
    hudCaption(cr, "NEED", 137, 24, 56);
    hudCaption(cr, "LEFT", 207, 24, 56);
    for (int y : {40, 113}) {
        drawInset(cr, 110, y - 1, 54, 30);
        drawInset(cr, 180, y - 1, 54, 30);
    }
    cairo_save(cr);
    cairo_translate(cr, 40, 35);
    drawNugget(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 40, 108);
    drawCrawler(cr, 0, Heading::Right, 0);
    cairo_restore(cr);
    hudCaption(cr, "GOLD", 21, 64, 38); // left of the icons
    hudCaption(cr, "FOES", 21, 137, 38);
    cairo_restore(cr);
    Picture p{file(P::GoalsBox), c.keyed(kKeyCyan), kKeyCyan, Format::Bmp, 0, 0, {}};
    p.regions = {{"goldNeed", 112, 42, 50, 26}, {"goldLeft", 182, 42, 50, 26},
                 {"killNeed", 112, 115, 50, 26}, {"killLeft", 182, 115, 50, 26}, {"goalOff", 0, 188, 56, 32}};
    return p;
}

Picture dimmingPattern()
{
    Image img(20, 20, kKeyGreen);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if ((x + y) % 2 == 0)
                img.set(x, y, {10, 8, 8});
    return {file(P::Dimming), img, kKeyGreen, Format::Bmp, 0, 0, {{"pattern", 0, 0, 20, 20}}};
}

void textPage(cairo_t* cr, double x, double y, const std::vector<std::string>& lines, double firstY, double step, double px)
{
    drawParchment(cr, x, y, 165, 145);
    double ly = y + firstY;
    for (const std::string& line : lines) {
        drawCaption(cr, Face::Round, px, line, x + 82.5, ly, 150, hex(0x5A2A10), hex(0), 0);
        ly += step;
    }
}

Picture messagePanels()
{
    Canvas c(644, 560);
    cairo_t* cr = c.cr();
    // Text pictures (drawn opaque).
    textPage(cr, 165, 0, {"GET READY!"}, 22, 0, 24);
    cairo_save(cr);
    cairo_translate(cr, 165 + 6, 0 + 47);
    drawNugget(cr);
    cairo_restore(cr);
    drawText(cr, Face::Sketch, fitSize(cr, Face::Sketch, 16, "GOLD", 44), "GOLD", 165 + 48, 73, Align::Left, hex(0x5A2A10));
    cairo_save(cr);
    cairo_translate(cr, 165 + 6, 93);
    drawCrawler(cr, 0, Heading::Right, 0);
    cairo_restore(cr);
    drawText(cr, Face::Sketch, fitSize(cr, Face::Sketch, 16, "KILL", 44), "KILL", 165 + 48, 119, Align::Left, hex(0x5A2A10));
    textPage(cr, 0, 0, {"LEAVE", "THIS LEVEL?"}, 55, 36, 26);
    textPage(cr, 330, 0, {"OUCH!", "YOU LOST", "A LIFE"}, 40, 33, 26);
    textPage(cr, 0, 145, {"LEVEL", "COMPLETE!"}, 55, 38, 28);
    // Level plate.
    drawWoodPlate(cr, 499, 316, 145, 57, false, 10);
    drawText(cr, Face::Round, 20, "LEVEL", 499 + 52, 316 + 35, Align::Center, hex(pal::glowText), hex(pal::outline), 1.5);
    drawInset(cr, 499 + 100, 316 + 8, 38, 30);
    // Swinging lantern on a chain: frame f swings by an angle; frame 1 rests.
    for (int f = 0; f < 7; ++f) {
        cairo_save(cr);
        cairo_rectangle(cr, 52 * f, 314, 52, 79);
        cairo_clip(cr);
        cairo_translate(cr, 52 * f + 26, 314);
        static const double swing[7] = {-0.28, 0, 0.3, -0.24, 0.18, -0.12, 0.07};
        cairo_rotate(cr, swing[f]);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, 40);
        setColor(cr, hex(pal::rivet));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        drawLantern(cr, 0, 48, 1.3, true);
        cairo_restore(cr);
    }
    // Drawer behind the right side (carries the exit buttons and the lamp when open).
    pathRoundRect(cr, 370, 306, 101, 157, 4);
    fillShaded(cr, hex(pal::woodDark), 2, 0.2);
    cairo_rectangle(cr, 370, 306, 101, 6);
    setColor(cr, hex(0x3A2414));
    cairo_fill(cr);
    // Lamp, lit.
    cairo_save(cr);
    cairo_rectangle(cr, 471, 316, 28, 28);
    cairo_clip(cr);
    radialGlow(cr, 485, 330, 16, hex(0xFFD65A, 1));
    pathEllipse(cr, 485, 330, 9, 9);
    fillShaded(cr, hex(0xFFE680), 2);
    sparkle(cr, 485, 330, 7, hex(0xFFFFFF));
    cairo_restore(cr);
    // Panel body: a wooden frame; the text picture covers its inner area.
    cairo_new_path(cr);
    cairo_rectangle(cr, 330, 145, 188, 167);
    cairo_rectangle(cr, 330 + 21, 145 + 10, 165, 145);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fillShaded(cr, hex(pal::wood), 2, 0.25);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    drawScrew(cr, 340, 155, 3);
    drawScrew(cr, 340, 300, 3);
    // Wings (kinds 0, 2, 3), each with a transparent lamp window at (51, 114)-(79, 142).
    const int wingX[3] = {0, 180, 270};
    for (int k = 0; k < 3; ++k) {
        const double x = wingX[k], y = 393;
        cairo_save(cr);
        cairo_rectangle(cr, x, y, 90, 167);
        cairo_clip(cr);
        cairo_new_path(cr);
        pathRoundRect(cr, x - 10, y, 98, 167, 10);
        cairo_rectangle(cr, x + 51, y + 114, 28, 28);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        fillShaded(cr, hex(pal::wood), 2, 0.25);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_rectangle(cr, x + 50, y + 113, 30, 30);
        setColor(cr, hex(pal::brass));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_translate(cr, x + 20, y + 30);
        cairo_scale(cr, 1.5, 1.5);
        if (k == 0) {
            drawBrannok(cr, {Heading::Down, true, BrannokAction::Walk, 0, 0});
        } else if (k == 1) {
            // A little gravestone.
            pathRoundRect(cr, 8, 8, 24, 30, 10);
            fillShaded(cr, hex(pal::stone), 2);
            drawText(cr, Face::Round, 8, "RIP", 20, 24, Align::Center, hex(pal::outline));
        } else {
            drawNugget(cr, 0.4);
            cairo_translate(cr, 0, -12);
            drawNugget(cr);
        }
        cairo_restore(cr);
        drawCaption(cr, Face::Round, 22, k == 0 ? "GO!" : (k == 1 ? "OOPS" : "WON!"), x + 40, y + 100, 70,
                    hex(pal::glowText), hex(pal::outline), 1.8);
        // Keep the window exactly transparent.
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_rectangle(cr, x + 51, y + 114, 28, 28);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // Controls header plate.
    drawWoodPlate(cr, 471, 373, 161, 57, false, 10);
    drawCaption(cr, Face::Round, 26, "CONTROLS", 551, 401, 140, hex(pal::glowText), hex(pal::outline), 1.8);
    Picture p{file(P::MessagePanels), c.keyed(kKeyGreen), kKeyGreen, Format::Bmp, 0, 0, {}};
    p.regions = {{"levelPlate", 499, 316, 145, 57}, {"drawer", 370, 306, 101, 157}, {"lamp", 471, 316, 28, 28},
                 {"body", 330, 145, 188, 167}, {"wing0", 0, 393, 90, 167}, {"wing2", 180, 393, 90, 167},
                 {"wing3", 270, 393, 90, 167}, {"text0", 165, 0, 165, 145}, {"text1", 0, 0, 165, 145},
                 {"text2", 330, 0, 165, 145}, {"text3", 0, 145, 165, 145}, {"controlsHeader", 471, 373, 161, 57}};
    for (int f = 0; f < 7; ++f)
        p.regions.push_back({"lantern" + std::to_string(f), 52 * f, 314, 52, 79});
    return p;
}

Picture controlsBoard()
{
    Canvas c(493, 424);
    cairo_t* cr = c.cr();
    auto board = [&](double y, double h) {
        drawWoodPlate(cr, 0, y, 493, h, false, 14);
        drawParchment(cr, 16, y + 14, 461, h - 28);
    };
    board(0, 301);
    const Color ink = hex(0x4A2410);
    auto line = [&](double y, const std::string& key, const std::string& what) {
        drawText(cr, Face::Round, 17, key, 30, y, Align::Left, hex(0x7A2E1E));
        drawText(cr, Face::Sketch, 17, what, 190, y, Align::Left, ink);
    };
    line(42, "Arrow keys", "walk, dig and push");
    line(66, "Esc", "leave the level");
    line(92, "Space", "use the current weapon");
    line(116, "Tab", "next weapon");
    line(140, "F1 - F5", "shot, grenade, mine, TNT, bottle");
    line(164, "", "");
    line(188, "", "");
    line(214, "F9", "give up the level (lose a life)");
    line(238, "Insert", "HUD on / off");
    drawCaption(cr, Face::Round, 18, "Any key or click to continue", 246.5, 268, 420, hex(0x7A2E1E), hex(0), 0);
    // The overlay for the difficulty without weapons hides the weapon lines (board rows 70-192).
    // It covers the parchment only: its sides stay key colour, so the board's frame and trim show.
    cairo_save(cr);
    cairo_rectangle(cr, 16, 301, 461, 123);
    cairo_clip(cr);
    drawParchment(cr, 16, 14 + 301 - 70, 461, 273); // the board's own parchment, moved down to the overlay
    cairo_restore(cr);
    drawCaption(cr, Face::Round, 20, "No weapons at this difficulty:", 246.5, 301 + 45, 430, hex(0x7A2E1E), hex(0), 0);
    drawCaption(cr, Face::Sketch, 20, "avoid the enemies!", 246.5, 301 + 78, 430, ink, hex(0), 0);
    Picture p{file(P::ControlsBoard), c.keyed(kKeyGreen), kKeyGreen, Format::Bmp, 0, 0, {}};
    p.regions = {{"board", 0, 0, 493, 301}, {"weaponBand", 0, 70, 493, 123}, {"overlay", 0, 301, 493, 123}};
    return p;
}

Picture eyesOverlay()
{
    Canvas c(251, 219);
    cairo_t* cr = c.cr();
    const double cx[2] = {69.5, 122.5};
    for (double x : cx) {
        pathEllipse(cr, x, 95.5, 27, 23);
        setColor(cr, hex(0x111214));
        cairo_fill(cr);
        pathEllipse(cr, x, 95.5, 23, 19);
        fillShaded(cr, hex(0xF4EED8), 2, 0.15);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 24, 70);
        cairo_curve_to(cr, x - 10, 62, x + 10, 62, x + 24, 72);
        setColor(cr, hex(0x2A2B2E));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    // Pupil.
    pathEllipse(cr, 9.5, 209.5, 8.5, 8.5);
    fillShaded(cr, hex(0x3A1A10), 0, 0.3);
    pathEllipse(cr, 7, 207, 2.2, 2.2);
    setColor(cr, hex(0xFFFFFF));
    cairo_fill(cr);
    // Lids: k = 0 closed ... 3 open. A lid is the eye-shaped patch above its lash line, so a closed
    // eye shows no square around it.
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        cairo_rectangle(cr, 200, 51 * k, 51, 51);
        cairo_clip(cr);
        cairo_translate(cr, 200, 51 * k);
        const double cover = k == 0 ? 1.0 : (k == 1 ? 0.68 : (k == 2 ? 0.42 : 0.0));
        if (cover > 0) {
            const double lash = 25.5 - 24 + 48 * cover;
            cairo_save(cr);
            cairo_rectangle(cr, 0, 0, 51, lash);
            cairo_clip(cr);
            pathEllipse(cr, 25.5, 25.5, 25.5, 23);
            fillShaded(cr, hex(0x44464B), 0, 0.25); // neutral stone: the eyes show in every theme
            cairo_restore(cr);
            cairo_save(cr);
            pathEllipse(cr, 25.5, 25.5, 25.5, 23);
            cairo_clip(cr);
            cairo_new_path(cr);
            cairo_move_to(cr, 0, lash);
            cairo_line_to(cr, 51, lash);
            setColor(cr, hex(0x1C1D20));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        cairo_restore(cr);
    }
    Picture p{file(P::Eyes), c.keyed(kKeyGreen), kKeyGreen, Format::Bmp, 0, 0, {}};
    p.regions = {{"eyes", 0, 0, 200, 200}, {"pupil", 0, 200, 19, 19}};
    for (int k = 0; k < 4; ++k)
        p.regions.push_back({"lid" + std::to_string(k), 200, 51 * k, 51, 51});
    return p;
}

Picture youPointer()
{
    Canvas c(600, 200);
    cairo_t* cr = c.cr();
    for (int f = 0; f < 11; ++f) {
        const int col = f < 6 ? f : f - 6, row = f < 6 ? 0 : 1;
        inCell(cr, col, row, 100, 100, [&] {
            // The arrow's tip stays near the frame's point (90-100, 90-100) and bobs along its axis.
            const double bob = (1 + std::sin(f * kTau / 11)) * 4;
            const Color fill = mix(hex(pal::glow), hex(0xFF9A2E), 0.5 + 0.5 * std::sin(f * kTau / 11));
            cairo_save(cr);
            cairo_translate(cr, 95 - bob * 0.7, 95 - bob * 0.7);
            cairo_rotate(cr, -M_PI / 4);
            cairo_new_path(cr);
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, -16, -20);
            cairo_line_to(cr, -6, -20);
            cairo_line_to(cr, -6, -46);
            cairo_line_to(cr, 6, -46);
            cairo_line_to(cr, 6, -20);
            cairo_line_to(cr, 16, -20);
            cairo_close_path(cr);
            fillShaded(cr, fill, 3, 0.3);
            cairo_restore(cr);
            drawText(cr, Face::Round, 22, "You!", 34 - bob * 0.5, 34 - bob * 0.5, Align::Center, fill, hex(pal::outline), 2);
        });
    }
    Picture p{file(P::YouPointer), c.keyed(kKeyGreen), kKeyGreen, Format::Bmp, 100, 100, {}};
    return p;
}

} // namespace

void addHudPictures(PictureList& out)
{
    // The frame clear colour: a very dark tone that is not the black key.
    addPicture(out, file(P::Clear), Image(8, 8, {1, 1, 1}), kKeyBlack);
    out.push_back(digitFont());
    out.push_back(weaponColumn());
    out.push_back(weaponSelector());
    out.push_back(scorePanel());
    out.push_back(goalsBox());
    out.push_back(dimmingPattern());
    out.push_back(messagePanels());
    out.push_back(controlsBoard());
    out.push_back(eyesOverlay());
    out.push_back(youPointer());
}

} // namespace burrowix::mkdata
