// The hall of fame: its picture under the twenty labels of names and scores, filled from the
// records each time the screen is entered; the newest entry's row in its own colour. A name too
// wide for its column is cut short with dots, so it never runs into its score.

#include <array>
#include "common/asset_manifest.hpp"
#include <string>

#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "menus/menu_actions.hpp"
#include "menus/menu_focus.hpp"
#include "menus/menu_screens.hpp"
#include "menus/name_fitting.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/text/fonts.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"

namespace burrowix {

namespace {

constexpr int kBackground = assets::interfaceSlot(assets::PictureId::HallOfFame);
constexpr ScreenPicture kPictures[] = {{kBackground, packRgb(0, 0, 0)}};
constexpr const char* kWidgets[] = {"ImageMainMenu", "Label0",  "Label1",  "Label2",  "Label3",  "Label4",
                                    "Label5",        "Label6",  "Label7",  "Label8",  "Label9",  "Label10",
                                    "Label11",       "Label12", "Label13", "Label14", "Label15", "Label16",
                                    "Label17",       "Label18", "Label19"};

constexpr std::uint32_t kLabelColor = 0x3CAFD2, kHighlightColor = 0x1414E6;

// The labels keep their texts by pointer: these outlive them.
std::array<std::string, 20> labelTexts;

// The names' labels start at x 425, the scores' at 635; a name keeps this much room to its score.
constexpr int kNameFont = 0;
constexpr int kNameColumnWidth = 635 - 425 - 12;

int nameWidth(const std::string& text)
{
    return textWidth(kNameFont, text.c_str());
}

void fillLabels(int)
{
    const HallOfFame& table = theRecords.hallOfFame;
    for (int row = 0; row < 10; ++row) {
        labelTexts[std::size_t(row)] = fitNameToColumn(table.entries[std::size_t(row)].name, kNameColumnWidth, nameWidth);
        labelTexts[std::size_t(row + 10)] = std::to_string(table.entries[std::size_t(row)].score);
        for (int column : {row, row + 10}) {
            const char* label = kWidgets[1 + column];
            setWidgetText(label, labelTexts[std::size_t(column)].c_str());
            setWidgetTextColor(label, row == table.highlight ? kHighlightColor : kLabelColor);
        }
    }
}

constexpr FocusItem kFocus[] = {{"ImageMainMenu"}};

void keyDown(const Message& message)
{
    if (focusKeyDown(kFocus, message.wParam))
        return;
    if (message.wParam == Key::Escape)
        clickToMainMenu();
}

} // namespace

void registerHallOfFameScreen()
{
    ScreenEntry hall;
    hall.pictures = kPictures;
    hall.widgets = kWidgets;
    hall.enter = fillLabels;
    hall.background = [] { return kBackground; };
    hall.keyDown = keyDown;
    hall.still = true;
    registerScreen(ScreenHallOfFame, hall);
}

} // namespace burrowix
