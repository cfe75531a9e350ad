// The hall of fame: its picture under the twenty labels of names and scores that the records fill.

#include "app/app_state.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "menus/menu_screens.hpp"
#include "menus/screen_drawing.hpp"
#include "platform/display/pixel_format.hpp"

namespace burrowix {

namespace {

constexpr int kBackground = 8; // "hallfame.jpg"
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}};
constexpr const char* kWidgets[] = {"ImageMainMenu", "Label0",  "Label1",  "Label2",  "Label3",  "Label4",
                                    "Label5",        "Label6",  "Label7",  "Label8",  "Label9",  "Label10",
                                    "Label11",       "Label12", "Label13", "Label14", "Label15", "Label16",
                                    "Label17",       "Label18", "Label19"};

void draw(Surface* backBuffer)
{
    drawFullScreen(backBuffer, kBackground, false);
}

void keyDown(const Message& message)
{
    if (message.wParam != Key::Escape)
        return;
    playMenuClick();
    SetScreen(ScreenMainMenu);
}

} // namespace

void registerHallOfFameScreen()
{
    ScreenEntry hall;
    hall.pictures = kPictures;
    hall.widgets = kWidgets;
    hall.drawFrame = draw;
    hall.keyDown = keyDown;
    registerScreen(ScreenHallOfFame, hall);
}

} // namespace burrowix
