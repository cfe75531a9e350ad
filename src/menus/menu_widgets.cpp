#include "menus/menu_widgets.hpp"

#include "app/game_panel_actions.hpp"
#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "menus/controls_screen.hpp"
#include "menus/difficulty_dialog.hpp"
#include "menus/help_state.hpp"
#include "menus/level_choice_best.hpp"
#include "menus/level_navigation.hpp"
#include "menus/menu_actions.hpp"
#include "menus/options_controls.hpp"
#include "platform/display/display.hpp"
#include "platform/gui/edit_field.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/hover_button.hpp"
#include "platform/gui/label.hpp"
#include "platform/gui/picture_button.hpp"
#include "platform/gui/scroll_bar.hpp"
#include "platform/gui/toggle_button.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"

namespace burrowix {

namespace {

constexpr std::uint32_t kLabelColor = 0x3CAFD2;
constexpr std::uint32_t kNameFieldColor = 0x1918DC;
constexpr int kLabelLength = 20;

constexpr const char* kLabelNames[] = {"Label0",  "Label1",  "Label2",  "Label3",  "Label4",
                                       "Label5",  "Label6",  "Label7",  "Label8",  "Label9",
                                       "Label10", "Label11", "Label12", "Label13", "Label14",
                                       "Label15", "Label16", "Label17", "Label18", "Label19"};

// A menu button with its normal and hover pictures and its action on a click.
// In the toolkit's list order, which is their creation order: the first is on top and gets input first.
struct HoverSpec {
    const char* name;
    int x, y;
    const char* picture;
    const char* hoverPicture;
    WidgetCallback onClick;
};

template <void (*Action)()>
void run(Widget*)
{
    Action();
}

template <int Screen>
void clickTo(Widget*)
{
    clickToScreen(Screen);
}

template <int Difficulty>
void choose(Widget*)
{
    chooseDifficulty(Difficulty);
}

void levelMinus(Widget*)
{
    levelStepBack(1);
}
void levelPlus(Widget*)
{
    levelStepForward(1);
}
void packMinus(Widget*)
{
    theCatalogue.previousLevelPack();
}
void packPlus(Widget*)
{
    theCatalogue.nextLevelPack();
}
void soundSwitch(Widget* w)
{
    setSoundSwitch(w->state != 0);
}
void musicSwitch(Widget* w)
{
    setMusicSwitch(w->state != 0);
}
void fullScreenSwitch(Widget* w)
{
    setFullScreenSwitch(w->state != 0);
}
void scalingSwitch(Widget* w)
{
    setIntegerScalingSwitch(w->state != 0);
}
void panelYes(Widget*)
{
    playMenuClick();
    if (gamePanelActions.leaveLevel)
        gamePanelActions.leaveLevel();
}
void panelNo(Widget*)
{
    playMenuClick();
    if (gamePanelActions.keepPlaying)
        gamePanelActions.keepPlaying();
}
void helpScrolled(Widget* w)
{
    help.helpLine = static_cast<ScrollBar*>(w)->position + 1;
}

const HoverSpec kHoverButtons[] = {
    {"GameSpeedMinus", 582, 152, "gsminus0.bmp", "gsminus1.bmp", run<gameSpeedMinus>},
    {"GameSpeedPlus", 651, 152, "gsplus0.bmp", "gsplus1.bmp", run<gameSpeedPlus>},
    {"GameSpeed", 464, 83, "gsup0.bmp", "gsup1.bmp", nullptr},
    {"SoundMinus", 582, 293, "gsminus0.bmp", "gsminus1.bmp", run<soundVolumeMinus>},
    {"SoundPlus", 651, 293, "gsplus0.bmp", "gsplus1.bmp", run<soundVolumePlus>},
    {"Sound", 448, 224, "svolup0.bmp", "svolup1.bmp", nullptr},
    {"MusicMinus", 582, 433, "gsminus0.bmp", "gsminus1.bmp", run<musicVolumeMinus>},
    {"MusicPlus", 651, 433, "gsplus0.bmp", "gsplus1.bmp", run<musicVolumePlus>},
    {"Music", 448, 364, "mvolup0.bmp", "mvolup1.bmp", nullptr},
    {"ExitYes", 171, 224, "exityes0.bmp", "exityes1.bmp", run<requestClose>},
    {"ExitNo", 582, 224, "exitno0.bmp", "exitno1.bmp", run<clickToMainMenu>},
    {"GOMainMenu", 30, 450, "gomm0.bmp", "gomm1.bmp", run<backToMainMenu>},
    {"GOMainMenuGood", 12, 444, "gogmm0.bmp", "gogmm1.bmp", run<backToMainMenu>},
    {"Image01", 35, 425, "newgame0.bmp", "newgame1.bmp", clickTo<ScreenLevelChoice>},
    {"Image02", 212, 425, "options0.bmp", "options1.bmp", clickTo<ScreenOptions>},
    {"Image03", 350, 425, "halloffame0.bmp", "halloffame1.bmp", clickTo<ScreenHallOfFame>},
    {"Image04", 525, 425, "mainhelp0.bmp", "mainhelp1.bmp", clickTo<ScreenHelp>},
    {"Image05", 657, 425, "exit0.bmp", "exit1.bmp", clickTo<ScreenExit>},
    {"Image06", 325, 505, "editor0.bmp", "editor1.bmp", clickTo<ScreenEditor>},
    {"ImageMainMenuLC", 20, 467, "mainmenu0.bmp", "mainmenu1.bmp", run<backToMainMenu>},
    {"ImageStart", 661, 440, "nglc0.bmp", "nglc1.bmp", run<startGame>},
    {"ImageWatch", 661, 372, "watch0.bmp", "watch1.bmp", run<watchBestReplay>},
    {"LC00", 304, 143, "lc00.bmp", "lc01.bmp", choose<2>},
    {"LC01", 304, 256, "lc10.bmp", "lc11.bmp", choose<1>},
    {"LC02", 304, 365, "lc20.bmp", "lc21.bmp", choose<0>},
    {"exit_pan", 478, -110, "exit_pan.bmp", "exit_pan.bmp", nullptr},
    {"ImageYes", 478, 53, "yes0.bmp", "yes1.bmp", panelYes},
    {"ImageNo", 478, 87, "no0.bmp", "no1.bmp", panelNo},
    {"ImageMainMenu", 51, 386, "mainmenu0.bmp", "mainmenu1.bmp", run<backToMainMenu>},
    {"ImageControls", 205, 386, "keys0.bmp", "keys1.bmp", clickTo<ScreenControls>},
    {"ImageDefaults", 335, 515, "defaults0.bmp", "defaults1.bmp", run<restoreDefaultKeys>},
    {"ImageOptionsBack", 100, 515, "options0.bmp", "options1.bmp", clickTo<ScreenOptions>},
};

struct TaggedSpec {
    const char* name;
    int tag;
    int x, y;
    const char* picture;
    WidgetCallback onClick;
};
const TaggedSpec kTaggedButtons[] = {
    {"LevelMinus", 1, 90, 225, "btn_left.bmp", levelMinus},
    {"LevelPlus", 2, 640, 225, "btn_right.bmp", levelPlus},
    // The harder pack above, the easier below, as in the difficulty dialog.
    {"PackMinus", 1, 337, 478, "btn_down.bmp", packMinus},
    {"PackPlus", 2, 337, 28, "btn_up.bmp", packPlus},
};

void add(Widget* widget)
{
    theGui.rootList.append(widget);
    widget->setVisible(false);
}

} // namespace

void createMenuWidgets()
{
    Display& display = theDisplay;
    for (int i = 0; i < 20; ++i) {
        auto* label = new Label(display, i < 10 ? 425 : 635, 115 + 36 * (i % 10), kLabelLength, kLabelNames[i], "1", 0);
        label->setTextColor(kLabelColor);
        add(label);
    }
    auto* name = new EditField(display, 406, 413, 12, "Edit01", "", 1, nullptr);
    name->setTextColor(kNameFieldColor);
    add(name);

    auto* sound = new ToggleButton(display, 386, 180, "SoundBtn", "", 2, "soundon.bmp", nullptr, soundSwitch);
    sound->state = theRecords.options.soundEnabled ? 1 : 0;
    add(sound);
    add(new HoverButton(display, 386, 180, "SoundTxt", "soundtxt0.bmp", "soundtxt1.bmp", true, nullptr, nullptr));
    auto* music = new ToggleButton(display, 386, 321, "MusicBtn", "", 2, "soundon.bmp", nullptr, musicSwitch);
    music->state = theRecords.options.musicEnabled ? 1 : 0;
    add(music);
    add(new HoverButton(display, 386, 321, "MusicTxt", "musictxt0.bmp", "musictxt1.bmp", true, nullptr, nullptr));
    // The display switches beside the sound's, in the same style: a check box over its caption.
    auto* fullScreen = new ToggleButton(display, 44, 110, "FullScreenBtn", "", 2, "soundon.bmp", nullptr,
                                        fullScreenSwitch);
    fullScreen->state = fullScreenOn() ? 1 : 0;
    add(fullScreen);
    add(new HoverButton(display, 44, 110, "FullScreenTxt", "fullscreentxt0.bmp", "fullscreentxt1.bmp", true,
                        nullptr, nullptr));
    auto* scaling = new ToggleButton(display, 44, 168, "ScalingBtn", "", 2, "soundon.bmp", nullptr, scalingSwitch);
    scaling->state = integerScalingOn() ? 1 : 0;
    add(scaling);
    add(new HoverButton(display, 44, 168, "ScalingTxt", "scalingtxt0.bmp", "scalingtxt1.bmp", true, nullptr,
                        nullptr));

    for (const TaggedSpec& b : kTaggedButtons)
        add(new TaggedButton(display, b.x, b.y, b.name, "", 2, b.picture, nullptr, b.onClick, b.tag));
    for (const HoverSpec& b : kHoverButtons)
        add(new HoverButton(display, b.x, b.y, b.name, b.picture, b.hoverPicture, true, nullptr, b.onClick));
    add(new ScrollBar(display, 700, 80, kHelpScrollBar, "sb_scroll_.bmp", "sb_point_.bmp", "sb_up_.bmp",
                      "sb_down_.bmp", kHelpLines - 1, helpScrolled));
}

} // namespace burrowix
