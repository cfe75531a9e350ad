#include <gtest/gtest.h>

#include "world/direction.hpp"

namespace burrowix {
namespace {

// Screen coordinates: x grows to the right, y grows downwards, so a quarter turn to the right
// takes up to right and right to down.
TEST(Direction, TheRotationTableAgreesWithTheStepsOnScreen)
{
    struct Row {
        Direction d;
        int dx, dy;
        Direction right;
    };
    const Row rows[] = {
        {DirLeft, -1, 0, DirUp},
        {DirUp, 0, -1, DirRight},
        {DirRight, 1, 0, DirDown},
        {DirDown, 0, 1, DirLeft},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.d));
        EXPECT_EQ(stepX(r.d), r.dx);
        EXPECT_EQ(stepY(r.d), r.dy);
        EXPECT_EQ(clockwise(r.d), r.right);
        EXPECT_EQ(anticlockwise(clockwise(r.d)), r.d);
        EXPECT_EQ(stepX(opposite(r.d)), -r.dx);
        EXPECT_EQ(stepY(opposite(r.d)), -r.dy);
        EXPECT_EQ(isHorizontal(r.d), r.dy == 0);
        EXPECT_EQ(isVertical(r.d), r.dx == 0);
        EXPECT_EQ(towardsOrigin(r.d), r.dx + r.dy < 0);
        // A quarter turn is perpendicular to where it started.
        EXPECT_EQ(stepX(r.d) * stepX(clockwise(r.d)) + stepY(r.d) * stepY(clockwise(r.d)), 0);
    }
}

TEST(Direction, CodesOutsideTheFourAreNoDirectionAndGoNowhere)
{
    for (int code : {-1, 4, 17, -1000}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(toDirection(code), DirNone);
    }
    EXPECT_EQ(toDirection(2), DirRight);
    EXPECT_EQ(stepX(DirNone), 0);
    EXPECT_EQ(stepY(DirNone), 0);
    EXPECT_EQ(opposite(DirNone), DirNone);
    EXPECT_EQ(clockwise(DirNone), DirNone);
    EXPECT_FALSE(isHorizontal(DirNone) || isVertical(DirNone));
}

} // namespace
} // namespace burrowix
