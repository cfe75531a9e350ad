#include "app/picture_loading.hpp"

#include "app/pack_catalogue.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace burrowix {

namespace {

constexpr std::uint32_t kBlack = packRgb(0, 0, 0);
constexpr std::uint32_t kGreen = packRgb(0, 255, 0);
constexpr std::uint32_t kBlue = packRgb(0, 0, 255);
constexpr std::uint32_t kCyan = packRgb(0, 255, 255);

// The interface pictures loaded at start-up from the standard pack, in index order.
constexpr int kStartupInterfaceImages[] = {0, 1, 9, 19, 20, 21, 34, 35, 41, 45, 47, 48, 49};
// Those and "pack1.bmp": the interface pictures whose absence stops start-up, in checking order.
constexpr int kCheckedInterfaceImages[] = {0, 1, 9, 19, 20, 21, kPackImage, 34, 35, 41, 45, 47, 48, 49};

// The theme pictures: which table slot gets which theme-pack file, in loading order. The block
// background of looks 3 and 4 ("backgr_.jpg") is the theme's own where its pack has one; a theme
// pack without it falls back to the standard pack's neutral one, since pictures missing from the
// current pack are looked up there.
struct ThemeSlot {
    bool sprite; // else interface
    int index;
    const char* name;
};
constexpr ThemeSlot kThemeSlots[] = {
    {true, 21, "backgr.jpg"}, {true, 0, "grass.bmp"},           {true, 1, "stone.bmp"},
    {true, 2, "wall01.bmp"},  {true, 4, "grass.bmp"},           {true, 5, "grass.bmp"},
    {false, kPreviewSpritesImage, "smallback20.bmp"}, {false, kPreviewBackgroundImage, "backgrsmall.bmp"},
    {true, kSlotBlockBackground, "backgr_.jpg"},
};

bool isThemeSprite(int index)
{
    for (const ThemeSlot& slot : kThemeSlots)
        if (slot.sprite && slot.index == index)
            return true;
    return false;
}

Picture& themePicture(PictureTables& p, const ThemeSlot& slot)
{
    return slot.sprite ? p.spriteImages[slot.index] : p.interfaceImages[slot.index];
}

void setKey(const Picture& picture, std::uint32_t rgb)
{
    if (picture)
        setColorKey(picture.get(), rgb);
}

// Every loaded picture's colour key.
void applyColorKeys(PictureTables& p)
{
    for (const Picture* single : {&p.allPicture, &p.diggerPicture, &p.explosionPicture})
        setKey(*single, kBlack);
    setKey(p.digitsFont, kBlue);
    for (int i = 0; i < kSpriteImageCount; ++i)
        setKey(p.spriteImages[i], i == 6 || i == 18 || i == 24 ? kGreen : kBlack);
    for (const Picture& picture : p.exppointsImages)
        setKey(picture, kBlack);
    for (int i = 0; i < kAddweaponImageCount; ++i)
        setKey(p.addweaponImages[i], i == 7 ? kBlack : kGreen);
    for (int i : kStartupInterfaceImages) {
        const std::uint32_t key = i == 0 || i == 1 || i == 20 ? kCyan
                                  : i == 35                   ? kBlue
                                  : i == 19 || i == 21 || i == 41 || i == 45 ? kGreen
                                                                             : kBlack;
        setKey(p.interfaceImages[i], key);
    }
    setKey(p.interfaceImages[kPackImage], kBlack);
    for (const ThemeSlot& slot : kThemeSlots)
        setKey(themePicture(p, slot), kGreen);
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
        setKey(themePicture(pictures, slot), kGreen);
    if (catalogue.currentPack)
        catalogue.currentPack->removeTempFiles();
}

void reloadPackPicture(Display& display, PackCatalogue& catalogue, PictureTables& pictures)
{
    catalogue.useLevelPack();
    Picture& picture = pictures.interfaceImages[kPackImage];
    if (!picture || reloadBitmap(picture.get(), kInterfaceImageNames[kPackImage]) != DisplayResult::Ok)
        picture = loadBitmapSurface(display, kInterfaceImageNames[kPackImage]);
    setKey(picture, kBlack);
}

void loadLogoPictures(Display& display, PackCatalogue& catalogue, PictureTables& p)
{
    catalogue.useStandardPack();
    const PictureRequest requests[] = {{&p.allPicture, "all.bmp"},
                                       {&p.interfaceImages[kLogoImage], kInterfaceImageNames[kLogoImage]}};
    loadBitmapSurfaces(display, requests);
}

std::string loadStartupPictures(Display& display, PackCatalogue& catalogue, PictureTables& p,
                                std::string* missingName)
{
    catalogue.useStandardPack();
    std::vector<PictureRequest> requests{{&p.allPicture, "all.bmp"},
                                         {&p.diggerPicture, "h1.bmp"},
                                         {&p.explosionPicture, "exp.bmp"},
                                         {&p.digitsFont, "font1_0_small.bmp"}};
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
        return missing("DDLoadBitmap1 FAILED", "all.bmp");
    if (!p.diggerPicture)
        return missing("DDLoadBitmap2 FAILED", "h1.bmp");
    if (!p.explosionPicture)
        return missing("DDLoadBitmap Exp FAILED", "exp.bmp");
    if (!p.digitsFont)
        return missing("DDLoadBitmap Font FAILED", "font1_0_small.bmp");
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
        setColorKey(display.backBuffer.get(), kBlack);
        display.greenPixel = colorMatch(display.backBuffer.get(), kGreen);
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
    reload(p.allPicture, "all.bmp");
    reload(p.diggerPicture, "h1.bmp");
    reload(p.explosionPicture, "exp.bmp");
    reload(p.digitsFont, "font1_0_small.bmp");
    for (int i = 0; i < kSpriteImageCount; ++i)
        if (!isThemeSprite(i))
            reload(p.spriteImages[i], kSpriteImageNames[i]);
    for (int i = 0; i < kInterfaceImageCount; ++i)
        if (i != kPreviewSpritesImage && i != kPreviewBackgroundImage && i != kPackImage)
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
