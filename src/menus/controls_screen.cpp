// The Controls screen, reached from the options: every game action with its key and its game
// controller button. Choosing a row (Enter, Space or a click) waits for a new key: a key another
// action has is refused with a message, Esc cancels. "Defaults" restores every key. Each change is
// saved in settings.ini at once.

#include "app/key_settings.hpp"
#include "common/asset_manifest.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "menus/controls_screen.hpp"
#include "menus/controls_state.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_screens.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/widget.hpp"
#include "platform/system/key_names.hpp"
#include "platform/system/window_settings.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "state/app_state.hpp"
#include "state/key_bindings.hpp"

namespace burrowix {

ControlsState controls;

namespace {

constexpr int kBackground = assets::interfaceSlot(assets::PictureId::ControlsBackground); // the title and the board the table is drawn on
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}};
constexpr const char* kWidgets[] = {"ImageDefaults", "ImageOptionsBack"};
// The rows after the actions: the two buttons, in the order Down reaches them.
constexpr const char* kButtonRows[] = {"ImageDefaults", "ImageOptionsBack"};
constexpr int kRowCount = kGameActionCount + 2;

// The board's dark inside in the picture, and the table's rows and columns on it.
constexpr int kTop = 116, kRowHeight = 26;
constexpr int kTitleX = 110, kKeyX = 390, kPadX = 520;
constexpr Rect kPanel{90, 76, 790, 506};
// Below the last row's bar, the message line (centred 18 above the board's bottom) needs 36 pixels.
static_assert(kTop + kGameActionCount * kRowHeight - kRowHeight / 2 + 36 <= kPanel.bottom,
              "the message line fits on the board below the rows");
constexpr std::uint32_t kTextColor = 0x3CAFD2, kChosenColor = 0xFFFFFF, kWaitColor = 0x5AE0FF,
                        kHeadColor = 0x969696, kMessageColor = 0x4040FF, kBarColor = 0x1A2A3A;

int rowAt(int x, int y)
{
    if (x < kPanel.left || x >= kPanel.right || y < kTop - kRowHeight / 2)
        return -1;
    const int row = (y - (kTop - kRowHeight / 2)) / kRowHeight;
    return row < kGameActionCount ? row : -1;
}

void showButtonFocus()
{
    for (int i = 0; i < 2; ++i)
        if (Widget* w = theGui.rootList.findByName(kButtonRows[i])) {
            const bool focused = controls.selected == kGameActionCount + i;
            w->showFocus(focused);
            if (focused)
                theGui.focused = w;
        }
}

void select(int row)
{
    controls.selected = (row % kRowCount + kRowCount) % kRowCount;
    showButtonFocus();
}

// A key pressed while the row waits for its new key.
void takeKey(const Message& message)
{
    const std::uint32_t key = message.wParam;
    const int action = controls.selected;
    if (key == Key::Escape) {
        controls.capturing = 0;
        controls.message.clear();
        return;
    }
    const std::string name = keyName(key);
    if (message.fromController() || name.empty()) {
        controls.message = "Press a key of the keyboard, or Esc";
        return;
    }
    const int holder = keyBindings.actionOf(key);
    if (holder >= 0 && holder != action) {
        controls.message = name + " is already " + kGameActions[std::size_t(holder)].title;
        return;
    }
    keyBindings.keys[std::size_t(action)] = key;
    controls.capturing = 0;
    controls.message = saveKeyBindings(kWindowSettingsFile) ? "" : "The keys could not be saved";
    playMenuClick();
}

void activateRow()
{
    if (controls.selected < kGameActionCount) {
        playMenuClick();
        controls.capturing = 1;
        controls.message.clear();
    } else if (Widget* w = theGui.rootList.findByName(kButtonRows[controls.selected - kGameActionCount])) {
        w->activate();
    }
}

void keyDown(const Message& message)
{
    if (controls.capturing) {
        takeKey(message);
        return;
    }
    switch (message.wParam) {
    case Key::Up:
    case Key::Left: select(controls.selected - 1); break;
    case Key::Down:
    case Key::Right:
    case Key::Tab: select(controls.selected + 1); break;
    case Key::Enter:
    case Key::Space: activateRow(); break;
    case Key::Escape: clickToScreen(ScreenOptions); break;
    default: break;
    }
}

void leftButtonDown(const Message& message)
{
    const int row = rowAt(message.mouseX(), message.mouseY());
    if (row < 0)
        return;
    controls.selected = row;
    controls.capturing = 0;
    activateRow();
}

void drawRow(Surface* back, int row)
{
    const GameActionInfo& info = kGameActions[std::size_t(row)];
    const int y = kTop + row * kRowHeight;
    const bool chosen = controls.selected == row;
    if (chosen) {
        const Rect bar{kPanel.left + 8, y - kRowHeight / 2, kPanel.right - 8, y + kRowHeight / 2};
        fillRect(back, &bar, colorMatch(back, kBarColor));
    }
    const std::uint32_t color = chosen ? kChosenColor : kTextColor;
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, back, kTitleX, y, info.title, color);
    const bool waiting = chosen && controls.capturing;
    const std::string key = waiting ? "press a key" : keyName(keyBindings.keys[std::size_t(row)]);
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, back, kKeyX, y, key.empty() ? "-" : key.c_str(),
             waiting ? kWaitColor : color);
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, back, kPadX, y, info.padButton, kHeadColor);
}

void draw(Surface* back)
{
    const int headY = kTop - kRowHeight - 4;
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, back, kTitleX, headY, "Action", kHeadColor);
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, back, kKeyX, headY, "Key", kHeadColor);
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, back, kPadX, headY, "Controller", kHeadColor);
    for (int row = 0; row < kGameActionCount; ++row)
        drawRow(back, row);
    if (!controls.message.empty())
        drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, back, (kPanel.left + kPanel.right) / 2,
                 kPanel.bottom - 18, controls.message.c_str(), kMessageColor);
}

void enter(int)
{
    controls.reset();
    showButtonFocus();
}

} // namespace

void restoreDefaultKeys()
{
    playMenuClick();
    keyBindings.reset();
    controls.capturing = 0;
    controls.message = saveKeyBindings(kWindowSettingsFile) ? "Every key is back to its default"
                                                            : "The keys could not be saved";
}

void registerControlsScreen()
{
    ScreenEntry screen;
    screen.pictures = kPictures;
    screen.widgets = kWidgets;
    screen.enter = enter;
    screen.background = [] { return kBackground; };
    screen.drawFrame = draw;
    screen.keyDown = keyDown;
    screen.leftButtonDown = leftButtonDown;
    registerScreen(ScreenControls, screen);
}

} // namespace burrowix
