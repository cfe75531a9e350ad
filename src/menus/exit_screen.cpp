// The exit confirmation: Yes (or Enter) closes the program, No goes back to the main menu, and so
// does Esc.

#include "app/screen_table.hpp"
#include "common/asset_manifest.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_focus.hpp"
#include "menus/menu_screens.hpp"
#include "platform/display/pixel_format.hpp"
#include "state/app_state.hpp"

namespace burrowix {

namespace {

constexpr int kBackground = assets::interfaceSlot(assets::PictureId::ExitBackground);
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}};
constexpr const char* kWidgets[] = {"ExitYes", "ExitNo"};
constexpr FocusItem kFocus[] = {{"ExitYes"}, {"ExitNo"}};

void keyDown(const Message& message)
{
    if (focusKeyDown(kFocus, message.wParam))
        return;
    if (message.wParam == Key::Enter)
        requestClose();
    else if (message.wParam == Key::Escape)
        backToMainMenu();
}

} // namespace

void registerExitScreen()
{
    ScreenEntry exit;
    exit.pictures = kPictures;
    exit.widgets = kWidgets;
    exit.background = [] { return kBackground; };
    exit.keyDown = keyDown;
    exit.still = true;
    registerScreen(ScreenExit, exit);
}

} // namespace burrowix
