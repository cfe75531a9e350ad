#include "app/level_presentation.hpp"

#include "app/game_screen_state.hpp"
#include "menus/records.hpp"

namespace burrowix {

LevelPresentationState levelPresentation;

void beginLevelPresentation(int /*levelIndex*/)
{
    gameScreen.frozen = 1;
    levelPresentation.levelEnding = 0;
    theRecords.levelStartRecord = theRecords.hallOfFame;
}

} // namespace burrowix
