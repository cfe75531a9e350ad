#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
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

} // namespace

void drawMagnifier(World& w, Surface* target, int mouseX, int mouseY)
{
    const int mx = mouseX - screenFlow.previewOriginX + 40;
    const int my = mouseY - screenFlow.previewOriginY + 40;
    const int mcx = mx / 20 - 2 + w.viewX;
    const int mcy = my / 20 - 2 + w.viewY;
    const int fx = mx % 20;
    const int fy = my % 20;

    for (BackgroundBlock& block : w.blocks)
        block.drawInMagnifier(target, mouseX, mouseY);

    auto place = [&](int c, int f, int mouse) { return mouse - 80 + c * 40 - (c > 0 ? 2 * f : 0); };
    for (int c = 0; c < 5; ++c) {
        for (int r = 0; r < 5; ++r) {
            Cell* cell = w.cellAt(mcx + c - 2, mcy + r - 2);
            if (!cell)
                continue;
            Rect source{0, 0, 40, 40};
            cutEdge(c, fx, source.left, source.right);
            cutEdge(r, fy, source.top, source.bottom);
            if (source.empty())
                continue;
            const int x = place(c, fx, mouseX) + cell->offsetX;
            const int y = place(r, fy, mouseY) + cell->offsetY;
            cell->draw(x, y, cell->kind, source, target, 40);
        }
    }

    const Digger* d = world.theDigger.get();
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
