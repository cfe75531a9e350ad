#include <gtest/gtest.h>

#include "common/random.hpp"
#include "world/cell_kind.hpp"
#include "world/level_check.hpp"
#include "world/level_source.hpp"

namespace burrowix {
namespace {

const char* kSmall = R"(; a tiny level
gold 1 2   ; two nuggets
kill 0 0
reserved 1 2 3
map
#########
#@..$$:O#
#:?:Q(^)#
#########
end
cell 2 2 9
blocks
0 4
end
tail 00ff
)";

bool sameLevel(const LevelFile& a, const LevelFile& b)
{
    return encodeLevelFile(a) == encodeLevelFile(b);
}

TEST(LevelSource, CompilesEverySectionAndDecompilesBackToTheSameValues)
{
    std::string error;
    const auto level = parseLevelSource(kSmall, error);
    ASSERT_TRUE(level) << error;
    EXPECT_EQ(level->width, 9);
    EXPECT_EQ(level->height, 4);
    EXPECT_EQ(level->startX, 1);
    EXPECT_EQ(level->startY, 1);
    EXPECT_EQ(level->kinds[10], KindEmpty);
    EXPECT_EQ(level->kinds[11 + 9], KindMissile);
    EXPECT_EQ(level->kinds[13 + 9], KindStone);
    EXPECT_EQ(level->params[13 + 9], 1);
    EXPECT_EQ(level->params[14 + 9], 0); // '(' rolls off to the left
    EXPECT_EQ(level->blocks, (std::vector<std::int32_t>{0, 4}));
    EXPECT_EQ(level->reserved2, 2);
    EXPECT_EQ(level->trailing, (std::vector<std::uint8_t>{0, 255}));

    const std::string text = decompileLevel(*level);
    const auto again = parseLevelSource(text, error);
    ASSERT_TRUE(again) << error << "\n" << text;
    EXPECT_TRUE(sameLevel(*level, *again));
}

TEST(LevelSource, AnyValidLevelFileSurvivesDecompileAndCompileByteForByte)
{
    RandomGenerator g;
    for (int round = 0; round < 200; ++round) {
        LevelFile f;
        f.width = 1 + int(g.draw() % 12);
        f.height = 1 + int(g.draw() % 9);
        for (int i = 0; i < f.width * f.height; ++i) {
            // Mostly real kinds, sometimes codes that are no kind at all.
            const int pick = g.draw() % 30;
            const std::int32_t kind = pick < 25 ? pick : std::int32_t(g.draw()) * (pick % 2 ? -1 : 1);
            f.kinds.push_back(kind);
            f.params.push_back(kindHasParam(kind) ? std::int32_t(g.draw() % 9) - 1 : 0);
        }
        f.blocks.resize(std::size_t(f.blocksAcross() * f.blocksDown()));
        for (auto& b : f.blocks)
            b = g.draw() % 6;
        f.startX = g.draw() % 16 - 2;
        f.startY = g.draw() % 12 - 2;
        f.goldGoalOn = g.draw() % 3;
        f.killGoal = g.draw();
        f.reserved3 = -7;
        if (round % 7 == 0)
            f.trailing = {1, 2, 3};
        const auto bytes = encodeLevelFile(f);
        const auto parsed = parseLevelFile(bytes);
        ASSERT_TRUE(parsed);
        std::string error;
        const auto compiled = compileLevelSource(decompileLevel(*parsed), error);
        ASSERT_TRUE(compiled) << error << "\n" << decompileLevel(*parsed);
        ASSERT_EQ(*compiled, bytes) << decompileLevel(*parsed);
    }
}

TEST(LevelSource, MistakesAreNamedWithTheirLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"gold 1 1\nkill 0 0\nmap\n###\n#@##\nend\n", "line 5: map row 1 is 4 cells wide"},
        {"gold 1 1\nkill 0 0\nmap\n#@&\nend\n", "unknown map symbol '&'"},
        {"gold 1 1\nkill 0 0\nmap\n#@?\nend\n", "is '?' but has no \"cell\" line"},
        {"gold 1 1\nkill 0 0\nmap\n#::\nend\n", "no start"},
        {"gold 1 1\nkill 0 0\nstart 1 1\nmap\n#@:\nend\n", "the start is given twice"},
        {"gold 1 1\nkill 0 0\nmap\n#@:\n", "no \"end\" line"},
        {"gold 1 x\nkill 0 0\nmap\n#@:\nend\n", "line 1: \"x\" is not a number"},
        {"kill 0 0\nmap\n#@:\nend\n", "\"gold\" and a \"kill\" line"},
        {"gold 1 1\nkill 0 0\nmap\n#@:\nend\nblocks\n0 0\nend\n", "every block row needs 1 numbers"},
        {"gold 1 1\nkill 0 0\nmap\n#@:\nend\ncell 2 0 9\n", "not '?'"},
        {"gold 1 1\nkill 0 0\nwhat\n", "unknown line \"what\""},
        {"gold 1 1\nkill 0 0\nmap\n#@?\nend\ncell 2 0 2 2147483647\n", "line 6: the parameter 2147483647"},
    };
    for (const auto& [text, message] : cases) {
        std::string error;
        EXPECT_FALSE(compileLevelSource(text, error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << " -> " << error;
    }
}

TEST(LevelCheck, ListsEveryProblemOfABadLevel)
{
    std::string error;
    auto level = parseLevelSource("gold 1 3\nkill 1 1\nstart 0 0\nmap\n#####\n#$:c#\n#:?:#\n#####\nend\n"
                                  "cell 2 2 14\n",
                                  error);
    ASSERT_TRUE(level) << error;
    const auto problems = checkLevel(*level);
    auto has = [&](const char* text) {
        for (const auto& p : problems)
            if (p.find(text) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(has("at least 20 x 15"));
    EXPECT_TRUE(has("kind 14 at (2, 2) is made only by the game"));
    EXPECT_TRUE(has("the start cell (0, 0) is not empty"));
    EXPECT_TRUE(has("the gold goal is 3 but there is 1 nugget"));
    EXPECT_FALSE(has("kill goal"));
}

TEST(LevelCheck, AGoodLevelHasNoProblems)
{
    LevelFile f;
    f.width = 22;
    f.height = 16;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) {
            const bool border = x == 0 || y == 0 || x == f.width - 1 || y == f.height - 1;
            f.kinds.push_back(border ? KindWall : (x == 3 && y == 3 ? KindEmpty : KindGold));
            f.params.push_back(border ? 3 : 0);
        }
    f.blocks.assign(std::size_t(f.blocksAcross() * f.blocksDown()), 4);
    f.startX = f.startY = 3;
    f.goldGoalOn = 1;
    f.goldGoal = 10;
    EXPECT_TRUE(checkLevel(f).empty());
    f.startX = 15; // 22 - 15 = 7: the first view would pass the right edge
    f.kinds[std::size_t(3 * 22 + 15)] = KindEmpty;
    EXPECT_EQ(checkLevel(f).size(), 1u);
}

} // namespace
} // namespace burrowix
