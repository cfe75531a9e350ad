#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_animation.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/magnifier.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// The visible part of magnifier column or row offset c (0..4) for the mouse's fraction f.
void cutEdge(int c, int f, int& from, int& to)
{
    if (c == 0)
        from = 2 * f;
    if (c == 4)
        to = 2 * f;
}

// Screen place of magnifier column or row offset c for the mouse's fraction f.
int place(int c, int f, int mouse)
{
    return mouse - 80 + c * 40 - (c > 0 ? 2 * f : 0);
}

// The level cell under the middle of the magnifier and the mouse's fraction of a preview cell.
struct MagnifierPlace {
    int cellX, cellY, fx, fy;
};

MagnifierPlace magnifierPlace(const World& w, int mouseX, int mouseY)
{
    const int mx = mouseX - screenFlow.previewOriginX + 40;
    const int my = mouseY - screenFlow.previewOriginY + 40;
    return {mx / 20 - 2 + w.viewX, my / 20 - 2 + w.viewY, mx % 20, my % 20};
}

} // namespace

std::vector<MagnifierCell> magnifierCells(const World& w, int mouseX, int mouseY)
{
    const auto [mcx, mcy, fx, fy] = magnifierPlace(w, mouseX, mouseY);
    std::vector<MagnifierCell> cells;
    for (int c = 0; c < 5; ++c) {
        for (int r = 0; r < 5; ++r) {
            const int cx = mcx + c - 2, cy = mcy + r - 2;
            if (!w.inside(cx, cy))
                continue;
            MagnifierCell m;
            m.index = w.indexOf(cx, cy);
            m.source = Rect{0, 0, 40, 40};
            cutEdge(c, fx, m.source.left, m.source.right);
            cutEdge(r, fy, m.source.top, m.source.bottom);
            if (m.source.empty())
                continue;
            m.x = place(c, fx, mouseX);
            m.y = place(r, fy, mouseY);
            cells.push_back(m);
        }
    }
    return cells;
}

void prepareMagnifierCells(World& w, int mouseX, int mouseY, const CellMotion& m)
{
    for (const MagnifierCell& mc : magnifierCells(w, mouseX, mouseY))
        prepareCellPicture(w.cells[std::size_t(mc.index)], m);
}

void animateMagnifierCells(World& w, int mouseX, int mouseY, const CellMotion& m)
{
    for (const MagnifierCell& mc : magnifierCells(w, mouseX, mouseY))
        animateCell(w.cells[std::size_t(mc.index)], m);
}

void drawMagnifier(const World& w, const Digger* d, Surface* target, int mouseX, int mouseY)
{
    const auto [mcx, mcy, fx, fy] = magnifierPlace(w, mouseX, mouseY);

    for (const BackgroundBlock& block : w.blocks)
        block.drawInMagnifier(target, mouseX, mouseY);

    for (const MagnifierCell& mc : magnifierCells(w, mouseX, mouseY)) {
        const Cell& cell = w.cells[std::size_t(mc.index)];
        cell.draw(mc.x + cell.offsetX, mc.y + cell.offsetY, cell.kind, mc.source, target, 40);
    }

    if (d && !d->dead) {
        const int c = d->x - mcx + 2;
        const int r = d->y - mcy + 2;
        if (c >= 0 && c <= 4 && r >= 0 && r <= 4) {
            Rect source{0, 0, 40, 40};
            cutEdge(c, fx, source.left, source.right);
            cutEdge(r, fy, source.top, source.bottom);
            // The standing digger, facing the way it last looked.
            const Rect sheetRect{source.left + d->direction * 40, source.top, source.right + d->direction * 40,
                                 source.bottom};
            if (!source.empty())
                blitFast(target, place(c, fx, mouseX), place(r, fy, mouseY), thePictures.diggerPicture.get(),
                         &sheetRect, true);
        }
    }
}

} // namespace burrowix
