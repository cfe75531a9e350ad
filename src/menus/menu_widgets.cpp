#include "menus/menu_widgets.hpp"

#include "app/game_panel_actions.hpp"
#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "common/asset_manifest.hpp"
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

using P = assets::PictureId;
constexpr const char* file(P picture) { return assets::pictureFile(picture); }

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
    {"GameSpeedMinus", 582, 152, file(P::Minus), file(P::MinusHover), run<gameSpeedMinus>},
    {"GameSpeedPlus", 651, 152, file(P::Plus), file(P::PlusHover), run<gameSpeedPlus>},
    {"GameSpeed", 464, 83, file(P::GameSpeedCaption), file(P::GameSpeedCaptionHover), nullptr},
    {"SoundMinus", 582, 293, file(P::Minus), file(P::MinusHover), run<soundVolumeMinus>},
    {"SoundPlus", 651, 293, file(P::Plus), file(P::PlusHover), run<soundVolumePlus>},
    {"Sound", 448, 224, file(P::SoundVolumeCaption), file(P::SoundVolumeCaptionHover), nullptr},
    {"MusicMinus", 582, 433, file(P::Minus), file(P::MinusHover), run<musicVolumeMinus>},
    {"MusicPlus", 651, 433, file(P::Plus), file(P::PlusHover), run<musicVolumePlus>},
    {"Music", 448, 364, file(P::MusicVolumeCaption), file(P::MusicVolumeCaptionHover), nullptr},
    {"ExitYes", 171, 224, file(P::ExitYes), file(P::ExitYesHover), run<requestClose>},
    {"ExitNo", 582, 224, file(P::ExitNo), file(P::ExitNoHover), run<clickToMainMenu>},
    {"GOMainMenu", 30, 450, file(P::GameOverMainMenu), file(P::GameOverMainMenuHover), run<backToMainMenu>},
    {"GOMainMenuGood", 12, 444, file(P::GameWonMainMenu), file(P::GameWonMainMenuHover), run<backToMainMenu>},
    {"Image01", 35, 425, file(P::NewGame), file(P::NewGameHover), clickTo<ScreenLevelChoice>},
    {"Image02", 212, 425, file(P::Options), file(P::OptionsHover), clickTo<ScreenOptions>},
    {"Image03", 350, 425, file(P::HallOfFameButton), file(P::HallOfFameButtonHover), clickTo<ScreenHallOfFame>},
    {"Image04", 525, 425, file(P::Help), file(P::HelpHover), clickTo<ScreenHelp>},
    {"Image05", 657, 425, file(P::Exit), file(P::ExitHover), clickTo<ScreenExit>},
    {"Image06", 325, 505, file(P::Editor), file(P::EditorHover), clickTo<ScreenEditor>},
    {"ImageMainMenuLC", 20, 467, file(P::MainMenuButton), file(P::MainMenuButtonHover), run<backToMainMenu>},
    {"ImageStart", 661, 440, file(P::Start), file(P::StartHover), run<startGame>},
    {"ImageWatch", 661, 372, file(P::Watch), file(P::WatchHover), run<watchBestReplay>},
    {"LC00", 304, 143, file(P::Hard), file(P::HardHover), choose<2>},
    {"LC01", 304, 256, file(P::Medium), file(P::MediumHover), choose<1>},
    {"LC02", 304, 365, file(P::Easy), file(P::EasyHover), choose<0>},
    {"exit_pan", 478, -110, file(P::ExitPanel), file(P::ExitPanel), nullptr},
    {"ImageYes", 478, 53, file(P::PanelYes), file(P::PanelYesHover), panelYes},
    {"ImageNo", 478, 87, file(P::PanelNo), file(P::PanelNoHover), panelNo},
    {"ImageMainMenu", 51, 386, file(P::MainMenuButton), file(P::MainMenuButtonHover), run<backToMainMenu>},
    {"ImageControls", 205, 386, file(P::Controls), file(P::ControlsHover), clickTo<ScreenControls>},
    {"ImageDefaults", 335, 515, file(P::Defaults), file(P::DefaultsHover), run<restoreDefaultKeys>},
    {"ImageOptionsBack", 100, 515, file(P::Options), file(P::OptionsHover), clickTo<ScreenOptions>},
};

struct TaggedSpec {
    const char* name;
    int tag;
    int x, y;
    const char* picture;
    WidgetCallback onClick;
};
const TaggedSpec kTaggedButtons[] = {
    {"LevelMinus", 1, 90, 225, file(P::ArrowLeft), levelMinus},
    {"LevelPlus", 2, 640, 225, file(P::ArrowRight), levelPlus},
    // The harder pack above, the easier below, as in the difficulty dialog.
    {"PackMinus", 1, 337, 478, file(P::ArrowDown), packMinus},
    {"PackPlus", 2, 337, 28, file(P::ArrowUp), packPlus},
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

    auto* sound = new ToggleButton(display, 386, 180, "SoundBtn", "", 2, file(P::Switch), nullptr, soundSwitch);
    sound->state = theRecords.options.soundEnabled ? 1 : 0;
    add(sound);
    add(new HoverButton(display, 386, 180, "SoundTxt", file(P::SoundCaption), file(P::SoundCaptionHover), true,
                        nullptr, nullptr));
    auto* music = new ToggleButton(display, 386, 321, "MusicBtn", "", 2, file(P::Switch), nullptr, musicSwitch);
    music->state = theRecords.options.musicEnabled ? 1 : 0;
    add(music);
    add(new HoverButton(display, 386, 321, "MusicTxt", file(P::MusicCaption), file(P::MusicCaptionHover), true,
                        nullptr, nullptr));
    // The display switches beside the sound's, in the same style: a check box over its caption.
    auto* fullScreen = new ToggleButton(display, 44, 110, "FullScreenBtn", "", 2, file(P::Switch), nullptr,
                                        fullScreenSwitch);
    fullScreen->state = fullScreenOn() ? 1 : 0;
    add(fullScreen);
    add(new HoverButton(display, 44, 110, "FullScreenTxt", file(P::FullScreenCaption),
                        file(P::FullScreenCaptionHover), true, nullptr, nullptr));
    auto* scaling = new ToggleButton(display, 44, 168, "ScalingBtn", "", 2, file(P::Switch), nullptr, scalingSwitch);
    scaling->state = integerScalingOn() ? 1 : 0;
    add(scaling);
    add(new HoverButton(display, 44, 168, "ScalingTxt", file(P::ScalingCaption), file(P::ScalingCaptionHover),
                        true, nullptr, nullptr));

    for (const TaggedSpec& b : kTaggedButtons)
        add(new TaggedButton(display, b.x, b.y, b.name, "", 2, b.picture, nullptr, b.onClick, b.tag));
    for (const HoverSpec& b : kHoverButtons)
        add(new HoverButton(display, b.x, b.y, b.name, b.picture, b.hoverPicture, true, nullptr, b.onClick));
    add(new ScrollBar(display, 700, 80, kHelpScrollBar, file(P::ScrollTrack), file(P::ScrollThumb), file(P::ScrollUp),
                      file(P::ScrollDown), kHelpLines - 1, helpScrolled));
}

} // namespace burrowix
