#include "menus/menu_actions.hpp"

#include "app/record_files.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_widgets.hpp"
#include "platform/system/event_source.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

namespace {

constexpr const char* kNameField = "Edit01";
// Where the name field rests while closed.
constexpr int kNameFieldHomeX = 396, kNameFieldHomeY = 403;

} // namespace

void storeEnteredName()
{
    gameScreen.frozen = 1;
    std::string name = widgetText(kNameField);
    if (name.empty())
        name = "Player";
    insertHallOfFameEntry(screenFlow.pendingScore, name);
    hideWidget(kNameField);
    moveWidget(kNameField, kNameFieldHomeX, kNameFieldHomeY);
    screenFlow.nameEntryState = 2;
}

void backToMainMenu()
{
    playMenuClick();
    if (app.currentScreen == ScreenGameOver && screenFlow.nameEntryState == 1)
        storeEnteredName();
    SetScreen(ScreenMainMenu);
    screenFlow.gameOverKind = -1;
}

void clickToScreen(int screen)
{
    playMenuClick();
    SetScreen(screen);
}

void clickToMainMenu()
{
    clickToScreen(ScreenMainMenu);
}

void requestClose()
{
    playMenuClick();
    if (app.events)
        app.events->post(Message{MessageType::Close, 0, 0});
}

} // namespace burrowix
