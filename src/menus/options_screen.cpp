// The options screen: its picture, the switches and steps for sound and music, the display
// switches, and the three value gauges drawn after the widgets.

#include "app/screen_flow.hpp"
#include "common/asset_manifest.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_focus.hpp"
#include "menus/menu_screens.hpp"
#include "menus/options_controls.hpp"
#include "menus/screen_drawing.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/widget.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

namespace {

constexpr int kBackground = assets::interfaceSlot(assets::PictureId::OptionsBackground);
constexpr int kGauges = assets::interfaceSlot(assets::PictureId::Gauges); // its frames stacked downwards
constexpr int kGaugeWidth = assets::frameWidth(assets::PictureId::Gauges);
constexpr int kGaugeHeight = assets::frameHeight(assets::PictureId::Gauges);
constexpr int kGaugeX = 611;
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}, {kGauges, packRgb(0, 0, 0)}};
constexpr const char* kWidgets[] = {"ImageMainMenu", "SoundBtn",   "MusicBtn",  "GameSpeed", "GameSpeedMinus",
                                    "GameSpeedPlus", "MusicTxt",   "SoundTxt",  "SoundMinus", "SoundPlus",
                                    "Sound",         "MusicMinus", "MusicPlus", "Music",     "ImageControls",
                                    "FullScreenBtn", "FullScreenTxt", "ScalingBtn", "ScalingTxt"};

// Top to bottom; the switches show the focus on their captions, the gauges on their titles.
constexpr FocusItem kFocus[] = {
    {"GameSpeed", nullptr, "GameSpeedMinus", "GameSpeedPlus"},
    {"SoundTxt", "SoundBtn"},
    {"Sound", nullptr, "SoundMinus", "SoundPlus"},
    {"MusicTxt", "MusicBtn"},
    {"Music", nullptr, "MusicMinus", "MusicPlus"},
    {"FullScreenTxt", "FullScreenBtn"},
    {"ScalingTxt", "ScalingBtn"},
    {"ImageControls"},
    {"ImageMainMenu"},
};

// The display switches follow the window, which Alt+Enter and F11 change too.
void showDisplaySwitches()
{
    const std::pair<const char*, bool> switches[] = {{"FullScreenBtn", fullScreenOn()},
                                                     {"ScalingBtn", integerScalingOn()}};
    for (const auto& [name, on] : switches) {
        const Widget* w = theGui.rootList.findByName(name);
        if (w && (w->state != 0) != on)
            setWidgetState(name, on ? 1 : 0);
    }
}

void enter(int)
{
    setWidgetState("SoundBtn", theRecords.options.soundEnabled);
    setWidgetState("MusicBtn", theRecords.options.musicEnabled);
    showDisplaySwitches();
}

void drawSwitches(Surface*)
{
    showDisplaySwitches();
}

void drawGauge(Surface* backBuffer, int frame, int y)
{
    drawPiece(backBuffer, kGauges, kGaugeX, y, Rect{0, kGaugeHeight * frame, kGaugeWidth, kGaugeHeight * (frame + 1)});
}

// Drawn over the widgets; the options screen has no magnifier, so the pointer shows.
void drawGauges(Surface* backBuffer)
{
    drawGauge(backBuffer, gameSpeedFrame(), 83);
    drawGauge(backBuffer, soundVolumeFrame(), 224);
    drawGauge(backBuffer, musicVolumeFrame(), 364);
    screenFlow.magnifierOn = 0;
    app.cursorVisible = 1;
}

void keyDown(const Message& message)
{
    if (focusKeyDown(kFocus, message.wParam))
        return;
    if (message.wParam == Key::Escape)
        clickToMainMenu();
}

} // namespace

void registerOptionsScreen()
{
    ScreenEntry options;
    options.pictures = kPictures;
    options.widgets = kWidgets;
    options.enter = enter;
    options.background = [] { return kBackground; };
    options.drawFrame = drawSwitches;
    options.drawOverlay = drawGauges;
    options.keyDown = keyDown;
    options.still = true;
    registerScreen(ScreenOptions, options);
}

} // namespace burrowix
