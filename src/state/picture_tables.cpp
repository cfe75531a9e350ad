#include "state/picture_tables.hpp"

namespace burrowix {

PictureTables thePictures;

void noteKeylessSprites(PictureTables& p)
{
    constexpr int kCell = 40;
    for (int i = 0; i < kSpriteImageCount; ++i) {
        const assets::PictureId id = assets::kSpriteSlots[i];
        const bool cellSheet = id != assets::PictureId::None && assets::frameWidth(id) == kCell &&
                               assets::frameHeight(id) == kCell;
        p.spriteKeyless[std::size_t(i)].note(cellSheet ? p.spriteImages[std::size_t(i)].get() : nullptr, kCell);
    }
}

} // namespace burrowix
