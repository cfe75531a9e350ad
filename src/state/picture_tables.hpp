#pragma once
// The shared pictures the rest of the game addresses by fixed index: four single pictures and the
// sprite, interface, mineral and weapon-pickup tables, with the file name of every slot and the
// colour key each picture gets. Start-up fills them; a display loss reloads them.

#include "platform/display/display_result.hpp"
#include "platform/display/surface.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace burrowix {

class PackCatalogue;
struct Display;

inline constexpr int kSpriteImageCount = 30;
inline constexpr int kInterfaceImageCount = 50;
inline constexpr int kExppointsImageCount = 20;
inline constexpr int kAddweaponImageCount = 10;

// Interface slots with a fixed role.
inline constexpr int kLogoImage = 9;
inline constexpr int kPreviewSpritesImage = 22;
inline constexpr int kPreviewBackgroundImage = 23;
inline constexpr int kMainMenuImage = 25;
inline constexpr int kPackImage = 26;

// File names by slot; null for the interface slots 27 and 46, which are never used.
extern const std::array<const char*, kSpriteImageCount> kSpriteImageNames;
extern const std::array<const char*, kInterfaceImageCount> kInterfaceImageNames;
extern const std::array<const char*, kExppointsImageCount> kExppointsImageNames;
extern const std::array<const char*, kAddweaponImageCount> kAddweaponImageNames;

using Picture = std::unique_ptr<Surface>;

struct PictureTables {
    Picture allPicture;       // "all.bmp": its top-left pixel is every frame's background
    Picture diggerPicture;    // "h1.bmp"
    Picture explosionPicture; // "exp.bmp"
    Picture digitsFont;       // "font1_0_small.bmp"
    std::array<Picture, kSpriteImageCount> spriteImages;
    std::array<Picture, kInterfaceImageCount> interfaceImages;
    std::array<Picture, kExppointsImageCount> exppointsImages;
    std::array<Picture, kAddweaponImageCount> addweaponImages;

    void reset() { *this = PictureTables{}; }
};

extern PictureTables thePictures;

// Loads every picture start-up needs, sets their colour keys and the back buffer's, and returns
// the message of the first missing essential picture ("" when all are there). The theme pictures
// come from the catalogue's selected theme pack, "pack1.bmp" from its selected level pack.
std::string loadStartupPictures(Display& display, PackCatalogue& catalogue, PictureTables& pictures);

// The eight theme pictures from the selected theme pack (loaded anew, with the green key).
void loadThemePictures(Display& display, PackCatalogue& catalogue, PictureTables& pictures);
// "pack1.bmp" from the selected level pack, into its existing surface when there is one.
void reloadPackPicture(Display& display, PackCatalogue& catalogue, PictureTables& pictures);
// After a display loss: every loaded picture reloaded into its surface from its pack, keys set
// again. Returns the status of the last reload.
DisplayResult reloadAllPictures(PackCatalogue& catalogue, PictureTables& pictures);

} // namespace burrowix
