#include "world/blast_drawing.hpp"

#include <algorithm>

#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"
#include "world/cell.hpp"
#include "world/explosions.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kDeathPoseRow = 6;
constexpr int kFirstEdgeRow = 7;
constexpr int kEdgeSheetRows = 25;

// Whether the cell at (x, y) shows a blast frame; outside the grid nothing does.
bool showsBlast(const World& w, int x, int y)
{
    if (x < 0 || y < 0 || x >= w.width || y >= w.height)
        return false;
    const Cell& c = w.cells[std::size_t(w.indexOf(x, y))];
    return c.exploding == 1 && (w.diggerDead || c.blastShown) && c.blastFrame >= 1;
}

} // namespace

void drawBlast(const World& w, const Cell& cell, int x, int y, const Rect& source, Surface* target)
{
    const Surface* sheet = thePictures.explosionPicture.get();
    const int size = w.cellSize;
    // Sheets with three blast variants (rows 2-5 repeat rows 0-1 in other shapes) vary them from
    // cell to cell, so neighbouring cells of one blast differ.
    const int variant = sheet && sheet->height() >= 6 * size ? ((cell.x + 2 * cell.y) % 3 + 3) % 3 : 0;
    const bool death = cell.blastRow == kDeathBlastRow;
    const int row = (death ? 0 : cell.blastRow) + 2 * variant;
    const int column = (cell.blastFrame - 1) * size;
    auto draw = [&](int sheetRow, const Rect& part) {
        const Rect r{part.left + column, part.top + sheetRow * size, part.right + column, part.bottom + sheetRow * size};
        blitFast(target, x + part.left - source.left, y + part.top - source.top,
                 thePictures.explosionPicture.get(), &r, true);
    };
    if (sheet && sheet->height() >= kEdgeSheetRows * size) {
        const int half = size / 2;
        for (int qy = 0; qy < 2; ++qy)
            for (int qx = 0; qx < 2; ++qx) {
                const Rect part{std::max(source.left, qx * half), std::max(source.top, qy * half),
                                std::min(source.right, qx * half + half), std::min(source.bottom, qy * half + half)};
                if (part.left >= part.right || part.top >= part.bottom)
                    continue;
                const bool openTopOrBottom = !showsBlast(w, cell.x, cell.y + (qy ? 1 : -1));
                const bool openSide = !showsBlast(w, cell.x + (qx ? 1 : -1), cell.y);
                const int edges = (openTopOrBottom ? 1 : 0) + (openSide ? 2 : 0);
                draw(edges == 0 ? row : kFirstEdgeRow + 6 * (edges - 1) + row, part);
            }
    } else {
        draw(row, source);
    }
    // Sheets with a seventh row show the digger's death pose over the blast in his cell.
    if (death && sheet && sheet->height() >= 7 * size)
        draw(kDeathPoseRow, source);
}

} // namespace burrowix
