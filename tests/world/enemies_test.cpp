#include "world/enemies.hpp"

#include <set>
#include <utility>

#include "world/egg_waking.hpp"
#include "rules_fixture.hpp"

namespace burrowix {
namespace {

using EnemiesTest = test::RulesTest;
using Position = std::pair<int, int>;

// Where the single enemy of a kind stands, or (-1, -1).
Position whereIs(World& w, std::int32_t kind)
{
    for (int i = 0; i < w.cellCount(); ++i)
        if (w.cells[std::size_t(i)].kind == kind)
            return {i % w.width, i / w.width};
    return {-1, -1};
}

TEST_F(EnemiesTest, ACrawlerFollowsTheWallsOfARoomAndNeverCrossesItsMiddle)
{
    level({"###########",
           "#c....#:::#",
           "#.....#:::#",
           "#.....#:::#",
           "#.....#:::#",
           "#.....#:::#",
           "###########",
           "###########"},
          8, 3);
    std::set<Position> visited;
    for (int f = 0; f < 600; ++f) {
        frame();
        visited.insert(whereIs(w(), KindCrawler));
    }
    std::set<Position> ring;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            if (x == 1 || x == 5 || y == 1 || y == 5)
                ring.insert({x, y});
    EXPECT_EQ(visited, ring);
}

TEST_F(EnemiesTest, ACrawlerInTheOpenWalksStraightAndTurnsLeftAtTheWall)
{
    level({"##############",
           "#............#",
           "#............#",
           "#............#",
           "#............#",
           "#..c.........#",
           "#............#",
           "#............#",
           "#............#",
           "#............#",
           "##############",
           "##############"},
          1, 9);
    at(3, 5).direction = DirRight;
    std::vector<Position> path;
    for (int f = 0; f < 300 && path.size() < 15; ++f) {
        frame();
        const Position p = whereIs(w(), KindCrawler);
        if (path.empty() || path.back() != p)
            path.push_back(p);
    }
    const std::vector<Position> expected = {{4, 5},  {5, 5},  {6, 5},  {7, 5},  {8, 5},  {9, 5},  {10, 5}, {11, 5},
                                            {12, 5}, {12, 4}, {12, 3}, {12, 2}, {12, 1}, {11, 1}, {10, 1}};
    EXPECT_EQ(path, expected);
}

TEST_F(EnemiesTest, AWalkerInAOneWideShaftOnlyGoesUpAndDown)
{
    level({"#########",
           "###.###:#",
           "###.###:#",
           "###.###:#",
           "###w###:#",
           "###.###:#",
           "###.###:#",
           "#########",
           "#########"},
          7, 3);
    std::set<int> rows;
    for (int f = 0; f < 600; ++f) {
        frame();
        const Position p = whereIs(w(), KindWalker);
        ASSERT_EQ(p.first, 3);
        rows.insert(p.second);
    }
    EXPECT_EQ(rows, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(EnemiesTest, AnEnemyHurtsTheDiggerOncePerImmunityWindowAndKillsItAtTheEnd)
{
    for (int difficulty : {1, 2}) {
        test::resetWorldState();
        app.frameClock = kStart;
        level({"######",
               "#..w##",
               "######",
               "######"},
              2, 1, difficulty);
        frame();
        const int first = difficulty == 1 ? 3 : 4;
        EXPECT_EQ(digger().health, first);
        frames(15); // 390 ms: still immune
        EXPECT_EQ(digger().health, first);
        frames(10);
        EXPECT_EQ(digger().health, first - (difficulty == 1 ? 2 : 1));
        frames(200);
        EXPECT_EQ(digger().dead, 1) << "difficulty " << difficulty;
        EXPECT_EQ(w().diggerDead, 1);
        EXPECT_EQ(at(3, 1).kind, KindEmpty) << "the death explosion takes the walker with it";
    }
}

TEST_F(EnemiesTest, AnEnemySteppingOntoAMineDiesWithItsSurroundingsAndCountsForTheKillGoal)
{
    level({"#########",
           "#:::::::#",
           "#::mw:::#",
           "#:::::::#",
           "#..::s..#",
           "#########",
           "#########"},
          1, 4);
    w().goldGoalOn = 0;
    w().killGoalOn = 1;
    w().killGoal = 1;
    enemyMove(w(), digger(), DirLeft, index(4, 2));
    EXPECT_EQ(at(4, 2).kind, KindEmpty);
    EXPECT_EQ(at(3, 2).kind, KindEmpty);
    EXPECT_EQ(at(5, 3).kind, KindEmpty) << "earth around the walker is blown away";
    EXPECT_EQ(at(2, 2).kind, KindEmpty) << "the mine chains to its own neighbours";
    EXPECT_EQ(at(1, 2).kind, KindEarth);
    EXPECT_EQ(at(6, 2).kind, KindEarth);
    EXPECT_EQ(at(5, 4).kind, KindStalker);
    EXPECT_EQ(digger().enemiesKilled, 1);
    EXPECT_TRUE(w().won) << "the kill goal is met";
}

TEST_F(EnemiesTest, EggsWakeAtDistanceTwoOnlyAndHatchIntoACrawler)
{
    level({"##########",
           "#::::::::#",
           "#..::ee::#",
           "#:::e::::#",
           "#::::::::#",
           "##########",
           "##########"},
          2, 2);
    beginMove(w(), digger(), DirRight); // the digger's new cell is (3, 2)
    EXPECT_EQ(at(5, 2).eggState, 1) << "two cells away";
    EXPECT_EQ(at(6, 2).eggState, 0) << "three cells away";
    EXPECT_EQ(at(4, 3).eggState, 0) << "diagonally adjacent";
    frames(200);
    EXPECT_EQ(at(5, 2).kind, KindCrawler);
    EXPECT_EQ(at(5, 2).param, 4);
    EXPECT_EQ(at(5, 2).eggState, 3);
    EXPECT_EQ(at(5, 2).isEnemy, 1);
    EXPECT_EQ(count(KindEgg), 2);
}

TEST_F(EnemiesTest, EnemiesInTheFirstAndLastRowsNeverMove)
{
    level({"#c...#",
           "#::::#",
           "#::::#",
           "######",
           "#w...#"},
          1, 1);
    frames(50);
    EXPECT_EQ(at(1, 0).kind, KindCrawler);
    EXPECT_EQ(at(1, 4).kind, KindWalker);
}

} // namespace
} // namespace burrowix
