#pragma once
// Small levels built in code for the world tests, and a clean program state around each test.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/pack_catalogue.hpp"
#include "audio/effect_handles.hpp"
#include "common/random.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "support/program_state.hpp"
#include "world/level_file.hpp"
#include "world/level_loader.hpp"
#include "world/level_source.hpp"
#include "world/watching_eyes.hpp"
#include "world/world.hpp"

namespace burrowix::test {

// A level from map rows in the level source format of data/levels/README.md (':' earth, '.' empty,
// '#' wall, 'O' stone, '$' gold, ...), read by the game's own parser, with the digger's start at
// (sx, sy) and no goals. A map the parser rejects fails the test and gives an empty level.
inline LevelFile levelFromMap(const std::vector<std::string>& rows, int sx, int sy)
{
    std::string source = "gold 0 0\nkill 0 0\nstart " + std::to_string(sx) + " " + std::to_string(sy) + "\nmap\n";
    for (const std::string& row : rows)
        source += row + "\n";
    source += "end\n";
    std::string error;
    const std::optional<LevelFile> level = parseLevelSource(source, error);
    if (!level) {
        ADD_FAILURE() << "test map: " << error;
        return {};
    }
    return *level;
}

// Resets every program-wide state the world touches.
inline void resetWorldState()
{
    resetProgramState();
    app.cellSize = 40;
    theRecords.startNewGameValues();
}

// Builds the current world from `level` at the given cell size and returns it.
inline World& startWorld(const LevelFile& level, int levelIndex = 0, int cellSize = 40)
{
    world.theDigger.reset();
    world.theWorld = std::make_unique<World>();
    world.theWorld->live = &theRecords.hallOfFame;
    setUpLevel(*world.theWorld, level, levelIndex, cellSize, theCatalogue.difficulty);
    return *world.theWorld;
}

} // namespace burrowix::test
