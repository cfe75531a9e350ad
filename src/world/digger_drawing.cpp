#include "platform/display/blit.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

Surface* diggerSheet(const World& w, const Digger& d)
{
    const Ticks now = app.frameClock;
    if (d.invulnerable && d.blinkPhase)
        return thePictures.interfaceImages[assets::interfaceSlot(assets::PictureId::HitDigger)].get();
    if (d.superMode) {
        const std::int32_t age = static_cast<std::int32_t>(now - Ticks(w.live->superStart));
        // In the last second the normal look shows every other 100 ms.
        if (age > 2000 && (age / 100) % 2 == 1)
            return thePictures.diggerPicture.get();
        return thePictures.spriteImages[kSlotSuperDigger].get();
    }
    return thePictures.diggerPicture.get();
}

} // namespace

void drawDigger(const World& w, const Digger& d, Surface* target)
{
    const int size = w.cellSize;
    if (size == 20) {
        // The preview's small digger has a cell of its own that no animation shows.
        const Rect r{320, 400, 340, 420};
        blitFast(target, d.viewCol * 20 + screenFlow.previewOriginX, d.viewRow * 20 + screenFlow.previewOriginY,
                 thePictures.diggerPicture.get(), &r, true);
        return;
    }
    const int cellX = d.viewCol * size + w.scrollOffsetX;
    const int cellY = d.viewRow * size + w.scrollOffsetY;
    const int x = cellX + d.offsetX;
    const int y = cellY + d.offsetY;

    if (d.digging) {
        // The earth is drawn only where the bite mask is transparent, so the eaten part shows the
        // tunnel background behind it and the rest keeps the earth's own look.
        Surface* earth = thePictures.spriteImages[kindSlot(KindEarth)].get();
        const int look = w.look();
        const Rect ground{0, look * size, size, look * size + size};
        const int offset = isHorizontal(d.direction) ? d.offsetX : d.offsetY;
        int b = (40 - (offset < 0 ? -offset : offset)) / 10 - 1;
        if (b < 0)
            b = 0;
        const Rect bite{(1 + b) * size, d.direction * size, (2 + b) * size, (d.direction + 1) * size};
        blitThroughMask(target, cellX, cellY, earth, &ground, earth, bite);
    }

    int col = 0;
    int row = 0;
    if (d.throwFrame >= 0) {
        col = 4;
        row = (d.throwFrame == 1 ? 1 : 0) + 2 * d.direction + (d.facing == FacingRight && d.direction != DirRight ? 6 : 0);
    } else if (d.pose == PoseIdle) {
        col = 6;
        row = d.idleFrame + (d.facing == FacingRight ? 4 : 0);
    } else {
        if (d.pose == PosePushing) {
            col = 8;
            row = d.frame + (d.facing == FacingRight ? 5 : 0);
        } else {
            col = d.direction + (d.facing == FacingRight && isVertical(d.direction) ? 4 : 0);
            row = d.frame;
        }
    }
    const Rect r{col * size, row * size, col * size + size, row * size + size};
    blitFast(target, x, y, diggerSheet(w, d), &r, true);
}

} // namespace burrowix
