#pragma once
// What the game ships, in one place for the game, the data generator and the tests: the packs it is
// made of, how many levels each level pack holds, the standard pack's sound effects and music
// tracks, and every picture with its pack, colour key, size and frame grid and the table slots it
// fills. The saved records size their tables from it.

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace burrowix::assets {

inline constexpr int kLevelPackCount = 3; ///< Easy, Medium, Hard: one pack per difficulty
inline constexpr int kLevelsPerPack = 30; ///< levels in each level pack
inline constexpr int kThemeCount = 3;     ///< theme packs (looks and music of the play field)

inline constexpr std::string_view kStandardPackName = "standart.pak"; ///< pictures, sounds and music every screen uses

// "theme0.pak" ... for theme t.
inline std::string themePackName(int theme) { return "theme" + std::to_string(theme) + ".pak"; }
// "levels0.pak" ... for level pack p.
inline std::string levelPackName(int pack) { return "levels" + std::to_string(pack) + ".pak"; }

// The standard pack's sound effects, in the game's loading order: the effect bank's handles are
// these positions.
enum class Effect {
    Explosion,
    StoneFall,
    NuggetFall,
    Nugget,
    // minerals and weapon pickups
    Mineral1,
    Mineral2,
    Mineral3,
    AddWeapon1,
    AddWeapon2,
    AddWeapon3,
    Mine,
    Shot,
    Grenade,
    Tnt,
    Bottle,
    Life,
    Loser,
    Winner,
    Info,
    WeaponChange,
    Menu,
    Nothing, // a weapon fired where it cannot go
    Dig1,
    Dig2,
    Dig3,
    Count,
};
inline constexpr int kEffectCount = static_cast<int>(Effect::Count);

struct EffectAsset {
    const char* name; ///< the name the effect bank knows it by; the two nugget sounds share one
    const char* file; ///< its file in the standard pack
};

inline constexpr EffectAsset kEffects[kEffectCount] = {
    {"explosion01", "explosion01.wav"},
    {"stone01", "stonefall.wav"},
    {"nugget01", "nuggetfall.wav"},
    {"nugget01", "nugget01.wav"},
    {"mineral01", "mineral01.wav"},
    {"mineral02", "mineral02.wav"},
    {"mineral03", "mineral03.wav"},
    {"addweapon01", "addweapon01.wav"},
    {"addweapon02", "addweapon02.wav"},
    {"addweapon03", "addweapon03.wav"},
    {"mine01", "mine01.wav"},
    {"shot01", "shot01.wav"},
    {"grenade01", "grenade01.wav"},
    {"tnt01", "tnt01.wav"},
    {"bottle01", "bottle01.wav"},
    {"life01", "life01.wav"},
    {"loser01", "loser01.wav"},
    {"winner01", "winner01.wav"},
    {"info01", "info01.wav"},
    {"weaponchange01", "weaponchange01.wav"},
    {"menu01", "menu01.wav"},
    {"nothing01", "nothing01.wav"},
    {"dig01", "dig01.wav"},
    {"dig02", "dig02.wav"},
    {"dig03", "dig03.wav"},
};

inline constexpr const char* effectFile(Effect e) { return kEffects[static_cast<int>(e)].file; }

// The standard pack's music tracks: the menus' first, then one per level pack in pack order.
inline constexpr int kMusicTrackCount = 1 + kLevelPackCount;
inline constexpr const char* kMusicTracks[kMusicTrackCount] = {"back1.ogg", "back2.ogg", "back3.ogg", "back4.ogg"};
inline constexpr const char* kMenuTrack = kMusicTracks[0]; ///< the menus' and the title's music

// The music of the levels of pack p.
inline constexpr const char* levelTrack(int pack) { return kMusicTracks[1 + pack]; }

// ---- Pictures ----

// Every picture the game loads. The order is free; `kPictures` holds one row per value, in this
// order. Adding a picture: a value here, its row in `kPictures`, its slot where it fills one, and
// its drawing in burrowix-mkdata (which refuses a picture of another size than its row's).
enum class PictureId {
    None = -1, ///< no picture: a table slot nothing fills
    // the four single pictures
    Clear, Digger, Explosion, DigitFont,
    // sprite sheets (40 x 40 cells)
    Gold, Crawler, Bomb, Mine, Placeholder, Heart, Walker, Shots, Tnt, Stalker, Grenade, SuperDigger,
    CrawlerSecondLook, NeutralBlockBackground, Mineral1, Mineral2, Mineral3, Mineral4, Mineral5, Mineral6,
    MinesPickup, ShotsPickup, GrenadesPickup, TntPickup, BottlePickup,
    // the HUD, the panels and the game screen's overlays
    WeaponColumn, ScorePanel, GoalsBox, WeaponSelector, Dimming, MessagePanels, ControlsBoard, Eyes, YouPointer,
    HitDigger,
    // the screens and their pieces
    Logo, MainMenu, LevelChoiceFrame, Locked, LevelDigits, Magnifier, LevelSlideSeam, PackSlideSeam,
    StartMarker, Difficulty, OptionsBackground, ControlsBackground, Gauges, HallOfFame, HelpBackground,
    ExitBackground, GameOverLost, GameOverWon, NamePrompt,
    // the help screen's pages
    HelpPage1, HelpPage2, HelpPage3, HelpPage4, HelpPage5, HelpPage6, HelpPage7, HelpPage8,
    // widgets: hover buttons (normal, hover), toggles and arrows (three frames stacked: up, down,
    // hover), the scroll bar, the pointer sheets
    NewGame, NewGameHover, Options, OptionsHover, HallOfFameButton, HallOfFameButtonHover, Help, HelpHover,
    Exit, ExitHover, Editor, EditorHover, MainMenuButton, MainMenuButtonHover, Controls, ControlsHover, Defaults, DefaultsHover,
    Start, StartHover, Watch, WatchHover, Hard, HardHover, Medium, MediumHover, Easy, EasyHover,
    GameSpeedCaption, GameSpeedCaptionHover, Minus, MinusHover, Plus, PlusHover, SoundCaption,
    SoundCaptionHover, SoundVolumeCaption, SoundVolumeCaptionHover, MusicCaption, MusicCaptionHover,
    MusicVolumeCaption, MusicVolumeCaptionHover, FullScreenCaption, FullScreenCaptionHover, ScalingCaption,
    ScalingCaptionHover, ExitYes, ExitYesHover, ExitNo, ExitNoHover, GameOverMainMenu, GameOverMainMenuHover,
    GameWonMainMenu, GameWonMainMenuHover, PanelYes, PanelYesHover, PanelNo, PanelNoHover, ExitPanel, Switch,
    ArrowLeft, ArrowRight, ArrowUp, ArrowDown, ScrollUp, ScrollDown, ScrollTrack, ScrollThumb, PointerNormal,
    PointerPressed,
    // each theme pack's
    Background, Earth, Stone, Wall, PreviewSprites, PreviewBackground, BlockBackground,
    // each level pack's
    PackEmblem,
    Count,
};
inline constexpr int kPictureCount = static_cast<int>(PictureId::Count);

// The pack a picture lives in: the standard pack, each theme pack (every theme its own look in the
// same layout) or each level pack. A theme picture missing from its pack is looked up in the
// standard pack, which is why the standard pack carries a neutral block background too.
enum class PicturePack { Standard, Theme, Level };

// The colour a picture's transparent pixels have exactly; the game sets it as the colour key.
enum class ColorKey { Black, Green, Blue, Cyan };

// The key colour written 0xRRGGBB (the display packs colours the other way round: packHexRgb).

inline constexpr std::uint32_t keyRgb(ColorKey key)
{
    switch (key) {
    case ColorKey::Green:
        return 0x00FF00;
    case ColorKey::Blue:
        return 0x0000FF;
    case ColorKey::Cyan:
        return 0x00FFFF;
    case ColorKey::Black:
        break;
    }
    return 0x000000;
}

struct PictureAsset {
    PictureId id;     ///< its value, equal to its row's position
    const char* file; ///< its member name, unique within its pack
    PicturePack pack; ///< where it lives
    ColorKey key;     ///< its transparent colour
    int width;        ///< its size in pixels, as made and as the code reads it
    int height;
    int frameWidth = 0; ///< one cell of the grid its frames lie in; 0: the picture is one frame
    int frameHeight = 0;
};

inline constexpr PictureAsset kPictures[] = {
    // the four single pictures
    {PictureId::Clear, "all.bmp", PicturePack::Standard, ColorKey::Black, 8, 8},
    {PictureId::Digger, "h1.bmp", PicturePack::Standard, ColorKey::Black, 360, 800, 40, 40},
    {PictureId::Explosion, "exp.bmp", PicturePack::Standard, ColorKey::Black, 480, 40 * 39, 40, 40},
    {PictureId::DigitFont, "font1_0_small.bmp", PicturePack::Standard, ColorKey::Blue, 220, 114},
    // sprite sheets (40 x 40 cells)
    {PictureId::Gold, "gold.bmp", PicturePack::Standard, ColorKey::Black, 800, 40, 40, 40},
    {PictureId::Crawler, "enemy1.bmp", PicturePack::Standard, ColorKey::Green, 640, 600, 40, 40},
    {PictureId::Bomb, "bomb.bmp", PicturePack::Standard, ColorKey::Black, 400, 40, 40, 40},
    {PictureId::Mine, "mine.bmp", PicturePack::Standard, ColorKey::Black, 280, 40, 40, 40},
    {PictureId::Placeholder, "tmp.bmp", PicturePack::Standard, ColorKey::Black, 640, 160, 40, 40},
    {PictureId::Heart, "heart.bmp", PicturePack::Standard, ColorKey::Black, 80, 40, 40, 40},
    {PictureId::Walker, "enemy2.bmp", PicturePack::Standard, ColorKey::Black, 400, 240, 40, 40},
    {PictureId::Shots, "sh.bmp", PicturePack::Standard, ColorKey::Black, 160, 120, 40, 40},
    {PictureId::Tnt, "tnt.bmp", PicturePack::Standard, ColorKey::Black, 240, 40, 40, 40},
    {PictureId::Stalker, "enemy4.bmp", PicturePack::Standard, ColorKey::Green, 240, 320, 40, 40},
    {PictureId::Grenade, "grenade.bmp", PicturePack::Standard, ColorKey::Black, 480, 40, 40, 40},
    {PictureId::SuperDigger, "h1_.bmp", PicturePack::Standard, ColorKey::Black, 360, 800, 40, 40},
    {PictureId::CrawlerSecondLook, "enemy1_.bmp", PicturePack::Standard, ColorKey::Green, 640, 280, 40, 40},
    {PictureId::NeutralBlockBackground, "backgr_.jpg", PicturePack::Standard, ColorKey::Black, 800, 400, 200, 200},
    // minerals and weapon pickups
    {PictureId::Mineral1, "points01.bmp", PicturePack::Standard, ColorKey::Black, 640, 80, 40, 40},
    {PictureId::Mineral2, "points02.bmp", PicturePack::Standard, ColorKey::Black, 640, 80, 40, 40},
    {PictureId::Mineral3, "points03.bmp", PicturePack::Standard, ColorKey::Black, 640, 80, 40, 40},
    {PictureId::Mineral4, "points04.bmp", PicturePack::Standard, ColorKey::Black, 640, 80, 40, 40},
    {PictureId::Mineral5, "points05.bmp", PicturePack::Standard, ColorKey::Black, 640, 80, 40, 40},
    {PictureId::Mineral6, "points06.bmp", PicturePack::Standard, ColorKey::Black, 640, 80, 40, 40},
    {PictureId::MinesPickup, "10mines.bmp", PicturePack::Standard, ColorKey::Green, 120, 40, 40, 40},
    {PictureId::ShotsPickup, "10shots.bmp", PicturePack::Standard, ColorKey::Green, 120, 40, 40, 40},
    {PictureId::GrenadesPickup, "10grenade.bmp", PicturePack::Standard, ColorKey::Green, 120, 40, 40, 40},
    {PictureId::TntPickup, "10tnt.bmp", PicturePack::Standard, ColorKey::Green, 120, 40, 40, 40},
    {PictureId::BottlePickup, "10kill.bmp", PicturePack::Standard, ColorKey::Black, 640, 40, 40, 40},
    // the HUD, the panels and the game screen's overlays
    {PictureId::WeaponColumn, "pan1.bmp", PicturePack::Standard, ColorKey::Cyan, 104, 342},
    {PictureId::ScorePanel, "pan2.bmp", PicturePack::Standard, ColorKey::Cyan, 245, 399},
    {PictureId::GoalsBox, "pan3.bmp", PicturePack::Standard, ColorKey::Cyan, 237, 220},
    {PictureId::WeaponSelector, "curr_weap.bmp", PicturePack::Standard, ColorKey::Blue, 238, 198},
    {PictureId::Dimming, "fone.bmp", PicturePack::Standard, ColorKey::Green, 20, 20},
    {PictureId::MessagePanels, "message.bmp", PicturePack::Standard, ColorKey::Green, 644, 560},
    {PictureId::ControlsBoard, "controls.bmp", PicturePack::Standard, ColorKey::Green, 493, 424},
    {PictureId::Eyes, "eyes.bmp", PicturePack::Standard, ColorKey::Green, 251, 219},
    {PictureId::YouPointer, "pointer2.bmp", PicturePack::Standard, ColorKey::Green, 600, 200, 100, 100},
    {PictureId::HitDigger, "h1__.bmp", PicturePack::Standard, ColorKey::Black, 360, 800, 40, 40},
    // the screens and their pieces
    {PictureId::Logo, "logo.jpg", PicturePack::Standard, ColorKey::Black, 800, 600},
    {PictureId::MainMenu, "mainmenu01.jpg", PicturePack::Standard, ColorKey::Black, 800, 600},
    {PictureId::LevelChoiceFrame, "chback.bmp", PicturePack::Standard, ColorKey::Green, 800, 600},
    {PictureId::Locked, "closed.bmp", PicturePack::Standard, ColorKey::Green, 148, 149},
    {PictureId::LevelDigits, "digits.bmp", PicturePack::Standard, ColorKey::Black, 650, 252, 65, 63},
    {PictureId::Magnifier, "magnifier.bmp", PicturePack::Standard, ColorKey::Black, 305, 238},
    {PictureId::LevelSlideSeam, "scroll1.jpg", PicturePack::Standard, ColorKey::Black, 40, 360},
    {PictureId::PackSlideSeam, "scroll2.jpg", PicturePack::Standard, ColorKey::Black, 460, 40},
    {PictureId::StartMarker, "brannoksign.bmp", PicturePack::Standard, ColorKey::Black, 567, 63, 63, 63},
    {PictureId::Difficulty, "difficulty.bmp", PicturePack::Standard, ColorKey::Cyan, 375, 507},
    {PictureId::OptionsBackground, "optback.jpg", PicturePack::Standard, ColorKey::Black, 800, 600},
    {PictureId::ControlsBackground, "keysback.jpg", PicturePack::Standard, ColorKey::Black, 800, 600},
    {PictureId::Gauges, "arrows0_.bmp", PicturePack::Standard, ColorKey::Black, 82, 690, 82, 69},
    {PictureId::HallOfFame, "hallfame.jpg", PicturePack::Standard, ColorKey::Black, 800, 600},
    {PictureId::HelpBackground, "helpbgr.jpg", PicturePack::Standard, ColorKey::Black, 800, 600},
    {PictureId::ExitBackground, "exitbgr.jpg", PicturePack::Standard, ColorKey::Black, 800, 600},
    {PictureId::GameOverLost, "gobgr.jpg", PicturePack::Standard, ColorKey::Green, 800, 600},
    {PictureId::GameOverWon, "gogood.jpg", PicturePack::Standard, ColorKey::Green, 800, 600},
    {PictureId::NamePrompt, "gohf1.bmp", PicturePack::Standard, ColorKey::Green, 416, 158},
    // the help screen's pages
    {PictureId::HelpPage1, "helpp1.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    {PictureId::HelpPage2, "helpp2.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    {PictureId::HelpPage3, "helpp3.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    {PictureId::HelpPage4, "helpp4.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    {PictureId::HelpPage5, "helpp5.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    {PictureId::HelpPage6, "helpp6.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    {PictureId::HelpPage7, "helpp7.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    {PictureId::HelpPage8, "helpp8.jpg", PicturePack::Standard, ColorKey::Black, 256, 375},
    // widgets: hover buttons (normal, hover), toggles and arrows (three frames stacked: up, down,
    // hover), the scroll bar, the pointer sheets
    {PictureId::NewGame, "newgame0.bmp", PicturePack::Standard, ColorKey::Green, 165, 60},
    {PictureId::NewGameHover, "newgame1.bmp", PicturePack::Standard, ColorKey::Green, 165, 60},
    {PictureId::Options, "options0.bmp", PicturePack::Standard, ColorKey::Green, 130, 60},
    {PictureId::OptionsHover, "options1.bmp", PicturePack::Standard, ColorKey::Green, 130, 60},
    {PictureId::HallOfFameButton, "halloffame0.bmp", PicturePack::Standard, ColorKey::Green, 165, 60},
    {PictureId::HallOfFameButtonHover, "halloffame1.bmp", PicturePack::Standard, ColorKey::Green, 165, 60},
    {PictureId::Help, "mainhelp0.bmp", PicturePack::Standard, ColorKey::Green, 125, 60},
    {PictureId::HelpHover, "mainhelp1.bmp", PicturePack::Standard, ColorKey::Green, 125, 60},
    {PictureId::Exit, "exit0.bmp", PicturePack::Standard, ColorKey::Green, 130, 60},
    {PictureId::ExitHover, "exit1.bmp", PicturePack::Standard, ColorKey::Green, 130, 60},
    {PictureId::Editor, "editor0.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::EditorHover, "editor1.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::MainMenuButton, "mainmenu0.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::MainMenuButtonHover, "mainmenu1.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::Controls, "keys0.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::ControlsHover, "keys1.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::Defaults, "defaults0.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::DefaultsHover, "defaults1.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::Start, "nglc0.bmp", PicturePack::Standard, ColorKey::Green, 125, 60},
    {PictureId::StartHover, "nglc1.bmp", PicturePack::Standard, ColorKey::Green, 125, 60},
    {PictureId::Watch, "watch0.bmp", PicturePack::Standard, ColorKey::Green, 125, 60},
    {PictureId::WatchHover, "watch1.bmp", PicturePack::Standard, ColorKey::Green, 125, 60},
    {PictureId::Hard, "lc00.bmp", PicturePack::Standard, ColorKey::Green, 300, 100},
    {PictureId::HardHover, "lc01.bmp", PicturePack::Standard, ColorKey::Green, 300, 100},
    {PictureId::Medium, "lc10.bmp", PicturePack::Standard, ColorKey::Green, 300, 100},
    {PictureId::MediumHover, "lc11.bmp", PicturePack::Standard, ColorKey::Green, 300, 100},
    {PictureId::Easy, "lc20.bmp", PicturePack::Standard, ColorKey::Green, 300, 100},
    {PictureId::EasyHover, "lc21.bmp", PicturePack::Standard, ColorKey::Green, 300, 100},
    {PictureId::GameSpeedCaption, "gsup0.bmp", PicturePack::Standard, ColorKey::Green, 140, 50},
    {PictureId::GameSpeedCaptionHover, "gsup1.bmp", PicturePack::Standard, ColorKey::Green, 140, 50},
    {PictureId::Minus, "gsminus0.bmp", PicturePack::Standard, ColorKey::Green, 60, 40},
    {PictureId::MinusHover, "gsminus1.bmp", PicturePack::Standard, ColorKey::Green, 60, 40},
    {PictureId::Plus, "gsplus0.bmp", PicturePack::Standard, ColorKey::Green, 60, 40},
    {PictureId::PlusHover, "gsplus1.bmp", PicturePack::Standard, ColorKey::Green, 60, 40},
    {PictureId::SoundCaption, "soundtxt0.bmp", PicturePack::Standard, ColorKey::Green, 180, 40},
    {PictureId::SoundCaptionHover, "soundtxt1.bmp", PicturePack::Standard, ColorKey::Green, 180, 40},
    {PictureId::SoundVolumeCaption, "svolup0.bmp", PicturePack::Standard, ColorKey::Green, 150, 50},
    {PictureId::SoundVolumeCaptionHover, "svolup1.bmp", PicturePack::Standard, ColorKey::Green, 150, 50},
    {PictureId::MusicCaption, "musictxt0.bmp", PicturePack::Standard, ColorKey::Green, 180, 40},
    {PictureId::MusicCaptionHover, "musictxt1.bmp", PicturePack::Standard, ColorKey::Green, 180, 40},
    {PictureId::MusicVolumeCaption, "mvolup0.bmp", PicturePack::Standard, ColorKey::Green, 150, 50},
    {PictureId::MusicVolumeCaptionHover, "mvolup1.bmp", PicturePack::Standard, ColorKey::Green, 150, 50},
    {PictureId::FullScreenCaption, "fullscreentxt0.bmp", PicturePack::Standard, ColorKey::Green, 290, 40},
    {PictureId::FullScreenCaptionHover, "fullscreentxt1.bmp", PicturePack::Standard, ColorKey::Green, 290, 40},
    {PictureId::ScalingCaption, "scalingtxt0.bmp", PicturePack::Standard, ColorKey::Green, 290, 40},
    {PictureId::ScalingCaptionHover, "scalingtxt1.bmp", PicturePack::Standard, ColorKey::Green, 290, 40},
    {PictureId::ExitYes, "exityes0.bmp", PicturePack::Standard, ColorKey::Green, 150, 80},
    {PictureId::ExitYesHover, "exityes1.bmp", PicturePack::Standard, ColorKey::Green, 150, 80},
    {PictureId::ExitNo, "exitno0.bmp", PicturePack::Standard, ColorKey::Green, 150, 80},
    {PictureId::ExitNoHover, "exitno1.bmp", PicturePack::Standard, ColorKey::Green, 150, 80},
    {PictureId::GameOverMainMenu, "gomm0.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::GameOverMainMenuHover, "gomm1.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::GameWonMainMenu, "gogmm0.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::GameWonMainMenuHover, "gogmm1.bmp", PicturePack::Standard, ColorKey::Green, 150, 60},
    {PictureId::PanelYes, "yes0.bmp", PicturePack::Standard, ColorKey::Green, 80, 27},
    {PictureId::PanelYesHover, "yes1.bmp", PicturePack::Standard, ColorKey::Green, 80, 27},
    {PictureId::PanelNo, "no0.bmp", PicturePack::Standard, ColorKey::Green, 80, 27},
    {PictureId::PanelNoHover, "no1.bmp", PicturePack::Standard, ColorKey::Green, 80, 27},
    {PictureId::ExitPanel, "exit_pan.bmp", PicturePack::Standard, ColorKey::Green, 90, 160},
    {PictureId::Switch, "soundon.bmp", PicturePack::Standard, ColorKey::Green, 40, 120, 40, 40},
    {PictureId::ArrowLeft, "btn_left.bmp", PicturePack::Standard, ColorKey::Green, 70, 210, 70, 70},
    {PictureId::ArrowRight, "btn_right.bmp", PicturePack::Standard, ColorKey::Green, 70, 210, 70, 70},
    {PictureId::ArrowUp, "btn_up.bmp", PicturePack::Standard, ColorKey::Green, 126, 180, 126, 60},
    {PictureId::ArrowDown, "btn_down.bmp", PicturePack::Standard, ColorKey::Green, 126, 180, 126, 60},
    {PictureId::ScrollUp, "sb_up_.bmp", PicturePack::Standard, ColorKey::Green, 30, 90, 30, 30},
    {PictureId::ScrollDown, "sb_down_.bmp", PicturePack::Standard, ColorKey::Green, 30, 90, 30, 30},
    {PictureId::ScrollTrack, "sb_scroll_.bmp", PicturePack::Standard, ColorKey::Green, 30, 380},
    {PictureId::ScrollThumb, "sb_point_.bmp", PicturePack::Standard, ColorKey::Green, 30, 40},
    {PictureId::PointerNormal, "m_01.bmp", PicturePack::Standard, ColorKey::Green, 360, 40, 40, 40},
    {PictureId::PointerPressed, "m_02.bmp", PicturePack::Standard, ColorKey::Green, 160, 40, 40, 40},
    // each theme pack's
    {PictureId::Background, "backgr.jpg", PicturePack::Theme, ColorKey::Green, 800, 600, 200, 200},
    {PictureId::Earth, "grass.bmp", PicturePack::Theme, ColorKey::Green, 240, 200, 40, 40},
    {PictureId::Stone, "stone.bmp", PicturePack::Theme, ColorKey::Green, 440, 240, 40, 40},
    {PictureId::Wall, "wall01.bmp", PicturePack::Theme, ColorKey::Green, 440, 40, 40, 40},
    {PictureId::PreviewSprites, "smallback20.bmp", PicturePack::Theme, ColorKey::Green, 460, 180, 20, 20},
    {PictureId::PreviewBackground, "backgrsmall.bmp", PicturePack::Theme, ColorKey::Green, 500, 100, 100, 100},
    {PictureId::BlockBackground, "backgr_.jpg", PicturePack::Theme, ColorKey::Green, 800, 400, 200, 200},
    // each level pack's
    {PictureId::PackEmblem, "pack1.bmp", PicturePack::Level, ColorKey::Black, 200, 100},
};

inline constexpr const PictureAsset& pictureAsset(PictureId id) { return kPictures[static_cast<int>(id)]; }
inline constexpr const char* pictureFile(PictureId id) { return pictureAsset(id).file; }
// Its frame grid's cell: the whole picture when it has no grid.
inline constexpr int frameWidth(PictureId id)
{
    return pictureAsset(id).frameWidth ? pictureAsset(id).frameWidth : pictureAsset(id).width;
}
inline constexpr int frameHeight(PictureId id)
{
    return pictureAsset(id).frameHeight ? pictureAsset(id).frameHeight : pictureAsset(id).height;
}

// The help screen's pages, top to bottom.
inline constexpr PictureId kHelpPages[] = {PictureId::HelpPage1, PictureId::HelpPage2, PictureId::HelpPage3,
                                           PictureId::HelpPage4, PictureId::HelpPage5, PictureId::HelpPage6,
                                           PictureId::HelpPage7, PictureId::HelpPage8};
inline constexpr int kHelpPageCount = static_cast<int>(std::size(kHelpPages));

// The tables the game addresses pictures in by slot. A picture may fill several slots ("tmp.bmp"
// stands in wherever a slot's picture is never drawn); `None` marks a slot nothing fills.
inline constexpr PictureId kSpriteSlots[] = {
    PictureId::Earth,       PictureId::Stone,       PictureId::Wall,
    PictureId::Gold,        PictureId::Earth,       PictureId::Earth, // 4, 5: the earth's bite masks
    PictureId::Crawler,     PictureId::Bomb,        PictureId::Mine,
    PictureId::Placeholder, PictureId::Heart,       PictureId::Walker,
    PictureId::Placeholder, PictureId::Shots,       PictureId::Shots,
    PictureId::Shots,       PictureId::Tnt,         PictureId::Shots,
    PictureId::Stalker,     PictureId::Grenade,     PictureId::Placeholder,
    PictureId::Background,  PictureId::Placeholder, PictureId::SuperDigger,
    PictureId::CrawlerSecondLook, PictureId::BlockBackground, PictureId::Placeholder,
    PictureId::Placeholder, PictureId::Placeholder, PictureId::Placeholder,
};
inline constexpr PictureId kInterfaceSlots[] = {
    PictureId::WeaponColumn, PictureId::ScorePanel, PictureId::None, PictureId::None, PictureId::None,
    PictureId::None, PictureId::HelpBackground, PictureId::Placeholder, PictureId::HallOfFame, PictureId::Logo,
    PictureId::None, PictureId::Placeholder, PictureId::Placeholder, PictureId::None, PictureId::None,
    PictureId::None, PictureId::None, PictureId::None, PictureId::None, PictureId::Dimming,
    PictureId::GoalsBox, PictureId::MessagePanels, PictureId::PreviewSprites, PictureId::PreviewBackground,
    PictureId::LevelDigits, PictureId::MainMenu, PictureId::PackEmblem, PictureId::None, PictureId::Locked,
    PictureId::LevelChoiceFrame, PictureId::LevelSlideSeam, PictureId::PackSlideSeam, PictureId::Magnifier,
    PictureId::OptionsBackground, PictureId::Placeholder, PictureId::WeaponSelector, PictureId::StartMarker,
    PictureId::YouPointer, PictureId::Gauges, PictureId::ExitBackground, PictureId::GameOverLost, PictureId::Eyes,
    PictureId::Difficulty, PictureId::NamePrompt, PictureId::GameOverWon, PictureId::ControlsBoard,
    PictureId::ControlsBackground, PictureId::HitDigger, PictureId::Placeholder, PictureId::Placeholder,
};
// The minerals' table: slot t is mineral type t (types 6.. are never placed).
inline constexpr PictureId kMineralSlots[] = {
    PictureId::Mineral1,    PictureId::Mineral2,    PictureId::Mineral3,    PictureId::Mineral4,
    PictureId::Mineral5,    PictureId::Mineral6,    PictureId::Placeholder, PictureId::Placeholder,
    PictureId::Placeholder, PictureId::Placeholder, PictureId::Placeholder, PictureId::Placeholder,
    PictureId::Placeholder, PictureId::Placeholder, PictureId::Placeholder, PictureId::Placeholder,
    PictureId::Placeholder, PictureId::Placeholder, PictureId::Placeholder, PictureId::Placeholder,
};
// The weapon pickups' table: slot w is the pickup of weapon w.
inline constexpr PictureId kPickupSlots[] = {
    PictureId::Placeholder, PictureId::MinesPickup,    PictureId::Placeholder, PictureId::ShotsPickup,
    PictureId::GrenadesPickup, PictureId::Placeholder, PictureId::TntPickup,   PictureId::BottlePickup,
    PictureId::Placeholder, PictureId::Placeholder,
};
inline constexpr int kSpriteSlotCount = static_cast<int>(std::size(kSpriteSlots));
inline constexpr int kInterfaceSlotCount = static_cast<int>(std::size(kInterfaceSlots));
inline constexpr int kMineralSlotCount = static_cast<int>(std::size(kMineralSlots));
inline constexpr int kPickupSlotCount = static_cast<int>(std::size(kPickupSlots));
static_assert(kSpriteSlotCount == 30 && kInterfaceSlotCount == 50 && kMineralSlotCount == 20 &&
              kPickupSlotCount == 10);

// The placeholder's cells in the pickup table are read with the pickups' green key.
inline constexpr ColorKey kPickupPlaceholderKey = ColorKey::Green;

// The first slot of a table that the picture fills; -1 when it fills none.
template <std::size_t N>
constexpr int slotOf(const PictureId (&table)[N], PictureId id)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == id)
            return static_cast<int>(i);
    return -1;
}
inline constexpr int spriteSlot(PictureId id) { return slotOf(kSpriteSlots, id); }
inline constexpr int interfaceSlot(PictureId id) { return slotOf(kInterfaceSlots, id); }

// The picture named `file` in `pack`; None when the pack has no such picture.
inline constexpr PictureId findPicture(std::string_view file, PicturePack pack)
{
    for (const PictureAsset& p : kPictures)
        if (p.pack == pack && file == p.file)
            return p.id;
    return PictureId::None;
}

} // namespace burrowix::assets
