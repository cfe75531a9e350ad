#pragma once
// What the game ships, in one place for the game, the data generator and the tests: the packs it is
// made of and how many levels each level pack holds. The saved records size their tables from it.

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

} // namespace burrowix::assets
