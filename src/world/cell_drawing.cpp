#include "world/cell_drawing.hpp"

#include <algorithm>

#include "platform/display/blit.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/blast_drawing.hpp"
#include "world/cell.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/explosions.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

Surface* slotSheet(int slot) { return thePictures.spriteImages[std::size_t(slot)].get(); }
Surface* sprite(CellKind kind) { return slotSheet(kindSlot(kind)); }

template <typename Table>
Surface* entry(const Table& table, std::int32_t index)
{
    return index >= 0 && std::size_t(index) < table.size() ? table[std::size_t(index)].get() : nullptr;
}

// Draws square (col, row) of a sheet of `size` cells, restricted to `source`, at (px, py), keyed.
void drawSquare(Surface* target, Surface* sheet, int col, int row, const Rect& source, int px, int py, int size)
{
    if (!sheet || col < 0 || row < 0)
        return;
    const Rect r{source.left + col * size, source.top + row * size, source.right + col * size,
                 source.bottom + row * size};
    blitFast(target, px, py, sheet, &r, true);
}

void drawPreviewCell(const Cell& c, int px, int py, std::int32_t kind, const Rect& source, Surface* target)
{
    const KindTraits& t = kindTraits(kind);
    if (t.kind != kind || t.previewColumn < 0)
        return;
    const int col = t.previewColumn;
    int row = 0;
    switch (t.previewRow) {
    case PreviewRow::Param: row = c.param; break;
    case PreviewRow::LevelLook: row = currentLevelLook(); break;
    case PreviewRow::Top:
    case PreviewRow::None: break;
    }
    Surface* sheet = thePictures.interfaceImages[kPreviewSpritesImage].get();
    drawSquare(target, sheet, col, row, source, px, py, 20);
}

} // namespace

void Cell::draw(int px, int py, std::int32_t drawKind, const Rect& source, Surface* target, int cellSize) const
{
    const int size = cellSize;
    if (size == 20) {
        drawPreviewCell(*this, px, py, drawKind, source, target);
        return;
    }
    if (hatchedThisFrame)
        return; // the egg became a Crawler in this frame's step; it shows from the next frame
    const bool levelChoice = app.currentScreen == ScreenLevelChoice;
    const int look = currentLevelLook();

    switch (drawKind) {
    case KindEarth: drawSquare(target, sprite(KindEarth), 0, look, source, px, py, size); break;
    case KindStone:
        drawSquare(target, sprite(KindStone), frame, param != 0 ? 5 : look, source, px, py, size);
        break;
    case KindWall: drawSquare(target, sprite(KindWall), param + variant, 0, source, px, py, size); break;
    case KindGold:
        drawSquare(target, sprite(KindGold), std::min(frame, 19), 0, source, px, py, size);
        break;
    case KindLooseEarth: drawSquare(target, sprite(KindEarth), 5, 0, source, px, py, size); break;
    case KindCrawler:
        if (param == 4) {
            drawSquare(target, slotSheet(kSlotCrawlerSecondLook), frame, 6, source, px, py, size);
        } else {
            const int heading = levelChoice ? 0 : direction + 1;
            if (param == 3)
                drawSquare(target, slotSheet(kSlotCrawlerSecondLook), frameB, heading, source, px, py, size);
            else if (param >= 0 && param <= 2)
                drawSquare(target, sprite(KindCrawler), frameB, 5 * param + heading, source, px, py, size);
        }
        break;
    case KindBomb:
        drawSquare(target, sprite(KindBomb), frame, 0, source, px, py, size);
        break;
    case KindMine:
    case KindTnt:
        drawSquare(target, sprite(CellKind(drawKind)), frame, 0, source, px, py, size);
        break;
    case KindMissile:
        drawSquare(target, sprite(KindMissile), direction, frame, source, px, py, size);
        break;
    case KindHeart:
        drawSquare(target, sprite(KindHeart), frame, 0, source, px, py, size);
        break;
    case KindWalker: {
        // A Walker facing right has its own rows for going up (4) and down (5).
        const bool right = facing == DirRight;
        const int row = right && direction == DirUp ? 4 : right && direction == DirDown ? 5 : direction;
        drawSquare(target, sprite(KindWalker), frameB, row, source, px, py, size);
        break;
    }
    case KindEgg:
        if (eggState == 2)
            drawSquare(target, slotSheet(kSlotCrawlerSecondLook), frame, 5, source, px, py, size);
        else
            drawSquare(target, sprite(KindStone), frame, 5, source, px, py, size);
        break;
    case KindMineral:
        drawSquare(target, entry(thePictures.exppointsImages, param), frame, variant, source, px, py, size);
        break;
    case KindShot: {
        Surface* sheet = sprite(KindShot);
        drawSquare(target, sheet, direction, frame, source, px, py, size);
        // The trail, one cell behind the shot.
        const Direction behind = opposite(direction);
        if (behind != DirNone)
            drawSquare(target, sheet, direction, shotPose + 1, source, px + stepX(behind) * size,
                       py + stepY(behind) * size, size);
        break;
    }
    case KindWeaponPickup:
        drawSquare(target, entry(thePictures.addweaponImages, param), frame, 0, source, px, py, size);
        break;
    case KindStalker:
        drawSquare(target, sprite(KindStalker), frameB, 2 * param + (facing == DirRight ? 1 : 0), source, px, py, size);
        break;
    case KindGrenade: drawSquare(target, sprite(KindGrenade), frame, 0, source, px, py, size); break;
    case KindTimeBomb: drawSquare(target, sprite(KindTimeBomb), frame, 0, source, px, py, size); break;
    default: break; // Empty, the blast stone and codes that are no kind draw nothing
    }
}

void drawCell(const World& w, const Cell& cell, const Digger* d, Surface* target)
{
    const int size = w.cellSize;
    // The place relative to the view's top-left cell, from the grid place: nothing on the grid needs
    // to change when the view moves.
    const int viewCol = cell.x - w.viewX, viewRow = cell.y - w.viewY;
    int x = viewCol * size + w.scrollOffsetX + cell.offsetX;
    int y = viewRow * size + w.scrollOffsetY + cell.offsetY;
    Rect source{0, 0, size, size};
    if (size == 40) {
        if (x - 760 >= 1 && x - 760 <= 39)
            source.right = 40 - (x - 760);
        if (y - 560 >= 1 && y - 560 <= 39)
            source.bottom = 40 - (y - 560);
        if (x >= -39 && x <= -1) {
            source.left = -x;
            x = 0;
        }
        if (y >= -39 && y <= -1) {
            source.top = -y;
            y = 0;
        }
        if (viewRow == w.viewHeight + 1 && cell.moving && !w.scrolling)
            source.bottom = source.top - cell.offsetY;
    } else {
        x += screenFlow.previewOriginX;
        y += screenFlow.previewOriginY;
    }
    cell.draw(x, y, cell.kind, source, target, size);

    if (cell.exploding != 1 || !(w.diggerDead || cell.blastShown))
        return;
    const bool diggerCell = d && !d->dead && cell.x == d->x && cell.y == d->y;
    if (!diggerCell && cell.blastFrame >= 1)
        drawBlast(w, cell, x, y, source, target);
}

DrawRange drawRange(const World& w)
{
    DrawRange r;
    r.x0 = std::clamp(w.viewX - 2, 0, w.width);
    r.x1 = std::clamp(w.viewX + w.viewWidth + 2, 0, w.width);
    r.y0 = std::clamp(w.viewY - 2, 0, w.height);
    r.y1 = std::clamp(w.viewY + w.viewHeight + 2, 0, w.height);
    return r;
}

void drawLevelCells(const World& w, const Digger* d, Surface* target)
{
    for (int bx = 0; bx < w.blocksAcross; ++bx)
        for (int by = 0; by < w.blocksDown; ++by)
            w.blocks[std::size_t(by) * std::size_t(w.blocksAcross) + std::size_t(bx)].drawOnScreen(target, bx, by);
    const DrawRange r = drawRange(w);
    for (int x = r.x0; x < r.x1; ++x)
        for (int y = r.y0; y < r.y1; ++y)
            drawCell(w, w.cells[std::size_t(w.indexOf(x, y))], d, target);
}

void drawWorld(const World& w, const Digger* d, Surface* target)
{
    drawLevelCells(w, d, target);
    if (!w.diggerDead && d)
        drawDigger(w, *d, target);
}

} // namespace burrowix
