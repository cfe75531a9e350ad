// The game's sprite sheets: the digger in three looks, the enemies, the collectibles and weapons.
#include "art.hpp"
#include "picture_groups.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "state/picture_tables.hpp"
#include "world/blast_drawing.hpp"
#include "world/cell_kind.hpp"

namespace burrowix::mkdata {
namespace {

// The file name of the sheet the game draws a kind from.
const char* spriteName(CellKind kind) { return kSpriteImageNames[std::size_t(kindSlot(kind))]; }

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
                pose.variant = 1;                 // without the digging's clods
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

// Wrapped value noise on a grid of `step` pixels (a divisor of 40), so a field made of it continues
// exactly into the neighbouring cell: the nine cells of a blast join into one cloud.
double cloudNoise(std::uint32_t seed, int step, double x, double y)
{
    const int n = 40 / step;
    auto node = [&](int i, int j) {
        std::uint32_t h = seed * 2654435761u ^ std::uint32_t(((i % n + n) % n) * 73856093) ^
                          std::uint32_t(((j % n + n) % n) * 19349663);
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        return (h & 0xFFFF) / 32767.5 - 1;
    };
    const double fx = x / step, fy = y / step;
    const int i = int(std::floor(fx)), j = int(std::floor(fy));
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - i), ty = smooth(fy - j);
    const double top = node(i, j) + (node(i + 1, j) - node(i, j)) * tx;
    const double bottom = node(i, j + 1) + (node(i + 1, j + 1) - node(i, j + 1)) * tx;
    return top + (bottom - top) * ty;
}

struct BlastColors {
    Color core, hot, mid, outer, ember, smoke, smokeDark;
};

BlastColors blastColors(bool magic)
{
    if (magic)
        return {hex(0xF4FBFF), hex(0xBFEFFF), hex(0x7FC4FF), hex(0x4A6CF0), hex(0x2E3C9C), hex(0x8A90C0), hex(0x4A4E78)};
    return {hex(0xFFF6C0), hex(0xFFD040), hex(0xFF8A20), hex(0xD8401E), hex(0x8A2A14), hex(0x7A726C), hex(0x443E3A)};
}

// A blast cell's place along one axis (0 first, 1 middle, 2 last of a run of blast cells, 3 alone)
// and the pixel's position in the whole cloud: -1 and 1 are the cloud's outer edges. A run of
// three spans the cloud; a cell alone holds a cloud of its own; longer runs repeat the middle.
double cloudPosition(int place, double p)
{
    switch (place) {
    case 0: return (p - 60) / 60;
    case 1: return (p - 20) / 60;
    case 2: return (p + 20) / 60;
    default: return (p - 20) / 20;
    }
}

// Near a side of the cell where the blast ends, the fire and smoke thin out to a ragged line whose
// depth wanders with the noise, so nothing reaches the side itself. `first` and `last` say which of
// the two sides along the axis are open; `distance` and `along` measure from the first side.
double openSides(bool first, bool last, double distance, double along, int frame, std::uint32_t seed)
{
    auto side = [&](double d, std::uint32_t s) {
        const double depth = std::clamp(8 + 7 * cloudNoise(s, 20, along, frame * 3.0) + 3 * cloudNoise(s + 5, 8, along, 0),
                                        3.0, 17.0);
        return std::clamp((depth - d) / depth, 0.0, 1.0);
    };
    return (first ? side(distance, seed) : 0) + (last ? side(40 - distance, seed + 6) : 0);
}

// One frame of a blast cell, painted pixel by pixel: the cell's piece of one cloud over the whole
// blast. The fire is a ball round the blast's centre, ragged by wrapped noise that runs on into
// the neighbouring cells: small at first, so the blast's corners are open early, then reaching the
// middle of its outer sides; it cools from the outside in, turns to smoke that drifts upwards and
// thins out. `across` and `down` are the cell's place in the blast (see cloudPosition); each place
// adds noise of its own away from the cell's sides, where no neighbour can see the difference.
void explosionFrame(cairo_t* cr, int frame, bool magic, int across, int down, int variant = 0)
{
    const BlastColors k = blastColors(magic);
    // How far the fire reaches (1: the middle of the blast's outer sides), how hot it still is and
    // how much smoke there is, per frame.
    static const double ball[12] = {0.3, 0.55, 0.8, 0.95, 1.0, 0.92, 0.82, 0.72, 0.62, 0.55, 0.5, 0.45};
    static const double heat[12] = {1.0, 1.0, 0.95, 0.85, 0.7, 0.5, 0.3, 0.12, 0, 0, 0, 0};
    static const double smokeAmount[12] = {0, 0, 0, 0.05, 0.25, 0.45, 0.6, 0.62, 0.5, 0.34, 0.18, 0.05};
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 40);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const double rise = frame * 1.5;
    const std::uint32_t own = std::uint32_t(40 + 4 * across + down + (magic ? 16 : 0) + 32 * variant);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            // 0 on the outermost pixels, so a place's own noise never shows at a seam.
            const double inner = std::sin(M_PI * x / 39.0) * std::sin(M_PI * y / 39.0);
            const double d = std::hypot(cloudPosition(across, px), cloudPosition(down, py));
            const double n = 0.6 * cloudNoise(11, 10, px, py + rise) + 0.4 * cloudNoise(23, 5, px, py + rise * 1.4) +
                             0.7 * inner * cloudNoise(own, 8, px, py);
            const double edge = openSides(across == 0 || across == 3, across >= 2, px, py, frame, 91) +
                                openSides(down == 0 || down == 3, down >= 2, py, px, frame, 103);
            const double fire = heat[frame] > 0 ? ball[frame] - d + 0.2 * n - 2.4 * edge : -1;
            Color c{0, 0, 0, 0};
            if (fire > 0) {
                // Hot where the field is strong, cooler towards its ragged edge and its holes.
                const double t = std::clamp(0.25 + fire * 2.2, 0.0, 1.0) * heat[frame];
                if (t > 0.75)
                    c = mix(k.hot, k.core, (t - 0.75) * 4);
                else if (t > 0.45)
                    c = mix(k.mid, k.hot, (t - 0.45) / 0.3);
                else if (t > 0.2)
                    c = mix(k.outer, k.mid, (t - 0.2) / 0.25);
                else
                    c = mix(k.ember, k.outer, t / 0.2);
                c.a = 1;
            }
            // Smoke: drifting puffs over the cooling fire and round it, one cloud over the blast.
            const double puff = cloudNoise(57, 10, px + frame * 0.8, py + frame * 3.0) * 0.7 +
                                cloudNoise(71, 5, px, py + frame * 3.5) * 0.3;
            // The smoke is round too; it rises with the noise, not with its outline, which would
            // open a seam between the middle cells of a tall chain of blasts.
            const double smoke = smokeAmount[frame] * 1.6 + puff * 0.5 - 1.2 * d - 1.6 * edge;
            if (smoke > 0 && (c.a == 0 || (heat[frame] < 0.6 && fire < 0.15))) {
                const double shade = std::clamp(0.5 + puff * 0.8, 0.0, 1.0);
                c = mix(k.smokeDark, k.smoke, shade);
                c.a = 1;
            }
            if (c.a == 0)
                continue;
            auto* p = reinterpret_cast<std::uint32_t*>(data + y * stride) + x;
            *p = 0xFF000000u | std::uint32_t(c.r * 255 + 0.5) << 16 | std::uint32_t(c.g * 255 + 0.5) << 8 |
                 std::uint32_t(c.b * 255 + 0.5);
        }
    cairo_surface_mark_dirty(s);
    cairo_save(cr);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
    if (magic && frame >= 2 && frame <= 8 && (across % 2 == 1) && (down % 2 == 1))
        for (int i = 0; i < 3; ++i) {
            const double a = i * 2.1 + frame * 0.9;
            sparkle(cr, 20 + std::cos(a) * 12, 20 + std::sin(a) * 10, 5 - (frame - 2) * 0.5, hex(0xFFFFFF));
        }
}

// Brannok's death, drawn over the blast in his own cell: nothing while the fire is at its height,
// then he shows through the thinning smoke, sooty and dazed, sitting with stars circling his
// helmet.
void deathFrame(cairo_t* cr, int frame)
{
    if (frame < 6)
        return;
    const double t = (frame - 6) / 5.0;
    cairo_push_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 20, 38);
    cairo_scale(cr, 1.04, 0.92); // slumped
    cairo_translate(cr, -20, -38);
    drawBrannok(cr, {Heading::Down, true, BrannokAction::Idle, 0, 0}); // eyes shut
    cairo_restore(cr);
    // Soot over the whole figure, lifting as the smoke clears.
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source_rgba(cr, 0.12, 0.1, 0.09, 0.72 - 0.4 * t);
    cairo_paint(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    for (int i = 0; i < 3; ++i) {
        const double a = frame * 0.9 + i * kTau / 3;
        sparkle(cr, 20 + std::cos(a) * 9, 5 + std::sin(a) * 2.5, 2.6, hex(0xFFE680));
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

// Play-field sprites get a dark one-pixel drop shadow that suits every theme's ground; effects and
// placeholders do not.
// `shadowCell` is the grid the shadow keeps to (20 where a sheet also holds 20-pixel pictures).
Picture& sheet(PictureList& out, const std::string& name, const Canvas& c, Rgb key, bool shadow = true,
               int shadowCell = 40)
{
    constexpr Rgb kSpriteShadow{24, 16, 12};
    return withGrid(
        addPicture(out, name, shadow ? c.keyedWithShadow(key, kSpriteShadow, shadowCell) : c.keyed(key), key), 40, 40);
}

} // namespace

void addDiggerSheets(PictureList& out)
{
    const std::pair<std::string, BrannokStyle> looks[] = {
        {file(P::Digger), BrannokStyle::Normal},
        {file(P::SuperDigger), BrannokStyle::Super},
        {file(P::HitDigger), BrannokStyle::Hit}};
    for (auto [name, style] : looks) {
        Canvas c(360, 800);
        diggerSheet(c.cr(), style);
        Picture& p = sheet(out, name, c, kKeyBlack, style != BrannokStyle::Hit, 20); // the preview digger is 20 px
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
        sheet(out, spriteName(KindCrawler), c, kKeyGreen);
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
        sheet(out, file(P::CrawlerSecondLook), c, kKeyGreen);
    }
    {
        Canvas c(400, 240);
        const std::pair<Heading, bool> rows[] = {{Heading::Left, false}, {Heading::Up, false}, {Heading::Right, true},
                                                 {Heading::Down, false}, {Heading::Up, true},  {Heading::Down, true}};
        for (int r = 0; r < 6; ++r)
            for (int f = 0; f < 10; ++f)
                inCell(c.cr(), f, r, [&] { drawWalker(c.cr(), rows[r].first, rows[r].second, f / 10.0); });
        sheet(out, spriteName(KindWalker), c, kKeyBlack);
    }
    {
        Canvas c(240, 320);
        for (int look = 0; look < 4; ++look)
            for (int f = 0; f < 6; ++f) {
                inCell(c.cr(), f, look * 2, [&] { drawStalker(c.cr(), look, false, f / 6.0); });
                inCell(c.cr(), f, look * 2 + 1, [&] { drawStalker(c.cr(), look, true, f / 6.0); });
            }
        sheet(out, spriteName(KindStalker), c, kKeyGreen);
    }
}

void addItemSheets(PictureList& out)
{
    {
        Canvas c(800, 40);
        for (int f = 0; f < 20; ++f)
            inCell(c.cr(), f, 0, [&] { drawNugget(c.cr(), f < 19 ? f / 18.0 : -1); });
        sheet(out, spriteName(KindGold), c, kKeyBlack);
    }
    {
        Canvas c(400, 40);
        for (int f = 0; f < 10; ++f)
            inCell(c.cr(), f, 0, [&] { drawBomb(c.cr(), f / 10.0); });
        sheet(out, spriteName(KindBomb), c, kKeyBlack);
    }
    {
        Canvas c(280, 40);
        for (int f = 0; f < 7; ++f)
            inCell(c.cr(), f, 0, [&] { drawMine(c.cr(), f); });
        sheet(out, spriteName(KindMine), c, kKeyBlack);
    }
    {
        Canvas c(80, 40);
        inCell(c.cr(), 0, 0, [&] { drawHeart(c.cr(), 1.0); });
        inCell(c.cr(), 1, 0, [&] { drawHeart(c.cr(), 1.18); });
        sheet(out, spriteName(KindHeart), c, kKeyBlack);
    }
    {
        Canvas c(240, 40);
        for (int f = 0; f < 6; ++f)
            inCell(c.cr(), f, 0, [&] { drawTnt(c.cr(), f); });
        sheet(out, spriteName(KindTnt), c, kKeyBlack);
    }
    {
        Canvas c(480, 40);
        for (int f = 0; f < 12; ++f)
            inCell(c.cr(), f, 0, [&] { drawGrenade(c.cr(), f / 12.0); });
        sheet(out, spriteName(KindGrenade), c, kKeyBlack);
    }
    {
        Canvas c(160, 120);
        shotSheet(c.cr());
        sheet(out, spriteName(KindShot), c, kKeyBlack, false);
    }
    {
        // The shared placeholder: read under a black and a green key for slots levels never use.
        Canvas c(640, 160);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 16; ++col)
                inCell(c.cr(), col, row, [&] {
                    drawText(c.cr(), Face::Round, 22, "?", 20, 28, Align::Center, hex(0x606060));
                });
        sheet(out, file(P::Placeholder), c, kKeyBlack, false);
    }
    {
        // Rows 0-5 whole cells for readers of the short sheet: the ordinary and the super-mode
        // blast, three times (a cell in the middle of a blast, in three shapes); row 6 Brannok's
        // death, drawn over the blast in his cell; rows 7-38 the cell's piece of one cloud by its
        // place in the blast, row 7 + 2 * (4 * across + down) + super (see kBlastPlaceFirstRow).
        Canvas c(480, 40 * kBlastPlaceSheetRows);
        for (int row = 0; row < 6; ++row)
            for (int f = 0; f < 12; ++f)
                inCell(c.cr(), f, row, [&] { explosionFrame(c.cr(), f, row % 2 == 1, 1, 1, row / 2); });
        for (int across = 0; across < 4; ++across)
            for (int down = 0; down < 4; ++down)
                for (int super = 0; super < 2; ++super)
                    for (int f = 0; f < 12; ++f)
                        inCell(c.cr(), f, kBlastPlaceFirstRow + 2 * (4 * across + down) + super,
                               [&] { explosionFrame(c.cr(), f, super == 1, across, down); });
        for (int f = 0; f < 12; ++f)
            inCell(c.cr(), f, 6, [&] { deathFrame(c.cr(), f); });
        sheet(out, file(P::Explosion), c, kKeyBlack, false);
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
        sheet(out, file(assets::kMineralSlots[type]), c, kKeyBlack);
    }
    const std::pair<std::string, int> boxes[] = {
        {file(P::MinesPickup), 1}, {file(P::ShotsPickup), 3}, {file(P::GrenadesPickup), 4}, {file(P::TntPickup), 6}};
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
        sheet(out, file(P::BottlePickup), c, kKeyBlack);
    }
}

} // namespace burrowix::mkdata
