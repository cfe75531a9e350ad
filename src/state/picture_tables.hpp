#pragma once
// The shared pictures the rest of the game addresses by fixed index: four single pictures and the
// sprite, interface, mineral and weapon-pickup tables, with the file name of every slot. Start-up
// fills them (app/picture_loading.hpp); a display loss reloads them.

#include "platform/display/surface.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace burrowix {

inline constexpr int kSpriteImageCount = 30;
inline constexpr int kInterfaceImageCount = 50;
inline constexpr int kExppointsImageCount = 20;
inline constexpr int kAddweaponImageCount = 10;

// Sprite slots that hold no cell kind's picture: slot k is otherwise kind k's (world/cell_kind.hpp
// gives each kind its slot and checks that none lands on these).
inline constexpr int kSlotBackground = 21;        // the theme's "backgr.jpg", block pictures 0..2
inline constexpr int kSlotSuperDigger = 23;       // "h1_.bmp", the digger in super mode
inline constexpr int kSlotCrawlerSecondLook = 24; // "enemy1_.bmp": crawler look 4, the hatching egg
inline constexpr int kSlotBlockBackground = 25;   // the theme's "backgr_.jpg", block pictures 3..4

// Interface slots with a fixed role.
inline constexpr int kLogoImage = 9;
inline constexpr int kPreviewSpritesImage = 22;
inline constexpr int kPreviewBackgroundImage = 23;
inline constexpr int kMainMenuImage = 25;
inline constexpr int kPackImage = 26;

// File names by slot; null for the interface slot 27, which is never used.
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

} // namespace burrowix
