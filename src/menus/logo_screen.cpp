// The logo shown at start-up: any key or a left click (or the shell's timer) leads to the main
// menu. Its picture is loaded at start-up and released when the screen is left.

#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "menus/menu_screens.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {

namespace {

void releaseLogo()
{
    thePictures.interfaceImages[kLogoImage].reset();
}

void toMainMenu(const Message&)
{
    SetScreen(ScreenMainMenu);
}

} // namespace

void registerLogoScreen()
{
    ScreenEntry logo;
    logo.releaseExtra = releaseLogo;
    logo.cursorVisible = 0;
    logo.background = [] { return kLogoImage; };
    logo.keyDown = toMainMenu;
    logo.leftButtonDown = toMainMenu;
    logo.still = true;
    registerScreen(ScreenLogo, logo);
}

} // namespace burrowix
