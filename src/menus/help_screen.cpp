// The help screen: a strip of eight pages scrolled ten pixel rows per line, through the scroll bar
// (its arrow buttons scroll while held), the Up and Down keys (also while held) and the mouse wheel.
// Scrolling stops where the last line of text reaches the bottom of the window. Every visit starts
// at the top.

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

constexpr int kBackground = assets::interfaceSlot(assets::PictureId::HelpBackground);
constexpr int kPageWidth = 256, kPageHeight = 375, kPageX = 420, kPageY = 100;
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}};
// Text is drawn light on the black key; JPEG noise in the black stays well below this.
constexpr int kInkLevel = 64;
constexpr int kBottomMargin = 12;

std::array<Picture, kHelpPages> pages;

bool inked(std::uint32_t rgb)
{
    return int(rgb & 0xFF) > kInkLevel || int((rgb >> 8) & 0xFF) > kInkLevel || int((rgb >> 16) & 0xFF) > kInkLevel;
}

// The last row of the page strip that holds any text or picture; -1 when the pages are blank.
int lastInkedRow()
{
    for (int page = kHelpPages - 1; page >= 0; --page) {
        const Surface* surface = pages[std::size_t(page)].get();
        if (!surface)
            continue;
        for (int y = std::min(surface->height(), kPageHeight) - 1; y >= 0; --y)
            for (int x = 0; x < std::min(surface->width(), kPageWidth); ++x)
                if (inked(surface->pixel(x, y)))
                    return page * kPageHeight + y;
    }
    return -1;
}

void loadPages()
{
    for (int i = 0; i < kHelpPages; ++i) {
        const assets::PictureId page = assets::kHelpPages[i];
        pages[std::size_t(i)] = loadBitmapSurface(theDisplay, assets::pictureFile(page));
        if (pages[std::size_t(i)])
            setColorKey(pages[std::size_t(i)].get(), packHexRgb(assets::keyRgb(assets::pictureAsset(page).key)));
    }
    help.lastLine = helpLastLine(lastInkedRow());
    // The bar reports its kept position as it takes the new range; the visit's own line stays.
    const int line = help.helpLine;
    setWidgetMaximum(kHelpScrollBar, help.lastLine - 1);
    help.helpLine = line;
}

void releasePages()
{
    for (Picture& page : pages)
        page.reset();
    help.helpLine = 0;
    help.heldKey = 0;
}

void showWidgets()
{
    setHelpLine(help.helpLine);
    showWidget(kHelpScrollBar);
    showWidget("ImageMainMenu");
}

// Held keys and arrow buttons scroll on by the time since the last frame.
void scrollWhileHeld()
{
    const int direction = help.heldKey != 0 ? help.heldKey : heldScrollArrow(kHelpScrollBar);
    const Ticks now = app.frameClock;
    const int elapsed = std::clamp(int(now - help.scrollTime), 0, 1000);
    help.scrollTime = now;
    if (direction == 0) {
        help.scrollCarry = 0;
        return;
    }
    help.scrollCarry += elapsed * kHelpLinesPerSecond / 1000.0;
    const int lines = int(help.scrollCarry);
    help.scrollCarry -= lines;
    if (lines > 0)
        setHelpLine(help.helpLine + direction * lines);
}

void draw(Surface* backBuffer)
{
    scrollWhileHeld();
    const HelpWindow w = helpWindow(help.helpLine);
    const Rect top{0, w.firstRow, kPageWidth, kPageHeight};
    blitFast(backBuffer, kPageX, kPageY, pages[std::size_t(w.page)].get(), &top, true);
    if (w.page < kHelpPages - 1) {
        const Rect rest{0, 0, kPageWidth, w.firstRow};
        blitFast(backBuffer, kPageX, kPageY + kPageHeight - w.firstRow, pages[std::size_t(w.page + 1)].get(),
                 &rest, true);
    }
}

bool repeated(const Message& message)
{
    return (message.lParam & (1u << 30)) != 0;
}

// The arrows scroll the page; Tab reaches the button.
constexpr FocusItem kFocus[] = {{"ImageMainMenu"}};

void keyDown(const Message& message)
{
    if (focusKeyDown(kFocus, message.wParam, FocusArrows::TabOnly))
        return;
    switch (message.wParam) {
    case Key::Up:
    case Key::Down: {
        const int direction = message.wParam == Key::Up ? -1 : 1;
        // The press moves a line at once; holding it scrolls on in the frames, not by key repeats.
        if (!repeated(message) || help.heldKey != direction)
            setHelpLine(help.helpLine + direction);
        help.heldKey = direction;
        help.scrollTime = app.frameClock;
        help.scrollCarry = 0;
        break;
    }
    case Key::Escape:
        clickToMainMenu();
        break;
    default:
        break;
    }
}

void keyUp(const Message& message)
{
    if ((message.wParam == Key::Up && help.heldKey < 0) || (message.wParam == Key::Down && help.heldKey > 0))
        help.heldKey = 0;
}

void wheel(int notches)
{
    setHelpLine(help.helpLine - notches * kHelpLinesPerNotch);
}

} // namespace

int helpLastLine(int lastTextRow)
{
    if (lastTextRow < 0)
        return 1;
    // The window's offset that puts the last row (and a margin) at its bottom, in whole lines.
    const int offset = lastTextRow + kBottomMargin - kPageHeight;
    const int line = offset <= 0 ? 1 : (offset + 9) / 10 + 1;
    return std::clamp(line, 1, kHelpLines);
}

HelpWindow helpWindow(int helpLine)
{
    const int offset = std::clamp(helpLine - 1, 0, kHelpLines - 1) * 10;
    const int page = offset / kPageHeight;
    return {page, offset - kPageHeight * page};
}

void setHelpLine(int line)
{
    // The scroll bar's change action sets the line from its clamped position.
    help.helpLine = std::clamp(line, 1, std::clamp(help.lastLine, 1, kHelpLines));
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
    screen.keyUp = keyUp;
    screen.mouseWheel = wheel;
    registerScreen(ScreenHelp, screen);
}

} // namespace burrowix
