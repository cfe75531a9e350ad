#include <gtest/gtest.h>

#include "platform/display/surface.hpp"
#include "support/drawn_world.hpp"
#include "world/cell_animation.hpp"
#include "world/blast_drawing.hpp"
#include "world/cell_drawing.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"

namespace burrowix {
namespace {

using test::indexSheet;
using test::squareAt;

class CellDrawingTest : public test::DrawnWorldTest {
protected:
    void SetUp() override
    {
        DrawnWorldTest::SetUp();
        loadCellSheets();
    }

    // Draws a single cell of the given kind at screen (0, 0) and returns the square drawn there.
    std::pair<int, int> drawn(Cell c, int px = 0, int py = 0)
    {
        Surface target(800, 600);
        c.draw(px, py, c.kind, Rect{0, 0, app.cellSize, app.cellSize}, &target, app.cellSize);
        return squareAt(target, px + 1, py + 1);
    }
};

TEST_F(CellDrawingTest, SourceSquaresPerKind)
{
    gameScreen.frozen = 1;
    world.theWorld = std::make_unique<World>();
    world.theWorld->levelIndex = 7; // look 2
    using P = std::pair<int, int>;
    Cell c;
    c.kind = KindEarth;
    EXPECT_EQ(drawn(c), P(0, 2));
    c.kind = KindStone;
    c.frame = 3;
    EXPECT_EQ(drawn(c), P(3, 2));
    c.param = 1;
    EXPECT_EQ(drawn(c), P(3, 5));
    c = Cell{};
    c.kind = KindWall;
    c.param = 3;
    c.variant = 4;
    EXPECT_EQ(drawn(c), P(7, 0));
    c = Cell{};
    c.kind = KindGold;
    c.frame = 35;
    EXPECT_EQ(drawn(c), P(19, 0));
    c = Cell{};
    c.kind = KindCrawler;
    c.param = 1;
    c.direction = DirRight;
    c.frameB = 4;
    EXPECT_EQ(drawn(c), P(4, 8));
    c.param = 4;
    c.frame = 9;
    EXPECT_EQ(drawn(c), P(9, 6));
    c = Cell{};
    c.kind = KindWalker;
    c.facing = DirRight;
    c.direction = DirUp;
    EXPECT_EQ(drawn(c), P(0, 4));
    c.facing = DirLeft;
    EXPECT_EQ(drawn(c), P(0, 1));
    c = Cell{};
    c.kind = KindStalker;
    c.param = 2;
    c.facing = DirRight;
    EXPECT_EQ(drawn(c), P(0, 5));
    c = Cell{};
    c.kind = KindMineral;
    c.param = 4;
    c.variant = 1;
    c.frame = 6;
    EXPECT_EQ(drawn(c), P(6, 1));
    c = Cell{};
    c.kind = KindEgg;
    c.frame = 2;
    EXPECT_EQ(drawn(c), P(2, 5));
    c = Cell{};
    c.kind = KindLooseEarth;
    EXPECT_EQ(drawn(c), P(5, 0));
    for (std::int32_t nothing : {4, 22, 17, 21, 40, -3}) {
        c = Cell{};
        c.kind = nothing;
        EXPECT_EQ(drawn(c), P(-1, -1)) << nothing;
    }
    // Out-of-range parameters index nothing.
    c = Cell{};
    c.kind = KindMineral;
    c.param = 25;
    EXPECT_EQ(drawn(c), P(-1, -1));
}

TEST_F(CellDrawingTest, ShotTrailAndTimeBomb)
{
    gameScreen.frozen = 1;
    using P = std::pair<int, int>;
    Surface target(800, 600);
    Cell shot;
    shot.kind = KindShot;
    shot.direction = DirLeft;
    shot.shotPose = 1;
    shot.draw(200, 200, KindShot, Rect{0, 0, 40, 40}, &target, 40);
    EXPECT_EQ(squareAt(target, 201, 201), P(0, 0));
    EXPECT_EQ(squareAt(target, 241, 201), P(0, 2)) << "the trail lies behind a shot flying left";

    // A time bomb's frame follows its age in the step before the picture.
    Cell bomb;
    bomb.kind = KindTimeBomb;
    bomb.armedTime = 1000;
    for (const auto& [now, column] : {std::pair{1150u, 0}, {2999u, 9}, {3999u, 14}, {4000u, 14}}) {
        CellMotion m;
        m.now = now;
        prepareCellPicture(bomb, m);
        EXPECT_EQ(drawn(bomb), P(column, 0)) << "at " << now;
    }
}

TEST_F(CellDrawingTest, PreviewUsesTheSmallSheet)
{
    app.cellSize = 20;
    world.theWorld = std::make_unique<World>();
    world.theWorld->levelIndex = 3;
    using P = std::pair<int, int>;
    Cell c;
    c.kind = KindStone;
    EXPECT_EQ(drawn(c), P(1, 3));
    c.kind = KindEgg;
    EXPECT_EQ(drawn(c), P(1, 0));
    c.kind = KindWeaponPickup;
    c.param = 6;
    EXPECT_EQ(drawn(c), P(15, 6));
    c.kind = KindEmpty;
    EXPECT_EQ(drawn(c), P(-1, -1));
}

TEST_F(CellDrawingTest, RenderClipsAtTheEdgesAndPlaysTheExplosion)
{
    gameScreen.frozen = 0;
    World& w = test::startWorld(test::levelFromMap(std::vector<std::string>(20, std::string(30, ':')), 10, 10));
    Surface target(800, 600);
    // A cell gliding in from above the view's top row shows its lower part at the top edge.
    Cell& c = *w.cellAt(12, w.viewY);
    c.offsetY = -25;
    drawCell(w, c, world.theDigger.get(), &target);
    const int x = (c.x - w.viewX) * 40;
    EXPECT_EQ(squareAt(target, x + 5, 0), std::make_pair(0, 0));
    EXPECT_EQ(squareAt(target, x + 5, 14), std::make_pair(0, 0));
    EXPECT_EQ(squareAt(target, x + 5, 15), std::make_pair(-1, -1));

    Cell& e = *w.cellAt(14, 12);
    e.kind = KindEmpty;
    e.exploding = 1;
    e.blastShown = 1;
    e.blastFrame = 0;
    app.frameClock = 1000;
    CellMotion m;
    m.running = true;
    m.now = app.frameClock;
    Surface t2(800, 600);
    drawCell(w, e, world.theDigger.get(), &t2);
    blastStep(e, m, false);
    EXPECT_EQ(squareAt(t2, (e.x - w.viewX) * 40 + 3, (e.y - w.viewY) * 40 + 3), std::make_pair(-1, -1))
        << "column -1 draws nothing";
    EXPECT_EQ(e.blastFrame, 1);
    int frames = 0;
    while (e.exploding && frames < 20) {
        app.frameClock += 41;
        m.now = app.frameClock;
        Surface t3(800, 600);
        drawCell(w, e, world.theDigger.get(), &t3);
        blastStep(e, m, false);
        if (e.exploding) {
            EXPECT_EQ(squareAt(t3, (e.x - w.viewX) * 40 + 3, (e.y - w.viewY) * 40 + 3).first, e.blastFrame - 2);
        }
        ++frames;
    }
    EXPECT_EQ(frames, 12);
    EXPECT_EQ(e.blastShown, 0);
}

TEST_F(CellDrawingTest, EachBlastCellShowsThePieceOfTheCloudAtItsPlaceInTheBlast)
{
    // A 3 x 3 blast and a lone blast cell beside a wall, with a 39-row sheet: each cell takes the
    // row of its place across and down (0 first, 1 middle, 2 last, 3 alone), row 7 + 2 * (4 *
    // across + down); frame 2 is column 1.
    gameScreen.frozen = 0;
    World& w = test::startWorld(test::levelFromMap(std::vector<std::string>(20, std::string(30, ':')), 3, 3));
    thePictures.explosionPicture = indexSheet(12, kBlastPlaceSheetRows);
    auto blast = [&](int x, int y) {
        Cell& c = *w.cellAt(x, y);
        c.kind = KindEmpty;
        c.exploding = 1;
        c.blastShown = 1;
        c.blastFrame = 2;
    };
    for (int y = 11; y <= 13; ++y)
        for (int x = 13; x <= 15; ++x)
            blast(x, y);
    blast(18, 12);
    w.cellAt(18, 11)->exploding = 1; // a cell whose blast has not shown yet does not join it
    Surface target(800, 600);
    for (int y = 11; y <= 13; ++y)
        for (int x = 13; x <= 18; ++x)
            drawCell(w, *w.cellAt(x, y), world.theDigger.get(), &target);
    auto rowAt = [&](int x, int y) {
        const Cell& c = *w.cellAt(x, y);
        const auto square = squareAt(target, (c.x - w.viewX) * 40 + 5, (c.y - w.viewY) * 40 + 5);
        EXPECT_EQ(square.first, 1) << x << ", " << y;
        return square.second;
    };
    auto row = [](int across, int down) { return 7 + 2 * (4 * across + down); };
    EXPECT_EQ(rowAt(13, 11), row(0, 0)) << "top-left corner";
    EXPECT_EQ(rowAt(14, 11), row(1, 0)) << "top edge";
    EXPECT_EQ(rowAt(14, 12), row(1, 1)) << "middle";
    EXPECT_EQ(rowAt(15, 13), row(2, 2)) << "bottom-right corner";
    EXPECT_EQ(rowAt(13, 13), row(0, 2)) << "bottom-left corner";
    EXPECT_EQ(rowAt(18, 12), row(3, 3)) << "a cell alone";

    // The digger's own blasts take the row below, and a seven-row sheet draws whole cells as before.
    w.cellAt(14, 12)->blastRow = 1;
    drawCell(w, *w.cellAt(14, 12), world.theDigger.get(), &target);
    EXPECT_EQ(rowAt(14, 12), row(1, 1) + 1);
    thePictures.explosionPicture = indexSheet(12, 7);
    Surface plain(800, 600);
    const Cell& corner = *w.cellAt(15, 13);
    drawCell(w, corner, world.theDigger.get(), &plain);
    EXPECT_EQ(squareAt(plain, (corner.x - w.viewX) * 40 + 35, (corner.y - w.viewY) * 40 + 35).second, 2 * ((15 + 2 * 13) % 3));
}

TEST_F(CellDrawingTest, BackgroundBlocksPickTheirTileAndBandByLook)
{
    thePictures.spriteImages[21] = indexSheet(4, 3, 200);
    thePictures.spriteImages[25] = indexSheet(4, 2, 200);
    thePictures.interfaceImages[kPreviewBackgroundImage] = indexSheet(5, 1, 100);
    using P = std::pair<int, int>;
    for (int index : {1, 4}) {
        // Only the picture that should be used is there.
        thePictures.spriteImages[21] = index == 1 ? indexSheet(4, 3, 200) : nullptr;
        thePictures.spriteImages[25] = index == 4 ? indexSheet(4, 2, 200) : nullptr;
        world.theWorld = std::make_unique<World>();
        world.theWorld->levelIndex = index;
        world.backgroundOriginX = 2;
        world.backgroundOriginY = 0;
        world.backgroundScrollX = 30;
        world.backgroundScrollY = 0;
        BackgroundBlock b;
        b.picture = 2;
        Surface target(800, 600);
        // Block column 3 of a view whose background origin is block 2: 3 x 200 - 200 + 30 - 400 = 30.
        b.drawOnScreen(&target, 3, 1, nullptr);
        const auto at = squareAt(target, 35, 5);
        if (index == 1) {
            EXPECT_EQ(at, P(2, 1)) << "looks 0..2 use the theme background, band = look";
        } else {
            EXPECT_EQ(at, P(2, 1)) << "looks 3 and 4 use the second background, band = look - 3";
        }
        EXPECT_EQ(squareAt(target, 29, 5), P(-1, -1));
    }
    thePictures.spriteImages[21] = indexSheet(4, 3, 200);
    // The eyes block shows tile 0; in the preview every block shows the small square of the look.
    world.theWorld->levelIndex = 2;
    BackgroundBlock eyes;
    eyes.picture = kEyesPicture;
    Surface target(800, 600);
    eyes.drawOnScreen(&target, 3, 1, nullptr);
    EXPECT_EQ(squareAt(target, 35, 5), P(0, 2));
    world.theWorld->cellSize = 20;
    screenFlow.previewOriginX = 220;
    world.backgroundScrollX = 0;
    Surface preview(800, 600);
    eyes.drawOnScreen(&preview, 3, 1, nullptr);
    // 3 x 100 - 100 - 2 x 100 + 220 = 220.
    EXPECT_EQ(squareAt(preview, 225, 5), P(2, 0));
    EXPECT_EQ(squareAt(preview, 215, 5), P(-1, -1));
}

TEST_F(CellDrawingTest, GlidesRollStonesAndFlipShots)
{
    Cell stone;
    stone.kind = KindStone;
    stone.x = 5;
    stone.frame = 0;
    stone.startGlide(DirLeft, 40);
    EXPECT_EQ(stone.x, 4);
    EXPECT_EQ(stone.offsetX, 40);
    std::vector<int> frames;
    int steps = 0;
    while (stone.moving) {
        stone.glideStep();
        frames.push_back(stone.frame);
        ++steps;
    }
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(frames, (std::vector<int>{0, 4, 4, 3, 3, 2, 2, 1, 1, 0}));
    EXPECT_EQ(stone.arrived, 1);
    EXPECT_EQ(stone.lastDirection, DirLeft);

    Cell shot;
    shot.kind = KindShot;
    shot.y = 3;
    shot.startGlide(DirDown, 40);
    int shotSteps = 0;
    while (shot.moving) {
        shot.glideStep();
        ++shotSteps;
    }
    EXPECT_EQ(shotSteps, 5);
    EXPECT_EQ(shot.shotPose, 1) << "a vertical glide flips the pose once, at its end";

    Cell cleared = stone;
    cleared.clear(1);
    EXPECT_EQ(cleared.kind, KindStone);
    EXPECT_EQ(cleared.falls, 0);
    cleared.clear(0);
    EXPECT_EQ(cleared.kind, KindEmpty);
    Cell outside = stone;
    outside.x = outside.y = -1;
    outside.clear(0);
    EXPECT_EQ(outside.kind, KindStone);

    Cell made;
    made.moving = 1;
    made.makeKind(KindGrenade, DirRight);
    EXPECT_EQ(made.direction, DirRight);
    EXPECT_EQ(made.arrived, 1);
    EXPECT_EQ(made.moving, 1);
    made.makeKind(KindEarth, DirUp);
    EXPECT_EQ(made.kind, KindGrenade);
}

} // namespace
} // namespace burrowix
