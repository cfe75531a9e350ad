#include "world/background_block.hpp"

#include <algorithm>

#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/watching_eyes.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// Ceiling of a / 5 for any sign.
int ceilFifth(int a)
{
    return a >= 0 ? (a + 4) / 5 : -((-a) / 5);
}

// The block grid lies one block left of and above the cells, leaving room for the background's
// glide. Where that leaves the level's last cells on screen without background (a level only a
// screen or two wide, a view at the far edge), the grid moves back just far enough to cover them.
int coveringGridOffset(int offset, int blocks, int levelCells, int viewCell, int screenPixels, int cellSize)
{
    if (blocks <= 0 || levelCells <= 0)
        return offset;
    const int shown = std::min((levelCells - viewCell) * cellSize, screenPixels);
    const int gridEnd = offset + blocks * 5 * cellSize;
    return gridEnd < shown ? std::min(0, shown - blocks * 5 * cellSize) : offset;
}

// The game screen's (cell size 40) sheet and rectangle of picture `pictureNumber`'s part `source`
// in the current level's look; null for a picture number that shows nothing.
Surface* gameTile(std::int32_t pictureNumber, const Rect& source, Rect& r)
{
    const int column = pictureNumber == kEyesPicture ? 0 : pictureNumber;
    if (column < 0 || column > 3)
        return nullptr;
    const int m = currentLevelLook();
    Surface* sheet = m < 3 ? thePictures.spriteImages[kSlotBackground].get() : thePictures.spriteImages[kSlotBlockBackground].get();
    const int band = m < 3 ? m : m - 3;
    r = Rect{source.left + column * 200, source.top + band * 200, source.right + column * 200,
             source.bottom + band * 200};
    return sheet;
}

} // namespace

void BackgroundBlock::drawPicture(int x, int y, std::int32_t pictureNumber, const Rect& source, Surface* target,
                                  int cellSize) const
{
    if (cellSize == 20) {
        const int m = currentLevelLook();
        Surface* small = thePictures.interfaceImages[kPreviewBackgroundImage].get();
        const Rect r{source.left + m * 100, source.top, source.right + m * 100, source.bottom};
        blitFast(target, x, y, small, &r, false);
        return;
    }
    Rect r;
    if (Surface* sheet = gameTile(pictureNumber, source, r))
        blitFast(target, x, y, sheet, &r, false);
}

bool backgroundCoversScreen(const World& w)
{
    if (w.cellSize != 40 || world.theWorld.get() != &w)
        return false;
    std::int64_t covered = 0;
    for (int bx = 0; bx < w.blocksAcross; ++bx)
        for (int by = 0; by < w.blocksDown; ++by) {
            const BackgroundBlock& block = w.blocks[std::size_t(by) * std::size_t(w.blocksAcross) + std::size_t(bx)];
            int x = 0, y = 0;
            Rect source;
            if (!block.screenPlace(bx, by, x, y, source))
                continue;
            Rect r;
            const Surface* sheet = gameTile(block.picture, source, r);
            if (!sheet || sheet->isLost() || r.left < 0 || r.top < 0 || r.right > sheet->width() ||
                r.bottom > sheet->height())
                return false;
            covered += std::int64_t(source.width()) * source.height();
        }
    // The blocks' parts on the screen never overlap, so they cover it when their areas add up to it.
    return covered == std::int64_t(kScreenWidth) * kScreenHeight;
}

// The cell size of the world the blocks belong to.
int BackgroundBlock::cellSize()
{
    return world.theWorld ? world.theWorld->cellSize : 40;
}

bool BackgroundBlock::screenPlace(int blockColumn, int blockRow, int& x, int& y, Rect& source) const
{
    const int cell = cellSize();
    const int size = 5 * cell;
    int gridX = world.backgroundScrollX - size - world.backgroundOriginX * size;
    int gridY = world.backgroundScrollY - size - world.backgroundOriginY * size;
    if (const World* w = world.theWorld.get()) {
        gridX = coveringGridOffset(gridX, w->blocksAcross, w->width, w->viewX, kScreenWidth, cell);
        gridY = coveringGridOffset(gridY, w->blocksDown, w->height, w->viewY, kScreenHeight, cell);
    }
    x = blockColumn * size + gridX;
    y = blockRow * size + gridY;
    if (cell == 20) {
        x += screenFlow.previewOriginX;
        y += screenFlow.previewOriginY;
    }
    // Cut at the screen's edges.
    source = Rect{0, 0, size, size};
    if (x < 0) {
        source.left = -x;
    }
    if (y < 0) {
        source.top = -y;
    }
    source.right = std::min(size, kScreenWidth - x);
    source.bottom = std::min(size, kScreenHeight - y);
    return !source.empty();
}

bool BackgroundBlock::showsEyes(int blockColumn, int blockRow) const
{
    int x = 0, y = 0;
    Rect source;
    return picture == kEyesPicture && cellSize() == 40 && app.currentScreen != ScreenLevelChoice &&
           screenPlace(blockColumn, blockRow, x, y, source);
}

void BackgroundBlock::drawOnScreen(Surface* target, int blockColumn, int blockRow, const CoveredCells* covered) const
{
    int x = 0, y = 0;
    Rect source;
    if (!screenPlace(blockColumn, blockRow, x, y, source))
        return;
    const int left = std::max(x, 0), top = std::max(y, 0);
    if (covered && covered->cells.none())
        covered = nullptr; // off the game screen's grid, or nothing hides the background
    if (!covered || cellSize() != CoveredCells::kSize) {
        drawPicture(left, top, picture, source, target, cellSize());
    } else {
        covered->forUncovered(left, top, left + source.width(), top + source.height(),
                              [&](int x0, int y0, int x1, int y1) {
                                  const Rect part{source.left + x0 - left, source.top + y0 - top,
                                                  source.left + x1 - left, source.top + y1 - top};
                                  drawPicture(x0, y0, picture, part, target, CoveredCells::kSize);
                              });
    }
    if (showsEyes(blockColumn, blockRow))
        drawWatchingEyes(target, x, y, covered);
}

void BackgroundBlock::drawInMagnifier(Surface* target, int mouseX, int mouseY) const
{
    const World* w = world.theWorld.get();
    if (!w)
        return;
    const int mx = mouseX - screenFlow.previewOriginX + 40;
    const int my = mouseY - screenFlow.previewOriginY + 40;
    const int x = (blockX - ceilFifth(w->viewX)) * 200 + 300 - (mx % 200) - 30;
    const int y = (blockY - ceilFifth(w->viewY)) * 200 + 100 - (my % 200) - 30;
    Rect source{0, 0, 200, 200};
    source.right = std::min({source.right, mouseX + 79 - x, kScreenWidth - x});
    source.bottom = std::min(source.bottom, mouseY + 79 - y);
    int dx = x, dy = y;
    if (x < mouseX - 81) {
        source.left = mouseX - 81 - x;
        dx = mouseX - 81;
    }
    if (y < mouseY - 81) {
        source.top = mouseY - 81 - y;
        dy = mouseY - 81;
    }
    if (source.empty())
        return;
    drawPicture(dx, dy, picture, source, target, 40);
}

} // namespace burrowix
