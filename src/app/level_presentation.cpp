#include "app/level_presentation.hpp"

#include "records/records.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"

namespace burrowix {

void beginLevelPresentation(int /*levelIndex*/)
{
    gameScreen.frozen = 1;
    levelPresentation.levelEnding = 0;
    theRecords.levelStartRecord = theRecords.hallOfFame;
}

} // namespace burrowix
