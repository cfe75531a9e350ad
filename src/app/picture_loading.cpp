#include "app/picture_loading.hpp"

#include "app/pack_catalogue.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"

#include <array>
#include <iterator>
#include <string_view>
#include <vector>

namespace burrowix {

namespace {

using assets::PictureId;
using assets::PicturePack;

// The interface pictures loaded at start-up from the standard pack, in index order; 34, 48 and 49
// hold the placeholder.
constexpr int kStartupInterfaceImages[] = {
    assets::interfaceSlot(PictureId::WeaponColumn), assets::interfaceSlot(PictureId::ScorePanel),
    kLogoImage, assets::interfaceSlot(PictureId::Dimming), assets::interfaceSlot(PictureId::GoalsBox),
    assets::interfaceSlot(PictureId::MessagePanels), 34, assets::interfaceSlot(PictureId::WeaponSelector),
    assets::interfaceSlot(PictureId::Eyes), assets::interfaceSlot(PictureId::ControlsBoard),
    assets::interfaceSlot(PictureId::HitDigger), 48, 49};
static_assert(std::size(kStartupInterfaceImages) == 13 && kStartupInterfaceImages[12] == 49);
// Those and "pack1.bmp": the interface pictures whose absence stops start-up, in checking order.
constexpr int kCheckedInterfaceImages[] = {0, 1, 9, 19, 20, 21, kPackImage, 34, 35, 41, 45, 47, 48, 49};

// The theme pictures: the sprite and interface slots the manifest fills from the theme pack. The
// block background of looks 3 and 4 is the theme's own where its pack has one; a theme pack
// without it falls back to the standard pack's neutral one, since pictures missing from the
// current pack are looked up there.
struct ThemeSlot {
    bool sprite; // else interface
    int index;
    const char* name;
};
constexpr auto kThemeSlots = [] {
    std::array<ThemeSlot, 9> slots{};
    std::size_t n = 0;
    for (int i = 0; i < kSpriteImageCount; ++i)
        if (assets::pictureAsset(assets::kSpriteSlots[i]).pack == PicturePack::Theme)
            slots[n++] = {true, i, kSpriteImageNames[std::size_t(i)]};
    for (int i = 0; i < kInterfaceImageCount; ++i)
        if (assets::kInterfaceSlots[i] != PictureId::None &&
            assets::pictureAsset(assets::kInterfaceSlots[i]).pack == PicturePack::Theme)
            slots[n++] = {false, i, kInterfaceImageNames[std::size_t(i)]};
    return n == slots.size() ? slots : throw "the theme fills another number of slots";
}();

bool isThemeSprite(int index)
{
    return assets::pictureAsset(assets::kSpriteSlots[index]).pack == PicturePack::Theme;
}

Picture& themePicture(PictureTables& p, const ThemeSlot& slot)
{
    return slot.sprite ? p.spriteImages[slot.index] : p.interfaceImages[slot.index];
}

void setKey(const Picture& picture, assets::ColorKey key)
{
    if (picture)
        setColorKey(picture.get(), packHexRgb(assets::keyRgb(key)));
}

assets::ColorKey slotKey(PictureId id) { return assets::pictureAsset(id).key; }

// Every loaded picture's colour key, from the manifest.
void applyColorKeys(PictureTables& p)
{
    setKey(p.allPicture, slotKey(PictureId::Clear));
    setKey(p.diggerPicture, slotKey(PictureId::Digger));
    setKey(p.explosionPicture, slotKey(PictureId::Explosion));
    setKey(p.digitsFont, slotKey(PictureId::DigitFont));
    for (int i = 0; i < kSpriteImageCount; ++i)
        setKey(p.spriteImages[i], slotKey(assets::kSpriteSlots[i]));
    for (int i = 0; i < kExppointsImageCount; ++i)
        setKey(p.exppointsImages[i], slotKey(assets::kMineralSlots[i]));
    for (int i = 0; i < kAddweaponImageCount; ++i)
        setKey(p.addweaponImages[i], assets::kPickupSlots[i] == PictureId::Placeholder
                                         ? assets::kPickupPlaceholderKey
                                         : slotKey(assets::kPickupSlots[i]));
    for (int i : kStartupInterfaceImages)
        setKey(p.interfaceImages[i], slotKey(assets::kInterfaceSlots[i]));
    setKey(p.interfaceImages[kPackImage], slotKey(PictureId::PackEmblem));
    for (const ThemeSlot& slot : kThemeSlots)
        setKey(themePicture(p, slot), assets::ColorKey::Green);
    noteKeylessSprites(p);
}

// Reloads a picture into its surface; Ok for an empty slot.
DisplayResult reloadInto(const Picture& picture, std::string_view name)
{
    return picture ? reloadBitmap(picture.get(), name) : DisplayResult::Ok;
}

} // namespace

void loadThemePictures(Display& display, PackCatalogue& catalogue, PictureTables& pictures)
{
    // A theme pack that is already current may be the one of an earlier selection: open afresh.
    catalogue.useStandardPack();
    catalogue.useThemePack();
    std::vector<PictureRequest> requests;
    for (const ThemeSlot& slot : kThemeSlots)
        requests.push_back({&themePicture(pictures, slot), slot.name});
    loadBitmapSurfaces(display, requests);
    for (const ThemeSlot& slot : kThemeSlots)
        setKey(themePicture(pictures, slot), assets::ColorKey::Green);
    noteKeylessSprites(pictures);
    if (catalogue.currentPack)
        catalogue.currentPack->removeTempFiles();
}

void reloadPackPicture(Display& display, PackCatalogue& catalogue, PictureTables& pictures)
{
    catalogue.useLevelPack();
    Picture& picture = pictures.interfaceImages[kPackImage];
    if (!picture || reloadBitmap(picture.get(), kInterfaceImageNames[kPackImage]) != DisplayResult::Ok)
        picture = loadBitmapSurface(display, kInterfaceImageNames[kPackImage]);
    setKey(picture, slotKey(PictureId::PackEmblem));
}

void loadLogoPictures(Display& display, PackCatalogue& catalogue, PictureTables& p)
{
    catalogue.useStandardPack();
    const PictureRequest requests[] = {{&p.allPicture, assets::pictureFile(PictureId::Clear)},
                                       {&p.interfaceImages[kLogoImage], kInterfaceImageNames[kLogoImage]}};
    loadBitmapSurfaces(display, requests);
}

std::string loadStartupPictures(Display& display, PackCatalogue& catalogue, PictureTables& p,
                                std::string* missingName)
{
    catalogue.useStandardPack();
    const char* const clear = assets::pictureFile(PictureId::Clear);
    const char* const digger = assets::pictureFile(PictureId::Digger);
    const char* const explosion = assets::pictureFile(PictureId::Explosion);
    const char* const digits = assets::pictureFile(PictureId::DigitFont);
    std::vector<PictureRequest> requests{
        {&p.allPicture, clear}, {&p.diggerPicture, digger}, {&p.explosionPicture, explosion}, {&p.digitsFont, digits}};
    for (int i = 0; i < kSpriteImageCount; ++i)
        if (!isThemeSprite(i))
            requests.push_back({&p.spriteImages[i], kSpriteImageNames[i]});
    for (int i : kStartupInterfaceImages)
        requests.push_back({&p.interfaceImages[i], kInterfaceImageNames[i]});
    for (int i = 0; i < kExppointsImageCount; ++i)
        requests.push_back({&p.exppointsImages[i], kExppointsImageNames[i]});
    for (int i = 0; i < kAddweaponImageCount; ++i)
        requests.push_back({&p.addweaponImages[i], kAddweaponImageNames[i]});
    std::erase_if(requests, [](const PictureRequest& r) { return *r.slot != nullptr; });
    loadBitmapSurfaces(display, requests);

    loadThemePictures(display, catalogue, p);
    catalogue.useLevelPack();
    p.interfaceImages[kPackImage] = loadBitmapSurface(display, kInterfaceImageNames[kPackImage]);

    auto missing = [&](const char* message, std::string_view name) {
        if (missingName)
            *missingName = std::string(name);
        return std::string(message);
    };
    if (!p.allPicture)
        return missing("DDLoadBitmap1 FAILED", clear);
    if (!p.diggerPicture)
        return missing("DDLoadBitmap2 FAILED", digger);
    if (!p.explosionPicture)
        return missing("DDLoadBitmap Exp FAILED", explosion);
    if (!p.digitsFont)
        return missing("DDLoadBitmap Font FAILED", digits);
    for (int i : kCheckedInterfaceImages)
        if (!p.interfaceImages[i])
            return missing(("sys " + std::to_string(i)).c_str(), kInterfaceImageNames[i]);
    for (int i = 0; i < kExppointsImageCount; ++i)
        if (!p.exppointsImages[i])
            return missing("DDLoadBitmap exppoints FAILED", kExppointsImageNames[i]);
    for (int i = 0; i < kAddweaponImageCount; ++i)
        if (!p.addweaponImages[i])
            return missing("DDLoadBitmap addweapon FAILED", kAddweaponImageNames[i]);

    applyColorKeys(p);
    if (display.backBuffer) {
        setColorKey(display.backBuffer.get(), packHexRgb(assets::keyRgb(assets::ColorKey::Black)));
        display.greenPixel = colorMatch(display.backBuffer.get(), packHexRgb(assets::keyRgb(assets::ColorKey::Green)));
    }
    return {};
}

DisplayResult reloadAllPictures(PackCatalogue& catalogue, PictureTables& p)
{
    DisplayResult last = DisplayResult::Ok;
    auto reload = [&last](const Picture& picture, const char* name) {
        if (picture)
            last = reloadInto(picture, name);
    };
    catalogue.useStandardPack();
    reload(p.allPicture, assets::pictureFile(PictureId::Clear));
    reload(p.diggerPicture, assets::pictureFile(PictureId::Digger));
    reload(p.explosionPicture, assets::pictureFile(PictureId::Explosion));
    reload(p.digitsFont, assets::pictureFile(PictureId::DigitFont));
    for (int i = 0; i < kSpriteImageCount; ++i)
        if (!isThemeSprite(i))
            reload(p.spriteImages[i], kSpriteImageNames[i]);
    for (int i = 0; i < kInterfaceImageCount; ++i)
        if (assets::kInterfaceSlots[i] != PictureId::None &&
            assets::pictureAsset(assets::kInterfaceSlots[i]).pack == PicturePack::Standard)
            reload(p.interfaceImages[i], kInterfaceImageNames[i]);
    for (int i = 0; i < kExppointsImageCount; ++i)
        reload(p.exppointsImages[i], kExppointsImageNames[i]);
    for (int i = 0; i < kAddweaponImageCount; ++i)
        reload(p.addweaponImages[i], kAddweaponImageNames[i]);

    catalogue.useThemePack();
    for (const ThemeSlot& slot : kThemeSlots)
        reload(themePicture(p, slot), slot.name);
    catalogue.useLevelPack();
    reload(p.interfaceImages[kPackImage], kInterfaceImageNames[kPackImage]);
    applyColorKeys(p);
    return last;
}

} // namespace burrowix
