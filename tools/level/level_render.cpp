#include "level_render.hpp"

#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_drawing.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

std::unique_ptr<Surface> renderWholeLevel(World& w, int cellSize)
{
    Surface* back = theDisplay.backBuffer.get();
    if (!back || w.width <= 0 || w.height <= 0)
        return nullptr;
    auto picture = std::make_unique<Surface>(w.width * cellSize, w.height * cellSize);
    const int savedSize = app.cellSize;
    const int savedScreen = app.currentScreen;
    const int savedFrozen = gameScreen.frozen;
    const int viewX = w.viewX, viewY = w.viewY, viewWidth = w.viewWidth, viewHeight = w.viewHeight;
    const int originX = world.backgroundOriginX, originY = world.backgroundOriginY;
    const int scrollX = world.backgroundScrollX, scrollY = world.backgroundScrollY;
    const int previewX = screenFlow.previewOriginX, previewY = screenFlow.previewOriginY;
    Digger* d = world.theDigger.get();

    app.cellSize = cellSize;
    app.currentScreen = cellSize == 20 ? ScreenLevelChoice : ScreenGame;
    gameScreen.frozen = 1;
    screenFlow.previewOriginX = screenFlow.previewOriginY = 0;
    // The block drawing leaves a block's width of room for the background's glide; a glide offset of one whole block
    // puts every block under its own 5 x 5 cells, so the last blocks are drawn too.
    world.backgroundScrollX = world.backgroundScrollY = 5 * cellSize;
    const int across = kScreenWidth / cellSize;
    const int down = kScreenHeight / cellSize;
    w.viewWidth = across;
    w.viewHeight = down;
    const Rect clearPixel{0, 0, 1, 1};
    for (int ty = 0; ty < w.height; ty += down) {
        for (int tx = 0; tx < w.width; tx += across) {
            w.viewX = tx;
            w.viewY = ty;
            world.backgroundOriginX = tx / 5;
            world.backgroundOriginY = ty / 5;
            if (d) {
                d->viewCol = d->x - tx;
                d->viewRow = d->y - ty;
            }
            blitStretch(back, nullptr, app.clearPicture, &clearPixel, false);
            drawWorld(w, d, back);
            blitFast(picture.get(), tx * cellSize, ty * cellSize, back, nullptr, false);
        }
    }
    w.viewX = viewX;
    w.viewY = viewY;
    w.viewWidth = viewWidth;
    w.viewHeight = viewHeight;
    if (d) {
        d->viewCol = d->x - viewX;
        d->viewRow = d->y - viewY;
    }
    world.backgroundOriginX = originX;
    world.backgroundOriginY = originY;
    world.backgroundScrollX = scrollX;
    world.backgroundScrollY = scrollY;
    screenFlow.previewOriginX = previewX;
    screenFlow.previewOriginY = previewY;
    gameScreen.frozen = savedFrozen;
    app.currentScreen = savedScreen;
    app.cellSize = savedSize;
    return picture;
}

} // namespace burrowix
