#include "app/game_screen.hpp"
#include "common/asset_manifest.hpp"

#include "app/game_panel_actions.hpp"

#include "app/game_keys.hpp"
#include "app/level_start.hpp"
#include "app/message_panels.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "platform/display/pixel_format.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

namespace {

constexpr int kPointerPicture = assets::interfaceSlot(assets::PictureId::YouPointer); // kept until the next entry replaces it

void loadPointerPicture()
{
    loadInterfacePicture(kPointerPicture, packRgb(0, 255, 0));
}

void enterGame(int)
{
    screenFlow.previewOriginX = 0;
    screenFlow.previewOriginY = 0;
    app.cellSize = 40;
    startLevel(screenFlow.levelNumber);
}

// A click, after the widgets had it, moves the panel that is up on as a key would.
void leftButtonDown(const Message&)
{
    panelMouseDown();
}

} // namespace

void registerGameScreen()
{
    ScreenEntry game;
    game.loadExtra = loadPointerPicture;
    game.cursorVisible = 0;
    game.enter = enterGame;
    game.keyDown = gameScreenKeyDown;
    game.leftButtonDown = leftButtonDown;
    registerScreen(ScreenGame, game);
    gamePanelActions.leaveLevel = [] { closeExitPanel(true); };
    gamePanelActions.keepPlaying = [] { closeExitPanel(false); };
}

} // namespace burrowix

namespace burrowix {

GamePanelActions gamePanelActions;

} // namespace burrowix
