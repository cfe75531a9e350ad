#include "world/watching_eyes.hpp"

#include "common/random.hpp"
#include "platform/display/blit.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

EyeLids theEyeLids;

void EyeLids::step(Ticks now)
{
    if (!slowRunning && blinkPhase == 0 && elapsedMoreThan(now, slowTime, slowInterval)) {
        slowRunning = 1;
        slowTime = now;
        slowInterval = 5000 + random(5000);
        direction ^= 1;
    }
    if (slowRunning) {
        if (elapsedMoreThan(now, stepTime, 50)) {
            stepTime = now;
            if (direction == 0 && lid < 3)
                ++lid;
            else if (direction == 1 && lid > 0)
                --lid;
        }
        if ((direction == 0 && lid >= 3) || (direction == 1 && lid <= 0))
            slowRunning = 0;
        return;
    }
    if (blinkPhase == 0) {
        if (direction != 0 || !elapsedMoreThan(now, blinkTime, blinkInterval))
            return;
        blinkPhase = 1;
    }
    if (!elapsedMoreThan(now, stepTime, 25))
        return;
    stepTime = now;
    if (blinkPhase == 1) {
        if (lid > 0)
            --lid;
        if (lid == 0) {
            direction = 1;
            blinkPhase = 2;
        }
    } else {
        if (lid < 3)
            ++lid;
        if (lid == 3) {
            direction = 0;
            blinkPhase = 0;
            blinkTime = now;
            blinkInterval = 2000 + random(1000);
        }
    }
}

int pupilShiftX(int dx)
{
    static constexpr int up[] = {30, 70, 90, 110, 130, 150, 170, 190, 210, 230};
    static constexpr int down[] = {-50, -70, -90, -110, -130, -150, -170, -190, -210, -230};
    int s = 0;
    for (int t : up)
        s += dx > t;
    for (int t : down)
        s -= dx < t;
    return s;
}

int pupilShiftY(int dy)
{
    static constexpr int limits[] = {50, 70, 90, 120, 140, 160, 180};
    int s = 0;
    for (int t : limits) {
        s += dy > t;
        s -= dy < -t;
    }
    return s;
}

void drawWatchingEyes(Surface* target, int bx, int by, const CoveredCells* covered)
{
    Surface* eyes = thePictures.interfaceImages[assets::interfaceSlot(assets::PictureId::Eyes)].get();
    if (!eyes)
        return;
    const Rect whites{0, 0, 200, 200};
    if (covered) {
        covered->forUncovered(bx, by, bx + 200, by + 200, [&](int x0, int y0, int x1, int y1) {
            const Rect part{x0 - bx, y0 - by, x1 - bx, y1 - by};
            blitFast(target, x0, y0, eyes, &part, true);
        });
    } else {
        blitFast(target, bx, by, eyes, &whites, true);
    }

    int sx = 0, sy = 0;
    const Digger* d = world.theDigger.get();
    const World* w = world.theWorld.get();
    if (d && w) {
        const int size = w->cellSize;
        const int px = d->viewCol * size + d->offsetX + w->scrollOffsetX;
        const int py = d->viewRow * size + d->offsetY + w->scrollOffsetY;
        sx = pupilShiftX(px - (bx + 86));
        sy = pupilShiftY(py - (by + 86));
    }
    const Rect pupil{0, 200, 19, 219};
    blitFast(target, bx + 60 + sx, by + 86 + sy, eyes, &pupil, true);
    blitFast(target, bx + 113 + sx, by + 86 + sy, eyes, &pupil, true);
    const Rect lid{200, theEyeLids.lid * 51, 251, theEyeLids.lid * 51 + 51};
    blitFast(target, bx + 44, by + 70, eyes, &lid, true);
    blitFast(target, bx + 97, by + 70, eyes, &lid, true);
}

} // namespace burrowix
