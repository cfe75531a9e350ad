// The manifest's consistency, checked once at compile time.
#include "common/asset_manifest.hpp"

namespace burrowix::assets {

namespace {

constexpr bool rowsInOrder()
{
    if (std::size(kPictures) != static_cast<std::size_t>(kPictureCount))
        return false;
    for (int i = 0; i < kPictureCount; ++i)
        if (kPictures[i].id != static_cast<PictureId>(i))
            return false;
    return true;
}
static_assert(rowsInOrder(), "kPictures needs one row per PictureId, in the enum's order");

constexpr bool namesUniqueInEachPack()
{
    for (int i = 0; i < kPictureCount; ++i)
        for (int j = i + 1; j < kPictureCount; ++j)
            if (kPictures[i].pack == kPictures[j].pack && std::string_view(kPictures[i].file) == kPictures[j].file)
                return false;
    return true;
}
static_assert(namesUniqueInEachPack(), "two pictures of one pack share a file name");

constexpr bool geometryWhole()
{
    for (const PictureAsset& p : kPictures) {
        const std::string_view file = p.file;
        if (p.width <= 0 || p.height <= 0 || (p.frameWidth == 0) != (p.frameHeight == 0))
            return false;
        if (p.frameWidth && (p.frameWidth > p.width || p.frameHeight > p.height))
            return false;
        if (!file.ends_with(".bmp") && !file.ends_with(".jpg"))
            return false;
    }
    return true;
}
static_assert(geometryWhole(), "a picture without a size, with a frame larger than itself or of an unknown format");

// The unused interface slots are the ones the game never loads; every other slot of every table
// names a picture, and only the sprite and interface tables hold theme or level-pack pictures.
template <std::size_t N>
constexpr int unusedSlots(const PictureId (&table)[N])
{
    int n = 0;
    for (PictureId id : table)
        n += id == PictureId::None;
    return n;
}
static_assert(unusedSlots(kSpriteSlots) == 0 && unusedSlots(kMineralSlots) == 0 && unusedSlots(kPickupSlots) == 0);
static_assert(unusedSlots(kInterfaceSlots) == 12, "interface slots 2-5, 10, 13-18 and 27 hold nothing");

template <std::size_t N>
constexpr bool allStandard(const PictureId (&table)[N])
{
    for (PictureId id : table)
        if (pictureAsset(id).pack != PicturePack::Standard)
            return false;
    return true;
}
static_assert(allStandard(kMineralSlots) && allStandard(kPickupSlots) && allStandard(kHelpPages));

} // namespace

} // namespace burrowix::assets
