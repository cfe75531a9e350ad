#include "world/digger.hpp"

#include "common/random.hpp"
#include "state/app_state.hpp"
#include "world/cell_kind.hpp"
#include "world/egg_waking.hpp"
#include "world/explosions.hpp"
#include "world/scoring.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

// The neighbour of cell (x, y) in direction d as an index, or -1 outside the grid.
int stepTarget(const World& w, int x, int y, Direction d)
{
    if (!isDirection(d) || !w.inside(x + stepX(d), y + stepY(d)))
        return -1;
    return w.indexOf(x + stepX(d), y + stepY(d));
}

// Stepping left or right turns the digger's pictures that way; up and down keep them.
void faceTowards(Digger& d, Direction dir)
{
    if (isHorizontal(dir))
        d.facing = dir == DirRight ? FacingRight : FacingLeft;
}

// Clears or, in super mode, blasts the cell the digger enters.
void clearEntered(World& w, Digger& d, int target)
{
    if (!w.validIndex(target))
        return;
    if (d.superMode)
        explodePair(w, d, 0, target, 1);
    else
        w.cells[target].clear(0);
    touchCell(w, target);
}

void takeStep(World& w, Digger& d, const Arrows& arrows)
{
    const Direction dir = arrows.wanted;
    const int t = stepTarget(w, d.x, d.y, dir);
    faceTowards(d, dir);
    // Outside the grid there is nothing to enter.
    const std::int32_t cls = t < 0 ? StepBlocked : classify(w, t);
    const int difficulty = w.difficulty;
    bool entered = false;
    auto enter = [&] {
        beginMove(w, d, dir);
        entered = true;
    };
    auto endCalm = [&] {
        if (d.pose == PosePushing)
            d.frame = 0;
        d.pose = PoseWalking;
    };

    switch (cls) {
    case KindMine:
    case KindCrawler:
    case KindWalker:
    case KindStalker:
    case KindTnt:
    case KindEgg:
        if (d.superMode) {
            if (cls == KindTnt) {
                w.live->placedTnt = 0;
                w.tntLatch = false;
            }
            enter();
        } else {
            if (cls == KindMine)
                explodeAround(w, d, t);
            if (cls != KindTnt && cls != KindEgg)
                hitDigger(w, d);
        }
        break;
    case StepEarth:
        if (d.superMode)
            explodePair(w, d, 0, t, 1);
        if (d.pose == PosePushing)
            d.frame = 0;
        enter();
        d.pose = PoseDigging;
        d.digging = 1;
        reportSound(w, WorldSound::Dig, t);
        break;
    case KindEmpty: {
        const int below2 = d.y + 2 < w.height ? w.indexOf(d.x, d.y + 2) : -1;
        if (below2 >= 0 && w.cells[below2].moving && dir == 3 && !d.superMode)
            d.speed = 4;
        enter();
        endCalm();
        break;
    }
    case KindGold:
        reportSound(w, WorldSound::Nugget, t);
        ++d.goldCollected;
        addScore(w, kGoldValue);
        levelCompleteCheck(w, d);
        enter();
        endCalm();
        break;
    case KindMineral: {
        reportOneOfThree(w, WorldSound::Mineral1, t);
        const std::int32_t type = w.cells[t].param;
        w.cells[t].clear(0);
        touchCell(w, t);
        enter();
        addScore(w, mineralValue(type));
        endCalm();
        break;
    }
    case KindBlastStone:
        reportSound(w, WorldSound::Nugget, t);
        if (w.cells[t].param == 0) {
            screenBlast(w, d);
            enter();
        }
        endCalm();
        break;
    case KindHeart:
        reportSound(w, WorldSound::Life, t);
        w.cells[t].clear(0);
        touchCell(w, t);
        enter();
        ++w.live->lives;
        endCalm();
        break;
    case KindWeaponPickup: {
        reportOneOfThree(w, WorldSound::AddWeapon1, t);
        const std::int32_t weapon = w.cells[t].param;
        w.cells[t].clear(0);
        touchCell(w, t);
        enter();
        if (weapon >= 0 && weapon < kWeaponTypes)
            w.live->ammunition[weapon] += pickupAmount(difficulty, weapon);
        endCalm();
        break;
    }
    case StepPushable:
    case KindBomb:
        if (d.superMode) {
            explodePair(w, d, 0, t, 1);
            enter();
            break;
        }
        if (isHorizontal(dir)) {
            const int beyond = stepTarget(w, t % w.width, t / w.width, dir);
            if (beyond >= 0 && classify(w, beyond) == KindEmpty && !w.cells[t].moving) {
                copyCell(w.cells[beyond], w.cells[t]);
                w.cells[t].clear(0);
                w.cells[beyond].startGlide(dir, w.cellSize);
                touchCell(w, t);
                touchCell(w, beyond);
                d.speed = 4;
                enter();
                if (d.pose != PosePushing)
                    d.frame = d.walkFrames + d.digFrames;
                d.pose = PosePushing;
            }
            const bool held = arrows.isHeld(dir);
            d.pose = held ? PosePushing : PoseWalking;
        }
        break;
    default: break; // blocked, missiles, shots, grenades, time bombs
    }
    if (!entered && d.pose == PosePushing)
        d.frame = 0;
}

void startBlink(World& w, Digger& d)
{
    d.invulnerable = 1;
    d.blinkStart = app.frameClock;
    d.blinkToggleTime = app.frameClock;
    d.blinkPhase = true;
    reportEvent(w, WorldEventKind::DiggerHit, d.cellIndex(w));
}

void die(World& w, Digger& d)
{
    reportEvent(w, WorldEventKind::DiggerDead, d.cellIndex(w));
    d.dead = 1;
    // The last life: remember the row the score earns in the hall of fame, if any.
    HallOfFame& record = *w.live;
    if (record.lives <= 0)
        record.findRank(record.score);
    const int cell = w.inside(d.x, d.y) ? w.indexOf(d.x, d.y) : -1;
    deathExplosion(w, cell);
    reportSound(w, WorldSound::Explosion, cell);
    w.diggerDead = 1;
    if (cell >= 0) {
        w.cells[cell].blastFrame = 0;
        w.cells[cell].blastRow = kDeathBlastRow;
    }
    d.x = d.y = -1;
}

// Moves v towards 0 by step without passing it.
std::int32_t approachZero(std::int32_t v, std::int32_t step)
{
    if (v > 0)
        return v - step < 0 ? 0 : v - step;
    if (v < 0)
        return v + step > 0 ? 0 : v + step;
    return 0;
}

} // namespace

int Digger::cellIndex(const World& w) const
{
    return w.inside(x, y) ? w.indexOf(x, y) : -1;
}

Digger createDigger(const World& w, std::int32_t sx, std::int32_t sy)
{
    Digger d;
    d.x = sx;
    d.y = sy;
    d.viewCol = sx - w.viewX;
    d.viewRow = sy - w.viewY;
    d.weaponCooldown = app.frameInterval * 20 + 100;
    return d;
}

std::int32_t classify(const World& w, std::int64_t index)
{
    if (index < 0 || index >= std::int64_t(w.cells.size()))
        return StepEarth;
    const std::int32_t kind = w.cells[std::size_t(index)].kind;
    if (kind == KindEarth)
        return StepEarth;
    if (kind == KindStone || kind == KindLooseEarth)
        return StepPushable;
    if (kind == KindWall || kind == KindBottle || kind == KindUnused || kind > KindBlastStone || kind < 0)
        return StepBlocked;
    return kind;
}

void diggerStep(World& w, Digger& d, bool runMoves, const Arrows& arrows)
{
    if (runMoves && !w.diggerDead && !d.dead) {
        if (!arrows.any()) {
            d.ready = 0;
        } else if (!d.moving && !w.scrolling) {
            if (d.direction != arrows.wanted) {
                d.direction = arrows.wanted;
                d.turnCounter = 1;
            }
            if ((d.turnCounter == 0 && d.ready == 0) || d.ready == 1) {
                takeStep(w, d, arrows);
            } else {
                if (d.pose == PosePushing)
                    d.frame = 0;
                d.pose = PoseWalking;
                d.ready = 0;
                d.turnCounter = d.turnCounter >= 3 ? 0 : d.turnCounter + 1;
                faceTowards(d, d.direction);
            }
        }
    }
    // Letting go of the arrows after a push ends the pushing pose.
    if (!arrows.any() && !d.moving && !w.scrolling && d.pose == PosePushing && isHorizontal(d.direction))
        d.pose = PoseWalking;
}

void beginMove(World& w, Digger& d, Direction dir)
{
    // The view scrolls once the digger comes nearer its edge than these cells: left of column 10,
    // right of column 12, above or below row 8 (and only while the view can still move that way).
    static constexpr std::int32_t kKeepFromLeft = 10, kKeepFromRight = 13, kKeepRow = 8;
    const int size = w.cellSize;
    d.moving = 1;
    d.direction = dir;
    d.offsetX = d.offsetY = 0;
    const int c = d.cellIndex(w);
    const bool horizontal = isHorizontal(dir);
    const int step = stepX(dir) + stepY(dir);
    std::int32_t& place = horizontal ? d.x : d.y;
    const std::int32_t extent = horizontal ? w.width : w.height;
    if (isDirection(dir) && place + step >= 0 && place + step < extent) {
        place += step;
        std::int32_t& inView = horizontal ? d.viewCol : d.viewRow;
        std::int32_t& origin = horizontal ? w.viewX : w.viewY;
        const std::int32_t viewSize = horizontal ? w.viewWidth : w.viewHeight;
        const bool scroll = step < 0 ? inView < (horizontal ? kKeepFromLeft : kKeepRow) && origin > 0
                                     : inView >= (horizontal ? kKeepFromRight : kKeepRow) && extent - origin > viewSize;
        if (scroll) {
            origin += step;
            w.scrollDirection = dir;
            (horizontal ? w.scrollOffsetX : w.scrollOffsetY) = step * size;
            w.scrolling = 1;
        } else {
            inView += step;
        }
        (horizontal ? d.offsetX : d.offsetY) = -step * size;
        const int entered = c + step * (horizontal ? 1 : w.width);
        if (entered != c)
            clearEntered(w, d, entered);
    }
    recount(w);
    wakeEggs(w, d.cellIndex(w));
}

void diggerGlide(World& w, Digger& d)
{
    if (d.dead)
        return;
    static constexpr std::int32_t kSecondPose[4] = {5, 7, 6, 8};
    if (d.moving) {
        if (isHorizontal(d.direction))
            d.offsetX = approachZero(d.offsetX, d.speed);
        else
            d.offsetY = approachZero(d.offsetY, d.speed);
        if (isDirection(d.direction))
            d.halfStep = d.halfStep == kSecondPose[d.direction] ? d.direction : kSecondPose[d.direction];
    }
    if (w.scrolling) {
        const int block = 5 * w.cellSize;
        const int shift = 1 + d.speed / 2;
        const bool horizontal = isHorizontal(w.scrollDirection);
        std::int32_t& offset = horizontal ? w.scrollOffsetX : w.scrollOffsetY;
        std::int32_t& scroll = horizontal ? world.backgroundScrollX : world.backgroundScrollY;
        std::int32_t& origin = horizontal ? world.backgroundOriginX : world.backgroundOriginY;
        offset = approachZero(offset, d.speed);
        scroll += towardsOrigin(w.scrollDirection) ? shift : -shift;
        if (scroll > block) {
            scroll -= block;
            --origin;
        } else if (scroll < 0) {
            scroll += block;
            ++origin;
        }
    }
    if (d.offsetX == 0 && d.offsetY == 0) {
        const int c = d.cellIndex(w);
        if (c >= 0) {
            w.cells[c].clear(0);
            touchCell(w, c);
        }
        d.moving = 0;
        d.digging = 0;
        d.ready = 1;
        d.speed = d.superMode ? 10 : 5;
    }
    if (w.scrollOffsetX == 0 && w.scrollOffsetY == 0) {
        w.scrolling = 0;
        d.ready = 1;
    }
}

void hitDigger(World& w, Digger& d)
{
    if (d.invulnerable || d.dead)
        return;
    const int difficulty = w.difficulty;
    if (difficulty == 1 && d.health > 1) {
        d.health = d.health > 3 ? 3 : 1;
        startBlink(w, d);
        return;
    }
    if (difficulty >= 2 && d.health > 1) {
        --d.health;
        startBlink(w, d);
        return;
    }
    die(w, d);
}

void updateHitBlink(Digger& d, bool frozen)
{
    if (frozen || d.dead || !d.invulnerable)
        return;
    const Ticks now = app.frameClock;
    if (elapsedMoreThan(now, d.blinkToggleTime, kBlinkToggle)) {
        d.blinkToggleTime = now;
        d.blinkPhase = !d.blinkPhase;
    }
    if (elapsedMoreThan(now, d.blinkStart, kBlinkTime)) {
        d.invulnerable = 0;
        d.blinkPhase = false;
    }
}

void diggerIdleStep(Digger& d, bool frozen)
{
    if (d.pose != PoseIdle || frozen)
        return;
    const Ticks now = app.frameClock;
    if (!elapsedMoreThan(now, d.idleTime, d.idleDelay + random(400)))
        return;
    d.idleTime = now;
    if (random(4) == 2)
        d.idleReverse = !d.idleReverse;
    if (d.idleReverse)
        d.idleFrame = d.idleFrame - 1 < 0 ? d.idleFrames - 1 : d.idleFrame - 1;
    else
        d.idleFrame = d.idleFrame + 1 >= d.idleFrames ? 0 : d.idleFrame + 1;
}

} // namespace burrowix
