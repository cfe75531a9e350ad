#pragma once
// The catalogue of packs beside the program: every pack's description, the selected level pack
// (its number is the difficulty) and theme pack, and the archives in play: the standard pack for
// the whole run and the current pack, re-opened on whichever pack is needed at the moment. The
// catalogue owns both archives and publishes them as the loaders' lookup archives.

#include "app/pack_info.hpp"
#include "common/asset_manifest.hpp"
#include "platform/archive/pack_archive.hpp"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace burrowix {

// What a selection asks of the screens and pictures, which live in other subsystems.
struct CatalogueHooks {
    std::function<void()> startCurrentLevel;   // rebuild the level-choice preview
    std::function<void()> reloadPackPicture;   // interface picture 26 from "pack1.bmp"
    std::function<void()> reloadThemePictures; // the theme pictures of the selected theme
    std::function<bool()> previewBusy;         // the preview is sliding or not yet captured
    std::function<void(int)> startPreviewSlide; // -1 towards the previous pack, +1 towards the next
};

class PackCatalogue {
public:
    static constexpr int kThemeTableSize = 7;
    enum PackKind : std::int32_t { kStandard = 0, kLevel = 1, kTheme = 2 };

    struct ThemeEntry {
        std::int32_t themeNumber = 0;
        int index = 0;
    };

    std::string folder; // where the packs lie; empty for the working directory
    std::vector<PackInfo> packCatalogue;
    int levelPackCount = 0;
    std::array<ThemeEntry, kThemeTableSize> themeTable{};
    int themeCount = 0;
    int selectedLevelPack = 0;
    int selectedTheme = 0;
    std::int32_t difficulty = 0;
    std::int32_t currentLevelCount = 0;
    std::int32_t currentPackNumber = 0;
    std::string standardPackName{assets::kStandardPackName};
    std::string currentPackPath;
    std::unique_ptr<PackArchive> standardPack;
    std::unique_ptr<PackArchive> currentPack;
    std::int32_t currentPackKind = kStandard;
    // The player's own levels are chosen, one step past the last level pack; they are played at
    // the difficulty chosen before, and every one of them is open.
    bool ownPackSelected = false;
    CatalogueHooks hooks;

    PackCatalogue() = default;
    ~PackCatalogue();
    PackCatalogue(const PackCatalogue&) = delete;
    PackCatalogue& operator=(const PackCatalogue&) = delete;

    // Closes the archives and forgets the catalogue; the hooks and the folder stay.
    void reset();

    // Reads the description of each pack file, in the order given, and opens the standard pack.
    // 0 when no pack file is given.
    int build(const std::vector<std::string>& packFiles);

    void useStandardPack();
    void useLevelPack();
    void useThemePack();
    // Opens the current pack on a catalogued pack's file directly, leaving currentPackKind alone.
    void openCurrentPackOn(const std::string& fileName);

    void copyLevelPackInfo();
    // Levels of the chosen pack that may be started: the level progress of a shipped pack, all
    // of the own levels.
    std::int32_t unlockedLevels() const;
    void selectLevelPackByNumber();
    void previousLevelPack() { stepLevelPack(-1); }
    void nextLevelPack() { stepLevelPack(+1); }

    // The catalogue index of the theme pack of theme `number`; -1 when there is none.
    int themePackOf(std::int32_t number) const;
    // Makes catalogue entry `index` (a theme pack) the selected theme, its pictures reloaded when it
    // was not selected already.
    void selectTheme(int index);
    // The theme a level is played with: `number` when a theme pack has it (a level's own theme),
    // else the selected level pack's.
    void selectLevelTheme(std::int32_t number);

    const PackInfo* selectedLevelPackInfo() const;
    const PackInfo* selectedThemeInfo() const;

private:
    std::string pathOf(const std::string& fileName) const;
    // Points the lookup archives of the image and sound loaders at this catalogue's archives.
    void publishOpenPacks() const;
    void withdrawOpenPacks() const;
    void replaceCurrentPack(const std::string& fileName);
    int findLevelPack(std::int32_t number) const;
    void applyLevelPackSelection(int index);
    void stepLevelPack(int direction);
    // A step into or out of the own levels; false when the step is between shipped packs.
    bool stepOwnPack(int direction);
};

extern PackCatalogue theCatalogue;

} // namespace burrowix
