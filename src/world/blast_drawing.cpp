#include "world/blast_drawing.hpp"

#include "platform/display/blit.hpp"
#include "state/picture_tables.hpp"
#include "world/cell.hpp"
#include "world/explosions.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kDeathPoseRow = 6;

// Whether the cell at (x, y) shows a blast frame; outside the grid nothing does.
bool showsBlast(const World& w, int x, int y)
{
    if (x < 0 || y < 0 || x >= w.width || y >= w.height)
        return false;
    const Cell& c = w.cells[std::size_t(w.indexOf(x, y))];
    return c.exploding == 1 && (w.diggerDead || c.blastShown) && c.blastFrame >= 1;
}

} // namespace

int blastPlace(bool before, bool after)
{
    if (before)
        return after ? 1 : 2;
    return after ? 0 : 3;
}

void drawBlast(const World& w, const Cell& cell, int x, int y, const Rect& source, Surface* target)
{
    const Surface* sheet = thePictures.explosionPicture.get();
    const int size = w.cellSize;
    const bool death = cell.blastRow == kDeathBlastRow;
    const int super = death ? 0 : cell.blastRow;
    const int column = (cell.blastFrame - 1) * size;
    auto draw = [&](int sheetRow) {
        const Rect r{source.left + column, source.top + sheetRow * size, source.right + column,
                     source.bottom + sheetRow * size};
        blitFast(target, x, y, sheet, &r, true);
    };
    if (sheet && sheet->height() >= kBlastPlaceSheetRows * size) {
        const int across = blastPlace(showsBlast(w, cell.x - 1, cell.y), showsBlast(w, cell.x + 1, cell.y));
        const int down = blastPlace(showsBlast(w, cell.x, cell.y - 1), showsBlast(w, cell.x, cell.y + 1));
        draw(kBlastPlaceFirstRow + 2 * (4 * across + down) + super);
    } else {
        // Sheets with three blast variants (rows 2-5 repeat rows 0-1 in other shapes) vary them from
        // cell to cell, so neighbouring cells of one blast differ.
        const int variant = sheet && sheet->height() >= 6 * size ? ((cell.x + 2 * cell.y) % 3 + 3) % 3 : 0;
        draw(super + 2 * variant);
    }
    // Sheets with a seventh row show the digger's death pose over the blast in his cell.
    if (death && sheet && sheet->height() >= 7 * size)
        draw(kDeathPoseRow);
}

} // namespace burrowix
