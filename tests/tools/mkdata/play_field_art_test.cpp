// The play field's pictures as the generator draws them: a brightness ladder in every theme, earth
// without large features, blasts whose cells join into one cloud, sprites without a light fringe,
// and one colour family per enemy kind.
#include "draw_kit.hpp"
#include "game_fonts.hpp"
#include "picture_groups.hpp"
#include "world/blast_drawing.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace burrowix::mkdata {
namespace {

double grey(Rgb p) { return 0.299 * p.r + 0.587 * p.g + 0.114 * p.b; }

// Mean grey level of the cell's visible pixels; the one-pixel drop shadow (darker than any
// outline) is not part of the object.
double objectValue(const Picture& p, int x0, int y0, int w = 40, int h = 40)
{
    double sum = 0;
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (const Rgb c = p.image.at(x, y); !(c == p.key) && grey(c) >= 20) {
                sum += grey(c);
                ++n;
            }
    return n ? sum / n : 0;
}

struct MeanColor {
    double r = 0, g = 0, b = 0;
};

// Mean colour of the cell's lit pixels (outline, shadow and dark shading left out).
MeanColor bodyColor(const Picture& p, int x0, int y0)
{
    MeanColor m;
    int n = 0;
    for (int y = y0; y < y0 + 40; ++y)
        for (int x = x0; x < x0 + 40; ++x)
            if (const Rgb c = p.image.at(x, y); !(c == p.key) && grey(c) >= 70) {
                m.r += c.r;
                m.g += c.g;
                m.b += c.b;
                ++n;
            }
    if (n)
        m = {m.r / n, m.g / n, m.b / n};
    return m;
}

const Picture& find(const PictureList& list, const std::string& name)
{
    for (const Picture& p : list)
        if (p.name == name)
            return p;
    ADD_FAILURE() << name << " not drawn";
    return list.front();
}

class PlayFieldArt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string error;
        auto fonts = makeGameFonts(error);
        ASSERT_TRUE(fonts) << error;
        ASSERT_TRUE(loadFaces(fonts->sketch.bytes, fonts->round.bytes));
        for (int t = 0; t < 3; ++t)
            themes_[t] = themePictures(t);
        addItemSheets(items_);
        addEnemySheets(enemies_);
        addSharedBackground(shared_);
    }
    static void TearDownTestSuite() { releaseFaces(); }

    static PictureList themes_[3], items_, enemies_, shared_;
};

PictureList PlayFieldArt::themes_[3], PlayFieldArt::items_, PlayFieldArt::enemies_, PlayFieldArt::shared_;

TEST_F(PlayFieldArt, EveryThemeKeepsTunnelEarthWallsAndGoldOnSeparateSteps)
{
    const double gold = objectValue(find(items_, file(P::Gold)), 19 * 40, 0);
    for (int t = 0; t < 3; ++t) {
        SCOPED_TRACE("theme " + std::to_string(t));
        const Picture& back = find(themes_[t], file(P::Background));
        const Picture& bands = find(themes_[t], file(P::BlockBackground));
        const Picture& grass = find(themes_[t], file(P::Earth));
        const Picture& wall = find(themes_[t], file(P::Wall));
        const Picture& stone = find(themes_[t], file(P::Stone));
        double tunnel = 0;
        for (int band = 0; band < 3; ++band)
            tunnel = std::max(tunnel, objectValue(back, 0, band * 200, 800, 200));
        for (int band = 0; band < 2; ++band)
            tunnel = std::max(tunnel, objectValue(bands, 0, band * 200, 800, 200));
        double earthLow = 255, earthHigh = 0;
        for (int m = 0; m < 5; ++m) {
            earthLow = std::min(earthLow, objectValue(grass, 0, 40 * m));
            earthHigh = std::max(earthHigh, objectValue(grass, 0, 40 * m));
        }
        double wallLow = 255;
        for (int c = 0; c < 4; ++c)
            wallLow = std::min(wallLow, objectValue(wall, 40 * c, 0));
        EXPECT_GT(earthLow - tunnel, 25) << "tunnels near-black below the earth";
        EXPECT_GT(wallLow - earthHigh, 12) << "walls lighter than every earth look";
        EXPECT_GT(gold - wallLow, 0) << "gold above the walls";
        // Stones share the walls' rung: clear of every earth look, below the gold.
        for (int m = 0; m < 5; ++m) {
            const double value = objectValue(stone, 0, 40 * m);
            EXPECT_GT(value - earthHigh, 12) << "stone look " << m;
            EXPECT_GT(gold - value, 25) << "stone look " << m;
        }
    }
}

TEST_F(PlayFieldArt, WallFindsStandOutFromTheRock)
{
    // Every decorated wall differs from the plain one by a bold shape: many pixels far from the
    // rock's grey, not a faint relief.
    for (int t = 0; t < 3; ++t) {
        const Picture& wall = find(themes_[t], file(P::Wall));
        for (int c = 4; c < 11; ++c) {
            int bold = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    bold += std::abs(grey(wall.image.at(40 * c + x, y)) - grey(wall.image.at(120 + x, y))) > 40;
            EXPECT_GT(bold, 150) << "theme " << t << " column " << c;
        }
    }
}

TEST_F(PlayFieldArt, EveryBackgroundBandKeepsItsThemesColourAndEmberGlows)
{
    // Looks 3 and 4 lie on the theme's own bands: their mean colour stays near the theme's other
    // bands and far from the other themes' and from the standard pack's neutral grey.
    auto mean = [](const Picture& p) {
        MeanColor m;
        for (int y = 0; y < p.image.height; ++y)
            for (int x = 0; x < p.image.width; ++x) {
                const Rgb c = p.image.at(x, y);
                m.r += c.r;
                m.g += c.g;
                m.b += c.b;
            }
        const double n = double(p.image.width) * p.image.height;
        return MeanColor{m.r / n, m.g / n, m.b / n};
    };
    auto distance = [](MeanColor a, MeanColor b) { return std::hypot(a.r - b.r, a.g - b.g, a.b - b.b); };
    const MeanColor neutral = mean(find(shared_, file(P::NeutralBlockBackground)));
    MeanColor own[3], extra[3];
    for (int t = 0; t < 3; ++t) {
        own[t] = mean(find(themes_[t], file(P::Background)));
        extra[t] = mean(find(themes_[t], file(P::BlockBackground)));
    }
    for (int t = 0; t < 3; ++t) {
        const double near = distance(extra[t], own[t]);
        EXPECT_LT(near, 8) << "theme " << t;
        EXPECT_GT(distance(extra[t], neutral), near) << "theme " << t;
        for (int u = 0; u < 3; ++u)
            if (u != t) {
                EXPECT_GT(distance(extra[t], own[u]), near) << "theme " << t << " against " << u;
            }
    }
    // Ember's cracks glow: white-hot cores and orange light round them, not dull red lines.
    int hot = 0, lit = 0;
    for (const Picture* p : {&find(themes_[2], file(P::Background)), &find(themes_[2], file(P::BlockBackground))})
        for (int y = 0; y < p->image.height; ++y)
            for (int x = 0; x < p->image.width; ++x) {
                const Rgb c = p->image.at(x, y);
                hot += c.r >= 250 && c.g >= 200;
                lit += c.r >= 70 && c.r > c.g + 30 && c.r < 250;
            }
    EXPECT_GT(hot, 200);
    EXPECT_GT(lit, 2 * hot) << "a halo round the cores";
}

TEST_F(PlayFieldArt, EarthIsAnEvenGrainWithoutFeaturesLargerThanAPebble)
{
    // Mean grey of every 8 x 8 block: veins, strata and large mottling make the blocks differ,
    // a fine grain does not.
    for (int t = 0; t < 3; ++t)
        for (int m = 0; m < 5; ++m) {
            const Picture& grass = find(themes_[t], file(P::Earth));
            double low = 255, high = 0;
            for (int by = 0; by < 5; ++by)
                for (int bx = 0; bx < 5; ++bx) {
                    const double v = objectValue(grass, bx * 8, 40 * m + by * 8, 8, 8);
                    low = std::min(low, v);
                    high = std::max(high, v);
                }
            EXPECT_LT(high - low, 14) << "theme " << t << " look " << m;
        }
}

TEST_F(PlayFieldArt, NoEarthPixelStandsOutOfTheGrain)
{
    // Every earth cell shows the same tile, so a point brighter or darker than the grain (an
    // ember, a glint) repeats on a 40-pixel lattice, 20 in the preview, that shows as the field
    // scrolls. The game's earth and the preview's keep every pixel near their look's mean.
    for (int t = 0; t < 3; ++t)
        for (const auto& [name, size] : {std::pair{file(P::Earth), 40}, std::pair{file(P::PreviewSprites), 20}}) {
            const Picture& sheet = find(themes_[t], name);
            for (int m = 0; m < 5; ++m) {
                const double mean = objectValue(sheet, 0, size * m, size, size);
                double far = 0;
                for (int y = size * m; y < size * m + size; ++y)
                    for (int x = 0; x < size; ++x)
                        far = std::max(far, std::abs(grey(sheet.image.at(x, y)) - mean));
                EXPECT_LT(far, 50) << name << " theme " << t << " look " << m;
            }
        }
}

// The pixel (x, y) of frame `frame` of the blast cell at place (across, down), as the game takes it.
Rgb blastPixel(const Picture& exp, int frame, int super, int across, int down, int x, int y)
{
    return exp.image.at(frame * 40 + x, (kBlastPlaceFirstRow + 2 * (4 * across + down) + super) * 40 + y);
}

TEST_F(PlayFieldArt, BlastCellsJoinIntoOneCloudWithoutASeam)
{
    // Neighbouring places of a blast (first-middle, middle-middle, middle-last, across and down)
    // meet edge to edge: the last pixel line of one runs on into the first of the next about as
    // smoothly as neighbouring lines inside a cell, and the fire does not stop at the seam.
    const Picture& exp = find(items_, file(P::Explosion));
    ASSERT_GE(exp.image.height, 40 * kBlastPlaceSheetRows);
    const std::pair<int, int> pairs[] = {{0, 1}, {1, 1}, {1, 2}};
    for (int frame = 1; frame <= 8; ++frame)
        for (int super = 0; super < 2; ++super)
            for (const auto& [a, b] : pairs)
                for (int other = 0; other < 4; ++other) {
                    SCOPED_TRACE("frame " + std::to_string(frame) + " super " + std::to_string(super) + " places " +
                                 std::to_string(a) + "," + std::to_string(b) + " other " + std::to_string(other));
                    for (int vertical = 0; vertical < 2; ++vertical) {
                        auto at = [&](int place, int x, int i) {
                            return vertical ? blastPixel(exp, frame, super, other, place, i, x)
                                            : blastPixel(exp, frame, super, place, other, x, i);
                        };
                        // Against the steps between the lines on either side of the seam.
                        double inside = 0, seam = 0;
                        int insideKeys = 0, seamKeys = 0;
                        auto differ = [&](Rgb p, Rgb q) { return (p == exp.key) != (q == exp.key); };
                        for (int i = 0; i < 40; ++i) {
                            inside += std::abs(grey(at(a, 38, i)) - grey(at(a, 39, i))) +
                                      std::abs(grey(at(b, 0, i)) - grey(at(b, 1, i)));
                            seam += std::abs(grey(at(a, 39, i)) - grey(at(b, 0, i)));
                            insideKeys += differ(at(a, 38, i), at(a, 39, i)) + differ(at(b, 0, i), at(b, 1, i));
                            seamKeys += differ(at(a, 39, i), at(b, 0, i));
                        }
                        EXPECT_LT(seam, 1.5 * inside + 4 * 40) << (vertical ? "down" : "across");
                        EXPECT_LE(seamKeys, insideKeys + 4) << (vertical ? "down" : "across");
                    }
                }
}

TEST_F(PlayFieldArt, AThreeByThreeBlastIsOneRoundCloud)
{
    // The nine cells put together: early on only the middle burns and the corner cells are empty;
    // at the height the fire reaches towards the middle of each outer side but leaves the corners
    // open, with a ragged outline; a cell alone never touches its own sides.
    const Picture& exp = find(items_, file(P::Explosion));
    ASSERT_GE(exp.image.height, 40 * kBlastPlaceSheetRows);
    auto solid = [&](int frame, int x, int y) { // (x, y) in the 120 x 120 cloud
        return !(blastPixel(exp, frame, 0, x / 40, y / 40, x % 40, y % 40) == exp.key);
    };
    auto count = [&](int frame, int x0, int y0, int w, int h) {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                n += solid(frame, x, y);
        return n;
    };
    EXPECT_GT(count(0, 40, 40, 40, 40), 400) << "the middle burns first";
    for (const auto& [cx, cy] : {std::pair{0, 0}, std::pair{80, 0}, std::pair{0, 80}, std::pair{80, 80}})
        EXPECT_EQ(count(0, cx, cy, 40, 40), 0) << "corner cell " << cx << ", " << cy;
    const int peak = 3;
    for (const auto& [cx, cy] : {std::pair{0, 0}, std::pair{100, 0}, std::pair{0, 100}, std::pair{100, 100}})
        EXPECT_LT(count(peak, cx, cy, 20, 20), 20) << "open corner " << cx << ", " << cy;
    EXPECT_GT(count(peak, 45, 10, 30, 10), 150) << "the top side's middle";
    EXPECT_GT(count(peak, 10, 45, 10, 30), 150) << "the left side's middle";
    EXPECT_GT(count(peak, 20, 20, 80, 80), 5600) << "a full body";
    // Along the top side the fire's first row wanders: no straight line.
    int shallow = 120, deep = 0;
    for (int x = 30; x < 90; ++x) {
        int depth = 0;
        while (depth < 60 && !solid(peak, x, depth))
            ++depth;
        shallow = std::min(shallow, depth);
        deep = std::max(deep, depth);
    }
    EXPECT_GE(shallow, 1);
    EXPECT_GE(deep - shallow, 4);
    for (int frame = 0; frame < 12; ++frame)
        for (int super = 0; super < 2; ++super)
            for (int i = 0; i < 40; ++i)
                for (const auto& [x, y] : {std::pair{i, 0}, std::pair{i, 39}, std::pair{0, i}, std::pair{39, i}})
                    ASSERT_EQ(blastPixel(exp, frame, super, 3, 3, x, y), exp.key) << "frame " << frame;
}

TEST_F(PlayFieldArt, BrannoksDeathShowsOnlyOnceTheFireHasPassed)
{
    // Row 6 lies over the blast in his cell: empty while the fire hides him, then his pose.
    const Picture& exp = find(items_, file(P::Explosion));
    ASSERT_GE(exp.image.height, 280);
    for (int f = 0; f < 12; ++f) {
        int drawn = 0;
        for (int y = 240; y < 280; ++y)
            for (int x = f * 40; x < f * 40 + 40; ++x)
                drawn += !(exp.image.at(x, y) == exp.key);
        if (f < 6)
            EXPECT_EQ(drawn, 0) << "frame " << f;
        else
            EXPECT_GT(drawn, 400) << "frame " << f;
    }
}

TEST_F(PlayFieldArt, SpritesCarryADarkShadowAndNoLightFringe)
{
    // The shadow sits below and right of a shape, never above it, and never in the next cell.
    Canvas c(80, 40);
    cairo_rectangle(c.cr(), 30, 10, 10, 10); // touches the cell's right edge
    cairo_set_source_rgb(c.cr(), 0.8, 0.2, 0.2);
    cairo_fill(c.cr());
    const Rgb shade{24, 16, 12};
    const Image img = c.keyedWithShadow(kKeyGreen, shade);
    EXPECT_EQ(img.at(35, 20), shade);
    EXPECT_EQ(img.at(35, 9), kKeyGreen);
    EXPECT_EQ(img.at(29, 15), kKeyGreen);
    EXPECT_EQ(img.at(40, 15), kKeyGreen) << "the next cell stays clear";
    // The play-field sheets have no pixel of the old beige fringe.
    for (const PictureList* list : {&items_, &enemies_, &themes_[1]})
        for (const Picture& p : *list)
            if (p.name != file(P::Background) && p.name != file(P::BlockBackground) && p.name != file(P::PreviewBackground)) {
                int fringe = 0;
                for (int y = 0; y < p.image.height; ++y)
                    for (int x = 0; x < p.image.width; ++x)
                        fringe += p.image.at(x, y) == Rgb{156, 132, 112};
                EXPECT_LT(fringe, 20) << p.name;
            }
}

TEST_F(PlayFieldArt, EachEnemyKindKeepsOneColourFamily)
{
    const Picture& crawlers = find(enemies_, file(P::Crawler));
    const Picture& more = find(enemies_, file(P::CrawlerSecondLook));
    const Picture& stalkers = find(enemies_, file(P::Stalker));
    // Crawler looks 0-3 and the hatchling: green above red.
    for (auto [pic, row] : {std::pair{&crawlers, 1}, {&crawlers, 6}, {&crawlers, 11}, {&more, 1}, {&more, 6}}) {
        const MeanColor c = bodyColor(*pic, 0, row * 40);
        EXPECT_GT(c.g, c.r + 25) << pic->name << " row " << row;
    }
    // Stalker looks 0-3: red above green and blue.
    for (int look = 0; look < 4; ++look) {
        const MeanColor c = bodyColor(stalkers, 0, look * 80);
        EXPECT_GT(c.r, c.g + 25) << "stalker look " << look;
        EXPECT_GT(c.r, c.b + 25) << "stalker look " << look;
    }
    // The hatching egg is cream (warm, light), unlike the green hatchling it turns into.
    const MeanColor egg = bodyColor(more, 0, 200);
    EXPECT_GT(egg.r, egg.b + 15);
    EXPECT_GT(0.299 * egg.r + 0.587 * egg.g + 0.114 * egg.b, 150);
}

} // namespace
} // namespace burrowix::mkdata
