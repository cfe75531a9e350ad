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
        if (row == 6) {
            // Push-right frame 1 doubles as the level preview's digger: its top-left quarter holds a
            // small, complete digger; the push pose fills the rest of the cell.
            inCell(cr, 8, row, [&] {
                cairo_save(cr);
                cairo_new_path(cr);
                cairo_rectangle(cr, 0, 0, 40, 40);
                cairo_rectangle(cr, 20, 0, -20, 20);
                cairo_clip(cr);
                drawBrannok(cr, pose, style);
                cairo_restore(cr);
                cairo_save(cr);
                cairo_rectangle(cr, 0, 0, 20, 20);
                cairo_clip(cr);
                cairo_scale(cr, 0.5, 0.5);
                drawBrannok(cr, {Heading::Down, true, BrannokAction::Walk, 0, 0}, style);
                cairo_restore(cr);
            });
        } else {
            inCell(cr, 8, row, [&] { drawBrannok(cr, pose, style); });
        }
        if (frame == 0) // the first push frame also sits where the push counter starts (rows 14, 19)
            inCell(cr, 8, right ? 19 : 14, [&] { drawBrannok(cr, pose, style); });
    }
}

void explosionFrame(cairo_t* cr, int frame, bool magic)
{
    const Color core = magic ? hex(0xF0FAFF) : hex(0xFFF6C0);
    const Color mid = magic ? hex(0x8FD8FF) : hex(0xFFB02E);
    const Color outer = magic ? hex(0x4A6CF0) : hex(0xD8401E);
    const Color smoke = magic ? hex(0x6A70A0) : hex(0x5A5250);
    if (frame <= 4) {
        // A fireball that grows, with a ragged rim.
        const double r = 7 + frame * 3.2;
        cairo_new_path(cr);
        for (int i = 0; i <= 16; ++i) {
            const double a = i * kTau / 16;
            const double rr = r * (i % 2 ? 0.82 : 1.0);
            if (i == 0)
                cairo_move_to(cr, 20 + std::cos(a) * rr, 20 + std::sin(a) * rr);
            else
                cairo_line_to(cr, 20 + std::cos(a) * rr, 20 + std::sin(a) * rr);
        }
        cairo_close_path(cr);
        setColor(cr, outer);
        cairo_fill(cr);
        pathEllipse(cr, 20, 20, r * 0.72, r * 0.72);
        setColor(cr, mid);
        cairo_fill(cr);
        pathEllipse(cr, 19, 19, r * 0.42, r * 0.42);
        setColor(cr, core);
        cairo_fill(cr);
        return;
    }
    if (frame <= 8) {
        // Breaking up: flame tongues and flying debris.
        const double t = (frame - 5) / 4.0;
        for (int i = 0; i < 7; ++i) {
            const double a = i * kTau / 7 + frame * 0.3;
            const double d = 6 + t * 11;
            const double r = 6.5 - t * 3;
            const double x = 20 + std::cos(a) * d, y = 20 + std::sin(a) * d - t * 3;
            pathEllipse(cr, x, y, r, r);
            setColor(cr, mix(outer, smoke, t));
            cairo_fill(cr);
            pathEllipse(cr, x, y, r * 0.55, r * 0.55);
            setColor(cr, mix(mid, outer, t));
            cairo_fill(cr);
        }
        pathEllipse(cr, 20, 20 - t * 3, 8 - t * 4, 8 - t * 4);
        setColor(cr, mix(core, mid, t));
        cairo_fill(cr);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 1.3 + 0.4;
            const double d = 12 + t * 7;
            pathRoundRect(cr, 20 + std::cos(a) * d - 1.5, 20 + std::sin(a) * d - 1.5, 3, 3, 0.5);
            fillFlat(cr, magic ? hex(0xC8E8FF) : hex(0x6E4A2A), 1);
        }
        return;
    }
    // Smoke that thins out and rises; the last frame is almost empty.
    const double t = (frame - 9) / 2.0;
    const int puffs = frame == 11 ? 2 : 5 - (frame - 9);
    for (int i = 0; i < puffs; ++i) {
        const double a = i * kTau / 5 + 0.7;
        const double r = (5.5 - t * 2.2) * (i % 2 ? 0.8 : 1.0);
        pathEllipse(cr, 20 + std::cos(a) * (10 + t * 3), 17 + std::sin(a) * 8 - t * 5, r, r);
        setColor(cr, mix(smoke, hex(0x2A2420), t * 0.4));
        cairo_fill(cr);
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
                // Drawn for a shot flying right: the trail's bright end touches the projectile
                // (the cell's right edge) and fades towards the left.
                cairo_translate(cr, 20, 20);
                cairo_rotate(cr, angles[dir]);
                cairo_translate(cr, -20, -20);
                for (int i = 0; i < 7; ++i) {
                    const double x = 38 - i * 5.5 - (row == 2 ? 2.5 : 0);
                    const double r = 4.2 - i * 0.5;
                    const double y = 20 + ((i + row) % 2 ? 1.5 : -1.5) * (i / 3.0);
                    pathEllipse(cr, x, y, r, r * 0.8);
                    setColor(cr, mix(hex(0xBFF0FF), hex(0x3A6A9A), i / 6.0));
                    cairo_fill(cr);
                }
            });
    }
}

Picture& sheet(PictureList& out, const std::string& name, const Canvas& c, Rgb key)
{
    return withGrid(addPicture(out, name, c.keyed(key), key), 40, 40);
}

} // namespace

void addDiggerSheets(PictureList& out)
{
    const std::pair<const char*, BrannokStyle> looks[] = {
        {"h1.bmp", BrannokStyle::Normal}, {"h1_.bmp", BrannokStyle::Super}, {"h1__.bmp", BrannokStyle::Hit}};
    for (auto [name, style] : looks) {
        Canvas c(360, 800);
        diggerSheet(c.cr(), style);
        Picture& p = sheet(out, name, c, kKeyBlack);
        if (style == BrannokStyle::Normal)
            p.regions.push_back({"preview", 320, 240, 20, 20});
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
                    cairo_translate(cr, -t * 10, -t * 14);
                    cairo_translate(cr, 14, 14);
                    cairo_rotate(cr, -t * 1.2);
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
        sheet(out, "sh.bmp", c, kKeyBlack);
    }
    {
        // The shared placeholder: read under a black and a green key for slots levels never use.
        Canvas c(640, 160);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 16; ++col)
                inCell(c.cr(), col, row, [&] {
                    drawText(c.cr(), Face::Round, 22, "?", 20, 28, Align::Center, hex(0x606060));
                });
        sheet(out, "tmp.bmp", c, kKeyBlack);
    }
    {
        Canvas c(480, 80);
        for (int row = 0; row < 2; ++row)
            for (int f = 0; f < 12; ++f)
                inCell(c.cr(), f, row, [&] { explosionFrame(c.cr(), f, row == 1); });
        sheet(out, "exp.bmp", c, kKeyBlack);
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
