// The play field's pictures as the generator draws them: a brightness ladder in every theme, earth
// without large features, blasts whose cells join into one cloud, sprites without a light fringe,
// and one colour family per enemy kind.
#include "draw_kit.hpp"
#include "game_fonts.hpp"
#include "picture_groups.hpp"

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

TEST_F(PlayFieldArt, BlastCellsJoinTheirNeighboursWithoutASeam)
{
    // Cells of one blast lie side by side in every pairing of variants; where the fire fills the
    // cell, a cell's right edge must run on into any variant's left edge about as smoothly as
    // neighbouring columns inside a cell do.
    const Picture& exp = find(items_, file(P::Explosion));
    auto step = [&](int xa, int ya, int xb, int yb) {
        double sum = 0;
        for (int i = 0; i < 40; ++i) {
            const Rgb a = exp.image.at(xa, ya + i), b = exp.image.at(xb, yb + i);
            sum += std::abs(grey(a) - grey(b));
        }
        return sum / 40;
    };
    for (int frame = 3; frame <= 7; ++frame)
        for (int magic = 0; magic < 2; ++magic) {
            double inside = 0;
            for (int x = 1; x < 40; ++x)
                inside += step(frame * 40 + x - 1, magic * 40, frame * 40 + x, magic * 40);
            inside /= 39;
            for (int a = 0; a < 3; ++a)
                for (int b = 0; b < 3; ++b) {
                    const int ya = (2 * a + magic) * 40, yb = (2 * b + magic) * 40;
                    EXPECT_LT(step(frame * 40 + 39, ya, frame * 40, yb), 2 * inside + 4)
                        << "frame " << frame << " magic " << magic << " variants " << a << "," << b;
                }
        }
}

TEST_F(PlayFieldArt, TheBlastsOutlineIsRaggedAtItsHeight)
{
    // At the peak frame the plain rows fill the cell to its edges; the rows with open sides end
    // before an open side at a depth that wanders (no straight line) and leave closed sides full.
    const Picture& exp = find(items_, file(P::Explosion));
    ASSERT_GE(exp.image.height, 1000);
    auto solid = [&](int x, int y) { return !(exp.image.at(x, y) == exp.key); };
    for (int frame : {3})
        for (int shape = 0; shape < 6; ++shape) {
            SCOPED_TRACE("frame " + std::to_string(frame) + " shape " + std::to_string(shape));
            const int x0 = frame * 40;
            int plainEdge = 0;
            for (int i = 0; i < 40; ++i)
                plainEdge += solid(x0 + i, shape * 40) + solid(x0, shape * 40 + i);
            EXPECT_GT(plainEdge, 70);
            // Top and bottom open: the depth of the fire below the top edge, column by column.
            const int y0 = (7 + shape) * 40;
            int shallow = 40, deep = 0, sideFull = 0;
            for (int i = 0; i < 40; ++i) {
                int depth = 0;
                while (depth < 20 && !solid(x0 + i, y0 + depth))
                    ++depth;
                shallow = std::min(shallow, depth);
                deep = std::max(deep, depth);
                sideFull += solid(x0, y0 + 20) && solid(x0 + 39, y0 + 20);
            }
            EXPECT_GE(shallow, 1) << "nothing on the open edge itself";
            EXPECT_GE(deep - shallow, 4) << "a ragged line, not a straight one";
            EXPECT_EQ(sideFull, 40) << "closed sides stay full to meet the neighbour";
        }
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
