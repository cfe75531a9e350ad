// Full-screen backgrounds and the pieces of the level-choice, options, hall-of-fame, help, exit and
// game-over screens.
#include "art.hpp"
#include "picture_groups.hpp"
#include "common/random.hpp"

#include <cmath>

namespace burrowix::mkdata {
namespace {

constexpr double kTau = 2 * M_PI;

double rnd(RandomGenerator& r) { return r.draw() / 32767.0; }

// A lantern-lit cave: dark rock with stalactites and glowing lamps; `tint` colours the light.
void caveBackdrop(cairo_t* cr, std::uint32_t seed, Color tint)
{
    RandomGenerator r;
    r.state = seed;
    cairo_pattern_t* g = cairo_pattern_create_radial(400, 330, 60, 400, 330, 560);
    const Color inner = mix(hex(0x4A3424), tint, 0.15), outer = hex(0x120C08);
    cairo_pattern_add_color_stop_rgb(g, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(g, 1, outer.r, outer.g, outer.b);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    for (int i = 0; i < 60; ++i) {
        const double x = rnd(r) * 800, y = rnd(r) * 600, rx = 15 + rnd(r) * 45, ry = 10 + rnd(r) * 25;
        pathEllipse(cr, x, y, rx, ry);
        setColor(cr, withAlpha(mix(hex(0x3A2A1E), hex(0x1A120C), rnd(r)), 0.55));
        cairo_fill(cr);
    }
    // Stalactites along the top and stalagmites along the bottom.
    for (int i = 0; i < 22; ++i) {
        const double x = i * 38 + rnd(r) * 20, h = 30 + rnd(r) * 70, w = 14 + rnd(r) * 16;
        cairo_new_path(cr);
        cairo_move_to(cr, x - w, 0);
        cairo_curve_to(cr, x - w * 0.4, h * 0.5, x - 2, h, x, h);
        cairo_curve_to(cr, x + 2, h, x + w * 0.4, h * 0.5, x + w, 0);
        cairo_close_path(cr);
        fillShaded(cr, hex(0x3E2C1E), 2, 0.3);
    }
    for (int i = 0; i < 18; ++i) {
        const double x = i * 46 + rnd(r) * 20, h = 20 + rnd(r) * 45, w = 16 + rnd(r) * 14;
        cairo_new_path(cr);
        cairo_move_to(cr, x - w, 600);
        cairo_curve_to(cr, x - w * 0.4, 600 - h * 0.5, x - 2, 600 - h, x, 600 - h);
        cairo_curve_to(cr, x + 2, 600 - h, x + w * 0.4, 600 - h * 0.5, x + w, 600);
        cairo_close_path(cr);
        fillShaded(cr, hex(0x34261A), 2, 0.3);
    }
}

void lanternAt(cairo_t* cr, double x, double y, Color tint)
{
    radialGlow(cr, x, y + 12, 90, withAlpha(mix(hex(0xFFC860), tint, 0.3), 0.35));
    cairo_new_path(cr);
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, y - 8);
    setColor(cr, hex(0x5A5F66));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    drawLantern(cr, x, y, 1.6, true);
}

void title(cairo_t* cr, const std::string& text, double cx, double cy, double px, double maxW)
{
    drawCaption(cr, Face::Round, px, text, cx + 3, cy + 4, maxW, hex(0x120C08), hex(0x120C08), 4);
    drawCaption(cr, Face::Round, px, text, cx, cy, maxW, hex(pal::glow), hex(pal::outline), 4);
}

void signBoard(cairo_t* cr, double x, double y, double w, double h, const std::string& text, double px)
{
    // A carved sign hanging from two ropes.
    for (double rx : {x + w * 0.2, x + w * 0.8}) {
        cairo_new_path(cr);
        cairo_move_to(cr, rx, 0);
        cairo_line_to(cr, rx, y + 6);
        setColor(cr, hex(0x8E6F2A));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    drawWoodPlate(cr, x, y, w, h, false, 16);
    title(cr, text, x + w / 2, y + h / 2, px, w - 40);
}

Picture screen(const std::string& name, const Canvas& c, Format format = Format::Jpeg, Rgb key = kKeyBlack)
{
    return {name, format == Format::Jpeg ? c.opaque({0, 0, 0}) : c.keyed(key), key, format, 0, 0, {}};
}

// A mound of earth for props to stand on: a lit top and a darker face.
void groundMound(cairo_t* cr, double cx, double top, double halfWidth, double height)
{
    cairo_new_path(cr);
    cairo_move_to(cr, cx - halfWidth, top + height);
    cairo_curve_to(cr, cx - halfWidth * 0.7, top, cx + halfWidth * 0.7, top, cx + halfWidth, top + height);
    cairo_close_path(cr);
    fillShaded(cr, hex(pal::earth), 3, 0.4);
    for (int i = 0; i < 7; ++i) {
        pathEllipse(cr, cx - halfWidth * 0.6 + i * halfWidth * 0.2, top + height * (0.45 + 0.12 * (i % 3)), 5, 3);
        setColor(cr, hex(pal::pebble, 0.8));
        cairo_fill(cr);
    }
}

// A soft contact shadow under something standing on the ground.
void groundShadow(cairo_t* cr, double cx, double y, double rx)
{
    pathEllipse(cr, cx, y, rx, rx * 0.18);
    setColor(cr, hex(0x120C08, 0.55));
    cairo_fill(cr);
}

Picture logo()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 11, hex(0xFFC860));
    lanternAt(cr, 120, 120, hex(0));
    lanternAt(cr, 680, 140, hex(0));
    title(cr, "BURROWIX", 400, 220, 150, 700);
    // Brannok peeking out of a tunnel beneath the title: the hole, then Brannok clipped to the
    // hole's opening, then the hole's front lip over his body with his paws resting on it.
    const double hx = 400, hy = 470, hrx = 150, hry = 62;
    pathEllipse(cr, hx, hy, hrx + 30, hry + 24);
    setColor(cr, hex(pal::earthShadow));
    cairo_fill(cr);
    pathEllipse(cr, hx, hy, hrx, hry);
    setColor(cr, hex(0x0E0906));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 800, hy);
    cairo_new_sub_path(cr);
    pathEllipse(cr, hx, hy, hrx, hry);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr);
    cairo_translate(cr, 300, 322);
    cairo_scale(cr, 5, 5);
    drawBrannok(cr, {Heading::Down, true, BrannokAction::Walk, 0, 0});
    cairo_restore(cr);
    // The front lip: a crescent of earth covering his lower body.
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    cairo_scale(cr, hrx + 30, hry + 24);
    cairo_arc(cr, 0, 0, 1, 0, M_PI);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, hx, hy + 4);
    cairo_scale(cr, hrx, hry * 0.55);
    cairo_arc_negative(cr, 0, 0, 1, M_PI, 0);
    cairo_restore(cr);
    cairo_close_path(cr);
    fillShaded(cr, hex(pal::earth), 4, 0.35);
    for (int i = 0; i < 9; ++i) {
        pathEllipse(cr, hx - 130 + i * 32, hy + 44 + (i % 2) * 9, 6, 3.5);
        setColor(cr, hex(pal::pebble, 0.8));
        cairo_fill(cr);
    }
    // Paws on the lip, claws hooked over it.
    for (int side = -1; side <= 1; side += 2) {
        const double px = hx + side * 62, py = hy + 30;
        pathEllipse(cr, px, py, 20, 13);
        fillShaded(cr, hex(pal::fur), 4);
        for (int k = -1; k <= 1; ++k) {
            pathEllipse(cr, px + k * 10, py + 12, 3.5, 6);
            fillShaded(cr, hex(0xF8E4C8), 2.5);
        }
    }
    drawCaption(cr, Face::Sketch, 26, "dig deep, grab the gold, mind the critters", 400, 575, 700, hex(pal::parchment), hex(pal::outline), 2);
    return screen(file(P::Logo), c);
}

Picture mainMenu()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 21, hex(0xFFC860));
    lanternAt(cr, 70, 170, hex(0));
    lanternAt(cr, 730, 170, hex(0));
    signBoard(cr, 170, 60, 460, 150, "BURROWIX", 96);
    // Brannok on a mound of earth with his finds beside him, all standing on the ground.
    groundMound(cr, 400, 345, 300, 70);
    groundShadow(cr, 398, 380, 62);
    cairo_save(cr);
    cairo_translate(cr, 318, 228);
    cairo_scale(cr, 4, 4);
    drawBrannok(cr, {Heading::Right, true, BrannokAction::Idle, 0, 1});
    cairo_restore(cr);
    groundShadow(cr, 214, 376, 40);
    cairo_save(cr);
    cairo_translate(cr, 165, 287);
    cairo_scale(cr, 2.5, 2.5);
    drawNugget(cr, 0.5);
    cairo_restore(cr);
    groundShadow(cr, 588, 378, 34);
    cairo_save(cr);
    cairo_translate(cr, 538, 290);
    cairo_scale(cr, 2.5, 2.5);
    drawMineral(cr, 1, 0, false);
    cairo_restore(cr);
    // A calm, dark shelf behind the button row and the editor's button below it.
    pathRoundRect(cr, 20, 415, 760, 165, 18);
    setColor(cr, hex(0x1A120C, 0.85));
    cairo_fill(cr);
    return screen(file(P::MainMenu), c);
}

Picture levelChoiceFrame()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 31, hex(0xFFC860));
    // Frame around the preview window.
    drawWoodPlate(cr, 160, 98, 480, 380, false, 18);
    drawBrassFrame(cr, 174, 112, 452, 352, 6);
    title(cr, "CHOOSE A LEVEL", 170, 40, 40, 300);
    for (auto [x, label] : {std::pair{47.0, "LEVEL"}, {687.0, "DIFFICULTY"}}) {
        drawWoodPlate(cr, x - 17, 90, 99, 110, false, 12);
        drawCaption(cr, Face::Sketch, 16, label, x + 32.5, 104, 90, hex(pal::glowText), hex(pal::outline), 1.5);
        cairo_rectangle(cr, x, 119, 65, 63);
        setColor(cr, hex(0x0A0A0A));
        cairo_fill(cr);
    }
    // The preview window and the level-number and difficulty boxes.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 180, 118, 440, 340);
    cairo_fill(cr);
    cairo_restore(cr);
    Image img = c.keyed(kKeyGreen);
    for (int y = 119; y < 182; ++y)
        for (int x : {47, 687})
            for (int dx = 0; dx < 65; ++dx)
                img.set(x + dx, y, {0, 0, 0});
    Picture p{file(P::LevelChoiceFrame), img, kKeyGreen, Format::Bmp, 0, 0, {}};
    p.regions = {{"preview", 180, 118, 440, 340}, {"levelBox", 47, 119, 65, 63}, {"difficultyBox", 687, 119, 65, 63},
                 {"LevelMinus", 90, 225, 70, 70}, {"LevelPlus", 640, 225, 70, 70}, {"PackMinus", 337, 28, 126, 60},
                 {"PackPlus", 337, 478, 126, 60}, {"MainMenu", 20, 467, 150, 60}, {"Start", 661, 440, 125, 60}};
    return p;
}

Picture lockMark()
{
    Canvas c(148, 149);
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_arc(cr, 74, 55, 28, M_PI, 2 * M_PI);
    setColor(cr, hex(pal::outline));
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    cairo_arc(cr, 74, 55, 28, M_PI, 2 * M_PI);
    setColor(cr, hex(0xA9B4BE));
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 46, 55);
    cairo_line_to(cr, 46, 62);
    cairo_move_to(cr, 102, 55);
    cairo_line_to(cr, 102, 62);
    cairo_stroke(cr);
    pathRoundRect(cr, 30, 58, 88, 62, 10);
    fillShaded(cr, hex(pal::brass), 3, 0.35);
    pathEllipse(cr, 74, 82, 7, 7);
    fillFlat(cr, hex(pal::outline), 0);
    cairo_new_path(cr);
    cairo_move_to(cr, 70, 84);
    cairo_line_to(cr, 78, 84);
    cairo_line_to(cr, 76, 102);
    cairo_line_to(cr, 72, 102);
    cairo_close_path(cr);
    fillFlat(cr, hex(pal::outline), 0);
    drawWoodPlate(cr, 4, 116, 140, 32, false, 8);
    drawCaption(cr, Face::Round, 22, "LOCKED", 74, 132, 120, hex(pal::glowText), hex(pal::outline), 1.5);
    return screen(file(P::Locked), c, Format::Bmp, kKeyGreen);
}

Picture levelDigits()
{
    Canvas c(650, 252);
    cairo_t* cr = c.cr();
    for (int n = 0; n < 30; ++n)
        inCell(cr, n % 10, n / 10, 65, 63, [&] {
            drawCaption(cr, Face::Round, 44, std::to_string(n + 1), 32.5, 31.5, 58, hex(pal::gold), hex(pal::outline), 2.5);
        });
    // Row 3: level-change pictures, difficulty pictures and the level-set change.
    auto blurred = [&](int col, const std::string& text) {
        inCell(cr, col, 3, 65, 63, [&] {
            for (int k = -2; k <= 2; ++k)
                drawCaption(cr, Face::Round, 44, text, 32.5, 31.5 + k * 6, 58, withAlpha(hex(pal::goldShadow), 0.35), hex(0), 0);
            drawCaption(cr, Face::Round, 44, text, 32.5, 31.5, 58, withAlpha(hex(pal::gold), 0.7), hex(pal::outline), 1);
        });
    };
    blurred(0, "8");
    blurred(1, "88");
    static const char* names[3] = {"EASY", "MED", "HARD"};
    static const std::uint32_t colors[3] = {0x7CC850, 0xF2C230, 0xE2384A};
    for (int d = 0; d < 3; ++d)
        inCell(cr, 2 + d, 3, 65, 63, [&] {
            for (int s = 0; s <= d; ++s) {
                cairo_save(cr);
                cairo_translate(cr, 32.5 - d * 9 + s * 18 - 10, 2);
                cairo_scale(cr, 0.5, 0.5);
                drawStalker(cr, 0, s % 2, 0);
                cairo_restore(cr);
            }
            drawCaption(cr, Face::Round, 18, names[d], 32.5, 46, 60, hex(colors[d]), hex(pal::outline), 1.5);
        });
    inCell(cr, 5, 3, 65, 63, [&] {
        for (int k = 0; k < 3; ++k) {
            pathRoundRect(cr, 10 + k * 4, 8 + k * 14, 45 - k * 8, 12, 3);
            fillShaded(cr, hex(colors[k]), 1.5);
        }
        drawCaption(cr, Face::Round, 16, "SET", 32.5, 56, 60, hex(pal::glowText), hex(pal::outline), 1.5);
    });
    Picture p{file(P::LevelDigits), c.keyed(kKeyBlack), kKeyBlack, Format::Bmp, 65, 63, {}};
    return p;
}

Picture magnifier()
{
    Canvas c(305, 238);
    cairo_t* cr = c.cr();
    // Handle towards the lower right.
    cairo_save(cr);
    cairo_translate(cr, 114, 114);
    cairo_rotate(cr, std::atan2(100.0, 160.0));
    pathRoundRect(cr, 108, -13, 80, 26, 10);
    fillShaded(cr, hex(pal::wood), 3, 0.3);
    pathRoundRect(cr, 98, -11, 16, 22, 4);
    fillShaded(cr, hex(pal::brass), 2.5, 0.3);
    cairo_restore(cr);
    // A round wooden bezel wide enough (to radius 114) to cover the corners of the square view
    // outside the glass, so the glass sits in a round frame, not on a square plate; then the rim.
    cairo_new_path(cr);
    cairo_arc(cr, 114, 114, 114, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 114, 114, 80, 0, -2 * M_PI);
    cairo_close_path(cr);
    fillShaded(cr, hex(pal::woodDark), 2.5, 0.25);
    for (double angle : {M_PI / 4, 3 * M_PI / 4, 5 * M_PI / 4, 7 * M_PI / 4})
        drawScrew(cr, 114 + 104 * std::cos(angle), 114 + 104 * std::sin(angle), 3.5);
    cairo_new_path(cr);
    cairo_arc(cr, 114, 114, 96, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 114, 114, 80, 0, -2 * M_PI);
    fillShaded(cr, hex(pal::brass), 2.5, 0.4);
    highlight(cr, 70, 60, 18, 10, 0.6);
    // The lens interior must stay exactly black (transparent).
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_arc(cr, 114, 114, 79.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    Picture p{file(P::Magnifier), c.keyed(kKeyBlack), kKeyBlack, Format::Bmp, 0, 0, {}};
    p.regions = {{"lens", 34, 34, 160, 160}};
    return p;
}

Picture seam(const std::string& name, int w, int h)
{
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, w, h);
    setColor(cr, hex(0x2A1E14));
    cairo_fill(cr);
    const bool vertical = h > w;
    const double len = vertical ? h : w;
    for (double t = 10; t < len; t += 30) {
        pathEllipse(cr, vertical ? w / 2.0 : t, vertical ? t : h / 2.0, 9, 9);
        fillShaded(cr, hex(0x4A3424), 1.5, 0.3);
    }
    cairo_new_path(cr);
    if (vertical) {
        cairo_rectangle(cr, 0, 0, 4, h);
        cairo_rectangle(cr, w - 4, 0, 4, h);
    } else {
        cairo_rectangle(cr, 0, 0, w, 4);
        cairo_rectangle(cr, 0, h - 4, w, 4);
    }
    setColor(cr, hex(pal::brass));
    cairo_fill(cr);
    return screen(name, c);
}

Picture startMarker()
{
    Canvas c(567, 63);
    cairo_t* cr = c.cr();
    for (int n = 0; n < 9; ++n)
        inCell(cr, n, 0, 63, 63, [&] {
            const double r = 16 + n * 1.6;
            cairo_new_path(cr);
            for (int i = 0; i < 16; ++i) {
                const double a = i * kTau / 16 + n * 0.08;
                const double rr = i % 2 ? r : r + 6;
                cairo_line_to(cr, 31.5 + std::cos(a) * rr, 31.5 + std::sin(a) * rr);
            }
            cairo_close_path(cr);
            cairo_new_sub_path(cr);
            cairo_arc_negative(cr, 31.5, 31.5, 16.5, 0, -kTau);
            fillShaded(cr, mix(hex(pal::glow), hex(0xFF7A2E), n / 8.0), 2, 0.3);
        });
    Picture p{file(P::StartMarker), c.keyed(kKeyBlack), kKeyBlack, Format::Bmp, 63, 63, {}};
    return p;
}

Picture difficultyDialog()
{
    Canvas c(375, 507);
    cairo_t* cr = c.cr();
    drawWoodPlate(cr, 0, 0, 358, 358, false, 20);
    drawParchment(cr, 22, 22, 314, 314);
    static const std::uint32_t colors[3] = {0xE2384A, 0xF2C230, 0x7CC850};
    for (int i = 0; i < 3; ++i) {
        const double x = 125.0 * i;
        cairo_save(cr);
        cairo_rectangle(cr, x, 359, 125, 91);
        cairo_clip(cr);
        // A rope end with a tag showing how many enemies to expect.
        cairo_new_path(cr);
        cairo_move_to(cr, x + 125, 359 + 45);
        cairo_line_to(cr, x + 50, 359 + 45);
        setColor(cr, hex(0x8E6F2A));
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        pathRoundRect(cr, x + 6, 359 + 16, 56, 60, 10);
        fillShaded(cr, hex(colors[i]), 2.5, 0.3);
        drawScrew(cr, x + 52, 359 + 45, 3);
        for (int s = 0; s < 3 - i; ++s) {
            cairo_save(cr);
            cairo_translate(cr, x + 12 + s * 10, 359 + 30);
            cairo_scale(cr, 0.5, 0.5);
            drawStalker(cr, 0, true, 0);
            cairo_restore(cr);
        }
        cairo_restore(cr);
    }
    drawWoodPlate(cr, 0, 450, 239, 57, false, 12);
    drawCaption(cr, Face::Round, 24, "CHOOSE DIFFICULTY", 119.5, 478, 210, hex(pal::glow), hex(pal::outline), 2);
    Picture p{file(P::Difficulty), c.keyed(kKeyCyan), kKeyCyan, Format::Bmp, 0, 0, {}};
    p.regions = {{"panel", 0, 0, 358, 358}, {"side0", 0, 359, 125, 91}, {"side1", 125, 359, 125, 91},
                 {"side2", 250, 359, 125, 91}, {"title", 0, 450, 239, 57},
                 {"LC00", 29, 8, 300, 100}, {"LC01", 29, 121, 300, 100}, {"LC02", 29, 230, 300, 100}};
    return p;
}

// The options: the sound board on the right; on the left the display board, Brannok under its
// lantern, and the Main Menu and Controls buttons side by side at y 386 below him.
Picture optionsBackground()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 41, hex(0x80B0FF));
    signBoard(cr, 250, 8, 300, 62, "OPTIONS", 42);
    drawWoodPlate(cr, 370, 75, 415, 440, false, 18);
    pathRoundRect(cr, 384, 89, 387, 412, 12);
    setColor(cr, hex(0x24180F));
    cairo_fill(cr);
    // The display switches' board (check boxes at (44, 110) and (44, 168)).
    drawWoodPlate(cr, 24, 90, 330, 134, false, 16);
    pathRoundRect(cr, 36, 102, 306, 110, 10);
    setColor(cr, hex(0x24180F));
    cairo_fill(cr);
    // A lantern hanging from the board's lower edge lights Brannok.
    radialGlow(cr, 290, 276, 90, withAlpha(hex(0xFFC860), 0.35));
    cairo_new_path(cr);
    cairo_move_to(cr, 290, 224);
    cairo_line_to(cr, 290, 256);
    setColor(cr, hex(0x5A5F66));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    drawLantern(cr, 290, 264, 1.6, true);
    groundShadow(cr, 150, 378, 56);
    cairo_save(cr);
    cairo_translate(cr, 86, 250);
    cairo_scale(cr, 3.2, 3.2);
    drawBrannok(cr, {Heading::Right, true, BrannokAction::Idle, 0, 3});
    cairo_restore(cr);
    return screen(file(P::OptionsBackground), c);
}

// The Controls screen: its own title, and the board the action table is drawn on, rows from y 86
// to 463 and the message line at 494; its two buttons stand below the board at y 515, and Brannok
// with a game controller sits at the right end of that row.
Picture controlsBackground()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 47, hex(0x80B0FF));
    signBoard(cr, 250, 8, 300, 62, "CONTROLS", 42);
    drawWoodPlate(cr, 76, 68, 728, 446, false, 18);
    pathRoundRect(cr, 90, 76, 700, 430, 12);
    setColor(cr, hex(0x24180F));
    cairo_fill(cr);
    // Column rules between the action, key and controller columns.
    for (double x : {380.0, 510.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, 88);
        cairo_line_to(cr, x, 470);
        setColor(cr, hex(0x3A2A1A));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    groundShadow(cr, 660, 590, 48);
    cairo_save(cr);
    cairo_translate(cr, 610, 508);
    cairo_scale(cr, 2.1, 2.1);
    drawBrannok(cr, {Heading::Down, true, BrannokAction::Idle, 0, 0});
    cairo_restore(cr);
    return screen(file(P::ControlsBackground), c);
}

Picture optionGauges()
{
    Canvas c(82, 690);
    cairo_t* cr = c.cr();
    for (int n = 0; n < 10; ++n) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, 69 * n, 82, 69);
        cairo_clip(cr);
        cairo_translate(cr, 0, 69 * n);
        pathRoundRect(cr, 2, 4, 78, 61, 8);
        fillShaded(cr, hex(pal::woodDark), 2, 0.2);
        for (int b = 0; b < 10; ++b) {
            const double h = 8 + b * 4.2;
            pathRoundRect(cr, 7 + b * 7, 58 - h, 5.5, h, 1.5);
            fillShaded(cr, b <= n ? mix(hex(0x7CC850), hex(0xFF7A2E), b / 9.0) : hex(0x3A2A20), 1);
        }
        cairo_restore(cr);
    }
    Picture p{file(P::Gauges), c.keyed(kKeyBlack), kKeyBlack, Format::Bmp, 82, 69, {}};
    return p;
}

Picture hallOfFame()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 51, hex(0xFFD65A));
    signBoard(cr, 420, 14, 370, 80, "HALL OF FAME", 46);
    pathRoundRect(cr, 410, 104, 385, 382, 14);
    fillShaded(cr, hex(pal::wood), 2, 0.2);
    pathRoundRect(cr, 420, 110, 370, 370, 10);
    setColor(cr, hex(0x1A110A));
    cairo_fill(cr);
    for (int i = 0; i < 10; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 428, 146 + 36 * i);
        cairo_line_to(cr, 782, 146 + 36 * i);
        setColor(cr, hex(0x3A2A1A));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    // A trophy pile of gold on the left.
    for (int i = 0; i < 6; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 90 + (i % 3) * 70 + (i / 3) * 35, 300 - (i / 3) * 50);
        cairo_scale(cr, 2, 2);
        drawNugget(cr, i == 4 ? 0.4 : -1);
        cairo_restore(cr);
    }
    lanternAt(cr, 200, 120, hex(0));
    return screen(file(P::HallOfFame), c);
}

Picture helpBackground()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 61, hex(0xFFC860));
    signBoard(cr, 420, 10, 256, 70, "HELP", 44);
    drawWoodPlate(cr, 400, 85, 296, 405, false, 16);
    cairo_rectangle(cr, 420, 100, 256, 375);
    setColor(cr, hex(0x000000));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 110, 140);
    cairo_scale(cr, 5, 5);
    drawBrannok(cr, {Heading::Right, true, BrannokAction::Idle, 0, 1});
    cairo_restore(cr);
    return screen(file(P::HelpBackground), c);
}

Picture exitBackground()
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, 71, hex(0x80B0FF));
    signBoard(cr, 150, 30, 500, 160, "", 46);
    title(cr, "Do you really", 400, 82, 50, 440);
    title(cr, "want to quit?", 400, 140, 50, 440);
    for (double x : {171.0, 582.0}) {
        pathRoundRect(cr, x - 8, 216, 166, 96, 14);
        setColor(cr, hex(0x1A120C, 0.9));
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, 330, 330);
    cairo_scale(cr, 3.5, 3.5);
    drawBrannok(cr, {Heading::Down, true, BrannokAction::Idle, 0, 0});
    cairo_restore(cr);
    return screen(file(P::ExitBackground), c);
}

Picture gameOver(bool won)
{
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    caveBackdrop(cr, won ? 81 : 91, won ? hex(0xFFD65A) : hex(0xC23B3B));
    if (won) {
        for (int i = 0; i < 30; ++i) {
            const double y = 40 + (i * 53) % 300;
            if (y < 175 || y > 225) // keep the subtitle clear
                sparkle(cr, 40 + (i * 97) % 720, y, 4 + i % 5, hex(0xFFE680));
        }
        title(cr, "YOU WON!", 400, 120, 110, 640);
        drawCaption(cr, Face::Sketch, 30, "Every level of the set is dug out. Well done, Brannok!", 400, 200, 700, hex(pal::parchment), hex(pal::outline), 2);
        cairo_save(cr);
        cairo_translate(cr, 480, 230);
        cairo_scale(cr, 3.5, 3.5);
        drawBrannok(cr, {Heading::Down, true, BrannokAction::Walk, 0, 0}, BrannokStyle::Super);
        cairo_restore(cr);
    } else {
        title(cr, "GAME OVER", 400, 120, 110, 640);
        drawCaption(cr, Face::Sketch, 30, "The critters got you this time...", 400, 200, 700, hex(pal::parchment), hex(pal::outline), 2);
        // A grave on a mound in the middle of the cave: the stone, the digger's helmet left
        // against it with its lamp out, his pick stuck in the earth, a Stalker watching.
        groundMound(cr, 400, 300, 230, 75);
        cairo_new_path(cr);
        cairo_move_to(cr, 352, 318);
        cairo_line_to(cr, 352, 240);
        cairo_curve_to(cr, 352, 200, 448, 200, 448, 240);
        cairo_line_to(cr, 448, 318);
        cairo_close_path(cr);
        fillShaded(cr, hex(pal::stone), 4, 0.4);
        highlight(cr, 380, 236, 16, 10, 0.35);
        drawCaption(cr, Face::Round, 34, "RIP", 400, 262, 80, hex(0x3C4046), hex(0x3C4046), 0);
        cairo_new_path(cr);
        cairo_move_to(cr, 366, 292);
        cairo_line_to(cr, 434, 292);
        setColor(cr, hex(0x4F5963));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        groundShadow(cr, 470, 327, 34);
        cairo_save(cr);
        cairo_translate(cr, 472, 318);
        cairo_rotate(cr, 0.25);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 28, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        fillShaded(cr, hex(pal::helmet), 4);
        pathRoundRect(cr, -33, -3, 66, 9, 4);
        fillShaded(cr, darker(hex(pal::helmet), 0.15), 4);
        pathEllipse(cr, 22, -14, 8, 8);
        fillShaded(cr, hex(0x8A8670), 3);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, 300, 330);
        cairo_rotate(cr, -0.35);
        pathRoundRect(cr, -4, -95, 8, 95, 3);
        fillShaded(cr, hex(0x9C6A3A), 3);
        cairo_new_path(cr);
        cairo_move_to(cr, -34, -78);
        cairo_curve_to(cr, -12, -100, 12, -100, 34, -78);
        cairo_curve_to(cr, 12, -90, -12, -90, -34, -78);
        cairo_close_path(cr);
        fillShaded(cr, hex(0xA9B4BE), 3);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, 610, 220);
        cairo_scale(cr, 2.2, 2.2);
        drawStalker(cr, 0, false, 0.3);
        cairo_restore(cr);
    }
    return screen(won ? file(P::GameOverWon) : file(P::GameOverLost), c, Format::Jpeg, kKeyGreen);
}

Picture namePrompt()
{
    Canvas c(416, 158);
    cairo_t* cr = c.cr();
    for (int k = 0; k < 2; ++k) {
        const double y = 79.0 * k;
        drawWoodPlate(cr, 0, y, 416, 79, false, 12);
        drawCaption(cr, Face::Round, 22, "NEW HIGH SCORE!", 105, y + 26, 190, k ? hex(0x8FD0FF) : hex(pal::glow), hex(pal::outline), 1.5);
        drawCaption(cr, Face::Sketch, 20, "YOUR NAME:", 105, y + 54, 190, hex(pal::glowText), hex(pal::outline), 1.5);
        pathRoundRect(cr, 210, y + 12, 200, 56, 8);
        fillShaded(cr, hex(0xF4EAD0), 2, 0.08);
    }
    Picture p{file(P::NamePrompt), c.keyed(kKeyGreen), kKeyGreen, Format::Bmp, 0, 0, {}};
    p.regions = {{"lost", 0, 0, 416, 79}, {"won", 0, 79, 416, 79}, {"name", 215, 32, 190, 40}};
    return p;
}

} // namespace

void addMenuScreens(PictureList& out)
{
    out.push_back(logo());
    out.push_back(mainMenu());
    out.push_back(levelChoiceFrame());
    out.push_back(lockMark());
    out.push_back(levelDigits());
    out.push_back(magnifier());
    for (P id : {P::LevelSlideSeam, P::PackSlideSeam})
        out.push_back(seam(file(id), assets::pictureAsset(id).width, assets::pictureAsset(id).height));
    out.push_back(startMarker());
    out.push_back(difficultyDialog());
    out.push_back(optionsBackground());
    out.push_back(controlsBackground());
    out.push_back(optionGauges());
    out.push_back(hallOfFame());
    out.push_back(helpBackground());
    out.push_back(exitBackground());
    out.push_back(gameOver(false));
    out.push_back(gameOver(true));
    out.push_back(namePrompt());
}

} // namespace burrowix::mkdata
