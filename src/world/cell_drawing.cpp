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

// One square of a sheet: the sheet's sprite slot (-1 for the mineral and pick-up tables), its
// column and row.
struct Square {
    Surface* sheet = nullptr;
    int slot = -1;
    int col = -1;
    int row = 0;
};

Square slotSquare(int slot, int col, int row)
{
    return {thePictures.spriteImages[std::size_t(slot)].get(), slot, col, row};
}
Square kindSquare(CellKind kind, int col, int row) { return slotSquare(kindSlot(kind), col, row); }

template <typename Table>
Surface* entry(const Table& table, std::int32_t index)
{
    return index >= 0 && std::size_t(index) < table.size() ? table[std::size_t(index)].get() : nullptr;
}

// A square without key pixels is copied plainly: the same pixels, without the key test.
bool keyless(const Square& s)
{
    return s.slot >= 0 && thePictures.spriteKeyless[std::size_t(s.slot)].has(s.sheet, s.col, s.row);
}

// Draws a square of a sheet of `size` cells, restricted to `source`, at (px, py), keyed.
void drawSquare(Surface* target, const Square& s, const Rect& source, int px, int py, int size)
{
    if (!s.sheet || s.col < 0 || s.row < 0)
        return;
    const Rect r{source.left + s.col * size, source.top + s.row * size, source.right + s.col * size,
                 source.bottom + s.row * size};
    blitFast(target, px, py, s.sheet, &r, !keyless(s));
}

// The square a cell of `drawKind` shows in play (the shot's trail aside); none for kinds that draw
// nothing.
Square playSquare(const Cell& c, std::int32_t drawKind)
{
    const int look = currentLevelLook();
    switch (drawKind) {
    case KindEarth: return kindSquare(KindEarth, 0, look);
    case KindStone: return kindSquare(KindStone, c.frame, c.param != 0 ? 5 : look);
    case KindWall: return kindSquare(KindWall, c.param + c.variant, 0);
    case KindGold: return kindSquare(KindGold, std::min(c.frame, 19), 0);
    case KindLooseEarth: return kindSquare(KindEarth, 5, 0);
    case KindCrawler: {
        if (c.param == 4)
            return slotSquare(kSlotCrawlerSecondLook, c.frame, 6);
        const int heading = app.currentScreen == ScreenLevelChoice ? 0 : c.direction + 1;
        if (c.param == 3)
            return slotSquare(kSlotCrawlerSecondLook, c.frameB, heading);
        if (c.param >= 0 && c.param <= 2)
            return kindSquare(KindCrawler, c.frameB, 5 * c.param + heading);
        return {};
    }
    case KindBomb:
    case KindMine:
    case KindTnt:
    case KindHeart:
    case KindGrenade:
    case KindTimeBomb: return kindSquare(CellKind(drawKind), c.frame, 0);
    case KindMissile: return kindSquare(KindMissile, c.direction, c.frame);
    case KindWalker: {
        // A Walker facing right has its own rows for going up (4) and down (5).
        const bool right = c.facing == DirRight;
        const int row = right && c.direction == DirUp ? 4 : right && c.direction == DirDown ? 5 : c.direction;
        return kindSquare(KindWalker, c.frameB, row);
    }
    case KindEgg:
        return c.eggState == 2 ? slotSquare(kSlotCrawlerSecondLook, c.frame, 5) : kindSquare(KindStone, c.frame, 5);
    case KindMineral: return {entry(thePictures.exppointsImages, c.param), -1, c.frame, c.variant};
    case KindShot: return kindSquare(KindShot, c.direction, c.frame);
    case KindWeaponPickup: return {entry(thePictures.addweaponImages, c.param), -1, c.frame, 0};
    case KindStalker: return kindSquare(KindStalker, c.frameB, 2 * c.param + (c.facing == DirRight ? 1 : 0));
    default: return {}; // Empty, the blast stone and codes that are no kind draw nothing
    }
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
    drawSquare(target, {thePictures.interfaceImages[kPreviewSpritesImage].get(), -1, col, row}, source, px, py, 20);
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
    drawSquare(target, playSquare(*this, drawKind), source, px, py, size);
    if (drawKind == KindShot) {
        // The trail, one cell behind the shot.
        const Direction behind = opposite(direction);
        if (behind != DirNone)
            drawSquare(target, kindSquare(KindShot, direction, shotPose + 1), source, px + stepX(behind) * size,
                       py + stepY(behind) * size, size);
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

CoveredCells coveredCells(const World& w, const Surface* target)
{
    CoveredCells covered;
    // Only the game screen's grid lies square on the screen; a scroll under way shifts it.
    if (w.cellSize != CoveredCells::kSize || w.scrollOffsetX != 0 || w.scrollOffsetY != 0 || !target ||
        target->width() != kScreenWidth || target->height() != kScreenHeight)
        return covered;
    for (int row = 0; row < CoveredCells::kRows; ++row)
        for (int col = 0; col < CoveredCells::kColumns; ++col) {
            const int x = w.viewX + col, y = w.viewY + row;
            if (x < 0 || y < 0 || x >= w.width || y >= w.height)
                continue;
            const Cell& c = w.cells[std::size_t(w.indexOf(x, y))];
            if (c.offsetX == 0 && c.offsetY == 0 && !c.hatchedThisFrame && keyless(playSquare(c, c.kind)))
                covered.cover(col, row);
        }
    return covered;
}

void drawLevelCells(const World& w, const Digger* d, Surface* target)
{
    const CoveredCells covered = coveredCells(w, target);
    for (int bx = 0; bx < w.blocksAcross; ++bx)
        for (int by = 0; by < w.blocksDown; ++by)
            w.blocks[std::size_t(by) * std::size_t(w.blocksAcross) + std::size_t(bx)].drawOnScreen(target, bx, by,
                                                                                                    &covered);
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
