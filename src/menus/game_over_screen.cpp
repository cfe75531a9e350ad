// The game-over screen in its two variants, a lost game and a won one: the background, the name
// prompt while the hall-of-fame name field is open, and the button back to the main menu (which
// stores the name). The game screen decides when it is entered and opens the field.

#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_focus.hpp"
#include "menus/menu_screens.hpp"
#include "menus/screen_drawing.hpp"
#include "platform/display/pixel_format.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

namespace {

constexpr int kLostBackground = assets::interfaceSlot(assets::PictureId::GameOverLost);
constexpr int kWonBackground = assets::interfaceSlot(assets::PictureId::GameOverWon);
constexpr int kNamePrompt = assets::interfaceSlot(assets::PictureId::NamePrompt); // the lost prompt above the won one
constexpr int kPromptX = 192, kPromptY = 382, kPromptWidth = 416, kPromptHeight = 79;

bool won()
{
    return screenFlow.gameOverKind == 1;
}

void loadPictures()
{
    loadInterfacePicture(won() ? kWonBackground : kLostBackground, packRgb(0, 255, 0));
    loadInterfacePicture(kNamePrompt, packRgb(0, 255, 0));
}

void releasePictures()
{
    for (int index : {kLostBackground, kWonBackground, kNamePrompt})
        thePictures.interfaceImages[std::size_t(index)].reset();
}

void showWidgets()
{
    showWidget(won() ? "GOMainMenuGood" : "GOMainMenu");
    setWidgetTextColor("Edit01", won() ? 0xE17B2F : 0x1918DC);
}

void draw(Surface* backBuffer)
{
    if (screenFlow.nameEntryState == 1) {
        const int top = won() ? kPromptHeight : 0;
        drawPiece(backBuffer, kNamePrompt, kPromptX, kPromptY, Rect{0, top, kPromptWidth, top + kPromptHeight});
    }
}

constexpr FocusItem kFocus[] = {{"GOMainMenu"}, {"GOMainMenuGood"}};

void keyDown(const Message& message)
{
    if (screenFlow.nameEntryState != 1 && focusKeyDown(kFocus, message.wParam))
        return;
    if (message.wParam == Key::Escape || (message.wParam == Key::Enter && screenFlow.nameEntryState == 1))
        backToMainMenu();
}

} // namespace

void registerGameOverScreen()
{
    ScreenEntry gameOver;
    gameOver.loadExtra = loadPictures;
    gameOver.releaseExtra = releasePictures;
    gameOver.showWidgets = showWidgets;
    gameOver.background = [] { return won() ? kWonBackground : kLostBackground; };
    gameOver.drawFrame = draw;
    gameOver.keyDown = keyDown;
    registerScreen(ScreenGameOver, gameOver);
}

} // namespace burrowix
