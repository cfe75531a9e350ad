#include "world/cell_animation.hpp"

#include "common/random.hpp"
#include "world/cell.hpp"
#include "world/cell_kind.hpp"
#include "world/egg_hatching.hpp"

namespace burrowix {

namespace {

// "Every d ms" against a stored time.
bool every(Ticks now, Ticks& stamp, std::int32_t d)
{
    if (!elapsedMoreThan(now, stamp, d))
        return false;
    stamp = now;
    return true;
}

// The Heart's and the Weapon pickup's beat: a long rest on frame 0, then quick steps.
void beat(Cell& c, Ticks now, int delay, int restFactorBase, int restFactorRandom, int frames, bool noRest)
{
    if (c.frame == 0 && !noRest) {
        if (!elapsedMoreThan(now, c.frameTime, delay * (restFactorBase + random(restFactorRandom))))
            return;
    } else if (!elapsedMoreThan(now, c.frameTime, delay)) {
        return;
    }
    c.frameTime = now;
    c.frame = c.frame + 1 >= frames ? 0 : c.frame + 1;
}

void animateCrawler(Cell& c, const CellMotion& m)
{
    if (!m.enemiesAnimate)
        return;
    if (c.param == 4) {
        if (every(m.now, c.frameTime, 50)) {
            if (c.direction == DirLeft)
                c.frame = c.frame - 1 < 0 ? 10 : c.frame - 1;
            else
                c.frame = c.frame + 1 >= kCrawlerLook4Frames ? 0 : c.frame + 1;
        }
        return;
    }
    if (every(m.now, c.frameTimeB, kindFrameDelay(KindCrawler))) {
        ++c.frameB;
        if (c.frameB >= 16 || (c.frameB >= 8 && !c.animHalf)) {
            c.animHalf = !c.animHalf;
            c.frameB = 0;
        }
    }
}

void animateMineral(Cell& c, const CellMotion& m)
{
    const int delay = mineralDelay(c.param);
    if (!m.itemsAnimate || delay <= 0)
        return;
    if (c.variant == 1) {
        if (every(m.now, c.frameTime, delay))
            c.frame = c.frame + 1 >= 16 ? 0 : c.frame + 1;
    } else if (every(m.now, c.frameTime, 2 * delay)) {
        c.frame = random(16);
    }
}

// Steps frame on by one, wrapping at the kind's frame count, every kind delay, when `on`.
void cycle(Ticks now, bool on, std::int32_t kind, Ticks& stamp, std::int32_t& frame)
{
    if (on && every(now, stamp, kindFrameDelay(kind)))
        frame = frame + 1 >= kindFrames(kind) ? 0 : frame + 1;
}

} // namespace

void prepareCellPicture(Cell& c, const CellMotion& m)
{
    if (c.kind == KindEgg && m.running) {
        hatchStep(c, m.now);
        c.hatchedThisFrame = c.kind != KindEgg;
    } else if (c.kind == KindTimeBomb) {
        const std::int32_t age = static_cast<std::int32_t>(m.now - c.armedTime);
        c.frame = age >= 0 && age < 3000 ? age / 200 : 14;
    }
}

void animateCell(Cell& c, const CellMotion& m)
{
    if (c.hatchedThisFrame) {
        c.hatchedThisFrame = false;
        return;
    }
    const Ticks now = m.now;
    switch (c.kind) {
    case KindGold:
        if (m.itemsAnimate && elapsedMoreThan(now, c.glintTime, 60 + random(60) / 2)) {
            c.glintTime = now;
            ++c.frame;
            if (c.frame >= 47 && c.frame >= 47 + random(15))
                c.frame = 0;
        }
        break;
    case KindCrawler: animateCrawler(c, m); break;
    case KindBomb: cycle(now, m.itemsAnimate, KindBomb, c.frameTime, c.frame); break;
    case KindMine:
    case KindTnt:
        if ((c.kind == KindTnt ? m.running : m.itemsAnimate) &&
            elapsedMoreThan(now, c.frameTime, 200 + random(200) / 2)) {
            c.frameTime = now;
            c.frame = random(kindFrames(c.kind));
        }
        break;
    case KindMissile: cycle(now, m.running, KindMissile, c.frameTime, c.frame); break;
    case KindHeart:
        if (m.itemsAnimate)
            beat(c, now, kindFrameDelay(KindHeart), 11, 5, kindFrames(KindHeart), c.param == 7);
        break;
    case KindWalker: cycle(now, m.enemiesAnimate, KindWalker, c.frameTimeB, c.frameB); break;
    case KindMineral: animateMineral(c, m); break;
    case KindShot: cycle(now, m.running, KindShot, c.frameTime, c.frame); break;
    case KindWeaponPickup: {
        const int frames = pickupFrames(c.param);
        if (m.itemsAnimate && frames > 0)
            beat(c, now, pickupDelay(c.param), 7, 3, frames, c.param == 7);
        break;
    }
    case KindStalker: cycle(now, m.enemiesAnimate, KindStalker, c.frameTimeB, c.frameB); break;
    default: break; // the other kinds have no counters of their own, or step before the picture
    }
}

void blastStep(Cell& c, const CellMotion& m, bool diggerDead)
{
    if (c.exploding != 1 || !(diggerDead || c.blastShown))
        return;
    if (!m.running || !elapsedMoreThan(m.now, c.blastTime, 40))
        return;
    c.blastTime = m.now;
    if (c.blastFrame < 12) {
        ++c.blastFrame;
    } else {
        c.exploding = 0;
        c.clear(0);
        c.blastShown = 0;
        c.blastRow = 0;
    }
}

} // namespace burrowix
