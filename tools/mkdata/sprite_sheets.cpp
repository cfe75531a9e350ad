// The game's sprite sheets: the digger in three looks, the enemies, the collectibles and weapons.
#include "art.hpp"
#include "picture_groups.hpp"

#include <cmath>

namespace burrowix::mkdata {
namespace {

constexpr double kTau = 2 * M_PI;

void diggerSheet(cairo_t* cr, BrannokStyle style)
{
    struct Column {
        int col;
        Heading heading;
        bool faceRight;
    };
    const Column moving[] = {{0, Heading::Left, false}, {1, Heading::Up, false}, {2, Heading::Right, true},
                             {3, Heading::Down, false}, {5, Heading::Up, true},  {7, Heading::Down, true}};
    for (const Column& c : moving) {
        for (int row = 0; row < 14; ++row) {
            BrannokPose pose{c.heading, c.faceRight, BrannokAction::Walk, row / 6.0, 0};
            if (row >= 6) {
                pose.action = BrannokAction::Dig;
                pose.phase = (row - 6) / 8.0;
            }
            inCell(cr, c.col, row, [&] { drawBrannok(cr, pose, style); });
        }
    }
    // Throwing: pairs of rows per heading, arm back then arm forward.
    const Column throws[] = {{0, Heading::Left, false}, {2, Heading::Up, false}, {4, Heading::Right, true},
                             {6, Heading::Down, false}, {8, Heading::Up, true},  {12, Heading::Down, true}};
    for (const Column& t : throws)
        for (int sub = 0; sub < 2; ++sub) {
            BrannokPose pose{t.heading, t.faceRight, BrannokAction::Throw, 0, sub};
            if (t.heading == Heading::Up || t.heading == Heading::Down) {
                pose.action = BrannokAction::Dig; // arms up / out: the throw seen from behind or in front
                pose.phase = sub == 0 ? 0.75 : 0.25;
            }
            inCell(cr, 4, t.col + sub, [&] { drawBrannok(cr, pose, style); });
        }
    for (int row = 0; row < 8; ++row) {
        const BrannokPose pose{Heading::Right, row >= 4, BrannokAction::Idle, 0, row % 4};
        inCell(cr, 6, row, [&] { drawBrannok(cr, pose, style); });
    }
    for (int row = 0; row < 10; ++row) {
        const bool right = row >= 5;
        const int frame = row % 5;
        const BrannokPose pose{right ? Heading::Right : Heading::Left, right, BrannokAction::Push, frame / 5.0, 0};
        inCell(cr, 8, row, [&] { drawBrannok(cr, pose, style); });
        if (frame == 0) // the first push frame also sits where the push counter starts (rows 14, 19)
            inCell(cr, 8, right ? 19 : 14, [&] { drawBrannok(cr, pose, style); });
    }
    // The level preview's 20-pixel digger, in the top-left quarter of a cell no animation shows.
    inCell(cr, 16, 20, 20, 20, [&] { // (320, 400) of the 40-px grid: cell (8, 10)
        cairo_scale(cr, 0.5, 0.5);
        drawBrannok(cr, {Heading::Down, true, BrannokAction::Walk, 0, 0}, style);
    });
}

// A ragged flame outline around (cx, cy): the radius wobbles with a few harmonics whose phases
// come from the variant, so every variant burns in its own shape.
void flamePath(cairo_t* cr, double cx, double cy, double radius, int variant, double wobble)
{
    static const double phases[3][4] = {{0.3, 2.1, 4.0, 1.2}, {1.7, 0.4, 2.9, 5.1}, {3.1, 4.4, 0.9, 2.6}};
    const double* p = phases[variant % 3];
    cairo_new_path(cr);
    for (int i = 0; i <= 48; ++i) {
        const double a = i * kTau / 48;
        const double r = radius * (1 + wobble * (0.22 * std::sin(3 * a + p[0]) + 0.14 * std::sin(5 * a + p[1]) +
                                                 0.10 * std::sin(8 * a + p[2]) + 0.07 * std::sin(13 * a + p[3])));
        if (i == 0)
            cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        else
            cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_close_path(cr);
}

// One frame of a blast cell. The fireball grows until it fills the cell to its edges, so the cells
// of one blast merge into a single fire; then it breaks into tongues and outlined debris and fades
// into smoke that thins over the last frames. Variants 0-2 differ in shape so a chain is not a
// stamp.
void explosionFrame(cairo_t* cr, int frame, bool magic, int variant)
{
    const Color core = magic ? hex(0xF4FBFF) : hex(0xFFF6C0);
    const Color hot = magic ? hex(0xBFEFFF) : hex(0xFFD040);
    const Color mid = magic ? hex(0x7FC4FF) : hex(0xFF8A20);
    const Color outer = magic ? hex(0x4A6CF0) : hex(0xD8401E);
    const Color ember = magic ? hex(0x2E3C9C) : hex(0x8A2A14);
    const Color smoke = magic ? hex(0x7A80B0) : hex(0x6A625E);
    const Color smokeDark = magic ? hex(0x3C4068) : hex(0x3A3432);
    static const double outerR[12] = {13, 20, 25, 28, 28, 26, 23, 19, 13, 7, 0, 0};
    static const double midR[12] = {10, 15, 18, 19, 17, 14, 10, 6, 3, 0, 0, 0};
    static const double coreR[12] = {7, 10, 11, 10, 8, 5, 2.5, 0, 0, 0, 0, 0};
    const double cx = 20 + (variant - 1) * 1.5, cy = 21 - (variant == 2 ? 1.5 : 0);
    const double rise = frame >= 5 ? (frame - 4) * 1.6 : 0; // the fire climbs as it burns out
    if (frame <= 9) {
        flamePath(cr, cx, cy - rise * 0.5, outerR[frame], variant, 1.0);
        setColor(cr, frame >= 5 ? mix(outer, ember, std::min(1.0, (frame - 4) / 4.0)) : outer);
        cairo_fill(cr);
        // Tongues of flame licking upwards out of the fireball.
        if (frame >= 1 && frame <= 7)
            for (int i = 0; i < 3; ++i) {
                const double tx = cx + (i - 1) * 9 + (variant - 1) * 2 * (i - 1), base = cy - midR[frame] * 0.4 - rise;
                const double h = (6 + frame * 1.6) * (i == 1 ? 1.2 : 0.85) * (frame >= 6 ? 0.6 : 1);
                cairo_new_path(cr);
                cairo_move_to(cr, tx - 4.5, base);
                cairo_curve_to(cr, tx - 4, base - h * 0.6, tx + (i - 1) * 2, base - h * 0.8, tx + (i - 1) * 3, base - h);
                cairo_curve_to(cr, tx + 2, base - h * 0.6, tx + 4.5, base - h * 0.3, tx + 4.5, base);
                cairo_close_path(cr);
                setColor(cr, frame <= 4 ? hot : mid);
                cairo_fill(cr);
            }
        if (midR[frame] > 0) {
            flamePath(cr, cx, cy - rise, midR[frame], variant + 1, 1.2);
            setColor(cr, frame <= 6 ? mid : mix(mid, outer, 0.5));
            cairo_fill(cr);
        }
        if (coreR[frame] > 0) {
            flamePath(cr, cx - 1, cy - 1 - rise, coreR[frame], variant + 2, 0.9);
            setColor(cr, frame <= 2 ? core : mix(core, hot, (frame - 2) / 3.0));
            cairo_fill(cr);
        }
    }
    // Smoke billows in from the breaking fire and thins out: fewer, smaller, darker puffs.
    if (frame >= 4) {
        static const int puffs[12] = {0, 0, 0, 0, 2, 3, 5, 6, 6, 5, 3, 2};
        static const double size[12] = {0, 0, 0, 0, 4, 5.5, 7, 8, 7.5, 6, 4.5, 2.6};
        const double t = (frame - 4) / 7.0;
        for (int i = 0; i < puffs[frame]; ++i) {
            const double a = i * 2.4 + variant * 1.1;
            const double d = 6 + (i % 3) * 4 + t * 6;
            const double x = cx + std::cos(a) * d, y = cy - 4 + std::sin(a) * d * 0.7 - t * 8;
            const double r = size[frame] * (i % 2 ? 0.8 : 1.0);
            pathEllipse(cr, x, y, r, r * 0.85);
            setColor(cr, mix(smoke, smokeDark, t * 0.8));
            cairo_fill(cr);
            pathEllipse(cr, x - r * 0.3, y - r * 0.35, r * 0.45, r * 0.35);
            setColor(cr, lighter(mix(smoke, smokeDark, t * 0.8), 0.18));
            cairo_fill(cr);
        }
    }
    // Debris: outlined chunks thrown out of the fire, falling back as they fly.
    if (frame >= 4 && frame <= 9) {
        const double t = (frame - 3) / 6.0;
        const Color chunk = magic ? hex(0xD8F0FF) : hex(0x6E4A2A);
        for (int i = 0; i < 5; ++i) {
            const double a = i * kTau / 5 + variant * 0.7 + 0.3;
            const double d = 9 + t * 22;
            const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d - 10 * std::sin(t * M_PI) + t * t * 6;
            const double s = (i % 2 ? 2.6 : 3.6) * (1 - t * 0.3);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, a + t * 4);
            cairo_new_path(cr);
            cairo_move_to(cr, -s, -s * 0.6);
            cairo_line_to(cr, s * 0.4, -s);
            cairo_line_to(cr, s, s * 0.3);
            cairo_line_to(cr, -s * 0.2, s);
            cairo_close_path(cr);
            fillFlat(cr, chunk, 1.2);
            cairo_restore(cr);
        }
    }
    if (magic && frame >= 2 && frame <= 9)
        for (int i = 0; i < 3; ++i) {
            const double a = i * 2.1 + frame * 0.9 + variant;
            sparkle(cr, cx + std::cos(a) * 13, cy + std::sin(a) * 11, 5 - (frame - 2) * 0.4, hex(0xFFFFFF));
        }
}

void shotSheet(cairo_t* cr)
{
    static const double angles[] = {M_PI, -M_PI / 2, 0, M_PI / 2};
    for (int dir = 0; dir < 4; ++dir) {
        inCell(cr, dir, 0, [&] {
            cairo_translate(cr, 20, 20);
            cairo_rotate(cr, angles[dir]);
            cairo_translate(cr, -20, -20);
            drawShot(cr);
        });
        for (int row = 1; row <= 2; ++row)
            inCell(cr, dir, row, [&] {
                // Drawn for a shot flying right: a streak whose bright, wide end touches the
                // projectile (the cell's right edge) and tapers and dims towards the left.
                cairo_translate(cr, 20, 20);
                cairo_rotate(cr, angles[dir]);
                cairo_translate(cr, -20, -20);
                const double wiggle = row == 2 ? 1.2 : -1.2;
                const Color layers[3] = {hex(0x3A6A9A), hex(0x7FC8F0), hex(0xE8FAFF)};
                const double reach[3] = {2, 14, 26}, half[3] = {4.6, 3.0, 1.5};
                for (int l = 0; l < 3; ++l) {
                    cairo_new_path(cr);
                    cairo_move_to(cr, 41, 20 - half[l]);
                    cairo_curve_to(cr, 30, 20 - half[l], 20, 20 - half[l] * 0.5 + wiggle, reach[l] + (row == 2 ? 3 : 0), 20 + wiggle * 0.5);
                    cairo_curve_to(cr, 20, 20 + half[l] * 0.5 + wiggle, 30, 20 + half[l], 41, 20 + half[l]);
                    cairo_close_path(cr);
                    setColor(cr, layers[l]);
                    cairo_fill(cr);
                }
            });
    }
}

// Play-field sprites get the light rim on their outline; effects and placeholders do not.
Picture& sheet(PictureList& out, const std::string& name, const Canvas& c, Rgb key, bool rim = true)
{
    return withGrid(addPicture(out, name, rim ? c.keyedWithRim(key) : c.keyed(key), key), 40, 40);
}

} // namespace

void addDiggerSheets(PictureList& out)
{
    const std::pair<const char*, BrannokStyle> looks[] = {
        {"h1.bmp", BrannokStyle::Normal}, {"h1_.bmp", BrannokStyle::Super}, {"h1__.bmp", BrannokStyle::Hit}};
    for (auto [name, style] : looks) {
        Canvas c(360, 800);
        diggerSheet(c.cr(), style);
        Picture& p = sheet(out, name, c, kKeyBlack, style != BrannokStyle::Hit);
        if (style == BrannokStyle::Normal)
            p.regions.push_back({"preview", 320, 400, 20, 20});
    }
}

void addEnemySheets(PictureList& out)
{
    {
        Canvas c(640, 600);
        for (int look = 0; look < 3; ++look)
            for (int f = 0; f < 16; ++f) {
                inCell(c.cr(), f, look * 5, [&] { drawCrawlerFront(c.cr(), look, f / 16.0); });
                for (int h = 0; h < 4; ++h)
                    inCell(c.cr(), f, look * 5 + 1 + h, [&] { drawCrawler(c.cr(), look, Heading(h), f / 16.0); });
            }
        sheet(out, "enemy1.bmp", c, kKeyGreen);
    }
    {
        Canvas c(640, 280);
        for (int f = 0; f < 16; ++f) {
            inCell(c.cr(), f, 0, [&] { drawCrawlerFront(c.cr(), 3, f / 16.0); });
            for (int h = 0; h < 4; ++h)
                inCell(c.cr(), f, 1 + h, [&] { drawCrawler(c.cr(), 3, Heading(h), f / 16.0); });
        }
        for (int f = 0; f < 12; ++f)
            inCell(c.cr(), f, 5, [&] {
                cairo_t* cr = c.cr();
                if (f < 6) {
                    drawEgg(cr, std::sin(f * 1.9) * 0.12 * (f + 1) / 6, (f + 1) / 6.0);
                } else {
                    // The shell splits: the hatchling rises out of the lower half, the cap flies off.
                    const double t = (f - 6) / 5.0;
                    cairo_save(cr);
                    cairo_translate(cr, 0, 6 - t * 6);
                    cairo_translate(cr, 20, 27);
                    cairo_scale(cr, 0.6 + t * 0.4, 0.6 + t * 0.4);
                    cairo_translate(cr, -20, -27);
                    drawHatchling(cr, 0);
                    cairo_restore(cr);
                    cairo_save(cr);
                    cairo_rectangle(cr, 0, 26 + t * 4, 40, 14);
                    cairo_clip(cr);
                    drawEgg(cr, 0, 1);
                    cairo_restore(cr);
                    cairo_save(cr);
                    // The cap flies off sideways and stays inside the cell.
                    cairo_translate(cr, -t * 9, -t * 6);
                    cairo_translate(cr, 14, 14);
                    cairo_rotate(cr, -t * 0.9);
                    cairo_translate(cr, -14, -14);
                    cairo_rectangle(cr, 0, 0, 40, 18);
                    cairo_clip(cr);
                    if (t < 0.95)
                        drawEgg(cr, 0, 1);
                    cairo_restore(cr);
                }
            });
        for (int f = 0; f < 11; ++f)
            inCell(c.cr(), f, 6, [&] { drawHatchling(c.cr(), f / 11.0); });
        sheet(out, "enemy1_.bmp", c, kKeyGreen);
    }
    {
        Canvas c(400, 240);
        const std::pair<Heading, bool> rows[] = {{Heading::Left, false}, {Heading::Up, false}, {Heading::Right, true},
                                                 {Heading::Down, false}, {Heading::Up, true},  {Heading::Down, true}};
        for (int r = 0; r < 6; ++r)
            for (int f = 0; f < 10; ++f)
                inCell(c.cr(), f, r, [&] { drawWalker(c.cr(), rows[r].first, rows[r].second, f / 10.0); });
        sheet(out, "enemy2.bmp", c, kKeyBlack);
    }
    {
        Canvas c(240, 320);
        for (int look = 0; look < 4; ++look)
            for (int f = 0; f < 6; ++f) {
                inCell(c.cr(), f, look * 2, [&] { drawStalker(c.cr(), look, false, f / 6.0); });
                inCell(c.cr(), f, look * 2 + 1, [&] { drawStalker(c.cr(), look, true, f / 6.0); });
            }
        sheet(out, "enemy4.bmp", c, kKeyGreen);
    }
}

void addItemSheets(PictureList& out)
{
    {
        Canvas c(800, 40);
        for (int f = 0; f < 20; ++f)
            inCell(c.cr(), f, 0, [&] { drawNugget(c.cr(), f < 19 ? f / 18.0 : -1); });
        sheet(out, "gold.bmp", c, kKeyBlack);
    }
    {
        Canvas c(400, 40);
        for (int f = 0; f < 10; ++f)
            inCell(c.cr(), f, 0, [&] { drawBomb(c.cr(), f / 10.0); });
        sheet(out, "bomb.bmp", c, kKeyBlack);
    }
    {
        Canvas c(280, 40);
        for (int f = 0; f < 7; ++f)
            inCell(c.cr(), f, 0, [&] { drawMine(c.cr(), f); });
        sheet(out, "mine.bmp", c, kKeyBlack);
    }
    {
        Canvas c(80, 40);
        inCell(c.cr(), 0, 0, [&] { drawHeart(c.cr(), 1.0); });
        inCell(c.cr(), 1, 0, [&] { drawHeart(c.cr(), 1.18); });
        sheet(out, "heart.bmp", c, kKeyBlack);
    }
    {
        Canvas c(240, 40);
        for (int f = 0; f < 6; ++f)
            inCell(c.cr(), f, 0, [&] { drawTnt(c.cr(), f); });
        sheet(out, "tnt.bmp", c, kKeyBlack);
    }
    {
        Canvas c(480, 40);
        for (int f = 0; f < 12; ++f)
            inCell(c.cr(), f, 0, [&] { drawGrenade(c.cr(), f / 12.0); });
        sheet(out, "grenade.bmp", c, kKeyBlack);
    }
    {
        Canvas c(160, 120);
        shotSheet(c.cr());
        sheet(out, "sh.bmp", c, kKeyBlack, false);
    }
    {
        // The shared placeholder: read under a black and a green key for slots levels never use.
        Canvas c(640, 160);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 16; ++col)
                inCell(c.cr(), col, row, [&] {
                    drawText(c.cr(), Face::Round, 22, "?", 20, 28, Align::Center, hex(0x606060));
                });
        sheet(out, "tmp.bmp", c, kKeyBlack, false);
    }
    {
        // Rows 0-1 the ordinary and the super-mode blast; rows 2-5 the same in two other shapes.
        Canvas c(480, 240);
        for (int row = 0; row < 6; ++row)
            for (int f = 0; f < 12; ++f)
                inCell(c.cr(), f, row, [&] { explosionFrame(c.cr(), f, row % 2 == 1, row / 2); });
        sheet(out, "exp.bmp", c, kKeyBlack, false);
    }
}

void addMineralsAndPickups(PictureList& out)
{
    for (int type = 0; type < 6; ++type) {
        Canvas c(640, 80);
        for (int f = 0; f < 16; ++f) {
            inCell(c.cr(), f, 0, [&] { drawMineral(c.cr(), type, f / 16.0, false); });
            inCell(c.cr(), f, 1, [&] { drawMineral(c.cr(), type, f / 16.0, true); });
        }
        sheet(out, "points0" + std::to_string(type + 1) + ".bmp", c, kKeyBlack);
    }
    const std::pair<const char*, int> boxes[] = {
        {"10mines.bmp", 1}, {"10shots.bmp", 3}, {"10grenade.bmp", 4}, {"10tnt.bmp", 6}};
    for (auto [name, weapon] : boxes) {
        Canvas c(120, 40);
        for (int f = 0; f < 3; ++f)
            inCell(c.cr(), f, 0, [&] { drawAmmoBox(c.cr(), weapon, f == 0 ? 0 : (f == 1 ? 2.5 : 1.2)); });
        sheet(out, name, c, kKeyGreen);
    }
    {
        Canvas c(640, 40);
        for (int f = 0; f < 16; ++f)
            inCell(c.cr(), f, 0, [&] { drawBottle(c.cr(), f / 16.0); });
        sheet(out, "10kill.bmp", c, kKeyBlack);
    }
}

} // namespace burrowix::mkdata
