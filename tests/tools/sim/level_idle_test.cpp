// Every shipped level left alone for its first 20 seconds of play at its pack's difficulty: nothing
// dies (neither Brannok nor an enemy), no gold is destroyed and no goal counter moves, so no level
// gives its goal away (or takes a life) before the player has moved. A level whose idea is that
// enemies meet their end on their own says so with a line "; idle: enemies die" in its source; its
// gold and Brannok are still checked.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/json_fields.hpp"
#include "support/shipped_levels.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

using test::jsonInt;

constexpr int kIdleMs = 20000;
// At game speed 15 a frame falls due every 26 ms.
constexpr int kSpeed = 15, kFrameMs = 41 - kSpeed;

// The value of `name` in the digger's or the world's part of a state line.
int part(const std::string& state, const std::string& object, const std::string& name)
{
    const std::size_t at = state.find("\"" + object + "\":{");
    return at == std::string::npos ? -9999 : jsonInt(state.substr(at), name);
}

class LevelIdle : public test::ShippedLevelTest {};

TEST_P(LevelIdle, TwentySecondsWithoutInputKillNothingDestroyNoGoldAndMoveNoGoal)
{
    const bool enemiesMayDie = test::readText(source()).find("; idle: enemies die") != std::string::npos;
    std::ostringstream out, err;
    ASSERT_EQ(play("state\nframes " + std::to_string(kIdleMs / kFrameMs + 1) + "\nstate\n", out, err,
                   {"--speed", std::to_string(kSpeed)}),
              0)
        << err.str();
    const std::string name = this->name();
    std::istringstream lines(out.str());
    std::string first, last;
    std::getline(lines, first);
    std::getline(lines, last);
    ASSERT_GE(jsonInt(last, "clock") - jsonInt(first, "clock"), kIdleMs) << name;
    EXPECT_EQ(part(last, "digger", "dead"), 0) << name << ": Brannok died\n" << last;
    EXPECT_EQ(jsonInt(last, "lives"), jsonInt(first, "lives")) << name;
    if (!enemiesMayDie) {
        EXPECT_EQ(part(last, "world", "enemiesAlive"), part(first, "world", "enemiesAlive"))
            << name << ": enemies died without the player\n" << last;
        EXPECT_EQ(part(last, "digger", "enemiesKilled"), 0) << name;
    }
    EXPECT_EQ(part(last, "world", "goldRemaining"), part(first, "world", "goldRemaining"))
        << name << ": gold was destroyed\n" << last;
    EXPECT_EQ(part(last, "digger", "goldCollected"), 0) << name;
    EXPECT_EQ(jsonInt(last, "levelEnding"), 0) << name << " ended by itself";
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelIdle, test::everyShippedLevel(), test::shippedLevelTestName);

} // namespace
} // namespace burrowix
