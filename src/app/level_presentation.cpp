#include "state/level_presentation_state.hpp"

#include "records/records.hpp"
#include "state/game_screen_state.hpp"

namespace burrowix {

LevelPresentationState levelPresentation;

void beginLevelPresentation(int /*levelIndex*/)
{
    gameScreen.frozen = 1;
    levelPresentation.levelEnding = 0;
    theRecords.levelStartRecord = theRecords.hallOfFame;
}

} // namespace burrowix
