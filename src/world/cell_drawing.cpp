#include "world/cell_drawing.hpp"

#include <algorithm>

#include "common/random.hpp"
#include "platform/display/blit.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell.hpp"
#include "world/cell_kind.hpp"
#include "world/digger.hpp"
#include "world/egg_hatching.hpp"
#include "world/explosions.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr int kSlotCrawlerExtra = 24;
constexpr int kSlotEarthSheet = 0;

Surface* sprite(int slot) { return thePictures.spriteImages[std::size_t(slot)].get(); }

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

// "Every d ms" against a stored time.
bool every(Ticks& stamp, std::int32_t d)
{
    if (!elapsedMoreThan(app.frameClock, stamp, d))
        return false;
    stamp = app.frameClock;
    return true;
}

// The Heart's and the Weapon pickup's beat: a long rest on frame 0, then quick steps.
void beat(Cell& c, int delay, int restFactorBase, int restFactorRandom, int frames, bool noRest)
{
    const Ticks now = app.frameClock;
    if (c.frame == 0 && !noRest) {
        if (!elapsedMoreThan(now, c.frameTime, delay * (restFactorBase + random(restFactorRandom))))
            return;
    } else if (!elapsedMoreThan(now, c.frameTime, delay)) {
        return;
    }
    c.frameTime = now;
    c.frame = c.frame + 1 >= frames ? 0 : c.frame + 1;
}

void drawPreviewCell(Cell& c, int px, int py, std::int32_t kind, const Rect& source, Surface* target)
{
    if (kind == KindEmpty || kind == KindBottle || kind == KindUnused || kind == KindBlastStone || kind < 0 ||
        kind >= kKindCount)
        return;
    int col = kind == KindEgg ? KindStone : kind;
    int row = 0;
    switch (kind) {
    case KindWall:
    case KindCrawler:
    case KindMineral:
    case KindWeaponPickup:
    case KindStalker: row = c.param; break;
    case KindEarth:
    case KindStone: row = currentLevelLook(); break;
    default: break;
    }
    Surface* sheet = thePictures.interfaceImages[kPreviewSpritesImage].get();
    drawSquare(target, sheet, col, row, source, px, py, 20);
}

} // namespace

void Cell::draw(int px, int py, std::int32_t drawKind, const Rect& source, Surface* target, int cellSize)
{
    const int size = cellSize;
    if (size == 20) {
        drawPreviewCell(*this, px, py, drawKind, source, target);
        return;
    }
    const bool running = !gameScreen.frozen;
    const bool levelChoice = app.currentScreen == ScreenLevelChoice;
    const bool enemiesAnimate = running || levelChoice;
    const bool itemsAnimate = running || screenFlow.magnifierOn;
    const Ticks now = app.frameClock;
    const int look = currentLevelLook();

    switch (drawKind) {
    case KindEarth: drawSquare(target, sprite(KindEarth), 0, look, source, px, py, size); break;
    case KindStone:
        drawSquare(target, sprite(KindStone), frame, param != 0 ? 5 : look, source, px, py, size);
        break;
    case KindWall: drawSquare(target, sprite(KindWall), param + variant, 0, source, px, py, size); break;
    case KindGold:
        drawSquare(target, sprite(KindGold), std::min(frame, 19), 0, source, px, py, size);
        if (itemsAnimate && elapsedMoreThan(now, glintTime, 60 + random(60) / 2)) {
            glintTime = now;
            ++frame;
            if (frame >= 47 && frame >= 47 + random(15))
                frame = 0;
        }
        break;
    case KindLooseEarth: drawSquare(target, sprite(kSlotEarthSheet), 5, 0, source, px, py, size); break;
    case KindCrawler:
        if (param == 4) {
            drawSquare(target, sprite(kSlotCrawlerExtra), frame, 6, source, px, py, size);
            if (enemiesAnimate && every(frameTime, 50)) {
                if (direction == 0)
                    frame = frame - 1 < 0 ? 10 : frame - 1;
                else
                    frame = frame + 1 >= kCrawlerLook4Frames ? 0 : frame + 1;
            }
        } else {
            const int heading = levelChoice ? 0 : direction + 1;
            if (param == 3)
                drawSquare(target, sprite(kSlotCrawlerExtra), frameB, heading, source, px, py, size);
            else if (param >= 0 && param <= 2)
                drawSquare(target, sprite(KindCrawler), frameB, 5 * param + heading, source, px, py, size);
            if (enemiesAnimate && every(frameTimeB, kindFrameDelay(KindCrawler))) {
                ++frameB;
                if (frameB >= 16 || (frameB >= 8 && animHalf == 0)) {
                    animHalf ^= 1;
                    frameB = 0;
                }
            }
        }
        break;
    case KindBomb:
        drawSquare(target, sprite(KindBomb), frame, 0, source, px, py, size);
        if (itemsAnimate && every(frameTime, kindFrameDelay(KindBomb)))
            frame = frame + 1 >= kindFrames(KindBomb) ? 0 : frame + 1;
        break;
    case KindMine:
    case KindTnt:
        drawSquare(target, sprite(drawKind), frame, 0, source, px, py, size);
        if ((drawKind == KindTnt ? running : itemsAnimate) &&
            elapsedMoreThan(now, frameTime, 200 + random(200) / 2)) {
            frameTime = now;
            frame = random(kindFrames(drawKind));
        }
        break;
    case KindMissile:
        drawSquare(target, sprite(KindMissile), direction, frame, source, px, py, size);
        if (running && every(frameTime, kindFrameDelay(KindMissile)))
            frame = frame + 1 >= kindFrames(KindMissile) ? 0 : frame + 1;
        break;
    case KindHeart:
        drawSquare(target, sprite(KindHeart), frame, 0, source, px, py, size);
        if (itemsAnimate)
            beat(*this, kindFrameDelay(KindHeart), 11, 5, kindFrames(KindHeart), param == 7);
        break;
    case KindWalker: {
        const bool right = facing == 2;
        const int row = right && direction == 1 ? 4 : right && direction == 3 ? 5 : direction;
        drawSquare(target, sprite(KindWalker), frameB, row, source, px, py, size);
        if (enemiesAnimate && every(frameTimeB, kindFrameDelay(KindWalker)))
            frameB = frameB + 1 >= kindFrames(KindWalker) ? 0 : frameB + 1;
        break;
    }
    case KindEgg:
        if (running)
            hatchStep(*this, now);
        if (kind != KindEgg)
            break;
        if (eggState == 2)
            drawSquare(target, sprite(kSlotCrawlerExtra), frame, 5, source, px, py, size);
        else
            drawSquare(target, sprite(KindStone), frame, 5, source, px, py, size);
        break;
    case KindMineral: {
        drawSquare(target, entry(thePictures.exppointsImages, param), frame, variant, source, px, py, size);
        const int delay = mineralDelay(param);
        if (itemsAnimate && delay > 0) {
            if (variant == 1) {
                if (every(frameTime, delay))
                    frame = frame + 1 >= 16 ? 0 : frame + 1;
            } else if (every(frameTime, 2 * delay)) {
                frame = random(16);
            }
        }
        break;
    }
    case KindShot: {
        Surface* sheet = sprite(KindShot);
        drawSquare(target, sheet, direction, frame, source, px, py, size);
        static constexpr int behindX[4] = {1, 0, -1, 0};
        static constexpr int behindY[4] = {0, 1, 0, -1};
        if (direction >= 0 && direction <= 3)
            drawSquare(target, sheet, direction, shotPose + 1, source, px + behindX[direction] * size,
                       py + behindY[direction] * size, size);
        if (running && every(frameTime, kindFrameDelay(KindShot)))
            frame = frame + 1 >= kindFrames(KindShot) ? 0 : frame + 1;
        break;
    }
    case KindWeaponPickup: {
        drawSquare(target, entry(thePictures.addweaponImages, param), frame, 0, source, px, py, size);
        const int frames = pickupFrames(param);
        if (itemsAnimate && frames > 0)
            beat(*this, pickupDelay(param), 7, 3, frames, param == 7);
        break;
    }
    case KindStalker:
        drawSquare(target, sprite(KindStalker), frameB, 2 * param + (facing != 0 ? 1 : 0), source, px, py, size);
        if (enemiesAnimate && every(frameTimeB, kindFrameDelay(KindStalker)))
            frameB = frameB + 1 >= kindFrames(KindStalker) ? 0 : frameB + 1;
        break;
    case KindGrenade: drawSquare(target, sprite(KindGrenade), frame, 0, source, px, py, size); break;
    case KindTimeBomb: {
        const std::int32_t age = static_cast<std::int32_t>(now - armedTime);
        frame = age >= 0 && age < 3000 ? age / 200 : 14;
        drawSquare(target, sprite(KindTimeBomb), frame, 0, source, px, py, size);
        break;
    }
    default: break; // Empty, the blast stone and codes that are no kind draw nothing
    }
}

void renderCell(World& w, Cell& cell, Surface* target)
{
    const int size = app.cellSize;
    int x = cell.viewCol * size + w.scrollOffsetX + cell.offsetX;
    int y = cell.viewRow * size + w.scrollOffsetY + cell.offsetY;
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
        if (cell.viewRow == w.viewHeight + 1 && cell.moving && !w.scrolling)
            source.bottom = source.top - cell.offsetY;
    } else {
        x += screenFlow.previewOriginX;
        y += screenFlow.previewOriginY;
    }
    cell.draw(x, y, cell.kind, source, target, size);

    if (cell.exploding != 1 || !(w.diggerDead || cell.blastShown))
        return;
    const Digger* d = world.theDigger.get();
    const bool diggerCell = d && !d->dead && cell.x == d->x && cell.y == d->y;
    if (!diggerCell && cell.blastFrame >= 1) {
        // Sheets with three blast variants (rows 2-5 repeat rows 0-1 in other shapes) vary them
        // from cell to cell, so neighbouring cells of one blast differ.
        const Surface* sheet = thePictures.explosionPicture.get();
        const int variant = sheet && sheet->height() >= 6 * size ? ((cell.x + 2 * cell.y) % 3 + 3) % 3 : 0;
        const bool death = cell.blastRow == kDeathBlastRow;
        auto frameRect = [&](int row) {
            return Rect{source.left + (cell.blastFrame - 1) * size, source.top + row * size,
                        source.right + (cell.blastFrame - 1) * size, source.bottom + row * size};
        };
        const Rect r = frameRect((death ? 0 : cell.blastRow) + 2 * variant);
        blitFast(target, x, y, thePictures.explosionPicture.get(), &r, true);
        // Sheets with a seventh row show the digger's death pose over the blast in his cell.
        if (death && sheet && sheet->height() >= 7 * size) {
            const Rect pose = frameRect(6);
            blitFast(target, x, y, thePictures.explosionPicture.get(), &pose, true);
        }
    }
    if (!gameScreen.frozen && elapsedMoreThan(app.frameClock, cell.blastTime, 40)) {
        cell.blastTime = app.frameClock;
        if (cell.blastFrame < 12) {
            ++cell.blastFrame;
        } else {
            cell.exploding = 0;
            cell.clear(0);
            cell.blastShown = 0;
            cell.blastRow = 0;
        }
    }
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

void drawLevelCells(World& w, Surface* target)
{
    for (int bx = 0; bx < w.blocksAcross; ++bx)
        for (int by = 0; by < w.blocksDown; ++by)
            w.blocks[std::size_t(by) * std::size_t(w.blocksAcross) + std::size_t(bx)].drawOnScreen(target, bx, by);
    const DrawRange r = drawRange(w);
    for (int x = r.x0; x < r.x1; ++x)
        for (int y = r.y0; y < r.y1; ++y)
            renderCell(w, w.cells[std::size_t(w.indexOf(x, y))], target);
}

void drawWorld(World& w, Surface* target)
{
    drawLevelCells(w, target);
    if (!w.diggerDead && world.theDigger)
        drawDigger(w, *world.theDigger, target);
}

} // namespace burrowix
