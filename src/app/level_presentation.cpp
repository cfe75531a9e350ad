#include "app/level_presentation.hpp"

#include "app/hud.hpp"
#include "app/message_panels.hpp"
#include "app/test_play.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"

namespace burrowix {

void beginLevelPresentation(int levelIndex)
{
    LevelPresentationState& s = levelPresentation;
    s.gameOverPending = 0;
    s.levelEnding = 0;
    s.deathTimerState = 0;
    s.keyDelayPhase = 0;
    s.hudSlide = 0;
    s.panels = {};
    if (app.currentScreen == ScreenGame) {
        // A test play starts at the level-start panel with its goals, as often as it is tried.
        const bool newGame = levelIndex == 0 && theRecords.hallOfFame.lives == kStartLives && !testPlayRunning();
        StartPanel(newGame ? PanelControls : PanelLevelStart);
        s.hudShown = 0;
    }
    gameScreen.frozen = 1;
    s.hudOffset = 9;
    restWeaponSelector();
    theRecords.levelStartRecord = theRecords.hallOfFame;
}

} // namespace burrowix
