// The main menu: its picture with the buttons to the level choice, options, hall of fame, help,
// exit and the level editor; Enter, Esc and F1 stand for three of them. Entering it starts a new game's values.

#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "menus/menu_focus.hpp"
#include "menus/menu_screens.hpp"
#include "platform/display/pixel_format.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {

namespace {

constexpr ScreenPicture kPictures[] = {{kMainMenuImage, packRgb(0, 0, 0)}};
constexpr const char* kWidgets[] = {"Image01", "Image02", "Image03", "Image04", "Image05", "Image06"};
constexpr FocusItem kFocus[] = {{"Image01"}, {"Image02"}, {"Image03"}, {"Image04"}, {"Image05"}, {"Image06"}};

void enter(int)
{
    resetGame();
}

void keyDown(const Message& message)
{
    if (focusKeyDown(kFocus, message.wParam))
        return;
    switch (message.wParam) {
    case Key::Enter:
        SetScreen(ScreenLevelChoice);
        break;
    case Key::Escape:
        SetScreen(ScreenExit);
        break;
    case Key::F1:
        SetScreen(ScreenHelp);
        break;
    default:
        break;
    }
}

} // namespace

void registerMainMenuScreen()
{
    ScreenEntry menu;
    menu.pictures = kPictures;
    menu.widgets = kWidgets;
    menu.enter = enter;
    menu.background = [] { return kMainMenuImage; };
    menu.backgroundKeyed = true;
    menu.keyDown = keyDown;
    menu.still = true;
    registerScreen(ScreenMainMenu, menu);
}

} // namespace burrowix
