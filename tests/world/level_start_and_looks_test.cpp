#include <gtest/gtest.h>

#include "platform/display/surface.hpp"
#include "state/screen_flow_state.hpp"
#include "support/drawn_world.hpp"
#include "world/cell_drawing.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"

namespace burrowix {
namespace {

class LevelStartAndLooks : public test::DrawnWorldTest {};

TEST_F(LevelStartAndLooks, DiggerPosesComeFromTheirColumns)
{
    thePictures.diggerPicture = test::indexSheet(9, 20);
    World& w = test::startWorld(test::levelFromMap(std::vector<std::string>(16, std::string(21, '.')), 3, 3));
    Digger& d = *world.theDigger;
    auto drawnSquare = [&] {
        Surface target(800, 600);
        diggerPictureStep(w, d, app.frameClock, gameScreen.frozen != 0);
        drawDigger(w, d, &target);
        return test::squareAt(target, d.viewCol * 40 + d.offsetX + 20, d.viewRow * 40 + d.offsetY + 20);
    };
    using P = std::pair<int, int>;
    d.direction = DirUp;
    d.facing = 1;
    d.frame = 5;
    d.halfStep = 1; // the glide's half step: the walk moves on and wraps at 6
    EXPECT_EQ(drawnSquare(), P(5, 0));
    EXPECT_EQ(d.halfStep, -1);
    d.pose = PoseDigging;
    d.frame = 13;
    d.halfStep = 1;
    EXPECT_EQ(drawnSquare(), P(5, 6));
    d.pose = PosePushing;
    d.direction = DirRight;
    d.frame = 14;
    d.halfStep = 2;
    EXPECT_EQ(drawnSquare(), P(8, 5)) << "the first push step wraps to frame 0, facing right from row 5";
    d.pose = PoseIdle;
    d.idleFrame = 2;
    EXPECT_EQ(drawnSquare(), P(6, 6));
    d.pose = PoseWalking;
    d.throwFrame = 1;
    d.direction = DirDown;
    d.frame = 2;
    d.halfStep = 3;
    EXPECT_EQ(drawnSquare(), P(4, 13));
    EXPECT_EQ(d.frame, 3) << "the walk moves on while the throw is shown";
    EXPECT_EQ(d.halfStep, -1);
}

TEST_F(LevelStartAndLooks, IdleAnimationStepsOnlyWhileIdleAndRunning)
{
    test::startWorld(test::levelFromMap(std::vector<std::string>(16, std::string(21, '.')), 3, 3));
    Digger& d = *world.theDigger;
    d.pose = PoseIdle;
    app.frameClock = 900; // more than 400 + 399 after 0
    diggerIdleStep(d, true);
    EXPECT_EQ(d.idleTime, 0u) << "not while frozen";
    diggerIdleStep(d, false);
    EXPECT_EQ(d.idleTime, 900u);
    EXPECT_TRUE(d.idleFrame == 1 || d.idleFrame == 3);
    const int frame = d.idleFrame;
    app.frameClock = 1000;
    diggerIdleStep(d, false);
    EXPECT_EQ(d.idleFrame, frame) << "too soon for the next idle frame";
}

TEST_F(LevelStartAndLooks, EyesFollowTheDiggerAndBlink)
{
    EXPECT_EQ(pupilShiftX(30), 0);
    EXPECT_EQ(pupilShiftX(31), 1);
    EXPECT_EQ(pupilShiftX(71), 2);
    EXPECT_EQ(pupilShiftX(500), 10);
    EXPECT_EQ(pupilShiftX(-50), 0);
    EXPECT_EQ(pupilShiftX(-51), -1);
    EXPECT_EQ(pupilShiftX(-231), -10);
    EXPECT_EQ(pupilShiftY(121), 4);
    EXPECT_EQ(pupilShiftY(-181), -7);
    EXPECT_EQ(pupilShiftY(1000), 7);

    EyeLids lids;
    // The first quick blink comes after 2000 ms: down to 0 and back to 3, one step per 25 ms.
    std::vector<int> seen;
    for (Ticks t = 0; t <= 2400; t += 10) {
        lids.step(t);
        if (seen.empty() || seen.back() != lids.lid)
            seen.push_back(lids.lid);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(lids.direction, DirLeft);
    // At 7000 ms the slow movement starts, turns the direction and closes the lids.
    for (Ticks t = 2410; t <= 7400; t += 10)
        lids.step(t);
    EXPECT_EQ(lids.lid, 0);
    EXPECT_EQ(lids.direction, DirUp);
}

TEST_F(LevelStartAndLooks, MagnifierDrawsTheFiveByFiveCellsAroundTheMouse)
{
    auto sheet = std::make_unique<Surface>(40 * 6, 40 * 6);
    for (int y = 0; y < sheet->height(); ++y)
        for (int x = 0; x < sheet->width(); ++x)
            sheet->setPixel(x, y, 0xABCDEF);
    thePictures.spriteImages[KindGold] = std::move(sheet);
    screenFlow.previewOriginX = 220;
    screenFlow.previewOriginY = 158;
    LevelFile f = test::levelFromMap(std::vector<std::string>(20, std::string(30, '.')), 2, 2);
    World& w = test::startWorld(f, 0, 20);
    ASSERT_EQ(w.viewX, 0);
    // Mouse at preview pixel (100, 100): cell (5 - 2, 5 - 2) = (3, 3), fraction 0.
    app.mouseX = 180 + 100;
    app.mouseY = 118 + 100;
    w.cellAt(3, 3)->kind = KindGold;
    w.cellAt(5, 5)->kind = KindGold;
    w.cellAt(6, 6)->kind = KindGold; // outside the 5 x 5 square
    app.cellSize = 20;
    Surface target(800, 600);
    drawMagnifier(w, world.theDigger.get(), &target, app.mouseX, app.mouseY);
    EXPECT_EQ(app.cellSize, 20);
    // (3, 3) is the middle cell: column offset 2 at mouse - 80 + 80.
    EXPECT_EQ(target.pixel(app.mouseX + 5, app.mouseY + 5), 0xABCDEFu);
    EXPECT_EQ(target.pixel(app.mouseX + 80 + 5 - 40, app.mouseY + 45), 0u);
    // (5, 5) is offset 4: drawn with width 2 x fx = 0, so not at all.
    EXPECT_EQ(target.pixel(app.mouseX + 85, app.mouseY + 85), 0u);
}

} // namespace
} // namespace burrowix
