// The help screen: a strip of eight pages scrolled ten pixel rows per line, through the scroll bar
// or the Up and Down keys. Every visit starts at the top.

#include <algorithm>
#include <array>
#include <string>

#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "menus/help_state.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_focus.hpp"
#include "menus/menu_screens.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {

HelpState help;

namespace {

constexpr int kBackground = 6; // "helpbgr.jpg"
constexpr int kPageWidth = 256, kPageHeight = 375, kPageX = 420, kPageY = 100;
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}};

std::array<Picture, kHelpPages> pages;

void loadPages()
{
    for (int i = 0; i < kHelpPages; ++i) {
        const std::string name = "helpp" + std::to_string(i + 1) + ".jpg";
        pages[std::size_t(i)] = loadBitmapSurface(theDisplay, name.c_str());
        if (pages[std::size_t(i)])
            setColorKey(pages[std::size_t(i)].get(), packRgb(0, 0, 0));
    }
}

void releasePages()
{
    for (Picture& page : pages)
        page.reset();
    help.helpLine = 0;
}

void showWidgets()
{
    setHelpLine(help.helpLine);
    showWidget(kHelpScrollBar);
    showWidget("ImageMainMenu");
}

void draw(Surface* backBuffer)
{
    const HelpWindow w = helpWindow(help.helpLine);
    const Rect top{0, w.firstRow, kPageWidth, kPageHeight};
    blitFast(backBuffer, kPageX, kPageY, pages[std::size_t(w.page)].get(), &top, true);
    if (w.page < kHelpPages - 1) {
        const Rect rest{0, 0, kPageWidth, w.firstRow};
        blitFast(backBuffer, kPageX, kPageY + kPageHeight - w.firstRow, pages[std::size_t(w.page + 1)].get(),
                 &rest, true);
    }
}

// The arrows scroll the page; Tab reaches the button.
constexpr FocusItem kFocus[] = {{"ImageMainMenu"}};

void keyDown(const Message& message)
{
    if (focusKeyDown(kFocus, message.wParam, FocusArrows::TabOnly))
        return;
    switch (message.wParam) {
    case Key::Up:
        if (help.helpLine > 1)
            setHelpLine(help.helpLine - 1);
        break;
    case Key::Down:
        if (help.helpLine < kHelpLines)
            setHelpLine(help.helpLine + 1);
        break;
    case Key::Escape:
        clickToMainMenu();
        break;
    default:
        break;
    }
}

} // namespace

HelpWindow helpWindow(int helpLine)
{
    const int offset = std::clamp(helpLine - 1, 0, kHelpLines - 1) * 10;
    const int page = offset / kPageHeight;
    return {page, offset - kPageHeight * page};
}

void setHelpLine(int line)
{
    // The scroll bar's change action sets the line from its clamped position.
    help.helpLine = std::clamp(line - 1, 0, kHelpLines - 1) + 1;
    setWidgetPosition(kHelpScrollBar, help.helpLine - 1);
}

void registerHelpScreen()
{
    ScreenEntry screen;
    screen.pictures = kPictures;
    screen.loadExtra = loadPages;
    screen.releaseExtra = releasePages;
    screen.showWidgets = showWidgets;
    screen.background = [] { return kBackground; };
    screen.backgroundKeyed = true;
    screen.drawFrame = draw;
    screen.keyDown = keyDown;
    registerScreen(ScreenHelp, screen);
}

} // namespace burrowix
