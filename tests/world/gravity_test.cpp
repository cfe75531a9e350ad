#include "world/gravity.hpp"

#include <algorithm>
#include "world/weapons.hpp"

#include "rules_fixture.hpp"

namespace burrowix {
namespace {

using GravityTest = test::RulesTest;

TEST_F(GravityTest, AStoneCrushesOnlyAfterItHasMovedAndStopsAboveTheDigger)
{
    level({"##########",
           "#..O.....#",
           "#........#",
           "#........#",
           "#::::::::#",
           "##########",
           "##########"},
          3, 3);
    // One pass starts the fall, ten frames glide it down; the pass after it arrived crushes.
    frames(10);
    EXPECT_EQ(at(3, 2).kind, KindStone) << "the falling stone stops above the digger";
    EXPECT_EQ(digger().dead, 0);
    frame();
    EXPECT_EQ(digger().dead, 1);

    test::resetWorldState();
    app.frameClock = kStart;
    level({"##########",
           "#......O.#",
           "#........#",
           "#::::::::#",
           "##########",
           "##########"},
          7, 2);
    frames(60);
    EXPECT_EQ(digger().dead, 0) << "a stone resting on the digger's head does not hurt";
    EXPECT_EQ(at(7, 1).kind, KindStone);
}

TEST_F(GravityTest, StonesRollOffRoundedWallsByShapeLeftFirst)
{
    level({"#################",
           "#.O...O...O...O.#",
           "#.#...#...#...#.#",
           "#:::::::::::::::#",
           "#################",
           "#################"},
          1, 3);
    // Wall shapes under the stones: 3 flat, 0 rounded left, 2 rounded right, 1 round.
    at(2, 2).param = 3;
    at(6, 2).param = 0;
    at(10, 2).param = 2;
    at(14, 2).param = 1;
    frames(40);
    EXPECT_EQ(at(2, 1).kind, KindStone) << "flat wall";
    EXPECT_EQ(at(5, 2).kind, KindStone) << "shape 0 rolls left";
    EXPECT_EQ(at(11, 2).kind, KindStone) << "shape 2 rolls right";
    EXPECT_EQ(at(13, 2).kind, KindStone) << "shape 1 rolls left first";
    EXPECT_EQ(count(KindStone), 4);
}

TEST_F(GravityTest, NoStoneRollsUnderAnotherThatIsRollingIntoTheSameCorner)
{
    level({"#######",
           "#:::::#",
           "#::.O:#",
           "#::.O:#",
           "#::.O:#",
           "#:::#:#",
           "#######",
           "#######"},
          1, 1);
    gravityPass(w(), digger());
    EXPECT_EQ(at(3, 2).kind, KindStone) << "the upper stone rolls left off the middle one";
    EXPECT_EQ(at(3, 2).moving, 1);
    EXPECT_EQ(at(4, 3).kind, KindStone) << "the middle one must not roll under it";
    EXPECT_EQ(at(4, 3).moving, 0);
    frames(80);
    EXPECT_EQ(count(KindStone), 3);
}

TEST_F(GravityTest, ABombExplodesWhenItLandsAndAStoneSetsOffAMine)
{
    level({"#########",
           "#:b:::O:#",
           "#:.:::.:#",
           "#:::::m:#",
           "#:::::::#",
           "#########",
           "#########"},
          4, 4);
    frames(30);
    EXPECT_EQ(count(KindBomb), 0);
    EXPECT_EQ(at(2, 3).kind, KindEmpty) << "the earth under the bomb's landing place is blown away";
    EXPECT_EQ(at(1, 2).kind, KindEmpty);
    EXPECT_EQ(count(KindMine), 0) << "the stone landing on the mine sets it off";
    EXPECT_EQ(count(KindStone), 0) << "and is destroyed with it";
    EXPECT_EQ(at(6, 4).kind, KindEmpty);
    EXPECT_EQ(at(4, 1).kind, KindEarth) << "cells beyond both blasts stay";
}

TEST_F(GravityTest, ShotsAndMissilesFlyStraightAndActOnImpact)
{
    level({"############",
           "#::::::::::#",
           "#.........:#",
           "#:::::::::##",
           "#.........:#",
           "#::::::::::#",
           "############",
           "############"},
          1, 1);
    at(1, 2).makeKind(KindShot, DirRight);
    at(1, 4).makeKind(KindMissile, DirRight);
    frame();
    EXPECT_EQ(at(2, 2).kind, KindShot) << "a flying shot neither falls nor waits";
    frames(60);
    EXPECT_EQ(count(KindShot), 0);
    EXPECT_EQ(at(10, 2).kind, KindEmpty) << "the shot destroys the cell it hits";
    EXPECT_EQ(at(10, 1).kind, KindEarth) << "and nothing around it";
    EXPECT_EQ(at(9, 1).kind, KindEarth);
    EXPECT_EQ(count(KindMissile), 0);
    EXPECT_EQ(at(9, 5).kind, KindEmpty) << "the missile explodes around its last cell";
    EXPECT_EQ(at(9, 3).kind, KindEmpty);
    EXPECT_EQ(at(8, 5).kind, KindEmpty);
}

TEST_F(GravityTest, AThrownGrenadeRollsUntilBlockedThenExplodesEitherWay)
{
    for (Direction dir : {DirLeft, DirRight}) {
        test::resetWorldState();
        app.frameClock = kStart;
        level({"############",
               "#::::::::::#",
               "#..........#",
               "############",
               "############"},
              5, 2, 1);
        digger().direction = dir;
        const int ammo = theRecords.hallOfFame.ammunition[4];
        placeWeapon(w(), digger(), KindGrenade, dir);
        EXPECT_EQ(theRecords.hallOfFame.ammunition[4], ammo - 1);
        frames(120);
        EXPECT_EQ(count(KindGrenade), 0) << "direction " << dir;
        const int end = dir == DirLeft ? 1 : 10;
        EXPECT_EQ(at(end, 1).kind, KindEmpty) << "it blew up against the wall at the far end, direction " << dir;
        EXPECT_EQ(at(5, 1).kind, KindEarth) << "and nowhere on its way";
        EXPECT_EQ(digger().dead, 0);
    }
}

TEST_F(GravityTest, ATimeBombGoesOffAtTheFirstPassAfterThreeSeconds)
{
    level({"#######",
           "#:::::#",
           "#::.::#",
           "#:::::#",
           "#######",
           "#######"},
          1, 1);
    at(3, 2).makeKind(KindTimeBomb, DirLeft);
    app.frameClock = kStart + 3000;
    gravityPass(w(), digger());
    EXPECT_EQ(at(3, 2).kind, KindTimeBomb);
    app.frameClock = kStart + 3001;
    gravityPass(w(), digger());
    EXPECT_EQ(at(3, 2).kind, KindEmpty);
    EXPECT_EQ(at(4, 3).kind, KindEmpty);
}

TEST_F(GravityTest, TheFirstRowAndTheLastTwoRowsAreNeverMoved)
{
    level({"#O...#",
           "#....#",
           "#:...#",
           "#..O.#",
           "#....#"},
          2, 2);
    frames(30);
    EXPECT_EQ(at(1, 0).kind, KindStone);
    EXPECT_EQ(at(3, 3).kind, KindStone);
}

TEST_F(GravityTest, LandingSoundsPlayOnceWhenFallingContentStopsOrRollsOnEitherWay)
{
    std::vector<int> played;
    app.soundOn = app.soundAvailable = 1;
    theEffects.effectStoneFall = 5;
    theEffects.effectNuggetFall = 6;
    theEffects.player = [&](int handle, int) { played.push_back(handle); };
    level({"###########",
           "#:.O:::$::#",
           "#::..::.::#",
           "#::O.:::::#",
           "#:::::::::#",
           "###########",
           "###########"},
          9, 4);
    // The upper stone lands on the lower one and rolls right (earth on its left), then falls and
    // lands again; the nugget lands once; the lower stone never moved.
    frames(60);
    EXPECT_EQ(std::count(played.begin(), played.end(), 5), 2);
    EXPECT_EQ(std::count(played.begin(), played.end(), 6), 1);
    EXPECT_EQ(at(4, 3).kind, KindStone);
    EXPECT_EQ(at(3, 3).kind, KindStone);
}

} // namespace
} // namespace burrowix
