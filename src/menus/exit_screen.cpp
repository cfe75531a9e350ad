// The exit confirmation: Yes (or Enter) closes the program, No goes back to the main menu, and so
// does Esc.

#include "app/app_state.hpp"
#include "app/screen_table.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_screens.hpp"
#include "menus/screen_drawing.hpp"
#include "platform/display/pixel_format.hpp"

namespace burrowix {

namespace {

constexpr int kBackground = 39; // "exitbgr.jpg"
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}};
constexpr const char* kWidgets[] = {"ExitYes", "ExitNo"};

void draw(Surface* backBuffer)
{
    drawFullScreen(backBuffer, kBackground, false);
}

void keyDown(const Message& message)
{
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
    exit.drawFrame = draw;
    exit.keyDown = keyDown;
    registerScreen(ScreenExit, exit);
}

} // namespace burrowix
