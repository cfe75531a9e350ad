#pragma once
// A fixture for the world's rules: small crafted levels run through the game screen's frame with a
// clock that advances one frame at a time, or through single passes.

#include <gtest/gtest.h>

#include "app/game_frame.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "support/world_levels.hpp"

namespace burrowix::test {

class RulesTest : public ::testing::Test {
protected:
    static constexpr Ticks kStart = 10000;
    static constexpr int kFrameMs = 26;

    void SetUp() override
    {
        resetWorldState();
        app.frameClock = kStart;
    }
    void TearDown() override { resetWorldState(); }

    World& level(const std::vector<std::string>& rows, int sx, int sy, int difficulty = 0)
    {
        theCatalogue.difficulty = difficulty;
        World& w = startWorld(levelFromMap(rows, sx, sy));
        w.goldGoalOn = 1;
        w.goldGoal = 999;
        return w;
    }
    World& w() { return *world.theWorld; }
    Digger& digger() { return *world.theDigger; }
    Cell& at(int x, int y) { return *world.theWorld->cellAt(x, y); }
    int index(int x, int y) { return world.theWorld->indexOf(x, y); }

    void frame()
    {
        app.frameClock += kFrameMs;
        RunGameFrame(nullptr);
    }
    void frames(int n)
    {
        for (int i = 0; i < n; ++i)
            frame();
    }
    int count(std::int32_t kind)
    {
        int n = 0;
        for (const Cell& c : w().cells)
            n += c.kind == kind;
        return n;
    }
};

} // namespace burrowix::test
