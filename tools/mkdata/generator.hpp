#pragma once
// Makes every file the game ships: the standard pack, the theme and level packs, the fonts and their
// licences, and (on request) the contact sheets for reviewing the art.
#include "picture.hpp"
#include "common/asset_manifest.hpp"
#include "platform/archive/pack_writer.hpp"

#include <string>
#include <vector>

namespace burrowix::mkdata {

struct GenerateOptions {
    std::string outDir;
    std::string contactDir;  // empty: no contact sheets
    std::string levelsDir;   // compiled level files in <levelsDir>/<pack number>/<n>.ml_, if present
    bool soundReport = false;  // print every sound's duration and levels
    std::string soundFont = BURROWIX_SOUNDFONT;
    std::string soundFontCopyright = BURROWIX_SOUNDFONT_COPYRIGHT;
};

inline constexpr int kThemeCount = assets::kThemeCount;
inline constexpr int kLevelPackCount = assets::kLevelPackCount;
inline constexpr int kLevelsPerPack = assets::kLevelsPerPack;

std::string themePackFileName(int theme);     // "theme0.pak" ...
std::string levelPackFileName(int pack);      // "levels0.pak" ...
std::string themeTitle(int theme);            // "Clay", "Frost", "Ember"
std::string levelPackTitle(int pack);         // "Easy", "Medium", "Hard"

// The encoded member (24-bit BMP or baseline JPEG) for each picture.
std::vector<PackEntry> encodePictures(const PictureList& pictures);

bool generateData(const GenerateOptions& options, std::string& error);

} // namespace burrowix::mkdata
