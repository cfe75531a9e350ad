#pragma once
// Small levels built in code for the world tests, and a clean program state around each test.

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
#include "world/watching_eyes.hpp"
#include "world/world.hpp"

namespace burrowix::test {

// A level from rows of kind codes given as characters: '#' flat wall, '.' earth, ' ' empty,
// 'O' stone, '$' gold, '%' loose earth, 'b' bomb, 'm' mine, 'c' crawler, 'e' egg, '+' heart,
// 'T' TNT, 'X' blast stone 0, 'x' blast stone 1, '1'..'8' mineral type 0..7 ... see kindOf.
inline LevelFile levelFromRows(const std::vector<std::string>& rows, int sx, int sy)
{
    LevelFile f;
    f.height = static_cast<int>(rows.size());
    f.width = static_cast<int>(rows.front().size());
    for (const std::string& row : rows) {
        for (char ch : row) {
            std::int32_t kind = 4, param = 0;
            switch (ch) {
            case '#': kind = 2; param = 3; break;
            case '.': kind = 0; break;
            case ' ': kind = 4; break;
            case 'O': kind = 1; break;
            case '$': kind = 3; break;
            case '%': kind = 5; break;
            case 'b': kind = 7; break;
            case 'm': kind = 8; break;
            case 'c': kind = 6; break;
            case 'w': kind = 11; break;
            case 's': kind = 18; break;
            case 'e': kind = 12; break;
            case '+': kind = 10; break;
            case 'T': kind = 16; break;
            case 'X': kind = 22; param = 0; break;
            case 'x': kind = 22; param = 1; break;
            case 'G': kind = 15; param = 4; break; // grenades
            case 'M': kind = 15; param = 1; break; // mines
            default:
                if (ch >= '0' && ch <= '8') {
                    kind = 13;
                    param = ch - '0';
                }
            }
            f.kinds.push_back(kind);
            f.params.push_back(param);
        }
    }
    f.blocks.assign(std::size_t(f.blocksAcross()) * std::size_t(f.blocksDown()), 0);
    f.startX = sx;
    f.startY = sy;
    return f;
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
    setUpLevel(*world.theWorld, level, levelIndex, cellSize, theCatalogue.difficulty);
    return *world.theWorld;
}

} // namespace burrowix::test
