#pragma once
// What the game ships, in one place for the game, the data generator and the tests: the packs it is
// made of, how many levels each level pack holds, and the standard pack's sound effects and music
// tracks. The saved records size their tables from it.

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

} // namespace burrowix::assets
