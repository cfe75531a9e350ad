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
int stepTarget(const World& w, int x, int y, int d)
{
    static constexpr int dx[4] = {-1, 0, 1, 0};
    static constexpr int dy[4] = {0, -1, 0, 1};
    if (d < 0 || d > 3 || !w.inside(x + dx[d], y + dy[d]))
        return -1;
    return w.indexOf(x + dx[d], y + dy[d]);
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
}

void takeStep(World& w, Digger& d, const Arrows& arrows)
{
    const int dir = arrows.wanted;
    const int t = stepTarget(w, d.x, d.y, dir);
    if (dir == 0)
        d.facing = 0;
    else if (dir == 2)
        d.facing = 1;
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
        enter();
        ++w.live->lives;
        endCalm();
        break;
    case KindWeaponPickup: {
        reportOneOfThree(w, WorldSound::AddWeapon1, t);
        const std::int32_t weapon = w.cells[t].param;
        w.cells[t].clear(0);
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
        if (dir == 0 || dir == 2) {
            const int beyond = stepTarget(w, t % w.width, t / w.width, dir);
            if (beyond >= 0 && classify(w, beyond) == KindEmpty && !w.cells[t].moving) {
                copyCell(w.cells[beyond], w.cells[t]);
                w.cells[t].clear(0);
                w.cells[beyond].startGlide(dir, w.cellSize);
                d.speed = 4;
                enter();
                if (d.pose != PosePushing)
                    d.frame = d.walkFrames + d.digFrames;
                d.pose = PosePushing;
            }
            const bool held = arrows.held[dir];
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
                if (d.direction == 0)
                    d.facing = 0;
                else if (d.direction == 2)
                    d.facing = 1;
            }
        }
    }
    // Letting go of the arrows after a push ends the pushing pose.
    if (!arrows.any() && !d.moving && !w.scrolling && d.pose == PosePushing &&
        (d.direction == 0 || d.direction == 2))
        d.pose = PoseWalking;
}

void beginMove(World& w, Digger& d, std::int32_t dir)
{
    const int size = w.cellSize;
    d.moving = 1;
    d.direction = dir;
    d.offsetX = d.offsetY = 0;
    const int c = d.cellIndex(w);
    switch (dir) {
    case 0:
        if (d.x > 0) {
            --d.x;
            if (d.viewCol < 10 && w.viewX > 0) {
                --w.viewX;
                refreshCellViewCoordinates(w);
                w.scrollDirection = 0;
                w.scrollOffsetX = -size;
                w.scrolling = 1;
            } else {
                --d.viewCol;
            }
            d.offsetX = size;
            clearEntered(w, d, c - 1);
        }
        break;
    case 1:
        if (d.y > 0) {
            --d.y;
            if (d.viewRow < 8 && w.viewY > 0) {
                --w.viewY;
                refreshCellViewCoordinates(w);
                w.scrollDirection = 1;
                w.scrollOffsetY = -size;
                w.scrolling = 1;
            } else {
                --d.viewRow;
            }
            d.offsetY = size;
            if (c - w.width >= 0 && c - w.width != c)
                clearEntered(w, d, c - w.width);
        }
        break;
    case 2:
        if (d.x + 1 < w.width) {
            ++d.x;
            if (d.viewCol < 13 || w.width - w.viewX <= w.viewWidth) {
                ++d.viewCol;
            } else {
                ++w.viewX;
                refreshCellViewCoordinates(w);
                w.scrollOffsetX = size;
                w.scrollDirection = 2;
                w.scrolling = 1;
            }
            d.offsetX = -size;
            clearEntered(w, d, c + 1);
        }
        break;
    case 3:
        if (d.y + 1 < w.height) {
            ++d.y;
            if (d.viewRow < 8 || w.height - w.viewY <= w.viewHeight) {
                ++d.viewRow;
            } else {
                ++w.viewY;
                refreshCellViewCoordinates(w);
                w.scrollOffsetY = size;
                w.scrollDirection = 3;
                w.scrolling = 1;
            }
            d.offsetY = -size;
            clearEntered(w, d, c + w.width);
        }
        break;
    default: break;
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
        if (d.direction == 0 || d.direction == 2)
            d.offsetX = approachZero(d.offsetX, d.speed);
        else
            d.offsetY = approachZero(d.offsetY, d.speed);
        if (d.direction >= 0 && d.direction <= 3)
            d.halfStep = d.halfStep == kSecondPose[d.direction] ? d.direction : kSecondPose[d.direction];
    }
    if (w.scrolling) {
        const int block = 5 * w.cellSize;
        const int shift = 1 + d.speed / 2;
        std::int32_t& offset = w.scrollDirection == 0 || w.scrollDirection == 2 ? w.scrollOffsetX : w.scrollOffsetY;
        std::int32_t& scroll = w.scrollDirection == 0 || w.scrollDirection == 2 ? world.backgroundScrollX
                                                                                : world.backgroundScrollY;
        std::int32_t& origin = w.scrollDirection == 0 || w.scrollDirection == 2 ? world.backgroundOriginX
                                                                                : world.backgroundOriginY;
        offset = approachZero(offset, d.speed);
        scroll += w.scrollDirection == 0 || w.scrollDirection == 1 ? shift : -shift;
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
        if (c >= 0)
            w.cells[c].clear(0);
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
        d.idleReverse ^= 1;
    if (d.idleReverse)
        d.idleFrame = d.idleFrame - 1 < 0 ? d.idleFrames - 1 : d.idleFrame - 1;
    else
        d.idleFrame = d.idleFrame + 1 >= d.idleFrames ? 0 : d.idleFrame + 1;
}

} // namespace burrowix
