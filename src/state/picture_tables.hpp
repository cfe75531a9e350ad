#pragma once
// The shared pictures the rest of the game addresses by fixed index: four single pictures and the
// sprite, interface, mineral and weapon-pickup tables, whose slots the asset manifest fills.
// Start-up fills them (app/picture_loading.hpp); a display loss reloads them.

#include "common/asset_manifest.hpp"
#include "platform/display/keyless_squares.hpp"
#include "platform/display/surface.hpp"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace burrowix {

inline constexpr int kSpriteImageCount = assets::kSpriteSlotCount;
inline constexpr int kInterfaceImageCount = assets::kInterfaceSlotCount;
inline constexpr int kExppointsImageCount = assets::kMineralSlotCount;
inline constexpr int kAddweaponImageCount = assets::kPickupSlotCount;

// Sprite slots that hold no cell kind's picture: slot k is otherwise kind k's (world/cell_kind.hpp
// gives each kind its slot and checks that none lands on these).
inline constexpr int kSlotBackground = assets::spriteSlot(assets::PictureId::Background); // blocks 0..2
inline constexpr int kSlotSuperDigger = assets::spriteSlot(assets::PictureId::SuperDigger);
// Crawler look 4 and the hatching egg.
inline constexpr int kSlotCrawlerSecondLook = assets::spriteSlot(assets::PictureId::CrawlerSecondLook);
inline constexpr int kSlotBlockBackground = assets::spriteSlot(assets::PictureId::BlockBackground); // blocks 3..4

// Interface slots with a fixed role.
inline constexpr int kLogoImage = assets::interfaceSlot(assets::PictureId::Logo);
inline constexpr int kPreviewSpritesImage = assets::interfaceSlot(assets::PictureId::PreviewSprites);
inline constexpr int kPreviewBackgroundImage = assets::interfaceSlot(assets::PictureId::PreviewBackground);
inline constexpr int kMainMenuImage = assets::interfaceSlot(assets::PictureId::MainMenu);
inline constexpr int kPackImage = assets::interfaceSlot(assets::PictureId::PackEmblem);

// The file of each slot, from the asset manifest; null for a slot nothing fills.
template <std::size_t N>
constexpr std::array<const char*, N> slotFiles(const assets::PictureId (&table)[N])
{
    std::array<const char*, N> files{};
    for (std::size_t i = 0; i < N; ++i)
        files[i] = table[i] == assets::PictureId::None ? nullptr : assets::pictureFile(table[i]);
    return files;
}
inline constexpr auto kSpriteImageNames = slotFiles(assets::kSpriteSlots);
inline constexpr auto kInterfaceImageNames = slotFiles(assets::kInterfaceSlots);
inline constexpr auto kExppointsImageNames = slotFiles(assets::kMineralSlots);
inline constexpr auto kAddweaponImageNames = slotFiles(assets::kPickupSlots);

using Picture = std::unique_ptr<Surface>;

struct PictureTables {
    Picture allPicture;       // the clear picture: its top-left pixel is every frame's background
    Picture diggerPicture;    // the digger's sheet
    Picture explosionPicture; // the blast sheet
    Picture digitsFont;       // the HUD's digit sheet
    std::array<Picture, kSpriteImageCount> spriteImages;
    std::array<Picture, kInterfaceImageCount> interfaceImages;
    std::array<Picture, kExppointsImageCount> exppointsImages;
    std::array<Picture, kAddweaponImageCount> addweaponImages;
    // The cell squares of each sprite sheet that hold no key pixel (noteKeylessSprites).
    std::array<KeylessSquares, kSpriteImageCount> spriteKeyless;

    void reset() { *this = PictureTables{}; }
};

// Notes the key-free cell squares of every sprite sheet drawn in cells; called whenever the
// sheets' pixels or keys were set.
void noteKeylessSprites(PictureTables& p);

extern PictureTables thePictures;

} // namespace burrowix
